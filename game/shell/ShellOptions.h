#pragma once
// The command-line options of the executable: the game's own (read by the
// game application through its command-line tokens) and those for unattended
// runs, which only stop the game after a number of frames and save the last
// one as a picture.

#include <string>

namespace Corvanta {

struct ShellOptions {
  int Frames = 0;            // 0: run until the window is closed
  std::string CapturePath;   // PNG of the last frame, when set
  std::string Demo;          // a demo screen to start with ("widgets")
  bool ShowHelp = false;
  std::string Error;         // a malformed option
};

ShellOptions ParseShellOptions(int argc, const char* const* argv);
const char* ShellHelpText();

}  // namespace Corvanta
