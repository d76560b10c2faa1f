#pragma once
// OwnBuildingGoal: the player owns enough buildings of a description, and
// has owned them for a while. The description: a kind (or any), an upgrade
// level, how the buildings came to the player (bought), premium squares,
// and for houses an income bonus and the services that must cover them,
// for commercial buildings their attendance.
//
// The matching buildings are counted afresh on every event that changes
// what stands or who owns it, and on every evaluation (a decoration's
// coverage, for one, may change after the goal has heard of it). The goal
// is met once the count has held for the duration without a break.
//
// A goal with an id marks the buildings it counts with that id, so that the
// level script can point at them. It marks only buildings without an id and
// takes back only the marks it made itself: ids from the level file, from
// scripts or from other goals are never touched.

#include <cstdint>

#include "game/rules/BuildingKind.h"
#include "game/rules/LevelGoal.h"
#include "game/town/MapGoal.h"
#include "tessel/Array.h"

namespace Corvanta {

class Building;

class OwnBuildingGoal : public MapGoal {
public:
  // The service kinds a goal may ask for, in the order of the saved flags.
  static constexpr int NumServiceKinds = 10;
  static const BuildingKind ServiceKinds[NumServiceKinds];

  explicit OwnBuildingGoal(Map* map);

  bool Counts(const Building& building) const;
  // Counts the matching buildings and moves the marks.
  void RecomputeMatching();

  void Evaluate(float dt) override;
  Tessel::WideString GetDefaultText() const override;
  // "(n more)" while not met, after the first of several buildings.
  Tessel::WideString GetText() const override;
  void Save(SaveWriter& out) const override;
  void Load(SaveReader& in) override;
  void ReadLevelRecord(const LevelGoal& record) override;

  void OnBuildingPlaced(Building* building) override { RecomputeMatching(); }
  void OnBuildingConstructed(Building* building) override { RecomputeMatching(); }
  void OnBuildingUpgraded(Building* building) override { RecomputeMatching(); }
  void OnBuildingDemolished(Building* building) override { RecomputeMatching(); }
  void OnBuildingSoldToRival(Building* building) override { RecomputeMatching(); }
  void OnBuildingBought(Building* building) override { RecomputeMatching(); }
  void OnBuildingRemoved(MapEntity* entity) override;

  int Kind = BDK_Any;
  int Count = 1;
  int16_t Upgrades = 0;
  GoalHow How = GOALHOW_Any;
  float Duration = 0;  // seconds, never below 0
  int Attendance = 0;
  int IncomeBonus = 0;  // percent
  bool RequiresPremium = false;
  Tessel::Array<BuildingKind> RequiredServices;
  int Matching = 0;
  float HoldTimer = 0;  // left of the duration

protected:
  Tessel::WideString MoreNeededFormat;
  // The buildings this goal gave its id.
  Tessel::Array<Building*> Marked;
};

}  // namespace Corvanta
