#pragma once
// LevelProgression: the career's levels in order and the sandbox maps, from
// "./data/levels/LevelProgression.xml".
//
// A value like Balance: Load returns a complete list or throws, and the game
// installs the list it read at start as the process-wide one.

#include "game/rules/BuildingKind.h"
#include "tessel/Array.h"
#include "tessel/Strings.h"
#include "tessel/WideText.h"
#include "tessel/text/ValueParsers.h"

namespace Tessel {
class LocalizedText;
class XmlReader;
}  // namespace Tessel

namespace Corvanta {

struct LevelProgressionRecord {
  Tessel::String Name;          // base name of the level file
  int InitialBankAccount = -1;  // read and kept; the level file's own sets the money
  int Vans = 2;                 // construction vans when the level file gives none
  int ExpertDays = 20;          // won within this many pay days counts as expert
  int RewardPoints = 0;
  int RewardPointsExpertBonus = 0;
  Tessel::Array<Tessel::String> Unlock;  // kind names and features ("RoadBuilder") available from here on
  Tessel::Point MapPosition;             // of the level's marker on the career map
  Tessel::WideString DisplayName;        // text of the "mname" key
  int CustomCharacterAtEnd = -1;         // who speaks at the end (-1: the assistant)
  Tessel::WideString CustomSpeechAtEnd;  // text of the key

  // The building kinds named in Unlock, in list order.
  Tessel::Array<BuildingKind> GetUnlockedKinds() const;
};

class LevelProgression {
public:
  Tessel::Array<LevelProgressionRecord> Career;   // index = career level
  Tessel::Array<LevelProgressionRecord> Sandbox;  // index = sandbox map

  bool IsLoaded() const { return Loaded; }

  // True when identifier appears in the unlock list of a career level
  // 0..min(careerLevel, count - 1); false for a negative level.
  bool IsUnlocked(const Tessel::String& identifier, int careerLevel) const;

  // The career level or sandbox map of that name (exact), or null.
  const LevelProgressionRecord* FindCareerLevel(const Tessel::String& name) const;
  const LevelProgressionRecord* FindSandboxMap(const Tessel::String& name) const;

  // Reads the file; the texts replace the "mname" and "customSpeechAtEnd"
  // keys. Throws ContentException on a missing, malformed or cut-off file,
  // with the trace line the rules files share, "    at Balance::Load\n".
  static LevelProgression Load(const Tessel::String& path, const Tessel::LocalizedText& texts);
  static LevelProgression Read(Tessel::XmlReader& xml, const Tessel::LocalizedText& texts);

  // The list the running game uses; empty and not loaded until installed.
  static const LevelProgression& Current();
  static void Install(LevelProgression levels);
  static void Reset();

private:
  bool Loaded = false;
};

}  // namespace Corvanta
