#pragma once
// RecordingAudioBackend: a backend for tests that plays nothing but keeps
// what it was asked to do, with the behaviour of a real mixer: samples with a
// number of playbacks where a new play takes a free one or the oldest, one
// channel state per playback, output that can be paused, and files that can
// be made to fail.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "tessel/audio/NullAudioBackend.h"

namespace Tessel {

// Volumes are kept as the silent backend keeps them.
class RecordingAudioBackend : public NullAudioBackend {
public:
  struct Channel {
    AudioHandle Sample = 0;  // 0 for music
    std::string Path;
    int Volume = 100;
    bool Loop = false;
    int Position = 0;
    AudioChannelState State = AUDIOCHANNEL_Stopped;
    unsigned StartedAt = 0;  // order of the last play
    bool IsTakenOver = false;
  };

  void PauseOutput() override;
  void StartOutput() override;
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

  // Files whose load fails; paths ending in ".mod" load as tracker modules.
  std::set<std::string> FailingFiles;
  // One line per call that changed something: "load sample <path> 3",
  // "play <path> 40", "stop <path>", "volume <path> 25"...
  std::vector<std::string> Log;
  std::map<AudioHandle, Channel> Channels;
  bool IsOutputPaused = false;
  int Loads = 0;

  // The channel that played the path most recently, or null.
  const Channel* LastPlayOf(const std::string& path) const;

private:
  struct Sample {
    std::string Path;
    int MaxPlaybacks = 1;
    std::vector<AudioHandle> Playbacks;
  };
  Channel* Find(AudioHandle handle);

  std::map<AudioHandle, Sample> SampleTable;
  AudioHandle LastHandle = 0;
  unsigned PlayCounter = 0;
};

}  // namespace Tessel
