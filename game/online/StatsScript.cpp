#include "game/online/StatsScript.h"

namespace Corvanta {

std::string MakeStatsScript(std::string_view statsFile) {
  std::string script = "var xml=";
  script.reserve(statsFile.size() + statsFile.size() / 8 + 16);
  bool lineOpen = false;
  auto openLine = [&] {
    if (lineOpen) return;
    if (script.size() > 8) script += " +\r\n        ";
    script += '"';
    lineOpen = true;
  };
  for (size_t i = 0; i < statsFile.size(); ++i) {
    char c = statsFile[i];
    // Before a line feed the feed ends the line; on its own it is dropped.
    if (c == '\r') continue;
    openLine();
    if (c == '\n') {
      script += "\\n\"";
      lineOpen = false;
    } else if (c == '\xE2' && statsFile.substr(i + 1, 2) == "\x80\xA8") {
      script += "\\u2028";  // older browsers end a string at these line separators
      i += 2;
    } else if (c == '\xE2' && statsFile.substr(i + 1, 2) == "\x80\xA9") {
      script += "\\u2029";
      i += 2;
    } else if (c == '"' || c == '\\') {
      script += '\\';
      script += c;
    } else {
      script += c;
    }
  }
  if (lineOpen) script += '"';
  if (script.size() == 8) script += "\"\"";  // still a statement when nothing was left
  script += ";\n";
  return script;
}

}  // namespace Corvanta
