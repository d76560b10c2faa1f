// Houses: breaking down, the repair by vans, and the repair a workshop gives
// the houses it covers.

#include "town/BuildingTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class HouseBreakdown : public BuildingTest {
protected:
  void SetUp() override {
    BuildingTest::SetUp();
    // Bungalows break exactly 5 s after each new timer.
    ChangeRules([](Balance& rules) {
      for (BuildingLevelBalance& level : rules.GetBuilding(BDK_Bungalow).Levels) level.BreakPeriod = {5, 5};
    });
    Build({
        "....................",
        "....................",
        "....................",
        "####################",
        "....................",
        "....................",
        "....................",
    });
    office = PlaceOffice(0, 1, 3);
    map->BankAccount = 100000;
  }
  // Broken, as if its timer had run out.
  House* PlaceBroken(int x, int y) {
    House* house = PlaceHouse(x, y);
    house->SetBroken(true);
    return house;
  }
};

// The shipped Bungalow's repair costs 1000 at level 0.

TEST_F(HouseBreakdown, AHouseBreaksWhenItsTimerRunsOut) {
  House* house = PlaceHouse(4, 0);
  EXPECT_FLOAT_EQ(house->BreakTimer, 5);
  Run(4.9f);
  EXPECT_FALSE(house->IsBroken);
  Run(0.2f);
  EXPECT_TRUE(house->IsBroken);
  EXPECT_EQ(listener.Only("OnBuildingBroken"), std::vector<std::string>{"OnBuildingBroken Bungalow 4 0"});
  EXPECT_TRUE(presenter.Has("sound sounds/damage.ogg"));
  EXPECT_EQ(house->GetIncome(), 0);
  EXPECT_EQ(map->Population, 0);
  EXPECT_FALSE(house->CanSell());
}

TEST_F(HouseBreakdown, OnlyThePlayersIdleWorkingHouseWearsOut) {
  struct Case {
    const char* State;
    std::function<void(House*)> Apply;
  };
  const Case cases[] = {
      {"a rival's", [](House* h) { h->SetRival(true); }},
      {"for sale", [](House* h) { h->PutUpForSale(6000, 100); }},
      {"with its sale dialog open", [](House* h) { h->OpenSaleDialog(); }},
      {"busy with an upgrade", [](House* h) { h->StartJob(JOB_Upgrade, false); }},
      {"while the script forbids it", [this](House*) { map->BuildingsCanGetBroken = false; }},
      {"under a working workshop", [this](House*) { Place(BDK_Workshop, 8, 0); }},
  };
  for (const Case& c : cases) {
    House* house = PlaceHouse(4, 0);
    c.Apply(house);
    Run(8);
    EXPECT_FALSE(house->IsBroken) << c.State;
    // Cleared for the next case.
    map->BuildingsCanGetBroken = true;
    house->CloseSaleDialog();
    if (Building* workshop = static_cast<Building*>(Square(8, 0)->Entity)) map->RemoveBuilding(workshop);
    map->RemoveBuilding(house);
  }
}

TEST_F(HouseBreakdown, AHouseWhoseLevelHasNoBreakPeriodNeverBreaks) {
  ChangeRules([](Balance& rules) {
    for (BuildingLevelBalance& level : rules.GetBuilding(BDK_Bungalow).Levels) level.BreakPeriod = {-1, -1};
  });
  House* house = PlaceHouse(4, 0);
  Run(600, 1);
  EXPECT_FALSE(house->IsBroken);
}

TEST_F(HouseBreakdown, EveryChangeOfTheHouseDrawsANewBreakTimer) {
  ChangeRules([](Balance& rules) {
    for (BuildingLevelBalance& level : rules.GetBuilding(BDK_Bungalow).Levels) level.BreakPeriod = {20, 40};
  });
  struct Case {
    const char* Change;
    std::function<void(House*)> Apply;
  };
  const Case cases[] = {
      {"it passes to a rival", [](House* h) { h->SetRival(true); }},
      {"it comes back", [](House* h) { h->SetRival(false); }},
      {"it breaks", [](House* h) { h->SetBroken(true); }},
      {"it is repaired", [](House* h) { h->SetBroken(false); }},
      {"its upgrade ends", [this](House* h) { h->StartJob(JOB_Upgrade, false); FinishJob(h); }},
  };
  House* house = PlaceHouse(4, 0);
  EXPECT_GE(house->BreakTimer, 20);  // drawn when it came onto the map
  EXPECT_LE(house->BreakTimer, 40);
  for (const Case& c : cases) {
    house->BreakTimer = -1;
    c.Apply(house);
    EXPECT_GE(house->BreakTimer, 20) << c.Change;
    EXPECT_LE(house->BreakTimer, 40) << c.Change;
  }
  auto* site = static_cast<House*>(Order(BDK_Bungalow, 8, 0));
  site->BreakTimer = -1;
  FinishJob(site);
  EXPECT_GE(site->BreakTimer, 20);
}

TEST_F(HouseBreakdown, TheRepairButtonOfABrokenHouseChargesTheRepairAndCallsAVan) {
  House* house = PlaceBroken(4, 0);
  house->Select();
  const BuildingMenuButton* repair = house->FindMenuButton(MENU_Repair);
  ASSERT_NE(repair, nullptr);
  EXPECT_EQ(repair->CaptionKey, "Hud.BuildingMenu.Repair");
  EXPECT_TRUE(repair->HasPrice);
  EXPECT_EQ(repair->Price, 1000);
  EXPECT_TRUE(repair->IsEnabled);
  house->PressMenuButton(MENU_Repair);
  EXPECT_EQ(map->BankAccount, 99000);
  EXPECT_EQ(house->JobRequired, JOB_Repair);
  EXPECT_FALSE(house->jobDoSelf);
  EXPECT_EQ(house->VansAssigned.size(), 1);
  EXPECT_EQ(map->SelectedBuilding, nullptr);
  EXPECT_TRUE(presenter.Has("sound sounds/jobStart.ogg"));
  FinishJob(house);
  EXPECT_FALSE(house->IsBroken);
  EXPECT_EQ(house->GetIncome(), 750);
}

TEST_F(HouseBreakdown, TheRepairButtonShowsOnlyWhileTheHouseIsBroken) {
  House* house = PlaceHouse(4, 0);
  EXPECT_EQ(MenuIds(house), (std::vector<int>{MENU_Upgrade, MENU_Sell}));
  house->SetBroken(true);
  EXPECT_EQ(MenuIds(house), (std::vector<int>{MENU_Upgrade, MENU_Repair, MENU_Sell}));
}

TEST_F(HouseBreakdown, DisabledButtonsSayWhy) {
  struct Case {
    const char* Situation;
    bool Broken;
    int Money;
    int Button;
    const char* Hint;
  };
  const Case cases[] = {
      {"selling a broken house", true, 100000, MENU_Sell, "AssistantHint.CantSellDamaged"},
      {"upgrading a broken house", true, 100000, MENU_Upgrade, "AssistantHint.CantUpgradeDamaged"},
      {"upgrading without the money", false, 500, MENU_Upgrade, "AssistantHint.NoMoneyToUpgrade"},
      {"repairing without the money", true, 500, MENU_Repair, "AssistantHint.NoMoneyToRepair"},
  };
  for (const Case& c : cases) {
    House* house = PlaceHouse(4, 0);
    house->SetBroken(c.Broken);
    map->BankAccount = c.Money;
    presenter.Log.clear();
    house->Select();
    ASSERT_NE(house->FindMenuButton(c.Button), nullptr) << c.Situation;
    EXPECT_FALSE(house->FindMenuButton(c.Button)->IsEnabled) << c.Situation;
    house->PressMenuButton(c.Button);
    EXPECT_EQ(presenter.Only("hint "), std::vector<std::string>{c.Hint}) << c.Situation;
    EXPECT_EQ(map->BankAccount, c.Money) << c.Situation;
    EXPECT_FALSE(house->HasJob()) << c.Situation;
    map->RemoveBuilding(house);
  }
}

TEST_F(HouseBreakdown, APressTheHouseCannotCarryOutIsAContractViolation) {
  House* house = PlaceHouse(4, 0);
  struct Case {
    int Button;
    const char* Assertion;
  };
  for (Case c : {Case{MENU_Repair, "CanRepair()"}, Case{MENU_Upgrade, "CanUpgrade()"}}) {
    map->BankAccount = c.Button == MENU_Upgrade ? 0 : 100000;
    try {
      house->OnMenuButton(c.Button);
      ADD_FAILURE() << "no assertion for " << c.Assertion;
    } catch (const Tessel::AssertionFailedException& e) {
      EXPECT_EQ(e.Message, c.Assertion);
    }
  }
}

// ---- the workshop

TEST_F(HouseBreakdown, ABrokenHouseUnderAWorkingWorkshopRepairsItselfForFree) {
  House* house = PlaceBroken(4, 0);
  Place(BDK_Workshop, 8, 0);
  EXPECT_EQ(house->JobRequired, JOB_Repair);
  EXPECT_TRUE(house->jobDoSelf);
  EXPECT_TRUE(house->VansAssigned.empty());
  EXPECT_TRUE(map->JobQueue.IsEmpty());
  EXPECT_EQ(map->BankAccount, 100000);
  house->Select();
  EXPECT_TRUE(house->MenuButtons.IsEmpty());  // a workshop's repair cannot be called off
  Run(2.9f);
  EXPECT_TRUE(house->IsBroken);
  Run(0.2f);  // the shipped "WorkshopRepairTime" is 3 s
  EXPECT_FALSE(house->IsBroken);
  EXPECT_EQ(map->BankAccount, 100000);
}

TEST_F(HouseBreakdown, AWorkshopTakesOverARepairByVansAndKeepsWhatItCost) {
  House* house = PlaceBroken(4, 0);
  house->Select();
  house->PressMenuButton(MENU_Repair);
  FakeVan* van = static_cast<FakeVan*>(house->VansAssigned[0]);
  Place(BDK_Workshop, 8, 0);
  EXPECT_EQ(van->HomeTrips, 1);
  EXPECT_TRUE(house->jobDoSelf);
  EXPECT_TRUE(map->JobQueue.IsEmpty());
  EXPECT_EQ(map->BankAccount, 99000);
  EXPECT_NEAR(house->JobRate, 1.0f / 3, 1e-6);
}

TEST_F(HouseBreakdown, AWorkshopUnderConstructionRepairsNothingUntilItOpens) {
  House* house = PlaceBroken(4, 0);
  Building* workshop = Order(BDK_Workshop, 8, 0);
  EXPECT_EQ(ServiceNames(house), std::vector<std::string>{"Workshop"});
  EXPECT_FALSE(house->HasJob());
  FinishJob(workshop);
  EXPECT_EQ(house->JobRequired, JOB_Repair);
  EXPECT_TRUE(house->jobDoSelf);
}

TEST_F(HouseBreakdown, AHouseBrokenByAScriptUnderAWorkshopIsSeenToAtOnce) {
  House* house = PlaceHouse(4, 0);
  Place(BDK_Workshop, 8, 0);
  house->SetBroken(true);
  EXPECT_EQ(house->JobRequired, JOB_Repair);
  EXPECT_TRUE(house->jobDoSelf);
}

TEST_F(HouseBreakdown, AHouseOutsideTheWorkshopsRadiusWaitsForVans) {
  House* house = PlaceBroken(4, 4);
  Place(BDK_Workshop, 18, 0);  // radius 4 from column 18 reaches column 14
  EXPECT_TRUE(house->LinkedBuildings.IsEmpty());
  EXPECT_FALSE(house->HasJob());
  EXPECT_TRUE(house->CanRepair());
}

}  // namespace
