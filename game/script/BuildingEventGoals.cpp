#include "game/script/BuildingEventGoals.h"

#include <algorithm>
#include <climits>

#include "game/script/GoalBuildingKinds.h"
#include "game/town/Building.h"
#include "game/town/SaveStream.h"
#include "tessel/Exception.h"

namespace Corvanta {

BuildingEventGoal::BuildingEventGoal(Map* map, GoalKind kindId) : MapGoal(map, kindId) {}

bool BuildingEventGoal::Matches(const Building& building) const {
  return GoalKindMatches(Kind, building.Kind) && (BuildingId.IsEmpty() || BuildingId.CompareNoCase(building.Id) == 0);
}

void BuildingEventGoal::Note(const Building& building) {
  if (Matches(building) && Counter < INT_MAX) ++Counter;
}

void BuildingEventGoal::Save(SaveWriter& out) const {
  MapGoal::Save(out);
  out.WriteInt32(Count);
  out.WriteInt32(Kind);
  out.WriteStr8(BuildingId);
  out.WriteInt32(Counter);
}

void BuildingEventGoal::Load(SaveReader& in) {
  MapGoal::Load(in);
  Count = std::max(0, in.ReadInt32());
  Kind = in.ReadInt32();
  if (!IsGoalBuildingKind(Kind)) throw SaveFormatException("Bad goal record: no building kind.");
  BuildingId = in.ReadStr8();
  Counter = std::max(0, in.ReadInt32());
}

void BuildingEventGoal::ReadLevelRecord(const LevelGoal& record) {
  MapGoal::ReadLevelRecord(record);
  Count = std::max(0, record.Count);
  Kind = record.Kind;
  BuildingId = record.BuildingId;
}

void RepairBuildingGoal::OnBuildingRepaired(Building* building) {
  TESSEL_ASSERT(building);
  Note(*building);
}

void DemolishBuildingGoal::OnBuildingDemolished(Building* building) {
  TESSEL_ASSERT_AT(building != NULL, __FILE__, __LINE__);
  Note(*building);
}

}  // namespace Corvanta
