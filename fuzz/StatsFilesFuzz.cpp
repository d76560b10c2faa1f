// Arbitrary bytes as stats.xml: the statistics script must hold exactly the
// file's text (line ends as "\n", lone carriage returns dropped) in string
// literals a browser reads, and closing a session a crash left open must
// leave a file whose last session is complete.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "game/online/SessionTail.h"
#include "game/online/StatsScript.h"

namespace {

using namespace Corvanta;

void Require(bool condition) {
  if (!condition) std::abort();
}

// What the browser's string literals add up to.
std::string ReadBack(std::string_view script) {
  Require(script.substr(0, 8) == "var xml=");
  Require(script.size() >= 10 && script.substr(script.size() - 2) == ";\n");
  std::string_view rest = script.substr(8, script.size() - 10);
  std::string text;
  bool first = true;
  while (!rest.empty()) {
    if (!first) {
      Require(rest.substr(0, 12) == " +\r\n        ");
      rest.remove_prefix(12);
    }
    first = false;
    Require(!rest.empty() && rest[0] == '"');
    rest.remove_prefix(1);
    for (;;) {
      Require(!rest.empty());
      char c = rest[0];
      rest.remove_prefix(1);
      Require(c != '\n' && c != '\r');
      if (c == '"') break;
      if (c != '\\') {
        text += c;
        continue;
      }
      Require(!rest.empty());
      char escaped = rest[0];
      rest.remove_prefix(1);
      if (escaped == 'n') {
        text += '\n';
      } else if (escaped == 'u') {
        Require(rest.size() >= 4 && rest.substr(0, 3) == "202" && (rest[3] == '8' || rest[3] == '9'));
        text += rest[3] == '8' ? "\xE2\x80\xA8" : "\xE2\x80\xA9";
        rest.remove_prefix(4);
      } else {
        Require(escaped == '"' || escaped == '\\');
        text += escaped;
      }
    }
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view file(reinterpret_cast<const char*>(data), size);

  std::string withoutReturns;
  for (char c : file)
    if (c != '\r') withoutReturns += c;
  Require(ReadBack(MakeStatsScript(file)) == withoutReturns);

  SessionTail tail = FindSessionTail(file);
  if (!ClosingOf(tail).empty()) {
    std::string closed = std::string(file) + std::string(ClosingOf(tail));
    Require(FindSessionTail(closed) == SESSIONTAIL_Closed);
  }
  return 0;
}
