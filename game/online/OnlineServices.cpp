#include "game/online/OnlineServices.h"

#include <cstddef>

#include "game/online/LevelStatistics.h"
#include "game/shell/PlayerProfile.h"
#include "tessel/Exception.h"

namespace Corvanta {

using namespace Tessel;

OnlineServices::OnlineServices(const OnlineSettings& settings, const OnlinePlatform& platform)
    : Settings(settings),
      Session(platform.TheClock, platform.Machine),
      Page(platform.Shell),
      Poster(Settings, platform.Http),
      TopScores(Settings, platform.Shell) {}

void OnlineServices::OpenStatsSession(const String& userFolder) {
  if (!Settings.SubmitStats) return;
  Session.Open(userFolder + StatsSession::FileName);
}

void OnlineServices::WriteStatsLevel(const String& exitReason, const PlayerProfile* CurrentProfile,
                                     const LevelStatistics* TheMap) {
  if (!Settings.SubmitStats || !Session.IsOpen()) return;
  try {
    // Directly, so that the reports show "NULL" and not what it expands to.
    TESSEL_ASSERT_AT(TheMap != NULL, __FILE__, __LINE__);
    TESSEL_ASSERT_AT(CurrentProfile != NULL, __FILE__, __LINE__);
    Session.WriteLevel(CurrentProfile->Name, exitReason, *TheMap);
  }
  TESSEL_TRACE("OnlineServices::WriteStatsLevel")
}

void OnlineServices::CloseStatsSession() { Session.Close(); }

bool OnlineServices::BuildStatsPage(const String& userFolder, const String& gameFolder) {
  if (!Settings.StatsPageAtExit) return false;
  return Page.Build(userFolder, gameFolder);
}

bool OnlineServices::PostScores(const PlayerProfile* CurrentProfile, const GameRecords& records) {
  return Poster.PostScores(CurrentProfile, records);
}

}  // namespace Corvanta
