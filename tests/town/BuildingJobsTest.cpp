// Building jobs: starting, working once the vans are there, finishing,
// cancelling, demolishing; and the road route to the office.

#include <algorithm>

#include "tessel/widgets/WidgetGuard.h"
#include "town/TownTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class BuildingJobs : public TownTest {
protected:
  void SetUp() override {
    TownTest::SetUp();
    Build({
        "............",
        "............",
        "............",
        "############",
        "............",
        "............",
        "............",
    });
    office = PlaceOffice(0, 1, 3);
    map->BankAccount = 100000;
    listener.Events.clear();
  }
  // A building placed with its construction job, as the construct tool does.
  Building* Order(BuildingKind kind, int x, int y) {
    Building* building = CreateBuilding(kind);
    map->PlaceBuilding(building, x, y, true);
    return building;
  }
  TestOffice* office = nullptr;
};

TEST_F(BuildingJobs, AConstructionWaitsForItsVansToArrive) {
  Building* house = Order(BDK_Bungalow, 4, 0);
  EXPECT_EQ(house->JobRequired, JOB_Construct);
  EXPECT_EQ(house->JobCost, 5000);
  EXPECT_FLOAT_EQ(house->JobRate, 1.0f / 8);
  ASSERT_EQ(house->VansAssigned.size(), 1);
  Run(2);
  EXPECT_FLOAT_EQ(house->JobProgress, 0);
  office->ArriveAll(house);
  Run(2);
  EXPECT_NEAR(house->JobProgress, 0.25, 1e-4);
}

TEST_F(BuildingJobs, AConstructionWithTwoVansMakesNoProgressWhileOneIsStillDriving) {
  Building* chateau = Order(BDK_Chateau, 4, 4);  // needs two vans
  ASSERT_EQ(chateau->VansAssigned.size(), 2);
  static_cast<FakeVan*>(chateau->VansAssigned[0])->Arrived = true;
  Run(3);
  EXPECT_FLOAT_EQ(chateau->JobProgress, 0);
  static_cast<FakeVan*>(chateau->VansAssigned[1])->Arrived = true;
  Run(1);
  EXPECT_NEAR(chateau->JobProgress, 1.0 / 28, 1e-4);
}

TEST_F(BuildingJobs, AJobThatNoVanServesYetJustWaits) {
  for (auto& van : office->Vans) van->Target = office;  // all busy
  Building* house = Order(BDK_Bungalow, 4, 0);
  EXPECT_TRUE(house->IsWaitingForVans());
  Run(2);
  EXPECT_FLOAT_EQ(house->JobProgress, 0);
  EXPECT_EQ(map->JobQueue.IndexOf(house), 0);
}

TEST_F(BuildingJobs, AFinishedConstructionSendsTheVansHomeAndTellsTheTown) {
  Building* house = Order(BDK_Bungalow, 4, 0);
  FakeVan* van = static_cast<FakeVan*>(house->VansAssigned[0]);
  office->ArriveAll(house);
  int dispatches = office->DispatchCalls;
  Run(8.05f);
  EXPECT_EQ(house->JobRequired, JOB_None);
  EXPECT_TRUE(house->IsOperational());
  EXPECT_TRUE(house->VansAssigned.empty());
  EXPECT_EQ(van->HomeTrips, 1);
  EXPECT_TRUE(map->JobQueue.IsEmpty());
  EXPECT_GT(office->DispatchCalls, dispatches);
  EXPECT_EQ(listener.Only("OnBuildingConstructed"), std::vector<std::string>{"OnBuildingConstructed Bungalow 4 0"});
}

TEST_F(BuildingJobs, WorkCountersCountBuildingsWithProgress) {
  Building* house = Order(BDK_Bungalow, 4, 0);
  Building* shop = Place(BDK_Shop, 8, 4);
  shop->StartJob(JOB_Demolish, false);
  EXPECT_EQ(map->WorkCount, 0);
  office->ArriveAll(house);
  office->ArriveAll(shop);
  Run(0.5f);
  EXPECT_EQ(map->WorkCount, 1);
  EXPECT_EQ(map->DemolishCount, 1);
  Run(10);
  EXPECT_EQ(map->WorkCount, 0);
  EXPECT_EQ(map->DemolishCount, 0);
}

TEST_F(BuildingJobs, TheOfficesSpeedUpAndTheManagementUpgradesHasten) {
  struct Case {
    bool SpeedUp;
    uint32_t Upgrades;
    float Factor;
  };
  const Case cases[] = {
      {false, 0, 1},
      {true, 0, 2},
      {false, 1u << OFUP_Management, 1.1f},
      {false, 1u << OFUP_Management2, 1.25f},
      {true, (1u << OFUP_Management) | (1u << OFUP_Management2), 2.5f},
  };
  Building* house = Order(BDK_Bungalow, 4, 0);
  office->ArriveAll(house);
  for (const Case& c : cases) {
    office->SpeedUpActive = c.SpeedUp;
    map->OfficeUpgrades = c.Upgrades;
    house->JobProgress = 0;
    map->Update(1);
    EXPECT_NEAR(house->JobProgress, c.Factor / 8, 1e-5) << c.SpeedUp << " " << c.Upgrades;
  }
}

TEST_F(BuildingJobs, InstantJobsFinishOnTheNextStep) {
  map->InstantJobs = true;
  Building* house = Order(BDK_Bungalow, 4, 0);
  office->ArriveAll(house);
  map->Update(0.01f);
  EXPECT_EQ(house->JobRequired, JOB_None);
}

TEST_F(BuildingJobs, AJobOfNoDurationIsDoneOnItsFirstStepEvenWithoutTime) {
  Building* house = Place(BDK_Bungalow, 4, 0);
  house->StartJob(JOB_Repair, true);
  house->JobRate = 0;  // as a balance with a repair time of 0 gives
  map->Update(0);
  EXPECT_EQ(house->JobRequired, JOB_None);
}

TEST_F(BuildingJobs, ASelfDoneJobNeedsNoVans) {
  Building* house = Place(BDK_Bungalow, 4, 0);
  house->SetBroken(true);
  house->StartJob(JOB_Repair, true, 3);
  EXPECT_TRUE(map->JobQueue.IsEmpty());
  EXPECT_TRUE(house->VansAssigned.empty());
  Run(3.05f);
  EXPECT_FALSE(house->IsBroken);
  EXPECT_EQ(listener.Only("OnRepairStarted").size(), 1u);
  EXPECT_EQ(listener.Only("OnBuildingRepaired"), std::vector<std::string>{"OnBuildingRepaired Bungalow 4 0"});
}

TEST_F(BuildingJobs, AnUpgradeRaisesTheLevel) {
  Building* house = Place(BDK_Bungalow, 4, 0);
  house->StartJob(JOB_Upgrade, false);
  EXPECT_EQ(house->JobCost, house->Balance->Levels[0].UpgradeCost);
  office->ArriveAll(house);
  Run(house->Balance->Levels[0].UpgradeTime + 0.05f);
  EXPECT_EQ(house->Level, 1);
  EXPECT_EQ(house->LevelBalance, &house->Balance->Levels[1]);
  EXPECT_EQ(listener.Only("OnUpgradeStarted").size(), 1u);
  EXPECT_EQ(listener.Only("OnBuildingUpgraded"), std::vector<std::string>{"OnBuildingUpgraded Bungalow 4 0"});
}

TEST_F(BuildingJobs, OnlyOneJobAtATime) {
  Building* house = Place(BDK_Bungalow, 4, 0);
  house->StartJob(JOB_Upgrade, false);
  try {
    house->StartJob(JOB_Repair, false);
    FAIL() << "no assertion";
  } catch (const Tessel::AssertionFailedException& e) {
    EXPECT_EQ(e.Message, "JobRequired == JOB_None");
  }
  Building* other = Place(BDK_Tree, 9, 0);
  other->StartJob(JOB_None, false);
  EXPECT_EQ(other->JobRequired, JOB_None);
}

TEST_F(BuildingJobs, WorkWithoutVansIsAContractViolation) {
  Building* house = Place(BDK_Bungalow, 4, 0);
  house->StartJob(JOB_Upgrade, false);
  house->SendVansHome();
  try {
    house->DoWork(1);
    FAIL() << "no assertion";
  } catch (const Tessel::AssertionFailedException& e) {
    EXPECT_EQ(e.Message, "!VansAssigned.empty() || jobDoSelf");
  }
}

TEST_F(BuildingJobs, CancellingAConstructionRefundsItsPriceAndRemovesTheBuilding) {
  map->BankAccount = 50000 - 5000;  // as after the construct tool's payment
  Building* house = Order(BDK_Bungalow, 4, 0);
  FakeVan* van = static_cast<FakeVan*>(house->VansAssigned[0]);
  house->Select();
  listener.Events.clear();
  house->PressMenuButton(MENU_Cancel);
  EXPECT_EQ(map->BankAccount, 50000);
  EXPECT_EQ(map->Buildings.IndexOf(house), -1);
  EXPECT_EQ(Square(5, 1)->Entity, nullptr);
  EXPECT_EQ(van->HomeTrips, 1);
  EXPECT_EQ(map->SelectedBuilding, nullptr);
  EXPECT_EQ(listener.Events.front(), "OnActionCancelled Bungalow 4 0");
  EXPECT_TRUE(presenter.Has("sound sounds/jobCanceled.ogg"));
}

TEST_F(BuildingJobs, CancellingAnUpgradeRefundsItsCostAndKeepsTheLevel) {
  Building* house = Place(BDK_Bungalow, 4, 0);
  house->SetLevel(1);
  int cost = house->LevelBalance->UpgradeCost;
  map->BankAccount -= cost;
  house->StartJob(JOB_Upgrade, false);
  office->ArriveAll(house);
  Run(1);
  house->Cancel();
  EXPECT_EQ(map->BankAccount, 100000);
  EXPECT_EQ(house->Level, 1);
  EXPECT_EQ(house->JobRequired, JOB_None);
  EXPECT_FLOAT_EQ(house->JobProgress, 0);
  EXPECT_EQ(map->WorkCount, 0);
  EXPECT_EQ(map->Buildings.IndexOf(house), 1);
}

TEST_F(BuildingJobs, ARepairCannotBeCancelledWhileTheScriptForbidsIt) {
  Building* house = Place(BDK_Bungalow, 4, 0);
  house->SetBroken(true);
  house->StartJob(JOB_Repair, false);
  map->CanCancelRepair = false;
  house->Select();
  house->PressMenuButton(MENU_Cancel);
  EXPECT_EQ(house->JobRequired, JOB_Repair);
  EXPECT_EQ(map->SelectedBuilding, nullptr);
  EXPECT_TRUE(presenter.Has("hint AssistantHint.CantCancelRepair"));
}

TEST_F(BuildingJobs, ADemolitionRemovesTheBuildingWhenDone) {
  Building* house = Place(BDK_Bungalow, 4, 0);
  house->TryDemolish();
  office->ArriveAll(house);
  float time = house->LevelBalance->DemolishTime;
  Run(time - 0.1f);
  EXPECT_EQ(map->DemolishCount, 1);
  Tessel::WidgetGuard alive(house);
  Run(0.15f);
  EXPECT_FALSE(alive);
  EXPECT_EQ(map->Buildings.IndexOf(house), -1);
  EXPECT_FALSE(map->Listeners.Contains(house));
  EXPECT_EQ(map->DemolishCount, 0);
  EXPECT_EQ(Square(5, 1)->Entity, nullptr);
  std::vector<std::string> ends;
  for (const std::string& event : listener.Events)
    if (event.find("Demolished") != std::string::npos || event == "OnBuildingRemoved") ends.push_back(event);
  EXPECT_EQ(ends, (std::vector<std::string>{"OnBuildingDemolished Bungalow 4 0", "OnBuildingRemoved"}));
  EXPECT_EQ(map->BankAccount, 100000);  // no recycling without the upgrade
}

TEST_F(BuildingJobs, ASelectedBuildingThatIsDemolishedIsNoLongerSelected) {
  Building* house = Place(BDK_Bungalow, 4, 0);
  house->StartJob(JOB_Demolish, false);
  house->Select();
  office->ArriveAll(house);
  Tessel::WidgetGuard alive(house);
  Run(house->LevelBalance->DemolishTime + 0.05f);
  EXPECT_EQ(map->SelectedBuilding, nullptr);
  EXPECT_FALSE(alive);  // deleted with the frame that demolished it
}

TEST_F(BuildingJobs, RecyclingReturnsHalfTheMarketValue) {
  Balance rules = ShippedBalance();
  rules.MarketToConstructionValueRatio = 1;
  rules.GetBuilding(BDK_Bungalow).Levels[0].Value = 20000;
  rules.GetBuilding(BDK_BrickHouse).Levels[0].Value = 1;
  Balance::Install(rules);
  map->OfficeUpgrades = 1u << OFUP_Recycle;
  struct Case {
    BuildingKind Kind;
    int Refund;
  };
  for (Case c : {Case{BDK_Bungalow, 10000}, Case{BDK_BrickHouse, 0}}) {
    presenter.Log.clear();
    map->BankAccount = 0;
    Building* house = Place(c.Kind, 4, 0);
    ASSERT_EQ(house->GetMarketValue(), c.Refund * 2 + (c.Refund ? 0 : 1));
    house->StartJob(JOB_Demolish, false);
    office->ArriveAll(house);
    Run(house->LevelBalance->DemolishTime + 0.05f);
    EXPECT_EQ(map->BankAccount, c.Refund);
    EXPECT_EQ(presenter.Has("money 10000"), c.Refund > 0);
  }
}

TEST_F(BuildingJobs, TheInfoRowsTellWhatTheBuildingNeedsAndDoes) {
  auto keys = [](const Building* building) {
    BuildingInfoRows rows;
    building->GetInfo(rows);
    std::vector<std::string> result;
    for (const BuildingInfoRow& row : rows) result.push_back(row.TextKey.CStr());
    return result;
  };
  Building* lonely = Order(BDK_Shop, 9, 5);  // no road beside it
  office->ArriveAll(lonely);
  Run(1);
  std::vector<std::string> rows = keys(lonely);
  EXPECT_NE(std::find(rows.begin(), rows.end(), "Hud.Info.Hint.RoadRequired"), rows.end());
  EXPECT_EQ(rows.back(), "Hud.Progress.Construct");
  Building* house = Place(BDK_Bungalow, 4, 0);
  house->SetBroken(true);
  EXPECT_EQ(keys(house).front(), "Hud.Info.Hint.RepairRequired");
  house->StartJob(JOB_Repair, false);
  rows = keys(house);
  EXPECT_EQ(std::find(rows.begin(), rows.end(), "Hud.Info.Hint.RepairRequired"), rows.end());
  EXPECT_EQ(rows.back(), "Hud.Progress.Repair");
}

// ---- the road route to the office

TEST_F(BuildingJobs, RemovingTheOnlyRoadSquareDisconnectsTheHouse) {
  Building* house = Place(BDK_Bungalow, 4, 4);  // below the road
  ASSERT_TRUE(house->IsConnected);
  ASSERT_GE(house->RoadRoute.GetSize(), 3);
  listener.Events.clear();
  SetRoad(3, 3, false);  // between the office (columns 0..2) and the house
  EXPECT_EQ(listener.Events, std::vector<std::string>{"OnRoadRemoved 3 3"});
  EXPECT_FALSE(house->IsConnected);
  SetRoad(3, 3, true);
  EXPECT_TRUE(house->IsConnected);
  EXPECT_EQ(listener.Only("OnBuildingConnected").size(), 1u);
}

TEST_F(BuildingJobs, ARoadOffTheRouteLeavesTheConnectionAlone) {
  Building* house = Place(BDK_Bungalow, 4, 4);
  SquareRoute before = house->RoadRoute;
  SetRoad(11, 3, false);
  EXPECT_TRUE(house->IsConnected);
  EXPECT_EQ(Describe(house->RoadRoute), Describe(before));
}

TEST_F(BuildingJobs, ANewRoadReachingAWaitingSiteCallsTheVans) {
  SetRoad(6, 3, false);
  Building* house = Order(BDK_Bungalow, 8, 4);
  EXPECT_FALSE(house->IsConnected);
  // This office has vans for any site; a real one only for reachable ones.
  house->SendVansHome();
  int dispatches = office->DispatchCalls;
  SetRoad(6, 3, true);
  EXPECT_TRUE(house->IsConnected);
  EXPECT_GT(office->DispatchCalls, dispatches);
  EXPECT_EQ(house->VansAssigned.size(), 1);
}

}  // namespace

namespace {

TEST_F(BuildingJobs, ABuildingDeletedWhileOnTheMapLeavesNoPointerBehind) {
  Building* house = Order(BDK_Bungalow, 4, 0);
  house->Select();
  delete house;
  EXPECT_EQ(map->Buildings.GetSize(), 1);
  EXPECT_TRUE(map->JobQueue.IsEmpty());
  EXPECT_EQ(map->SelectedBuilding, nullptr);
  EXPECT_EQ(Square(5, 1)->Entity, nullptr);
  EXPECT_EQ(map->Listeners.GetCount(), 2);  // the office and the test's listener
  SetRoad(5, 3, false);                     // an event with nobody dangling
  Run(1);
}

}  // namespace
