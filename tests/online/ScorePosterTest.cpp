#include "game/online/ScorePoster.h"

#include <gtest/gtest.h>

#include "support/CapturedLog.h"
#include "online/OnlineFakes.h"
#include "game/online/OnlineSettings.h"
#include "game/online/ScoreEncoding.h"
#include "game/online/ScoreRecord.h"
#include "game/shell/GameRecords.h"
#include "game/shell/PlayerProfile.h"

using namespace Corvanta;
using namespace Tessel;

namespace {

class ScorePosterTest : public ::testing::Test {
protected:
  ScorePosterTest() {
    Settings.PostScoresEnabled = true;
    Settings.PostScoresServer = "scores.example.net";
    Settings.PostScoresRequest = "/corvanta/post.php?d=";
    Player.Name = u"Bo";
    Player.Id = 0xDEADBEEF;
    Player.CompanyName = u"Bo & Co";
  }

  OnlineSettings Settings;
  Testing::FakeHttpClient Client;
  PlayerProfile Player;
  GameRecords Records;
  Testing::CapturedLog Log;
};

}  // namespace

TEST_F(ScorePosterTest, WithPostingSwitchedOffNothingGoesOut) {
  Settings.PostScoresEnabled = false;
  ScorePoster poster(Settings, Client);
  EXPECT_FALSE(poster.PostScores(&Player, Records));
  EXPECT_TRUE(Client.Requests.empty());
  EXPECT_EQ(Log.Text, "");
}

TEST_F(ScorePosterTest, WithoutAPlayerNothingGoesOut) {
  ScorePoster poster(Settings, Client);
  EXPECT_FALSE(poster.PostScores(nullptr, Records));
  EXPECT_TRUE(Client.Requests.empty());
}

TEST_F(ScorePosterTest, TheRequestCarriesTheEncodedRecordAfterThePrefix) {
  ScorePoster poster(Settings, Client);
  EXPECT_TRUE(poster.PostScores(&Player, Records));
  ASSERT_EQ(Client.Requests.size(), 1u);
  const HttpGetRequest& request = Client.Requests[0];
  std::string record = BuildScoreRecord(Player, Records);
  EXPECT_EQ(request.Host, String("scores.example.net"));
  EXPECT_EQ(request.Port, 80);
  EXPECT_EQ(request.Path, String("/corvanta/post.php?d=") + String(EncodeScoreData(record)));
  EXPECT_EQ(request.UserAgent, String("Mozilla/4.0 (compatible; MSIE 5.0; Windows 98)"));
  EXPECT_GT(request.ConnectTimeoutMs, 0);
  EXPECT_GT(request.TimeoutMs, 0);
  EXPECT_LE(request.TimeoutMs, 10000) << "the frame loop waits for the request";

  std::string path = request.Path.CStr();
  EXPECT_EQ(Log.Text, "PostScoresData: " + record + "\nHttpRequest: " + path + "\n");
}

TEST_F(ScorePosterTest, FailuresAreLoggedAndReportedAsFalse) {
  struct Case {
    HttpOutcome Outcome;
    const char* Line;
  } cases[] = {
      {HTTPOUT_BadAddress, "error: InternetConnect() failed.\n"},
      {HTTPOUT_BadRequest, "error: HttpOpenRequest() failed.\n"},
      {HTTPOUT_SendFailed, "error: HttpSendRequest() failed.\n"},
  };
  for (const Case& c : cases) {
    Testing::CapturedLog log;
    Client.Result = HttpResult{c.Outcome, 0, String("Connection refused")};
    ScorePoster poster(Settings, Client);
    EXPECT_FALSE(poster.PostScores(&Player, Records));
    EXPECT_NE(log.Text.find(c.Line), std::string::npos) << log.Text;
    EXPECT_NE(log.Text.find("error: Connection refused\n"), std::string::npos) << log.Text;
  }
  Testing::CapturedLog log;
  Client.Result = HttpResult{HTTPOUT_NoSession, 0, String()};
  ScorePoster poster(Settings, Client);
  EXPECT_FALSE(poster.PostScores(&Player, Records));
  EXPECT_EQ(log.Text.find("error:"), std::string::npos) << "no session fails silently: " << log.Text;
}

TEST_F(ScorePosterTest, AnyAnswerOfTheServerCountsAsSent) {
  Client.Result = HttpResult{HTTPOUT_Sent, 500, String()};
  ScorePoster poster(Settings, Client);
  EXPECT_TRUE(poster.PostScores(&Player, Records));
}

// The server name is put into an address: it must not be able to name another.
TEST_F(ScorePosterTest, AServerThatIsNotAHostNameIsRefusedBeforeAnyRequest) {
  for (const char* server : {"", "evil.example@scores.example.net", "scores.example.net/x", "a b",
                             "scores.example.net:8080", "http://scores.example.net", "sc\xC3\xB6res.net"}) {
    Testing::CapturedLog log;
    Settings.PostScoresServer = server;
    ScorePoster poster(Settings, Client);
    EXPECT_FALSE(poster.PostScores(&Player, Records)) << server;
    EXPECT_NE(log.Text.find("error: InternetConnect() failed.\n"), std::string::npos) << server;
    EXPECT_EQ(log.Text.find("PostScoresData"), std::string::npos) << server;
  }
  EXPECT_TRUE(Client.Requests.empty());
}

TEST_F(ScorePosterTest, APrefixThatIsNotAPathIsRefusedBeforeAnyRequest) {
  for (const char* prefix : {"", "post.php?d=", "/a b?d=", "/post#", "/x\r\nHost: other"}) {
    Testing::CapturedLog log;
    Settings.PostScoresRequest = prefix;
    ScorePoster poster(Settings, Client);
    EXPECT_FALSE(poster.PostScores(&Player, Records)) << prefix;
    EXPECT_NE(log.Text.find("error: HttpOpenRequest() failed.\n"), std::string::npos) << prefix;
  }
  EXPECT_TRUE(Client.Requests.empty());
}
