#pragma once
// OnlineServices: what the game application calls for its optional online
// services, each switched by the product settings (OnlineSettings):
//   - the play statistics (StatsSession): opened at start-up, one record per
//     level left, closed at shutdown, shown as a page when the game ends;
//   - posting the player's best results (ScorePoster);
//   - the global top scores page (GlobalTopScores).
// The operating system's parts come in through OnlinePlatform, so that the
// services run and are tested without a network, a browser or /proc.

#include "game/online/GlobalTopScores.h"
#include "game/online/OnlineSettings.h"
#include "game/online/ScorePoster.h"
#include "game/online/StatsPage.h"
#include "game/online/StatsSession.h"
#include "tessel/Strings.h"

namespace Tessel {
class Clock;
class HttpClient;
class MachineInfo;
class ShellOpener;
}  // namespace Tessel

namespace Corvanta {

class GameRecords;
class PlayerProfile;
struct LevelStatistics;

struct OnlinePlatform {
  Tessel::HttpClient& Http;
  Tessel::ShellOpener& Shell;
  const Tessel::MachineInfo& Machine;
  Tessel::Clock& TheClock;  // the application's clock, which levels take their start time from
};

class OnlineServices {
public:
  OnlineServices(const OnlineSettings& settings, const OnlinePlatform& platform);

  const OnlineSettings& GetSettings() const { return Settings; }

  // At start-up: appends this run's session to userFolder + "stats.xml";
  // nothing unless the statistics are switched on.
  void OpenStatsSession(const Tessel::String& userFolder);
  bool IsStatsSessionOpen() const { return Session.IsOpen(); }
  // When a level ends ("VICTORY", "QUITGAME", "SKIPTUTORIAL", ...); nothing
  // unless the session is open. The level and the player must exist.
  void WriteStatsLevel(const Tessel::String& exitReason, const PlayerProfile* CurrentProfile,
                       const LevelStatistics* TheMap);
  // At shutdown: the session's end tag.
  void CloseStatsSession();
  // After shutdown, when the statistics are switched on: writes the page and
  // opens it in the browser; false when nothing was opened.
  bool BuildStatsPage(const Tessel::String& userFolder, const Tessel::String& gameFolder);

  // The top scores screen's post button (which is disabled afterwards).
  bool PostScores(const PlayerProfile* CurrentProfile, const GameRecords& records);
  ScorePoster& GetScorePoster() { return Poster; }

  // The top scores screen's global button: offered while available; on
  // success the game minimises its window.
  bool CanOpenGlobalTopScores() const { return TopScores.IsAvailable(); }
  bool OpenGlobalTopScores() { return TopScores.Open(); }

private:
  OnlineSettings Settings;
  StatsSession Session;
  StatsPage Page;
  ScorePoster Poster;
  GlobalTopScores TopScores;
};

}  // namespace Corvanta
