#pragma once
// A clock the test moves: each sleep advances it and is recorded, and a
// frame's "work" is whatever the test adds while the frame runs.

#include <vector>

#include "tessel/app/Clock.h"

namespace Testing {

class FakeClock : public Tessel::Clock {
public:
  uint32_t GetMilliseconds() override { return Now; }
  void Sleep(uint32_t milliseconds) override {
    Sleeps.push_back(milliseconds);
    Now += milliseconds;
  }

  uint32_t Now = 1000;
  std::vector<uint32_t> Sleeps;
};

}  // namespace Testing
