// SDL's events as the window messages of the application shell.
#include <gtest/gtest.h>

#include "support/RecordingInputListener.h"
#include "tessel/app/GameAppBase.h"
#include "tessel/app/VirtualKeys.h"
#include "tessel/platform/sdl/SdlEventTranslator.h"
#include "tessel/platform/sdl/SdlPlatform.h"

using namespace Tessel;
using Strings = std::vector<std::string>;

namespace {

SDL_Event Key(uint32_t type, SDL_Scancode scancode, uint16_t mod = 0) {
  SDL_Event e{};
  e.type = type;
  e.key.keysym.scancode = scancode;
  e.key.keysym.mod = mod;
  return e;
}

SDL_Event WindowEvent(uint8_t what) {
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.event = what;
  return e;
}

std::string Describe(const WindowMessage& m) {
  static const char* names[] = {"size",     "move",     "paint",   "close",  "activate", "keydown", "keyup",
                                "char",     "syskeydown", "syskeyup", "mousemove", "buttondown", "buttonup", "wheel"};
  std::string text = std::string(names[m.Kind]) + " " + std::to_string(m.Param);
  if (m.Kind == MSG_MouseMove || m.Kind == MSG_ButtonDown || m.Kind == MSG_ButtonUp)
    text += " @" + std::to_string(m.X) + "," + std::to_string(m.Y);
  return text;
}

Strings Translate(const SdlEventTranslator& translator, const SDL_Event& event) {
  std::vector<WindowMessage> messages;
  translator.Translate(event, messages);
  Strings out;
  for (const auto& m : messages) out.push_back(Describe(m));
  return out;
}

TEST(SdlEvents, KeysBecomeVirtualKeysAndAltMakesThemSystemKeys) {
  SdlEventTranslator t;
  const struct {
    SDL_Event Event;
    Strings Messages;
  } cases[] = {
      {Key(SDL_KEYDOWN, SDL_SCANCODE_A), {"keydown 65"}},
      {Key(SDL_KEYUP, SDL_SCANCODE_A), {"keyup 65"}},
      {Key(SDL_KEYDOWN, SDL_SCANCODE_F5), {"keydown 116"}},
      {Key(SDL_KEYDOWN, SDL_SCANCODE_DELETE), {"keydown 46"}},
      {Key(SDL_KEYDOWN, SDL_SCANCODE_BACKSPACE), {"keydown 8", "char 8"}},
      {Key(SDL_KEYDOWN, SDL_SCANCODE_TAB), {"keydown 9", "char 9"}},
      {Key(SDL_KEYDOWN, SDL_SCANCODE_RETURN), {"keydown 13", "char 13"}},
      {Key(SDL_KEYDOWN, SDL_SCANCODE_KP_ENTER), {"keydown 13", "char 13"}},
      {Key(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE), {"keydown 27", "char 27"}},
      {Key(SDL_KEYUP, SDL_SCANCODE_ESCAPE), {"keyup 27"}},
      {Key(SDL_KEYDOWN, SDL_SCANCODE_RETURN, KMOD_LALT), {"syskeydown 13"}},
      {Key(SDL_KEYDOWN, SDL_SCANCODE_F4, KMOD_RALT), {"syskeydown 115"}},
      {Key(SDL_KEYDOWN, SDL_SCANCODE_X, KMOD_LALT), {"syskeydown 88"}},
      {Key(SDL_KEYDOWN, SDL_SCANCODE_LALT, KMOD_LALT), {"syskeydown 18"}},
      {Key(SDL_KEYDOWN, SDL_SCANCODE_F10), {"syskeydown 121"}},
      {Key(SDL_KEYDOWN, SDL_SCANCODE_LSHIFT, KMOD_LSHIFT), {"keydown 16"}},
      {Key(SDL_KEYDOWN, SDL_SCANCODE_UNKNOWN), {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Translate(t, c.Event), c.Messages) << SDL_GetScancodeName(c.Event.key.keysym.scancode);
}

TEST(SdlEvents, TextInputGivesOneCharacterPerUtf16Unit) {
  SdlEventTranslator t;
  SDL_Event e{};
  e.type = SDL_TEXTINPUT;
  std::strcpy(e.text.text, "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");  // a, e acute, euro, a face beyond 16 bits
  EXPECT_EQ(Translate(t, e), (Strings{"char 97", "char 233", "char 8364", "char 55357", "char 56832"}));
}

TEST(SdlEvents, MousePositionsMapThroughTheLetterbox) {
  SdlEventTranslator t;
  t.SetGeometry(1024, 768, 2048, 768);  // a wide window: the frame is 1024 wide, 512 from the left
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion.x = 512 + 100;
  e.motion.y = 700;
  EXPECT_EQ(Translate(t, e), (Strings{"mousemove 0 @100,700"}));
  t.SetGeometry(1024, 768, 512, 384);  // half size
  e.type = SDL_MOUSEBUTTONDOWN;
  e.button.button = SDL_BUTTON_RIGHT;
  e.button.x = 256;
  e.button.y = 100;
  EXPECT_EQ(Translate(t, e), (Strings{"buttondown 2 @512,200"}));
  e.button.button = SDL_BUTTON_MIDDLE;
  EXPECT_EQ(Translate(t, e), (Strings{"buttondown 3 @512,200"}));
  e.button.button = SDL_BUTTON_X1;
  EXPECT_EQ(Translate(t, e), Strings{}) << "only three buttons";
}

TEST(SdlEvents, TheWheelCountsIn120PerNotch) {
  SdlEventTranslator t;
  SDL_Event e{};
  e.type = SDL_MOUSEWHEEL;
  e.wheel.y = -2;
  EXPECT_EQ(Translate(t, e), (Strings{"wheel -240"}));
  e.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
  EXPECT_EQ(Translate(t, e), (Strings{"wheel 240"}));
}

TEST(SdlEvents, WindowEventsBecomeSizeFocusAndClose) {
  SdlEventTranslator t;
  const std::pair<uint8_t, Strings> cases[] = {
      {SDL_WINDOWEVENT_MINIMIZED, {"size 1"}},    {SDL_WINDOWEVENT_MAXIMIZED, {"size 2"}},
      {SDL_WINDOWEVENT_RESTORED, {"size 0"}},     {SDL_WINDOWEVENT_FOCUS_LOST, {"activate 0"}},
      {SDL_WINDOWEVENT_FOCUS_GAINED, {"activate 1"}}, {SDL_WINDOWEVENT_CLOSE, {"close 0"}},
      {SDL_WINDOWEVENT_EXPOSED, {"paint 0"}},     {SDL_WINDOWEVENT_MOVED, {"move 0"}},
  };
  for (const auto& [what, messages] : cases) EXPECT_EQ(Translate(t, WindowEvent(what)), messages) << int(what);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  EXPECT_EQ(Translate(t, quit), (Strings{"close 0"}));
}

// Through SDL's own queue into a running application.
class SdlShell : public testing::Test {
protected:
  void SetUp() override {
    App.Width = 1024;
    App.Height = 768;
    App.Initialize();
    App.CreateMainWindow();
    App.SetWindowed(true);
    App.AddInputListener(&Listener);
  }
  void TearDown() override { App.Uninitialize(); }
  void Push(SDL_Event event) {
    event.key.windowID = SDL_GetWindowID(Platform.GetWindow());
    SDL_PushEvent(&event);
  }

  SdlPlatform Platform;
  GameAppBase App{&Platform};
  Testing::RecordingInputListener Listener;
};

TEST_F(SdlShell, AltEnterTogglesTheWindowedFlagAndAltF4Quits) {
  Push(Key(SDL_KEYDOWN, SDL_SCANCODE_RETURN, KMOD_LALT));
  App.Update(0);
  EXPECT_FALSE(App.Windowed);
  Push(Key(SDL_KEYDOWN, SDL_SCANCODE_RETURN, KMOD_LALT));
  App.Update(0);
  EXPECT_TRUE(App.Windowed);
  EXPECT_FALSE(App.QuitRequested);
  Push(Key(SDL_KEYDOWN, SDL_SCANCODE_F4, KMOD_LALT));
  App.Update(0);
  EXPECT_TRUE(App.QuitRequested);
  EXPECT_TRUE(Listener.Calls.empty());
}

TEST_F(SdlShell, KeysAndClicksReachTheListeners) {
  Push(Key(SDL_KEYDOWN, SDL_SCANCODE_SPACE));
  SDL_Event click{};
  click.type = SDL_MOUSEBUTTONDOWN;
  click.button.button = SDL_BUTTON_LEFT;
  click.button.x = 30;
  click.button.y = 40;
  Push(click);
  App.Update(0);
  EXPECT_EQ(Listener.Calls, (Strings{"down 32", "mouse down 30,40 1"}));
}

TEST_F(SdlShell, ClosingTheWindowAsksQuit) {
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  App.Update(0);
  EXPECT_TRUE(App.QuitRequested);
}

TEST_F(SdlShell, TheDesktopAndTheWindowAreKnown) {
  EXPECT_GT(App.DesktopWidth, 0);
  EXPECT_NE(App.WindowHandle, nullptr);
  EXPECT_EQ(App.ClientWidth, 1024);
  EXPECT_EQ(App.ClientHeight, 768);
}

}  // namespace
