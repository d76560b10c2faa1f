// House: the upgrade and repair buttons of the player's idle house, what
// they need, what they cost and what they say when they cannot be used.

#include "game/town/House.h"
#include "game/town/Map.h"
#include "game/town/MapPresenter.h"
#include "tessel/Exception.h"
#include "tessel/text/MoneyFormat.h"

using namespace Tessel;

namespace Corvanta {

bool House::IsUpgradeOffered() const {
  if (!NextLevelBalance || !TheMap) return false;
  return TheMap->MaxBuildingUpgradeLevel < 0 || Level < TheMap->MaxBuildingUpgradeLevel;
}

bool House::CanUpgrade() const {
  return IsUpgradeOffered() && !IsRival && !IsBroken && !HasJob() &&
         TheMap->CanTransferMoney(-LevelBalance->UpgradeCost);
}

bool House::CanRepair() const {
  return TheMap && LevelBalance && !IsRival && IsBroken && !HasJob() &&
         TheMap->CanTransferMoney(-LevelBalance->RepairCost);
}

void House::FillMenu(BuildingMenuButtons& buttons) {
  auto add = [&buttons](int id, const char* caption, int price, bool enabled) {
    BuildingMenuButton button;
    button.Id = id;
    button.CaptionKey = caption;
    button.HasPrice = true;
    button.Price = RoundPrice(price);
    button.IsEnabled = enabled;
    buttons.Add(button);
  };
  if (IsUpgradeOffered()) add(MENU_Upgrade, "Hud.BuildingMenu.Upgrade", LevelBalance->UpgradeCost, CanUpgrade());
  if (IsBroken && LevelBalance) add(MENU_Repair, "Hud.BuildingMenu.Repair", LevelBalance->RepairCost, CanRepair());
}

void House::OnMenuButton(int id) {
  switch (id) {
    case MENU_Upgrade:
      TESSEL_ASSERT(CanUpgrade());
      TheMap->TransferMoney(-LevelBalance->UpgradeCost);
      StartJob(JOB_Upgrade, false);
      break;
    case MENU_Repair:
      TESSEL_ASSERT(CanRepair());
      TheMap->TransferMoney(-LevelBalance->RepairCost);
      StartJob(JOB_Repair, false);
      break;
    default: Building::OnMenuButton(id); return;
  }
  TheMap->GetPresenter().PlaySound(TownSounds::JobStart);
  Unselect();
}

void House::OnDisabledMenuButton(int id) {
  if (!TheMap) return;
  MapPresenter& presenter = TheMap->GetPresenter();
  switch (id) {
    case MENU_Sell:
      if (IsBroken) presenter.ShowHint("AssistantHint.CantSellDamaged");
      break;
    case MENU_Upgrade:
      presenter.ShowHint(IsBroken ? "AssistantHint.CantUpgradeDamaged" : "AssistantHint.NoMoneyToUpgrade");
      break;
    case MENU_Repair: presenter.ShowHint("AssistantHint.NoMoneyToRepair"); break;
    default: Building::OnDisabledMenuButton(id); break;
  }
}

}  // namespace Corvanta
