#pragma once
// GlobalTopScores: the page of the best results of all players, on the web
// at the product settings' address, opened in the browser. The top scores
// screen offers its button only while IsAvailable(); on a successful Open
// the game minimises its window to let the browser be seen.

namespace Tessel {
class ShellOpener;
}

namespace Corvanta {

struct OnlineSettings;

class GlobalTopScores {
public:
  GlobalTopScores(const OnlineSettings& settings, Tessel::ShellOpener& opener);

  // An "http://" or "https://" address is set.
  bool IsAvailable() const;
  // False (logged) without a usable address or when the browser could not
  // be started.
  bool Open();

private:
  const OnlineSettings& Settings;
  Tessel::ShellOpener& Opener;
};

}  // namespace Corvanta
