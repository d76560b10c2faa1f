#include "game/rules/OfficeUpgradeEffects.h"

namespace Corvanta {

float OfficeUpgradeEffects::GetWorkSpeedFactor() const {
  if (Has(OFUP_Management2)) return 1.25f;
  return Has(OFUP_Management) ? 1.1f : 1.0f;
}

uint64_t OfficeUpgradeEffects::GetCompanyValue(uint64_t marketValues) const {
  if (Has(OFUP_MoneyStore2)) return marketValues * 120 / 100;
  if (Has(OFUP_MoneyStore)) return marketValues * 110 / 100;
  return marketValues;
}

float OfficeUpgradeEffects::GetVanSpeedFactor() const {
  if (Has(OFUP_AutoService2)) return 1.4f;
  return Has(OFUP_AutoService) ? 1.2f : 1.0f;
}

int OfficeUpgradeEffects::GetConstructionVanCost(int baseCost) const {
  int cost = baseCost;
  if (Has(OFUP_AutoService3)) cost = cost * 70 / 100;
  if (Has(OFUP_AutoService2)) cost = cost * 85 / 100;
  return cost;
}

int OfficeUpgradeEffects::GetExpertDays(int baseDays) const { return baseDays + (Has(OFUP_ClockTower) ? 1 : 0); }

int OfficeUpgradeEffects::GetServiceRadiusBonus(BuildingKind kind) const {
  return Has(OFUP_Social2) && IsCommercialKind(kind) ? 1 : 0;
}

int OfficeUpgradeEffects::GetDemolitionRefund(int marketValue) const {
  if (!Has(OFUP_Recycle) || marketValue <= 0) return 0;
  return static_cast<int>(static_cast<int64_t>(marketValue) * 50 / 100);
}

}  // namespace Corvanta
