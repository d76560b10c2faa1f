#pragma once
// Sound and music resources only name their files; the audio interface loads
// a file the first time it is played and keeps it until the resource goes.

#include "tessel/resources/ResourceBase.h"

namespace Tessel {

class AudioResource : public ResourceBase {
  TESSEL_DECLARE_CLASS(AudioResource)
};

class Music : public AudioResource {
  TESSEL_DECLARE_CLASS(Music)
};

class Sound : public AudioResource {
  TESSEL_DECLARE_CLASS(Sound)
public:
  // The most simultaneous playbacks of the sample: raised by later requests
  // for the same sound, never lowered.
  int ChannelCount = 1;
  float Volume = 1.0f;
};

}  // namespace Tessel
