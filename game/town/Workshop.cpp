#include "game/town/Workshop.h"

#include <algorithm>

#include "game/rules/Balance.h"
#include "game/town/InfoRows.h"
#include "game/town/Map.h"
#include "game/town/MapPresenter.h"
#include "game/town/WorkshopVan.h"
#include "tessel/Exception.h"

using namespace Tessel;

// Assertions that name NULL use TESSEL_ASSERT_AT directly: passed on through
// TESSEL_ASSERT the word would reach the text already expanded.

namespace Corvanta {

TESSEL_IMPLEMENT_CLASS(Workshop, ServiceBuilding);

namespace {

const Balance& Rules() { return Balance::Current(); }

}  // namespace

Workshop::Workshop() : ServiceBuilding(BDK_Workshop) { ServiceHighlightColour = 0x80FFFF00u; }

Workshop::~Workshop() {
  // Deleted without leaving the map first (the map's own end, a test): the
  // van must not keep a pointer to it.
  if (Van) Van->LoseHome();
  Van = nullptr;
}

void Workshop::ForgetVan(WorkshopVan* van) {
  if (Van == van) Van = nullptr;
}

// ---- the van

void Workshop::OnBuildingPlaced(Building* building) {
  if (building == this && !Van) {
    WidgetContainer* Parent = GetParent();
    TESSEL_ASSERT_AT(Parent != NULL, __FILE__, __LINE__);
    Van = new WorkshopVan(this);
  }
  ServiceBuilding::OnBuildingPlaced(building);
}

void Workshop::OnRemovedFromMap() {
  ServiceBuilding::OnRemovedFromMap();
  // The van heard the removal and goes on its next update; it is told once
  // more in case the event did not reach it.
  if (Van) Van->LoseHome();
  Van = nullptr;
}

// ---- the alert ability

bool Workshop::CanRunAbility() const { return TheMap && Square && IsOperational() && !IsRival; }

void Workshop::OnUpdate(float dt) {
  if (CanRunAbility()) UpdateAbility(dt);
  ServiceBuilding::OnUpdate(dt);
}

void Workshop::UpdateAbility(float dt) {
  const Corvanta::Balance& rules = Rules();
  if (AbilityActive) {
    AbilityTimer -= dt;
    // A period of zero or less runs out on the first update.
    if (AbilityTimer < 0) {
      AbilityTimer = 0;
      AbilityActive = false;
      SetRadiusOverride(-1);
      RefreshMenu();
    }
  } else if (!AlertButton.IsEnabled) {
    if (AbilityTimer < rules.WorkshopExtendedCooldown) AbilityTimer += dt;
    // Also with no cooldown at all: ready again at once, and told once.
    if (AbilityTimer >= rules.WorkshopExtendedCooldown) {
      AlertButton.IsProgressShown = false;
      AlertButton.IsEnabled = true;
      RefreshMenu();
      TheMap->Broadcast(&MapListener::OnSpecialAbilityReady, static_cast<Building*>(this));
    }
  }
  ShowAbilityOnButton();
}

void Workshop::ShowAbilityOnButton() {
  const Corvanta::Balance& rules = Rules();
  const float span = AbilityActive ? rules.WorkshopExtendedPeriod : rules.WorkshopExtendedCooldown;
  AlertButton.Progress = span > 0 ? std::clamp(AbilityTimer / span, 0.0f, 1.0f) : 1.0f;
  if (!MenuShown) return;
  for (BuildingMenuButton& button : MenuButtons)
    if (button.Id == MENU_Alert) button.Progress = AlertButton.GetShownProgress();
}

void Workshop::UseAlert() {
  if (!AlertButton.IsEnabled || !TheMap) return;
  const Corvanta::Balance& rules = Rules();
  AlertButton.IsEnabled = false;
  AlertButton.IsProgressShown = true;
  AlertButton.Progress = 1;
  AbilityTimer = rules.WorkshopExtendedPeriod;
  AbilityActive = true;
  SetRadiusOverride(rules.WorkshopExtendedRadius);
  TheMap->Broadcast(&MapListener::OnSpecialAbilityUsed, static_cast<Building*>(this));
  TheMap->GetPresenter().PlaySound(TownSounds::WorkshopFrenzy);
  RefreshMenu();
}

// ---- menu and info

void Workshop::FillMenu(BuildingMenuButtons& buttons) {
  if (!TheMap || !TheMap->GetUpgradeEffects().HasWorkshopAlert()) return;
  buttons.Add(AlertButton.MakeButton(MENU_Alert, "Hud.BuildingMenu.Alert"));
}

void Workshop::OnMenuButton(int id) {
  if (id == MENU_Alert)
    UseAlert();
  else
    ServiceBuilding::OnMenuButton(id);
}

void Workshop::OnDisabledMenuButton(int id) {
  if (id == MENU_Alert && TheMap)
    TheMap->GetPresenter().ShowHint("AssistantHint.WaitRechargingAbility");
  else
    ServiceBuilding::OnDisabledMenuButton(id);
}

void Workshop::GetInfo(BuildingInfoRows& rows) const {
  ServiceBuilding::GetInfo(rows);
  AddInfoRow(rows, "Hud.Info.HousesInspected", Served.GetSize());
}

}  // namespace Corvanta
