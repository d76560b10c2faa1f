// Houses: the bonus checks the player's houses drop with the "Fund" office
// upgrade, and collecting them.

#include "town/BuildingTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class HouseBonus : public BuildingTest {
protected:
  void SetUp() override {
    BuildingTest::SetUp();
    // A check every 5 s, showing for 8 s, worth a tenth of the house.
    ChangeRules([](Balance& rules) {
      rules.RandomBonusRevenuesCooldown = {5, 5};
      rules.RandomBonusRevenuesDuration = {8, 8};
      rules.RandomBonusRevenuesPercent = {0.1f, 0.1f};
      for (BuildingLevelBalance& level : rules.GetBuilding(BDK_Bungalow).Levels) level.BreakPeriod = {-1, -1};
    });
    Build({
        "............",
        "............",
        "............",
        "############",
        "............",
    });
    office = PlaceOffice(0, 1);
    Buy(OFUP_Fund);
    house = PlaceHouse(4, 0);  // worth 6000: checks of 600
  }
  void ClickHouse() { house->OnMouseDown(20, 20, 1); }
  House* house = nullptr;
};

TEST_F(HouseBonus, CheckAmountsAreRoundedInStepsThatGrowWithTheAmount) {
  struct Case {
    int Amount, Check;
  };
  const Case cases[] = {
      {0, 0},       {12, 10},     {243, 245},   {247, 250},   {489, 490},   {979, 980},
      {2449, 2450}, {2451, 2500}, {4899, 4900}, {9799, 9800}, {9800, 10000}, {12345, 12500},
  };
  for (Case c : cases) EXPECT_EQ(House::RoundBonusAmount(c.Amount), c.Check) << c.Amount;
}

TEST_F(HouseBonus, ACheckDropsAfterItsWaitAndExpiresAfterItsDuration) {
  EXPECT_FLOAT_EQ(house->BonusPeriod, 5);
  EXPECT_EQ(house->BonusAmount, 600);
  Run(4.9f);
  EXPECT_FALSE(house->BonusActive);
  Run(0.3f);
  ASSERT_TRUE(house->BonusActive);
  EXPECT_FLOAT_EQ(house->BonusPeriod, 8);
  EXPECT_EQ(house->BonusAmount, 600);
  EXPECT_TRUE(presenter.Has("sound sounds/checkAppear.ogg"));
  Run(7.7f);
  EXPECT_TRUE(house->BonusActive);
  Run(0.3f);
  EXPECT_FALSE(house->BonusActive);
  EXPECT_FLOAT_EQ(house->BonusPeriod, 5);  // waiting again
}

TEST_F(HouseBonus, NoChecksWithoutTheFundOrWhileTheScriptForbidsThem) {
  struct Case {
    bool Fund, Switch;
  };
  for (Case c : {Case{false, true}, Case{true, false}}) {
    map->OfficeUpgrades = c.Fund ? 1u << OFUP_Fund : 0;
    map->HousesGenerateBonuses = c.Switch;
    Run(60, 0.5f);
    EXPECT_FALSE(house->BonusActive) << c.Fund << c.Switch;
    EXPECT_FLOAT_EQ(house->BonusElapsed, 0) << c.Fund << c.Switch;
  }
}

TEST_F(HouseBonus, ClickingACheckThatHasFadedInCollectsIt) {
  map->BankAccount = 1000;
  house->DropDonationCheck(false);
  Run(1.1f);
  ASSERT_TRUE(house->CanCollectBonus());
  ClickHouse();
  EXPECT_EQ(map->BankAccount, 1600);
  EXPECT_TRUE(presenter.Has("money 600"));
  EXPECT_TRUE(presenter.Has("sound sounds/checkCollected.ogg"));
  EXPECT_EQ(abilities.Of("Bungalow"), std::vector<std::string>{"OnBonusCollected Bungalow"});
  EXPECT_FALSE(house->BonusActive);
  EXPECT_EQ(map->SelectedBuilding, nullptr);  // collected, not selected
}

TEST_F(HouseBonus, AClickBeforeTheCheckHasFadedInSelectsTheHouse) {
  house->DropDonationCheck(false);
  Run(0.5f);
  ClickHouse();
  EXPECT_EQ(map->SelectedBuilding, house);
  EXPECT_TRUE(house->BonusActive);
  EXPECT_EQ(map->BankAccount, 0);
}

TEST_F(HouseBonus, AHeldCheckWaitsForThePlayerForAsLongAsItTakes) {
  house->DropDonationCheck(true);
  Run(120, 0.25f);
  EXPECT_TRUE(house->BonusActive);
  EXPECT_TRUE(house->BonusHeld);
  EXPECT_LE(house->BonusElapsed, house->BonusPeriod - 1);  // never fading out
  Run(0.25f);
  EXPECT_TRUE(house->CanCollectBonus());
}

TEST_F(HouseBonus, AScriptDropsACheckOnlyWhereTheHouseCouldDropOne) {
  struct Case {
    const char* Situation;
    std::function<void()> Apply;
  };
  const Case cases[] = {
      {"selected", [this] { house->Select(); }},
      {"broken", [this] { house->SetBroken(true); }},
      {"showing one", [this] { house->DropDonationCheck(false); }},
      {"a rival's", [this] { house->SetRival(true); }},
      {"busy", [this] { house->StartJob(JOB_Upgrade, false); }},
  };
  for (const Case& c : cases) {
    c.Apply();
    EXPECT_FALSE(house->CanDropDonationCheck()) << c.Situation;
    try {
      house->DropDonationCheck(true);
      ADD_FAILURE() << "no assertion when " << c.Situation;
    } catch (const Tessel::AssertionFailedException& e) {
      EXPECT_EQ(e.Message, "CanDropDonationCheck()");
    }
    map->RemoveBuilding(house);
    house = PlaceHouse(4, 0);
  }
}

TEST_F(HouseBonus, TheSelectedHouseHoldsBackItsCheck) {
  house->Select();
  Run(10);
  EXPECT_FALSE(house->BonusActive);
  house->Unselect();
  Run(0.1f);
  EXPECT_TRUE(house->BonusActive);
}

TEST_F(HouseBonus, ABusyHouseFreezesItsCheck) {
  house->DropDonationCheck(false);
  Run(2);
  float elapsed = house->BonusElapsed;
  house->StartJob(JOB_Upgrade, false);
  Run(20);
  EXPECT_TRUE(house->BonusActive);
  EXPECT_FLOAT_EQ(house->BonusElapsed, elapsed);
}

TEST_F(HouseBonus, BreakingAChangeOfLevelOrOwnerOrASaleEndsTheCheck) {
  struct Case {
    const char* Change;
    std::function<void()> Apply;
  };
  const Case cases[] = {
      {"it breaks", [this] { house->SetBroken(true); }},
      {"a new level", [this] { house->SetLevel(1); }},
      {"a new owner", [this] { house->SetRival(true); }},
      {"put up for sale", [this] { house->PutUpForSale(6000, 100); }},
  };
  for (const Case& c : cases) {
    house->DropDonationCheck(false);
    Run(2);
    c.Apply();
    EXPECT_FALSE(house->BonusActive) << c.Change;
    EXPECT_FLOAT_EQ(house->BonusElapsed, 0) << c.Change;
    EXPECT_FLOAT_EQ(house->BonusPeriod, 5) << c.Change;  // a new wait
    map->RemoveBuilding(house);
    house = PlaceHouse(4, 0);
  }
}

}  // namespace
