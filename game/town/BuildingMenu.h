#pragma once
// The buttons of a selected building's menu, as the building decides them;
// the HUD turns them into buttons and reports presses back through
// Building::PressMenuButton. Icons and placement are the HUD's.

#include "tessel/Array.h"
#include "tessel/Strings.h"

namespace Corvanta {

// Button identifiers of the base; subclasses number theirs from 3.
enum BuildingMenuButtonId : int {
  MENU_Cancel = 0,
  MENU_Buy = 1,
  MENU_Sell = 2,
  MENU_FirstSubclassButton = 3,
};

struct BuildingMenuButton {
  int Id = MENU_Cancel;
  Tessel::String CaptionKey;  // "Hud.BuildingMenu.Buy"
  bool HasPrice = false;      // a second line "Hud.BuildingMenu.Price" with Price
  int Price = 0;
  bool IsEnabled = true;
  Tessel::String ToolTipKey;  // empty for none
  float Progress = -1;        // the button's progress bar 0..1, -1 without one
};

using BuildingMenuButtons = Tessel::Array<BuildingMenuButton>;

// The button of a timed ability that recharges (the office's speed-up, the
// workshop's alert), kept by its building between menus: enabled when
// ready, with its progress bar while running or recharging.
struct AbilityButtonState {
  bool IsEnabled = false;
  bool IsProgressShown = true;
  float Progress = 0;

  // The bar as the menu shows it: -1 while hidden.
  float GetShownProgress() const { return IsProgressShown ? Progress : -1; }
  // The menu's button, captioned and explained by the one text key.
  BuildingMenuButton MakeButton(int id, const char* textKey) const {
    BuildingMenuButton button;
    button.Id = id;
    button.CaptionKey = textKey;
    button.ToolTipKey = textKey;
    button.IsEnabled = IsEnabled;
    button.Progress = GetShownProgress();
    return button;
  }
};

}  // namespace Corvanta
