// The content lint: every rules file and every level the game ships is
// loaded and checked for what would make it unplayable or wrong. Each level
// file in data/levels is its own test case, so a new level is checked the
// moment it is added.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "game/rules/GameRules.h"
#include "game/rules/LevelFile.h"
#include "support/CapturedLog.h"
#include "tessel/text/LocalizedText.h"

using namespace Corvanta;
using namespace Tessel;
using Testing::CapturedLog;

namespace {

const std::string DataFolder = CORVANTA_DATA_DIR;

String DataPath(const std::string& file) { return String((DataFolder + "/" + file).c_str()); }

// Every level map in data/levels: the XML files that are neither the level
// list nor a level script.
std::vector<std::string> LevelFilesInContent() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(DataFolder + "/levels")) {
    std::string file = entry.path().filename().string();
    if (!entry.is_regular_file() || !file.ends_with(".xml")) continue;
    if (file == "LevelProgression.xml" || file.ends_with(".script.xml")) continue;
    names.push_back(file.substr(0, file.size() - 4));
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Identifiers an unlock list may hold besides building kinds.
const std::set<std::string> Features = {"RoadBuilder", "GiftFountain", "GiftSquare"};

bool IsRoadConnectedKind(int kind) {
  return IsHouseKind(kind) || IsCommercialOrWorkshopKind(kind) || IsSpecialKind(kind) || kind == BDK_Office;
}

}  // namespace

TEST(Content, BalanceSettingsGiveEveryKindWithoutGaps) {
  CapturedLog log;
  Balance balance = Balance::Load(DataPath("BalanceSettings.xml"));
  EXPECT_EQ(log.Text, "") << "the balance file loads without warnings";
  for (BuildingKind kind : GetBalanceKinds()) {
    SCOPED_TRACE(GetBuildingKindName(kind));
    const BuildingBalance& b = balance.GetBuilding(kind);
    EXPECT_TRUE(b.IsInFile) << "every kind has its own element";
    if (kind != BDK_Office) {
      EXPECT_GT(b.Levels[0].Value, 0);
    }
    for (int level = 0; level <= b.NumUpgrades; ++level) {
      SCOPED_TRACE(level);
      const BuildingLevelBalance& l = b.Levels[level];
      if (IsHouseKind(kind)) {
        EXPECT_GT(l.Income, 0);
        EXPECT_GT(l.Population, 0);
        EXPECT_TRUE(l.CanBreak());
        EXPECT_LT(l.Income, l.Value) << "a house pays for itself in more than one day";
        if (level > 0) {
          EXPECT_GT(l.Value, b.Levels[level - 1].Value);
        }
        if (level > 0) {
          EXPECT_GT(l.Income, b.Levels[level - 1].Income);
        }
        if (level < b.NumUpgrades) {
          EXPECT_GT(l.UpgradeCost, 0);
        }
      }
      if (IsCommercialOrWorkshopKind(kind) || IsDecorationKind(kind)) {
        EXPECT_GT(l.Radius, 0);
      }
      if (IsCommercialKind(kind)) {
        EXPECT_GT(l.IncomePerVisitor, 0);
      }
      if (IsDecorationKind(kind)) {
        EXPECT_GT(l.Happiness, 0);
      }
    }
  }
  for (int id = 0; id < OFUP_NumUpgrades; ++id) {
    EXPECT_GT(balance.OfficeUpgrades[id].Price, 0) << GetOfficeUpgradeName(id);
    EXPECT_EQ(balance.OfficeUpgrades[id].RequiredUpgrades & (1u << id), 0u) << "no upgrade requires itself";
  }
  // Five thresholds: one per rank trophy.
  EXPECT_EQ(balance.CompanyValueRankLevels.GetSize(), 5);
  EXPECT_TRUE(std::is_sorted(balance.DefaultCareerCompanyValue.rbegin(), balance.DefaultCareerCompanyValue.rend()));
  EXPECT_TRUE(std::is_sorted(balance.DefaultSandboxDays.begin(), balance.DefaultSandboxDays.end()));
  EXPECT_TRUE(std::is_sorted(balance.DefaultSandboxMoney.rbegin(), balance.DefaultSandboxMoney.rend()));
}

TEST(Content, LevelProgressionNamesLevelsThatExist) {
  CapturedLog log;
  LevelProgression levels = LevelProgression::Load(DataPath("levels/LevelProgression.xml"), LocalizedText::Instance());
  EXPECT_EQ(log.Text, "");
  EXPECT_FALSE(levels.Career.IsEmpty());
  for (const Array<LevelProgressionRecord>* list : {&levels.Career, &levels.Sandbox}) {
    std::set<std::string> seen;
    for (const LevelProgressionRecord& record : *list) {
      SCOPED_TRACE(record.Name.CStr());
      EXPECT_FALSE(record.Name.IsEmpty());
      EXPECT_TRUE(seen.insert(record.Name.CStr()).second) << "each level once per list";
      EXPECT_TRUE(std::filesystem::is_regular_file(DataFolder + "/levels/" + record.Name.CStr() + ".xml"));
      EXPECT_FALSE(record.DisplayName.empty()) << "mname";
      EXPECT_GT(record.Vans, 0);
      EXPECT_GT(record.ExpertDays, 0);
      for (const String& id : record.Unlock) {
        bool known = HasBalanceRecord(BuildingKindFromName(id)) || Features.count(id.CStr()) > 0;
        EXPECT_TRUE(known) << "unlock names '" << id.CStr() << "'";
      }
    }
  }
}

TEST(Content, PropsHaveNamesAndImages) {
  CapturedLog log;
  PropCatalogue props = PropCatalogue::Load(DataPath("Props.xml"));
  EXPECT_EQ(log.Text, "");
  EXPECT_GT(props.GetCount(), 0);
}

TEST(Content, TheGameLoadsAllRulesFromItsDataFolder) {
  GameRules::Load(String(DataFolder.c_str()), LocalizedText::Instance()).Install();
  EXPECT_TRUE(LevelProgression::Current().IsLoaded());
  EXPECT_NE(PropCatalogue::Current().Find(String("Rock")), nullptr);
  EXPECT_EQ(Balance::Current().PayDayTime, Balance::Load(DataPath("BalanceSettings.xml")).PayDayTime);
  ResetGameRules();
  EXPECT_FALSE(LevelProgression::Current().IsLoaded());
  EXPECT_EQ(PropCatalogue::Current().GetCount(), 0);
}

class LevelLint : public ::testing::TestWithParam<std::string> {
protected:
  void SetUp() override {
    Props = PropCatalogue::Load(DataPath("Props.xml"));
    Levels = LevelProgression::Load(DataPath("levels/LevelProgression.xml"), LocalizedText::Instance());
  }
  PropCatalogue Props;
  LevelProgression Levels;
};

TEST_P(LevelLint, LoadsCleanlyAndIsPlayable) {
  const std::string name = GetParam();
  CapturedLog log;
  LevelFile level = LevelFile::Load(DataPath("levels/" + name + ".xml"), Props, LocalizedText::Instance());
  EXPECT_EQ(log.Text, "") << "no unknown decor, goal type or building without a type";

  String levelName(name.c_str());
  EXPECT_TRUE(Levels.FindCareerLevel(levelName) || Levels.FindSandboxMap(levelName)) << "listed in LevelProgression.xml";

  // The picture covers the grid.
  EXPECT_FALSE(level.BackgroundImage.IsEmpty());
  EXPECT_GE(level.BackgroundSize.X, level.SquaresOffset.X + 40 * level.Columns);
  EXPECT_GE(level.BackgroundSize.Y, level.SquaresOffset.Y + 40 * level.Rows);

  // A level is won when its visible, active goals are met: it needs one.
  bool hasGoal = std::any_of(level.Goals.begin(), level.Goals.end(),
                             [](const LevelGoal& g) { return !g.IsInvisible && !g.IsInactive; });
  EXPECT_TRUE(hasGoal);

  std::vector<int> squares(static_cast<size_t>(level.Columns * level.Rows), 0);
  auto at = [&](int x, int y) -> int& { return squares[static_cast<size_t>(x + y * level.Columns)]; };
  enum { ROAD = 1, FORBIDDEN = 2 };
  for (const Point& p : level.Roads) at(p.X, p.Y) |= ROAD;
  for (const Point& p : level.Forbidden) at(p.X, p.Y) |= FORBIDDEN;
  for (const Point& p : level.Roads) EXPECT_EQ(at(p.X, p.Y) & FORBIDDEN, 0) << "road on forbidden square " << p.X << " " << p.Y;

  for (const LevelBuilding& b : level.Buildings) {
    SCOPED_TRACE(std::string(GetBuildingKindName(b.Kind)) + " at line " + std::to_string(b.Line));
    BuildingFootprint size = GetBuildingFootprint(b.Kind);
    bool touchesRoad = false;
    for (int y = b.Square.Y; y < b.Square.Y + size.Height; ++y)
      for (int x = b.Square.X; x < b.Square.X + size.Width; ++x)
        EXPECT_EQ(at(x, y), 0) << "a building stands on a road or forbidden square " << x << " " << y;
    for (int x = b.Square.X; x < b.Square.X + size.Width; ++x) {
      if (b.Square.Y > 0 && (at(x, b.Square.Y - 1) & ROAD)) touchesRoad = true;
      if (b.Square.Y + size.Height < level.Rows && (at(x, b.Square.Y + size.Height) & ROAD)) touchesRoad = true;
    }
    for (int y = b.Square.Y; y < b.Square.Y + size.Height; ++y) {
      if (b.Square.X > 0 && (at(b.Square.X - 1, y) & ROAD)) touchesRoad = true;
      if (b.Square.X + size.Width < level.Columns && (at(b.Square.X + size.Width, y) & ROAD)) touchesRoad = true;
    }
    if (IsRoadConnectedKind(b.Kind)) {
      EXPECT_TRUE(touchesRoad) << "vans reach it along a road";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryShippedLevel, LevelLint, ::testing::ValuesIn(LevelFilesInContent()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });
