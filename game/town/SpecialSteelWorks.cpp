#include "game/town/SpecialSteelWorks.h"

#include "game/town/InfoRows.h"
#include "tessel/Exception.h"

namespace Corvanta {

TESSEL_IMPLEMENT_CLASS(SpecialSteelWorks, SpecialBuilding);

SpecialSteelWorks::SpecialSteelWorks() : SpecialBuilding(BDK_SteelWorks) {}

void SpecialSteelWorks::OnMenuButton(int id) {
  if (id != MENU_Buy) {
    SpecialBuilding::OnMenuButton(id);
    return;
  }
  TESSEL_ASSERT(CanBuy());
  Buy();
  IsBought = true;
}

void SpecialSteelWorks::GetInfo(BuildingInfoRows& rows) const {
  SpecialBuilding::GetInfo(rows);
  AddInfoRow(rows, "Hud.Info.Value", GetMarketValue());
}

}  // namespace Corvanta
