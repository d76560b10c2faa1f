#include "game/rules/BuildingBalance.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "game/rules/BuildingKind.h"

namespace Corvanta {

namespace {

// Truncation toward zero, kept inside int: a file may hold a value whose
// derived prices would not fit.
int TruncToInt(double value) {
  if (!(value == value)) return 0;  // NaN
  if (value >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (value <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

int SaturatingAdd(int a, int b) {
  int64_t sum = static_cast<int64_t>(a) + b;
  if (sum > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (sum < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(sum);
}

// step * round(amount / step), halves away from zero.
int RoundToStep(int amount, int step) { return TruncToInt(step * std::round(static_cast<double>(amount) / step)); }

// Income and repair cost of a level from its value and ratios (the same rule
// at every level); true for each that was derived.
void DeriveMoney(BuildingLevelBalance& level, bool& incomeDerived, bool& repairCostDerived) {
  if (level.IncomeRatio < 0) level.IncomeRatio = 15;
  incomeDerived = level.Income < 0;
  if (incomeDerived) level.Income = TruncToInt(static_cast<double>(level.Value) * level.IncomeRatio / 100);
  if (level.RepairCostRatio < 0) level.RepairCostRatio = 20;
  repairCostDerived = level.RepairCost < 0;
  if (repairCostDerived) level.RepairCost = TruncToInt(static_cast<double>(level.Value) * level.RepairCostRatio / 100);
}

void InheritFromLevelBelow(BuildingLevelBalance& level, const BuildingLevelBalance& below) {
  if (level.Population <= 0) level.Population = below.Population;
  if (level.BreakPeriod.Min < 0) level.BreakPeriod = below.BreakPeriod;
  if (level.Happiness < 0) level.Happiness = below.Happiness;
}

float Scaled(float constructionTime, double factor) { return static_cast<float>(constructionTime * factor); }

}  // namespace

// The order matters: each level's value builds on the level below, and the
// rounding steps always come from level 0's value.
void BuildingBalance::Complete(int kind) {
  NumUpgrades = GetNumUpgrades(kind);
  if (ConstructionTime < 0) ConstructionTime = 0;
  if (ConstructionVansCount <= 0) ConstructionVansCount = 1;
  const float ct = ConstructionTime;
  bool ignored = false;

  BuildingLevelBalance& l0 = Levels[0];
  if (l0.Value < 0) l0.Value = 0;
  const int value0 = l0.Value;
  if (l0.UpgradeCost < 0) l0.UpgradeCost = TruncToInt(value0 * 0.2);
  bool incomeDerived = false, repairCostDerived = false;
  DeriveMoney(l0, incomeDerived, repairCostDerived);
  if (l0.RepairTime < 0) l0.RepairTime = Scaled(ct, 0.5);
  if (l0.UpgradeTime < 0) l0.UpgradeTime = Scaled(ct, 0.4);
  if (l0.DemolishTime < 0) l0.DemolishTime = Scaled(ct, 0.5);
  if (l0.Happiness < 0) l0.Happiness = 0;

  struct Step {
    double UpgradeCostFactor;  // of value0; level 3 has no upgrade
    double RepairTime, UpgradeTime, DemolishTime;
  };
  const Step steps[] = {{0.4, 0.6, 0.6, 0.6}, {0.6, 0.7, 0.8, 0.7}, {-1, 0.8, -1, 0.8}};
  for (int i = 1; i < NumLevels; ++i) {
    BuildingLevelBalance& level = Levels[i];
    const BuildingLevelBalance& below = Levels[i - 1];
    const Step& step = steps[i - 1];
    if (level.Value < 0) level.Value = SaturatingAdd(below.Value, below.UpgradeCost);
    if (step.UpgradeCostFactor > 0 && level.UpgradeCost < 0) level.UpgradeCost = TruncToInt(value0 * step.UpgradeCostFactor);
    DeriveMoney(level, ignored, ignored);
    if (level.RepairTime < 0) level.RepairTime = Scaled(ct, step.RepairTime);
    if (step.UpgradeTime > 0 && level.UpgradeTime < 0) level.UpgradeTime = Scaled(ct, step.UpgradeTime);
    if (level.DemolishTime < 0) level.DemolishTime = Scaled(ct, step.DemolishTime);
    InheritFromLevelBelow(level, below);
  }

  for (int i = 1; i < NumLevels; ++i)
    if (Levels[i].InterfaceRect.Width <= 0) Levels[i].InterfaceRect = Levels[i - 1].InterfaceRect;

  if (incomeDerived) {
    int step = value0 < 19500 ? 50 : value0 < 39500 ? 100 : 500;
    for (BuildingLevelBalance& level : Levels) level.Income = RoundToStep(level.Income, step);
  }
  if (repairCostDerived) {
    int step = value0 < 19500 ? 50 : value0 < 29500 ? 100 : 500;
    for (BuildingLevelBalance& level : Levels) level.RepairCost = RoundToStep(level.RepairCost, step);
  }
}

}  // namespace Corvanta
