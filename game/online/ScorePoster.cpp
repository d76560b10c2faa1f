#include "game/online/ScorePoster.h"

#include "game/online/OnlineSettings.h"
#include "game/online/ScoreEncoding.h"
#include "game/online/ScoreRecord.h"
#include "tessel/Log.h"

namespace Corvanta {

using namespace Tessel;

ScorePoster::ScorePoster(const OnlineSettings& settings, HttpClient& client) : Settings(settings), Client(client) {}

bool ScorePoster::PostScores(const PlayerProfile* player, const GameRecords& records) {
  if (!player || !Settings.PostScoresEnabled) return false;

  HttpGetRequest request;
  request.Host = Settings.PostScoresServer;
  request.Port = Port;
  request.UserAgent = UserAgent;
  request.ConnectTimeoutMs = ConnectTimeoutMs;
  request.TimeoutMs = TimeoutMs;
  if (!IsUsableHostName(request.Host.View()) || Port < 1 || Port > 65535) {
    PrintLog("error: InternetConnect() failed.\n");
    PrintLog("error: the score server '%s' is not a host name\n", request.Host);
    return false;
  }

  std::string record = BuildScoreRecord(*player, records);
  WriteLog(String("PostScoresData: ") + String(record) + "\n");
  request.Path = Settings.PostScoresRequest + String(EncodeScoreData(record));
  WriteLog(String("HttpRequest: ") + request.Path + "\n");
  if (!IsUsableRequestPath(request.Path.View())) {
    PrintLog("error: HttpOpenRequest() failed.\n");
    PrintLog("error: the score request prefix '%s' is not a path\n", Settings.PostScoresRequest);
    return false;
  }

  HttpResult result = Client.SendGet(request);
  switch (result.Outcome) {
    case HTTPOUT_Sent: return true;
    case HTTPOUT_NoSession: break;
    case HTTPOUT_BadAddress: PrintLog("error: InternetConnect() failed.\n"); break;
    case HTTPOUT_BadRequest: PrintLog("error: HttpOpenRequest() failed.\n"); break;
    case HTTPOUT_SendFailed: PrintLog("error: HttpSendRequest() failed.\n"); break;
  }
  if (!result.Error.IsEmpty()) PrintLog("error: %s\n", result.Error);
  return false;
}

}  // namespace Corvanta
