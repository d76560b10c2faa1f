// The start of a level: what it takes from the profile and the level list,
// the start delay, the introduction of newly available kinds, the
// pedestrians that the population calls for.

#include "game/rules/LevelProgression.h"
#include "tessel/Format.h"
#include "tessel/text/LocalizedText.h"
#include "town/EconomyTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class LevelStart : public EconomyTest {
protected:
  void SetUp() override {
    EconomyTest::SetUp();
    Build({
        "................................",
        "................................",
        "................................",
        "################################",
        "................................",
        "................................",
        "................................",
        "................................",
    });
    PlaceVanOffice(0, 1, 2);
    map->BuildingsCanGetBroken = false;
    map->LevelName = "Riverside";
    LevelProgression levels;
    for (int i = 0; i < 3; ++i) {
      LevelProgressionRecord record;
      record.Name = Tessel::Format("Career%i", i);
      record.ExpertDays = 10 + i;
      levels.Career.Add(record);
    }
    levels.Career[0].Unlock.Add(Tessel::String("Bungalow"));
    levels.Career[1].Unlock.Add(Tessel::String("Shop"));
    levels.Career[1].Unlock.Add(Tessel::String("RoadBuilder"));
    levels.Career[1].Unlock.Add(Tessel::String("Cinema"));
    LevelProgressionRecord sandbox;
    sandbox.Name = "Riverside";
    sandbox.ExpertDays = 33;
    levels.Sandbox.Add(sandbox);
    LevelProgression::Install(levels);
  }
  void TearDown() override {
    LevelProgression::Reset();
    EconomyTest::TearDown();
  }
  void PlayCareer(int level, int furthest) {
    map->StartSettings.IsPlayingCareer = true;
    map->StartSettings.CareerLevel = level;
    map->StartSettings.FurthestCareerLevel = furthest;
  }
};

TEST_F(LevelStart, ExpertDaysComeFromTheLevelListWithOneMoreForTheClockTower) {
  struct Case {
    bool Career;
    int Level;
    const char* Name;
    bool ClockTower;
    int ExpertDays;
  };
  const Case cases[] = {
      {false, -1, "Riverside", false, 33}, {false, -1, "Riverside", true, 34}, {true, 2, "Career2", false, 12},
      {true, 0, "Career0", true, 11},      {false, -1, "Unlisted", false, 20},  // the default of a record
      {true, 7, "Career7", false, 20},
  };
  for (const Case& c : cases) {
    map = std::make_unique<Map>();
    map->LevelName = c.Name;
    map->StartSettings.IsPlayingCareer = c.Career;
    map->StartSettings.CareerLevel = c.Level;
    map->StartSettings.OfficeUpgrades = c.ClockTower ? 1u << OFUP_ClockTower : 0;
    map->Start();
    EXPECT_EQ(map->ExpertDays, c.ExpertDays) << c.Name;
    EXPECT_EQ(map->OfficeUpgrades, map->StartSettings.OfficeUpgrades) << c.Name;
  }
}

TEST_F(LevelStart, TheTotalsAndTheIncomeShownAreThoseOfTheStart) {
  PlaceHouse(4, 4);
  map->TotalIncome = 0;
  map->Start();
  EXPECT_EQ(map->TotalIncome, 750);
  EXPECT_EQ(map->LastPayDayIncome, 750);
  EXPECT_TRUE(map->HasIncomeBuilding);
  EXPECT_TRUE(presenter.Has("level started"));
}

TEST_F(LevelStart, TheAwaitingWorkersTextIsSplitIntoItsLines) {
  Tessel::LocalizedText& texts = Tessel::LocalizedText::Instance();
  texts.Load(CORVANTA_DATA_DIR "/Text.csv", "English");
  map->Start();
  texts.Clear();
  ASSERT_EQ(map->AwaitingWorkersLines.GetSize(), 2);
  EXPECT_EQ(map->AwaitingWorkersLines[0], u"Waiting");
  EXPECT_EQ(map->AwaitingWorkersLines[1], u"for vans");
}

TEST_F(LevelStart, OnlyTheRivalsHousesGiveNoPayDays) {
  auto* rival = new House(BDK_Bungalow);
  rival->IsRival = true;
  map->PlaceBuilding(rival, 4, 4, false);
  map->Start();
  EXPECT_FALSE(map->HasIncomeBuilding);
}

TEST_F(LevelStart, TheScriptsStartOneSecondLater) {
  CountingScript* script = AddScript();
  map->Start();
  EXPECT_TRUE(map->AreScriptsPaused());
  EXPECT_FALSE(map->IsGamePaused());
  Run(0.75f, 0.25f);
  EXPECT_EQ(script->Seconds, 0);
  EXPECT_FALSE(presenter.Has("start delay ended"));
  // The frame that ends the delay runs the scripts already.
  Run(0.25f, 0.25f);
  EXPECT_FALSE(map->StartDelayActive);
  EXPECT_FALSE(map->AreScriptsPaused());
  EXPECT_TRUE(presenter.Has("start delay ended"));
  EXPECT_EQ(script->Seconds, 0.25f);
}

TEST_F(LevelStart, TheFurthestCareerLevelIntroducesItsKindsOneAfterAnother) {
  PlayCareer(1, 1);
  map->Start();
  map->SetTool(MAPTOOL_Road);
  Run(1.1f);
  EXPECT_EQ(presenter.Only("introduce "), std::vector<std::string>{"Shop"});
  EXPECT_EQ(map->GetTool(), MAPTOOL_None);
  EXPECT_TRUE(map->IsGamePaused());
  EXPECT_TRUE(map->AreScriptsPaused());
  map->ShowNextUnlockedKind();
  EXPECT_EQ(presenter.Only("introduce "), (std::vector<std::string>{"Shop", "Cinema"}));
  EXPECT_TRUE(map->IsGamePaused());
  map->ShowNextUnlockedKind();
  EXPECT_FALSE(map->IsGamePaused());
  EXPECT_FALSE(map->AreScriptsPaused());
  // A dialog that closes twice changes nothing.
  map->ShowNextUnlockedKind();
  EXPECT_FALSE(map->IsGamePaused());
}

TEST_F(LevelStart, ALevelPlayedAgainIntroducesNothing) {
  PlayCareer(1, 2);
  map->Start();
  Run(1.1f);
  EXPECT_TRUE(presenter.Only("introduce ").empty());
  EXPECT_FALSE(map->IsGamePaused());
}

TEST_F(LevelStart, IntroductionsThatDoNotShowHoldNothing) {
  presenter.ShowsIntroductions = false;
  PlayCareer(1, 1);
  map->Start();
  Run(1.1f);
  EXPECT_EQ(presenter.Only("introduce "), (std::vector<std::string>{"Shop", "Cinema"}));
  EXPECT_FALSE(map->IsGamePaused());
  EXPECT_FALSE(map->AreScriptsPaused());
}

TEST_F(LevelStart, TheRoadBuilderIsLockedUntilACareerLevelUnlocksIt) {
  struct Case {
    bool Career;
    int Level;
    bool Locked;
  };
  const Case cases[] = {{true, 0, true}, {true, 1, false}, {true, 2, false}, {false, -1, false}};
  for (const Case& c : cases) {
    map = std::make_unique<Map>();
    map->StartSettings.IsPlayingCareer = c.Career;
    map->StartSettings.CareerLevel = c.Level;
    map->Start();
    EXPECT_EQ(map->RoadBuilderLocked, c.Locked) << c.Level;
  }
}

// ---- pedestrians

TEST(Pedestrians, TheTargetGrowsWithThePopulationTowardsEighteen) {
  struct Case {
    int Population, Target;
  };
  const Case cases[] = {{0, 0}, {20, 10}, {40, 14}, {100, 17}, {100000, 18}, {-20, 0}};
  for (const Case& c : cases) EXPECT_EQ(Map::GetPedestrianTarget(c.Population), c.Target) << c.Population;
}

class Crowd : public LevelStart {
protected:
  void SetUp() override {
    LevelStart::SetUp();
    map->Traffic = &crowd;
  }
  int CountTold(bool told) const {
    int count = 0;
    for (Tessel::Widget* child = map->GetFirstChild(); child; child = child->GetNextSibling())
      if (auto* pedestrian = dynamic_cast<FakePedestrian*>(child)) count += pedestrian->IsToldToLeave == told;
    return count;
  }
};

TEST_F(Crowd, TheStartBringsTheTownsPedestriansMidSmile) {
  for (int x = 4; x < 20; x += 4) PlaceHouse(x, 4);  // 16 people
  map->Start();
  int target = Map::GetPedestrianTarget(map->Population);
  ASSERT_GT(target, 0);
  EXPECT_EQ(map->Pedestrians.GetSize(), target);
  for (Tessel::Widget* child = map->GetFirstChild(); child; child = child->GetNextSibling())
    if (auto* pedestrian = dynamic_cast<FakePedestrian*>(child)) {
      EXPECT_TRUE(pedestrian->MidSmile);
    }
}

TEST_F(Crowd, MorePeopleBringMorePedestriansAndFewerSendTheFirstAway) {
  map->Start();
  EXPECT_EQ(map->Pedestrians.GetSize(), 0);
  std::vector<House*> houses;
  for (int x = 4; x < 28; x += 4) houses.push_back(PlaceHouse(x, 4));
  map->Update(0.1f);
  int target = Map::GetPedestrianTarget(map->Population);
  EXPECT_EQ(map->Pedestrians.GetSize(), target);
  MapEntity* first = map->Pedestrians[0];
  EXPECT_FALSE(static_cast<FakePedestrian*>(first)->MidSmile);
  for (size_t i = 1; i < houses.size(); ++i) houses[i]->SetBroken(true);
  map->Update(0.1f);
  int fewer = Map::GetPedestrianTarget(map->Population);
  ASSERT_LT(fewer, target);
  EXPECT_EQ(map->Pedestrians.GetSize(), fewer);
  EXPECT_EQ(CountTold(true), target - fewer);
  EXPECT_TRUE(static_cast<FakePedestrian*>(first)->IsToldToLeave);
  EXPECT_EQ(map->Pedestrians.IndexOf(first), -1);
}

TEST_F(Crowd, APedestrianThatLeavesTheMapIsReplaced) {
  for (int x = 4; x < 20; x += 4) PlaceHouse(x, 4);
  map->Start();
  MapEntity* gone = map->Pedestrians[0];
  map->RemoveEntity(gone);
  EXPECT_EQ(map->Pedestrians.IndexOf(gone), -1);
  int created = crowd.Created;
  map->Update(0.1f);
  EXPECT_EQ(crowd.Created, created + 1);
  EXPECT_EQ(map->Pedestrians.GetSize(), Map::GetPedestrianTarget(map->Population));
}

}  // namespace
