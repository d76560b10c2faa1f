// Houses: the upgrade button, what it needs and what it costs, and the level
// scripts' cap on upgrades.

#include <algorithm>

#include "town/BuildingTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class HouseUpgrade : public BuildingTest {
protected:
  void SetUp() override {
    BuildingTest::SetUp();
    Build({
        "............",
        "............",
        "............",
        "############",
        "............",
    });
    office = PlaceOffice(0, 1);
    map->BankAccount = 100000;
    house = PlaceHouse(4, 0);
  }
  House* house = nullptr;
};

// The shipped Bungalow's upgrades cost 1000, 2000 and 3000.

TEST_F(HouseUpgrade, TheUpgradeButtonOffersTheNextLevelAtItsPrice) {
  house->Select();
  ASSERT_EQ(MenuIds(house), (std::vector<int>{MENU_Upgrade, MENU_Sell}));
  const BuildingMenuButton* upgrade = house->FindMenuButton(MENU_Upgrade);
  EXPECT_EQ(upgrade->CaptionKey, "Hud.BuildingMenu.Upgrade");
  EXPECT_TRUE(upgrade->HasPrice);
  EXPECT_EQ(upgrade->Price, 1000);
  EXPECT_TRUE(upgrade->IsEnabled);
}

TEST_F(HouseUpgrade, PressingUpgradePaysAndStartsTheJob) {
  house->Select();
  house->PressMenuButton(MENU_Upgrade);
  EXPECT_EQ(map->BankAccount, 99000);
  EXPECT_EQ(house->JobRequired, JOB_Upgrade);
  EXPECT_EQ(house->JobCost, 1000);  // what a cancel gives back
  EXPECT_EQ(house->VansAssigned.size(), 1);
  EXPECT_EQ(map->SelectedBuilding, nullptr);
  EXPECT_TRUE(presenter.Has("sound sounds/jobStart.ogg"));
  FinishJob(house);
  EXPECT_EQ(house->Level, 1);
  EXPECT_EQ(listener.Only("OnBuildingUpgraded").size(), 1u);
  house->Select();
  EXPECT_EQ(house->FindMenuButton(MENU_Upgrade)->Price, 2000);
}

TEST_F(HouseUpgrade, TheScriptsCapAndTheTopLevelHideTheUpgradeButton) {
  struct Case {
    int MaxLevel;  // "MaxBuildingUpgradeLevel", -1 for none
    int Level;
    bool Offered;
  };
  const Case cases[] = {
      {-1, 0, true}, {-1, 2, true}, {-1, 3, false}, {1, 0, true}, {1, 1, false}, {0, 0, false},
  };
  for (const Case& c : cases) {
    map->MaxBuildingUpgradeLevel = c.MaxLevel;
    house->SetLevel(c.Level);
    std::vector<int> ids = MenuIds(house);
    bool offered = std::find(ids.begin(), ids.end(), MENU_Upgrade) != ids.end();
    EXPECT_EQ(offered, c.Offered) << "cap " << c.MaxLevel << ", level " << c.Level;
    EXPECT_EQ(house->CanUpgrade(), c.Offered) << "cap " << c.MaxLevel << ", level " << c.Level;
  }
}

TEST_F(HouseUpgrade, AnUpgradeNeedsTheMoneyAndAnIdleWorkingHouseOfThePlayers) {
  struct Case {
    const char* Situation;
    std::function<void()> Apply;
    bool CanUpgrade;
  };
  const Case cases[] = {
      {"just the money", [this] { map->BankAccount = 1000; }, true},
      {"short by one", [this] { map->BankAccount = 999; }, false},
      {"broken", [this] { house->SetBroken(true); }, false},
      {"busy", [this] { house->StartJob(JOB_Demolish, false); }, false},
      {"a rival's", [this] { house->SetRival(true); }, false},
  };
  for (const Case& c : cases) {
    c.Apply();
    EXPECT_EQ(house->CanUpgrade(), c.CanUpgrade) << c.Situation;
    map->RemoveBuilding(house);
    map->BankAccount = 100000;
    house = PlaceHouse(4, 0);
  }
}

}  // namespace
