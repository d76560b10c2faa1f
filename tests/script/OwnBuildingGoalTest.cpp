// OwnBuilding: enough buildings of a description, owned for a while; the
// marks it puts on them for the level script.

#include <cmath>

#include "game/script/OwnBuildingGoal.h"
#include "script/GoalTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class OwnBuilding : public GoalTest {
protected:
  void SetUp() override {
    GoalTest::SetUp();
    // Keeps the level from being won while the goal under test comes and goes.
    AddGoal();
    map->BankAccount = 500000;
  }
  OwnBuildingGoal* Goal(const std::string& attributes) {
    return AddGoal<OwnBuildingGoal>("<Goal type='OwnBuilding' " + attributes + "/>");
  }
  // How many of the town's buildings a goal of that description counts now.
  int MatchingOf(const std::string& attributes) {
    OwnBuildingGoal* goal = Goal(attributes);
    goal->RecomputeMatching();
    return goal->Matching;
  }
  void Demolish(Building* building) {
    building->TryDemolish();
    FinishJob(building);
  }
};

TEST_F(OwnBuilding, ThreeBungalowsHeldForTenSecondsAndLostWithOne) {
  OwnBuildingGoal* goal = Goal("kind='Bungalow' count='3' duration='10'");
  PlaceHouse(4, 4);
  PlaceHouse(8, 4);
  Building* third = Order(BDK_Bungalow, 12, 4);
  Run(5);
  EXPECT_EQ(goal->Matching, 2);
  EXPECT_FLOAT_EQ(goal->HoldTimer, 10);
  FinishJob(third);
  EXPECT_EQ(goal->Matching, 3);
  Run(9.5f);
  EXPECT_FALSE(goal->IsMet);
  Run(0.6f);
  EXPECT_TRUE(goal->IsMet);
  EXPECT_EQ(GoalSounds(), std::vector<std::string>{"sounds/goalChecked.ogg"});

  Demolish(third);
  EXPECT_EQ(goal->Matching, 2);
  map->Update(0.1f);
  EXPECT_FALSE(goal->IsMet);
  EXPECT_FLOAT_EQ(goal->HoldTimer, 10);
  PlaceHouse(16, 4);
  Run(9.5f);
  EXPECT_FALSE(goal->IsMet);
  Run(0.6f);
  EXPECT_TRUE(goal->IsMet);
}

TEST_F(OwnBuilding, ABreakBeforeTheGoalIsMetStartsTheDurationAgain) {
  OwnBuildingGoal* goal = Goal("kind='Bungalow' duration='10'");
  Building* house = PlaceHouse(4, 4);
  Run(8);
  ASSERT_FALSE(goal->IsMet);
  house->SetRival(true);
  map->Update(0.1f);
  house->SetRival(false);
  Run(9.5f);
  EXPECT_FALSE(goal->IsMet);
  Run(0.6f);
  EXPECT_TRUE(goal->IsMet);
}

TEST_F(OwnBuilding, WithoutADurationTheGoalIsMetOnTheNextUpdate) {
  OwnBuildingGoal* goal = Goal("kind='Bungalow' duration='-5'");
  EXPECT_EQ(goal->Duration, 0);
  PlaceHouse(4, 4);
  map->Update(0.01f);
  EXPECT_TRUE(goal->IsMet);
}

// A town with a little of everything: which of its buildings each
// description counts.
TEST_F(OwnBuilding, ADescriptionCountsTheBuildingsThatFitIt) {
  House* served = PlaceHouse(4, 4);     // by the fountain and the park
  House* upgraded = PlaceHouse(12, 4);  // by the park and the workshop
  Square(20, 4)->IsPremium = true;
  House* bought = PlaceHouse(20, 4);           // on premium, by the workshop, bought
  Building* duplex = Place(BDK_Duplex, 4, 0);  // upgraded once
  Order(BDK_Bungalow, 28, 4);                  // under construction
  Place(BDK_Fountain, 7, 7);
  Place(BDK_Park, 9, 5);
  Building* workshop = Order(BDK_Workshop, 16, 4);
  FinishJob(workshop);
  upgraded->SetLevel(2);
  duplex->SetLevel(1);
  bought->SetRival(true);
  map->MakeRivalOffer();
  ASSERT_TRUE(bought->CanBuy());
  bought->Buy();
  PlaceHouse(24, 0)->SetRival(true);
  ASSERT_EQ(ServiceNames(served), (std::vector<std::string>{"Fountain", "Park"}));
  ASSERT_EQ(ServiceNames(upgraded), (std::vector<std::string>{"Park", "Workshop"}));

  struct Case {
    const char* Attributes;
    int Matching;
  };
  const Case cases[] = {
      {"kind='Bungalow'", 3},
      {"building='0'", 3},
      // The office, the duplex, three bungalows, the fountain, the park and the workshop.
      {"", 8},
      {"kind='Bungalow' upgrades='1'", 1},
      {"kind='Bungalow' upgrades='2'", 1},
      {"kind='Bungalow' upgrades='3'", 0},
      {"kind='Duplex' upgrades='1'", 1},
      {"kind='Bungalow' how='buy'", 1},
      {"kind='Bungalow' how='construct'", 3},
      {"kind='Bungalow' services='premium'", 1},
      {"kind='Bungalow' services='Park, Fountain'", 1},
      {"kind='Bungalow' services='Park'", 2},
      {"kind='Bungalow' services='Workshop'", 2},
      {"kind='Bungalow' services='Workshop,premium'", 1},
      {"kind='Bungalow' services='Statue'", 0},
      {"kind='Bungalow' services='Airport'", 3},  // no service kind: no test
      {"kind='Bungalow' upgrades='70000'", 0},    // beyond every level, not wrapped to a small one
  };
  for (const Case& c : cases) EXPECT_EQ(MatchingOf(c.Attributes), c.Matching) << c.Attributes;
}

TEST_F(OwnBuilding, AServiceCountsOnceItWorks) {
  OwnBuildingGoal* goal = Goal("kind='Bungalow' services='Workshop'");
  House* house = PlaceHouse(12, 4);
  Building* workshop = Order(BDK_Workshop, 16, 4);
  ASSERT_EQ(ServiceNames(house), std::vector<std::string>{"Workshop"});
  Run(0.5f);
  EXPECT_EQ(goal->Matching, 0);
  FinishJob(workshop);
  EXPECT_EQ(goal->Matching, 1);
}

TEST_F(OwnBuilding, AHousesIncomeBonusAndAShopsAttendanceAreThresholds) {
  House* house = PlaceHouse(4, 4);
  Place(BDK_Fountain, 7, 7);
  PlaceHouse(12, 4);
  auto* shop = static_cast<Commercial*>(Place(BDK_Shop, 8, 0));
  int bonus = static_cast<int>(std::lround(house->GetBonusFactor() * 100));
  int attendance = shop->GetAttendance();
  ASSERT_GT(bonus, 0);
  ASSERT_GT(attendance, 0);
  struct Case {
    std::string Attributes;
    int Matching;
  };
  const Case cases[] = {
      {"kind='Bungalow' incomeBonus='" + std::to_string(bonus) + "'", 1},
      {"kind='Bungalow' incomeBonus='" + std::to_string(bonus + 1) + "'", 0},
      {"kind='Shop' attendance='" + std::to_string(attendance) + "'", 1},
      {"kind='Shop' attendance='" + std::to_string(attendance + 1) + "'", 0},
      // Only houses have a bonus and only commercial buildings visitors.
      {"kind='Shop' incomeBonus='500'", 1},
      {"kind='Bungalow' attendance='500'", 2},
  };
  for (const Case& c : cases) EXPECT_EQ(MatchingOf(c.Attributes), c.Matching) << c.Attributes;
}

TEST_F(OwnBuilding, ACheapStadiumGoalCountsStadiums) {
  OwnBuildingGoal* cheap = Goal("kind='StadiumCheap'");
  OwnBuildingGoal* stadium = Goal("kind='Stadium'");
  map->RemoveBuilding(map->TheOffice);
  PlaceVanOffice(0, 1, 4);
  Building* built = Place(BDK_StadiumCheap, 20, 4);
  ASSERT_EQ(built->Kind, BDK_Stadium);
  EXPECT_EQ(cheap->Matching, 0);  // a landmark counts once it is built
  built->Select();
  built->PressMenuButton(MENU_Construct);
  ASSERT_EQ(built->JobRequired, JOB_Construct);
  FinishJob(built);
  EXPECT_EQ(cheap->Matching, 1);
  EXPECT_EQ(stadium->Matching, 1);
}

TEST_F(OwnBuilding, TheMoreNeededNeverGoesBelowNothing) {
  OwnBuildingGoal* goal = Goal("kind='Bungalow' count='2' duration='30'");
  PlaceHouse(4, 4);
  EXPECT_EQ(TextOf(*goal), "Bungalow x 2. (1 more)");
  PlaceHouse(8, 4);
  PlaceHouse(12, 4);
  map->Update(0.1f);
  // Three of two, still holding: nothing more is needed.
  ASSERT_FALSE(goal->IsMet);
  EXPECT_EQ(goal->Matching, 3);
  EXPECT_EQ(TextOf(*goal), "Bungalow x 2.");
}

// ---- the marks for the level script

TEST_F(OwnBuilding, MarksTheBuildingsItCountsAndTakesBackOnlyItsOwnMarks) {
  OwnBuildingGoal* goal = Goal("kind='Bungalow' id='homes'");
  House* plain = PlaceHouse(4, 4);
  House* named = PlaceHouse(8, 4);
  named->Id = "inn";  // from the level file
  House* rival = PlaceHouse(12, 4);
  rival->SetRival(true);
  rival->Id = "homes";  // a script's setBuildingId
  Building* shop = Place(BDK_Shop, 16, 0);
  shop->Id = "homes";
  map->Update(0.1f);
  EXPECT_EQ(goal->Matching, 2);
  EXPECT_EQ(plain->Id, "homes");
  EXPECT_EQ(named->Id, "inn");
  EXPECT_EQ(rival->Id, "homes");
  EXPECT_EQ(shop->Id, "homes");

  plain->SetRival(true);
  EXPECT_EQ(goal->Matching, 1);
  EXPECT_EQ(plain->Id, "");  // its own mark, taken back
  EXPECT_EQ(rival->Id, "homes");
  EXPECT_EQ(shop->Id, "homes");

  plain->SetRival(false);
  EXPECT_EQ(plain->Id, "homes");
  // A script renames the marked house: the name is the script's now.
  plain->Id = "star";
  plain->SetRival(true);
  map->Update(0.1f);
  EXPECT_EQ(plain->Id, "star");
}

TEST_F(OwnBuilding, TwoGoalsWithOneIdLeaveEachOthersMarks) {
  OwnBuildingGoal* houses = Goal("kind='Bungalow' id='street'");
  OwnBuildingGoal* upgraded = Goal("kind='Bungalow' upgrades='1' id='street'");
  House* house = PlaceHouse(4, 4);
  map->Update(0.1f);
  ASSERT_EQ(house->Id, "street");  // marked by the first
  EXPECT_EQ(houses->Matching, 1);
  EXPECT_EQ(upgraded->Matching, 0);
  map->Update(0.1f);
  EXPECT_EQ(house->Id, "street");
}

TEST_F(OwnBuilding, AMarkedBuildingThatLeavesTheMapIsForgotten) {
  OwnBuildingGoal* goal = Goal("kind='Bungalow' id='homes'");
  House* house = PlaceHouse(4, 4);
  ASSERT_EQ(house->Id, "homes");
  Demolish(house);
  Run(0.5f);
  EXPECT_EQ(goal->Matching, 0);
  PlaceHouse(4, 4);
  EXPECT_EQ(goal->Matching, 1);
}

}  // namespace
