#pragma once
// NullAudioBackend: plays nothing, for machines without a sound device and
// for headless runs. Loads succeed and volumes are remembered, so the game's
// settings survive a silent session unchanged.

#include "tessel/audio/AudioBackend.h"

namespace Tessel {

class NullAudioBackend : public AudioBackend {
public:
  void PauseOutput() override {}
  void StartOutput() override {}
  int GetMasterVolume() override { return Master; }
  void SetMasterVolume(int volume) override { Master = volume; }
  int GetSampleVolume() override { return Samples; }
  void SetSampleVolume(int volume) override { Samples = volume; }
  int GetStreamVolume() override { return Streams; }
  void SetStreamVolume(int volume) override { Streams = volume; }
  int GetModuleVolume() override { return Modules; }
  void SetModuleVolume(int volume) override { Modules = volume; }
  AudioHandle LoadSample(const String&, int) override { return ++LastHandle; }
  void FreeSample(AudioHandle) override {}
  AudioHandle GetSampleChannel(AudioHandle) override { return ++LastHandle; }
  AudioHandle LoadMusic(const String&) override { return ++LastHandle; }
  void FreeMusic(AudioHandle) override {}
  bool IsModule(AudioHandle) override { return false; }
  AudioPlayResult Play(AudioHandle, bool) override { return AUDIOPLAY_Ok; }
  void Stop(AudioHandle) override {}
  void SetVolume(AudioHandle, int) override {}
  void SetLoop(AudioHandle, bool) override {}
  void SetPosition(AudioHandle, int) override {}
  AudioChannelState GetState(AudioHandle) override { return AUDIOCHANNEL_Stopped; }

private:
  int Master = 100, Samples = 100, Streams = 100, Modules = 100;
  AudioHandle LastHandle = 0;
};

}  // namespace Tessel
