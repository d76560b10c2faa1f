#pragma once
// ControlResources: the sounds, pictures and fonts the standard controls use,
// as handles the game fills in from its resource catalogue. The controls
// stay free of any loading, and tests give them handles of their own (or
// none: a control without its art draws a plain stand-in and plays nothing).

#include "tessel/graphics/Font.h"
#include "tessel/resources/AudioResources.h"
#include "tessel/resources/Bitmap.h"

namespace Tessel {
class ResourceManager;
}

namespace Corvanta {

struct ControlResources {
  // Sounds.
  Tessel::Sound* Click = nullptr;          // "click"
  Tessel::Sound* ClickDisabled = nullptr;  // "clickDisabled"
  Tessel::Sound* MouseEnter = nullptr;     // "mouseEnter"
  Tessel::Sound* DialogPopup = nullptr;    // "dialogPopup"

  // Pictures of the common group.
  Tessel::Bitmap* SliderBar = nullptr;
  Tessel::Bitmap* SliderPinActive = nullptr;
  Tessel::Bitmap* SliderPinInactive = nullptr;
  Tessel::Bitmap* CheckBoxNormal = nullptr;
  Tessel::Bitmap* CheckBoxChecked = nullptr;
  Tessel::Bitmap* DialogBackground = nullptr;
  // Normal, pressed, grey, over: the order of the button states.
  Tessel::Bitmap* DialogButton[4] = {};
  // Pictures of the HUD group: a locked button's lock, the tool tip's frame.
  Tessel::Bitmap* Lock = nullptr;
  Tessel::Bitmap* ToolTipFrame = nullptr;

  // Fonts.
  Tessel::Font* DialogCaptionFont = nullptr;
  Tessel::Font* DialogTextFont = nullptr;
  Tessel::Font* DialogButtonFont = nullptr;
  Tessel::Font* ToolTipTitleFont = nullptr;
  Tessel::Font* ToolTipTextFont = nullptr;
};

// The process-wide handles, read by every control.
extern ControlResources TheControlResources;

// The common group's part, under the names of the game's catalogue; called
// by the loading routine of the common resources (the current group of the
// manager is left as it is).
void LoadCommonControlResources(Tessel::ResourceManager& manager, ControlResources& resources);
// Only the sounds (a part of the common group's).
void LoadControlSounds(Tessel::ResourceManager& manager, ControlResources& resources);
// The HUD group's part (the lock and the tool tip frame).
void LoadHudControlResources(Tessel::ResourceManager& manager, ControlResources& resources);

}  // namespace Corvanta
