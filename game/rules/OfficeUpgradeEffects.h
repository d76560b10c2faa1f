#pragma once
// What the bought office upgrades change in a running level. The map copies
// the profile's bought set when a level starts; every rule that an upgrade
// bends asks here, so the numbers live in one place.

#include <cstdint>

#include "game/rules/BuildingKind.h"
#include "game/rules/OfficeUpgrade.h"

namespace Corvanta {

class OfficeUpgradeEffects {
public:
  OfficeUpgradeEffects() = default;
  explicit OfficeUpgradeEffects(uint32_t bought) : Bought(bought) {}

  bool Has(OfficeUpgradeId upgrade) const { return upgrade >= 0 && (Bought >> upgrade) & 1u; }
  uint32_t GetBought() const { return Bought; }

  // Jobs go faster with better management (1.25 with "Management2", else 1.1
  // with "Management").
  float GetWorkSpeedFactor() const;
  // The sum of the market values, grown by the money stores (x 120 / 100 or x 110 / 100).
  uint64_t GetCompanyValue(uint64_t marketValues) const;
  // Construction vans drive faster (x 1.4 with "AutoService2", else x 1.2 with "AutoService").
  float GetVanSpeedFactor() const;
  // A new van costs less: x 70 / 100 with "AutoService3", then x 85 / 100 with "AutoService2".
  int GetConstructionVanCost(int baseCost) const;
  // "ClockTower": one more day counts as expert.
  int GetExpertDays(int baseDays) const;
  // "Social": one more inhabitant in every house.
  int GetExtraInhabitants() const { return Has(OFUP_Social) ? 1 : 0; }
  // "Social2": commercial buildings serve one square further.
  int GetServiceRadiusBonus(BuildingKind kind) const;
  // "Recycle": half the market value back on demolition (whole money only).
  int GetDemolitionRefund(int marketValue) const;
  bool HasBonusChecks() const { return Has(OFUP_Fund); }
  bool HasWorkshopAlert() const { return Has(OFUP_Development2); }
  bool HasOfficeSpeedUp() const { return Has(OFUP_AutoService2); }

private:
  uint32_t Bought = 0;
};

}  // namespace Corvanta
