// A level's goals made from its file: every kind, their flags, what a level
// file may not ask for, the script's switches, and a shipped level played
// headless from its own goals until it is won.

#include <iterator>
#include <set>

#include "game/rules/LevelProgression.h"
#include "game/script/LevelGoals.h"
#include "game/script/OwnBuildingGoal.h"
#include "game/town/SavedGameFile.h"
#include "rules/RulesTestSupport.h"
#include "script/GoalTestSupport.h"
#include "support/CapturedLog.h"
#include "support/TempFolder.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class LevelGoals : public GoalTest {};

TEST_F(LevelGoals, EveryKindOfTheFileBecomesItsGoalInFileOrder) {
  std::vector<MapGoal*> goals = AddGoals(
      "<Goal type='ownbuilding'/><Goal type='RepairBuilding'/><Goal type='DemolishBuilding'/>"
      "<Goal type='BankAccount'/><Goal type='Income'/><Goal type='Population'/><Goal type='Happiness'/>"
      "<Goal type='NoRivals'/><Goal type='ConstructionVans'/><Goal type='UseSpecialAbility'/>");
  ASSERT_EQ(goals.size(), 10u);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(goals[static_cast<size_t>(i)]->KindId, i + 1);
  EXPECT_EQ(map->Goals.GetSize(), 10);
}

TEST_F(LevelGoals, TheFlagsAndNamesComeFromTheFile) {
  MapGoal* goal =
      AddGoals("<Goal type='Income' expert='TRUE' inactive='true' invisible='true' id='pay' text='Earn'/>")[0];
  EXPECT_TRUE(goal->IsExpert);
  EXPECT_TRUE(goal->IsInactive);
  EXPECT_TRUE(goal->IsInvisible);
  EXPECT_EQ(goal->Id, "pay");
  EXPECT_EQ(TextOf(*goal), "Earn");
  EXPECT_FALSE(goal->IsMet);
  EXPECT_EQ(goal->CheckedAnimationTime, 999);
  MapGoal* plain = AddGoals("<Goal type='Income' expert='yes' inactive='1'/>")[0];
  EXPECT_FALSE(plain->IsExpert);
  EXPECT_FALSE(plain->IsInactive);
  EXPECT_FALSE(plain->IsInvisible);
}

TEST_F(LevelGoals, AnUnknownTypeInTheFileIsLeftOutWithAWarning) {
  CapturedLog log;
  std::vector<MapGoal*> goals = AddGoals("<Goal type='Teleport'/><Goal type='NoRivals'/>");
  ASSERT_EQ(goals.size(), 1u);
  EXPECT_EQ(goals[0]->KindId, GOAL_NoRivals);
  EXPECT_NE(log.Text.find("a Goal of type 'Teleport' is no goal"), std::string::npos) << log.Text;
}

TEST_F(LevelGoals, ARecordOfNoKindOrNamingNoBuildingIsAContentError) {
  LevelFile level = ReadLevel("<Goal type='NoRivals'/>");
  level.Goals[0].Type = GOAL_Unknown;
  level.Goals[0].Line = 7;
  EXPECT_EQ(ContentErrorOf([&] { CreateLevelGoals(*map, level); }), "'levels/Goals.xml'(7): Goal: no goal kind 0.");
  level.Goals[0].Type = static_cast<GoalKind>(42);
  EXPECT_EQ(ContentErrorOf([&] { CreateLevelGoals(*map, level); }), "'levels/Goals.xml'(7): Goal: no goal kind 42.");
  level.Goals[0].Type = GOAL_RepairBuilding;
  level.Goals[0].Kind = 9;
  EXPECT_EQ(ContentErrorOf([&] { CreateLevelGoals(*map, level); }),
            "'levels/Goals.xml'(7): Goal RepairBuilding: its kind names no building kind.");
  EXPECT_TRUE(map->Goals.IsEmpty());
}

TEST_F(LevelGoals, AnUnknownKindIdIsAnArgumentError) {
  for (int kind : {0, 11, -3}) {
    try {
      MapGoal::CreateFromKind(kind, map.get());
      ADD_FAILURE() << kind;
    } catch (const Tessel::ArgumentException& e) {
      EXPECT_STREQ(e.Message.CStr(), "Unknown goal kind.");
      EXPECT_STREQ(e.Trace.CStr(), "    at MapGoal::CreateFromKind\n");
    }
  }
  std::unique_ptr<MapGoal> goal(MapGoal::CreateFromKind(GOAL_OwnBuilding, map.get()));
  EXPECT_NE(dynamic_cast<OwnBuildingGoal*>(goal.get()), nullptr);
}

TEST_F(LevelGoals, TheScriptSwitchesGoalsByTheirId) {
  std::vector<MapGoal*> goals = AddGoals(
      "<Goal type='NoRivals' id='rivals' inactive='true'/>"
      "<Goal type='BankAccount' count='999999' id='Money'/>");
  EXPECT_EQ(FindGoal(*map, "RIVALS"), goals[0]);
  EXPECT_EQ(FindGoal(*map, "money"), goals[1]);
  EXPECT_EQ(FindGoal(*map, "nobody"), nullptr);
  EXPECT_EQ(FindGoal(*map, ""), nullptr);
  map->Update(0.1f);
  EXPECT_FALSE(goals[0]->IsMet);  // inactive: not evaluated
  FindGoal(*map, "rivals")->SetActive(true);
  FindGoal(*map, "money")->SetVisible(false);
  EXPECT_FALSE(goals[0]->IsInactive);
  EXPECT_TRUE(goals[1]->IsInvisible);
  map->Update(0.1f);
  EXPECT_TRUE(goals[0]->IsMet);
  map->Update(0.1f);
  // The hidden money goal holds nothing back.
  EXPECT_TRUE(map->IsWon);
}

TEST_F(LevelGoals, ALevelWhoseOnlyGoalIsInvisibleIsWonOnTheFirstUpdate) {
  AddGoals("<Goal type='BankAccount' count='999999999' invisible='true'/>");
  map->Update(0.1f);
  EXPECT_TRUE(map->IsWon);
  EXPECT_TRUE(GoalSounds().empty());
}

TEST_F(LevelGoals, ExpertGoalsCountForTheVictoryLikeAnyOther) {
  AddGoals("<Goal type='NoRivals' expert='true'/>");
  PlaceHouse(4, 4)->SetRival(true);
  Run(1);
  EXPECT_FALSE(map->IsWon);
}

// ---- a shipped level, played through

class LevelPlay : public GoalTest {
protected:
  void SetUp() override { EconomyTest::SetUp(); }
  // Orders the kind through the construct tool at the anchor; false when the
  // tool refuses the place.
  bool OrderAt(BuildingKind kind, int x, int y) {
    map->StartConstruction(CreateBuilding(kind), false);
    Building* preview = map->GetConstructBuilding();
    float px = static_cast<float>(map->SquaresOffset.X + 40 * x + 20 * preview->Width);
    float py = static_cast<float>(map->SquaresOffset.Y + 40 * y + 20 * preview->Height);
    map->OnMouseMove(px, py);
    bool valid = map->IsToolTargetValid();
    if (valid) map->OnMouseDown(px, py, 1);
    map->OnMouseUp(px, py, 1);
    map->SetTool(MAPTOOL_None);
    return valid;
  }
};

TEST_F(LevelPlay, EveryShippedLevelsGoalsShowATextMetOrNot) {
  Tessel::LocalizedText& texts = Tessel::LocalizedText::Instance();
  LevelProgression progression = LevelProgression::Load(CORVANTA_DATA_DIR "/levels/LevelProgression.xml", texts);
  std::set<std::string> names;
  for (const auto* list : {&progression.Career, &progression.Sandbox})
    for (const LevelProgressionRecord& record : *list) names.insert(record.Name.CStr());
  ASSERT_FALSE(names.empty());
  for (const std::string& name : names) {
    map = std::make_unique<Map>();
    LevelFile level =
        LevelFile::Load(Tessel::String((CORVANTA_DATA_DIR "/levels/" + name + ".xml").c_str()), *Props, texts);
    map->LoadLevel(level);
    CreateLevelGoals(*map, level);
    ASSERT_EQ(map->Goals.GetSize(), level.Goals.GetSize()) << name;
    for (MapGoal* goal : map->Goals) {
      if (goal->IsInvisible) continue;
      for (bool met : {false, true}) {
        goal->IsMet = met;
        std::string text = TextOf(*goal);
        EXPECT_FALSE(text.empty() || text.front() == ' ') << name << " goal " << goal->KindId << " met " << met;
        EXPECT_EQ(text.find("GoalText."), std::string::npos) << text;
        EXPECT_EQ(text.find("Hud.Info."), std::string::npos) << text;
      }
    }
  }
}

TEST_F(LevelPlay, MeadowbrookIsWonFromItsOwnGoals) {
  Tessel::LocalizedText& texts = Tessel::LocalizedText::Instance();
  LevelFile level = LevelFile::Load(CORVANTA_DATA_DIR "/levels/Meadowbrook.xml", *Props, texts);
  LevelProgression progression = LevelProgression::Load(CORVANTA_DATA_DIR "/levels/LevelProgression.xml", texts);
  // The level start: the map from its file, its goals, the office's vans.
  map->LoadLevel(level);
  CreateLevelGoals(*map, level);
  ASSERT_NE(map->TheOffice, nullptr);
  const LevelProgressionRecord* record = progression.FindCareerLevel("Meadowbrook");
  ASSERT_NE(record, nullptr);
  map->TheOffice->AddVans(level.GetStartingVans(*record));
  map->BuildingsCanGetBroken = false;
  map->Start();
  ASSERT_EQ(map->Goals.GetSize(), 4);
  std::vector<std::string> texts0;
  for (MapGoal* goal : map->Goals) texts0.push_back(TextOf(*goal));
  EXPECT_EQ(texts0, (std::vector<std::string>{"Bungalow x 3.", "Reach 20 residents", "Have $40,000 in the bank",
                                              "No rival buildings left in town (1 left)"}));

  Building* neighbour = nullptr;
  for (Building* building : map->Buildings)
    if (building->Id == "neighbour") neighbour = building;
  ASSERT_NE(neighbour, nullptr);
  // Four bungalows beside the main road: with the neighbour's, twenty people.
  const Tessel::Point sites[] = {{5, 5}, {8, 5}, {1, 9}, {5, 9}};
  size_t ordered = 0;
  int frames = 0;
  for (; frames < 60 * 900 && !map->IsWon; ++frames) {
    if (neighbour->CanBuy()) neighbour->Buy();
    if (frames > 120 && ordered < std::size(sites) && map->BankAccount >= 5000 && !neighbour->IsRival) {
      ASSERT_TRUE(OrderAt(BDK_Bungalow, sites[ordered].X, sites[ordered].Y)) << ordered;
      ++ordered;
    }
    map->Update(1.0f / 60);
  }
  ASSERT_TRUE(map->IsWon) << "after " << frames / 60 << " s";
  EXPECT_TRUE(presenter.Has("victory"));
  for (MapGoal* goal : map->Goals) EXPECT_TRUE(goal->IsMet) << TextOf(*goal);
  EXPECT_GE(map->WinBankAccount, 40000);
  EXPECT_EQ(map->Population, 20);
  // The bungalows the player built carry the goal's mark; the neighbour's
  // name from the level stays.
  int marked = 0;
  for (Building* building : map->Buildings)
    if (building->Id == "bungalows") ++marked;
  EXPECT_EQ(marked, 4);
  EXPECT_EQ(neighbour->Id, "neighbour");
  EXPECT_FALSE(presenter.Only("sound sounds/goalChecked").empty());
}

// The level left half way and continued from its saved game: the goals
// come back with their state, the town runs on and the level is won.
TEST_F(LevelPlay, MeadowbrookContinuedFromItsSavedGameIsWon) {
  Tessel::LocalizedText& texts = Tessel::LocalizedText::Instance();
  LevelFile level = LevelFile::Load(CORVANTA_DATA_DIR "/levels/Meadowbrook.xml", *Props, texts);
  LevelProgression progression = LevelProgression::Load(CORVANTA_DATA_DIR "/levels/LevelProgression.xml", texts);
  PropCatalogue::Install(*Props);
  map->LoadLevel(level);
  CreateLevelGoals(*map, level);
  map->TheOffice->AddVans(level.GetStartingVans(*progression.FindCareerLevel("Meadowbrook")));
  map->BuildingsCanGetBroken = false;
  map->Start();
  int decorations = map->Decors.GetSize();

  auto findNeighbour = [this] {
    for (Building* building : map->Buildings)
      if (building->Id == "neighbour") return building;
    return static_cast<Building*>(nullptr);
  };
  const Tessel::Point sites[] = {{5, 5}, {8, 5}, {1, 9}, {5, 9}};
  size_t ordered = 0;
  bool continued = false;
  Testing::TempFolder folder;
  Tessel::String path = (folder.Path() + "/career.sav").c_str();
  for (int frames = 0; frames < 60 * 900 && !map->IsWon; ++frames) {
    Building* neighbour = findNeighbour();
    ASSERT_NE(neighbour, nullptr);
    if (!continued && ordered == 2) {
      // Left and continued: a new map from the file, as the game does it.
      std::vector<std::string> before;
      for (MapGoal* goal : map->Goals) before.push_back(TextOf(*goal) + (goal->IsMet ? " met" : ""));
      int money = map->BankAccount, day = map->Day, buildings = map->Buildings.GetSize();
      ASSERT_TRUE(WriteSavedGameFile(*map, path));
      map = std::make_unique<Map>();
      map->Presenter = &presenter;
      ReadSavedGameFile(*map, path);
      continued = true;
      std::vector<std::string> after;
      for (MapGoal* goal : map->Goals) after.push_back(TextOf(*goal) + (goal->IsMet ? " met" : ""));
      EXPECT_EQ(after, before);
      EXPECT_EQ(map->BankAccount, money);
      EXPECT_EQ(map->Day, day);
      EXPECT_EQ(map->Buildings.GetSize(), buildings);
      EXPECT_EQ(map->Decors.GetSize(), decorations);
      EXPECT_TRUE(map->Scripts.IsEmpty()) << "a continued level runs without its scripts";
      continue;
    }
    if (neighbour->CanBuy()) neighbour->Buy();
    if (frames > 120 && ordered < std::size(sites) && map->BankAccount >= 5000 && !neighbour->IsRival) {
      ASSERT_TRUE(OrderAt(BDK_Bungalow, sites[ordered].X, sites[ordered].Y)) << ordered;
      ++ordered;
    }
    map->Update(1.0f / 60);
  }
  PropCatalogue::Reset();
  ASSERT_TRUE(continued);
  ASSERT_TRUE(map->IsWon);
  for (MapGoal* goal : map->Goals) EXPECT_TRUE(goal->IsMet) << TextOf(*goal);
  EXPECT_EQ(map->Population, 20);
}

}  // namespace
