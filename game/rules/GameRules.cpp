#include "game/rules/GameRules.h"

namespace Corvanta {

using namespace Tessel;

namespace {

String InFolder(const String& folder, const char* file) {
  if (folder.IsEmpty()) return String(file);
  char last = folder[folder.GetLength() - 1];
  return last == '/' || last == '\\' ? folder + file : folder + "/" + file;
}

}  // namespace

String GetBalancePath(const String& dataFolder) { return InFolder(dataFolder, "BalanceSettings.xml"); }
String GetLevelProgressionPath(const String& dataFolder) { return InFolder(dataFolder, "levels/LevelProgression.xml"); }
String GetPropsPath(const String& dataFolder) { return InFolder(dataFolder, "Props.xml"); }

GameRules GameRules::Load(const String& dataFolder, const LocalizedText& texts) {
  GameRules rules;
  rules.Settings = Balance::Load(GetBalancePath(dataFolder));
  rules.Levels = LevelProgression::Load(GetLevelProgressionPath(dataFolder), texts);
  rules.Props = PropCatalogue::Load(GetPropsPath(dataFolder));
  return rules;
}

void GameRules::Install() && {
  Balance::Install(std::move(Settings));
  LevelProgression::Install(std::move(Levels));
  PropCatalogue::Install(std::move(Props));
}

void ResetGameRules() {
  Balance::Reset();
  LevelProgression::Reset();
  PropCatalogue::Reset();
}

}  // namespace Corvanta
