#pragma once
// MachineInfo: what the game tells about the computer it runs on (in its
// play statistics). Behind an interface so that tests give fixed answers.

#include <cstdint>
#include <optional>

namespace Tessel {

class MachineInfo {
public:
  virtual ~MachineInfo() = default;
  // The first processor's speed in MHz; none when the system does not say.
  virtual std::optional<int> GetProcessorMhz() const = 0;
  // Total physical memory in megabytes (bytes >> 20).
  virtual uint32_t GetMemoryMb() const = 0;
};

}  // namespace Tessel
