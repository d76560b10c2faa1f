#pragma once
// TextBox: a label the player types into, one line with a blinking cursor.
// A left click gives it the keyboard focus; characters are inserted at the
// cursor when the font can draw them and the text stays within its limits
// (a number of characters, a width in pixels; 0 means none).

#include "tessel/widgets/Label.h"
#include "tessel/widgets/TextBoxListener.h"

namespace Tessel {

class TextBox : public Label {
public:
  // Left-aligned and centred vertically; hit-testable and focusable.
  TextBox();
  TextBox(int identifier, TextBoxListener* listener, Font* font);

  // The cursor stays within the new text.
  void SetText(const WideString& text) override;
  void SetCursorIndex(int index);
  int GetCursorIndex() const { return CursorIndex; }
  bool IsEditing() const { return Editing; }
  // Where the cursor character is drawn, in local coordinates.
  Vector2 GetCursorPosition() const;

  void OnFocusGained() override;
  void OnFocusLost() override;
  void OnChar(int code) override;
  void OnKeyDown(int virtualKey) override;
  void OnMouseUp(float x, float y, int button) override;
  void OnUpdate(float dt) override;
  void OnDraw(Canvas& canvas) override;

  int Identifier = -1;
  TextBoxListener* Listener = nullptr;
  char16_t CursorCharacter = u'|';
  int MaxCharacters = 0;
  int MaxTextWidth = 0;

protected:
  // One line: a text box never wraps.
  void Layout() override;

private:
  void MoveCursor(int index);
  void ReportTextChanged();

  int CursorIndex = 0;
  float BlinkTimer = 0;
  bool Editing = false;
};

}  // namespace Tessel
