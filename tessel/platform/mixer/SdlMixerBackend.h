#pragma once
// SdlMixerBackend: sound through SDL2_mixer. Samples play on a pool of mixer
// channels, music (Ogg Vorbis streams or tracker modules) on the mixer's one
// music channel. Volumes combine as the game expects: a playback's own
// volume times the volume of its kind (samples, streams, modules) times the
// master volume.

#include <memory>
#include <vector>

#include "tessel/audio/AudioBackend.h"

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace Tessel {

class SdlMixerBackend : public AudioBackend {
public:
  static constexpr int NumMixerChannels = 48;

  // Opens the audio device; on failure the reason is in Error and nothing plays.
  SdlMixerBackend();
  ~SdlMixerBackend() override;
  bool IsOpen() const { return Opened; }
  const String& GetError() const { return Error; }

  void PauseOutput() override;
  void StartOutput() override;
  int GetMasterVolume() override { return Master; }
  void SetMasterVolume(int volume) override;
  int GetSampleVolume() override { return SampleVolume; }
  void SetSampleVolume(int volume) override;
  int GetStreamVolume() override { return StreamVolume; }
  void SetStreamVolume(int volume) override;
  int GetModuleVolume() override { return ModuleVolume; }
  void SetModuleVolume(int volume) override;
  AudioHandle LoadSample(const String& path, int maxPlaybacks) override;
  void FreeSample(AudioHandle sample) override;
  AudioHandle GetSampleChannel(AudioHandle sample) override;
  AudioHandle LoadMusic(const String& path) override;
  void FreeMusic(AudioHandle music) override;
  bool IsModule(AudioHandle music) override;
  AudioPlayResult Play(AudioHandle channel, bool restart) override;
  void Stop(AudioHandle channel) override;
  void SetVolume(AudioHandle channel, int volume) override;
  void SetLoop(AudioHandle channel, bool loop) override;
  void SetPosition(AudioHandle channel, int position) override;
  AudioChannelState GetState(AudioHandle channel) override;

private:
  struct SampleSlot {
    Mix_Chunk* Chunk = nullptr;
    int MaxPlaybacks = 1;
  };
  struct MixerChannel {
    uint32_t Generation = 0;   // changes whenever the channel gets a new playback
    int Sample = -1;           // index into Samples, -1: free
    int Volume = 100;
    bool Loop = false;
    uint64_t StartedAt = 0;
    bool IsStopped = true;
  };
  struct MusicSlot {
    Mix_Music* Track = nullptr;
    bool IsModule = false;
    int Volume = 100;
    bool Loop = true;
  };

  MixerChannel* FindChannel(AudioHandle handle, int& index);
  MusicSlot* FindMusic(AudioHandle handle);
  void ApplyChannelVolume(int index);
  void ApplyMusicVolume();
  bool IsChannelBusy(int index) const;

  bool Opened = false;
  String Error;
  bool IsPaused = false;
  int Master = 100, SampleVolume = 100, StreamVolume = 100, ModuleVolume = 100;
  std::vector<SampleSlot> Samples;
  std::vector<MusicSlot> Tracks;
  MixerChannel Channels[NumMixerChannels];
  int PlayingMusic = -1;  // index into Tracks
  uint64_t PlayCounter = 0;
};

// The game's audio backend: the mixer when a device opens, otherwise silence
// (the log says why).
std::shared_ptr<AudioBackend> OpenAudioBackend();

}  // namespace Tessel
