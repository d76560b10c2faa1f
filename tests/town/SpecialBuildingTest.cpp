// Special buildings: the landmarks a level places unbuilt and the player
// orders, the bridge's road, the stadium's and the airport's income and
// ability, the steel works that is only bought; and the class of every kind.

#include <algorithm>
#include <cmath>

#include "game/town/BridgeDeck.h"
#include "tessel/widgets/WidgetGuard.h"
#include "town/BuildingTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class SpecialBuildings : public BuildingTest {
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
        "........................",
        "........................",
        "........................",
    });
    PlaceVanOffice(0, 1, 4);
    map->BankAccount = 200000;
    map->BuildingsCanGetBroken = false;
  }
  SpecialToConstruct* PlaceLandmark(BuildingKind kind, int x, int y) { return PlaceAs<SpecialToConstruct>(kind, x, y); }
  // Its construction job started and finished (a level's site).
  void Construct(SpecialToConstruct* landmark) {
    landmark->StartJob(JOB_Construct, false);
    FinishJob(landmark);
  }
  // Ordered and finished as the player's construct button does it.
  SpecialToConstruct* BuildLandmark(BuildingKind kind, int x, int y) {
    SpecialToConstruct* landmark = PlaceLandmark(kind, x, y);
    map->BankAccount += landmark->Balance->Levels[0].Value;
    landmark->Select();
    landmark->PressMenuButton(MENU_Construct);
    FinishJob(landmark);
    return landmark;
  }
};

// The shipped Stadium costs 160000 and needs 4 vans.

TEST_F(SpecialBuildings, TheFactoryMakesEachKindsClass) {
  struct Case {
    BuildingKind Kind;
    const char* Class;
  };
  const Case cases[] = {
      {BDK_Bungalow, "House"},          {BDK_Chateau, "House"},
      {BDK_Workshop, "Workshop"},       {BDK_Shop, "Commercial"},
      {BDK_Cinema, "Commercial"},       {BDK_Dealership, "Dealership"},
      {BDK_Tree, "Park"},               {BDK_ChineseGarden, "Park"},
      {BDK_SteelWorks, "SpecialSteelWorks"}, {BDK_Bridge, "SpecialToConstruct"},
      {BDK_Stadium, "SpecialToConstruct"},   {BDK_StadiumCheap, "SpecialToConstruct"},
      {BDK_Airport, "SpecialToConstruct"},   {BDK_Hotel, "SpecialToConstruct"},
  };
  for (Case c : cases) {
    std::unique_ptr<Building> building(CreateBuilding(c.Kind));
    EXPECT_STREQ(building->GetClass()->Name, c.Class) << GetBuildingKindName(c.Kind);
    EXPECT_TRUE(Tessel::IsKindOf<Building>(building.get()));
  }
  for (const char* name : {"House", "Park", "Workshop", "Commercial", "Dealership", "SpecialSteelWorks", "SpecialToConstruct"})
    EXPECT_NE(Tessel::ClassRegistry::Find(name), nullptr) << name;
}

TEST_F(SpecialBuildings, OrderingALandmarkNeedsTheMoneyAndTheVans) {
  struct Case {
    int Vans, Money;
    const char* Hint;  // null: the button is enabled
  };
  const Case cases[] = {
      {4, 160000, nullptr},
      {3, 200000, "AssistantHint.NoVansToConstructBuilding"},
      {4, 159999, "AssistantHint.NoMoneyToConstructBuilding"},
      {3, 100000, "AssistantHint.NoMoneyToConstructBuilding"},
  };
  SpecialToConstruct* stadium = PlaceLandmark(BDK_Stadium, 8, 4);
  for (Case c : cases) {
    map->RemoveBuilding(map->TheOffice);
    PlaceVanOffice(0, 1, c.Vans);
    map->BankAccount = c.Money;
    presenter.Log.clear();
    stadium->Select();
    EXPECT_EQ(MenuIds(stadium), std::vector<int>{MENU_Construct});
    const BuildingMenuButton* construct = stadium->FindMenuButton(MENU_Construct);
    EXPECT_EQ(construct->CaptionKey, "Hud.BuildingMenu.Construct");
    EXPECT_EQ(construct->IsEnabled, c.Hint == nullptr) << c.Vans << " " << c.Money;
    if (c.Hint) {
      stadium->PressMenuButton(MENU_Construct);
      EXPECT_EQ(presenter.Only("hint "), std::vector<std::string>{c.Hint});
      EXPECT_FALSE(stadium->HasJob());
      EXPECT_EQ(map->BankAccount, c.Money);
    }
  }
}

TEST_F(SpecialBuildings, OrderingALandmarkPaysForItAndCallsTheVans) {
  SpecialToConstruct* stadium = PlaceLandmark(BDK_Stadium, 8, 4);
  stadium->Select();
  stadium->PressMenuButton(MENU_Construct);
  EXPECT_EQ(map->BankAccount, 40000);
  EXPECT_EQ(stadium->JobRequired, JOB_Construct);
  EXPECT_EQ(stadium->VansAssigned.size(), 4);
  EXPECT_EQ(abilities.Events, std::vector<std::string>{"OnSpecialConstructionOrdered Stadium"});
  EXPECT_EQ(MenuIds(stadium), std::vector<int>{MENU_Cancel});
  EXPECT_FALSE(stadium->IsOperational());
}

TEST_F(SpecialBuildings, ACancelledOrderKeepsTheLandmarkUnbuiltWhereItStands) {
  SpecialToConstruct* stadium = PlaceLandmark(BDK_Stadium, 8, 4);
  stadium->Select();
  stadium->PressMenuButton(MENU_Construct);
  stadium->Select();
  stadium->PressMenuButton(MENU_Cancel);
  EXPECT_EQ(map->BankAccount, 200000);
  EXPECT_NE(map->Buildings.IndexOf(stadium), -1);
  EXPECT_FALSE(stadium->IsBuilt);
  EXPECT_EQ(MenuIds(stadium), std::vector<int>{MENU_Construct});
}

TEST_F(SpecialBuildings, AFinishedLandmarkIsBuiltAndWantsNoRoadAnyMore) {
  SpecialToConstruct* stadium = PlaceLandmark(BDK_Stadium, 8, 4);
  EXPECT_TRUE(stadium->NeedsRoad);
  EXPECT_FALSE(stadium->IsOperational());
  Construct(stadium);
  EXPECT_TRUE(stadium->IsBuilt);
  EXPECT_TRUE(stadium->IsConstructed());
  EXPECT_FALSE(stadium->NeedsRoad);
  EXPECT_EQ(listener.Only("OnBuildingConstructed"), std::vector<std::string>{"OnBuildingConstructed Stadium 8 4"});
  EXPECT_EQ(MenuIds(stadium), std::vector<int>{MENU_SpecialAbility});
  SpecialToConstruct* hotel = BuildLandmark(BDK_Hotel, 14, 4);
  EXPECT_TRUE(MenuIds(hotel).empty());  // no ability of its own
}

TEST_F(SpecialBuildings, TheInfoRowsOfAnUnbuiltLandmarkTellWhatItTakes) {
  SpecialToConstruct* stadium = PlaceLandmark(BDK_Stadium, 8, 4);
  EXPECT_EQ(InfoValue(stadium, "Hud.Info.ConstructionCost"), 160000);
  EXPECT_EQ(InfoValue(stadium, "Hud.Info.RequiresVans"), 4);
  Construct(stadium);
  std::vector<std::string> keys = InfoKeys(stadium);
  EXPECT_EQ(std::find(keys.begin(), keys.end(), "Hud.Info.ConstructionCost"), keys.end());
  EXPECT_NE(std::find(keys.begin(), keys.end(), "Hud.Info.Attendance"), keys.end());
}

TEST_F(SpecialBuildings, TheConstructButtonFollowsTheMoneyAndTheVansDelivered) {
  map->RemoveBuilding(map->TheOffice);
  VanOffice* vans = PlaceVanOffice(0, 1, 3);
  map->BankAccount = 100000;
  SpecialToConstruct* stadium = PlaceLandmark(BDK_Stadium, 8, 4);
  stadium->Select();
  map->TransferMoney(100000);
  EXPECT_FALSE(stadium->FindMenuButton(MENU_Construct)->IsEnabled);  // the vans are still short
  vans->Vans.push_back(std::make_unique<FakeVan>());
  map->Broadcast(&MapListener::OnVanDelivered, static_cast<Office*>(vans));
  EXPECT_TRUE(stadium->FindMenuButton(MENU_Construct)->IsEnabled);
  map->TransferMoney(-50000);
  EXPECT_FALSE(stadium->FindMenuButton(MENU_Construct)->IsEnabled);
}

TEST_F(SpecialBuildings, PressesTheLandmarkCannotCarryOutAreContractViolations) {
  SpecialToConstruct* stadium = PlaceLandmark(BDK_Stadium, 8, 4);
  map->BankAccount = 0;
  auto expectAssertion = [](const std::function<void()>& press, const char* assertion) {
    try {
      press();
      ADD_FAILURE() << "no assertion " << assertion;
    } catch (const Tessel::AssertionFailedException& e) {
      EXPECT_EQ(e.Message, assertion);
    }
  };
  expectAssertion([&] { stadium->OnMenuButton(MENU_Construct); }, "CanConstruct()");
  expectAssertion([&] { stadium->OnMenuButton(MENU_SpecialAbility); }, "IsConstructed()");
  Construct(stadium);
  stadium->Unselect();
  expectAssertion([&] { stadium->OnMenuButton(MENU_SpecialAbility); }, "btnSpecialAbility != NULL");
}

// ---- the bridge

TEST_F(SpecialBuildings, AFinishedBridgeLaysTheRoadAlongItsRow) {
  SpecialToConstruct* bridge = PlaceLandmark(BDK_Bridge, 10, 6);
  listener.Events.clear();
  Construct(bridge);
  for (int x = 10; x < 14; ++x) EXPECT_TRUE(Square(x, 6)->IsRoad) << x;
  EXPECT_EQ(listener.Only("OnRoadAdded"), (std::vector<std::string>{"OnRoadAdded 10 6", "OnRoadAdded 11 6",
                                                                     "OnRoadAdded 12 6", "OnRoadAdded 13 6"}));
  ASSERT_NE(bridge->Deck, nullptr);
  EXPECT_EQ(bridge->Deck->GetParent(), map.get());
  EXPECT_EQ(bridge->Deck->GetDrawOrder(), 6 * 40);  // under what crosses it
  EXPECT_FALSE(bridge->Deck->IsHitTestable);
}

TEST_F(SpecialBuildings, ABridgeBuiltOverARoadLeavesTheRoadAsItIs) {
  SpecialToConstruct* bridge = PlaceLandmark(BDK_Bridge, 10, 3);
  listener.Events.clear();
  Construct(bridge);
  EXPECT_TRUE(listener.Only("OnRoadAdded").empty());
  EXPECT_NE(bridge->Deck, nullptr);
}

TEST_F(SpecialBuildings, TheDeckGoesWithItsBridge) {
  SpecialToConstruct* bridge = PlaceLandmark(BDK_Bridge, 10, 6);
  Construct(bridge);
  Tessel::WidgetGuard deck(bridge->Deck);
  map->RemoveBuilding(bridge);
  Run(0.1f);
  EXPECT_FALSE(deck);
}

// ---- the stadium and the airport

TEST_F(SpecialBuildings, TheStadiumEarnsFromTheWholeTown) {
  ChangeRules([](Balance& rules) {
    rules.GetBuilding(BDK_Stadium).Levels[0].IncomePerVisitor = 10;
    rules.GetBuilding(BDK_Stadium).Levels[0].Population = 10;
  });
  for (int x : {4, 8, 12}) PlaceHouse(x, 0);  // 4 people each
  SpecialToConstruct* stadium = PlaceLandmark(BDK_Stadium, 8, 4);
  EXPECT_EQ(stadium->GetIncome(), 0);
  EXPECT_EQ(stadium->GetPopulation(), 0);
  EXPECT_EQ(stadium->GetPotentialIncome(), 220);  // (12 + its own 10) x 10
  Construct(stadium);
  EXPECT_EQ(stadium->GetPopulation(), 10);
  EXPECT_EQ(stadium->GetIncome(), 220);
  // The map's sum asks for the stadium's income in the middle of it.
  EXPECT_EQ(map->TotalIncome, 3 * 750 + 220);
  EXPECT_EQ(map->Population, 22);
  stadium->SetRival(true);
  EXPECT_EQ(stadium->GetIncome(), 0);
}

TEST_F(SpecialBuildings, OnlyTheStadiumAndTheAirportEarn) {
  PlaceHouse(4, 0);
  for (BuildingKind kind : {BDK_Hotel, BDK_WindPowerplant}) {
    SpecialToConstruct* landmark = BuildLandmark(kind, 8, 4);
    EXPECT_EQ(landmark->GetIncome(), 0) << GetBuildingKindName(kind);
    EXPECT_EQ(landmark->GetPotentialIncome(), 0) << GetBuildingKindName(kind);
    map->RemoveBuilding(landmark);
  }
}

TEST_F(SpecialBuildings, TheStadiumsMatchAndTheAirportsFlightPayRoundsSilently) {
  ChangeRules([](Balance& rules) {
    for (BuildingKind kind : {BDK_Stadium, BDK_Airport}) {
      BuildingLevelBalance& level = rules.GetBuilding(kind).Levels[0];
      level.IncomePerVisitor = 10;
      level.SpecialAbilityCooldown = 0;
      level.SpecialAbilityPeriod = 2;
      level.SpecialAbilityNumRounds = 1;
      level.SpecialAbilityValue = 3;
    }
  });
  PlaceHouse(4, 0);
  struct Case {
    BuildingKind Kind;
    const char* ToolTip;
  };
  for (Case c : {Case{BDK_Stadium, "Hud.StadiumMenu.HoldMatch"}, Case{BDK_Airport, "Hud.AirportMenu.CommercialFlight"}}) {
    SpecialToConstruct* landmark = BuildLandmark(c.Kind, 8, 4);
    Run(0.1f);  // a cooldown of 0: ready at the next step
    ASSERT_TRUE(landmark->Ability.IsReady) << c.ToolTip;
    landmark->Select();
    EXPECT_EQ(landmark->FindMenuButton(MENU_SpecialAbility)->ToolTipKey, c.ToolTip);
    presenter.Log.clear();
    abilities.Events.clear();
    int money = map->BankAccount;
    landmark->PressMenuButton(MENU_SpecialAbility);
    EXPECT_TRUE(presenter.Only("sound ").empty()) << c.ToolTip;
    EXPECT_EQ(abilities.Events.size(), 1u);
    Run(2.1f);
    EXPECT_EQ(map->BankAccount, money + 3 * 40) << c.ToolTip;  // 4 people x 10, three times
    map->RemoveBuilding(landmark);
  }
}

TEST_F(SpecialBuildings, AnAbilityWithoutRoundsEndsAsItStarts) {
  // Balance settings may give an ability no rounds and no cooldown.
  ChangeRules([](Balance& rules) {
    BuildingLevelBalance& flight = rules.Buildings[BDK_Airport].Levels[0];
    flight.SpecialAbilityNumRounds = 0;
    flight.SpecialAbilityCooldown = 0;
  });
  SpecialToConstruct* airport = BuildLandmark(BDK_Airport, 8, 4);
  Run(0.1f);
  ASSERT_TRUE(airport->Ability.IsReady);
  airport->Select();
  presenter.Log.clear();
  airport->PressMenuButton(MENU_SpecialAbility);
  EXPECT_FALSE(airport->Ability.IsRunning());
  EXPECT_FALSE(airport->Ability.AbilityShowing);
  EXPECT_FALSE(presenter.Has("effect 0"));
  EXPECT_EQ(abilities.Events.back(), "OnSpecialAbilityUsed Airport");
  Run(0.1f);
  EXPECT_TRUE(airport->Ability.IsReady);
}

// ---- the steel works

TEST_F(SpecialBuildings, TheSteelWorksIsBoughtWhenItIsOffered) {
  auto* works = PlaceAs<SpecialSteelWorks>(BDK_SteelWorks, 8, 4);
  works->SetRival(true);
  works->SetDisplayedForSale(true, 50000, 0, true);
  works->Select();
  EXPECT_EQ(MenuIds(works), std::vector<int>{MENU_Buy});
  EXPECT_EQ(works->FindMenuButton(MENU_Buy)->Price, 50000);
  works->PressMenuButton(MENU_Buy);
  EXPECT_TRUE(works->IsBought);
  EXPECT_FALSE(works->IsRival);
  EXPECT_EQ(map->BankAccount, 150000);
  EXPECT_EQ(InfoValue(works, "Hud.Info.Value"), 170000);  // 140000 x 1.2 at the step of 5000
}

TEST_F(SpecialBuildings, ASteelWorksTooDearForTheAccountGivesAHint) {
  auto* works = PlaceAs<SpecialSteelWorks>(BDK_SteelWorks, 8, 4);
  works->SetRival(true);
  works->SetDisplayedForSale(true, 250000, 0, true);
  works->Select();
  works->PressMenuButton(MENU_Buy);
  EXPECT_EQ(presenter.Only("hint "), std::vector<std::string>{"AssistantHint.NoMoneyToBuyBuilding"});
  EXPECT_FALSE(works->IsBought);
}

TEST_F(SpecialBuildings, TheWindPowerplantsRotorsTurnAtTwentyFramesASecond) {
  SpecialToConstruct* plant = PlaceLandmark(BDK_WindPowerplant, 8, 4);
  float before[SpecialBuilding::NumRotors];
  for (int i = 0; i < SpecialBuilding::NumRotors; ++i) {
    before[i] = plant->RotorPhases[i];
    EXPECT_EQ(before[i], static_cast<int>(before[i]));  // a whole frame
    EXPECT_LT(before[i], 20);
  }
  Run(0.5f);
  for (int i = 0; i < SpecialBuilding::NumRotors; ++i)
    EXPECT_NEAR(plant->RotorPhases[i], std::fmod(before[i] + 10, 20.0f), 1e-3) << i;
}

}  // namespace
