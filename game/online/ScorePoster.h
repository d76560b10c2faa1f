#pragma once
// ScorePoster: sends the current player's best results to the score server
// in one GET request, "http://" + server + request prefix + the encoded
// score data (see ScoreRecord and ScoreEncoding). The answer is not read;
// a failure is logged and reported as false, never retried and never shown
// to the player.
//
// The request runs on the main thread and holds up the frame loop until the
// server has answered or the request's time-outs have passed.

#include "tessel/Strings.h"
#include "tessel/net/HttpClient.h"

namespace Corvanta {

class GameRecords;
class PlayerProfile;
struct OnlineSettings;

class ScorePoster {
public:
  static constexpr const char* UserAgent = "Mozilla/4.0 (compatible; MSIE 5.0; Windows 98)";

  ScorePoster(const OnlineSettings& settings, Tessel::HttpClient& client);

  // False without a player, with posting switched off, or when the request
  // did not go out; true when the server answered.
  bool PostScores(const PlayerProfile* player, const GameRecords& records);

  // The server's port: 80, other values for test servers.
  int Port = 80;
  int ConnectTimeoutMs = 3000;
  int TimeoutMs = 5000;

private:
  const OnlineSettings& Settings;
  Tessel::HttpClient& Client;
};

}  // namespace Corvanta
