#pragma once
// SoundKit: the recurring gestures of the game's effects, built from the
// synth's voices: bells and chimes for good news, soft knocks and thumps
// for placing things, whooshes for movement, a low muffled bonk for "no".

#include <initializer_list>

#include "synth/Voices.h"

namespace SoundSynth {

using Synth::Signal;

// A bell-like FM note (ratio 3.5: glassy, 1.4: warm).
Signal Bell(double frequency, double length, double brightness = 1.0);
// Notes (MIDI numbers) one after another, `step` seconds apart, as bells.
Signal Chime(std::initializer_list<int> notes, double step, double length, double brightness = 1.0);
// A wooden knock, a soft thump, a metallic clank.
Signal Knock(double frequency, uint32_t seed);
Signal Thump(double frequency, double length);
Signal Clank(double frequency, uint32_t seed);
// Band-passed noise whose centre glides from `from` to `to` Hz.
Signal Whoosh(double length, double from, double to, uint32_t seed);
// A coin: two bright notes close together.
Signal Coin(double frequency);
// A brass-like note (filtered saw with a soft attack).
Signal Brass(double frequency, double length);
// Sparkles: many tiny high bells scattered over the length.
Signal Sparkle(double length, int count, uint32_t seed, double low = 2000, double high = 5000);
// A crowd: many voices of band-passed noise swelling and fading.
Signal Crowd(double length, double swell, uint32_t seed);

}  // namespace SoundSynth
