#pragma once
// Writes mono or stereo samples as Ogg Vorbis. The stream's serial number
// comes from the file name and the encoder is run with fixed settings, so
// the same samples always give the same bytes.

#include <string>

#include "synth/Signal.h"

namespace Synth {

// right empty: a mono file. quality: Vorbis VBR quality, -0.1..1.
void WriteOgg(const std::string& path, const Signal& left, const Signal& right, float quality);

// Brings a sound to the target loudness (RMS of its loudest 0.4 s) and keeps
// its peak below the ceiling, scaling down rather than clipping.
void Normalise(Signal& s, double targetRms, double ceiling = 0.84);
void NormaliseStereo(Signal& left, Signal& right, double targetRms, double window, double ceiling = 0.84);

}  // namespace Synth
