#pragma once
// AudioInterface: the game's sound output. The application shell owns one
// and drives it every frame: paused while the application is in the
// background or minimised, resumed when it comes back. The sound and music
// operations are added by the audio layer.

namespace Tessel {

class AudioInterface {
public:
  virtual ~AudioInterface() = default;
  virtual void Pause() {}
  virtual void Resume() {}
  virtual void Update(float dt) {}
};

}  // namespace Tessel
