// The statistics page's own reader (html/stats-view.js, run by node) over a
// stats.js the game wrote: what the player sees is what was recorded.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>

#include "game/online/LevelStatistics.h"
#include "game/online/StatsPage.h"
#include "game/online/StatsSession.h"
#include "online/OnlineFakes.h"
#include "support/FakeClock.h"
#include "support/TempFolder.h"
#include "tessel/Random.h"

extern char** environ;

using namespace Corvanta;
using namespace Tessel;

namespace {

// Runs node on the check script; its output, or "" when it failed.
std::string RunPageReader(const std::string& htmlFolder, const std::string& outputFile) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::string node = CORVANTA_NODE;
  std::string script = CORVANTA_SOURCE_DIR "/tests/online/StatsPageCheck.js";
  char* argv[] = {node.data(), script.data(), const_cast<char*>(htmlFolder.c_str()), nullptr};
  pid_t child;
  int error = posix_spawn(&child, node.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) return "";
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "";
  return Testing::ReadFileBytes(outputFile);
}

}  // namespace

TEST(StatsPageScript, ThePageReadsWhatTheGameRecorded) {
  Testing::TempFolder user;
  Testing::FakeClock clock;
  Testing::FakeMachineInfo machine;
  String stats(user.File("stats.xml").c_str());
  SeedRand(1);
  LevelStatistics level;
  level.Name = "Level01";
  level.Days = 14;
  {
    StatsSession session(clock, machine);
    ASSERT_TRUE(session.Open(stats));
    session.WriteLevel(u"Zo\u00EB \"Z\" <&> C:\\ \u2028 'q'", String("VICTORY"), level);
    level.IsOvertime = true;
    level.Days = 20;
    session.WriteLevel(u"Anna", String("QUITGAME"), level);
    session.Close();
  }
  {
    StatsSession session(clock, machine);
    ASSERT_TRUE(session.Open(stats));
    session.Close();
  }
  Testing::FakeShellOpener shell;
  StatsPage page(shell);
  ASSERT_TRUE(page.Build(String(user.Path().c_str()), String(CORVANTA_SOURCE_DIR "/game/online/")));

  std::string seen = RunPageReader(user.File("html"), user.File("seen.txt"));
  EXPECT_EQ(seen,
            "00529046317CCF08 7936\n"
            "  Zo\xC3\xAB \"Z\" <&> C:\\ \xE2\x80\xA8 'q'|VICTORY|Level01|14\n"
            "  Anna|QUITGAME+|Level01|20\n"
            "95C27AD859ACE55C 7936\n");
}
