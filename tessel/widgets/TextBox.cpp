#include "tessel/widgets/TextBox.h"

#include <algorithm>

#include "tessel/app/VirtualKeys.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/widgets/WidgetGuard.h"
#include "tessel/widgets/WidgetManager.h"

namespace Tessel {

namespace {

constexpr float BlinkPeriod = 1.0f;     // seconds for one on-off cycle
constexpr float CursorShownFor = 0.5f;  // the first half of it

}  // namespace

TextBox::TextBox() {
  IsHitTestable = true;
  IsFocusable = true;
  Alignment = ALIGN_Left | ALIGN_VerticalCentre;
}

TextBox::TextBox(int identifier, TextBoxListener* listener, Font* font) : TextBox() {
  Identifier = identifier;
  Listener = listener;
  SetFont(font);
}

void TextBox::Layout() {
  Lines.clear();
  if (!TheFont) return;
  int width = 0;
  for (char16_t c : Text) width += GlyphAdvance(c);
  Lines.push_back(Line{0, Text.size(), width});
}

void TextBox::SetText(const WideString& text) {
  Label::SetText(text);
  CursorIndex = std::clamp(CursorIndex, 0, static_cast<int>(Text.size()));
}

void TextBox::SetCursorIndex(int index) { MoveCursor(index); }

void TextBox::MoveCursor(int index) {
  CursorIndex = std::clamp(index, 0, static_cast<int>(Text.size()));
  BlinkTimer = 0;
}

void TextBox::ReportTextChanged() {
  if (Listener) Listener->OnTextChanged(Identifier);
}

void TextBox::OnFocusGained() {
  MoveCursor(static_cast<int>(Text.size()));
  Editing = true;
}

void TextBox::OnFocusLost() { Editing = false; }

void TextBox::OnChar(int code) {
  bool handled = false;
  WidgetGuard alive(this);
  if (Listener) Listener->OnCharFilter(Identifier, code, handled);
  if (handled || !alive || !TheFont) return;
  auto c = static_cast<char16_t>(code);
  const Glyph* glyph = TheFont->FindGlyph(c);
  if (!glyph || glyph->Advance == 0) return;
  if (MaxCharacters > 0 && static_cast<int>(Text.size()) >= MaxCharacters) return;
  if (MaxTextWidth > 0 && TheFont->MeasureText(Text) + glyph->Advance > MaxTextWidth) return;
  Text.insert(Text.begin() + CursorIndex, c);
  Layout();
  MoveCursor(CursorIndex + 1);
  ReportTextChanged();
}

void TextBox::OnKeyDown(int virtualKey) {
  WidgetGuard alive(this);
  switch (virtualKey) {
    case VK_BACK:
      if (CursorIndex > 0) {
        Text.erase(static_cast<size_t>(CursorIndex - 1), 1);
        Layout();
        MoveCursor(CursorIndex - 1);
        ReportTextChanged();
      }
      break;
    case VK_DELETE:
      if (CursorIndex < static_cast<int>(Text.size())) {
        Text.erase(static_cast<size_t>(CursorIndex), 1);
        Layout();
        MoveCursor(CursorIndex);
        ReportTextChanged();
      }
      break;
    case VK_HOME: MoveCursor(0); break;
    case VK_END: MoveCursor(static_cast<int>(Text.size())); break;
    case VK_LEFT: MoveCursor(CursorIndex - 1); break;
    case VK_RIGHT: MoveCursor(CursorIndex + 1); break;
    default: break;
  }
  if (alive && Listener) Listener->OnKey(Identifier, virtualKey);
}

void TextBox::OnMouseUp(float x, float y, int button) {
  if (button == 1 && !IsDisabled() && Manager) Manager->SetFocus(this);
}

void TextBox::OnUpdate(float dt) {
  BlinkTimer += dt;
  if (BlinkTimer > BlinkPeriod) BlinkTimer = 0;
}

// The pen where the glyph at the cursor would be drawn: the same advances,
// spacing and kerning the font draws the text with, so the cursor sits in
// the gap whatever the font.
Vector2 TextBox::GetCursorPosition() const {
  Vector2 at = GetLinePosition(0);
  if (!TheFont) return at;
  for (int i = 0; i < CursorIndex && i < static_cast<int>(Text.size()); ++i) {
    const Glyph* glyph = TheFont->FindGlyph(Text[static_cast<size_t>(i)]);
    if (!glyph) continue;
    char16_t next = static_cast<size_t>(i) + 1 < Text.size() ? Text[static_cast<size_t>(i) + 1] : 0;
    at.X += static_cast<float>(TheFont->GetAdvance(Text[static_cast<size_t>(i)], next) + TheFont->Spacing);
  }
  return at;
}

void TextBox::OnDraw(Canvas& canvas) {
  Label::OnDraw(canvas);
  if (!Editing || BlinkTimer >= CursorShownFor || !TheFont) return;
  Vector2 at = GetCursorPosition();
  char16_t cursor[1] = {CursorCharacter};
  TheFont->DrawText(canvas, at.X, at.Y, std::u16string_view(cursor, 1), Color);
}

}  // namespace Tessel
