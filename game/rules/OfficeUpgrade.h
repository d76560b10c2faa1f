#pragma once
// The office upgrades a career buys with reward points, by identifier.
//
// The balance file prices them under their names; profiles keep the bought
// ones as a bit set (bit n = identifier n), so the numbers are fixed.

#include <cstdint>
#include <string_view>

#include "tessel/Strings.h"

namespace Corvanta {

enum OfficeUpgradeId : int32_t {
  OFUP_None = -1,
  OFUP_Fund = 0,
  OFUP_Management = 1,
  OFUP_MoneyStore = 2,
  OFUP_AutoService = 3,
  OFUP_Social = 4,
  OFUP_AutoService2 = 5,
  OFUP_Recycle = 6,
  OFUP_Development2 = 7,
  OFUP_MoneyStore2 = 8,
  OFUP_ClockTower = 9,
  OFUP_Management2 = 10,
  OFUP_Social2 = 11,
  OFUP_AutoService3 = 12,
  OFUP_Residence = 13,
  OFUP_NumUpgrades = 14,
};

// The name of an upgrade ("Fund"); an identifier outside 0..13 fails the
// assertion "!\"Invalid office upgrade id\"".
const char* GetOfficeUpgradeName(int id);

// Case-insensitive; OFUP_None for a name that is no upgrade.
OfficeUpgradeId OfficeUpgradeFromName(std::string_view name);
OfficeUpgradeId OfficeUpgradeFromName(std::u16string_view name);

// What the balance file says about one upgrade.
struct OfficeUpgradeBalance {
  int Price = 0;                  // reward points
  int NeedLevelsCompleted = 0;    // career levels completed before it can be bought
  uint32_t RequiredUpgrades = 0;  // bit n: upgrade n must be bought first
};

}  // namespace Corvanta
