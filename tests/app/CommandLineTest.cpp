#include <gtest/gtest.h>

#include "tessel/app/CommandLine.h"
#include "tessel/app/GameAppBase.h"
#include "tessel/app/HeadlessPlatform.h"

using namespace Tessel;

namespace {

std::vector<std::string> Tokens(std::string_view text) {
  Array<String> tokens;
  AppendCommandLineTokens(text, tokens);
  std::vector<std::string> out;
  for (const String& t : tokens) out.emplace_back(t.CStr());
  return out;
}

TEST(CommandLine, TokensAreRunsOfCharactersAbove32Except127) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Tokens("corvanta   -lang    german"), (V{"corvanta", "-lang", "german"}));
  EXPECT_EQ(Tokens("corvanta \"my map\""), (V{"corvanta", "\"my", "map\""}));
  EXPECT_EQ(Tokens("a\tb\nc\x7F" "d\x01" "e"), (V{"a", "b", "c", "d", "e"}));
  EXPECT_EQ(Tokens("  \t "), V{});
  EXPECT_EQ(Tokens("caf\xC3\xA9"), V{"caf\xC3\xA9"}) << "bytes above 127 belong to tokens";
}

TEST(CommandLine, ArgumentsAreSplitFurther) {
  const char* argv[] = {"/usr/games/corvanta", "-map  level3", "-nomenu"};
  Array<String> tokens = TokenizeArguments(3, argv);
  ASSERT_EQ(tokens.GetSize(), 4);
  EXPECT_EQ(tokens[1], "-map");
  EXPECT_EQ(tokens[2], "level3");
}

TEST(CommandLine, FindingAnArgumentIsExactAndCaseSensitive) {
  HeadlessPlatform platform;
  GameAppBase app(&platform);
  const char* argv[] = {"corvanta", "-lang", "german", "-LANG"};
  app.CommandLineTokens = TokenizeArguments(4, argv);
  EXPECT_EQ(app.FindCommandLineArgument("-lang"), 1);
  EXPECT_EQ(app.FindCommandLineArgument("-LANG"), 3);
  EXPECT_EQ(app.FindCommandLineArgument("-lan"), -1);
}

TEST(CommandLine, TheApplicationReadsItsOwnProcessArguments) {
  HeadlessPlatform platform;
  GameAppBase app(&platform);
  ASSERT_GE(app.CommandLineTokens.GetSize(), 1);
  EXPECT_NE(std::string(app.CommandLineTokens[0].CStr()).find("tessel_shell_tests"), std::string::npos);
  EXPECT_EQ(app.ExecutableName, "tessel_shell_tests");
  EXPECT_EQ(app.ExecutableFolder[app.ExecutableFolder.GetLength() - 1], '/');
}

}  // namespace
