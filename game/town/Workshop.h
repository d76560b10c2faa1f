#pragma once
// Workshop: the service that repairs the houses it covers. A broken house
// served by a working workshop repairs itself without vans (the house's
// side, House::OnCoverageChanged).
//
// The workshop has one van (WorkshopVan) that drives out to the houses it
// serves and back, a sign of the service that repairs nothing itself; and,
// with the office upgrade, an alert ability that widens its area for a
// while ("WorkshopExtendedPeriod" seconds at "WorkshopExtendedRadius") and
// then recharges ("WorkshopExtendedCooldown" seconds). Neither the van nor
// the ability is saved: a loaded workshop starts both afresh.

#include "game/town/ServiceBuilding.h"

namespace Corvanta {

class WorkshopVan;

enum WorkshopMenuButtonId : int {
  MENU_Alert = MENU_FirstSubclassButton,
};

namespace TownSounds {
constexpr const char* WorkshopFrenzy = "sounds/workshopFrenzy.ogg";
}  // namespace TownSounds

class Workshop : public ServiceBuilding {
  TESSEL_DECLARE_CLASS(Workshop)
public:
  Workshop();
  // The van, if it is still there, is told that its home is gone.
  ~Workshop() override;

  // Placed and working (not under construction) and the player's: only
  // then does the ability recharge or run out.
  bool CanRunAbility() const;
  // The alert's button was pressed: the wider area for the period.
  void UseAlert();
  // A van being deleted lets go of its workshop.
  void ForgetVan(WorkshopVan* van);

  // ---- map events
  // Its own placement gives it its van.
  void OnBuildingPlaced(Building* building) override;

  // ---- Building
  void OnUpdate(float dt) override;
  void OnRemovedFromMap() override;
  void FillMenu(BuildingMenuButtons& buttons) override;
  void OnMenuButton(int id) override;
  void OnDisabledMenuButton(int id) override;
  void GetInfo(BuildingInfoRows& rows) const override;

  // ---- data, in the order of the model
  // Owned through the map's entity container; none before the placement
  // and after the removal.
  WorkshopVan* Van = nullptr;
  AbilityButtonState AlertButton;
  // The extended radius is in force.
  bool AbilityActive = false;
  // Active: counts down the period; recharging: counts up to the cooldown.
  float AbilityTimer = 0;

private:
  void UpdateAbility(float dt);
  void ShowAbilityOnButton();
};

}  // namespace Corvanta
