#pragma once
// The balance values of one building kind, per upgrade level.
//
// Records start with "not given" markers (-1) so that, after the balance file
// is read, Complete() can tell what the file left out and derive it from what
// it gave: a kind that only names its price still gets upgrade prices,
// incomes, repair costs and work times that grow sensibly with its level.

#include "tessel/text/ValueParsers.h"

namespace Corvanta {

// A range that random values are drawn from (min + (max - min) * r).
struct FloatRange {
  float Min = 0;
  float Max = 0;
  bool operator==(const FloatRange&) const = default;
};

struct BuildingLevelBalance {
  int Value = -1;                // construction price / base value at this level
  float IncomeRatio = -1;        // percent of Value paid as income when Income is not given
  int Income = -1;               // per pay day
  float RepairCostRatio = -1;    // percent of Value charged for a repair when RepairCost is not given
  int RepairCost = -1;
  int UpgradeCost = -1;          // from this level to the next
  float RepairTime = -1;         // seconds of work
  float UpgradeTime = -1;
  float DemolishTime = -1;
  int Population = 0;
  int Radius = 0;                // area effect of services and decorations
  int IncomePerVisitor = 0;
  int AdditionalValuePerVisitor = 0;
  float SpecialAbilityValue = 0;
  float SpecialAbilityPeriod = 0;
  int SpecialAbilityNumRounds = 0;
  float SpecialAbilityCooldown = 0;
  FloatRange BreakPeriod{-1, -1};  // seconds between breakdowns of a house
  FloatRange CarsTypes;
  FloatRange CarsCount;
  Tessel::Point ImageOffset;
  int Happiness = -1;
  Tessel::RectF InterfaceRect;

  // A house at this level breaks from time to time. A kind whose file gives
  // no breakPeriod has none: its houses never break (rather than breaking at
  // once and again after every repair).
  bool CanBreak() const { return BreakPeriod.Min >= 0; }
};

struct BuildingBalance {
  static constexpr int NumLevels = 4;

  float ConstructionTime = -1;   // seconds of construction work
  int ConstructionVansCount = 1;
  int NumUpgrades = 0;           // highest level in use; set by kind, never read from the file
  BuildingLevelBalance Levels[NumLevels];
  bool IsInFile = false;         // the balance file has an element for this kind

  // Fills in what the file left out, once after reading (see the .cpp for
  // the rules). Sets NumUpgrades from the kind.
  void Complete(int kind);
};

}  // namespace Corvanta
