#pragma once
// The three rules files the game reads at start, in their order: the
// balance settings, the level progression and the props.
//
// Load reads all three from a data folder and returns them or throws;
// Install then makes them the process-wide rules at once, so the game never
// runs with new balance values beside an old level list.

#include "game/rules/Balance.h"
#include "game/rules/LevelProgression.h"
#include "game/rules/PropCatalogue.h"
#include "tessel/Strings.h"

namespace Corvanta {

struct GameRules {
  Balance Settings;
  LevelProgression Levels;
  PropCatalogue Props;

  // dataFolder is the folder holding "BalanceSettings.xml", "Props.xml" and
  // "levels/LevelProgression.xml" ("./data" in the game).
  static GameRules Load(const Tessel::String& dataFolder, const Tessel::LocalizedText& texts);

  // Installs the three as Balance::Current(), LevelProgression::Current()
  // and PropCatalogue::Current().
  void Install() &&;
};

// Back to the state before anything was installed (for tests and runners).
void ResetGameRules();

Tessel::String GetBalancePath(const Tessel::String& dataFolder);
Tessel::String GetLevelProgressionPath(const Tessel::String& dataFolder);
Tessel::String GetPropsPath(const Tessel::String& dataFolder);

}  // namespace Corvanta
