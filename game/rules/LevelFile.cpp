#include "game/rules/LevelFile.h"

#include <cstdint>
#include <vector>

#include "game/rules/ContentException.h"
#include "game/rules/ContentReading.h"
#include "game/rules/LevelPaths.h"
#include "game/rules/LevelProgression.h"
#include "game/rules/NameCompare.h"
#include "game/rules/TokenList.h"
#include "tessel/Format.h"
#include "tessel/Log.h"
#include "tessel/text/LocalizedText.h"
#include "tessel/xml/XmlReader.h"

namespace Corvanta {

using namespace Tessel;

namespace {

constexpr const char* DecorSettingNames[] = {"Fall", "Forest", "Snow", "Spring", "Tropic"};
constexpr int MaxMoney = 999999999;  // the bank account never holds more, nor less than 0

// Reads one file into a LevelFile, keeping the grid's occupancy so that
// buildings can be checked as they are placed, in file order, like the map
// places them.
class LevelReader {
public:
  LevelReader(XmlReader& xml, LevelFile& level, const PropCatalogue& props, const LocalizedText& texts)
      : Xml(xml), Level(level), Props(props), Texts(texts) {}

  void Read();

private:
  [[noreturn]] void Fail(int line, const String& message) const { ThrowContentError(Level.Path, line, message); }
  void ReadRoot();
  void ReadElement();
  void ReadSquareList(Array<Point>& squares, const char* what);
  void ReadBuilding();
  void ReadDecor();
  void ReadGoals();
  void Place(const LevelBuilding& building);
  void CheckLevel() const;

  XmlReader& Xml;
  LevelFile& Level;
  const PropCatalogue& Props;
  const LocalizedText& Texts;
  std::vector<int> Occupant;  // per square: index of the building on it, or -1
};

void LevelReader::Read() {
  MoveToRoot(Xml);
  if (!NameEquals(Xml.Name, "Map")) Fail(0, "Missing root element 'Map'.");
  ReadRoot();
  Xml.Read();
  VisitElementsToEnd(Xml, [&](XmlReader&) { ReadElement(); });
  CheckLevel();
}

void LevelReader::ReadRoot() {
  int line = Xml.GetLineNumber();
  bool hasPlayground = false;
  for (const XmlAttribute& a : Xml.Attributes) {
    const WideString& v = a.Value;
    if (EqualsNoCase(a.Name, "size")) {
      ScanIntsInto(v, {&Level.Columns, &Level.Rows});
    } else if (EqualsNoCase(a.Name, "backgroundSize")) {
      ScanIntsInto(v, {&Level.BackgroundSize.X, &Level.BackgroundSize.Y});
    } else if (EqualsNoCase(a.Name, "backgroundImage")) {
      Level.BackgroundImage = ToNarrow(v);
    } else if (EqualsNoCase(a.Name, "squaresOffset")) {
      ScanIntsInto(v, {&Level.SquaresOffset.X, &Level.SquaresOffset.Y});
    } else if (EqualsNoCase(a.Name, "playground")) {
      Rect& p = Level.Playground;
      ScanIntsInto(v, {&p.X, &p.Y, &p.Width, &p.Height});
      hasPlayground = true;
    } else if (EqualsNoCase(a.Name, "initialBankAccount")) {
      Level.InitialBankAccount = ParseIntValue(Xml, v, "initialBankAccount");
      Level.HasInitialBankAccount = true;
    } else if (EqualsNoCase(a.Name, "initialVans")) {
      Level.InitialVans = ParseIntValue(Xml, v, "initialVans");
    } else if (EqualsNoCase(a.Name, "decorSetting")) {
      DecorSettingFromName(v, Level.Decor);  // another name keeps the setting
    }
  }
  if (Level.Columns < 1 || Level.Rows < 1 || Level.Columns > LevelFile::MaxGridSize ||
      Level.Rows > LevelFile::MaxGridSize) {
    Fail(line, Format("Map: size %i x %i: columns and rows must be 1..%i.", Level.Columns, Level.Rows,
                      LevelFile::MaxGridSize));
  }
  // Without a playground the player may build anywhere on the grid.
  if (!hasPlayground) Level.Playground = {0, 0, Level.Columns, Level.Rows};
  const Rect& p = Level.Playground;
  if (p.X < 0 || p.Y < 0 || p.Width < 1 || p.Height < 1 || p.X > Level.Columns - p.Width ||
      p.Y > Level.Rows - p.Height) {
    Fail(line, Format("Map: the playground %i %i %i %i is not an area inside the %i x %i grid.", p.X, p.Y, p.Width,
                      p.Height, Level.Columns, Level.Rows));
  }
  if (Level.HasInitialBankAccount && (Level.InitialBankAccount < 0 || Level.InitialBankAccount > MaxMoney))
    Fail(line, Format("Map: initialBankAccount %i is not an amount of 0..%i.", Level.InitialBankAccount, MaxMoney));
  if (Level.BackgroundSize.X < 0 || Level.BackgroundSize.Y < 0)
    Fail(line, Format("Map: backgroundSize %i x %i is negative.", Level.BackgroundSize.X, Level.BackgroundSize.Y));
  Occupant.assign(static_cast<size_t>(Level.Columns) * static_cast<size_t>(Level.Rows), -1);
}

void LevelReader::ReadElement() {
  const WideString& name = Xml.Name;
  if (EqualsNoCase(name, "Building")) {
    ReadBuilding();
  } else if (EqualsNoCase(name, "Decor")) {
    ReadDecor();
  } else if (EqualsNoCase(name, "Roads")) {
    ReadSquareList(Level.Roads, "Roads");
  } else if (EqualsNoCase(name, "Forbidden")) {
    ReadSquareList(Level.Forbidden, "Forbidden");
  } else if (EqualsNoCase(name, "Premium")) {
    ReadSquareList(Level.Premium, "Premium");
  } else if (EqualsNoCase(name, "Goals")) {
    ReadGoals();
  } else {
    Xml.Skip();
  }
}

// The count N, then N pairs of column and row.
void LevelReader::ReadSquareList(Array<Point>& squares, const char* what) {
  int line = Xml.GetLineNumber();
  WideString text = ReadElementContent(Xml);
  Array<WideString> tokens = SplitList(text, u" \n\r\t", TOKENS_DropEmpty);
  if (tokens.IsEmpty()) return;
  Array<int> ints;
  for (const WideString& token : tokens) ints.Add(ParseIntValue(Xml, token, what));
  int64_t expected = 2 * static_cast<int64_t>(ints[0]) + 1;
  if (ints[0] < 0 || expected != ints.GetSize()) {
    Fail(line, Format("%s: the list starts with the count %i, so it must hold %I64i numbers in all, not %i.", what,
                      ints[0], expected, ints.GetSize()));
  }
  for (int i = 1; i + 1 < ints.GetSize(); i += 2) {
    Point square{ints[i], ints[i + 1]};
    if (square.X < 0 || square.Y < 0 || square.X >= Level.Columns || square.Y >= Level.Rows) {
      Fail(line, Format("%s: square %i %i is outside the %i x %i grid.", what, square.X, square.Y, Level.Columns,
                        Level.Rows));
    }
    squares.Add(square);
  }
}

void LevelReader::ReadBuilding() {
  int line = Xml.GetLineNumber();
  const WideString* type = FindAttributeNoCase(Xml, "type");
  if (!type) {
    PrintLog("warning: '%s'(%i): a Building without a type is ignored.\n", Level.Path, line);
    Xml.Skip();
    return;
  }
  LevelBuilding building;
  building.Line = line;
  building.Kind = BuildingKindFromName(std::u16string_view(*type));
  if (building.Kind == BDK_TutorialMarker) {
    Xml.Skip();
    return;
  }
  if (!HasBalanceRecord(building.Kind)) Fail(line, Format("Building: '%s' is no building kind.", ToNarrow(*type)));
  for (const XmlAttribute& a : Xml.Attributes) {
    const WideString& v = a.Value;
    if (EqualsNoCase(a.Name, "id")) {
      building.Id = ToNarrow(v);
    } else if (EqualsNoCase(a.Name, "square")) {
      ScanIntsInto(v, {&building.Square.X, &building.Square.Y});
    } else if (NameEquals(a.Name, "title")) {
      building.CustomTitle = Texts.GetText(v);
    } else if (EqualsNoCase(a.Name, "isRival")) {
      building.IsRival = ParseBool(v);
    } else if (EqualsNoCase(a.Name, "isUnmarketable")) {
      building.IsUnmarketable = ParseBool(v);
    } else if (EqualsNoCase(a.Name, "isUndemolishable")) {
      building.IsUndemolishable = ParseBool(v);
    } else if (EqualsNoCase(a.Name, "isConstructionRequired")) {
      building.IsConstructionRequired = ParseBool(v);
    } else if (EqualsNoCase(a.Name, "isBroken")) {
      building.IsBroken = ParseBool(v);
    } else if (EqualsNoCase(a.Name, "upgrade")) {
      building.Upgrade = ParseIntValue(Xml, v, "upgrade");
    } else if (EqualsNoCase(a.Name, "salePriority")) {
      building.SalePriority = ParseIntValue(Xml, v, "salePriority");
      if (building.SalePriority < 0) building.SalePriority = 0;
    }
  }
  const char* kindName = GetBuildingKindName(building.Kind);
  int numUpgrades = GetNumUpgrades(building.Kind);
  if (building.Upgrade < 0 || building.Upgrade > numUpgrades)
    Fail(line, Format("Building %s: upgrade %i is out of range 0..%i.", kindName, building.Upgrade, numUpgrades));
  if (building.Kind == BDK_Office && building.IsConstructionRequired)
    Fail(line, "Building Office: the office stands from the start; it cannot require construction.");
  Place(building);
  Level.Buildings.Add(building);
  Xml.Skip();
}

void LevelReader::Place(const LevelBuilding& building) {
  BuildingFootprint size = GetBuildingFootprint(building.Kind);
  const char* kindName = GetBuildingKindName(building.Kind);
  const Point& at = building.Square;
  if (at.X < 0 || at.Y < 0 || at.X > Level.Columns - size.Width || at.Y > Level.Rows - size.Height) {
    Fail(building.Line, Format("Building %s at %i %i: its %i x %i squares do not fit in the %i x %i grid.", kindName,
                               at.X, at.Y, size.Width, size.Height, Level.Columns, Level.Rows));
  }
  int index = Level.Buildings.GetSize();
  for (int y = at.Y; y < at.Y + size.Height; ++y) {
    for (int x = at.X; x < at.X + size.Width; ++x) {
      int& occupant = Occupant[static_cast<size_t>(x) + static_cast<size_t>(y) * static_cast<size_t>(Level.Columns)];
      if (occupant >= 0) {
        const LevelBuilding& other = Level.Buildings[occupant];
        Fail(building.Line, Format("Building %s at %i %i overlaps the %s at %i %i (line %i) on square %i %i.", kindName,
                                   at.X, at.Y, GetBuildingKindName(other.Kind), other.Square.X, other.Square.Y,
                                   other.Line, x, y));
      }
      occupant = index;
    }
  }
}

void LevelReader::ReadDecor() {
  int line = Xml.GetLineNumber();
  String name;
  if (const WideString* v = FindAttributeNoCase(Xml, "name")) name = ToNarrow(*v);
  const DecorProp* prop = Props.Find(name);
  if (!prop) {
    PrintLog("warning: '%s': Referenced decor '%s' not found.\n", Level.Path, name);
  } else {
    LevelDecor decor;
    decor.Prop = *prop;
    decor.Line = line;
    if (const WideString* v = FindAttributeNoCase(Xml, "position")) ScanIntsInto(*v, {&decor.Position.X, &decor.Position.Y});
    Level.Decors.Add(decor);
  }
  Xml.Skip();
}

void LevelReader::ReadGoals() {
  VisitChildren(Xml, [&](XmlReader& child) {
    if (EqualsNoCase(child.Name, "Goal")) {
      const WideString* type = FindAttributeNoCase(child, "type");
      GoalKind kind = type ? GoalKindFromName(*type) : GOAL_Unknown;
      if (kind == GOAL_Unknown) {
        PrintLog("warning: '%s'(%i): a Goal of type '%s' is no goal; it is ignored.\n", Level.Path,
                 child.GetLineNumber(), type ? ToNarrow(*type) : String());
      } else {
        LevelGoal goal;
        goal.Type = kind;
        goal.ReadAttributes(child);
        // A number ("building") is checked like a name: the goals index the
        // kinds' balance records by it.
        if (goal.Kind != BDK_Any && !HasBalanceRecord(goal.Kind))
          Fail(goal.Line, Format("Goal %s: its kind names no building kind.", GetGoalKindName(kind)));
        Level.Goals.Add(goal);
      }
    }
    child.Skip();
  });
}

void LevelReader::CheckLevel() const {
  if (!Level.FindOffice()) Fail(0, "Map: the level has no Office building.");
}

}  // namespace

bool DecorSettingFromName(std::u16string_view name, DecorSetting& setting) {
  for (int i = 0; i < 5; ++i) {
    if (EqualsNoCase(name, DecorSettingNames[i])) {
      setting = static_cast<DecorSetting>(i);
      return true;
    }
  }
  return false;
}

const char* GetDecorSettingName(int setting) {
  return setting >= 0 && setting < 5 ? DecorSettingNames[setting] : nullptr;
}

const LevelBuilding* LevelFile::FindOffice() const {
  for (const LevelBuilding& building : Buildings)
    if (building.Kind == BDK_Office) return &building;
  return nullptr;
}

int LevelFile::GetStartingVans(const LevelProgressionRecord& record) const {
  return InitialVans > 0 ? InitialVans : record.Vans;
}

LevelFile LevelFile::Read(XmlReader& xml, const PropCatalogue& props, const LocalizedText& texts) {
  LevelFile level;
  level.Path = ToContentPath(xml.GetPath());
  level.LevelName = GetLevelNameFromPath(level.Path);
  level.ScriptPath = GetLevelScriptPath(level.Path);
  LevelReader(xml, level, props, texts).Read();
  level.HasScript = ContentFileExists(level.ScriptPath);
  return level;
}

LevelFile LevelFile::Load(const String& path, const PropCatalogue& props, const LocalizedText& texts) {
  XmlReader xml(ToContentPath(path));
  return Read(xml, props, texts);
}

}  // namespace Corvanta
