#include "game/online/OnlineServices.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/FakeClock.h"
#include "online/OnlineFakes.h"
#include "support/TempFolder.h"
#include "game/online/LevelStatistics.h"
#include "game/shell/GameRecords.h"
#include "game/shell/PlayerProfile.h"
#include "tessel/Exception.h"
#include "tessel/Random.h"

using namespace Corvanta;
using namespace Tessel;

namespace {

class OnlineServicesTest : public ::testing::Test {
protected:
  OnlineServicesTest() {
    SeedRand(1);
    Player.Name = u"Anna";
    Player.Id = 7;
    Level.Name = "Level02";
    std::filesystem::create_directories(Game.File("html"));
    Game.Write("html/index.html", "page");
  }

  OnlinePlatform Platform() { return OnlinePlatform{Http, Shell, Machine, Clock}; }
  String UserFolder() const { return String(User.Path().c_str()); }

  Testing::TempFolder User, Game;
  Testing::FakeHttpClient Http;
  Testing::FakeShellOpener Shell;
  Testing::FakeMachineInfo Machine;
  Testing::FakeClock Clock;
  PlayerProfile Player;
  LevelStatistics Level;
  GameRecords Records;
};

}  // namespace

TEST_F(OnlineServicesTest, WithEverythingOffNothingIsWrittenSentOrOpened) {
  OnlineServices online(OnlineSettings(), Platform());
  online.OpenStatsSession(UserFolder());
  online.WriteStatsLevel(String("VICTORY"), &Player, &Level);
  online.CloseStatsSession();
  EXPECT_FALSE(online.BuildStatsPage(UserFolder(), String(Game.Path().c_str())));
  EXPECT_FALSE(online.PostScores(&Player, Records));
  EXPECT_FALSE(online.CanOpenGlobalTopScores());
  EXPECT_FALSE(online.OpenGlobalTopScores());
  EXPECT_FALSE(std::filesystem::exists(User.File("stats.xml")));
  EXPECT_TRUE(Http.Requests.empty());
  EXPECT_TRUE(Shell.Opened.empty());
}

TEST_F(OnlineServicesTest, ARunWithStatisticsEndsWithThePage) {
  OnlineSettings settings;
  settings.SubmitStats = settings.StatsPageAtExit = true;
  OnlineServices online(settings, Platform());
  online.OpenStatsSession(UserFolder());
  EXPECT_TRUE(online.IsStatsSessionOpen());
  Clock.Now = 5000;
  online.WriteStatsLevel(String("VICTORY"), &Player, &Level);
  online.CloseStatsSession();
  EXPECT_FALSE(online.IsStatsSessionOpen());
  std::string stats = User.Read("stats.xml");
  EXPECT_NE(stats.find("<level player=\"Anna\" exitReason=\"VICTORY\" name=\"Level02\""), std::string::npos) << stats;
  EXPECT_TRUE(online.BuildStatsPage(UserFolder(), String(Game.Path().c_str())));
  ASSERT_EQ(Shell.Opened.size(), 1u);
  EXPECT_NE(std::string(Shell.Opened[0].CStr()).find("/html/index.html"), std::string::npos);
  EXPECT_EQ(User.Read("html/index.html"), "page");
}

TEST_F(OnlineServicesTest, ALevelRecordNeedsTheLevelAndThePlayer) {
  OnlineSettings settings;
  settings.SubmitStats = true;
  OnlineServices online(settings, Platform());
  online.OpenStatsSession(UserFolder());
  try {
    online.WriteStatsLevel(String("VICTORY"), &Player, nullptr);
    FAIL();
  } catch (const AssertionFailedException& e) {
    EXPECT_STREQ(e.Message.CStr(), "TheMap != NULL");
  }
  try {
    online.WriteStatsLevel(String("VICTORY"), nullptr, &Level);
    FAIL();
  } catch (const AssertionFailedException& e) {
    EXPECT_STREQ(e.Message.CStr(), "CurrentProfile != NULL");
  }
  online.CloseStatsSession();
  EXPECT_EQ(User.Read("stats.xml").find("<level"), std::string::npos);
}

TEST_F(OnlineServicesTest, WithoutAnOpenSessionALevelNeedsNothing) {
  OnlineSettings settings;
  settings.SubmitStats = true;
  OnlineServices online(settings, Platform());
  online.WriteStatsLevel(String("VICTORY"), nullptr, nullptr);
  EXPECT_FALSE(online.IsStatsSessionOpen());
}

TEST_F(OnlineServicesTest, PostingAndTheGlobalPageFollowTheSettings) {
  OnlineSettings settings;
  settings.PostScoresEnabled = true;
  settings.PostScoresServer = "scores.example.net";
  settings.PostScoresRequest = "/p?d=";
  settings.GlobalTopScoresUrl = "http://scores.example.net/top";
  OnlineServices online(settings, Platform());
  EXPECT_TRUE(online.PostScores(&Player, Records));
  ASSERT_EQ(Http.Requests.size(), 1u);
  EXPECT_EQ(Http.Requests[0].Host, String("scores.example.net"));
  EXPECT_TRUE(online.CanOpenGlobalTopScores());
  EXPECT_TRUE(online.OpenGlobalTopScores());
  ASSERT_EQ(Shell.Opened.size(), 1u);
  EXPECT_EQ(Shell.Opened[0], String("http://scores.example.net/top"));
}
