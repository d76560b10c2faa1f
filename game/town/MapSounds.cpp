// Map: the sounds of the town itself: the season's ambient sound now and
// then, the construction and demolition loops while work runs, and the
// background music drawn back under the victory music.

#include <algorithm>

#include "game/rules/LevelFile.h"
#include "game/town/Map.h"
#include "game/town/MapPresenter.h"
#include "tessel/Random.h"

using namespace Tessel;

namespace Corvanta {

namespace {

const char* GetAmbientSound(int decor) {
  switch (decor) {
    case DECOR_Snow: return TownSounds::AmbientSnow;
    case DECOR_Tropic: return TownSounds::AmbientTropics;
    default: return TownSounds::AmbientForest;
  }
}

}  // namespace

void Map::UpdateSounds(float dt) {
  if (!Started) return;
  UpdateAmbientSound();
  UpdateVictoryMusic(dt);
  bool running = !IsGamePaused();
  UpdateLoop(WorkSound, WorkVolume, TownSounds::Construction, running && WorkCount > 0, dt);
  UpdateLoop(DemolishSound, DemolishVolume, TownSounds::Demolishing, running && DemolishCount > 0, dt);
}

void Map::UpdateAmbientSound() {
  MapPresenter& presenter = GetPresenter();
  if (AmbientSound != 0) {
    if (presenter.IsSoundPlaying(AmbientSound)) return;
    AmbientSound = 0;
    NextAmbientTime = GameTime + RandRange(15, 45);
    return;
  }
  if (NextAmbientTime < 0 || GameTime < NextAmbientTime) return;
  AmbientSound = presenter.StartSound(GetAmbientSound(DecorSetting), false);
  // A sound that could not play counts as played.
  if (AmbientSound == 0) NextAmbientTime = GameTime + RandRange(15, 45);
}

void Map::UpdateVictoryMusic(float dt) {
  if (!VictoryMusicStarted) return;
  MapPresenter& presenter = GetPresenter();
  bool playing = presenter.IsVictoryMusicPlaying();
  float factor = playing ? std::max(0.25f, MusicVolumeFactor - dt) : std::min(1.0f, MusicVolumeFactor + dt);
  if (factor != MusicVolumeFactor) {
    MusicVolumeFactor = factor;
    presenter.SetMusicVolumeFactor(factor);
  }
  if (!playing && factor >= 1) VictoryMusicStarted = false;
}

void Map::UpdateLoop(int& handle, float& volume, const char* soundName, bool working, float dt) {
  MapPresenter& presenter = GetPresenter();
  if (working) {
    if (handle == 0) {
      volume = 0;
      handle = presenter.StartSound(soundName, true);
      if (handle == 0) return;
    }
    volume = std::min(1.0f, volume + 0.5f * dt);
    presenter.SetSoundVolume(handle, volume);
  } else if (handle != 0) {
    volume = std::max(0.0f, volume - dt);
    if (volume > 0) {
      presenter.SetSoundVolume(handle, volume);
      return;
    }
    presenter.StopSound(handle);
    handle = 0;
  }
}

void Map::StopSounds() {
  for (int* handle : {&AmbientSound, &WorkSound, &DemolishSound}) {
    if (*handle != 0) GetPresenter().StopSound(*handle);
    *handle = 0;
  }
}

}  // namespace Corvanta
