// Map: the game clock and the economy: pay days and the day counter, the
// rivals' offers, money, the company value, the goals and the victory, and
// the level scripts' switches that do more than store a value.

#include <algorithm>
#include <cmath>

#include "game/rules/Balance.h"
#include "game/town/Building.h"
#include "game/town/Map.h"
#include "game/town/MapGoal.h"
#include "game/town/MapPresenter.h"
#include "game/town/MapScript.h"
#include "tessel/Exception.h"
#include "tessel/Random.h"
#include "tessel/Scan.h"
#include "tessel/text/MoneyFormat.h"

using namespace Tessel;

namespace Corvanta {

// ---- the frame

void Map::UpdateGameLogic(float dt) {
  if (!Started) return;
  GameTime += dt;
  UpdateStartDelay(dt);
  UpdateRivalOffers();
  UpdatePayDay(dt);
  UpdatePedestrians(false);
  if (!IsWon && !Goals.IsEmpty() && EvaluateGoals(dt)) {
    IsWon = true;
    WinBankAccount = BankAccount;
  }
  if (IsWon && !VictoryHandled) HandleVictory();
}

void Map::UpdateScripts(float dt) {
  for (MapScript* script : Scripts) script->Update(dt);
}

// ---- pay days

void Map::UpdatePayDay(float dt) {
  if (!IncomeCollectionEnabled || !HasIncomeBuilding) {
    PayDayProgress = 0;
    return;
  }
  PayDayProgress += dt / static_cast<float>(Balance::Current().PayDayTime);
  if (PayDayProgress < 1) return;
  // Summed wide: many rich buildings must not wrap the day's pay.
  int64_t pay = 0;
  for (Building* building : Buildings) {
    int income = building->GetIncome();
    if (income <= 0) continue;
    GetPresenter().ShowMoneyPopup(building, income);
    pay += income;
  }
  if (pay > 0) {
    TransferMoney(static_cast<int>(std::min<int64_t>(pay, MaxMoney)));
    GetPresenter().PlaySound(TownSounds::PayDay);
  }
  // A long frame ends one day, not several: what is left over is dropped.
  PayDayProgress = 0;
  LastPayDayIncome = TotalIncome;
  if (!IsWon) Day = std::min(Day + 1, MaxDay);
}

// ---- rival offers

void Map::UpdateRivalOffers() {
  if (RivalsBeforeSellTimerSpeed <= 0 || NextRivalOfferTime > GameTime) return;
  MakeRivalOffer();
  float interval = (RandUnit() + 0.5f) * 60 / (RivalOfferRate * RivalsBeforeSellTimerSpeed);
  NextRivalOfferTime = GameTime + interval;
}

void Map::MakeRivalOffer() {
  Array<Building*> candidates;
  Array<double> weights;
  double totalWeight = 0;
  for (Building* building : Buildings) {
    if (!building->IsRival || !building->RivalMayOffer || building->IsUnmarketable || building->isForSale) continue;
    double weight = (building->SalePriority + 1.0) * 1000;
    if (building->OfferCount != 0) weight /= building->OfferCount;
    if (IsCommercialKind(building->Kind)) weight /= 2;
    candidates.Add(building);
    weights.Add(weight);
    totalWeight += weight;
  }
  if (candidates.IsEmpty()) return;
  Building* building = candidates[0];
  if (candidates.GetSize() > 1) {
    double pick = RandUnit() * totalWeight;
    for (int i = 0; i < candidates.GetSize(); ++i) {
      building = candidates[i];
      if (pick < weights[i]) break;
      pick -= weights[i];
    }
  }
  const Corvanta::Balance& rules = Balance::Current();
  building->isForSale = true;
  building->SaleTimer =
      RandRange(static_cast<float>(rules.ForSaleWaitTimeMin), static_cast<float>(rules.ForSaleWaitTimeMax));
  TESSEL_ASSERT(building->LevelBalance != 0);
  int price = building->GetMarketValue();
  int step = static_cast<int>(std::round(11 * RandUnit() - 6));
  price += static_cast<int>(std::round(step * 0.05 * price));
  building->Price = RoundPrice(price);
  GetPresenter().PlaySound(TownSounds::ForSale);
  ++building->OfferCount;
  RecomputeTotals();
  building->RefreshMenu();
}

// ---- money and value

bool Map::TransferMoney(int amount) {
  if (!CanTransferMoney(amount)) return false;
  int before = BankAccount;
  BankAccount = static_cast<int>(std::min<int64_t>(MaxMoney, static_cast<int64_t>(BankAccount) + amount));
  GetPresenter().MoneyTransferred(BankAccount - before);
  Broadcast(&MapListener::OnMoneyChanged);
  return true;
}

uint64_t Map::GetCompanyValue() const {
  uint64_t values = 0;
  for (const Building* building : Buildings) {
    if (building->IsRival) continue;
    int value = building->GetMarketValue();
    if (value > 0) values += static_cast<uint64_t>(value);
  }
  return GetUpgradeEffects().GetCompanyValue(values);
}

void Map::NoteIncomeBuilding(const Building* building) {
  if (building->IsRival || building->IsPreview) return;
  if (IsHouseKind(building->Kind) || IsCommercialKind(building->Kind))
    HasIncomeBuilding = true;
  else if ((building->Kind == BDK_Stadium || building->Kind == BDK_Airport) && building->IsOperational())
    HasIncomeBuilding = true;
}

// ---- goals and the victory

bool Map::EvaluateGoals(float dt) {
  bool allMet = true, anyChecked = false, anyUnchecked = false;
  // A goal may be told about its own change and change others: the list is
  // walked by index.
  for (int i = 0; i < Goals.GetSize(); ++i) {
    MapGoal* goal = Goals[i];
    if (goal->IsInactive) continue;
    // The state before this evaluation decides: the level is won on the
    // update after the last goal became met.
    if (!goal->IsInvisible && !goal->IsMet) allMet = false;
    bool wasMet = goal->IsMet;
    goal->Evaluate(dt);
    if (goal->IsMet == wasMet) continue;
    if (goal->IsMet) {
      if (!goal->IsInvisible) anyChecked = true;
      goal->CheckedAnimationTime = 4;
      Broadcast(&MapListener::OnGoalCompleted, goal);
    } else {
      if (!goal->IsInvisible) anyUnchecked = true;
      Broadcast(&MapListener::OnGoalUncompleted, goal);
    }
  }
  if (allMet) return true;
  if (anyChecked)
    GetPresenter().PlaySound(TownSounds::GoalChecked);
  else if (anyUnchecked)
    GetPresenter().PlaySound(TownSounds::GoalUnchecked);
  return false;
}

void Map::HandleVictory() {
  VictoryHandled = true;
  GetPresenter().ShowVictory();
  // The work stops with the town: the loops fade out, and work that goes on
  // in overtime counts afresh.
  WorkCount = DemolishCount = 0;
  for (Building* building : Buildings) building->IsBeingWorked = building->IsBeingDemolished = false;
  SetTool(MAPTOOL_None);
  PauseGame();
  PauseScripts();
  GetPresenter().StartVictoryMusic();
  VictoryMusicStarted = true;
}

void Map::PlayOvertime() {
  TESSEL_ASSERT(VictoryHandled);
  if (IsPlayingOvertime) return;
  IsPlayingOvertime = true;
  // The victory's pause of the scripts stays for the rest of the level.
  PauseScripts();
  ResumeGame();
}

// ---- switches

void Map::RebuildOpenMenus() {
  for (Building* building : Buildings) building->RefreshMenu();
}

void Map::SetMaxBuildingUpgradeLevel(int level) {
  MaxBuildingUpgradeLevel = level;
  RebuildOpenMenus();
}

void Map::SetBuildingsCanBeSelled(bool on) {
  BuildingsCanBeSelled = on;
  RebuildOpenMenus();
}

void Map::SetRivalsBeforeSellTimerSpeed(float speed) {
  if (!(speed > 0) || !std::isfinite(speed)) speed = 0;
  // The wait of the pending offer, as it would run at speed 1.
  float wait = RivalsBeforeSellTimerSpeed > 0 ? (NextRivalOfferTime - GameTime) * RivalsBeforeSellTimerSpeed
                                              : HeldRivalOfferDelay;
  RivalsBeforeSellTimerSpeed = speed;
  if (speed > 0)
    NextRivalOfferTime = GameTime + wait / speed;
  else
    HeldRivalOfferDelay = wait;
}

void Map::SetFixedConstructionRectangle(const String& text) {
  // Numbers that are not there read as 0, as scanf leaves them.
  int32_t values[4] = {0, 0, 0, 0};
  size_t position = 0;
  for (int32_t& value : values)
    if (!ScanInt(text.CStr(), position, value)) break;
  FixedConstructionRectangle.Area = Rect{values[0], values[1], values[2], values[3]};
  FixedConstructionRectangle.IsOn = values[2] > 0 && values[3] > 0;
}

}  // namespace Corvanta
