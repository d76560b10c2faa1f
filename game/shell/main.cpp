// Corvanta: the process entry.
#include <unistd.h>

#include <climits>
#include <cstdio>

#include "game/shell/ShellApp.h"
#include "game/shell/ShellOptions.h"
#include "tessel/Log.h"
#include "tessel/app/MessageBox.h"
#include "tessel/platform/gl/GraphicsGL.h"
#include "tessel/platform/mixer/SdlMixerBackend.h"
#include "tessel/platform/sdl/SdlPlatform.h"

namespace {

// The log file is for the record; a player starting the game from a
// terminal sees the lines as well.
class ConsoleLog : public Tessel::OutputListener {
public:
  void Write(const Tessel::String& text) override { std::fputs(text.CStr(), stdout); }
};

// An unattended run must never wait for someone to close a box; the shell
// has already written its text to the log.
class NoMessageBoxes : public Tessel::MessageBoxInterceptor {
public:
  void OnMessageBox(const Tessel::String&, const Tessel::String&, bool) override {}
};

}  // namespace

int main(int argc, char** argv) {
  Corvanta::ShellOptions options = Corvanta::ParseShellOptions(argc, argv);
  if (options.ShowHelp) {
    std::fputs(Corvanta::ShellHelpText(), stdout);
    return 0;
  }
  if (!options.Error.empty()) {
    std::fprintf(stderr, "corvanta: %s (try --help)\n", options.Error.c_str());
    return 2;
  }
  // The application works in its own folder: names on the command line are
  // relative to where the user started it.
  char folder[PATH_MAX];
  if (!options.CapturePath.empty() && options.CapturePath[0] != '/' && getcwd(folder, sizeof folder))
    options.CapturePath = std::string(folder) + "/" + options.CapturePath;
  NoMessageBoxes unattended;
  if (options.Frames > 0) Tessel::SetMessageBoxInterceptor(&unattended);
  Tessel::SdlPlatform platform;
  ConsoleLog console;
  int exitCode;
  {
    Corvanta::ShellApp app(&platform, options);
    app.GraphicsDeviceFactory = [](Tessel::GameAppBase& a) { return new Tessel::GraphicsGL(&a); };
    app.AudioBackendFactory = [] { return Tessel::OpenAudioBackend(); };
    app.AddOutputListener(&console);
    exitCode = app.Run();
    app.RemoveOutputListener(&console);
  }
  Tessel::SetMessageBoxInterceptor(nullptr);
  return exitCode;
}
