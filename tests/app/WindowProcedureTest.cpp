// The window-message rules of the application shell, driven through the
// headless platform's message queue.
#include <gtest/gtest.h>

#include "support/FakeClock.h"
#include "support/RecordingInputListener.h"
#include "tessel/app/GameAppBase.h"
#include "tessel/app/HeadlessPlatform.h"
#include "tessel/app/VirtualKeys.h"
#include "tessel/audio/AudioInterface.h"
#include "tessel/widgets/WidgetManager.h"
#include "tessel/graphics/NullGraphicsDevice.h"
#include "tessel/resources/Bitmap.h"

using namespace Tessel;
using Strings = std::vector<std::string>;

namespace {

class CountingApp : public GameAppBase {
public:
  using GameAppBase::GameAppBase;
  void OnActivate() override { Activations.push_back("activate"); }
  void OnDeactivate() override { Activations.push_back("deactivate"); }
  void Draw() override {
    ++Draws;
    GameAppBase::Draw();
  }
  int Draws = 0;
  Strings Activations;
};

class WindowProcedure : public testing::Test {
protected:
  void SetUp() override {
    App.Width = 1024;
    App.Height = 768;
    App.Initialize();
    App.CreateMainWindow();
    App.SetWindowed(true);
    App.AddInputListener(&First);
    App.AddInputListener(&Second);
  }
  void TearDown() override { App.Uninitialize(); }
  void Send(WindowMessageKind kind, int param = 0, int x = 0, int y = 0) {
    Platform.Post(WindowMessage{kind, param, x, y});
    App.Update(0);
  }

  Testing::FakeClock Clock;
  HeadlessPlatform Platform{&Clock};
  CountingApp App{&Platform};
  Testing::RecordingInputListener First, Second;
};

TEST_F(WindowProcedure, KeysAndCharactersReachEveryListenerInOrder) {
  Send(MSG_KeyDown, 'A');
  Send(MSG_Char, 'a');
  Send(MSG_KeyUp, 'A');
  EXPECT_EQ(First.Calls, (Strings{"down 65", "char 97", "up 65"}));
  EXPECT_EQ(Second.Calls, First.Calls);
}

TEST_F(WindowProcedure, AltF4ClosesThroughQuit) {
  App.ExitCode = 3;
  Send(MSG_SysKeyDown, VK_F4);
  EXPECT_TRUE(App.QuitRequested);
  EXPECT_EQ(App.ExitCode, 0);
  EXPECT_TRUE(First.Calls.empty());
}

TEST_F(WindowProcedure, AltEnterTogglesFullScreenAndBack) {
  Send(MSG_SysKeyDown, VK_RETURN);
  EXPECT_FALSE(App.Windowed);
  Send(MSG_SysKeyDown, VK_RETURN);
  EXPECT_TRUE(App.Windowed);
  EXPECT_FALSE(App.QuitRequested);
}

TEST_F(WindowProcedure, OtherAltKeysAreSwallowed) {
  for (int key : {int('A'), int(VK_SPACE), int(VK_F10), int(VK_MENU), int(VK_SNAPSHOT)}) Send(MSG_SysKeyDown, key);
  Send(MSG_SysKeyUp, 'A');
  EXPECT_TRUE(First.Calls.empty());
  EXPECT_TRUE(App.Windowed);
  EXPECT_FALSE(App.QuitRequested);
}

TEST_F(WindowProcedure, CloseAsksQuit) {
  Send(MSG_Close);
  EXPECT_TRUE(App.QuitRequested);
}

TEST_F(WindowProcedure, MaximisingSwitchesToFullScreen) {
  Send(MSG_Size, SIZE_Maximized);
  EXPECT_FALSE(App.Windowed);
  EXPECT_FALSE(App.Minimized);
}

TEST_F(WindowProcedure, AFullScreenWindowReportedAsMaximisedStaysFullScreen) {
  Send(MSG_Size, SIZE_Maximized);
  Send(MSG_Size, SIZE_Maximized);
  EXPECT_FALSE(App.Windowed);
}

TEST_F(WindowProcedure, AMinimisedWindowIsNotDrawn) {
  auto* device = static_cast<NullGraphicsDevice*>(App.TheGraphicsDevice);
  Send(MSG_Size, SIZE_Minimized);
  EXPECT_TRUE(App.Minimized);
  App.RunFrame();
  EXPECT_EQ(device->Presents, 1) << "presented, but nothing drawn";
  EXPECT_FALSE(App.InDraw);
  Send(MSG_Size, SIZE_Restored);
  EXPECT_FALSE(App.Minimized);
}

TEST_F(WindowProcedure, ActivationSetsInactiveAndTellsTheApplication) {
  Send(MSG_ActivateApp, 0);
  EXPECT_TRUE(App.Inactive);
  Send(MSG_ActivateApp, 1);
  EXPECT_FALSE(App.Inactive);
  EXPECT_EQ(App.Activations, (Strings{"deactivate", "activate"}));
}

TEST_F(WindowProcedure, ButtonsCaptureTheMouseWhileHeld) {
  Send(MSG_ButtonDown, 2, 10, 20);
  EXPECT_TRUE(Platform.IsMouseCaptured);
  Send(MSG_MouseMove, 0, -5, 800);
  Send(MSG_ButtonUp, 2, -5, 800);
  EXPECT_FALSE(Platform.IsMouseCaptured);
  EXPECT_EQ(First.Calls, (Strings{"mouse down 10,20 2", "move -5,800", "mouse up -5,800 2"}));
}

TEST_F(WindowProcedure, PositionsAreSigned16BitValues) {
  Send(MSG_MouseMove, 0, 0xFFFF, 0x10005);
  EXPECT_EQ(First.Calls, (Strings{"move -1,5"}));
}

TEST_F(WindowProcedure, TheWheelCountsWholeNotchesTowardZero) {
  const std::pair<int, int> cases[] = {{-240, -2}, {-119, 0}, {120, 1}, {239, 1}, {360, 3}};
  for (auto [delta, notches] : cases) {
    First.Calls.clear();
    Send(MSG_MouseWheel, delta);
    EXPECT_EQ(First.Calls, Strings{"wheel " + std::to_string(notches)}) << "delta " << delta;
  }
}

TEST_F(WindowProcedure, PaintDrawsUnlessAnErrorIsBeingShown) {
  int before = App.Draws;
  Send(MSG_Paint);
  EXPECT_EQ(App.Draws, before + 1);
  IsErrorBeingShown = true;
  EXPECT_FALSE(App.WindowProcedure(WindowMessage{MSG_Paint}));
  IsErrorBeingShown = false;
  EXPECT_EQ(App.Draws, before + 1);
}

TEST_F(WindowProcedure, AListenerMayRemoveItselfWhileCalled) {
  struct Leaving : InputListener {
    GameAppBase* App;
    void OnKeyDown(int) override { App->RemoveInputListener(this); }
  } leaving;
  leaving.App = &App;
  App.RemoveInputListener(&Second);
  App.AddInputListener(&leaving);
  App.AddInputListener(&Second);
  Send(MSG_KeyDown, 'X');
  Send(MSG_KeyDown, 'Y');
  EXPECT_EQ(Second.Calls, (Strings{"down 88", "down 89"}));
}

TEST_F(WindowProcedure, MessagesOutsideTheTableGoToTheDefaultProcedure) {
  EXPECT_FALSE(App.WindowProcedure(WindowMessage{MSG_SysKeyUp, 'A'}));
  EXPECT_FALSE(App.WindowProcedure(WindowMessage{MSG_SysKeyDown, VK_SNAPSHOT}));
  EXPECT_TRUE(App.WindowProcedure(WindowMessage{MSG_SysKeyDown, 'A'}));
}

// What the shell drives every frame: the widget manager and the audio.
struct RecordingAudio : AudioInterface {
  void Pause() override { Calls.push_back("pause"); }
  void Resume() override { Calls.push_back("resume"); }
  void Update(float dt) override { Calls.push_back("update"); }
  Strings Calls;
};

struct RecordingWidgets : WidgetManager {
  using WidgetManager::WidgetManager;
  void Update(float dt) override { Steps.push_back(dt); }
  void Draw() override { ++Draws; }
  std::vector<float> Steps;
  int Draws = 0;
};

TEST_F(WindowProcedure, AudioPausesOnceWhileAwayAndResumesOnce) {
  auto* audio = new RecordingAudio;
  App.TheAudio = audio;  // owned by the application from now on
  App.Update(0);
  Send(MSG_ActivateApp, 0);
  App.Update(0);
  Send(MSG_Size, SIZE_Minimized);
  Send(MSG_ActivateApp, 1);  // still minimised
  Send(MSG_Size, SIZE_Restored);
  EXPECT_EQ(audio->Calls, (Strings{"update", "pause", "update", "update", "update", "update", "resume", "update"}));
}

TEST_F(WindowProcedure, TheWidgetManagerIsUpdatedDrawnAndResized) {
  delete App.TheWidgetManager;
  auto* widgets = new RecordingWidgets(&App);
  App.TheWidgetManager = widgets;
  App.Update(0.25f);
  App.Draw();
  App.Width = 800;
  App.Height = 600;
  App.SetWindowed(true);
  EXPECT_EQ(widgets->Steps, std::vector<float>{0.25f});
  EXPECT_EQ(widgets->Draws, 1);
  EXPECT_EQ(widgets->Width, 800);
  EXPECT_EQ(widgets->Height, 600);
}

// The window and the mouse.
TEST(MainWindow, ANonPositiveSizeMakesA640By480Window) {
  HeadlessPlatform platform;
  platform.Desktop = {32, 1920, 1080};
  GameAppBase app(&platform);
  app.Width = 0;
  app.Height = -5;
  app.CreateMainWindow();
  EXPECT_EQ(platform.Placement.Width, 640);
  EXPECT_EQ(platform.Placement.Height, 480);
  EXPECT_EQ(platform.Placement.X, (1920 - 640) / 2);
  EXPECT_EQ(platform.Placement.Y, (1080 - 480) / 2);
  EXPECT_EQ(app.ClientWidth, 640);
}

TEST(MainWindow, AWindowLargerThanTheDesktopSitsAtTheOrigin) {
  HeadlessPlatform platform;
  platform.Desktop = {32, 800, 600};
  GameAppBase app(&platform);
  app.Width = 1024;
  app.Height = 768;
  app.CreateMainWindow();
  EXPECT_EQ(platform.Placement.X, 0);
  EXPECT_EQ(platform.Placement.Y, 0);
}

TEST(MainWindow, TheMousePositionIsClampedToTheClientAreaOnRequest) {
  HeadlessPlatform platform;
  GameAppBase app(&platform);
  app.Width = 1024;
  app.Height = 768;
  app.CreateMainWindow();
  platform.CursorX = -20;
  platform.CursorY = 900;
  int x, y;
  app.GetMousePosition(x, y, false);
  EXPECT_EQ(x, -20);
  EXPECT_EQ(y, 900);
  app.GetMousePosition(x, y, true);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 767);
}

TEST(CursorImage, HidesTheSystemCursorOnceAndShowsItAgainOnce) {
  HeadlessPlatform platform;
  GameAppBase app(&platform);
  Bitmap arrow(32, 24, PIXEL_A8R8G8B8), hand(16, 16, PIXEL_A8R8G8B8);
  app.SetCursorImage(&arrow, 0, 0, 0, 0, 3, 4);
  EXPECT_FALSE(platform.IsCursorVisible);
  EXPECT_EQ(app.CursorSourceWidth, 32);
  EXPECT_EQ(app.CursorSourceHeight, 24);
  EXPECT_EQ(app.CursorHotspotX, 3);
  platform.IsCursorVisible = true;  // would be hidden a second time if asked again
  app.SetCursorImage(&hand, 0, 0, 8, 8, 0, 0);
  EXPECT_TRUE(platform.IsCursorVisible);
  EXPECT_EQ(app.CursorSourceWidth, 8);
  platform.IsCursorVisible = false;
  app.ClearCursorImage();
  EXPECT_TRUE(platform.IsCursorVisible);
  EXPECT_TRUE(app.SystemCursorVisible);
}

TEST(CursorImage, LeftAloneWhenTheApplicationDoesNotManageTheCursor) {
  HeadlessPlatform platform;
  GameAppBase app(&platform);
  app.ManageSystemCursor = false;
  Bitmap arrow(32, 32, PIXEL_A8R8G8B8);
  app.SetCursorImage(&arrow, 0, 0, 0, 0, 0, 0);
  EXPECT_TRUE(platform.IsCursorVisible);
}

}  // namespace
