#include "interfaceart/Pictures.h"

namespace InterfaceArt {

const std::vector<PictureRecipe>& AllPictures() {
  static const std::vector<PictureRecipe> pictures = {
      {"images/White", DrawWhite},
      {"images/Interface/Cursors", DrawCursors},
      {"images/interface/DialogSmall", DrawDialogSmall},
      {"images/interface/DialogButtonSmall_normal", DrawDialogButtonNormal},
      {"images/interface/DialogButtonSmall_over", DrawDialogButtonOver},
      {"images/interface/DialogButtonSmall_pressed", DrawDialogButtonPressed},
      {"images/interface/DialogButtonSmall_grey", DrawDialogButtonGrey},
      {"images/interface/SliderBar", DrawSliderBar},
      {"images/interface/SliderPin_active", DrawSliderPinActive},
      {"images/interface/SliderPin_inactive", DrawSliderPinInactive},
      {"images/interface/TextBox", DrawTextBox},
      {"images/interface/TextBoxCursor", DrawTextBoxCursor},
      {"images/interface/CheckBox_normal", DrawCheckBoxNormal},
      {"images/interface/CheckBox_checked", DrawCheckBoxChecked},
  };
  return pictures;
}

}  // namespace InterfaceArt
