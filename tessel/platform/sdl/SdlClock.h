#pragma once
// The frame loop's clock on SDL's millisecond timer.

#include "tessel/app/Clock.h"

namespace Tessel {

class SdlClock : public Clock {
public:
  uint32_t GetMilliseconds() override;
  void Sleep(uint32_t milliseconds) override;
};

}  // namespace Tessel
