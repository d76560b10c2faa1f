// Commercial buildings: visitors, income and value, the timed ability and
// its rounds, and the dealership's taxis.

#include <algorithm>

#include "town/BuildingTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class CommercialBuildings : public BuildingTest {
protected:
  void SetUp() override {
    BuildingTest::SetUp();
    Build({
        "........................",
        "........................",
        "........................",
        "########################",
        "........................",
        "........................",
        "........................",
    });
    office = PlaceOffice(0, 1);
    map->BankAccount = 100000;
    map->BuildingsCanGetBroken = false;
  }
  // A shop at (8, 0) between two Bungalows of 4 people each.
  Commercial* ShopAmidHouses(bool ordered = false) {
    PlaceHouse(4, 0);
    PlaceHouse(11, 0);
    PlaceHouse(16, 4);  // out of reach
    Building* shop = ordered ? Order(BDK_Shop, 8, 0) : Place(BDK_Shop, 8, 0);
    return static_cast<Commercial*>(shop);
  }
  void MakeReady(Commercial* building) {
    map->InstantJobs = true;
    Run(0.1f);
    map->InstantJobs = false;
    ASSERT_TRUE(building->Ability.IsReady);
  }
  void UseAbility(Building* building) {
    building->Select();
    building->PressMenuButton(MENU_Ability);
  }
  float ButtonProgress(Building* building) { return building->FindMenuButton(MENU_Ability)->Progress; }
};

// The shipped Shop: value 10000, 45 per visitor and 25 of value per visitor.

TEST_F(CommercialBuildings, AttendanceIsThePeopleOfTheHousesItServes) {
  Commercial* shop = ShopAmidHouses();
  EXPECT_EQ(shop->GetAttendance(), 8);
  EXPECT_EQ(shop->GetIncome(), 360);
  EXPECT_EQ(shop->GetMarketValue(), 12000 + 8 * 25);
  EXPECT_EQ(map->TotalIncome, 3 * 750 + 360);
  static_cast<House*>(Square(4, 0)->Entity)->SetBroken(true);
  EXPECT_EQ(shop->GetAttendance(), 4);
  EXPECT_EQ(map->TotalIncome, 2 * 750 + 180);
}

TEST_F(CommercialBuildings, ItEarnsOnlyWhileItWorksForThePlayerAndIsOnNoMarket) {
  struct Case {
    const char* State;
    bool Ordered;
    std::function<void(Commercial*)> Apply;
    int Income;
  };
  const Case cases[] = {
      {"working", false, [](Commercial*) {}, 360},
      {"under construction", true, [](Commercial*) {}, 0},
      {"a rival's", false, [](Commercial* c) { c->SetRival(true); }, 0},
      {"for sale", false, [](Commercial* c) { c->PutUpForSale(12000, 100); }, 0},
  };
  for (const Case& c : cases) {
    Commercial* shop = ShopAmidHouses(c.Ordered);
    c.Apply(shop);
    EXPECT_EQ(shop->GetIncome(), c.Income) << c.State;
    EXPECT_EQ(shop->GetPotentialIncome(), 360) << c.State;
    for (Building* building : Tessel::Array<Building*>(map->Buildings))
      if (building != map->TheOffice) map->RemoveBuilding(building);
  }
}

TEST_F(CommercialBuildings, WithNoHousesAroundItHasNoVisitorsAndItsAbilityPaysNothing) {
  auto* shop = static_cast<Commercial*>(Place(BDK_Shop, 8, 0));
  EXPECT_EQ(shop->GetAttendance(), 0);
  EXPECT_EQ(shop->GetIncome(), 0);
  EXPECT_EQ(shop->GetMarketValue(), 12000);
  MakeReady(shop);
  UseAbility(shop);
  Run(11);
  EXPECT_EQ(map->BankAccount, 100000);
  EXPECT_TRUE(presenter.Has("money 0"));
  EXPECT_FALSE(shop->Ability.IsRunning());
}

TEST_F(CommercialBuildings, TheAbilityRechargesRunsItsRoundsAndRechargesAgain) {
  ChangeRules([](Balance& rules) {
    BuildingLevelBalance& shop = rules.GetBuilding(BDK_Shop).Levels[0];
    shop.SpecialAbilityCooldown = 20;
    shop.SpecialAbilityPeriod = 5;
    shop.SpecialAbilityNumRounds = 3;
    shop.SpecialAbilityValue = 2;
  });
  Commercial* shop = ShopAmidHouses(true);
  FinishJob(shop);
  // It recharges from the end of its construction.
  Run(19.9f);
  EXPECT_FALSE(shop->Ability.IsReady);
  Run(0.2f);
  ASSERT_TRUE(shop->Ability.IsReady);
  EXPECT_EQ(abilities.Of("Shop"), std::vector<std::string>{"OnSpecialAbilityReady Shop"});
  shop->Select();
  EXPECT_TRUE(shop->FindMenuButton(MENU_Ability)->IsEnabled);
  EXPECT_FLOAT_EQ(ButtonProgress(shop), -1);  // no bar on a ready button

  map->BankAccount = 0;
  abilities.Events.clear();
  UseAbility(shop);
  EXPECT_EQ(abilities.Events, std::vector<std::string>{"OnSpecialAbilityUsed Shop"});
  EXPECT_TRUE(presenter.Has("sound sounds/shopSale.ogg"));
  EXPECT_TRUE(presenter.Has("effect 15"));
  EXPECT_TRUE(shop->Ability.AbilityShowing);
  EXPECT_FALSE(shop->FindMenuButton(MENU_Ability)->IsEnabled);
  EXPECT_FLOAT_EQ(ButtonProgress(shop), 1);
  // Three rounds of 5 s, each paying twice the income of 360.
  struct Step {
    float Seconds;
    int Money;
    float Progress;
  };
  for (Step step : {Step{2.5f, 0, 5.0f / 6}, Step{2.6f, 720, 0.65f}, Step{5, 1440, 0.32f}, Step{5, 2160, 0}}) {
    Run(step.Seconds);
    EXPECT_EQ(map->BankAccount, step.Money) << step.Seconds;
    EXPECT_NEAR(ButtonProgress(shop), step.Progress, 0.02) << step.Seconds;
  }
  EXPECT_FALSE(shop->Ability.IsRunning());
  EXPECT_FALSE(shop->Ability.AbilityShowing);
  EXPECT_TRUE(presenter.Has("sound sounds/rent.ogg"));
  // Then the cooldown from nothing.
  Run(10);
  EXPECT_NEAR(ButtonProgress(shop), 0.5, 0.02);
  EXPECT_FALSE(shop->Ability.IsReady);
  Run(10.1f);
  EXPECT_TRUE(shop->Ability.IsReady);
}

TEST_F(CommercialBuildings, ASaleOrANewOwnerSendsTheAbilityBackToRecharging) {
  struct Case {
    const char* Change;
    std::function<void(Commercial*)> Apply;
  };
  const Case cases[] = {
      {"put up for sale", [](Commercial* c) { c->PutUpForSale(12000, 100); }},
      {"passed to a rival", [](Commercial* c) { c->SetRival(true); }},
  };
  for (const Case& c : cases) {
    auto* shop = static_cast<Commercial*>(Place(BDK_Shop, 8, 0));
    MakeReady(shop);
    UseAbility(shop);
    Run(1);
    c.Apply(shop);
    EXPECT_FALSE(shop->Ability.IsRunning()) << c.Change;
    EXPECT_FALSE(shop->Ability.IsReady) << c.Change;
    EXPECT_FALSE(shop->Ability.AbilityShowing) << c.Change;
    EXPECT_FLOAT_EQ(shop->Ability.AbilityTimer, 0) << c.Change;
    Run(5);  // and no recharging while it is not the player's to use
    EXPECT_FLOAT_EQ(shop->Ability.AbilityTimer, 0) << c.Change;
    map->RemoveBuilding(shop);
  }
}

TEST_F(CommercialBuildings, ARechargingAbilitySaysSo) {
  auto* shop = static_cast<Commercial*>(Place(BDK_Shop, 8, 0));
  UseAbility(shop);
  EXPECT_EQ(presenter.Only("hint "), std::vector<std::string>{"AssistantHint.WaitRechargingAbility"});
  EXPECT_FALSE(shop->Ability.IsRunning());
}

TEST_F(CommercialBuildings, InstantJobsRechargeTheAbilityAtOnce) {
  auto* shop = static_cast<Commercial*>(Place(BDK_Shop, 8, 0));
  map->InstantJobs = true;
  map->Update(0.01f);
  EXPECT_TRUE(shop->Ability.IsReady);
}

TEST_F(CommercialBuildings, ADemolitionEndsARunningAbilityWithoutPaying) {
  Commercial* shop = ShopAmidHouses();
  MakeReady(shop);
  UseAbility(shop);
  map->BankAccount = 0;
  shop->TryDemolish();
  Run(0.1f);
  EXPECT_FALSE(shop->Ability.IsRunning());
  EXPECT_FALSE(shop->Ability.AbilityShowing);
  Run(5);
  EXPECT_EQ(map->BankAccount, 0);
}

TEST_F(CommercialBuildings, EachKindHasItsAbilitysNameSoundAndYield) {
  struct Case {
    BuildingKind Kind;
    const char* ToolTip;
    const char* Sound;
    const char* YieldRow;
  };
  const Case cases[] = {
      {BDK_Shop, "Hud.BuildingMenu.Sale", "sound sounds/shopSale.ogg", "Hud.Info.SaleIncome"},
      {BDK_AmusementPark, "Hud.BuildingMenu.Fest", "sound sounds/festival.ogg", "Hud.Info.FestIncome"},
      {BDK_Cinema, "Hud.BuildingMenu.Premiere", "sound sounds/cinemaPremiere.ogg", "Hud.Info.PremiereIncome"},
      {BDK_Dealership, "Hud.BuildingMenu.Expo", "sound sounds/exhibition.ogg", "Hud.Info.ExpoIncome"},
  };
  for (const Case& c : cases) {
    auto* building = PlaceAs<Commercial>(c.Kind, 8, 4);
    std::vector<std::string> keys = InfoKeys(building);
    EXPECT_NE(std::find(keys.begin(), keys.end(), c.YieldRow), keys.end()) << c.YieldRow;
    MakeReady(building);
    building->Select();
    EXPECT_EQ(building->FindMenuButton(MENU_Ability)->ToolTipKey, c.ToolTip);
    presenter.Log.clear();
    building->PressMenuButton(MENU_Ability);
    EXPECT_TRUE(presenter.Has(c.Sound)) << c.Sound;
    map->RemoveBuilding(building);
  }
}

TEST_F(CommercialBuildings, TheInfoRowsTellTheYieldAndTheVisitors) {
  Commercial* shop = ShopAmidHouses();
  // The shipped Shop pays one round of 1.5 times its income.
  EXPECT_EQ(InfoValue(shop, "Hud.Info.SaleIncome"), 540);
  EXPECT_EQ(InfoValue(shop, "Hud.Info.Attendance"), 8);
  auto* site = static_cast<Commercial*>(Order(BDK_Shop, 8, 4));
  std::vector<std::string> keys = InfoKeys(site);
  EXPECT_EQ(std::find(keys.begin(), keys.end(), "Hud.Info.SaleIncome"), keys.end());
  EXPECT_EQ(InfoValue(site, "Hud.Info.PotentialAttendance"), site->GetAttendance());
  EXPECT_EQ(keys.back(), "Hud.Progress.Construct");  // the job's row closes the cloud
  shop->SetRival(true);
  keys = InfoKeys(shop);
  EXPECT_EQ(std::find(keys.begin(), keys.end(), "Hud.Info.Attendance"), keys.end());
}

TEST_F(CommercialBuildings, TheAmusementParksRidesTurnWhileItsFestivalRuns) {
  auto* park = PlaceAs<Commercial>(BDK_AmusementPark, 8, 4);
  Run(1);
  EXPECT_FLOAT_EQ(park->AnimationPhase, 0);
  MakeReady(park);
  UseAbility(park);
  Run(1);
  EXPECT_NEAR(park->AnimationPhase, 4, 1e-3);
}

TEST_F(CommercialBuildings, TheReadySignFadesInAndOut) {
  auto* shop = static_cast<Commercial*>(Place(BDK_Shop, 8, 0));
  EXPECT_FLOAT_EQ(shop->IndicatorFade, 0);
  MakeReady(shop);
  Run(1);
  EXPECT_FLOAT_EQ(shop->IndicatorFade, 3);
  UseAbility(shop);
  Run(0.25f, 0.05f);
  EXPECT_NEAR(shop->IndicatorFade, 1.5, 1e-4);
}

TEST_F(CommercialBuildings, AnAbilityWithoutCooldownOrLengthShowsAFullOrAnEmptyBar) {
  BuildingLevelBalance level;
  level.SpecialAbilityCooldown = 0;
  level.SpecialAbilityPeriod = 0;
  level.SpecialAbilityNumRounds = 2;
  SpecialAbility ability(MENU_Ability);
  EXPECT_FLOAT_EQ(ability.GetProgress(level), 1);  // recharged at once
  ability.RoundsLeft = 1;
  EXPECT_FLOAT_EQ(ability.GetProgress(level), 0);  // rounds of no time
}

// ---- the dealership's taxis

class DealershipTaxis : public CommercialBuildings {
protected:
  void SetUp() override {
    CommercialBuildings::SetUp();
    ChangeRules([](Balance& rules) {
      rules.GetBuilding(BDK_Apartments).Levels[0].Population = 25;
      rules.GetBuilding(BDK_BrickHouse).Levels[0].Population = 15;
    });
    apartments = PlaceHouse(4, 0, BDK_Apartments);
    PlaceHouse(12, 0, BDK_BrickHouse);
  }
  House* apartments = nullptr;
};

TEST_F(DealershipTaxis, ADealershipKeepsATaxiForEveryEightVisitors) {
  auto* dealership = PlaceAs<Dealership>(BDK_Dealership, 8, 0);
  ASSERT_EQ(dealership->GetAttendance(), 40);
  EXPECT_EQ(traffic.CountOf(dealership), 0);
  Run(3.05f);
  EXPECT_EQ(traffic.ModelsOf(dealership), std::vector<int>(5, Dealership::TaxiModel));
  apartments->SetBroken(true);  // 15 visitors: 1.875 taxis
  Run(3);
  EXPECT_EQ(traffic.CountOf(dealership), 1);
  // The last ones were let go.
  std::vector<Building*> owners;
  for (const std::unique_ptr<FakeCar>& car : traffic.Cars)
    if (car->Model == Dealership::TaxiModel) owners.push_back(car->Owner);
  EXPECT_EQ(owners, (std::vector<Building*>{dealership, nullptr, nullptr, nullptr, nullptr}));
}

TEST_F(DealershipTaxis, AFinishedDealershipStartsItsFleetAtOnce) {
  auto* dealership = static_cast<Dealership*>(Order(BDK_Dealership, 8, 0));
  FinishJob(dealership);
  EXPECT_EQ(traffic.CountOf(dealership), 5);
  EXPECT_FLOAT_EQ(dealership->IndicatorFade, 3);
}

TEST_F(DealershipTaxis, ADealershipLetsItsTaxisGoWhenItLeaves) {
  auto* dealership = PlaceAs<Dealership>(BDK_Dealership, 8, 0);
  Run(3.05f);
  ASSERT_EQ(traffic.CountOf(dealership), 5);
  map->RemoveBuilding(dealership);
  EXPECT_EQ(traffic.CountOf(dealership), 0);
}

}  // namespace
