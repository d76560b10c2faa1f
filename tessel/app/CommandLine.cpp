#include "tessel/app/CommandLine.h"

#include <fstream>
#include <iterator>
#include <string>

namespace Tessel {

static bool IsTokenCharacter(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return u > 32 && u != 127;
}

void AppendCommandLineTokens(std::string_view text, Array<String>& tokens) {
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && !IsTokenCharacter(text[i])) ++i;
    size_t start = i;
    while (i < text.size() && IsTokenCharacter(text[i])) ++i;
    if (i > start) tokens.Add(String(text.data() + start, i - start));
  }
}

Array<String> TokenizeArguments(int argc, const char* const* argv) {
  Array<String> tokens;
  for (int i = 0; i < argc; ++i)
    if (argv[i]) AppendCommandLineTokens(argv[i], tokens);
  return tokens;
}

Array<String> TokenizeProcessCommandLine() {
  std::ifstream file("/proc/self/cmdline", std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  Array<String> tokens;
  AppendCommandLineTokens(text, tokens);  // the NUL separators are characters <= 32
  return tokens;
}

}  // namespace Tessel
