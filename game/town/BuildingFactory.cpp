#include "game/town/BuildingFactory.h"

#include "game/town/Building.h"
#include "game/town/Office.h"
#include "tessel/Exception.h"

namespace Corvanta {

// Houses, the workshop, commercial, decoration and special buildings are
// plain buildings until their own classes take over their kinds here.
Building* CreateBuilding(BuildingKind kind) {
  if (kind == BDK_TutorialMarker) return nullptr;
  if (kind == BDK_Office) return new Office();
  if (!HasBalanceRecord(kind) || kind < 0) TESSEL_ASSERT(!"Bad building kind.");
  return new Building(kind);
}

}  // namespace Corvanta
