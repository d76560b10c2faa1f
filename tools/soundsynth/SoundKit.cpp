#include "soundsynth/SoundKit.h"

#include <cmath>

namespace SoundSynth {

using namespace Synth;

Signal Bell(double frequency, double length, double brightness) {
  Signal s = FmNote(frequency, length, 3.5, 1.6 * brightness, length * 0.35);
  Signal body = FmNote(frequency, length, 1.0, 0.4, length * 0.5);
  MixInto(s, body, 0, 0.6);
  return s;
}

Signal Chime(std::initializer_list<int> notes, double step, double length, double brightness) {
  Signal s;
  double at = 0;
  for (int note : notes) {
    MixInto(s, Bell(NoteFrequency(note), length, brightness), at, 0.6);
    at += step;
  }
  return s;
}

Signal Knock(double frequency, uint32_t seed) {
  Signal s = Noise(0.05, Envelope{0.0005, 0.03, 0.0, 0.01}, 200, 2500, seed);
  BandPass(s, frequency * 2.5, 2.0);
  Scale(s, 3.0);
  Signal body = Tone(WAVE_Sine, frequency, 0.06, Envelope{0.001, 0.05, 0.0, 0.02}, frequency * 0.8);
  MixInto(s, body, 0, 0.8);
  return s;
}

Signal Thump(double frequency, double length) {
  Signal s = Tone(WAVE_Sine, frequency * 1.8, length, Envelope{0.002, length * 0.8, 0.0, 0.05}, frequency);
  LowPass(s, 600);
  return s;
}

Signal Clank(double frequency, uint32_t seed) {
  Signal s = FmNote(frequency, 0.35, 2.76, 3.0, 0.08);
  Signal hit = Noise(0.02, Envelope{0.0005, 0.015, 0.0, 0.005}, 2000, 9000, seed);
  MixInto(s, hit, 0, 0.5);
  return s;
}

Signal Whoosh(double length, double from, double to, uint32_t seed) {
  Random random(seed);
  Signal s(Samples(length));
  for (float& v : s) v = float(random.Bipolar());
  // A band-pass whose centre moves: process in short blocks.
  Signal out(s.size(), 0.0f);
  const size_t block = 256;
  double z1 = 0, z2 = 0;
  for (size_t start = 0; start < s.size(); start += block) {
    double t = double(start) / double(s.size());
    double f = from * std::pow(to / from, t);
    double w = 2 * Pi * f / SampleRate, alpha = std::sin(w) / (2 * 1.2), c = std::cos(w);
    double a0 = 1 + alpha, b0 = alpha / a0, b2 = -alpha / a0, a1 = -2 * c / a0, a2 = (1 - alpha) / a0;
    for (size_t i = start; i < std::min(s.size(), start + block); ++i) {
      double y = b0 * s[i] + z1;
      z1 = -a1 * y + z2;
      z2 = b2 * s[i] - a2 * y;
      double env = std::sin(Pi * double(i) / double(s.size()));
      out[i] = float(y * env * env);
    }
  }
  return out;
}

Signal Coin(double frequency) {
  Signal s = Bell(frequency, 0.25, 1.3);
  MixInto(s, Bell(frequency * 1.335, 0.45, 1.3), 0.07);
  return s;
}

Signal Brass(double frequency, double length) {
  Envelope env{0.04, 0.1, 0.8, 0.12};
  Signal s = Tone(WAVE_Saw, frequency, length, env, 0, 0.004, 5.0);
  LowPass(s, frequency * 4.5, 0.9);
  return s;
}

Signal Sparkle(double length, int count, uint32_t seed, double low, double high) {
  Random random(seed);
  Signal s(Samples(length + 0.3), 0.0f);
  for (int i = 0; i < count; ++i) {
    double at = length * double(i) / count + random.Range(0, length / count);
    MixInto(s, FmNote(random.Range(low, high), 0.25, 3.0, 0.8, 0.06), at, random.Range(0.3, 0.6));
  }
  return s;
}

Signal Crowd(double length, double swell, uint32_t seed) {
  Random random(seed);
  Signal s(Samples(length), 0.0f);
  for (int voice = 0; voice < 10; ++voice) {
    Signal v = Noise(length, Envelope{swell, length * 0.3, 0.6, 0.01}, 0, 0, seed * 31 + voice);
    BandPass(v, random.Range(400, 1400), 4.0);
    MixInto(s, v, random.Range(0, 0.1), 1.0);
  }
  LowPass(s, 3000);
  FadeEdges(s, 0.01, length * 0.5);
  return s;
}

}  // namespace SoundSynth
