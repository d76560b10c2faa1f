#pragma once
// Signal: mono samples at the game's rate, the material every sound and
// every music track is mixed from. Time is in seconds, levels are linear
// (1.0 = full scale). Everything is deterministic: noise comes from a
// seeded generator, never from the clock or the C library.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Synth {

constexpr int SampleRate = 44100;
constexpr double Pi = 3.14159265358979323846;

using Signal = std::vector<float>;

inline size_t Samples(double seconds) { return size_t(seconds * SampleRate + 0.5); }

// A small, fast generator for noise and human-like variation.
class Random {
public:
  explicit Random(uint32_t seed) : State(seed * 2654435761u + 1u) {}
  uint32_t Next() {
    State ^= State << 13;
    State ^= State >> 17;
    State ^= State << 5;
    return State;
  }
  double Uniform() { return (Next() >> 8) / double(1 << 24); }      // 0..1
  double Bipolar() { return Uniform() * 2.0 - 1.0; }                // -1..1
  double Range(double a, double b) { return a + (b - a) * Uniform(); }

private:
  uint32_t State;
};

// Adds source into target from the given time on, scaled; grows target.
void MixInto(Signal& target, const Signal& source, double at, double gain = 1.0);
// Multiplies every sample.
void Scale(Signal& s, double gain);
double Peak(const Signal& s);
// Root mean square of the loudest window of the given length (the whole
// signal when shorter): how loud a sound feels.
double LoudestWindowRms(const Signal& s, double window);
// Fades the ends so nothing clicks.
void FadeEdges(Signal& s, double in, double out);
// Folds everything past `length` back onto the start, so the signal loops
// without a seam (a note ringing over the end continues at the start).
void WrapTail(Signal& s, double length);

double NoteFrequency(int midiNote);

}  // namespace Synth
