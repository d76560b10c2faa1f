#pragma once
// UseSpecialAbilityGoal: the timed ability of buildings of a kind was used
// a number of times, or, "simultaneously", that many uses ran at once. Each
// use runs for the rounds of the building's level; a use counts as running
// until its last round has ended. Once met, the goal stays met.

#include "game/town/MapGoal.h"
#include "tessel/Array.h"

namespace Corvanta {

class UseSpecialAbilityGoal : public MapGoal {
public:
  explicit UseSpecialAbilityGoal(Map* map);

  void OnSpecialAbilityUsed(Building* building) override;
  void Evaluate(float dt) override;
  // "(n more)" while not met, after the first of several uses.
  Tessel::WideString GetText() const override;
  void Save(SaveWriter& out) const override;
  void Load(SaveReader& in) override;
  void ReadLevelRecord(const LevelGoal& record) override;

  int Kind = 0;  // Any counts every building's ability
  int Count = 1;
  bool Simultaneously = false;
  int Counter = 0;
  // Map times at which the running uses end, in the order they started.
  Tessel::Array<float> RunningUntil;

protected:
  Tessel::WideString MoreNeededFormat;
};

}  // namespace Corvanta
