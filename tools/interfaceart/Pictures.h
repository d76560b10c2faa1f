#pragma once
// Every interface picture the tool can draw, by its name in the game
// ("images/interface/DialogButtonSmall_over"). Names are written as the
// catalogue spells them, folder case included.

#include <string>
#include <vector>

#include "common/Image.h"

namespace InterfaceArt {

struct PictureRecipe {
  std::string Name;
  Tools::Image (*Draw)();
};

const std::vector<PictureRecipe>& AllPictures();

// The pictures of each family, drawn in Controls.cpp, Dialogs.cpp and Cursors.cpp.
Tools::Image DrawWhite();
Tools::Image DrawDialogSmall();
Tools::Image DrawDialogButtonNormal();
Tools::Image DrawDialogButtonOver();
Tools::Image DrawDialogButtonPressed();
Tools::Image DrawDialogButtonGrey();
Tools::Image DrawSliderBar();
Tools::Image DrawSliderPinActive();
Tools::Image DrawSliderPinInactive();
Tools::Image DrawTextBox();
Tools::Image DrawTextBoxCursor();
Tools::Image DrawCheckBoxNormal();
Tools::Image DrawCheckBoxChecked();
Tools::Image DrawCursors();

}  // namespace InterfaceArt
