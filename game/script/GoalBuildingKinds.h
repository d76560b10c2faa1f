#pragma once
// How goals name the buildings they are about: a building kind, or Any.
// A cheap stadium is a stadium once it stands, so a goal for the cheap
// stadium counts stadiums.

#include "game/rules/BuildingKind.h"

namespace Corvanta {

constexpr bool GoalKindMatches(int goalKind, int buildingKind) {
  return goalKind == BDK_Any || goalKind == buildingKind ||
         (goalKind == BDK_StadiumCheap && buildingKind == BDK_Stadium);
}

// Any, or a kind with a balance record: what a goal may name.
inline bool IsGoalBuildingKind(int kind) { return kind == BDK_Any || HasBalanceRecord(kind); }

}  // namespace Corvanta
