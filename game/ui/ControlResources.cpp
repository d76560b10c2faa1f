#include "game/ui/ControlResources.h"

#include "tessel/resources/ResourceManager.h"

using namespace Tessel;

namespace Corvanta {

ControlResources TheControlResources;

// The channel counts and volumes of the catalogue's sound list.
void LoadControlSounds(ResourceManager& manager, ControlResources& r) {
  r.Click = manager.GetSound("sounds/click.ogg", 2);
  r.ClickDisabled = manager.GetSound("sounds/clickDisabled.ogg", 2);
  r.MouseEnter = manager.GetSound("sounds/mouseEnter.ogg", 1, 0.5f);
  r.DialogPopup = manager.GetSound("sounds/dialogPopup.ogg", 1);
}

void LoadCommonControlResources(ResourceManager& manager, ControlResources& r) {
  LoadControlSounds(manager, r);
  r.SliderBar = manager.LoadBitmap("images/interface/SliderBar");
  r.SliderPinActive = manager.LoadBitmap("images/interface/SliderPin_active");
  r.SliderPinInactive = manager.LoadBitmap("images/interface/SliderPin_inactive");
  r.CheckBoxNormal = manager.LoadBitmap("images/interface/CheckBox_normal");
  r.CheckBoxChecked = manager.LoadBitmap("images/interface/CheckBox_checked");
  r.DialogBackground = manager.LoadBitmap("images/interface/DialogSmall");
  const char* states[4] = {"_normal", "_pressed", "_grey", "_over"};
  for (int i = 0; i < 4; ++i)
    r.DialogButton[i] = manager.LoadBitmap(String("images/interface/DialogButtonSmall") + states[i]);
  r.DialogCaptionFont = manager.GetFont("fonts/TrebuchetMSBold13");
  r.DialogTextFont = manager.GetFont("fonts/TrebuchetMSBold10");
  r.DialogButtonFont = manager.GetFont("fonts/TrebuchetMSBold10");
  r.ToolTipTitleFont = manager.GetFont("fonts/VerdanaBold8");
  r.ToolTipTextFont = manager.GetFont("fonts/VerdanaBold7");
}

void LoadHudControlResources(ResourceManager& manager, ControlResources& r) {
  r.Lock = manager.LoadBitmap("images/hud/Lock");
  r.ToolTipFrame = manager.LoadBitmap("images/hud/ToolTipBorder");
}

}  // namespace Corvanta
