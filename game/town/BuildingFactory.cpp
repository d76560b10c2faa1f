#include "game/town/BuildingFactory.h"

#include "game/town/Building.h"
#include "game/town/Commercial.h"
#include "game/town/Dealership.h"
#include "game/town/House.h"
#include "game/town/Office.h"
#include "game/town/Park.h"
#include "game/town/SpecialSteelWorks.h"
#include "game/town/SpecialToConstruct.h"
#include "game/town/Workshop.h"
#include "tessel/Exception.h"

namespace Corvanta {

Building* CreateBuilding(BuildingKind kind) {
  if (kind == BDK_TutorialMarker) return nullptr;
  if (kind == BDK_Office) return new Office();
  if (!HasBalanceRecord(kind) || kind < 0) TESSEL_ASSERT(!"Bad building kind.");
  if (IsHouseKind(kind)) return new House(kind);
  if (kind == BDK_Workshop) return new Workshop();
  if (kind == BDK_Dealership) return new Dealership();
  if (IsCommercialKind(kind)) return new Commercial(kind);
  if (IsDecorationKind(kind)) return new Park(kind);
  if (kind == BDK_SteelWorks) return new SpecialSteelWorks();
  if (IsSpecialKind(kind)) return new SpecialToConstruct(kind);
  TESSEL_ASSERT(!"Bad building kind.");
  return nullptr;
}

}  // namespace Corvanta
