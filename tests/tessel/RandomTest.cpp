#include <gtest/gtest.h>

#include <thread>

#include "tessel/Random.h"

using namespace Tessel;

TEST(Random, TheClassicFifteenBitSequence) {
  RandomGenerator generator(1);
  // The first values of the classic generator seeded with 1.
  const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358};
  for (int value : expected) EXPECT_EQ(generator.Next(), value);
  generator.Seed(12345);
  for (int i = 0; i < 10000; ++i) {
    int v = generator.Next();
    ASSERT_GE(v, 0);
    ASSERT_LE(v, RandMax);
  }
}

TEST(Random, EveryThreadStartsWithSeedOne) {
  SeedRand(99);
  int mainValue = Rand();
  int threadValue = -1;
  std::thread([&] { threadValue = Rand(); }).join();
  EXPECT_EQ(threadValue, 41);
  SeedRand(99);
  EXPECT_EQ(Rand(), mainValue) << "seeding restarts the sequence";
}

TEST(Random, RangesAreUniformOverTheirBounds) {
  SeedRand(1);
  float lowest = 1, highest = 0;
  for (int i = 0; i < 50000; ++i) {
    float r = RandUnit();
    lowest = std::min(lowest, r);
    highest = std::max(highest, r);
    float v = RandRange(2.0f, 4.0f);
    ASSERT_GE(v, 2.0f);
    ASSERT_LE(v, 4.0f);
  }
  EXPECT_LT(lowest, 0.001f);
  EXPECT_GT(highest, 0.999f);
}
