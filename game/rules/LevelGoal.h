#pragma once
// What a level file says about one of its goals.
//
// A level's goals are "Goal" elements inside "Goals"; each names its kind in
// "type" and carries the attributes below. The loader keeps them as read, in
// file order, for the goal objects to be made from when the map is built. The
// goal's own behaviour (tests, texts, saving) lives with the goals.

#include <cstdint>

#include "game/rules/BuildingKind.h"
#include "tessel/Array.h"
#include "tessel/Strings.h"
#include "tessel/WideText.h"
#include "tessel/xml/XmlReader.h"

namespace Corvanta {

// The numbers are written into saved games before each goal's record.
enum GoalKind : int32_t {
  GOAL_Unknown = 0,
  GOAL_OwnBuilding = 1,
  GOAL_RepairBuilding = 2,
  GOAL_DemolishBuilding = 3,
  GOAL_BankAccount = 4,
  GOAL_Income = 5,
  GOAL_Population = 6,
  GOAL_Happiness = 7,
  GOAL_NoRivals = 8,
  GOAL_ConstructionVans = 9,
  GOAL_UseSpecialAbility = 10,
};

// Case-insensitive ("BankAccount"); GOAL_Unknown for anything else.
GoalKind GoalKindFromName(std::u16string_view name);
// The file name of a kind, or null.
const char* GetGoalKindName(int kind);

// How an OwnBuilding goal wants its buildings to have come to the player.
enum GoalHow : int16_t { GOALHOW_Any = 0, GOALHOW_Buy = 1, GOALHOW_Construct = 2 };

struct LevelGoal {
  GoalKind Type = GOAL_Unknown;  // "type"
  bool IsExpert = false;     // "expert"
  bool IsInactive = false;   // "inactive"
  bool IsInvisible = false;  // "invisible"
  Tessel::String Id;         // "id": how scripts address the goal
  Tessel::WideString Text;   // "text": replaces the default text when not empty
  int Count = 0;             // "count": 1 for the building and ability goals, else 0
  int Kind = BDK_Any;        // building kind: "kind" (a name) or "building" (a number); UseSpecialAbility: 0
  int Upgrades = 0;          // "upgrades"
  GoalHow How = GOALHOW_Any; // "how": "buy" or "construct"
  int Attendance = 0;        // "attendance"
  int IncomeBonus = 0;       // "incomeBonus", percent
  float Duration = 0;        // "duration", seconds the goal must hold
  bool RequiresPremium = false;                   // "services" names "premium"
  Tessel::Array<BuildingKind> RequiredServices;  // service kinds named in "services"
  Tessel::String BuildingId;                      // "buildingId"
  bool Simultaneously = false;                    // "simultaneously"
  Tessel::Array<Tessel::XmlAttribute> Attributes;  // every attribute as written
  int Line = 0;                                   // of the element, for messages

  // Reads the "Goal" element the reader stands on; Type must already be set
  // (the defaults depend on it).
  void ReadAttributes(const Tessel::XmlReader& xml);
};

}  // namespace Corvanta
