// The modal message dialog: what it blocks, its keys and answers, its fades,
// its sound and its texts.
#include "game/ui/MessageDialog.h"
#include "tessel/Exception.h"
#include "tessel/app/VirtualKeys.h"
#include "tessel/text/LocalizedText.h"
#include "tests/ui/ControlFixture.h"

using namespace Tessel;
using namespace Corvanta;
using Testing::Strings;

namespace {

struct AnswerListener : MessageDialogListener {
  void OnDialogAnswer(int id, int answer) override {
    Answers.push_back(std::to_string(id) + ":" + std::to_string(answer));
    if (DeleteOnAnswer) delete Dialog;
  }
  Strings Answers;
  MessageDialog* Dialog = nullptr;
  bool DeleteOnAnswer = false;
};

struct PressListener : ButtonListener {
  void OnButtonPress(int) override { ++Presses; }
  void OnButtonClick(int) override { ++Clicks; }
  int Presses = 0, Clicks = 0;
};

// A screen with a button under where the dialog's panel will be.
class MessageDialogTest : public Testing::ControlFixture {
protected:
  MessageDialogTest() {
    Screen = new Widget;
    Screen->SetRect(0, 0, 1024, 768);
    Manager().AddChild(Screen);
    Beneath = new Button(1, &BeneathListener);
    Beneath->SetRect(10, 10, 100, 40);
    Screen->AddChild(Beneath);
    TakeSounds();
  }
  MessageDialog* Make(DialogButtons buttons) {
    auto* dialog = new MessageDialog(9, &Listener, u"Sell?", u"Sell the cottage for 1000?", buttons);
    Owned.reset(dialog);
    Listener.Dialog = dialog;
    return dialog;
  }
  // The screen position of a point inside a dialog button.
  Point Inside(Button& button) {
    Vector2 p = button.LocalToScreen(5, 5);
    return Point{static_cast<int>(p.X), static_cast<int>(p.Y)};
  }
  void ClickOn(Button& button) {
    Point p = Inside(button);
    Click(p.X, p.Y);
  }
  ~MessageDialogTest() override {
    // The dialog's owner deletes it; a shown one leaves its parent first.
    Owned.reset();
    ClearScreen();
  }

  AnswerListener Listener;
  PressListener BeneathListener;
  Widget* Screen;
  Button* Beneath;
  std::unique_ptr<MessageDialog> Owned;
};

}  // namespace

TEST_F(MessageDialogTest, ShownItPlaysItsSoundTakesTheFocusAndFadesIn) {
  MessageDialog* dialog = Make(DIALOGBUTTONS_YesNo);
  dialog->Show(*Screen);
  EXPECT_EQ(TakeSounds(), Strings{"dialogPopup"});
  EXPECT_EQ(Manager().GetFocusedWidget(), dialog);
  EXPECT_EQ(dialog->GetFade(), 0);
  Manager().Update(0.1f);
  EXPECT_NEAR(dialog->GetFade(), 0.3f, 1e-5f);
  EXPECT_NEAR(dialog->GetButton(0).Alpha, 0.3f, 1e-5f) << "the buttons follow the fade";
  EXPECT_EQ(dialog->GetCaptionLabel().Color >> 24, 77u) << "and so do the labels";
  Run(0.3f);
  EXPECT_EQ(dialog->GetFade(), 1);
  EXPECT_EQ(dialog->GetCaptionLabel().Color, 0xFF6A4C1Bu);
  EXPECT_EQ(dialog->GetTextLabel().Color, 0xFF4A331Fu);
}

TEST_F(MessageDialogTest, WhileShownNothingBelowHearsTheMouse) {
  MessageDialog* dialog = Make(DIALOGBUTTONS_Ok);
  dialog->Show(*Screen);
  Click(20, 20);
  MoveTo(30, 30);
  EXPECT_EQ(BeneathListener.Presses, 0);
  EXPECT_FALSE(Beneath->IsHovered());
  EXPECT_EQ(Manager().GetHoveredWidget(), dialog);
}

TEST_F(MessageDialogTest, TheButtonsCarryTheTextsOfTheTextTable) {
  Fonts.GetFolder().Write("Text.csv", "Key,English\nDialog.Ok,Fine\nDialog.Yes,Sure\nDialog.No,Never\n");
  LocalizedText::Instance().Load(String(Fonts.GetFolder().File("Text.csv").c_str()), String("english"));
  MessageDialog* ok = Make(DIALOGBUTTONS_Ok);
  ASSERT_EQ(ok->GetButtonCount(), 1);
  EXPECT_EQ(ok->GetButton(0).GetCaption(), u"Fine");
  EXPECT_EQ(ok->GetButton(0).CaptionColors[BUTTONSTATE_Hover], 0xFF404040u);
  EXPECT_EQ(ok->GetButton(0).Width, 100) << "sized by the dialog button pictures";
  MessageDialog* question = Make(DIALOGBUTTONS_YesNo);
  LocalizedText::Instance().Clear();
  ASSERT_EQ(question->GetButtonCount(), 2);
  EXPECT_EQ(question->GetButton(0).GetCaption(), u"Sure");
  EXPECT_EQ(question->GetButton(1).GetCaption(), u"Never");
  EXPECT_EQ(question->GetCaptionLabel().Alignment, 15);
  EXPECT_EQ(question->GetTextLabel().GetText(), u"Sell the cottage for 1000?");
}

TEST_F(MessageDialogTest, WithoutATextTableTheButtonsReadInEnglish) {
  LocalizedText::Instance().Clear();
  EXPECT_EQ(Make(DIALOGBUTTONS_Ok)->GetButton(0).GetCaption(), u"OK");
  EXPECT_EQ(Make(DIALOGBUTTONS_YesNo)->GetButton(1).GetCaption(), u"No");
}

TEST_F(MessageDialogTest, AnsweringClosesItAfterTheFadeOutAndItCanBeShownAgain) {
  MessageDialog* dialog = Make(DIALOGBUTTONS_YesNo);
  dialog->Show(*Screen);
  Run(0.4f);
  ClickOn(dialog->GetButton(1));
  EXPECT_EQ(Listener.Answers, Strings{"9:2"});
  EXPECT_TRUE(dialog->IsClosing());
  ClickOn(dialog->GetButton(0));
  EXPECT_EQ(Listener.Answers, Strings{"9:2"}) << "one answer per showing";
  Manager().Update(0.2f);
  EXPECT_TRUE(dialog->IsShown());
  Manager().Update(0.2f);
  EXPECT_FALSE(dialog->IsShown());
  EXPECT_EQ(Manager().GetFocusedWidget(), nullptr);
  MoveTo(20, 20);
  Click(20, 20);
  EXPECT_EQ(BeneathListener.Clicks, 1) << "the screen below works again";

  dialog->Show(*Screen);
  EXPECT_FALSE(dialog->IsClosing());
  EXPECT_EQ(dialog->GetFade(), 0);
  EXPECT_THROW(dialog->Show(*Screen), AssertionFailedException) << "shown twice";
}

TEST_F(MessageDialogTest, ClearingTheScreenItIsShownOnLeavesItToItsOwner) {
  MessageDialog* dialog = Make(DIALOGBUTTONS_Ok);
  dialog->Show(*Screen);
  ClearScreen();  // deletes the screen; the dialog is the fixture's
  EXPECT_FALSE(dialog->IsShown());
  ASSERT_EQ(dialog->GetButtonCount(), 1);
  auto* another = new Widget;
  another->SetRect(0, 0, 1024, 768);
  Manager().AddChild(another);
  dialog->Show(*another);
  ClickOn(dialog->GetButton(0));
  EXPECT_EQ(Listener.Answers, Strings{"9:0"});
}

TEST_F(MessageDialogTest, ClosingADialogThatIsNotShownIsAnError) {
  MessageDialog* dialog = Make(DIALOGBUTTONS_Ok);
  EXPECT_THROW(dialog->Close(), AssertionFailedException);
}

struct KeyCase {
  DialogButtons Buttons;
  int Key;
  bool DisableFirst;
  const char* Answer;  // nullptr: none
};
void PrintTo(const KeyCase& c, std::ostream* os) {
  *os << (c.Buttons == DIALOGBUTTONS_Ok ? "OK" : "Yes/No") << " key " << c.Key
      << (c.DisableFirst ? " first disabled" : "");
}

class DialogKeys : public MessageDialogTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(DialogKeys, ReturnAnswersWithTheFirstButtonAndEscapeWithTheSecond) {
  const KeyCase& c = GetParam();
  MessageDialog* dialog = Make(c.Buttons);
  dialog->Show(*Screen);
  if (c.DisableFirst) dialog->GetButton(0).SetDisabled(true);
  Manager().OnKeyDown(c.Key);
  EXPECT_EQ(Listener.Answers, c.Answer ? Strings{c.Answer} : Strings{});
}

INSTANTIATE_TEST_SUITE_P(Keys, DialogKeys,
                         testing::Values(KeyCase{DIALOGBUTTONS_YesNo, VK_RETURN, false, "9:1"},
                                         KeyCase{DIALOGBUTTONS_YesNo, VK_ESCAPE, false, "9:2"},
                                         KeyCase{DIALOGBUTTONS_Ok, VK_RETURN, false, "9:0"},
                                         KeyCase{DIALOGBUTTONS_Ok, VK_ESCAPE, false, nullptr},
                                         KeyCase{DIALOGBUTTONS_YesNo, VK_RETURN, true, nullptr},
                                         KeyCase{DIALOGBUTTONS_YesNo, VK_SPACE, false, nullptr}));

TEST_F(MessageDialogTest, TheListenerMayDeleteTheDialogWhenItAnswers) {
  MessageDialog* dialog = Make(DIALOGBUTTONS_Ok);
  dialog->Show(*Screen);
  Owned.release();
  Listener.DeleteOnAnswer = true;
  ClickOn(dialog->GetButton(0));
  EXPECT_EQ(Listener.Answers, Strings{"9:0"});
  EXPECT_EQ(Screen->GetChildCount(), 1);
  Run(0.5f);
  DrawFrame();
}

TEST_F(MessageDialogTest, ItsButtonsWorkWhileATutorialFiltersTheInput) {
  Manager().SetInputFilter(true, true, false, false, 0x1);
  MessageDialog* dialog = Make(DIALOGBUTTONS_Ok);
  dialog->Show(*Screen);
  ClickOn(dialog->GetButton(0));
  EXPECT_EQ(Listener.Answers, Strings{"9:0"});
}

TEST_F(MessageDialogTest, ItDimsTheScreenAndDrawsItsPanelAroundTheContent) {
  MessageDialog* dialog = Make(DIALOGBUTTONS_Ok);
  dialog->Show(*Screen);
  Run(0.4f);
  std::vector<Testing::RecordingGraphicsDevice::Call> calls = DrawFrame();
  ASSERT_GE(calls.size(), 2u);
  // Beneath has no pictures: the first quads are the dialog's dimming.
  const Quad& dim = calls[0].Quads[0];
  EXPECT_EQ(calls[0].Image, nullptr);
  EXPECT_EQ(dim.Diffuse, 0x7F000000u);
  EXPECT_EQ(dim.Position[2].X, 1024);
  EXPECT_EQ(dim.Position[2].Y, 768);
  EXPECT_EQ(calls[1].Image, TheControlResources.DialogBackground);
  Vector2 panel = dialog->GetPanelPosition();
  EXPECT_EQ(calls[1].Quads[0].Position[0].X, panel.X - 11);
  EXPECT_EQ(calls[1].Quads[0].Position[0].Y, panel.Y - 7);
  EXPECT_EQ(panel.X - 11, (1024 - 462) / 2) << "the panel is centred";

  dialog->IsDimming = false;
  calls = DrawFrame();
  EXPECT_EQ(calls[0].Image, TheControlResources.DialogBackground);
}
