#pragma once
// The system's one random generator: the classic 15-bit linear congruential
// generator (state = state * 214013 + 2531011, value = (state >> 16) & 0x7FFF).
// Saved games, tests and replays depend on its exact sequence, so the C
// library's rand() (another range and sequence on Linux) is never called.
// Each thread has its own state, seeded with 1 when the thread starts.

#include <cstdint>

namespace Tessel {

constexpr int RandMax = 32767;

class RandomGenerator {
public:
  explicit RandomGenerator(uint32_t seed = 1) : State(seed) {}
  void Seed(uint32_t seed) { State = seed; }
  int Next() {
    State = State * 214013u + 2531011u;
    return static_cast<int>((State >> 16) & 0x7FFF);
  }
  uint32_t GetState() const { return State; }

private:
  uint32_t State;
};

// The calling thread's generator.
RandomGenerator& ThreadRandom();

inline int Rand() { return ThreadRandom().Next(); }
inline void SeedRand(uint32_t seed) { ThreadRandom().Seed(seed); }
// Uniform in 0..1: rand() / 32767.
inline float RandUnit() { return static_cast<float>(Rand()) / RandMax; }
// Uniform in min..max: min + (max - min) * rand() / 32767.
inline float RandRange(float min, float max) { return min + (max - min) * RandUnit(); }

}  // namespace Tessel
