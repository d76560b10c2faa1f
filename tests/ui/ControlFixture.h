#pragma once
// What the control tests share: an application on the headless platform
// with the real audio engine over a recording backend, the control
// resources filled with sounds, fonts and plain pictures of known sizes, and
// helpers that move and press the mouse through the widget manager.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "game/ui/ControlResources.h"
#include "support/FakeClock.h"
#include "support/RecordingGraphicsDevice.h"
#include "support/TestFonts.h"
#include "tessel/app/GameAppBase.h"
#include "tessel/app/HeadlessPlatform.h"
#include "tessel/audio/AudioEngine.h"
#include "tessel/audio/RecordingAudioBackend.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/resources/Bitmap.h"
#include "tessel/widgets/WidgetManager.h"

namespace Testing {

class ControlFixture : public testing::Test {
protected:
  ControlFixture() {
    App.Width = 1024;
    App.Height = 768;
    App.GraphicsDeviceFactory = [this](Tessel::GameAppBase&) { return Device = new RecordingGraphicsDevice; };
    App.Initialize();
    App.TheWidgetManager->SetSize(1024, 768);
    Backend = std::make_shared<Tessel::RecordingAudioBackend>();
    App.TheAudio = new Tessel::AudioEngine(Backend, Tessel::String(""));

    Tessel::ResourceManager& resources = Fonts.GetManager();
    Corvanta::ControlResources& r = Corvanta::TheControlResources;
    r = Corvanta::ControlResources{};
    r.Click = resources.GetSound("sounds/click.ogg", 2);
    r.ClickDisabled = resources.GetSound("sounds/clickDisabled.ogg", 2);
    r.MouseEnter = resources.GetSound("sounds/mouseEnter.ogg", 1, 0.5f);
    r.DialogPopup = resources.GetSound("sounds/dialogPopup.ogg", 1);
    TheFont = Fonts.Make("Plain");
    BoldFont = Fonts.Make("Bold", 12);
    r.DialogCaptionFont = r.DialogTextFont = r.DialogButtonFont = TheFont;
    r.ToolTipTitleFont = BoldFont;
    r.ToolTipTextFont = TheFont;
    r.SliderBar = Picture(185, 13);
    r.SliderPinActive = Picture(22, 47);
    r.SliderPinInactive = Picture(22, 47);
    r.CheckBoxNormal = Picture(32, 48);
    r.CheckBoxChecked = Picture(32, 48);
    r.DialogBackground = Picture(462, 254);
    for (Tessel::Bitmap*& state : r.DialogButton) state = Picture(100, 30);
    r.Lock = Picture(20, 24);
    r.ToolTipFrame = Picture(48, 48);
  }
  ~ControlFixture() override {
    App.Uninitialize();
    Corvanta::TheControlResources = Corvanta::ControlResources{};
  }

  Tessel::WidgetManager& Manager() { return *App.TheWidgetManager; }
  // Deletes every widget; fixtures whose listeners the widgets call do it in
  // their own destructors, while the listeners still exist.
  void ClearScreen() {
    Manager().RemoveAllChildren(true, true);
    Manager().Update(0);
  }
  Tessel::Bitmap* Picture(int width, int height) {
    Pictures.push_back(std::make_unique<Tessel::Bitmap>(width, height, Tessel::PIXEL_A8R8G8B8));
    return Pictures.back().get();
  }
  void MoveTo(int x, int y) {
    Manager().OnMouseMove(x, y);
    Manager().Update(0);
  }
  void Press(int x, int y) { Manager().OnMouseDown(x, y, 1); }
  void Release(int x, int y) { Manager().OnMouseUp(x, y, 1); }
  void Click(int x, int y) {
    MoveTo(x, y);
    Press(x, y);
    Release(x, y);
  }
  // Frames of dt seconds for the given time.
  void Run(float seconds, float dt = 0.01f) {
    for (int frames = static_cast<int>(seconds / dt + 0.5f); frames > 0; --frames) Manager().Update(dt);
  }
  // The sounds played since the last call, by short name ("click").
  std::vector<std::string> TakeSounds() {
    std::vector<std::string> names;
    for (const std::string& line : Backend->Log) {
      if (line.rfind("play sounds/", 0) != 0) continue;
      std::string name = line.substr(12);
      names.push_back(name.substr(0, name.find(".ogg")));
    }
    Backend->Log.clear();
    return names;
  }
  // One frame drawn on the recording device.
  std::vector<RecordingGraphicsDevice::Call> DrawFrame() {
    Device->Calls.clear();
    App.Draw();
    return Device->Calls;
  }

  TestFonts Fonts;  // and the resource manager holding the sounds
  Tessel::Font* TheFont = nullptr;
  Tessel::Font* BoldFont = nullptr;
  std::vector<std::unique_ptr<Tessel::Bitmap>> Pictures;
  FakeClock Clock;
  Tessel::HeadlessPlatform Platform{&Clock};
  Tessel::GameAppBase App{&Platform};
  RecordingGraphicsDevice* Device = nullptr;
  std::shared_ptr<Tessel::RecordingAudioBackend> Backend;
};

using Strings = std::vector<std::string>;

}  // namespace Testing
