#include "game/town/Commercial.h"

#include <algorithm>
#include <cmath>

#include "game/town/BuildingSounds.h"
#include "game/town/InfoRows.h"
#include "game/town/Map.h"
#include "game/town/MapPresenter.h"
#include "tessel/Exception.h"

using namespace Tessel;

// Assertions that name NULL use TESSEL_ASSERT_AT directly: passed on through
// TESSEL_ASSERT the word would reach the text already expanded.

namespace Corvanta {

TESSEL_IMPLEMENT_CLASS(Commercial, ServiceBuilding);

namespace {

const char* GetAbilitySound(int kind) {
  switch (kind) {
    case BDK_Shop: return TownSounds::ShopSale;
    case BDK_AmusementPark: return TownSounds::Festival;
    case BDK_Cinema: return TownSounds::CinemaPremiere;
    case BDK_Dealership: return TownSounds::Exhibition;
    default: return nullptr;
  }
}

const char* GetAbilityIncomeKey(int kind) {
  switch (kind) {
    case BDK_Shop: return "Hud.Info.SaleIncome";
    case BDK_AmusementPark: return "Hud.Info.FestIncome";
    case BDK_Cinema: return "Hud.Info.PremiereIncome";
    default: return "Hud.Info.ExpoIncome";
  }
}

}  // namespace

Commercial::Commercial() : Commercial(BDK_Shop) {}

Commercial::Commercial(BuildingKind kind) : ServiceBuilding(kind) { ServiceHighlightColour = 0x8000FF00u; }

const char* Commercial::GetAbilityKey() const {
  switch (Kind) {
    case BDK_Shop: return "Hud.BuildingMenu.Sale";
    case BDK_AmusementPark: return "Hud.BuildingMenu.Fest";
    case BDK_Cinema: return "Hud.BuildingMenu.Premiere";
    default: return "Hud.BuildingMenu.Expo";
  }
}

// ---- visitors and money

int Commercial::GetAttendance() const {
  int attendance = 0;
  for (const Building* building : Served) attendance += building->GetPopulation();
  return attendance;
}

int Commercial::GetMarketValue() const {
  if (!LevelBalance) return 0;
  int value = static_cast<int>(std::lround(LevelBalance->Value * static_cast<double>(Balance::Current().MarketToConstructionValueRatio)));
  return value + GetAttendance() * LevelBalance->AdditionalValuePerVisitor;
}

int Commercial::GetIncome() const {
  if (!IsOperational() || IsRival || isForSale) return 0;
  return GetPotentialIncome();
}

int Commercial::GetPotentialIncome() const { return LevelBalance ? GetAttendance() * LevelBalance->IncomePerVisitor : 0; }

void Commercial::GetInfo(BuildingInfoRows& rows) const {
  ServiceBuilding::GetInfo(rows);
  auto add = [&rows](const char* key, int value) { AddInfoRow(rows, key, value); };
  if (IsRival || !LevelBalance) return;
  if (IsOperational()) {
    add(GetAbilityIncomeKey(Kind), SpecialAbility::GetRoundPay(GetIncome(), *LevelBalance) *
                                       std::max(0, LevelBalance->SpecialAbilityNumRounds));
    add("Hud.Info.Attendance", GetAttendance());
  } else {
    add("Hud.Info.PotentialAttendance", GetAttendance());
  }
}

// ---- the ability

bool Commercial::CanRunAbility() const { return TheMap && LevelBalance && IsOperational() && !IsRival && !isForSale; }

void Commercial::FillMenu(BuildingMenuButtons& buttons) {
  BuildingMenuButton button;
  Ability.FillButton(*this, GetAbilityKey(), button);
  buttons.Add(button);
}

void Commercial::OnMenuButton(int id) {
  if (id != MENU_Ability) {
    Building::OnMenuButton(id);
    return;
  }
  const BuildingMenuButton* btnSpecialAbility = FindMenuButton(MENU_Ability);
  TESSEL_ASSERT_AT(btnSpecialAbility != NULL, __FILE__, __LINE__);
  Ability.Start(*this, GetAbilitySound(Kind));
}

void Commercial::OnDisabledMenuButton(int id) {
  if (id == MENU_Ability && TheMap)
    TheMap->GetPresenter().ShowHint("AssistantHint.WaitRechargingAbility");
  else
    Building::OnDisabledMenuButton(id);
}

void Commercial::UpdateIndicator(float dt) {
  bool ready = IsOperational() && !IsRival && !isForSale && Ability.IsReady;
  IndicatorFade = ready ? std::min(3.0f, IndicatorFade + 4 * dt) : std::max(0.0f, IndicatorFade - 6 * dt);
}

void Commercial::OnUpdate(float dt) {
  if (CanRunAbility()) {
    if (Kind == BDK_AmusementPark && Ability.IsRunning() && JobRequired != JOB_Demolish) AnimationPhase += 4 * dt;
    Ability.Update(*this, dt, GetIncome());
  }
  UpdateIndicator(dt);
  ServiceBuilding::OnUpdate(dt);
}

void Commercial::PutUpForSale(int price, int percentsOfOriginalPrice) {
  ServiceBuilding::PutUpForSale(price, percentsOfOriginalPrice);
  Ability.Reset(*this);
}

void Commercial::OnOwnerChanged() { Ability.Reset(*this); }

void Commercial::OnJobFinished(JobKind job) {
  ServiceBuilding::OnJobFinished(job);
  // It starts recharging once it opens.
  if (job == JOB_Construct) Ability.Reset(*this);
}

}  // namespace Corvanta
