#pragma once
// StatsPage: shows the play statistics as a web page when the game ends.
// The page (html/index.html and what it needs) comes with the game; it is
// copied into the user data folder once, stats.js is written beside it from
// stats.xml, and the page is opened in the browser.

#include "tessel/Strings.h"

namespace Tessel {
class ShellOpener;
}

namespace Corvanta {

class StatsPage {
public:
  static constexpr const char* FolderName = "html";
  static constexpr const char* ScriptName = "stats.js";
  static constexpr const char* PageName = "index.html";

  explicit StatsPage(Tessel::ShellOpener& opener);

  // userFolder holds stats.xml and receives html/; gameFolder is the folder
  // of the executable, which holds the page's own html/. False (logged when
  // it is a fault) when there are no statistics or nothing was opened.
  bool Build(const Tessel::String& userFolder, const Tessel::String& gameFolder);

private:
  Tessel::ShellOpener& Opener;
};

}  // namespace Corvanta
