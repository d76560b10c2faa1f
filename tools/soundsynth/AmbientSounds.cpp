// Ambient loops, one per landscape: eight seconds that repeat without a
// seam (everything ringing past the end is folded back onto the start).
#include <cmath>

#include "soundsynth/SoundKit.h"
#include "soundsynth/SoundRecipes.h"

namespace SoundSynth {

using namespace Synth;

namespace {

constexpr double LoopLength = 8.0;

// Wind: low noise whose level breathes with slow waves that fit the loop.
Signal Wind(double lowCut, double highCut, uint32_t seed, double depth) {
  Signal s = Noise(LoopLength, Envelope{0.001, 0.001, 1.0, 0.001}, lowCut, highCut, seed);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = double(i) / SampleRate;
    double swell = 1 - depth + depth * (0.5 + 0.3 * std::sin(2 * Pi * t / LoopLength) + 0.2 * std::sin(2 * Pi * 3 * t / LoopLength + 1));
    s[i] *= float(swell);
  }
  return s;
}

void Bird(Signal& s, Random& random, double at) {
  double f = random.Range(2500, 4200);
  int chirps = 2 + int(random.Uniform() * 4);
  for (int i = 0; i < chirps; ++i) {
    Signal c = Tone(WAVE_Sine, f, 0.05, Envelope{0.004, 0.04, 0.3, 0.02}, f * random.Range(1.2, 1.6), 0.02, 35);
    MixInto(s, c, at + i * random.Range(0.07, 0.11), random.Range(0.15, 0.3));
  }
}

}  // namespace

Signal MakeAmbientForest() {
  Signal s = Wind(100, 900, 400, 0.6);
  Scale(s, 0.5);
  MixInto(s, Noise(LoopLength, Envelope{0.001, 0.001, 1.0, 0.001}, 3000, 7000, 401), 0, 0.02);  // leaves
  Random random(402);
  for (double at : {0.6, 2.3, 3.1, 5.0, 6.4}) Bird(s, random, at + random.Range(0, 0.3));
  LowPass(s, 6000);
  WrapTail(s, LoopLength);
  return s;
}

Signal MakeAmbientSnow() {
  Signal s = Wind(150, 1500, 410, 0.8);
  Scale(s, 0.6);
  Random random(411);
  for (double at : {1.0, 3.7, 6.1}) {
    MixInto(s, FmNote(random.Range(2500, 3500), 1.2, 3.5, 0.6, 0.4), at, 0.08);  // icy tinkles
  }
  WrapTail(s, LoopLength);
  return s;
}

Signal MakeAmbientTropics() {
  // Waves: noise swelling twice in the loop, a gull now and then.
  Signal s = Noise(LoopLength, Envelope{0.001, 0.001, 1.0, 0.001}, 80, 2500, 420);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = double(i) / SampleRate;
    double wave = 0.5 - 0.5 * std::cos(2 * Pi * 2 * t / LoopLength);
    s[i] *= float(0.15 + 0.85 * wave * wave);
  }
  Scale(s, 0.6);
  Random random(421);
  for (double at : {1.5, 5.8}) {
    Signal gull = Tone(WAVE_Saw, 1300, 0.25, Envelope{0.02, 0.1, 0.6, 0.1}, 900, 0.03, 12);
    BandPass(gull, 1500, 2.0);
    MixInto(s, gull, at, 0.12);
    MixInto(s, gull, at + 0.35, 0.08);
  }
  Bird(s, random, 3.4);
  WrapTail(s, LoopLength);
  return s;
}

}  // namespace SoundSynth
