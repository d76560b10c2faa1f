#pragma once
// Performer: plays a score with the song's instruments into a stereo mix,
// with a little room, swing and human looseness, folded into a seamless
// loop of exactly the song's length.

#include "musicsynth/Score.h"
#include "synth/Signal.h"

namespace MusicSynth {

struct StereoMix {
  Synth::Signal Left, Right;
};

StereoMix Perform(const Song& song, const Score& score);

}  // namespace MusicSynth
