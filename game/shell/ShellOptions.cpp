#include "game/shell/ShellOptions.h"

#include <cstdlib>
#include <cstring>

namespace Corvanta {

ShellOptions ParseShellOptions(int argc, const char* const* argv) {
  ShellOptions options;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
      options.ShowHelp = true;
    } else if (std::strcmp(arg, "--frames") == 0) {
      char* end = nullptr;
      long frames = i + 1 < argc ? std::strtol(argv[i + 1], &end, 10) : 0;
      if (i + 1 >= argc || *end != 0 || frames <= 0 || frames > 100000000) {
        options.Error = "--frames needs a positive number";
        return options;
      }
      options.Frames = static_cast<int>(frames);
      ++i;
    } else if (std::strcmp(arg, "--capture") == 0) {
      if (i + 1 >= argc) {
        options.Error = "--capture needs a file name";
        return options;
      }
      options.CapturePath = argv[++i];
    } else if (std::strcmp(arg, "--demo") == 0) {
      if (i + 1 >= argc || std::strcmp(argv[i + 1], "widgets") != 0) {
        options.Error = "--demo needs the name of a demo (widgets)";
        return options;
      }
      options.Demo = argv[++i];
    }
    // Everything else belongs to the game (-lang, -map, -nomenu).
  }
  if (!options.CapturePath.empty() && options.Frames == 0) options.Frames = 1;
  return options;
}

const char* ShellHelpText() {
  return "Usage: corvanta [options]\n"
         "\n"
         "Game options:\n"
         "  -lang <language>    play in this language (a column of the text table)\n"
         "  -map <level>        start this level directly\n"
         "  -nomenu             skip the menus\n"
         "\n"
         "Demos:\n"
         "  --demo widgets      start with the widget demo (F2 switches between it and the town scene)\n"
         "\n"
         "Unattended runs:\n"
         "  --frames <n>        stop after n frames and exit with code 0\n"
         "  --capture <file>    write the last frame as a PNG file (with no --frames: after one frame)\n"
         "  --help              show this text\n"
         "\n"
         "Keys: Alt+Enter toggles full screen, Alt+F4 or Escape closes the window.\n"
         "Without a display the game runs on SDL's offscreen driver.\n";
}

}  // namespace Corvanta
