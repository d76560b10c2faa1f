#include "tessel/audio/AudioEngine.h"

#include <cmath>

#include "tessel/Log.h"
#include "tessel/resources/AudioResources.h"
#include "tessel/resources/ContentPaths.h"

namespace Tessel {

int ToBackendVolume(float volume) {
  float scaled = std::round(volume * 100.0f);
  if (!(scaled > 0)) return 0;
  return scaled >= 100 ? 100 : static_cast<int>(scaled);
}

namespace {

class EngineSoundChannel : public SoundChannel {
public:
  EngineSoundChannel(std::shared_ptr<AudioBackend> backend, AudioHandle handle, float baseVolume)
      : Backend(std::move(backend)), Handle(handle), BaseVolume(baseVolume) {}
  ~EngineSoundChannel() override { Stop(); }

  void Play(bool loop, bool restart) override {
    if (!Handle) return;
    Backend->SetLoop(Handle, loop);
    // The channel's own factor stays in force across plays.
    Backend->SetVolume(Handle, ToBackendVolume(Factor * BaseVolume));
    Backend->Play(Handle, restart);
  }
  void Stop() override {
    if (Handle) Backend->Stop(Handle);
  }
  float GetVolume() override { return Factor; }
  void SetVolume(float volume) override {
    Factor = volume;
    if (Handle) Backend->SetVolume(Handle, ToBackendVolume(volume * BaseVolume));
  }
  bool IsFinished() override { return Handle && Backend->GetState(Handle) == AUDIOCHANNEL_Stopped; }

private:
  std::shared_ptr<AudioBackend> Backend;
  AudioHandle Handle;
  float BaseVolume;
  float Factor = 1.0f;
};

}  // namespace

AudioEngine::AudioEngine(std::shared_ptr<AudioBackend> backend, const String& baseFolder)
    : Backend(std::move(backend)), BaseFolder(baseFolder) {}

AudioEngine::~AudioEngine() { ReleaseAll(); }

void AudioEngine::Pause() { Backend->PauseOutput(); }
void AudioEngine::Resume() { Backend->StartOutput(); }

float AudioEngine::GetMasterVolume() { return Backend->GetMasterVolume() / 100.0f; }
void AudioEngine::SetMasterVolume(float volume) { Backend->SetMasterVolume(ToBackendVolume(volume)); }
float AudioEngine::GetMusicVolume() { return Backend->GetModuleVolume() / 100.0f; }
void AudioEngine::SetMusicVolume(float volume) {
  Backend->SetModuleVolume(ToBackendVolume(volume));
  Backend->SetStreamVolume(ToBackendVolume(volume));
}
float AudioEngine::GetSoundVolume() { return Backend->GetSampleVolume() / 100.0f; }
void AudioEngine::SetSoundVolume(float volume) { Backend->SetSampleVolume(ToBackendVolume(volume)); }

AudioEngine::Cached* AudioEngine::FindOrLoad(ResourceBase* resource) {
  if (!resource || !(IsKindOf<Sound>(resource) || IsKindOf<Music>(resource))) return nullptr;
  auto found = Cache.find(resource);
  if (found != Cache.end()) return &found->second;
  Cached& cached = Cache[resource];
  cached.Resource = resource;
  cached.IsSound = IsKindOf<Sound>(resource);
  resource->Listener = this;
  Load(cached);
  return &cached;
}

void AudioEngine::Load(Cached& cached) {
  cached.Handle = 0;
  if (cached.Resource->Name.IsEmpty()) return;
  String path = BaseFolder + cached.Resource->Name;
  String resolved = ResolveContentPath(path);
  if (!resolved.IsEmpty()) path = resolved;
  if (cached.IsSound) {
    int count = static_cast<Sound*>(cached.Resource)->ChannelCount;
    count = count < 1 ? 1 : count > 65535 ? 65535 : count;
    cached.Handle = Backend->LoadSample(path, count);
    if (!cached.Handle) PrintLog("error: '%s': can't open as sound file.\n", path);
  } else {
    cached.Handle = Backend->LoadMusic(path);
    if (!cached.Handle) PrintLog("error: '%s': can't open as music file.\n", path);
  }
}

void AudioEngine::Unload(Cached& cached) {
  if (!cached.Handle) return;
  if (cached.IsSound) {
    Backend->FreeSample(cached.Handle);
  } else {
    // The music being played or waiting goes with it.
    if (cached.Handle == Current) {
      Backend->Stop(Current);
      Current = 0;
      State = MUSIC_Idle;
      FadeVolume = FadeSpeed = 0;
    }
    if (cached.Handle == Pending) Pending = 0;
    Backend->FreeMusic(cached.Handle);
  }
  cached.Handle = 0;
}

void AudioEngine::ReleaseAll() {
  for (auto& entry : Cache) {
    Unload(entry.second);
    entry.first->Listener = nullptr;
  }
  Cache.clear();
  Current = Pending = 0;
  State = MUSIC_Idle;
}

void AudioEngine::OnResourceDestroyed(ResourceBase* resource) {
  auto found = Cache.find(resource);
  if (found == Cache.end()) return;
  Unload(found->second);
  resource->Listener = nullptr;
  Cache.erase(found);
}

void AudioEngine::OnResourceChanged(ResourceBase* resource) {
  auto found = Cache.find(resource);
  if (found == Cache.end()) return;
  Unload(found->second);
  Load(found->second);
}

void AudioEngine::PlaySound(Sound* sound) {
  Cached* cached = FindOrLoad(sound);
  if (!cached || !cached->Handle || !cached->IsSound) return;
  AudioHandle channel = Backend->GetSampleChannel(cached->Handle);
  if (!channel) return;
  Backend->SetVolume(channel, ToBackendVolume(sound->Volume));
  Backend->Play(channel, true);
}

SoundChannel* AudioEngine::CreateSoundChannel(Sound* sound) {
  Cached* cached = FindOrLoad(sound);
  if (!cached || !cached->Handle || !cached->IsSound) return nullptr;
  AudioHandle channel = Backend->GetSampleChannel(cached->Handle);
  if (!channel) return nullptr;
  return new EngineSoundChannel(Backend, channel, sound->Volume);
}

void AudioEngine::ApplyFadeVolume() {
  if (Current) Backend->SetVolume(Current, ToBackendVolume(FadeVolume / 100.0f));
}

bool AudioEngine::StartPending(bool setPositionAndVolume) {
  Current = Pending;
  Pending = 0;
  if (setPositionAndVolume) {
    if (PendingPosition > 0) Backend->SetPosition(Current, PendingPosition);
    ApplyFadeVolume();
  }
  if (Backend->Play(Current, false) == AUDIOPLAY_OutputNotStarted) {
    Pending = Current;
    Current = 0;
    State = MUSIC_Idle;
    return false;
  }
  return true;
}

void AudioEngine::PlayMusic(Music* music, float fadeTime, int startPosition) {
  Pending = 0;
  PendingPosition = 0;
  FadeSpeed = fadeTime > 0 ? 100.0f / fadeTime : 0.0f;
  if (music) {
    Cached* cached = FindOrLoad(music);
    if (cached && cached->Handle && !cached->IsSound) {
      Pending = cached->Handle;
      if (startPosition > 0 && Backend->IsModule(Pending)) PendingPosition = startPosition & 0xFFFF;
    }
  }
  if (State == MUSIC_Idle || !Current) {
    if (!Pending) return;
    bool fade = fadeTime > 0;
    State = fade ? MUSIC_FadingIn : MUSIC_Playing;
    FadeVolume = fade ? 0.0f : 100.0f;
    StartPending(true);
    return;
  }
  if (fadeTime > 0) {
    State = MUSIC_FadingOut;  // the pending music follows
    return;
  }
  Backend->Stop(Current);
  Current = 0;
  if (!Pending) {
    State = MUSIC_Idle;
    FadeVolume = 0;
    return;
  }
  FadeVolume = 100;
  State = MUSIC_Playing;
  StartPending(true);
}

void AudioEngine::Update(float dt) {
  switch (State) {
    case MUSIC_Idle:
      if (Pending) {
        // Output was paused when this music was asked for.
        if (StartPending(false)) State = MUSIC_FadingIn;
      }
      break;
    case MUSIC_FadingOut:
      FadeVolume -= dt * FadeSpeed;
      if (FadeVolume > 0) {
        ApplyFadeVolume();
        break;
      }
      Backend->Stop(Current);
      Current = 0;
      if (!Pending) {
        State = MUSIC_Idle;
        FadeVolume = FadeSpeed = 0;
        break;
      }
      FadeVolume = -FadeVolume;  // the overshoot
      if (StartPending(true)) State = MUSIC_FadingIn;
      break;
    case MUSIC_FadingIn:
      FadeVolume += dt * FadeSpeed;
      if (FadeVolume < 100) {
        ApplyFadeVolume();
      } else {
        FadeVolume = 100;
        ApplyFadeVolume();
        State = MUSIC_Playing;
      }
      break;
    default:
      break;
  }
}

}  // namespace Tessel
