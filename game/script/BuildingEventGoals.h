#pragma once
// The goals that count what happens to buildings: repairs and demolitions
// of buildings of a kind (any by default), optionally only of the building
// with a given id. A counted event stays counted, so these goals, once met,
// stay met.

#include "game/town/MapGoal.h"

namespace Corvanta {

class Building;

class BuildingEventGoal : public MapGoal {
public:
  BuildingEventGoal(Map* map, GoalKind kindId);

  // The kind, and the id when the goal names one (case-insensitive, as the
  // level scripts compare building ids).
  bool Matches(const Building& building) const;

  void Evaluate(float dt) override { IsMet = Counter >= Count; }
  void Save(SaveWriter& out) const override;
  void Load(SaveReader& in) override;
  void ReadLevelRecord(const LevelGoal& record) override;

  int Count = 1;
  int Kind = -1;
  Tessel::String BuildingId;
  int Counter = 0;

protected:
  void Note(const Building& building);
};

class RepairBuildingGoal : public BuildingEventGoal {
public:
  explicit RepairBuildingGoal(Map* map) : BuildingEventGoal(map, GOAL_RepairBuilding) {}
  void OnBuildingRepaired(Building* building) override;
};

// Counts demolitions only: a repair is no demolition.
class DemolishBuildingGoal : public BuildingEventGoal {
public:
  explicit DemolishBuildingGoal(Map* map) : BuildingEventGoal(map, GOAL_DemolishBuilding) {}
  void OnBuildingDemolished(Building* building) override;
};

}  // namespace Corvanta
