#pragma once
// The goals met while one of the town's numbers is at least the goal's
// count: money in the bank, the daily income, the population, the
// appearance, and the construction vans of the office. They are compared
// afresh on every update, so they can be met and lost again.

#include "game/town/MapGoal.h"

namespace Corvanta {

class CountGoal : public MapGoal {
public:
  // textKey: the default text's format (none for no default text); grouped:
  // it takes the count as a grouped number ("%ls"), else as a number ("%i").
  CountGoal(Map* map, GoalKind kindId, const char* textKey, bool grouped);

  // The number the goal compares.
  virtual int GetValue() const = 0;

  void Evaluate(float dt) override { IsMet = GetValue() >= Count; }
  Tessel::WideString GetDefaultText() const override;
  void Save(SaveWriter& out) const override;
  void Load(SaveReader& in) override;
  void ReadLevelRecord(const LevelGoal& record) override;

  int Count = 0;  // never below 0

protected:
  Tessel::WideString TextFormat;
  bool IsGrouped;
};

class BankAccountGoal : public CountGoal {
public:
  explicit BankAccountGoal(Map* map);
  int GetValue() const override;
};

class IncomeGoal : public CountGoal {
public:
  explicit IncomeGoal(Map* map);
  int GetValue() const override;
};

class PopulationGoal : public CountGoal {
public:
  explicit PopulationGoal(Map* map);
  int GetValue() const override;
};

class HappinessGoal : public CountGoal {
public:
  explicit HappinessGoal(Map* map);
  int GetValue() const override;
};

// The office's vans, and the one being delivered; a map without an office
// leaves the goal as it is. Its default text names the count, so that a
// level without a text of its own shows more than the vans left (and, once
// met, more than nothing).
class ConstructionVansGoal : public CountGoal {
public:
  explicit ConstructionVansGoal(Map* map);
  int GetValue() const override;
  void Evaluate(float dt) override;
  // "(n left)" while not met: the vans still to buy.
  Tessel::WideString GetText() const override;

protected:
  Tessel::WideString LeftFormat;
};

}  // namespace Corvanta
