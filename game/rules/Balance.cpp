#include "game/rules/Balance.h"

#include "tessel/Exception.h"

namespace Corvanta {

namespace {

// What an empty balance file gives: the defaults with every record derived.
Balance MakeDefaults() {
  Balance balance;
  balance.CompleteBuildings();
  return balance;
}

Balance& CurrentBalance() {
  static Balance current = MakeDefaults();
  return current;
}

}  // namespace

const BuildingBalance* Balance::FindBuilding(int kind) const {
  return HasBalanceRecord(kind) ? &Buildings[kind] : nullptr;
}

const BuildingBalance& Balance::GetBuilding(int kind) const {
  TESSEL_ASSERT(HasBalanceRecord(kind));
  return Buildings[kind];
}

BuildingBalance& Balance::GetBuilding(int kind) {
  TESSEL_ASSERT(HasBalanceRecord(kind));
  return Buildings[kind];
}

void Balance::CompleteBuildings() {
  for (BuildingKind kind : GetBalanceKinds()) Buildings[kind].Complete(kind);
}

const Balance& Balance::Current() { return CurrentBalance(); }
void Balance::Install(Balance balance) { CurrentBalance() = std::move(balance); }
void Balance::Reset() { CurrentBalance() = MakeDefaults(); }

}  // namespace Corvanta
