// RepairBuilding and DemolishBuilding: counted repairs and demolitions of
// buildings of a kind, or of the building with an id.

#include "game/script/BuildingEventGoals.h"
#include "script/GoalTestSupport.h"
#include "tessel/Exception.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class BuildingEvents : public GoalTest {
protected:
  void SetUp() override {
    GoalTest::SetUp();
    AddGoal();  // keeps the level running
    map->BankAccount = 500000;
  }
  void Repair(House* house) {
    house->SetBroken(true);
    house->Select();
    house->PressMenuButton(MENU_Repair);
    FinishJob(house);
    house->Unselect();
  }
};

TEST_F(BuildingEvents, RepairsOfMatchingBuildingsAreCounted) {
  House* inn = PlaceHouse(4, 4);
  inn->Id = "inn";
  House* duplex = PlaceAs<House>(BDK_Duplex, 8, 4);
  struct Case {
    const char* Goal;
    int Counter;  // after a repair of each house
  };
  const Case cases[] = {
      {"<Goal type='RepairBuilding'/>", 2},
      {"<Goal type='RepairBuilding' kind='Duplex'/>", 1},
      {"<Goal type='RepairBuilding' kind='Chateau'/>", 0},
      {"<Goal type='RepairBuilding' buildingId='INN'/>", 1},
      {"<Goal type='RepairBuilding' buildingId='inn' kind='Duplex'/>", 0},
      // A demolition goal counts no repair.
      {"<Goal type='DemolishBuilding'/>", 0},
  };
  std::vector<BuildingEventGoal*> goals;
  for (const Case& c : cases) goals.push_back(AddGoal<BuildingEventGoal>(c.Goal));
  Repair(inn);
  Repair(duplex);
  for (size_t i = 0; i < goals.size(); ++i) EXPECT_EQ(goals[i]->Counter, cases[i].Counter) << cases[i].Goal;
}

TEST_F(BuildingEvents, ARepairGoalIsMetAtItsCountAndStaysMet) {
  RepairBuildingGoal* goal = AddGoal<RepairBuildingGoal>("<Goal type='RepairBuilding' count='2'/>");
  House* house = PlaceHouse(4, 4);
  Repair(house);
  map->Update(0.1f);
  EXPECT_FALSE(goal->IsMet);
  Repair(house);
  map->Update(0.1f);
  EXPECT_TRUE(goal->IsMet);
  house->SetBroken(true);
  map->Update(0.1f);
  EXPECT_TRUE(goal->IsMet);
}

TEST_F(BuildingEvents, DemolitionsOfMatchingBuildingsAreCounted) {
  House* inn = PlaceHouse(4, 4);
  inn->Id = "inn";
  Building* tree = Place(BDK_Tree, 8, 4);
  House* cottage = PlaceHouse(12, 4);
  struct Case {
    const char* Goal;
    int Counter;
  };
  const Case cases[] = {
      {"<Goal type='DemolishBuilding'/>", 3},
      {"<Goal type='DemolishBuilding' kind='Bungalow'/>", 2},
      {"<Goal type='DemolishBuilding' kind='Tree'/>", 1},
      {"<Goal type='DemolishBuilding' buildingId='inn'/>", 1},
      {"<Goal type='RepairBuilding'/>", 0},
  };
  std::vector<BuildingEventGoal*> goals;
  for (const Case& c : cases) goals.push_back(AddGoal<BuildingEventGoal>(c.Goal));
  inn->TryDemolish();
  FinishJob(inn);
  tree->TryDemolish();  // a decoration goes at once
  cottage->TryDemolish();
  FinishJob(cottage);
  for (size_t i = 0; i < goals.size(); ++i) EXPECT_EQ(goals[i]->Counter, cases[i].Counter) << cases[i].Goal;
  map->Update(0.1f);
  EXPECT_TRUE(goals[0]->IsMet);
}

TEST_F(BuildingEvents, AnEventWithoutABuildingIsAContractViolation) {
  AddGoal<RepairBuildingGoal>("<Goal type='RepairBuilding'/>");
  AddGoal<DemolishBuildingGoal>("<Goal type='DemolishBuilding'/>");
  EXPECT_THROW(map->Goals[1]->OnBuildingRepaired(nullptr), Tessel::AssertionFailedException);
  EXPECT_THROW(map->Goals[2]->OnBuildingDemolished(nullptr), Tessel::AssertionFailedException);
}

}  // namespace
