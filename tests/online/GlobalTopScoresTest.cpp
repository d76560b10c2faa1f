#include "game/online/GlobalTopScores.h"

#include <gtest/gtest.h>

#include "support/CapturedLog.h"
#include "online/OnlineFakes.h"
#include "game/online/OnlineSettings.h"

using namespace Corvanta;
using namespace Tessel;

TEST(GlobalTopScores, OpensTheAddressOfTheSettings) {
  OnlineSettings settings;
  settings.GlobalTopScoresUrl = "https://scores.example.net/corvanta/top.html";
  Testing::FakeShellOpener shell;
  GlobalTopScores page(settings, shell);
  EXPECT_TRUE(page.IsAvailable());
  EXPECT_TRUE(page.Open());
  ASSERT_EQ(shell.Opened.size(), 1u);
  EXPECT_EQ(shell.Opened[0], settings.GlobalTopScoresUrl);
  shell.Succeeds = false;
  EXPECT_FALSE(page.Open()) << "the game stays in front when nothing opened";
}

// The shipped settings have no address: the button must not end the game.
TEST(GlobalTopScores, WithoutAUsableAddressNothingIsOpened) {
  for (const char* address : {"", "scores.example.net", "file:///etc/passwd", "javascript:alert(1)",
                              "-help", "http://a b", "http://x\"; rm -rf ~"}) {
    OnlineSettings settings;
    settings.GlobalTopScoresUrl = address;
    Testing::FakeShellOpener shell;
    Testing::CapturedLog log;
    GlobalTopScores page(settings, shell);
    EXPECT_FALSE(page.IsAvailable()) << address;
    EXPECT_FALSE(page.Open()) << address;
    EXPECT_TRUE(shell.Opened.empty()) << address;
    EXPECT_NE(log.Text.find("no usable address"), std::string::npos) << address;
  }
}
