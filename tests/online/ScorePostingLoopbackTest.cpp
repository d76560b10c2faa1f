// Posting scores end to end: the game's poster over libcurl to a server of
// the test's own on 127.0.0.1, which reads the data back as the score server
// does (percent-decoding, checksum, the reversed substitution table).
#include <gtest/gtest.h>

#include <string>

#include "support/CapturedLog.h"
#include "online/LoopbackHttpServer.h"
#include "game/online/OnlineSettings.h"
#include "game/online/ScoreEncoding.h"
#include "game/online/ScorePoster.h"
#include "game/online/ScoreRecord.h"
#include "game/shell/GameRecords.h"
#include "game/shell/PlayerProfile.h"
#include "tessel/platform/curl/CurlHttpClient.h"

using namespace Corvanta;
using namespace Tessel;
using Testing::LoopbackHttpServer;

namespace {

int HexValue(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

// What the server does with the data after the prefix: false when the
// checksum does not match.
bool DecodeLikeTheServer(const std::string& encoded, std::string& record) {
  std::string scrambled;
  for (size_t i = 0; i < encoded.size(); ++i) {
    if (encoded[i] == '%' && i + 2 < encoded.size()) {
      scrambled += static_cast<char>(HexValue(encoded[i + 1]) * 16 + HexValue(encoded[i + 2]));
      i += 2;
    } else {
      scrambled += encoded[i];
    }
  }
  if (scrambled.empty()) return false;
  char checksum = scrambled.back();
  scrambled.pop_back();
  if (ScoreChecksum(scrambled) != checksum) return false;
  uint8_t reverse[256];
  for (int i = 0; i < 256; ++i) reverse[ScoreSubstitutionTable[i]] = static_cast<uint8_t>(i);
  record.clear();
  for (char c : scrambled) record += static_cast<char>(reverse[static_cast<uint8_t>(c)]);
  return true;
}

}  // namespace

TEST(ScorePostingLoopback, TheServerReadsBackTheRecord) {
  LoopbackHttpServer server;
  OnlineSettings settings;
  settings.PostScoresEnabled = true;
  settings.PostScoresServer = "127.0.0.1";
  settings.PostScoresRequest = "/corvanta/post.php?data=";
  CurlHttpClient client(false);
  ScorePoster poster(settings, client);
  poster.Port = server.Port();

  PlayerProfile player;
  player.Name = u"Zo\u00EB \"Z\" 100%";
  player.Id = 0x0BADCAFE;
  player.CompanyName = u"Zo\u00EB & Sons";
  GameRecords records;
  records.SandboxTop[1][0].PlayerId = player.Id;
  records.SandboxTop[1][0].Days = 22;
  records.SandboxTop[1][0].Money = 4100000;

  Testing::CapturedLog log;
  EXPECT_TRUE(poster.PostScores(&player, records)) << log.Text;
  ASSERT_EQ(server.Requests().size(), 1u);
  std::string head = server.Requests()[0];
  std::string prefix = "GET /corvanta/post.php?data=";
  ASSERT_EQ(head.rfind(prefix, 0), 0u) << head;
  std::string encoded = head.substr(prefix.size(), head.find(' ', prefix.size()) - prefix.size());
  for (char c : encoded) EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)) || c == '%') << encoded;

  std::string record;
  ASSERT_TRUE(DecodeLikeTheServer(encoded, record));
  EXPECT_EQ(record, BuildScoreRecord(player, records));
  EXPECT_EQ(record.substr(0, 9), "0BADCAFE\x7F");
  EXPECT_NE(record.find("\x7F" "22\x7F" "4100000\x7F"), std::string::npos);
}

TEST(ScorePostingLoopback, ADeadServerIsLoggedAndReportedAsFalse) {
  OnlineSettings settings;
  settings.PostScoresEnabled = true;
  settings.PostScoresServer = "127.0.0.1";
  settings.PostScoresRequest = "/p?d=";
  CurlHttpClient client(false);
  ScorePoster poster(settings, client);
  poster.Port = Testing::UnusedLoopbackPort();
  PlayerProfile player;
  player.Id = 1;
  Testing::CapturedLog log;
  EXPECT_FALSE(poster.PostScores(&player, GameRecords()));
  EXPECT_NE(log.Text.find("error: HttpSendRequest() failed.\n"), std::string::npos) << log.Text;
}

TEST(ScorePostingLoopback, ASilentServerHoldsTheGameUpOnlyUntilTheTimeOut) {
  LoopbackHttpServer server(LoopbackHttpServer::SERVER_NeverAnswer);
  OnlineSettings settings;
  settings.PostScoresEnabled = true;
  settings.PostScoresServer = "127.0.0.1";
  settings.PostScoresRequest = "/p?d=";
  CurlHttpClient client(false);
  ScorePoster poster(settings, client);
  poster.Port = server.Port();
  poster.TimeoutMs = 300;
  PlayerProfile player;
  player.Id = 1;
  Testing::CapturedLog log;
  auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(poster.PostScores(&player, GameRecords()));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_NE(log.Text.find("error: HttpSendRequest() failed.\n"), std::string::npos);
}
