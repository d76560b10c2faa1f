#include "tessel/app/Clock.h"

#include <chrono>
#include <thread>

namespace Tessel {

uint32_t SystemClock::GetMilliseconds() {
  auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void SystemClock::Sleep(uint32_t milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace Tessel
