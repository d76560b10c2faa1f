#pragma once
// TextBoxListener: what a screen hears from its text boxes (a profile name,
// a sale price). The identifier is the one the text box was given.

namespace Tessel {

class TextBoxListener {
public:
  virtual ~TextBoxListener() = default;
  // Every key pressed in the box, after the box has handled it.
  virtual void OnKey(int identifier, int virtualKey) {}
  // Set handled to keep the character out of the text.
  virtual void OnCharFilter(int identifier, int character, bool& handled) {}
  virtual void OnTextChanged(int identifier) {}
};

}  // namespace Tessel
