#pragma once
// LevelFile: one level's map file ("data/levels/<name>.xml"), read into the
// plain description the map builds itself from.
//
// The file gives the grid, the background picture, the roads, forbidden and
// premium squares, the buildings and decorations already standing, and the
// goals. Load checks what the map would otherwise trip over later (lists of
// the wrong length, squares off the grid, buildings that overlap or stick
// out, impossible upgrade levels, a level without an office) and reports it
// as a ContentException naming the file, the line and the element, so a
// broken level never gets as far as the map.

#include "game/rules/BuildingKind.h"
#include "game/rules/LevelGoal.h"
#include "game/rules/PropCatalogue.h"
#include "tessel/Array.h"
#include "tessel/Strings.h"
#include "tessel/WideText.h"
#include "tessel/text/ValueParsers.h"

namespace Tessel {
class LocalizedText;
class XmlReader;
}  // namespace Tessel

namespace Corvanta {

struct LevelProgressionRecord;

// The season of the road and ground pictures.
enum DecorSetting : int32_t {
  DECOR_Fall = 0,
  DECOR_Forest = 1,
  DECOR_Snow = 2,
  DECOR_Spring = 3,
  DECOR_Tropic = 4,
};

// A building standing on the map when the level starts.
struct LevelBuilding {
  BuildingKind Kind = BDK_Unknown;
  Tessel::String Id;               // "id": how scripts address it
  Tessel::WideString CustomTitle;  // text of the "title" key; empty for the kind's own title
  Tessel::Point Square;            // anchor (top-left) square
  bool IsRival = false;
  bool IsUnmarketable = false;
  bool IsUndemolishable = false;
  bool IsConstructionRequired = false;  // starts as a site awaiting vans
  bool IsBroken = false;
  int Upgrade = 0;                 // 0..the kind's NumUpgrades
  int SalePriority = 0;            // >= 0
  int Line = 0;                    // of the element, for messages
};

// A decoration placed from the prop catalogue.
struct LevelDecor {
  DecorProp Prop;          // a copy of the catalogue's record
  Tessel::Point Position;  // map pixels, before the prop's origin is subtracted
  int Line = 0;
};

class LevelFile {
public:
  static constexpr int MaxGridSize = 1000;  // columns or rows

  Tessel::String Path;       // as opened: backslashes written as slashes
  Tessel::String LevelName;  // the file name without folder and ".xml"

  int Columns = 25;
  int Rows = 17;
  Tessel::Point BackgroundSize;    // pixels of the whole map picture
  Tessel::String BackgroundImage;  // see BackgroundTiles.h
  Tessel::Point SquaresOffset;     // pixel of square (0, 0) in the picture
  Tessel::Rect Playground;         // squares where the player's tools act; the whole grid when not given
  bool HasInitialBankAccount = false;
  int InitialBankAccount = 0;      // replaces "StartingBankAccount" when given
  int InitialVans = 0;             // 0 or less: the level progression record's vans
  DecorSetting Decor = DECOR_Forest;

  Tessel::Array<Tessel::Point> Roads;
  Tessel::Array<Tessel::Point> Forbidden;
  Tessel::Array<Tessel::Point> Premium;
  Tessel::Array<LevelBuilding> Buildings;  // in file order
  Tessel::Array<LevelDecor> Decors;
  Tessel::Array<LevelGoal> Goals;           // in file order, known types only

  Tessel::String ScriptPath;  // beside the level file, ".script.xml"
  bool HasScript = false;     // the script file exists

  const LevelBuilding* FindOffice() const;
  int GetStartingBankAccount(int startingBankAccount) const {
    return HasInitialBankAccount ? InitialBankAccount : startingBankAccount;
  }
  int GetStartingVans(const LevelProgressionRecord& record) const;

  // Reads and checks a level file; decorations are looked up in props, the
  // buildings' "title" keys in texts. Unknown decor names and goal types are
  // logged and left out; everything else that is wrong throws.
  static LevelFile Load(const Tessel::String& path, const PropCatalogue& props, const Tessel::LocalizedText& texts);
  static LevelFile Read(Tessel::XmlReader& xml, const PropCatalogue& props, const Tessel::LocalizedText& texts);
};

// Case-insensitive "Fall", "Forest", "Snow", "Spring", "Tropic"; false for
// anything else.
bool DecorSettingFromName(std::u16string_view name, DecorSetting& setting);
const char* GetDecorSettingName(int setting);

}  // namespace Corvanta
