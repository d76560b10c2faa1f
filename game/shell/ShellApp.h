#pragma once
// The executable's application until the game's own exists: the framework's
// shell showing the test scene (or, with --demo widgets or F2, the widget
// demo) in its widget manager, plus the unattended-run options (stop after a
// number of frames, save the last one).

#include <functional>
#include <memory>

#include "game/shell/ShellOptions.h"
#include "tessel/audio/AudioBackend.h"
#include "tessel/app/GameAppBase.h"

namespace Corvanta {

class DemoArt;
class TestScene;
class WidgetDemo;

class ShellApp : public Tessel::GameAppBase {
public:
  ShellApp(Tessel::AppPlatform* platform, const ShellOptions& options);
  ~ShellApp() override;

  void Initialize() override;
  void Uninitialize() override;
  void SetWindowed(bool windowed) override;
  void RunFrame() override;

  // Between the town scene and the widget demo.
  void ShowWidgetDemo(bool shown);

  int FramesRun = 0;
  // Makes the sound output at start-up; silence without one.
  std::function<std::shared_ptr<Tessel::AudioBackend>()> AudioBackendFactory;

private:
  void CaptureLastFrame();
  // The catalogue's art and sounds when the data folder has them, the demo's
  // stand-ins otherwise.
  void SetUpControlResources();

  ShellOptions Options;
  std::unique_ptr<DemoArt> Art;
  TestScene* Scene = nullptr;  // both owned by the widget manager
  WidgetDemo* Demo = nullptr;
};

}  // namespace Corvanta
