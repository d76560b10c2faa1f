#pragma once
// The building of a kind, as a level file, a saved game or the HUD asks for
// it. The tutorial marker is no building (none is made); a number that is
// no building kind fails the assertion "!\"Bad building kind.\"".

#include "game/rules/BuildingKind.h"

namespace Corvanta {

class Building;

// The caller owns the new building until it adds it to a map.
Building* CreateBuilding(BuildingKind kind);

}  // namespace Corvanta
