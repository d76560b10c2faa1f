#include "game/town/SpecialAbility.h"

#include <algorithm>
#include <cmath>

#include "game/town/Building.h"
#include "game/town/BuildingSounds.h"
#include "game/town/Map.h"
#include "game/town/MapPresenter.h"

namespace Corvanta {

int SpecialAbility::GetRoundPay(int income, const BuildingLevelBalance& level) {
  return static_cast<int>(std::floor(income * static_cast<double>(level.SpecialAbilityValue)));
}

float SpecialAbility::GetProgress(const BuildingLevelBalance& level) const {
  if (!IsRunning()) {
    // No cooldown: recharged at once.
    float cooldown = level.SpecialAbilityCooldown;
    return cooldown > 0 ? std::min(1.0f, AbilityTimer / cooldown) : 1.0f;
  }
  float all = level.SpecialAbilityPeriod * static_cast<float>(level.SpecialAbilityNumRounds);
  if (all <= 0) return 0;
  return std::clamp((AbilityTimer + static_cast<float>(RoundsLeft - 1) * level.SpecialAbilityPeriod) / all, 0.0f, 1.0f);
}

void SpecialAbility::Reset(Building& owner) {
  RoundsLeft = 0;
  AbilityTimer = 0;
  AbilityShowing = false;
  bool wasReady = IsReady;
  IsReady = false;
  if (wasReady)
    owner.RefreshMenu();
  else
    ShowOnButton(owner);
}

void SpecialAbility::Start(Building& owner, const char* sound) {
  const BuildingLevelBalance& level = *owner.LevelBalance;
  IsReady = false;
  RoundsLeft = level.SpecialAbilityNumRounds;
  AbilityTimer = level.SpecialAbilityPeriod;
  AbilityShowing = true;
  // An ability without rounds pays nothing and recharges again at once.
  if (RoundsLeft < 1) {
    RoundsLeft = 0;
    AbilityTimer = 0;
    AbilityShowing = false;
  }
  MapPresenter& presenter = owner.TheMap->GetPresenter();
  if (sound) presenter.PlaySound(sound);
  if (AbilityShowing) presenter.ShowAbilityEffect(&owner, static_cast<float>(RoundsLeft) * level.SpecialAbilityPeriod);
  owner.TheMap->Broadcast(&MapListener::OnSpecialAbilityUsed, &owner);
  owner.RefreshMenu();
}

void SpecialAbility::Update(Building& owner, float dt, int income) {
  const BuildingLevelBalance& level = *owner.LevelBalance;
  Map& map = *owner.TheMap;
  if (!IsRunning()) {
    if (!IsReady) {
      if (AbilityTimer < level.SpecialAbilityCooldown) AbilityTimer += dt;
      if (map.InstantJobs) AbilityTimer = std::max(AbilityTimer, level.SpecialAbilityCooldown);
      if (AbilityTimer >= level.SpecialAbilityCooldown) {
        IsReady = true;
        owner.RefreshMenu();
        map.Broadcast(&MapListener::OnSpecialAbilityReady, &owner);
        return;
      }
    }
  } else if (owner.JobRequired == JOB_Demolish) {
    // Nothing more to celebrate in a building coming down.
    AbilityShowing = false;
    AbilityTimer = 0;
    RoundsLeft = 0;
  } else {
    AbilityTimer -= dt;
    if (AbilityTimer < 0) {
      --RoundsLeft;
      int pay = GetRoundPay(income, level);
      map.TransferMoney(pay);
      map.GetPresenter().ShowMoneyPopup(&owner, pay);
      map.GetPresenter().PlaySound(TownSounds::Rent);
      if (RoundsLeft <= 0) {
        AbilityShowing = false;
        AbilityTimer = 0;
        RoundsLeft = 0;
      } else {
        AbilityTimer += level.SpecialAbilityPeriod;
      }
    }
  }
  ShowOnButton(owner);
}

void SpecialAbility::FillButton(Building& owner, const char* toolTipKey, BuildingMenuButton& button) const {
  button.Id = ButtonId;
  button.CaptionKey = toolTipKey;
  button.ToolTipKey = toolTipKey;
  button.IsEnabled = IsReady;
  button.Progress = IsReady || !owner.LevelBalance ? -1 : GetProgress(*owner.LevelBalance);
}

void SpecialAbility::ShowOnButton(Building& owner) const {
  if (!owner.MenuShown || !owner.LevelBalance) return;
  for (BuildingMenuButton& button : owner.MenuButtons) {
    if (button.Id != ButtonId) continue;
    // Only the bar moves: the menu is rebuilt when the button's state changes.
    button.Progress = IsReady ? -1 : GetProgress(*owner.LevelBalance);
  }
}

}  // namespace Corvanta
