#include <gtest/gtest.h>

#include "game/rules/OfficeUpgradeEffects.h"

using namespace Corvanta;

namespace {

OfficeUpgradeEffects With(std::initializer_list<OfficeUpgradeId> upgrades) {
  uint32_t bought = 0;
  for (OfficeUpgradeId u : upgrades) bought |= 1u << u;
  return OfficeUpgradeEffects(bought);
}

}  // namespace

TEST(OfficeUpgradeEffects, WorkSpeedVansAndTheirCost) {
  struct Case {
    std::initializer_list<OfficeUpgradeId> Bought;
    float WorkSpeed, VanSpeed;
    int VanCost;
  };
  const Case cases[] = {
      {{}, 1.0f, 1.0f, 10000},
      {{OFUP_Management}, 1.1f, 1.0f, 10000},
      {{OFUP_Management, OFUP_Management2}, 1.25f, 1.0f, 10000},
      {{OFUP_AutoService}, 1.0f, 1.2f, 10000},
      {{OFUP_AutoService, OFUP_AutoService2}, 1.0f, 1.4f, 8500},
      {{OFUP_AutoService3}, 1.0f, 1.0f, 7000},
      {{OFUP_AutoService2, OFUP_AutoService3}, 1.0f, 1.4f, 5950},
  };
  for (const Case& c : cases) {
    OfficeUpgradeEffects effects = With(c.Bought);
    EXPECT_FLOAT_EQ(effects.GetWorkSpeedFactor(), c.WorkSpeed) << effects.GetBought();
    EXPECT_FLOAT_EQ(effects.GetVanSpeedFactor(), c.VanSpeed) << effects.GetBought();
    EXPECT_EQ(effects.GetConstructionVanCost(10000), c.VanCost) << effects.GetBought();
  }
}

TEST(OfficeUpgradeEffects, CompanyValueDaysPeopleAndRadius) {
  EXPECT_EQ(With({}).GetCompanyValue(1000), 1000u);
  EXPECT_EQ(With({OFUP_MoneyStore}).GetCompanyValue(1000), 1100u);
  EXPECT_EQ(With({OFUP_MoneyStore, OFUP_MoneyStore2}).GetCompanyValue(1000), 1200u);
  EXPECT_EQ(With({OFUP_MoneyStore}).GetCompanyValue(999), 1098u) << "integer arithmetic";
  EXPECT_EQ(With({OFUP_ClockTower}).GetExpertDays(20), 21);
  EXPECT_EQ(With({}).GetExpertDays(20), 20);
  EXPECT_EQ(With({OFUP_Social}).GetExtraInhabitants(), 1);
  EXPECT_EQ(With({OFUP_Social2}).GetServiceRadiusBonus(BDK_Shop), 1);
  EXPECT_EQ(With({OFUP_Social2}).GetServiceRadiusBonus(BDK_Workshop), 0) << "a workshop's radius stays";
  EXPECT_EQ(With({}).GetServiceRadiusBonus(BDK_Shop), 0);
}

TEST(OfficeUpgradeEffects, RecyclingAndTheFeaturesTheyOpen) {
  EXPECT_EQ(With({OFUP_Recycle}).GetDemolitionRefund(20000), 10000);
  EXPECT_EQ(With({OFUP_Recycle}).GetDemolitionRefund(1), 0) << "less than one whole coin gives nothing";
  EXPECT_EQ(With({}).GetDemolitionRefund(20000), 0);
  EXPECT_TRUE(With({OFUP_Fund}).HasBonusChecks());
  EXPECT_FALSE(With({}).HasBonusChecks());
  EXPECT_TRUE(With({OFUP_Development2}).HasWorkshopAlert());
  EXPECT_TRUE(With({OFUP_AutoService2}).HasOfficeSpeedUp());
  EXPECT_FALSE(With({OFUP_AutoService}).HasOfficeSpeedUp());
}
