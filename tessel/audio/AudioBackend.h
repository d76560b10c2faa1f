#pragma once
// AudioBackend: the calls an audio library offers the game's audio layer,
// and nothing of the game's rules. AudioEngine keeps the rules (the sample
// cache, the music fades, the volume scale); a backend plays sound
// (SDL_mixer), plays nothing (NullAudioBackend), or remembers what it was
// asked to do (RecordingAudioBackend, for tests).
//
// Volumes are integers 0..100. Handles are never 0; 0 means failure. A
// channel handle names one playback: once its mixer channel is taken over by
// a newer playback, the old handle is simply no longer active.

#include <cstdint>

#include "tessel/Strings.h"

namespace Tessel {

using AudioHandle = uint32_t;

enum AudioPlayResult { AUDIOPLAY_Ok, AUDIOPLAY_OutputNotStarted, AUDIOPLAY_Failed };
enum AudioChannelState { AUDIOCHANNEL_Stopped, AUDIOCHANNEL_Playing, AUDIOCHANNEL_Paused };

class AudioBackend {
public:
  virtual ~AudioBackend() = default;

  virtual void PauseOutput() = 0;
  virtual void StartOutput() = 0;
  virtual int GetMasterVolume() = 0;
  virtual void SetMasterVolume(int volume) = 0;
  virtual int GetSampleVolume() = 0;   // every sound effect
  virtual void SetSampleVolume(int volume) = 0;
  virtual int GetStreamVolume() = 0;   // music streams (Ogg Vorbis)
  virtual void SetStreamVolume(int volume) = 0;
  virtual int GetModuleVolume() = 0;   // tracker-module music
  virtual void SetModuleVolume(int volume) = 0;

  // A sample with up to maxPlaybacks simultaneous playbacks; when all are
  // busy the one that has played longest is taken over.
  virtual AudioHandle LoadSample(const String& path, int maxPlaybacks) = 0;
  virtual void FreeSample(AudioHandle sample) = 0;
  virtual AudioHandle GetSampleChannel(AudioHandle sample) = 0;

  // Music: a tracker module or a stream, looping.
  virtual AudioHandle LoadMusic(const String& path) = 0;
  virtual void FreeMusic(AudioHandle music) = 0;
  virtual bool IsModule(AudioHandle music) = 0;

  // Channels: a playback of a sample, or a music handle.
  virtual AudioPlayResult Play(AudioHandle channel, bool restart) = 0;
  virtual void Stop(AudioHandle channel) = 0;
  virtual void SetVolume(AudioHandle channel, int volume) = 0;
  virtual void SetLoop(AudioHandle channel, bool loop) = 0;
  virtual void SetPosition(AudioHandle channel, int position) = 0;
  virtual AudioChannelState GetState(AudioHandle channel) = 0;
};

}  // namespace Tessel
