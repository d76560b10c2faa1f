#include "game/rules/OfficeUpgrade.h"

#include "game/rules/NameCompare.h"
#include "tessel/Exception.h"

namespace Corvanta {

namespace {

constexpr const char* Names[OFUP_NumUpgrades] = {
    "Fund",   "Management", "MoneyStore", "AutoService", "Social",       "AutoService2", "Recycle",
    "Development2", "MoneyStore2", "ClockTower", "Management2", "Social2", "AutoService3", "Residence",
};

template <typename Char>
OfficeUpgradeId FromName(std::basic_string_view<Char> name) {
  for (int id = 0; id < OFUP_NumUpgrades; ++id)
    if (EqualsNoCase(name, Names[id])) return static_cast<OfficeUpgradeId>(id);
  return OFUP_None;
}

}  // namespace

const char* GetOfficeUpgradeName(int id) {
  if (id < 0 || id >= OFUP_NumUpgrades) TESSEL_ASSERT(!"Invalid office upgrade id");
  return Names[id];
}

OfficeUpgradeId OfficeUpgradeFromName(std::string_view name) { return FromName(name); }
OfficeUpgradeId OfficeUpgradeFromName(std::u16string_view name) { return FromName(name); }

}  // namespace Corvanta
