// The workshop's own rules: its van comes and goes with it, the alert
// ability's timer and the area it widens for a while, its menu and info,
// and what a saved game keeps of it (nothing of the van or the ability).

#include <cmath>

#include "town/WorkshopTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class WorkshopRules : public WorkshopTest {
protected:
  // The workshop selected, so that its menu is shown and kept up to date.
  Workshop* PlaceSelectedWorkshop() {
    Workshop* workshop = PlaceWorkshop();
    workshop->Select();
    return workshop;
  }
  const BuildingMenuButton* Alert(const Workshop* workshop) const { return workshop->FindMenuButton(MENU_Alert); }
};

TEST_F(WorkshopRules, ItIsAServiceThatTintsInYellowAndNeedsARoad) {
  Workshop* workshop = PlaceWorkshop();
  EXPECT_EQ(workshop->ServiceHighlightColour, 0x80FFFF00u);
  EXPECT_TRUE(workshop->NeedsRoad);
  EXPECT_FALSE(workshop->AbilityActive);
  EXPECT_FLOAT_EQ(workshop->AbilityTimer, 0);
  EXPECT_FALSE(workshop->AlertButton.IsEnabled);
  EXPECT_TRUE(workshop->AlertButton.IsProgressShown);
  EXPECT_FLOAT_EQ(workshop->AlertButton.Progress, 0);
}

TEST_F(WorkshopRules, ItsVanComesWithThePlacementAndGoesWithTheRemoval) {
  auto* preview = static_cast<Workshop*>(CreateBuilding(BDK_Workshop));
  map->StartConstruction(preview, false);
  MoveConstructionTo(2, 1);
  EXPECT_EQ(preview->Van, nullptr);  // a preview has no van
  EXPECT_TRUE(VansOnMap().empty());
  map->SetTool(MAPTOOL_None);

  Workshop* workshop = PlaceWorkshop();
  WorkshopVan* van = workshop->Van;
  ASSERT_NE(van, nullptr);
  EXPECT_EQ(VansOnMap(), std::vector<WorkshopVan*>{van});
  EXPECT_EQ(van->home, workshop);
  EXPECT_TRUE(map->Listeners.Contains(van));
  EXPECT_FALSE(van->IsVisible());
  EXPECT_TRUE(van->IsHome());
  EXPECT_GE(van->WaitTimer, 6);  // the shipped "WorkshopVanTimeAtBaseMin" .. "Max"
  EXPECT_LE(van->WaitTimer, 10);
  EXPECT_FLOAT_EQ(van->Speed, ShippedBalance().WorkshopVanSpeedSlow);
  EXPECT_FLOAT_EQ(van->Width, 32);
  EXPECT_FLOAT_EQ(van->Height, 32);

  Tessel::WidgetGuard vanAlive(van);
  map->RemoveBuilding(workshop);
  EXPECT_EQ(workshop->Van, nullptr);
  EXPECT_EQ(van->home, nullptr);
  map->Update(0.05f);  // the van removes itself ...
  map->Update(0.05f);  // ... and is deleted after the frame
  EXPECT_FALSE(vanAlive);
  EXPECT_TRUE(VansOnMap().empty());
}

TEST_F(WorkshopRules, AWorkshopDeletedOnTheMapTakesItsVanWithIt) {
  Workshop* workshop = PlaceWorkshop();
  Tessel::WidgetGuard vanAlive(workshop->Van);
  WorkshopVan* van = workshop->Van;
  delete workshop;
  EXPECT_EQ(van->home, nullptr);
  Run(0.3f);
  EXPECT_FALSE(vanAlive);
}

TEST_F(WorkshopRules, AVanDeletedFirstLeavesNoPointerInItsWorkshop) {
  Workshop* workshop = PlaceWorkshop();
  delete workshop->Van;
  EXPECT_EQ(workshop->Van, nullptr);
  Run(1);
  map->RemoveBuilding(workshop);
  Run(0.2f);
}

TEST_F(WorkshopRules, TheAlertIsOfferedOnlyWithTheWorkshopRadiusUpgrade) {
  Workshop* workshop = PlaceSelectedWorkshop();
  EXPECT_EQ(Alert(workshop), nullptr);
  Buy(OFUP_Development2);  // office upgrade 7, "BonusWorkshopRadius"
  workshop->BuildMenu();
  ASSERT_NE(Alert(workshop), nullptr);
  EXPECT_EQ(Alert(workshop)->ToolTipKey, "Hud.BuildingMenu.Alert");
  EXPECT_EQ(Alert(workshop)->CaptionKey, "Hud.BuildingMenu.Alert");
  EXPECT_FALSE(Alert(workshop)->IsEnabled);
  EXPECT_FLOAT_EQ(Alert(workshop)->Progress, 0);
}

TEST_F(WorkshopRules, TheAlertRechargesWidensTheAreaForItsPeriodAndRechargesAgain) {
  // Shipped: period 12, cooldown 30, radius 6 against the workshop's 4.
  Buy(OFUP_Development2);
  House* near = PlaceHouse(5, 0);
  House* far = PlaceHouse(9, 0);
  Workshop* workshop = PlaceSelectedWorkshop();
  EXPECT_TRUE(workshop->Serves(near));
  EXPECT_FALSE(workshop->Serves(far));

  Run(15);
  EXPECT_FALSE(Alert(workshop)->IsEnabled);
  EXPECT_NEAR(Alert(workshop)->Progress, 0.5f, 0.01f);  // 15 of 30 s recharged
  workshop->PressMenuButton(MENU_Alert);
  EXPECT_TRUE(presenter.Has("hint AssistantHint.WaitRechargingAbility"));
  EXPECT_FALSE(workshop->AbilityActive);
  Run(14.8f);
  EXPECT_FALSE(Alert(workshop)->IsEnabled);
  EXPECT_TRUE(abilities.Of("Workshop").empty());
  Run(0.3f);
  ASSERT_TRUE(Alert(workshop)->IsEnabled);
  EXPECT_FLOAT_EQ(Alert(workshop)->Progress, -1);  // the bar is hidden
  EXPECT_EQ(abilities.Of("Workshop"), std::vector<std::string>{"OnSpecialAbilityReady Workshop"});

  workshop->PressMenuButton(MENU_Alert);
  EXPECT_TRUE(workshop->AbilityActive);
  EXPECT_FLOAT_EQ(workshop->AbilityTimer, 12);
  EXPECT_EQ(workshop->RadiusOverride, 6);
  EXPECT_EQ(workshop->GetServiceRadius(), 6);
  EXPECT_TRUE(workshop->Serves(far));  // at once
  EXPECT_EQ(ServiceNames(far), std::vector<std::string>{"Workshop"});
  EXPECT_TRUE(presenter.Has("sound sounds/workshopFrenzy.ogg"));
  EXPECT_FALSE(Alert(workshop)->IsEnabled);
  EXPECT_FLOAT_EQ(Alert(workshop)->Progress, 1);
  EXPECT_EQ(abilities.Of("Workshop"),
            (std::vector<std::string>{"OnSpecialAbilityReady Workshop", "OnSpecialAbilityUsed Workshop"}));

  Run(6);
  EXPECT_NEAR(Alert(workshop)->Progress, 0.5f, 0.01f);  // the period runs down
  EXPECT_TRUE(workshop->Serves(far));
  Run(5.8f);
  EXPECT_TRUE(workshop->AbilityActive);
  EXPECT_TRUE(workshop->Serves(far));
  Run(0.4f);
  EXPECT_FALSE(workshop->AbilityActive);
  EXPECT_EQ(workshop->RadiusOverride, -1);
  EXPECT_FALSE(workshop->Serves(far));  // back to the shipped radius
  EXPECT_TRUE(far->LinkedBuildings.IsEmpty());
  EXPECT_TRUE(workshop->Serves(near));
  EXPECT_FALSE(Alert(workshop)->IsEnabled);

  // Recharging from zero again.
  Run(29.6f);
  EXPECT_FALSE(Alert(workshop)->IsEnabled);
  Run(0.6f);
  EXPECT_TRUE(Alert(workshop)->IsEnabled);
  EXPECT_EQ(abilities.Of("Workshop").size(), 3u);
}

TEST_F(WorkshopRules, AHouseThatFallsOutsideAfterTheAlertCanBreakAgain) {
  map->BuildingsCanGetBroken = true;
  Buy(OFUP_Development2);
  House* far = PlaceHouse(9, 0);
  far->BreakTimer = 1000;  // not before the test says so
  Workshop* workshop = PlaceSelectedWorkshop();
  Run(30.1f);
  workshop->PressMenuButton(MENU_Alert);
  ASSERT_TRUE(workshop->Serves(far));
  far->BreakTimer = 1;
  Run(2);
  EXPECT_FALSE(far->IsBroken);  // a working workshop covers it
  Run(11);
  ASSERT_FALSE(workshop->AbilityActive);
  EXPECT_FALSE(workshop->Serves(far));
  far->BreakTimer = 1;
  Run(2);
  EXPECT_TRUE(far->IsBroken);
}

TEST_F(WorkshopRules, AWorkshopUnderConstructionOrARivalsNeverRecharges) {
  Buy(OFUP_Development2);
  Building* site = Order(BDK_Workshop, 2, 1);
  auto* rivals = PlaceAs<Workshop>(BDK_Workshop, 12, 1);
  rivals->SetRival(true);
  Run(60);
  auto* building = static_cast<Workshop*>(site);
  EXPECT_FLOAT_EQ(building->AbilityTimer, 0);
  EXPECT_FALSE(building->AlertButton.IsEnabled);
  EXPECT_FLOAT_EQ(rivals->AbilityTimer, 0);
  EXPECT_FALSE(rivals->AlertButton.IsEnabled);
  EXPECT_TRUE(abilities.Of("Workshop").empty());
  // Once it opens it starts recharging from zero.
  FinishJob(site);
  ASSERT_TRUE(site->IsOperational());
  Run(29.5f);
  EXPECT_FALSE(building->AlertButton.IsEnabled);
  Run(1);
  EXPECT_TRUE(building->AlertButton.IsEnabled);
}

TEST_F(WorkshopRules, NoPeriodOrCooldownOrANegativeOneNeitherDividesByZeroNorSpins) {
  struct Case {
    float Period, Cooldown;
  };
  for (Case c : {Case{0, 0}, Case{-5, -1}, Case{0, 2}, Case{3, 0}}) {
    SCOPED_TRACE(std::to_string(c.Period) + " " + std::to_string(c.Cooldown));
    SetUp();
    abilities.Events.clear();
    ChangeRules([c](Balance& rules) {
      rules.WorkshopExtendedPeriod = c.Period;
      rules.WorkshopExtendedCooldown = c.Cooldown;
    });
    Buy(OFUP_Development2);
    House* far = PlaceHouse(9, 0);
    Workshop* workshop = PlaceSelectedWorkshop();
    int presses = 0;
    for (int frame = 0; frame < 400; ++frame) {
      map->Update(0.05f);
      const float progress = workshop->AlertButton.Progress;
      ASSERT_TRUE(std::isfinite(progress)) << frame;
      ASSERT_GE(progress, 0) << frame;
      ASSERT_LE(progress, 1) << frame;
      if (workshop->AlertButton.IsEnabled) {
        workshop->PressMenuButton(MENU_Alert);
        ++presses;
        ASSERT_TRUE(workshop->AbilityActive);
        ASSERT_TRUE(workshop->Serves(far));
      }
    }
    // Each use runs out and recharges: the ability is told ready once per
    // cycle, never in every frame of one.
    EXPECT_GE(presses, 2);
    const size_t events = abilities.Of("Workshop").size();
    EXPECT_TRUE(events == static_cast<size_t>(2 * presses) || events == static_cast<size_t>(2 * presses + 1)) << events;
    map->Update(0.05f);  // the last use runs out in a frame of any period
    if (c.Period <= 0) {
      EXPECT_FALSE(workshop->AbilityActive);
      EXPECT_FALSE(workshop->Serves(far));
    }
    TearDown();
  }
}

TEST_F(WorkshopRules, ItTellsHowManyHousesItLooksAfter) {
  PlaceHouse(5, 0);
  PlaceHouse(5, 4);
  PlaceHouse(14, 0);  // out of reach
  Workshop* workshop = PlaceWorkshop();
  const std::vector<std::string> keys = InfoKeys(workshop);
  EXPECT_EQ(keys.back(), "Hud.Info.HousesInspected");
  EXPECT_EQ(InfoValue(workshop, "Hud.Info.HousesInspected"), 2);
}

TEST_F(WorkshopRules, ASavedWorkshopComesBackWithAFreshVanAndAFreshAbility) {
  Buy(OFUP_Development2);
  PlaceHouse(5, 0);
  Workshop* workshop = PlaceSelectedWorkshop();
  Run(30.1f);
  workshop->PressMenuButton(MENU_Alert);
  ASSERT_TRUE(workshop->AbilityActive);
  ASSERT_TRUE(RunUntil([&] { return workshop->Van->IsDriving(); }, 30));
  BuildingSaveRecord record;
  workshop->WriteSave(record);
  EXPECT_EQ(record.SquareX, 2);
  EXPECT_EQ(record.SquareY, 1);

  // The same town, loaded.
  TearDown();
  SetUp();
  Buy(OFUP_Development2);
  House* house = PlaceHouse(5, 0);
  Building* restored = map->RestoreBuilding(BDK_Workshop, record);
  ASSERT_TRUE(Tessel::IsKindOf<Workshop>(restored));
  auto* loaded = static_cast<Workshop*>(restored);
  EXPECT_FALSE(loaded->AbilityActive);
  EXPECT_FLOAT_EQ(loaded->AbilityTimer, 0);
  EXPECT_EQ(loaded->RadiusOverride, -1);
  EXPECT_FALSE(loaded->AlertButton.IsEnabled);
  EXPECT_TRUE(loaded->Serves(house));
  ASSERT_NE(loaded->Van, nullptr);
  EXPECT_EQ(VansOnMap(), std::vector<WorkshopVan*>{loaded->Van});
  EXPECT_TRUE(loaded->Van->IsHome());
  EXPECT_GE(loaded->Van->WaitTimer, 6);
  EXPECT_LE(loaded->Van->WaitTimer, 10);
  Run(29.8f);
  EXPECT_FALSE(loaded->AlertButton.IsEnabled);  // recharging from zero
  Run(0.3f);
  EXPECT_TRUE(loaded->AlertButton.IsEnabled);
}

TEST_F(WorkshopRules, ContractViolationsFailWithTheirExpression) {
  EXPECT_EQ(AssertionOf([] { WorkshopVan van(nullptr); }), "home != NULL");
  Workshop loose;
  EXPECT_EQ(AssertionOf([&] { WorkshopVan van(&loose); }), "map != NULL");
  EXPECT_EQ(AssertionOf([&] { loose.OnBuildingPlaced(&loose); }), "Parent != NULL");
  Workshop* workshop = PlaceWorkshop();
  EXPECT_EQ(AssertionOf([&] { workshop->Van->OnBuildingRemoved(nullptr); }), "building != NULL");
}

}  // namespace
