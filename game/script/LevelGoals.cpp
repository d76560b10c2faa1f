#include "game/script/LevelGoals.h"

#include <memory>

#include "game/rules/ContentException.h"
#include "game/rules/LevelFile.h"
#include "game/script/BuildingEventGoals.h"
#include "game/script/CountGoals.h"
#include "game/script/GoalBuildingKinds.h"
#include "game/script/NoRivalsGoal.h"
#include "game/script/OwnBuildingGoal.h"
#include "game/script/UseSpecialAbilityGoal.h"
#include "game/town/Map.h"
#include "tessel/Exception.h"
#include "tessel/Format.h"

namespace Corvanta {

MapGoal* CreateGoal(int kindId, Map* map) {
  switch (kindId) {
    case GOAL_OwnBuilding: return new OwnBuildingGoal(map);
    case GOAL_RepairBuilding: return new RepairBuildingGoal(map);
    case GOAL_DemolishBuilding: return new DemolishBuildingGoal(map);
    case GOAL_BankAccount: return new BankAccountGoal(map);
    case GOAL_Income: return new IncomeGoal(map);
    case GOAL_Population: return new PopulationGoal(map);
    case GOAL_Happiness: return new HappinessGoal(map);
    case GOAL_NoRivals: return new NoRivalsGoal(map);
    case GOAL_ConstructionVans: return new ConstructionVansGoal(map);
    case GOAL_UseSpecialAbility: return new UseSpecialAbilityGoal(map);
    default: throw Tessel::ArgumentException("Unknown goal kind.");
  }
}

void InstallGoalKinds() { MapGoal::SetFactory(&CreateGoal); }

void CreateLevelGoals(Map& map, const LevelFile& level) {
  for (const LevelGoal& record : level.Goals) {
    const char* name = GetGoalKindName(record.Type);
    if (!name) ThrowContentError(level.Path, record.Line, Tessel::Format("Goal: no goal kind %i.", record.Type));
    bool namesKind = record.Type == GOAL_OwnBuilding || record.Type == GOAL_RepairBuilding ||
                     record.Type == GOAL_DemolishBuilding || record.Type == GOAL_UseSpecialAbility;
    if (namesKind && !IsGoalBuildingKind(record.Kind))
      ThrowContentError(level.Path, record.Line, Tessel::Format("Goal %s: its kind names no building kind.", name));
    std::unique_ptr<MapGoal> goal(CreateGoal(record.Type, &map));
    goal->ReadLevelRecord(record);
    map.Goals.Add(goal.release());
  }
}

}  // namespace Corvanta
