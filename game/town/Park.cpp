#include "game/town/Park.h"

namespace Corvanta {

TESSEL_IMPLEMENT_CLASS(Park, ServiceBuilding);

Park::Park() : Park(BDK_Tree) {}

Park::Park(BuildingKind kind) : ServiceBuilding(kind) { ServiceHighlightColour = 0x8083CDF5u; }

float Park::GetIncomeBonus() const { return IsOperational() && LevelBalance ? LevelBalance->SpecialAbilityValue : 0; }

}  // namespace Corvanta
