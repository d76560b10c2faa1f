#pragma once
// Voices: the instruments and noises everything is built from. Each returns
// a finished mono signal of one note or one event, its envelope included.

#include "synth/Signal.h"

namespace Synth {

enum Wave { WAVE_Sine, WAVE_Triangle, WAVE_Saw, WAVE_Square };

struct Envelope {
  double Attack = 0.005, Decay = 0.1, Sustain = 0.7, Release = 0.1;
  double Level(double t, double noteLength) const;  // noteLength: until release starts
};

// A plain oscillator note, its pitch optionally gliding to `toFrequency`.
Signal Tone(Wave wave, double frequency, double length, const Envelope& env, double toFrequency = 0,
            double vibratoDepth = 0, double vibratoRate = 5.5);
// Two-operator FM: bells, electric pianos, marimbas, depending on the ratio,
// index and decay.
Signal FmNote(double frequency, double length, double ratio, double index, double decay, double attack = 0.002);
// A plucked string (Karplus-Strong): guitar, harp, koto, pizzicato.
Signal Pluck(double frequency, double length, double brightness, uint32_t seed, double damping = 0.996);
// Filtered noise with an envelope: wind, water, hiss, snares, crowds.
Signal Noise(double length, const Envelope& env, double lowCut, double highCut, uint32_t seed);
// A soft, wide pad: detuned saws through a gentle low-pass.
Signal Pad(double frequency, double length, double brightness, uint32_t seed);
// Drum voices.
Signal Kick(double level = 1.0);
Signal Snare(uint32_t seed, double level = 1.0);
Signal HiHat(uint32_t seed, bool open, double level = 1.0);
Signal Shaker(uint32_t seed, double level = 1.0);

// Filters, in place.
void LowPass(Signal& s, double cutoff, double resonance = 0.707);
void HighPass(Signal& s, double cutoff, double resonance = 0.707);
void BandPass(Signal& s, double centre, double q);
// A small room, for warmth; returns the wet signal (longer than the input).
Signal Reverb(const Signal& s, double size, double damping, double wet);

}  // namespace Synth
