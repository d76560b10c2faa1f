#pragma once
// SpecialAbility: the timed ability of the commercial buildings, the
// stadium and the airport. It recharges for the level's cooldown, is used
// from the building's menu, and then pays its rounds: at the end of each
// round of the level's period the player gets the building's income times
// the ability value. A sale, a change of owner and a finished construction
// send it back to the start of recharging.
//
// The building runs it (only while the building works, is the player's and
// is on no market) and shows it on one of its menu buttons.

#include "game/rules/BuildingBalance.h"

namespace Corvanta {

class Building;
struct BuildingMenuButton;

class SpecialAbility {
public:
  explicit SpecialAbility(int buttonId) : ButtonId(buttonId) {}

  bool IsRunning() const { return RoundsLeft > 0; }
  // Back to the start of recharging, the button disabled at no progress.
  void Reset(Building& owner);
  // The button was pressed: the rounds start (sound may be null).
  void Start(Building& owner, const char* sound);
  // One step of time; income is what each round pays from.
  void Update(Building& owner, float dt, int income);
  // What one round pays at that income: floor(income x value).
  static int GetRoundPay(int income, const BuildingLevelBalance& level);
  // Recharging: the share recharged; running: the share of the rounds left.
  float GetProgress(const BuildingLevelBalance& level) const;
  // The button's state in the owner's menu, if shown.
  void ShowOnButton(Building& owner) const;
  // The menu button of a building whose menu is being filled.
  void FillButton(Building& owner, const char* toolTipKey, BuildingMenuButton& button) const;

  const int ButtonId;
  int RoundsLeft = 0;
  float AbilityTimer = 0;  // running: left of the round; recharging: recharged so far
  bool AbilityShowing = false;
  bool IsReady = false;    // recharged and waiting: the button is enabled
};

}  // namespace Corvanta
