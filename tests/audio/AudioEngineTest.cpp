#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "support/CapturedLog.h"
#include "tessel/audio/AudioEngine.h"
#include "tessel/audio/NullAudioBackend.h"
#include "tessel/audio/RecordingAudioBackend.h"
#include "tessel/resources/AudioResources.h"

using namespace Tessel;

namespace {

class AudioEngineTest : public ::testing::Test {
protected:
  AudioEngineTest() : Backend(std::make_shared<RecordingAudioBackend>()), Audio(Backend, String("data/")) {
    A.Name = "music/A.ogg";
    B.Name = "music/B.ogg";
    Click.Name = "sounds/Click.ogg";
  }
  const RecordingAudioBackend::Channel& MusicChannel(const char* path) {
    const RecordingAudioBackend::Channel* channel = Backend->LastPlayOf(path);
    EXPECT_NE(channel, nullptr) << path;
    static RecordingAudioBackend::Channel none;
    return channel ? *channel : none;
  }
  // Runs the frame loop's updates for the given time.
  void Run(float seconds, float step = 0.05f) {
    for (float t = 0; t < seconds - 1e-4f; t += step) Audio.Update(step);
  }

  std::shared_ptr<RecordingAudioBackend> Backend;
  AudioEngine Audio;
  Music A, B;
  Sound Click;
};

}  // namespace

TEST_F(AudioEngineTest, MusicCrossFadesOutThenIn) {
  Audio.PlayMusic(&A, 0, 0);
  EXPECT_EQ(MusicChannel("data/music/A.ogg").Volume, 100);
  Audio.PlayMusic(&B, 2.0f, 0);
  EXPECT_EQ(Audio.GetMusicState(), AudioEngine::MUSIC_FadingOut);
  Run(1.0f);
  EXPECT_NEAR(MusicChannel("data/music/A.ogg").Volume, 50, 1);
  EXPECT_EQ(Backend->LastPlayOf("data/music/B.ogg"), nullptr) << "B waits for A to fall silent";
  Run(1.0f);
  Audio.Update(0.05f);  // past silence: A stops, B starts at the overshoot
  EXPECT_EQ(MusicChannel("data/music/A.ogg").State, AUDIOCHANNEL_Stopped);
  EXPECT_EQ(MusicChannel("data/music/B.ogg").State, AUDIOCHANNEL_Playing);
  EXPECT_LE(MusicChannel("data/music/B.ogg").Volume, 5);
  EXPECT_EQ(Audio.GetMusicState(), AudioEngine::MUSIC_FadingIn);
  Run(2.0f);
  EXPECT_EQ(Audio.GetMusicState(), AudioEngine::MUSIC_Playing);
  EXPECT_EQ(MusicChannel("data/music/B.ogg").Volume, 100);
}

TEST_F(AudioEngineTest, MusicStopsOrSwitchesAtOnce) {
  Audio.PlayMusic(&A, 0, 0);
  Audio.PlayMusic(&B, 0, 0);
  EXPECT_EQ(MusicChannel("data/music/A.ogg").State, AUDIOCHANNEL_Stopped);
  EXPECT_EQ(MusicChannel("data/music/B.ogg").Volume, 100);
  EXPECT_EQ(MusicChannel("data/music/B.ogg").State, AUDIOCHANNEL_Playing);

  Audio.PlayMusic(nullptr, 1.0f, 0);
  Run(1.1f);
  EXPECT_EQ(MusicChannel("data/music/B.ogg").State, AUDIOCHANNEL_Stopped);
  EXPECT_EQ(Audio.GetMusicState(), AudioEngine::MUSIC_Idle);
}

TEST_F(AudioEngineTest, MusicAskedForWhilePausedStartsLater) {
  Audio.Pause();
  Audio.PlayMusic(&A, 0, 0);
  EXPECT_EQ(Backend->LastPlayOf("data/music/A.ogg"), nullptr);
  Audio.Update(0.01f);
  EXPECT_EQ(Backend->LastPlayOf("data/music/A.ogg"), nullptr);
  Audio.Resume();
  Audio.Update(0.01f);
  EXPECT_EQ(MusicChannel("data/music/A.ogg").State, AUDIOCHANNEL_Playing);
}

TEST_F(AudioEngineTest, AMissingFileIsLoggedOnceAndSilent) {
  Backend->FailingFiles.insert("data/sounds/Click.ogg");
  Testing::CapturedLog log;
  Audio.PlaySound(&Click);
  Audio.PlaySound(&Click);
  EXPECT_EQ(log.Text, "error: 'data/sounds/Click.ogg': can't open as sound file.\n");
  EXPECT_EQ(Backend->Loads, 1);
  EXPECT_EQ(Audio.CreateSoundChannel(&Click), nullptr);
  Backend->FailingFiles.insert("data/music/A.ogg");
  Audio.PlayMusic(&A, 1, 0);
  EXPECT_NE(log.Text.find("error: 'data/music/A.ogg': can't open as music file.\n"), std::string::npos);
  EXPECT_EQ(Audio.GetMusicState(), AudioEngine::MUSIC_Idle);
}

TEST_F(AudioEngineTest, SoundsTakeAFreePlaybackOrTheOldest) {
  Click.ChannelCount = 2;
  Click.Volume = 0.5f;
  Audio.PlaySound(&Click);
  Audio.PlaySound(&Click);
  Audio.PlaySound(&Click);
  int playing = 0;
  for (const auto& [handle, channel] : Backend->Channels)
    if (channel.State == AUDIOCHANNEL_Playing && !channel.IsTakenOver) {
      ++playing;
      EXPECT_EQ(channel.Volume, 50);
    }
  EXPECT_EQ(playing, 2);
  EXPECT_EQ(Backend->Log[0], "load sample data/sounds/Click.ogg 2");
}

TEST_F(AudioEngineTest, SoundChannelsScaleTheirBaseVolume) {
  Click.Volume = 0.8f;
  std::unique_ptr<SoundChannel> channel(Audio.CreateSoundChannel(&Click));
  ASSERT_NE(channel, nullptr);
  channel->Play(true, false);
  EXPECT_EQ(Backend->LastPlayOf("data/sounds/Click.ogg")->Volume, 80);
  EXPECT_TRUE(Backend->LastPlayOf("data/sounds/Click.ogg")->Loop);
  channel->SetVolume(0.5f);
  EXPECT_EQ(Backend->LastPlayOf("data/sounds/Click.ogg")->Volume, 40);
  EXPECT_FLOAT_EQ(channel->GetVolume(), 0.5f);
  channel->Play(true, true);
  EXPECT_EQ(Backend->LastPlayOf("data/sounds/Click.ogg")->Volume, 40) << "the factor holds across plays";
}

// A loop must survive the player switching to another window.
TEST_F(AudioEngineTest, APausedChannelIsNotFinished) {
  std::unique_ptr<SoundChannel> channel(Audio.CreateSoundChannel(&Click));
  channel->Play(true, false);
  Audio.Pause();
  EXPECT_FALSE(channel->IsFinished());
  Audio.Resume();
  EXPECT_FALSE(channel->IsFinished());
  channel->Stop();
  EXPECT_TRUE(channel->IsFinished());
  channel.reset();  // deleting stops it; it was stopped already
  EXPECT_EQ(std::count(Backend->Log.begin(), Backend->Log.end(), "stop data/sounds/Click.ogg"), 1);
}

TEST_F(AudioEngineTest, VolumesAndTheirScale) {
  struct Case {
    float Volume;
    int Backend;
  };
  for (const Case& c : {Case{0.5f, 50}, Case{0.005f, 1}, Case{0.004f, 0}, Case{1.7f, 100}, Case{-0.2f, 0}})
    EXPECT_EQ(ToBackendVolume(c.Volume), c.Backend) << c.Volume;
  Audio.SetMusicVolume(0.5f);
  EXPECT_EQ(Backend->GetModuleVolume(), 50);
  EXPECT_EQ(Backend->GetStreamVolume(), 50);
  EXPECT_FLOAT_EQ(Audio.GetMusicVolume(), 0.5f);
  Audio.SetSoundVolume(0.25f);
  EXPECT_EQ(Backend->GetSampleVolume(), 25);
  Audio.SetMasterVolume(0.75f);
  EXPECT_FLOAT_EQ(Audio.GetMasterVolume(), 0.75f);
}

TEST_F(AudioEngineTest, ResourcesGoingAwayTakeTheirSamples) {
  {
    Sound temporary;
    temporary.Name = "sounds/Temp.ogg";
    Audio.PlaySound(&temporary);
    Music track;
    track.Name = "music/Temp.ogg";
    Audio.PlayMusic(&track, 0, 0);
  }
  EXPECT_EQ(Audio.GetMusicState(), AudioEngine::MUSIC_Idle) << "the music that went is no longer current";
  EXPECT_NE(std::find(Backend->Log.begin(), Backend->Log.end(), "free data/sounds/Temp.ogg"), Backend->Log.end());
  Audio.PlaySound(&Click);
  Audio.ReleaseAll();
  EXPECT_EQ(Click.Listener, nullptr);
}

TEST(NullAudioBackend, PlaysNothingAndKeepsTheSettings) {
  AudioEngine audio(std::make_shared<NullAudioBackend>(), String("data/"));
  Sound click;
  click.Name = "sounds/Click.ogg";
  audio.PlaySound(&click);
  std::unique_ptr<SoundChannel> channel(audio.CreateSoundChannel(&click));
  ASSERT_NE(channel, nullptr);
  channel->Play(true, true);
  audio.SetSoundVolume(0.3f);
  EXPECT_FLOAT_EQ(audio.GetSoundVolume(), 0.3f) << "the player's setting survives a silent session";
}
