// Input dispatch by the widget manager, driven through its InputListener
// operations: hover, presses and releases, keyboard focus, mouse capture,
// the tutorial input filter, and widgets that disappear while the manager
// points at them.
#include <gtest/gtest.h>

#include "support/FakeClock.h"
#include "support/RecordingGraphicsDevice.h"
#include "tessel/app/GameAppBase.h"
#include "tessel/app/HeadlessPlatform.h"
#include "tessel/app/VirtualKeys.h"
#include "tessel/resources/Bitmap.h"
#include "tessel/widgets/ButtonBase.h"
#include "tessel/widgets/WidgetManager.h"
#include "widgets/EventLog.h"

using namespace Tessel;
using Testing::EventLines;
using Testing::EventsOf;
using Testing::LoggingWidget;

namespace {

class WidgetInput : public testing::Test {
protected:
  WidgetInput() { Manager.SetSize(1024, 768); }

  LoggingWidget* Add(const char* name, float x, float y, float w, float h, WidgetContainer* parent = nullptr) {
    auto* widget = new LoggingWidget(name, Log, x, y, w, h);
    (parent ? parent : &Manager)->AddChild(widget);
    return widget;
  }
  // A move is processed by the next update.
  void MoveTo(int x, int y) {
    Manager.OnMouseMove(x, y);
    Manager.Update(0.01f);
  }
  void Click(int x, int y, int button = 1) {
    MoveTo(x, y);
    Manager.OnMouseDown(x, y, button);
    Manager.OnMouseUp(x, y, button);
  }

  EventLines Log;
  WidgetManager Manager{nullptr};
};

struct CountedWidget : Widget {
  explicit CountedWidget(int& deletions) : Deletions(deletions) {}
  ~CountedWidget() override { ++Deletions; }
  int& Deletions;
};

}  // namespace

// ---- hover, presses and releases

TEST_F(WidgetInput, HoverFollowsTheMouseOncePerUpdate) {
  Add("a", 0, 0, 100, 100);
  Add("b", 200, 0, 100, 100);
  Log.clear();
  Manager.OnMouseMove(10, 20);
  EXPECT_TRUE(Log.empty()) << "a move is only stored";
  Manager.Update(0);
  EXPECT_EQ(Log, (EventLines{"a enter", "a move 10,20"}));
  Log.clear();
  MoveTo(250, 30);
  EXPECT_EQ(Log, (EventLines{"a leave", "b enter", "b move 50,30"}));
  Log.clear();
  Manager.Update(0);
  EXPECT_TRUE(Log.empty()) << "a mouse that did not move makes no events";
  MoveTo(500, 500);
  EXPECT_EQ(Log, (EventLines{"b leave"}));
  EXPECT_EQ(Manager.GetHoveredWidget(), nullptr);
}

struct PressCase {
  int X, Y;
  const char* Receiver;  // of the press and the release; nullptr: nobody
};
void PrintTo(const PressCase& c, std::ostream* os) {
  *os << c.X << "," << c.Y << " to " << (c.Receiver ? c.Receiver : "nobody");
}

class WhoGetsThePress : public WidgetInput, public testing::WithParamInterface<PressCase> {};

// "first" (0,0 100x100) lies under "second" (50,50 100x100), which holds a
// see-through "frame" (0,0 30x30) around a "knob" (10,10 10x10).
TEST_P(WhoGetsThePress, TheWidgetUnderTheMouseGetsPressAndRelease) {
  Add("first", 0, 0, 100, 100);
  LoggingWidget* second = Add("second", 50, 50, 100, 100);
  LoggingWidget* frame = Add("frame", 0, 0, 30, 30, second);
  frame->IsHitTestable = false;
  Add("knob", 10, 10, 10, 10, frame);

  const PressCase& c = GetParam();
  Click(c.X, c.Y);
  for (const char* name : {"first", "second", "frame", "knob"}) {
    EventLines presses;
    for (const std::string& line : EventsOf(Log, name))
      if (line.rfind("down", 0) == 0 || line.rfind("up", 0) == 0) presses.push_back(line.substr(0, line.find(' ')));
    bool receives = c.Receiver && std::string(c.Receiver) == name;
    EXPECT_EQ(presses, receives ? (EventLines{"down", "up"}) : EventLines{}) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(Points, WhoGetsThePress,
                         testing::Values(PressCase{10, 10, "first"}, PressCase{75, 75, "second"},
                                         PressCase{100, 100, "second"}, PressCase{55, 55, "second"},
                                         PressCase{65, 65, "knob"}, PressCase{151, 151, nullptr},
                                         PressCase{300, 10, nullptr}));

TEST_F(WidgetInput, PressesCarryLocalCoordinatesAndTheButton) {
  LoggingWidget* panel = Add("panel", 100, 100, 300, 300);
  Add("button", 20, 30, 50, 50, panel);
  MoveTo(125, 135);
  Log.clear();
  Manager.OnMouseDown(125, 135, 2);
  Manager.OnMouseUp(126, 136, 2);
  Manager.OnMouseDown(125, 135, 3);
  EXPECT_EQ(Log, (EventLines{"button down 5,5 2", "button up 6,6 2", "button down 5,5 3"}));
}

TEST_F(WidgetInput, APressBeforeTheNextUpdateGoesToTheWidgetHoveredAtTheLastOne) {
  Add("a", 0, 0, 100, 100);
  Add("b", 200, 0, 100, 100);
  MoveTo(50, 50);
  Log.clear();
  Manager.OnMouseMove(250, 50);  // not processed yet
  Manager.OnMouseDown(250, 50, 1);
  EXPECT_EQ(Log, EventLines{"a down 250,50 1"}) << "local to a, which is hovered until the update";
}

TEST_F(WidgetInput, AWidgetAddedOrRemovedUnderAStillMouseChangesTheHoverAtOnce) {
  Add("below", 0, 0, 200, 200);
  MoveTo(50, 50);
  Log.clear();
  LoggingWidget* above = Add("above", 40, 40, 20, 20);
  EXPECT_EQ(Log, (EventLines{"above attach", "below leave", "above enter", "above move 10,10"}));
  Log.clear();
  Manager.RemoveChild(above);
  EXPECT_EQ(Log, (EventLines{"above leave", "above detach", "below enter", "below move 50,50"}));
  delete above;
}

TEST_F(WidgetInput, MovingAWidgetAwayFromTheMouseEndsItsHover) {
  LoggingWidget* a = Add("a", 0, 0, 100, 100);
  MoveTo(50, 50);
  Log.clear();
  a->SetPosition(500, 500);
  EXPECT_EQ(Log, (EventLines{"a leave"}));
}

// ---- focus and keys

TEST_F(WidgetInput, ALeftPressGivesAFocusableWidgetTheFocusBeforeItsPress) {
  LoggingWidget* box = Add("box", 0, 0, 100, 30);
  box->IsFocusable = true;
  Add("plain", 0, 100, 100, 30);

  MoveTo(10, 10);
  Log.clear();
  Manager.OnMouseDown(10, 10, 2);
  EXPECT_EQ(Log, (EventLines{"box down 10,10 2"})) << "a right press does not focus";
  Log.clear();
  Manager.OnMouseDown(10, 10, 1);
  EXPECT_EQ(Log, (EventLines{"box focus", "box down 10,10 1"}));
  EXPECT_EQ(Manager.GetFocusedWidget(), box);
  EXPECT_TRUE(box->IsFocused());

  Click(10, 110);
  EXPECT_EQ(Manager.GetFocusedWidget(), box) << "a press on a widget that cannot take the focus leaves it";
}

TEST_F(WidgetInput, ADisabledWidgetDoesNotTakeTheFocusOnAPress) {
  LoggingWidget* box = Add("box", 0, 0, 100, 30);
  box->IsFocusable = true;
  box->SetDisabled(true);
  Click(10, 10);
  EXPECT_EQ(Manager.GetFocusedWidget(), nullptr);
  EXPECT_EQ(EventsOf(Log, "box"), (EventLines{"attach", "enter", "move 10,10", "down 10,10 1", "up 10,10 1"}));
}

TEST_F(WidgetInput, KeysCharactersAndTheWheelGoToTheFocusedWidgetOnly) {
  LoggingWidget* a = Add("a", 0, 0, 100, 100);
  Add("b", 200, 0, 100, 100);
  MoveTo(250, 50);  // hovering b does not matter
  Manager.OnKeyDown(VK_A);
  EXPECT_TRUE(EventsOf(Log, "b").size() == 3) << "nothing is focused: keys reach nobody";
  Manager.SetFocus(a);
  Log.clear();
  Manager.OnKeyDown(VK_A);
  Manager.OnChar('a');
  Manager.OnKeyUp(VK_A);
  Manager.OnMouseWheel(-2);
  EXPECT_EQ(Log, (EventLines{"a keydown 65", "a char 97", "a keyup 65", "a wheel -2"}));
  Log.clear();
  Manager.SetFocus(nullptr);
  EXPECT_EQ(Log, (EventLines{"a blur"}));
}

TEST_F(WidgetInput, OnlyAttachedWidgetsTakeTheFocusOrTheCapture) {
  EventLines log;
  LoggingWidget loose("loose", log);
  Manager.SetFocus(&loose);
  Manager.SetCapture(&loose);
  EXPECT_EQ(Manager.GetFocusedWidget(), nullptr);
  EXPECT_EQ(Manager.GetCapturedWidget(), nullptr);
  EXPECT_TRUE(log.empty());
}

// ---- capture

TEST_F(WidgetInput, ACapturedWidgetGetsMovesAndTheReleaseOutsideItself) {
  LoggingWidget* slider = Add("slider", 100, 100, 100, 20);
  Add("other", 300, 100, 100, 100);
  slider->OnDown = [&] { Manager.SetCapture(slider); };
  slider->OnUp = [&] { Manager.SetCapture(nullptr); };
  MoveTo(110, 110);
  Manager.OnMouseDown(110, 110, 1);
  Log.clear();
  MoveTo(350, 150);
  MoveTo(20, 130);
  Manager.OnMouseUp(20, 130, 1);
  EXPECT_EQ(Log, (EventLines{"slider move 250,50", "slider move -80,30", "slider up -80,30 1", "slider leave"}))
      << "the hover stays with the captured widget; the other widget hears nothing";
  Log.clear();
  MoveTo(350, 150);
  EXPECT_EQ(Log, (EventLines{"other enter", "other move 50,50"}));
}

TEST_F(WidgetInput, ReleasingTheCaptureOverAnotherWidgetHoversItAtOnce) {
  LoggingWidget* slider = Add("slider", 0, 0, 100, 20);
  Add("other", 300, 0, 100, 100);
  MoveTo(10, 10);
  Manager.SetCapture(slider);
  MoveTo(350, 50);
  Log.clear();
  Manager.SetCapture(nullptr);
  EXPECT_EQ(Log, (EventLines{"slider leave", "other enter", "other move 50,50"}));
  EXPECT_FALSE(slider->IsCaptured());
}

TEST_F(WidgetInput, CapturingAWidgetTakesTheHoverFromTheOneUnderTheMouse) {
  LoggingWidget* a = Add("a", 0, 0, 100, 100);
  LoggingWidget* b = Add("b", 200, 0, 100, 100);
  MoveTo(50, 50);
  Log.clear();
  Manager.SetCapture(b);
  EXPECT_EQ(Log, (EventLines{"a leave"})) << "the captured widget is hovered without OnMouseEnter";
  EXPECT_EQ(Manager.GetHoveredWidget(), b);
  EXPECT_TRUE(b->IsHovered() && b->IsCaptured());
  EXPECT_FALSE(a->IsHovered());
}

// ---- the input filter

struct FilterCase {
  uint32_t WidgetMask;
  bool IsExempt;
  int Button;
  bool Receives;
};
void PrintTo(const FilterCase& c, std::ostream* os) {
  *os << "mask " << c.WidgetMask << (c.IsExempt ? " exempt" : "") << " button " << c.Button;
}

class InputFilter : public WidgetInput, public testing::WithParamInterface<FilterCase> {};

// The tutorial's filter: mask 0x4, only the left button allowed.
TEST_P(InputFilter, OnlyAllowedButtonsReachWidgetsWhoseMaskMeetsTheFilter) {
  const FilterCase& c = GetParam();
  LoggingWidget* w = Add("w", 0, 0, 100, 100);
  w->InputMask = c.WidgetMask;
  w->IsFilterExempt = c.IsExempt;
  Manager.SetInputFilter(true, true, false, false, 0x4);
  EXPECT_TRUE(Manager.IsInputFilterSet());
  MoveTo(50, 50);
  Log.clear();
  Manager.OnMouseDown(50, 50, c.Button);
  Manager.OnMouseUp(50, 50, c.Button);
  EXPECT_EQ(Log.size(), c.Receives ? 2u : 0u) << "mask " << c.WidgetMask << " button " << c.Button;
}

INSTANTIATE_TEST_SUITE_P(Masks, InputFilter,
                         testing::Values(FilterCase{0x6, false, 1, true}, FilterCase{0x6, false, 2, false},
                                         FilterCase{0x6, false, 3, false}, FilterCase{0x1, false, 1, false},
                                         FilterCase{0x0, false, 1, false}, FilterCase{0x1, true, 1, true},
                                         FilterCase{0x0, true, 2, true}, FilterCase{0x0, true, 3, true}));

TEST_F(WidgetInput, TheFilterLetsEverythingThroughWhenOffAndDoesNotTouchKeysOrHover) {
  LoggingWidget* w = Add("w", 0, 0, 100, 100);
  Manager.SetInputFilter(true, true, true, true, 0x4);
  MoveTo(50, 50);
  Manager.SetFocus(w);
  Manager.OnKeyDown(VK_RETURN);
  Manager.OnMouseDown(50, 50, 1);
  EXPECT_EQ(EventsOf(Log, "w"), (EventLines{"attach", "enter", "move 50,50", "focus", "keydown 13"}));
  Manager.SetInputFilter(false, false, false, false, 0);
  EXPECT_FALSE(Manager.IsInputFilterSet());
  Manager.OnMouseDown(50, 50, 2);
  EXPECT_EQ(EventsOf(Log, "w").back(), "down 50,50 2");
}

TEST_F(WidgetInput, WidgetsInsideAFilterExemptOneAreExemptToo) {
  LoggingWidget* dialog = Add("dialog", 0, 0, 1024, 768);
  dialog->IsFilterExempt = true;
  Add("ok", 100, 100, 50, 20, dialog);
  Manager.SetInputFilter(true, false, false, false, 0x4);
  Click(110, 110);
  EXPECT_EQ(EventsOf(Log, "ok").back(), "up 10,10 1") << "a dialog shown during a tutorial can be answered";
}

TEST_F(WidgetInput, AFilteredCapturedWidgetGivesWayToTheHoveredOne) {
  LoggingWidget* captured = Add("captured", 0, 0, 100, 100);
  LoggingWidget* hovered = Add("hovered", 200, 0, 100, 100);
  hovered->InputMask = 0x4;
  MoveTo(250, 50);
  Manager.SetCapture(captured);
  Manager.SetInputFilter(true, true, false, false, 0x4);
  Log.clear();
  Manager.OnMouseDown(250, 50, 1);
  EXPECT_EQ(Log, EventLines{}) << "the capture also took the hover, and neither passes";
  captured->InputMask = 0x4;
  Manager.OnMouseDown(250, 50, 1);
  EXPECT_EQ(Log, (EventLines{"captured down 250,50 1"}));
}

// ---- widgets that go away

TEST_F(WidgetInput, AWidgetHiddenWhileHoveredLosesHoverAndFocus) {
  LoggingWidget* box = Add("box", 0, 0, 100, 100);
  Add("below", 0, 0, 200, 200);
  Manager.SendToBack(Manager.GetLastChild());
  MoveTo(50, 50);
  Manager.SetFocus(box);
  Log.clear();
  box->SetVisible(false);
  EXPECT_EQ(Log, (EventLines{"box leave", "box blur", "below enter", "below move 50,50"}));
  EXPECT_EQ(Manager.GetFocusedWidget(), nullptr);
  Log.clear();
  box->SetVisible(true);
  EXPECT_EQ(Log, (EventLines{"below leave", "box enter", "box move 50,50"}));
}

TEST_F(WidgetInput, HidingAScreenReleasesTheWidgetsInsideIt) {
  LoggingWidget* screen = Add("screen", 0, 0, 400, 400);
  LoggingWidget* box = Add("box", 10, 10, 100, 100, screen);
  MoveTo(50, 50);
  Manager.SetFocus(box);
  Manager.SetCapture(box);
  Log.clear();
  screen->SetVisible(false);
  EXPECT_EQ(Log, (EventLines{"box leave", "box blur"}));
  EXPECT_EQ(Manager.GetHoveredWidget(), nullptr);
  EXPECT_EQ(Manager.GetFocusedWidget(), nullptr);
  EXPECT_EQ(Manager.GetCapturedWidget(), nullptr);
  Manager.OnChar('x');
  EXPECT_TRUE(Log.size() == 2) << "typing does not reach a hidden text box";
}

TEST_F(WidgetInput, DisablingAHoveredWidgetReleasesItAndEnablingHoversItAgain) {
  LoggingWidget* w = Add("w", 0, 0, 100, 100);
  MoveTo(50, 50);
  Manager.SetFocus(w);
  Log.clear();
  w->SetDisabled(true);
  EXPECT_EQ(Log, (EventLines{"w leave", "w blur"}));
  Log.clear();
  w->SetDisabled(false);
  EXPECT_EQ(Log, (EventLines{"w enter", "w move 50,50"}));
}

TEST_F(WidgetInput, TheDeleteListIsEmptiedEveryUpdateEvenWithoutMouseMoves) {
  int deletions = 0;
  auto* w = new CountedWidget(deletions);
  Manager.AddChild(w);
  Manager.RemoveChild(w);
  Manager.DeleteLater(w);
  Manager.DeleteLater(w);
  EXPECT_EQ(Manager.GetPendingDeleteCount(), 1) << "queued twice, listed once";
  Manager.Update(0);
  EXPECT_EQ(deletions, 1);
  Manager.Update(0);
  EXPECT_EQ(deletions, 1);
}

TEST_F(WidgetInput, AWidgetDeletedBeforeItsTurnInTheDeleteListIsNotDeletedAgain) {
  int deletions = 0;
  auto* screen = new CountedWidget(deletions);
  auto* child = new CountedWidget(deletions);
  screen->AddChild(child);
  Manager.AddChild(screen);
  Manager.DeleteLater(screen);  // still in the tree: it leaves when it is deleted
  Manager.DeleteLater(child);   // deleted with the screen first
  auto* direct = new CountedWidget(deletions);
  Manager.DeleteLater(direct);
  delete direct;  // its owner deleted it after all
  EXPECT_EQ(Manager.GetPendingDeleteCount(), 2);
  Manager.Update(0);
  EXPECT_EQ(deletions, 3);
  EXPECT_EQ(Manager.GetChildCount(), 0);
}

struct HeldCase {
  const char* Name;
  bool Hover, Focus, Capture;
};
void PrintTo(const HeldCase& c, std::ostream* os) { *os << c.Name; }

class DeletedWhileHeld : public WidgetInput, public testing::WithParamInterface<HeldCase> {};

TEST_P(DeletedWhileHeld, TheManagerForgetsADeletedWidget) {
  const HeldCase& c = GetParam();
  Add("below", 0, 0, 300, 300);
  LoggingWidget* w = Add("w", 0, 0, 100, 100);
  if (c.Hover) MoveTo(50, 50);
  if (c.Focus) Manager.SetFocus(w);
  if (c.Capture) Manager.SetCapture(w);
  delete w;
  EXPECT_EQ(Manager.GetHoveredWidget(), nullptr);
  EXPECT_EQ(Manager.GetFocusedWidget(), nullptr);
  EXPECT_EQ(Manager.GetCapturedWidget(), nullptr);
  // Everything the manager would send to it (the sanitizer build catches a dangling pointer).
  Manager.OnChar('x');
  Manager.OnKeyDown(VK_A);
  Manager.OnMouseWheel(1);
  Manager.OnMouseDown(50, 50, 1);
  Manager.OnMouseUp(50, 50, 1);
  MoveTo(60, 60);
  EXPECT_EQ(static_cast<LoggingWidget*>(Manager.GetHoveredWidget())->Name, "below");
}

INSTANTIATE_TEST_SUITE_P(Held, DeletedWhileHeld,
                         testing::Values(HeldCase{"hovered", true, false, false},
                                         HeldCase{"focused", false, true, false},
                                         HeldCase{"captured", true, false, true},
                                         HeldCase{"everything", true, true, true}),
                         [](const testing::TestParamInfo<HeldCase>& info) { return info.param.Name; });

TEST_F(WidgetInput, AWidgetDeletingItselfInItsReleaseHandlerGoesAfterTheFrame) {
  LoggingWidget* below = Add("below", 0, 0, 300, 300);
  LoggingWidget* w = Add("w", 0, 0, 100, 100);
  w->OnUp = [&] {
    Manager.RemoveChild(w);
    Manager.DeleteLater(w);
  };
  Click(50, 50);
  EXPECT_EQ(Manager.GetPendingDeleteCount(), 1);
  EXPECT_EQ(Manager.GetHoveredWidget(), below) << "removing it hovered what lay beneath";
  Manager.Update(0);
  EXPECT_EQ(Manager.GetPendingDeleteCount(), 0);
  EXPECT_EQ(Manager.GetChildCount(), 1);
}

// A button whose listener deletes it from its click handler.
TEST_F(WidgetInput, AButtonDeletedByItsOwnClickHandlerReportsNothingAfterwards) {
  struct Closer : ButtonListener {
    void OnButtonClick(int id) override {
      Events.push_back("click " + std::to_string(id));
      delete Button;
    }
    void OnButtonRelease(int id) override { Events.push_back("release " + std::to_string(id)); }
    ButtonBase* Button = nullptr;
    EventLines Events;
  } closer;
  auto* button = new ButtonBase(7, &closer);
  button->SetRect(0, 0, 100, 30);
  closer.Button = button;
  Manager.AddChild(button);
  Click(10, 10);
  EXPECT_EQ(closer.Events, EventLines{"click 7"});
  EXPECT_EQ(Manager.GetChildCount(), 0);
  EXPECT_EQ(Manager.GetHoveredWidget(), nullptr);
  MoveTo(20, 20);
}

// ---- through the application

class AppWithRecordingDevice : public testing::Test {
protected:
  AppWithRecordingDevice() {
    App.Width = 1024;
    App.Height = 768;
    App.GraphicsDeviceFactory = [this](GameAppBase&) { return Device = new Testing::RecordingGraphicsDevice; };
    App.Initialize();
  }
  ~AppWithRecordingDevice() override { App.Uninitialize(); }

  EventLines Log;  // outlives the widgets, which go with the application
  Testing::FakeClock Clock;
  HeadlessPlatform Platform{&Clock};
  GameAppBase App{&Platform};
  Testing::RecordingGraphicsDevice* Device = nullptr;
};

TEST_F(AppWithRecordingDevice, WindowMessagesReachTheWidgetsThroughTheManager) {
  EventLines& log = Log;
  auto* w = new LoggingWidget("w", log, 10, 10, 100, 100);
  w->IsFocusable = true;
  App.TheWidgetManager->AddChild(w);
  Platform.Post(WindowMessage{MSG_MouseMove, 0, 20, 30});
  Platform.Post(WindowMessage{MSG_ButtonDown, 1, 20, 30});
  App.Update(0.01f);
  EXPECT_EQ(log, (EventLines{"w attach", "w enter", "w move 10,20"}))
      << "the press came before the update processed the move: nothing was hovered yet";
  log.clear();
  Platform.Post(WindowMessage{MSG_ButtonDown, 1, 20, 30});
  Platform.Post(WindowMessage{MSG_ButtonUp, 1, 21, 31});
  Platform.Post(WindowMessage{MSG_Char, 'q'});
  App.Update(0.01f);
  EXPECT_EQ(log, (EventLines{"w focus", "w down 10,20 1", "w up 11,21 1", "w char 113"}));
}

TEST_F(AppWithRecordingDevice, TheSoftwareCursorIsDrawnOnTopAtTheMouseLessItsHotspot) {
  Bitmap cursors(64, 32, PIXEL_A8R8G8B8);
  App.SetCursorImage(&cursors, 32, 0, 32, 32, 4, 2);
  struct Panel : Widget {
    void OnDraw(Canvas& canvas) override { canvas.DrawImage(RectF{}, RectF{0, 0, 1024, 768}, nullptr, 0xFF102030); }
  };
  App.TheWidgetManager->AddChild(new Panel);
  App.TheWidgetManager->OnMouseMove(300, 200);
  App.Draw();
  ASSERT_EQ(Device->Summary(), "quads:1 quads:1");
  const Quad& cursor = Device->Calls[1].Quads[0];
  EXPECT_EQ(Device->Calls[1].Image, &cursors);
  EXPECT_FLOAT_EQ(cursor.Position[0].X, 296);
  EXPECT_FLOAT_EQ(cursor.Position[0].Y, 198);
  EXPECT_FLOAT_EQ(cursor.TexCoord[0].X, 32) << "the cursor's source rectangle";
  EXPECT_EQ(cursor.Diffuse, 0xFFFFFFFFu);

  App.TheWidgetManager->IsCursorShown = false;
  Device->Calls.clear();
  App.Draw();
  EXPECT_EQ(Device->Summary(), "quads:1");
  App.ClearCursorImage();
}
