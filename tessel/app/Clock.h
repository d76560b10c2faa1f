#pragma once
// The frame loop's clock: whole milliseconds and a sleep. Behind an interface
// so that tests drive the loop with a clock they advance themselves.

#include <cstdint>

namespace Tessel {

class Clock {
public:
  virtual ~Clock() = default;
  // Milliseconds since some start; wraps around after 49 days, so callers
  // take differences as unsigned 32-bit values.
  virtual uint32_t GetMilliseconds() = 0;
  virtual void Sleep(uint32_t milliseconds) = 0;
};

// The monotonic system clock.
class SystemClock : public Clock {
public:
  uint32_t GetMilliseconds() override;
  void Sleep(uint32_t milliseconds) override;
};

}  // namespace Tessel
