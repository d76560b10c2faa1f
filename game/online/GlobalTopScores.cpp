#include "game/online/GlobalTopScores.h"

#include "game/online/OnlineSettings.h"
#include "tessel/Log.h"
#include "tessel/app/ShellOpener.h"

namespace Corvanta {

using namespace Tessel;

GlobalTopScores::GlobalTopScores(const OnlineSettings& settings, ShellOpener& opener)
    : Settings(settings), Opener(opener) {}

bool GlobalTopScores::IsAvailable() const { return IsWebAddress(Settings.GlobalTopScoresUrl.View()); }

bool GlobalTopScores::Open() {
  if (!IsAvailable()) {
    PrintLog("error: no usable address of the global top scores: '%s'\n", Settings.GlobalTopScoresUrl);
    return false;
  }
  return Opener.Open(Settings.GlobalTopScoresUrl);
}

}  // namespace Corvanta
