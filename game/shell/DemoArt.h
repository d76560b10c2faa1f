#pragma once
// Stand-in interface art for the widget demo until the catalogue's pictures
// exist, drawn pixel by pixel after the game's art direction: cream paper,
// wood and brass frames, bevelled buttons with a light top edge (brighter
// when hovered, darker and a pixel lower when pressed, desaturated when
// grey), and pixel fonts. It fills the control resources with its own
// pictures and fonts.

#include <memory>
#include <vector>

#include "game/shell/PixelFont.h"
#include "game/ui/ControlResources.h"
#include "tessel/resources/Bitmap.h"

namespace Corvanta {

class DemoArt {
public:
  DemoArt();

  // Pictures and fonts into the resources; sounds are left as they are.
  void FillIn(ControlResources& resources) const;

  // Four rows of width x height: normal, pressed, disabled, hover.
  Tessel::Bitmap* ButtonStrip = nullptr;
  Tessel::Bitmap* SmallButtonStrip = nullptr;
  Tessel::Bitmap* SliderBar = nullptr;
  Tessel::Bitmap* SliderPinActive = nullptr;
  Tessel::Bitmap* SliderPinInactive = nullptr;
  Tessel::Bitmap* CheckBoxNormal = nullptr;
  Tessel::Bitmap* CheckBoxChecked = nullptr;
  Tessel::Bitmap* DialogBackground = nullptr;
  Tessel::Bitmap* DialogButton[4] = {};
  Tessel::Bitmap* Lock = nullptr;
  Tessel::Bitmap* ToolTipFrame = nullptr;
  Tessel::Font* TextFont = nullptr;
  Tessel::Font* BoldFont = nullptr;
  Tessel::Font* SmallFont = nullptr;

private:
  Tessel::Bitmap* Make(int width, int height);

  std::vector<std::unique_ptr<Tessel::Bitmap>> Pictures;
  std::vector<PixelFont> Fonts;
};

}  // namespace Corvanta
