#pragma once
// The executable's application until the game's own exists: the framework's
// shell with the test scene as its widget root, plus the unattended-run
// options (stop after a number of frames, save the last one).

#include <functional>
#include <memory>

#include "game/shell/ShellOptions.h"
#include "tessel/audio/AudioBackend.h"
#include "tessel/app/GameAppBase.h"

namespace Corvanta {

class ShellApp : public Tessel::GameAppBase {
public:
  ShellApp(Tessel::AppPlatform* platform, const ShellOptions& options);

  void Initialize() override;
  void SetWindowed(bool windowed) override;
  void RunFrame() override;

  int FramesRun = 0;
  // Makes the sound output at start-up; silence without one.
  std::function<std::shared_ptr<Tessel::AudioBackend>()> AudioBackendFactory;

private:
  void CaptureLastFrame();

  ShellOptions Options;
};

}  // namespace Corvanta
