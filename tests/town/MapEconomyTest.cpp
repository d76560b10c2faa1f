// The map's economy: pay days and the day counter, money transfers, the
// company value, the rivals' offers and the script switches around them.

#include <cmath>
#include <limits>
#include <set>

#include "tessel/Exception.h"
#include "tessel/text/MoneyFormat.h"
#include "town/EconomyTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class PayDays : public EconomyTest {
protected:
  void SetUp() override {
    EconomyTest::SetUp();
    BuildTown();
    map->BankAccount = 1000;
  }
};

// The shipped Bungalow earns 750 a day at level 0; a day lasts 10 s.

TEST_F(PayDays, AnOfficeAloneNeverHasAPayDayUntilAHouseIsPlaced) {
  Run(100);
  EXPECT_EQ(map->Day, 1);
  EXPECT_EQ(map->PayDayProgress, 0);
  EXPECT_FALSE(map->HasIncomeBuilding);
  PlaceHouse(4, 4);
  EXPECT_TRUE(map->HasIncomeBuilding);
  Run(9.9f);
  EXPECT_EQ(map->Day, 1);
  Run(0.2f);
  EXPECT_EQ(map->Day, 2);
  EXPECT_EQ(map->BankAccount, 1750);
}

TEST_F(PayDays, APayDayAddsTheIncomeOfEveryOwnedHouseAndNotTheRivals) {
  House* first = PlaceHouse(4, 4);
  House* second = PlaceHouse(8, 4, BDK_BrickHouse);
  House* rival = PlaceHouse(12, 4);
  rival->SetRival(true);
  rival->isForSale = true;  // no offer changes the rival's state meanwhile
  int expected = first->GetIncome() + second->GetIncome();
  ASSERT_GT(second->GetIncome(), 0);
  presenter.Log.clear();
  RunToPayDay();
  EXPECT_EQ(map->Day, 2);
  EXPECT_EQ(map->BankAccount, 1000 + expected);
  EXPECT_EQ(map->LastPayDayIncome, map->TotalIncome);
  EXPECT_EQ(presenter.Only("money "),
            (std::vector<std::string>{std::to_string(first->GetIncome()), std::to_string(second->GetIncome())}));
  EXPECT_EQ(presenter.Only("sound sounds/rent.ogg").size(), 1u);
  EXPECT_EQ(presenter.Only("transferred "), std::vector<std::string>{std::to_string(expected)});
}

TEST_F(PayDays, ADayWithoutIncomeCountsButPaysNothing) {
  House* house = PlaceHouse(4, 4);
  house->SetBroken(true);
  presenter.Log.clear();
  RunToPayDay();
  EXPECT_EQ(map->Day, 2);
  EXPECT_EQ(map->BankAccount, 1000);
  EXPECT_TRUE(presenter.Only("sound sounds/rent.ogg").empty());
  EXPECT_TRUE(presenter.Only("money ").empty());
}

TEST_F(PayDays, IncomeCollectionOffHoldsTheDayAtItsStart) {
  PlaceHouse(4, 4);
  Run(5);
  EXPECT_NEAR(map->PayDayProgress, 0.5f, 0.02f);
  map->IncomeCollectionEnabled = false;
  Run(20);
  EXPECT_EQ(map->PayDayProgress, 0);
  EXPECT_EQ(map->Day, 1);
  map->IncomeCollectionEnabled = true;
  Run(9.8f);  // no partial day carried over
  EXPECT_EQ(map->Day, 1);
  Run(0.3f);
  EXPECT_EQ(map->Day, 2);
}

TEST_F(PayDays, TheDayCounterStopsAt999) {
  PlaceHouse(4, 4);
  map->Day = 998;
  RunToPayDay();
  EXPECT_EQ(map->Day, 999);
  int money = map->BankAccount;
  Run(10.1f);
  EXPECT_EQ(map->Day, 999);
  EXPECT_GT(map->BankAccount, money);  // the days still pay
}

TEST_F(PayDays, ALongFrameEndsOneDayOnly) {
  PlaceHouse(4, 4);
  map->Update(35);
  EXPECT_EQ(map->Day, 2);
  EXPECT_EQ(map->PayDayProgress, 0);
  EXPECT_EQ(map->BankAccount, 1750);
}

TEST_F(PayDays, IncomesBeyondTheMaximumLeaveTheMaximum) {
  ChangeRules([](Balance& rules) {
    for (BuildingLevelBalance& level : rules.GetBuilding(BDK_Chateau).Levels) level.Income = 600000000;
  });
  for (int x = 4; x < 28; x += 6) PlaceHouse(x, 4, BDK_Chateau);
  // Four of them earn more than an int holds: the total stops at its top.
  EXPECT_EQ(map->TotalIncome, std::numeric_limits<int>::max());
  map->BankAccount = 5;
  RunToPayDay();
  EXPECT_EQ(map->BankAccount, Map::MaxMoney);
  EXPECT_EQ(map->LastPayDayIncome, std::numeric_limits<int>::max());
}

TEST_F(PayDays, ABoughtRivalHouseStartsThePayDays) {
  auto* rival = new House(BDK_Bungalow);
  rival->IsRival = true;
  map->PlaceBuilding(rival, 4, 4, false);
  ASSERT_FALSE(map->HasIncomeBuilding);
  rival->isForSale = true;
  rival->Price = 500;
  rival->Buy();
  EXPECT_TRUE(map->HasIncomeBuilding);
  RunToPayDay();
  EXPECT_EQ(map->Day, 2);
  EXPECT_EQ(map->BankAccount, 1000 - 500 + 750);
}

TEST_F(PayDays, AStadiumStartsThemWhenItsConstructionEndsNotWhenItIsOrdered) {
  // The stadium needs four vans.
  for (int i = 0; i < 2; ++i) office->Vans.push_back(std::make_unique<FakeVan>());
  Building* stadium = Order(BDK_Stadium, 4, 4);
  EXPECT_FALSE(map->HasIncomeBuilding);
  ASSERT_EQ(stadium->VansAssigned.size(), 4u);
  map->InstantJobs = true;
  FinishJob(stadium);
  ASSERT_FALSE(stadium->HasJob());
  EXPECT_TRUE(map->HasIncomeBuilding);
}

TEST_F(PayDays, APlacedHousesPreviewIsNoIncomeBuilding) {
  map->StartConstruction(CreateBuilding(BDK_Bungalow), false);
  MoveConstructionTo(4, 4);
  EXPECT_FALSE(map->HasIncomeBuilding);
}

TEST_F(PayDays, AMapNotYetStartedRunsNoEconomy) {
  map = std::make_unique<Map>();
  map->Presenter = &presenter;
  Build({"##########", "..........", "..........", ".........."});
  PlaceHouse(0, 1);
  Run(30);
  EXPECT_EQ(map->Day, 1);
  EXPECT_EQ(map->GameTime, 0);
}

// ---- money

TEST_F(PayDays, TransfersStayBetweenZeroAndTheMaximum) {
  struct Case {
    int Account, Amount;
    bool Accepted;
    int After;
  };
  const Case cases[] = {
      {400, -500, false, 400},
      {400, -400, true, 0},
      {400, 250, true, 650},
      {999999000, 5000, true, 999999999},
      {Map::MaxMoney, 2147483647, true, Map::MaxMoney},
  };
  for (const Case& c : cases) {
    map->BankAccount = c.Account;
    listener.Events.clear();
    presenter.Log.clear();
    EXPECT_EQ(map->CanTransferMoney(c.Amount), c.Accepted) << c.Account << " " << c.Amount;
    EXPECT_EQ(map->TransferMoney(c.Amount), c.Accepted) << c.Account << " " << c.Amount;
    EXPECT_EQ(map->BankAccount, c.After) << c.Account << " " << c.Amount;
    EXPECT_EQ(listener.Only("OnMoneyChanged").size(), c.Accepted ? 1u : 0u);
    // The HUD's counter is fed what really arrived.
    std::vector<std::string> fed;
    if (c.Accepted) fed.push_back(std::to_string(c.After - c.Account));
    EXPECT_EQ(presenter.Only("transferred "), fed);
  }
}

// ---- company value

class CompanyValue : public EconomyTest {};

TEST_F(CompanyValue, SumsThePlayersPositiveValuesGrownByTheMoneyStores) {
  Build({"..........", "..........", "..........", ".........."});
  map->PlaceBuilding(new ValuedBuilding(12000, false), 0, 0, false);
  map->PlaceBuilding(new ValuedBuilding(345, false), 1, 0, false);
  map->PlaceBuilding(new ValuedBuilding(5000, true), 2, 0, false);  // a rival's
  map->PlaceBuilding(new ValuedBuilding(-100, false), 3, 0, false);
  struct Case {
    uint32_t Upgrades;
    uint64_t Value;
  };
  const Case cases[] = {
      {0, 12345},
      {1u << OFUP_MoneyStore, 13579},
      {1u << OFUP_MoneyStore2, 14814},
      {(1u << OFUP_MoneyStore) | (1u << OFUP_MoneyStore2), 14814},
  };
  for (const Case& c : cases) {
    map->OfficeUpgrades = c.Upgrades;
    EXPECT_EQ(map->GetCompanyValue(), c.Value) << c.Upgrades;
  }
}

TEST_F(CompanyValue, DoesNotWrapForATownOfDearBuildings) {
  Build({"..........", "..........", "..........", ".........."});
  for (int x = 0; x < 4; ++x) map->PlaceBuilding(new ValuedBuilding(2000000000, false), x, 0, false);
  EXPECT_EQ(map->GetCompanyValue(), 8000000000ull);
}

// ---- rival offers

class RivalOffers : public EconomyTest {
protected:
  void SetUp() override {
    EconomyTest::SetUp();
    BuildTown();
  }
  House* PlaceRivalHouse(int x, int priority = 0) {
    House* house = PlaceHouse(x, 4);
    house->SetRival(true);
    house->SalePriority = priority;
    return house;
  }
  // The rival buildings chosen by count offers, each taken off the market again.
  std::vector<int> CountChoices(const std::vector<Building*>& buildings, int count) {
    std::vector<int> chosen(buildings.size());
    for (int i = 0; i < count; ++i) {
      map->MakeRivalOffer();
      for (size_t b = 0; b < buildings.size(); ++b) {
        if (!buildings[b]->isForSale) continue;
        ++chosen[b];
        buildings[b]->isForSale = false;
        buildings[b]->OfferCount = 0;
      }
    }
    return chosen;
  }
};

TEST_F(RivalOffers, TheFirstOfferComesAtOnceAtAPriceNearTheMarketValue) {
  House* rival = PlaceRivalHouse(4);
  presenter.Log.clear();
  map->Update(0.1f);
  ASSERT_TRUE(rival->isForSale);
  EXPECT_EQ(rival->OfferCount, 1);
  EXPECT_GE(rival->SaleTimer, 6);
  EXPECT_LE(rival->SaleTimer, 12);
  int value = rival->GetMarketValue();
  bool onStep = false;
  for (int step = -6; step <= 5; ++step)
    onStep = onStep || rival->Price == Tessel::RoundPrice(value + static_cast<int>(std::round(step * 0.05 * value)));
  EXPECT_TRUE(onStep) << rival->Price << " for a value of " << value;
  EXPECT_TRUE(presenter.Has("sound sounds/forSale.ogg"));
  EXPECT_GE(map->NextRivalOfferTime - map->GameTime, 20);
  EXPECT_LE(map->NextRivalOfferTime - map->GameTime, 60);
}

TEST_F(RivalOffers, PricesSpreadOverTheTwelveStepsAroundTheValue) {
  House* rival = PlaceRivalHouse(4);
  int value = rival->GetMarketValue();
  std::set<int> prices;
  for (int i = 0; i < 400; ++i) {
    map->MakeRivalOffer();
    prices.insert(rival->Price);
    rival->isForSale = false;
  }
  EXPECT_EQ(*prices.begin(), Tessel::RoundPrice(value - static_cast<int>(std::round(0.3 * value))));
  EXPECT_EQ(*prices.rbegin(), Tessel::RoundPrice(value + static_cast<int>(std::round(0.25 * value))));
}

TEST_F(RivalOffers, OnlyRivalsThatMayOfferAndAreNotOnTheMarketAreCandidates) {
  House* unmarketable = PlaceRivalHouse(4);
  unmarketable->SetUnmarketable(true);
  House* onOffer = PlaceRivalHouse(8);
  onOffer->isForSale = true;
  onOffer->Price = 1234;
  PlaceHouse(12, 4);  // the player's
  Building* workshop = Place(BDK_Workshop, 16, 4);
  workshop->SetRival(true);
  presenter.Log.clear();
  for (int i = 0; i < 20; ++i) map->MakeRivalOffer();
  EXPECT_FALSE(unmarketable->isForSale);
  EXPECT_EQ(onOffer->Price, 1234);
  EXPECT_EQ(onOffer->OfferCount, 0);
  EXPECT_FALSE(workshop->isForSale);
  EXPECT_TRUE(presenter.Only("sound ").empty());
}

TEST_F(RivalOffers, ChoicesFollowPriorityKindAndEarlierOffers) {
  // Weights: priority 2 gives 3000, priority 0 1000, a shop of priority 0 500.
  House* favourite = PlaceRivalHouse(4, 2);
  House* plain = PlaceRivalHouse(8);
  Building* shop = Place(BDK_Shop, 12, 4);
  shop->SetRival(true);
  std::vector<int> chosen = CountChoices({favourite, plain, shop}, 4500);
  EXPECT_NEAR(chosen[0], 3000, 150);
  EXPECT_NEAR(chosen[1], 1000, 100);
  EXPECT_NEAR(chosen[2], 500, 75);
}

TEST_F(RivalOffers, EachOfferMakesTheNextOfTheSameBuildingRarer) {
  House* offeredTwice = PlaceRivalHouse(4);
  House* fresh = PlaceRivalHouse(8);
  offeredTwice->OfferCount = 2;  // weight 500 against 1000
  int twice = 0, once = 0;
  for (int i = 0; i < 3000; ++i) {
    map->MakeRivalOffer();
    if (offeredTwice->isForSale) ++twice;
    if (fresh->isForSale) ++once;
    offeredTwice->isForSale = fresh->isForSale = false;
    offeredTwice->OfferCount = 2;
    fresh->OfferCount = 0;
  }
  EXPECT_NEAR(twice, 1000, 90);
  EXPECT_NEAR(once, 2000, 90);
}

TEST_F(RivalOffers, ARivalWithoutALevelIsAContractViolation) {
  House* rival = PlaceRivalHouse(4);
  rival->LevelBalance = nullptr;
  try {
    map->MakeRivalOffer();
    FAIL() << "no assertion";
  } catch (const Tessel::AssertionFailedException& e) {
    EXPECT_EQ(e.Message, "building->LevelBalance != 0");
  }
}

TEST_F(RivalOffers, DoubleSpeedHalvesThePendingWaitAndTheIntervals) {
  map->Update(0.1f);  // the first offer, at once
  map->NextRivalOfferTime = map->GameTime + 40;
  map->SetRivalsBeforeSellTimerSpeed(2);
  EXPECT_NEAR(map->NextRivalOfferTime - map->GameTime, 20, 1e-3);
  // Setting the same speed again changes nothing.
  map->SetRivalsBeforeSellTimerSpeed(2);
  EXPECT_NEAR(map->NextRivalOfferTime - map->GameTime, 20, 1e-3);
  for (int i = 0; i < 20; ++i) {
    map->NextRivalOfferTime = map->GameTime;
    map->Update(0.01f);
    float interval = map->NextRivalOfferTime - map->GameTime;
    EXPECT_GE(interval, 10 - 1e-3);
    EXPECT_LE(interval, 30 + 1e-3);
  }
}

TEST_F(RivalOffers, SpeedZeroHoldsTheOffersAndKeepsTheirWait) {
  House* rival = PlaceRivalHouse(4);
  map->Update(0.1f);
  rival->isForSale = false;
  map->NextRivalOfferTime = map->GameTime + 30;
  for (float speed : {0.0f, -1.0f, NAN}) {
    map->SetRivalsBeforeSellTimerSpeed(speed);
    EXPECT_EQ(map->RivalsBeforeSellTimerSpeed, 0);
  }
  Run(120);
  EXPECT_FALSE(rival->isForSale);
  map->SetRivalsBeforeSellTimerSpeed(1);
  EXPECT_NEAR(map->NextRivalOfferTime - map->GameTime, 30, 1e-3);
  Run(30.2f);
  EXPECT_TRUE(rival->isForSale);
}

TEST_F(RivalOffers, AnOfferRebuildsTheMenuOfTheSelectedRival) {
  House* rival = PlaceRivalHouse(4);
  map->BankAccount = 1000000;
  rival->Select();
  ASSERT_NE(rival->FindMenuButton(MENU_Buy), nullptr);
  EXPECT_FALSE(rival->FindMenuButton(MENU_Buy)->IsEnabled);
  map->MakeRivalOffer();
  EXPECT_TRUE(rival->FindMenuButton(MENU_Buy)->IsEnabled);
  EXPECT_EQ(rival->FindMenuButton(MENU_Buy)->Price, Tessel::RoundPrice(rival->Price));
}

// ---- switches

TEST_F(RivalOffers, TheUpgradeCapAndTheSellSwitchRebuildOpenMenus) {
  map->BankAccount = 1000000;
  House* house = PlaceHouse(4, 4);
  house->Select();
  ASSERT_NE(house->FindMenuButton(MENU_Upgrade), nullptr);
  ASSERT_NE(house->FindMenuButton(MENU_Sell), nullptr);
  map->SetMaxBuildingUpgradeLevel(0);
  EXPECT_EQ(house->FindMenuButton(MENU_Upgrade), nullptr);
  map->SetBuildingsCanBeSelled(false);
  EXPECT_EQ(house->FindMenuButton(MENU_Sell), nullptr);
  map->SetMaxBuildingUpgradeLevel(-1);
  EXPECT_NE(house->FindMenuButton(MENU_Upgrade), nullptr);
}

TEST_F(RivalOffers, TheFixedConstructionRectangleIsOnOnlyWithASize) {
  struct Case {
    const char* Text;
    bool IsOn;
    Tessel::Rect Area;
  };
  const Case cases[] = {
      {"3 4 2 2", true, {3, 4, 2, 2}}, {"3 4 0 2", false, {3, 4, 0, 2}}, {"3 4 2 -1", false, {3, 4, 2, -1}},
      {"3 4", false, {3, 4, 0, 0}},    {"junk", false, {0, 0, 0, 0}},    {"0x10 010 1 1", true, {16, 8, 1, 1}},
  };
  for (const Case& c : cases) {
    map->SetFixedConstructionRectangle(Tessel::String(c.Text));
    EXPECT_EQ(map->FixedConstructionRectangle.IsOn, c.IsOn) << c.Text;
    EXPECT_EQ(map->FixedConstructionRectangle.Area, c.Area) << c.Text;
  }
}

}  // namespace
