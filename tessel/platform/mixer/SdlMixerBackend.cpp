#include "tessel/platform/mixer/SdlMixerBackend.h"

#include <SDL.h>
#include <dlfcn.h>
#include <SDL_mixer.h>

#include "tessel/Format.h"
#include "tessel/Log.h"
#include "tessel/audio/NullAudioBackend.h"

namespace Tessel {

namespace {

// Handles: the kind in the top four bits; for channels the mixer channel in
// the low byte and its generation above it, so a taken-over playback's old
// handle no longer matches.
constexpr uint32_t KindSample = 1u << 28, KindChannel = 2u << 28, KindMusic = 3u << 28;
constexpr uint32_t KindMask = 0xFu << 28;

// Three volumes of 0..100 multiplied into the mixer's 0..128.
int MixVolume(int a, int b, int c) {
  long long v = 1LL * a * b * c * MIX_MAX_VOLUME / 1000000LL;
  return v < 0 ? 0 : v > MIX_MAX_VOLUME ? MIX_MAX_VOLUME : static_cast<int>(v);
}

int Clamp100(int v) { return v < 0 ? 0 : v > 100 ? 100 : v; }

// On a machine without a sound card ALSA writes its own errors to the
// terminal while SDL looks for a device; the reason we log is enough.
extern "C" void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

void QuietenAlsa() {
  using ErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
  void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_NOLOAD);
  if (!alsa) alsa = dlopen("libasound.so.2", RTLD_LAZY);
  if (!alsa) return;
  auto setHandler = reinterpret_cast<int (*)(ErrorHandler)>(dlsym(alsa, "snd_lib_error_set_handler"));
  if (setHandler) setHandler(IgnoreAlsaError);
}

}  // namespace

SdlMixerBackend::SdlMixerBackend() {
  QuietenAlsa();
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    Error = Format("the audio system could not start (%s)", SDL_GetError());
    return;
  }
  Mix_Init(MIX_INIT_OGG | MIX_INIT_MOD);
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    Error = Format("no audio device could be opened (%s)", Mix_GetError());
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  Mix_AllocateChannels(NumMixerChannels);
  Opened = true;
}

SdlMixerBackend::~SdlMixerBackend() {
  if (!Opened) return;
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  for (SampleSlot& s : Samples)
    if (s.Chunk) Mix_FreeChunk(s.Chunk);
  for (MusicSlot& m : Tracks)
    if (m.Track) Mix_FreeMusic(m.Track);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlMixerBackend::PauseOutput() {
  IsPaused = true;
  if (!Opened) return;
  Mix_Pause(-1);
  Mix_PauseMusic();
}

void SdlMixerBackend::StartOutput() {
  IsPaused = false;
  if (!Opened) return;
  Mix_Resume(-1);
  Mix_ResumeMusic();
}

void SdlMixerBackend::SetMasterVolume(int volume) {
  Master = Clamp100(volume);
  for (int i = 0; i < NumMixerChannels; ++i) ApplyChannelVolume(i);
  ApplyMusicVolume();
}

void SdlMixerBackend::SetSampleVolume(int volume) {
  SampleVolume = Clamp100(volume);
  for (int i = 0; i < NumMixerChannels; ++i) ApplyChannelVolume(i);
}

void SdlMixerBackend::SetStreamVolume(int volume) {
  StreamVolume = Clamp100(volume);
  ApplyMusicVolume();
}

void SdlMixerBackend::SetModuleVolume(int volume) {
  ModuleVolume = Clamp100(volume);
  ApplyMusicVolume();
}

AudioHandle SdlMixerBackend::LoadSample(const String& path, int maxPlaybacks) {
  if (!Opened) return 0;
  Mix_Chunk* chunk = Mix_LoadWAV(path.CStr());
  if (!chunk) return 0;
  Samples.push_back(SampleSlot{chunk, maxPlaybacks < 1 ? 1 : maxPlaybacks});
  return KindSample | static_cast<uint32_t>(Samples.size() - 1);
}

void SdlMixerBackend::FreeSample(AudioHandle sample) {
  if ((sample & KindMask) != KindSample) return;
  size_t index = sample & ~KindMask;
  if (index >= Samples.size() || !Samples[index].Chunk) return;
  for (int i = 0; i < NumMixerChannels; ++i) {
    if (Channels[i].Sample == static_cast<int>(index)) {
      Mix_HaltChannel(i);
      Channels[i].Sample = -1;
      Channels[i].IsStopped = true;
      ++Channels[i].Generation;
    }
  }
  Mix_FreeChunk(Samples[index].Chunk);
  Samples[index].Chunk = nullptr;
}

bool SdlMixerBackend::IsChannelBusy(int index) const {
  const MixerChannel& c = Channels[index];
  if (c.Sample < 0) return false;
  if (Mix_Playing(index) || Mix_Paused(index)) return true;
  // Handed out but not started yet: its owner may still play it.
  return !c.IsStopped && c.StartedAt == 0;
}

AudioHandle SdlMixerBackend::GetSampleChannel(AudioHandle sample) {
  if (!Opened || (sample & KindMask) != KindSample) return 0;
  int index = static_cast<int>(sample & ~KindMask);
  if (index >= static_cast<int>(Samples.size()) || !Samples[static_cast<size_t>(index)].Chunk) return 0;

  int busy = 0, oldest = -1, free = -1;
  for (int i = 0; i < NumMixerChannels; ++i) {
    if (Channels[i].Sample == index && IsChannelBusy(i)) {
      ++busy;
      if (oldest < 0 || Channels[i].StartedAt < Channels[oldest].StartedAt) oldest = i;
    } else if (free < 0 && !IsChannelBusy(i)) {
      free = i;
    }
  }
  int chosen = busy >= Samples[static_cast<size_t>(index)].MaxPlaybacks ? oldest : free;
  if (chosen < 0) return 0;
  Mix_HaltChannel(chosen);
  MixerChannel& c = Channels[chosen];
  ++c.Generation;
  c.Sample = index;
  c.Volume = 100;
  c.Loop = false;
  c.StartedAt = 0;
  c.IsStopped = false;
  return KindChannel | (c.Generation & 0xFFFFF) << 8 | static_cast<uint32_t>(chosen);
}

SdlMixerBackend::MixerChannel* SdlMixerBackend::FindChannel(AudioHandle handle, int& index) {
  if ((handle & KindMask) != KindChannel) return nullptr;
  index = static_cast<int>(handle & 0xFF);
  if (index >= NumMixerChannels) return nullptr;
  MixerChannel& c = Channels[index];
  if (((handle >> 8) & 0xFFFFF) != (c.Generation & 0xFFFFF) || c.Sample < 0) return nullptr;
  return &c;
}

AudioHandle SdlMixerBackend::LoadMusic(const String& path) {
  if (!Opened) return 0;
  Mix_Music* track = Mix_LoadMUS(path.CStr());
  if (!track) return 0;
  Mix_MusicType type = Mix_GetMusicType(track);
  Tracks.push_back(MusicSlot{track, type == MUS_MOD, 100, true});
  return KindMusic | static_cast<uint32_t>(Tracks.size() - 1);
}

SdlMixerBackend::MusicSlot* SdlMixerBackend::FindMusic(AudioHandle handle) {
  if ((handle & KindMask) != KindMusic) return nullptr;
  size_t index = handle & ~KindMask;
  return index < Tracks.size() && Tracks[index].Track ? &Tracks[index] : nullptr;
}

void SdlMixerBackend::FreeMusic(AudioHandle music) {
  MusicSlot* slot = FindMusic(music);
  if (!slot) return;
  if (PlayingMusic == static_cast<int>(music & ~KindMask)) {
    Mix_HaltMusic();
    PlayingMusic = -1;
  }
  Mix_FreeMusic(slot->Track);
  slot->Track = nullptr;
}

bool SdlMixerBackend::IsModule(AudioHandle music) {
  MusicSlot* slot = FindMusic(music);
  return slot && slot->IsModule;
}

AudioPlayResult SdlMixerBackend::Play(AudioHandle handle, bool restart) {
  if (!Opened) return AUDIOPLAY_Failed;
  if (MusicSlot* slot = FindMusic(handle)) {
    if (IsPaused) return AUDIOPLAY_OutputNotStarted;
    int index = static_cast<int>(handle & ~KindMask);
    if (PlayingMusic == index && Mix_PlayingMusic() && !restart) return AUDIOPLAY_Ok;
    if (Mix_PlayMusic(slot->Track, slot->Loop ? -1 : 1) != 0) return AUDIOPLAY_Failed;
    PlayingMusic = index;
    ApplyMusicVolume();
    return AUDIOPLAY_Ok;
  }
  int index;
  MixerChannel* c = FindChannel(handle, index);
  if (!c) return AUDIOPLAY_Failed;
  if (IsPaused) return AUDIOPLAY_OutputNotStarted;
  if (Mix_Playing(index) && !restart) return AUDIOPLAY_Ok;
  ApplyChannelVolume(index);
  if (Mix_PlayChannel(index, Samples[static_cast<size_t>(c->Sample)].Chunk, c->Loop ? -1 : 0) < 0)
    return AUDIOPLAY_Failed;
  c->StartedAt = ++PlayCounter;
  c->IsStopped = false;
  return AUDIOPLAY_Ok;
}

void SdlMixerBackend::Stop(AudioHandle handle) {
  if (!Opened) return;
  if (FindMusic(handle)) {
    if (PlayingMusic == static_cast<int>(handle & ~KindMask)) {
      Mix_HaltMusic();
      PlayingMusic = -1;
    }
    return;
  }
  int index;
  if (MixerChannel* c = FindChannel(handle, index)) {
    Mix_HaltChannel(index);
    c->IsStopped = true;
  }
}

void SdlMixerBackend::SetVolume(AudioHandle handle, int volume) {
  if (MusicSlot* slot = FindMusic(handle)) {
    slot->Volume = Clamp100(volume);
    ApplyMusicVolume();
    return;
  }
  int index;
  if (MixerChannel* c = FindChannel(handle, index)) {
    c->Volume = Clamp100(volume);
    ApplyChannelVolume(index);
  }
}

void SdlMixerBackend::SetLoop(AudioHandle handle, bool loop) {
  if (MusicSlot* slot = FindMusic(handle)) {
    slot->Loop = loop;
    return;
  }
  int index;
  if (MixerChannel* c = FindChannel(handle, index)) c->Loop = loop;
}

void SdlMixerBackend::SetPosition(AudioHandle handle, int position) {
  MusicSlot* slot = FindMusic(handle);
  if (slot && slot->IsModule && PlayingMusic == static_cast<int>(handle & ~KindMask))
    Mix_SetMusicPosition(static_cast<double>(position));
}

AudioChannelState SdlMixerBackend::GetState(AudioHandle handle) {
  if (!Opened) return AUDIOCHANNEL_Stopped;
  if (FindMusic(handle)) {
    if (PlayingMusic != static_cast<int>(handle & ~KindMask)) return AUDIOCHANNEL_Stopped;
    if (Mix_PausedMusic()) return AUDIOCHANNEL_Paused;
    return Mix_PlayingMusic() ? AUDIOCHANNEL_Playing : AUDIOCHANNEL_Stopped;
  }
  int index;
  MixerChannel* c = FindChannel(handle, index);
  if (!c || c->IsStopped || c->StartedAt == 0) return AUDIOCHANNEL_Stopped;
  if (Mix_Paused(index)) return AUDIOCHANNEL_Paused;
  return Mix_Playing(index) ? AUDIOCHANNEL_Playing : AUDIOCHANNEL_Stopped;
}

void SdlMixerBackend::ApplyChannelVolume(int index) {
  if (!Opened) return;
  Mix_Volume(index, MixVolume(Channels[index].Volume, SampleVolume, Master));
}

void SdlMixerBackend::ApplyMusicVolume() {
  if (!Opened || PlayingMusic < 0) return;
  const MusicSlot& slot = Tracks[static_cast<size_t>(PlayingMusic)];
  Mix_VolumeMusic(MixVolume(slot.Volume, slot.IsModule ? ModuleVolume : StreamVolume, Master));
}

std::shared_ptr<AudioBackend> OpenAudioBackend() {
  auto mixer = std::make_shared<SdlMixerBackend>();
  if (mixer->IsOpen()) return mixer;
  PrintLog("Audio: %s; the game goes on without sound\n", mixer->GetError());
  return std::make_shared<NullAudioBackend>();
}

}  // namespace Tessel
