#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "support/TempFolder.h"
#include "tessel/platform/mixer/SdlMixerBackend.h"

using namespace Tessel;

namespace {

// A short tone as a 16-bit mono WAV file.
std::string ToneWav(double seconds) {
  const int rate = 22050;
  int samples = static_cast<int>(rate * seconds);
  std::string data;
  for (int i = 0; i < samples; ++i) {
    auto v = static_cast<int16_t>(8000 * std::sin(2 * 3.14159265 * 440 * i / rate));
    data.push_back(static_cast<char>(v & 0xFF));
    data.push_back(static_cast<char>((v >> 8) & 0xFF));
  }
  auto u32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
  auto u16 = [](uint16_t v) { return std::string{char(v), char(v >> 8)}; };
  return "RIFF" + u32(36 + static_cast<uint32_t>(data.size())) + "WAVEfmt " + u32(16) + u16(1) + u16(1) + u32(rate) +
         u32(rate * 2) + u16(2) + u16(16) + "data" + u32(static_cast<uint32_t>(data.size())) + data;
}

class SdlMixerBackendTest : public ::testing::Test {
protected:
  void SetUp() override {
    Folder.Write("tone.wav", ToneWav(2.0));
    if (!Mixer.IsOpen()) GTEST_FAIL() << "the dummy audio driver must open: " << Mixer.GetError().CStr();
  }
  String PathOf(const char* name) { return String(Folder.File(name).c_str()); }
  Testing::TempFolder Folder;
  SdlMixerBackend Mixer;
};

}  // namespace

TEST_F(SdlMixerBackendTest, APlaybackPlaysPausesAndStops) {
  AudioHandle sample = Mixer.LoadSample(PathOf("tone.wav"), 2);
  ASSERT_NE(sample, 0u);
  AudioHandle channel = Mixer.GetSampleChannel(sample);
  ASSERT_NE(channel, 0u);
  EXPECT_EQ(Mixer.GetState(channel), AUDIOCHANNEL_Stopped) << "not started yet";
  EXPECT_EQ(Mixer.Play(channel, true), AUDIOPLAY_Ok);
  EXPECT_EQ(Mixer.GetState(channel), AUDIOCHANNEL_Playing);
  Mixer.PauseOutput();
  EXPECT_EQ(Mixer.GetState(channel), AUDIOCHANNEL_Paused);
  EXPECT_EQ(Mixer.Play(Mixer.GetSampleChannel(sample), true), AUDIOPLAY_OutputNotStarted);
  Mixer.StartOutput();
  EXPECT_EQ(Mixer.GetState(channel), AUDIOCHANNEL_Playing);
  Mixer.Stop(channel);
  EXPECT_EQ(Mixer.GetState(channel), AUDIOCHANNEL_Stopped);
}

TEST_F(SdlMixerBackendTest, ANewPlayTakesOverTheOldest) {
  AudioHandle sample = Mixer.LoadSample(PathOf("tone.wav"), 1);
  AudioHandle first = Mixer.GetSampleChannel(sample);
  ASSERT_EQ(Mixer.Play(first, true), AUDIOPLAY_Ok);
  AudioHandle second = Mixer.GetSampleChannel(sample);
  ASSERT_NE(second, 0u);
  ASSERT_EQ(Mixer.Play(second, true), AUDIOPLAY_Ok);
  EXPECT_NE(first, second);
  EXPECT_EQ(Mixer.GetState(first), AUDIOCHANNEL_Stopped) << "the old handle no longer plays";
  EXPECT_EQ(Mixer.GetState(second), AUDIOCHANNEL_Playing);
  Mixer.SetVolume(first, 10);  // a stale handle is ignored
  Mixer.FreeSample(sample);
  EXPECT_EQ(Mixer.GetState(second), AUDIOCHANNEL_Stopped);
}

TEST_F(SdlMixerBackendTest, MusicAndFailures) {
  AudioHandle music = Mixer.LoadMusic(PathOf("tone.wav"));
  ASSERT_NE(music, 0u);
  EXPECT_FALSE(Mixer.IsModule(music));
  EXPECT_EQ(Mixer.Play(music, false), AUDIOPLAY_Ok);
  EXPECT_EQ(Mixer.GetState(music), AUDIOCHANNEL_Playing);
  Mixer.SetStreamVolume(50);
  Mixer.SetVolume(music, 40);
  Mixer.Stop(music);
  EXPECT_EQ(Mixer.GetState(music), AUDIOCHANNEL_Stopped);
  Mixer.FreeMusic(music);

  Folder.Write("broken.ogg", "OggS not really");
  EXPECT_EQ(Mixer.LoadSample(PathOf("missing.ogg"), 1), 0u);
  EXPECT_EQ(Mixer.LoadSample(PathOf("broken.ogg"), 1), 0u);
  EXPECT_EQ(Mixer.LoadMusic(PathOf("broken.ogg")), 0u);
  EXPECT_EQ(Mixer.Play(0, true), AUDIOPLAY_Failed);
}
