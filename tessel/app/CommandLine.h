#pragma once
// The command line as the game reads it: tokens are maximal runs of
// characters above 32 other than 127. Quotes mean nothing, so "a b" in
// double quotes gives two tokens that keep their quote characters.

#include "tessel/Array.h"
#include "tessel/Strings.h"

namespace Tessel {

void AppendCommandLineTokens(std::string_view text, Array<String>& tokens);
// Every argument (the program's path first) split as above.
Array<String> TokenizeArguments(int argc, const char* const* argv);
// The running process's own arguments (from /proc/self/cmdline).
Array<String> TokenizeProcessCommandLine();

}  // namespace Tessel
