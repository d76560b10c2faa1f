#include "game/online/StatsPage.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "online/OnlineFakes.h"
#include "support/TempFolder.h"
#include "game/online/StatsScript.h"

using namespace Corvanta;
using namespace Tessel;

namespace {

class StatsPageTest : public ::testing::Test {
protected:
  StatsPageTest() {
    std::filesystem::create_directories(Game.File("html/images"));
    Game.Write("html/index.html", "<html>page</html>");
    Game.Write("html/images/logo.png", "png");
  }

  String UserFolder() const { return String(User.Path().c_str()); }
  String GameFolder() const { return String(Game.Path().c_str()); }

  Testing::TempFolder User;
  Testing::TempFolder Game;
  Testing::FakeShellOpener Shell;
};

}  // namespace

TEST_F(StatsPageTest, CopiesThePageWritesTheScriptAndOpensThePage) {
  std::string stats = "<session id=\"1\" memMb=\"5\"></session>\r\n<session id=\"2\" memMb=\"5\"></session>";
  User.Write("stats.xml", stats);
  StatsPage page(Shell);
  EXPECT_TRUE(page.Build(UserFolder(), GameFolder()));
  EXPECT_EQ(User.Read("html/index.html"), "<html>page</html>");
  EXPECT_EQ(User.Read("html/images/logo.png"), "png");
  EXPECT_EQ(User.Read("html/stats.js"), MakeStatsScript(stats));
  ASSERT_EQ(Shell.Opened.size(), 1u);
  EXPECT_EQ(Shell.Opened[0], FileAddressOf(UserFolder() + "html/index.html"));
  EXPECT_EQ(std::string(Shell.Opened[0].CStr()).rfind("file:///", 0), 0u);
}

TEST_F(StatsPageTest, APageAlreadyInTheUserFolderIsKept) {
  User.Write("stats.xml", "<session id=\"1\"></session>");
  std::filesystem::create_directories(User.File("html"));
  User.Write("html/index.html", "the player's own page");
  StatsPage page(Shell);
  EXPECT_TRUE(page.Build(UserFolder(), GameFolder()));
  EXPECT_EQ(User.Read("html/index.html"), "the player's own page");
  EXPECT_EQ(User.Read("html/stats.js"), "var xml=\"<session id=\\\"1\\\"></session>\";\n");
}

// A copy an earlier run could not finish is finished.
TEST_F(StatsPageTest, AHalfCopiedPageIsCompleted) {
  User.Write("stats.xml", "<session id=\"1\"></session>");
  std::filesystem::create_directories(User.File("html"));
  StatsPage page(Shell);
  EXPECT_TRUE(page.Build(UserFolder(), GameFolder()));
  EXPECT_EQ(User.Read("html/index.html"), "<html>page</html>");
}

TEST_F(StatsPageTest, WithoutStatisticsNothingIsWrittenOrOpened) {
  StatsPage page(Shell);
  EXPECT_FALSE(page.Build(UserFolder(), GameFolder()));
  User.Write("stats.xml", "");
  EXPECT_FALSE(page.Build(UserFolder(), GameFolder()));
  EXPECT_TRUE(Shell.Opened.empty());
  struct stat info;
  EXPECT_NE(stat(User.File("html/stats.js").c_str(), &info), 0);
}

TEST_F(StatsPageTest, AScriptThatCannotBeWrittenOpensNothing) {
  User.Write("stats.xml", "<session id=\"1\"></session>");
  std::filesystem::create_directories(User.File("html/stats.js"));  // a folder in the way
  StatsPage page(Shell);
  EXPECT_FALSE(page.Build(UserFolder(), GameFolder()));
  EXPECT_TRUE(Shell.Opened.empty());
}

TEST_F(StatsPageTest, ABrowserThatDoesNotStartIsReported) {
  User.Write("stats.xml", "<session id=\"1\"></session>");
  Shell.Succeeds = false;
  StatsPage page(Shell);
  EXPECT_FALSE(page.Build(UserFolder(), GameFolder()));
  EXPECT_EQ(Shell.Opened.size(), 1u);
}
