#pragma once
// AudioInterface: the game's sound effects and music. The application shell
// owns one, calls Update every frame (the music fades run there) and pauses
// output while the application is in the background or minimised. Every
// operation has a silent default, so a game without sound still runs.

namespace Tessel {

class Music;
class Sound;
class SoundChannel;

class AudioInterface {
public:
  virtual ~AudioInterface() = default;
  virtual void Pause() {}
  virtual void Resume() {}
  virtual void Update(float dt) {}
  // Volumes are 0..1.
  virtual float GetMasterVolume() { return 0; }
  virtual void SetMasterVolume(float volume) {}
  virtual float GetMusicVolume() { return 0; }
  virtual void SetMusicVolume(float volume) {}
  // Fades the current music out and the new one in over fadeTime seconds
  // each (0: at once); null music stops. startPosition is a tracker module's
  // starting order.
  virtual void PlayMusic(Music* music, float fadeTime, int startPosition) {}
  virtual float GetSoundVolume() { return 0; }
  virtual void SetSoundVolume(float volume) {}
  // Fire and forget.
  virtual void PlaySound(Sound* sound) {}
  // A channel the caller owns and controls (loops, volume); null when none is free.
  virtual SoundChannel* CreateSoundChannel(Sound* sound) { return nullptr; }
  // Unloads every loaded sample and music.
  virtual void ReleaseAll() {}
};

// One playback of a sound. Deleting it stops it.
class SoundChannel {
public:
  virtual ~SoundChannel() = default;
  virtual void Play(bool loop, bool restart) = 0;
  virtual void Stop() = 0;
  virtual float GetVolume() = 0;
  virtual void SetVolume(float volume) = 0;
  // True once the channel has stopped playing. A channel paused with the
  // application is not finished: loops resume when the player comes back.
  virtual bool IsFinished() = 0;
};

}  // namespace Tessel
