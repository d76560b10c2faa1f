#pragma once
// AudioEngine: the game's audio rules over any AudioBackend.
//
// Samples and music load on first play and stay cached by resource until the
// resource goes (a failed load is cached too, so its error is logged once).
// Music changes by a sequential cross-fade: the current track fades to
// silence, then the next starts at the overshoot and fades in. Music that
// cannot start because output is paused waits and starts in a later Update.

#include <memory>
#include <unordered_map>

#include "tessel/Strings.h"
#include "tessel/audio/AudioBackend.h"
#include "tessel/audio/AudioInterface.h"
#include "tessel/resources/ResourceBase.h"

namespace Tessel {

class AudioEngine : public AudioInterface, public ResourceListener {
public:
  // baseFolder is prefixed to resource names (ends with "/").
  AudioEngine(std::shared_ptr<AudioBackend> backend, const String& baseFolder);
  ~AudioEngine() override;

  void Pause() override;
  void Resume() override;
  void Update(float dt) override;
  float GetMasterVolume() override;
  void SetMasterVolume(float volume) override;
  float GetMusicVolume() override;
  void SetMusicVolume(float volume) override;
  void PlayMusic(Music* music, float fadeTime, int startPosition) override;
  float GetSoundVolume() override;
  void SetSoundVolume(float volume) override;
  void PlaySound(Sound* sound) override;
  SoundChannel* CreateSoundChannel(Sound* sound) override;
  void ReleaseAll() override;

  void OnResourceDestroyed(ResourceBase* resource) override;
  void OnResourceChanged(ResourceBase* resource) override;

  void SetBaseFolder(const String& folder) { BaseFolder = folder; }
  AudioBackend& GetBackend() { return *Backend; }

  enum MusicState { MUSIC_Idle = 0, MUSIC_Playing = 1, MUSIC_FadingOut = 2, MUSIC_FadingIn = 3 };
  int GetMusicState() const { return State; }
  float GetMusicFadeVolume() const { return FadeVolume; }

private:
  struct Cached {
    ResourceBase* Resource = nullptr;
    AudioHandle Handle = 0;
    bool IsSound = false;
  };

  Cached* FindOrLoad(ResourceBase* resource);
  void Load(Cached& cached);
  void Unload(Cached& cached);
  void ApplyFadeVolume();
  // Starts the pending music at the fade volume; false when output is paused
  // (the music stays pending).
  bool StartPending(bool setPositionAndVolume);

  std::shared_ptr<AudioBackend> Backend;
  String BaseFolder;
  std::unordered_map<ResourceBase*, Cached> Cache;

  int State = MUSIC_Idle;
  AudioHandle Current = 0;
  AudioHandle Pending = 0;
  int PendingPosition = 0;
  float FadeVolume = 0;  // 0..100
  float FadeSpeed = 0;   // volume units per second
};

// Volumes towards a backend: round(x * 100), halves away from zero, in 0..100.
int ToBackendVolume(float volume);

}  // namespace Tessel
