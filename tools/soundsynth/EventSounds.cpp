// Celebrations: special abilities, fireworks and the end of a level.
#include <cmath>

#include "soundsynth/SoundKit.h"
#include "soundsynth/SoundRecipes.h"

namespace SoundSynth {

using namespace Synth;

namespace {

// A brass chord of MIDI notes starting at `at`.
void BrassChord(Signal& s, std::initializer_list<int> notes, double at, double length, double gain) {
  for (int note : notes) MixInto(s, Brass(NoteFrequency(note), length), at, gain);
}

Signal Cymbal(double length, uint32_t seed) {
  Signal s = Noise(length, Envelope{0.002, length * 0.3, 0.3, length * 0.5}, 5000, 0, seed);
  for (size_t i = 0; i < s.size(); ++i) s[i] *= float(std::exp(-double(i) / SampleRate * 3.0));
  return s;
}

Signal DrumRoll(double length, uint32_t seed) {
  Signal s;
  int hits = int(length / 0.045);
  for (int i = 0; i < hits; ++i) MixInto(s, Snare(seed + i, 0.3 + 0.7 * i / hits), i * 0.045, 0.5);
  return s;
}

}  // namespace

Signal MakeCinemaPremiere() {
  Signal s = DrumRoll(0.7, 300);
  BrassChord(s, {60, 64, 67, 72}, 0.72, 0.7, 0.3);
  MixInto(s, Cymbal(1.0, 310), 0.72, 0.4);
  return Reverb(s, 0.5, 0.4, 0.25);
}

Signal MakeExhibition() {
  Signal s;
  for (int i = 0; i < 3; ++i) {
    Signal horn = Tone(WAVE_Square, i == 2 ? 523 : 440, i == 2 ? 0.3 : 0.09, Envelope{0.005, 0.02, 0.9, 0.04});
    LowPass(horn, 1800, 1.0);
    MixInto(s, horn, i * 0.14, 0.45);
  }
  MixInto(s, Sparkle(0.5, 8, 320), 0.3, 0.5);
  return s;
}

Signal MakeFestival() {
  Signal s = Crowd(1.4, 0.2, 330);
  Scale(s, 0.4);
  const int notes[] = {79, 81, 79, 76, 79, 84};
  for (int i = 0; i < 6; ++i) {
    Signal pipe = Tone(WAVE_Square, NoteFrequency(notes[i]), 0.11, Envelope{0.01, 0.04, 0.7, 0.04}, 0, 0.012, 6);
    LowPass(pipe, 2600);
    MixInto(s, pipe, 0.1 + i * 0.12, 0.4);
  }
  return s;
}

Signal MakeShopSale() {
  Signal s = Chime({84, 88, 91, 96, 91, 96}, 0.06, 0.5, 1.1);
  MixInto(s, Coin(NoteFrequency(88)), 0.4, 0.7);
  return s;
}

Signal MakeFireworkLaunch() {
  Signal s = Tone(WAVE_Sine, 700, 0.8, Envelope{0.02, 0.6, 0.6, 0.2}, 2200);
  MixInto(s, Whoosh(0.9, 800, 3000, 340), 0, 0.8);
  return s;
}

Signal MakeFireworkExplode() {
  Signal s = Noise(0.08, Envelope{0.001, 0.05, 0.2, 0.05}, 60, 3000, 350);
  MixInto(s, Thump(60, 0.5), 0, 1.0);
  Random random(351);
  for (int i = 0; i < 30; ++i) {
    Signal crackle = Noise(0.012, Envelope{0.0005, 0.008, 0.0, 0.004}, 2500, 9000, 352 + i);
    MixInto(s, crackle, 0.12 + random.Range(0, 0.9), random.Range(0.1, 0.35));
  }
  return Reverb(s, 0.7, 0.3, 0.35);
}

Signal MakeLevelComplete() {
  Signal s;
  BrassChord(s, {67}, 0.0, 0.14, 0.5);
  BrassChord(s, {67}, 0.17, 0.14, 0.5);
  BrassChord(s, {67}, 0.34, 0.14, 0.5);
  BrassChord(s, {60, 64, 72}, 0.52, 0.5, 0.3);
  BrassChord(s, {62, 65, 74}, 1.05, 0.25, 0.3);
  BrassChord(s, {64, 67, 72, 76}, 1.35, 1.0, 0.28);
  MixInto(s, Cymbal(1.5, 360), 1.35, 0.4);
  MixInto(s, Kick(), 1.35, 0.5);
  MixInto(s, Sparkle(1.0, 10, 361, 2500, 6000), 1.4, 0.3);
  return Reverb(s, 0.6, 0.4, 0.25);
}

Signal MakeLevelCompleteExpert() {
  Signal s = DrumRoll(0.6, 370);
  BrassChord(s, {60, 67}, 0.6, 0.2, 0.35);
  BrassChord(s, {64, 72}, 0.85, 0.2, 0.35);
  BrassChord(s, {67, 76}, 1.1, 0.2, 0.35);
  BrassChord(s, {60, 64, 67, 72, 79}, 1.35, 1.3, 0.24);
  MixInto(s, Cymbal(1.8, 380), 1.35, 0.45);
  MixInto(s, Kick(), 1.35, 0.6);
  MixInto(s, Sparkle(1.4, 16, 381, 2500, 7000), 1.35, 0.35);
  return Reverb(s, 0.7, 0.4, 0.3);
}

Signal MakeWooooow() {  // a crowd going "wooow": voices with an "oo" formant, rising then falling
  Signal s;
  Random random(390);
  for (int voice = 0; voice < 8; ++voice) {
    double base = random.Range(160, 320);
    Signal v = Tone(WAVE_Saw, base, 1.1, Envelope{0.15, 0.3, 0.8, 0.35}, base * 1.35, 0.01, random.Range(4, 6));
    BandPass(v, 380, 2.0);
    Signal upper = v;
    BandPass(upper, 850, 3.0);
    MixInto(v, upper, 0, 0.5);
    MixInto(s, v, random.Range(0, 0.08), 0.5);
  }
  return Reverb(s, 0.5, 0.5, 0.2);
}

}  // namespace SoundSynth
