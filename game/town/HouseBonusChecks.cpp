// House: the bonus checks that the player's houses drop now and then, and
// that the player collects with a click before they fade away.

#include <cmath>

#include "game/town/BuildingSounds.h"
#include "game/town/House.h"
#include "game/town/Map.h"
#include "game/town/MapPresenter.h"
#include "tessel/Exception.h"
#include "tessel/Random.h"

using namespace Tessel;

namespace Corvanta {

namespace {

const Balance& Rules() { return Balance::Current(); }

float DrawFrom(const FloatRange& range) { return RandRange(range.Min, range.Max); }

}  // namespace

int House::RoundBonusAmount(int amount) {
  int step = amount < 245    ? 5
             : amount < 490  ? 10
             : amount < 980  ? 20
             : amount < 2450 ? 50
             : amount < 4900 ? 100
             : amount <= 9799 ? 200
                              : 500;
  return step * static_cast<int>(std::lround(static_cast<double>(amount) / step));
}

bool House::CanGenerateBonuses() const {
  return TheMap && !IsRival && !isForSale && !SellDialogOpen && !IsPreview && !IsBroken && !HasJob();
}

bool House::CanDropDonationCheck() const { return !BonusActive && !IsSelected() && CanGenerateBonuses(); }

void House::DropDonationCheck(bool held) {
  TESSEL_ASSERT(CanDropDonationCheck());
  DropCheck(held);
}

void House::DrawBonusAmount() {
  float share = DrawFrom(Rules().RandomBonusRevenuesPercent);
  BonusAmount = RoundBonusAmount(static_cast<int>(std::lround(GetMarketValue() * static_cast<double>(share))));
}

void House::DropCheck(bool held) {
  BonusActive = true;
  BonusPeriod = DrawFrom(Rules().RandomBonusRevenuesDuration);
  BonusElapsed = 0;
  DrawBonusAmount();
  BonusHeld = held;
  TheMap->GetPresenter().PlaySound(TownSounds::CheckAppear);
}

void House::EndBonusCheck() {
  BonusActive = false;
  BonusHeld = false;
  BonusPeriod = DrawFrom(Rules().RandomBonusRevenuesCooldown);
  BonusElapsed = 0;
  DrawBonusAmount();
}

void House::UpdateBonus(float dt) {
  // Frozen while the house cannot generate bonuses.
  if (!CanGenerateBonuses()) return;
  if (!BonusActive) {
    if (TheMap->HousesGenerateBonuses && TheMap->GetUpgradeEffects().HasBonusChecks())
      BonusElapsed += dt;
    else
      BonusElapsed = 0;
    if (BonusElapsed > BonusPeriod && !IsSelected()) DropCheck(false);
    return;
  }
  BonusElapsed += dt;
  if (BonusHeld) {
    // A held check stays short of its fade-out for as long as it takes.
    if (BonusElapsed > BonusPeriod - 1) BonusElapsed = 1;
  } else if (BonusElapsed > BonusPeriod) {
    EndBonusCheck();
  }
}

void House::CollectBonus() {
  TESSEL_ASSERT(CanCollectBonus());
  int amount = BonusAmount;
  TheMap->TransferMoney(amount);
  MapPresenter& presenter = TheMap->GetPresenter();
  presenter.ShowMoneyPopup(this, amount);
  presenter.PlaySound(TownSounds::CheckCollected);
  EndBonusCheck();
  TheMap->Broadcast(&MapListener::OnBonusCollected, static_cast<Building*>(this));
}

}  // namespace Corvanta
