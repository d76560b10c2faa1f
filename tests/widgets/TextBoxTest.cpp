// Text boxes: taking the focus, typing within the limits, editing keys, the
// listener, the blinking cursor.
#include <gtest/gtest.h>

#include "support/RecordingGraphicsDevice.h"
#include "support/TestFonts.h"
#include "tessel/app/VirtualKeys.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/widgets/TextBox.h"
#include "tessel/widgets/WidgetManager.h"

using namespace Tessel;
using Strings = std::vector<std::string>;

namespace {

struct RecordingTextListener : TextBoxListener {
  void OnKey(int id, int key) override { Calls.push_back("key " + std::to_string(key)); }
  void OnCharFilter(int id, int c, bool& handled) override {
    handled = c == Refused;
    if (handled) Calls.push_back("refused " + std::to_string(c));
  }
  void OnTextChanged(int id) override { Calls.push_back("changed " + std::to_string(id)); }
  Strings Calls;
  int Refused = -1;
};

class TextBoxTest : public testing::Test {
protected:
  TextBoxTest() : TheFont(Fonts.Make("Plain")) {
    Manager.SetSize(1024, 768);
    Box = new TextBox(4, &Listener, TheFont);
    Box->SetRect(100, 100, 300, 30);
    Manager.AddChild(Box);
  }
  void ClickBox() {
    Manager.OnMouseMove(110, 110);
    Manager.Update(0);
    Manager.OnMouseDown(110, 110, 1);
    Manager.OnMouseUp(110, 110, 1);
  }
  void Type(const std::u16string& text) {
    for (char16_t c : text) Manager.OnChar(c);
  }
  std::u16string Text() const { return Box->GetText(); }
  // The cursor's x on screen when it is drawn now, or -1.
  float DrawnCursorX() {
    Testing::RecordingGraphicsDevice device;
    Canvas canvas(&device);
    canvas.Translate(Box->X, Box->Y);
    Box->Draw(canvas);
    canvas.Finish();
    int glyphs = device.TotalQuads();
    if (glyphs == static_cast<int>(Text().size())) return -1;
    return device.Calls.back().Quads.back().Position[0].X;
  }

  Testing::TestFonts Fonts;
  Font* TheFont;
  WidgetManager Manager{nullptr};
  RecordingTextListener Listener;
  TextBox* Box;
};

}  // namespace

TEST_F(TextBoxTest, AClickGivesTheFocusAndPutsTheCursorAtTheEnd) {
  Box->SetText(u"abc");
  EXPECT_TRUE(Box->IsFocusable && Box->IsHitTestable);
  EXPECT_FALSE(Box->IsEditing());
  ClickBox();
  EXPECT_EQ(Manager.GetFocusedWidget(), Box);
  EXPECT_TRUE(Box->IsEditing());
  EXPECT_EQ(Box->GetCursorIndex(), 3);
  Manager.SetFocus(nullptr);
  EXPECT_FALSE(Box->IsEditing());
}

TEST_F(TextBoxTest, AReleaseOnTheBoxAsksForTheFocusUnlessItIsDisabled) {
  Manager.OnMouseMove(110, 110);
  Manager.Update(0);
  Manager.OnMouseUp(110, 110, 1);
  EXPECT_EQ(Manager.GetFocusedWidget(), Box);
  Manager.SetFocus(nullptr);
  Manager.OnMouseUp(110, 110, 2);
  EXPECT_EQ(Manager.GetFocusedWidget(), nullptr) << "only the left button";
  Box->SetDisabled(true);
  Manager.OnMouseMove(111, 111);
  Manager.Update(0);
  Manager.OnMouseUp(111, 111, 1);
  EXPECT_EQ(Manager.GetFocusedWidget(), nullptr);
}

TEST_F(TextBoxTest, TypedCharactersGoInAtTheCursorAndAreReported) {
  ClickBox();
  Type(u"ad");
  Manager.OnKeyDown(VK_LEFT);
  Type(u"bc");
  EXPECT_EQ(Text(), u"abcd");
  EXPECT_EQ(Box->GetCursorIndex(), 3);
  EXPECT_EQ(Listener.Calls, (Strings{"changed 4", "changed 4", "key 37", "changed 4", "changed 4"}));
}

TEST_F(TextBoxTest, CharactersOutsideTheLimitsOrTheFontAreIgnored) {
  ClickBox();
  Box->MaxCharacters = 20;
  Type(u"abcdefghijklmnopqrst");
  Type(u"u");
  EXPECT_EQ(Text(), u"abcdefghijklmnopqrst") << "the 21st character";
  Box->MaxCharacters = 0;
  Box->MaxTextWidth = 215;
  Type(u"uv");
  EXPECT_EQ(Text(), u"abcdefghijklmnopqrstu") << "200 + 10 fits in 215, 210 + 10 does not";
  Box->MaxTextWidth = 0;
  Manager.OnChar(8);       // backspace arrives as a character too
  Manager.OnChar(0x263A);  // not in the font
  EXPECT_EQ(Text(), u"abcdefghijklmnopqrstu");
}

TEST_F(TextBoxTest, TheListenerMayRefuseACharacter) {
  ClickBox();
  Listener.Refused = '7';
  Type(u"a7b");
  EXPECT_EQ(Text(), u"ab");
  EXPECT_EQ(Listener.Calls, (Strings{"changed 4", "refused 55", "changed 4"}));
}

struct EditCase {
  const char16_t* Start;
  int Cursor;
  int Key;
  const char16_t* Text;
  int CursorAfter;
  bool Changed;
};
void PrintTo(const EditCase& c, std::ostream* os) {
  *os << "key " << c.Key << " at " << c.Cursor << " of \"" << Tessel::ToUtf8(c.Start) << '"';
}

class TextBoxEditing : public TextBoxTest, public testing::WithParamInterface<EditCase> {};

TEST_P(TextBoxEditing, EditingKeysChangeTheTextAndMoveTheCursor) {
  const EditCase& c = GetParam();
  Box->SetText(c.Start);
  ClickBox();
  Box->SetCursorIndex(c.Cursor);
  Listener.Calls.clear();
  Manager.OnKeyDown(c.Key);
  EXPECT_EQ(Text(), c.Text);
  EXPECT_EQ(Box->GetCursorIndex(), c.CursorAfter);
  Strings expected;
  if (c.Changed) expected.push_back("changed 4");
  expected.push_back("key " + std::to_string(c.Key));
  EXPECT_EQ(Listener.Calls, expected) << "every key reaches the listener after the box handled it";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TextBoxEditing,
    testing::Values(EditCase{u"abc", 2, VK_BACK, u"ac", 1, true}, EditCase{u"abc", 0, VK_BACK, u"abc", 0, false},
                    EditCase{u"abc", 1, VK_DELETE, u"ac", 1, true}, EditCase{u"abc", 3, VK_DELETE, u"abc", 3, false},
                    EditCase{u"abc", 2, VK_HOME, u"abc", 0, false}, EditCase{u"abc", 1, VK_END, u"abc", 3, false},
                    EditCase{u"abc", 0, VK_LEFT, u"abc", 0, false}, EditCase{u"abc", 3, VK_RIGHT, u"abc", 3, false},
                    EditCase{u"abc", 1, VK_RIGHT, u"abc", 2, false}, EditCase{u"abc", 1, VK_RETURN, u"abc", 1, false}));

TEST_F(TextBoxTest, ANewTextKeepsTheCursorInsideIt) {
  Box->SetText(u"a long name");
  ClickBox();
  EXPECT_EQ(Box->GetCursorIndex(), 11);
  Box->SetText(u"ab");
  EXPECT_EQ(Box->GetCursorIndex(), 2);
  Manager.OnKeyDown(VK_BACK);
  Manager.OnKeyDown(VK_DELETE);
  Type(u"z");
  EXPECT_EQ(Text(), u"az");
  Box->SetText(u"");
  EXPECT_EQ(Box->GetCursorIndex(), 0);
  Manager.OnKeyDown(VK_BACK);
  EXPECT_EQ(Text(), u"");
}

TEST_F(TextBoxTest, TheCursorBlinksHalfASecondInEverySecondAndRestartsWhenItMoves) {
  Box->SetText(u"ab");
  EXPECT_EQ(DrawnCursorX(), -1) << "not editing: no cursor";
  ClickBox();
  EXPECT_EQ(DrawnCursorX(), 120) << "the box is left-aligned: after two glyphs of 10";
  Manager.Update(0.3f);
  EXPECT_NE(DrawnCursorX(), -1);
  Manager.Update(0.3f);
  EXPECT_EQ(DrawnCursorX(), -1) << "0.6 s: the dark half";
  Manager.OnKeyDown(VK_LEFT);
  EXPECT_EQ(DrawnCursorX(), 110) << "a move restarts the blink";
  Manager.Update(0.45f);
  Manager.Update(0.45f);
  Manager.Update(0.2f);
  EXPECT_NE(DrawnCursorX(), -1) << "past 1 s the timer starts again";
}

TEST_F(TextBoxTest, TheCursorSitsWhereTheFontDrawsTheNextGlyph) {
  Font* spaced = Fonts.Make("Kerned", 10, 2, "<kerning pair='ab' offset='-4'/>");
  Box->SetFont(spaced);
  Box->SetText(u"abc");
  ClickBox();
  Box->SetCursorIndex(2);
  EXPECT_EQ(Box->GetCursorPosition().X, 10 + 2 - 4 + 10 + 2);
  EXPECT_EQ(DrawnCursorX(), 100 + 20);
}
