#pragma once
// MapPresenter: what the town shows and plays for the player, kept behind
// one small interface so that the simulation runs headless: with no
// presenter (the default) a map shows and plays nothing. The game's HUD,
// clouds, dialogs, effects and sounds implement it; tests record it.

#include "game/rules/BuildingKind.h"
#include "tessel/Strings.h"

namespace Corvanta {

class Building;

class MapPresenter {
public:
  virtual ~MapPresenter() = default;

  // A sound by its file name in the data folder ("sounds/invalidAction.ogg").
  virtual void PlaySound(const char* soundName) {}
  // A sound the map controls while it plays (the ambient sound once, the
  // work sounds looped), at full volume: a handle above 0, or 0 when none
  // plays. The map stops every sound it started before it goes.
  virtual int StartSound(const char* soundName, bool loop) { return 0; }
  virtual void SetSoundVolume(int handle, float volume) {}
  virtual void StopSound(int handle) {}
  virtual bool IsSoundPlaying(int handle) { return false; }
  // The victory music, and the background music's volume under it (0..1).
  virtual void StartVictoryMusic() {}
  virtual bool IsVictoryMusicPlaying() { return false; }
  virtual void SetMusicVolumeFactor(float factor) {}
  // The assistant says the text of the key ("AssistantHint.InvalidRoad1").
  virtual void ShowHint(const char* textKey) {}
  // Money that the player received or paid, floating over the building.
  virtual void ShowMoneyPopup(Building* building, int amount) {}
  // The bank account changed by the amount (the HUD's money counter).
  virtual void MoneyTransferred(int amount) {}
  // An explosion at a map pixel, scaled.
  virtual void StartExplosion(float x, float y, float scale) {}

  // The building's information cloud opens or closes; its rows changed.
  virtual void ShowInfoCloud(Building* building, bool shown) {}
  virtual void RefreshInfoCloud(Building* building) {}
  // The building's menu was built, rebuilt or removed (Building::MenuButtons).
  virtual void MenuChanged(Building* building) {}
  // The information tool's building window, and the sale dialog.
  virtual void OpenInfoDialog(Building* building) {}
  // Closes the window only if it shows this building.
  virtual void CloseInfoDialog(Building* building) {}
  virtual void OpenSaleDialog(Building* building) {}
  virtual void CloseSaleDialog(Building* building) {}

  // Fireworks over a house whose construction just ended.
  virtual void StartFireworks(Building* building) {}
  // A special ability's effect on the building, for that many seconds.
  virtual void ShowAbilityEffect(Building* building, float duration) {}
  // The level starts: the HUD is refreshed and a fade-in covers the window.
  virtual void LevelStarted() {}
  // The start delay is over: the player's input is taken again.
  virtual void StartDelayEnded() {}
  // The introduction dialog of a kind newly available at this career
  // level; true when it shows, and then Map::ShowNextUnlockedKind follows
  // when it closes. False (nothing to show) moves on at once.
  virtual bool IntroduceUnlockedKind(BuildingKind kind) { return false; }
  // Every goal is met: input is blocked, an open HUD page closes and the
  // goals-completed dialog opens.
  virtual void ShowVictory() {}

  // The town's best house stands: in a career the game awards its trophy
  // (once per profile). Told again whenever the house qualifies anew.
  virtual void ReportBestHouse(Building* house) {}
};

// The sounds of the town, by their catalogue names.
namespace TownSounds {
constexpr const char* Error = "sounds/invalidAction.ogg";
constexpr const char* BuildingPlaced = "sounds/buildingPlaced.ogg";
constexpr const char* RoadPlaced = "sounds/roadPlaced.ogg";
constexpr const char* RoadDemolished = "sounds/roadDemolished.ogg";
constexpr const char* Demolition = "sounds/demolishLaunch.ogg";
constexpr const char* Select = "sounds/buildingSelect.ogg";
constexpr const char* Cancel = "sounds/jobCanceled.ogg";
constexpr const char* ForSale = "sounds/forSale.ogg";
constexpr const char* Coin = "sounds/houseBought.ogg";
constexpr const char* JobStart = "sounds/jobStart.ogg";
constexpr const char* PayDay = "sounds/rent.ogg";
constexpr const char* GoalChecked = "sounds/goalChecked.ogg";
constexpr const char* GoalUnchecked = "sounds/goalUnchecked.ogg";
constexpr const char* Construction = "sounds/construction.ogg";  // looped while work runs
constexpr const char* Demolishing = "sounds/demolish.ogg";       // looped while a demolition runs
constexpr const char* AmbientForest = "sounds/ambientForest.ogg";
constexpr const char* AmbientSnow = "sounds/ambientSnow.ogg";
constexpr const char* AmbientTropics = "sounds/ambientTropics.ogg";
}  // namespace TownSounds

}  // namespace Corvanta
