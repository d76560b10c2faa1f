#pragma once
// What a graphics device needs from the application that owns it: the
// display settings it applies, a way to have the display mode applied again
// after the device was lost, and places to report its results.

#include <cstdint>

namespace Tessel {

class GraphicsDeviceOwner {
public:
  virtual ~GraphicsDeviceOwner() = default;
  virtual bool IsWindowed() const = 0;
  virtual int GetColorDepth() const = 0;
  virtual bool IsVerticalSync() const = 0;
  virtual bool IsInactive() const = 0;
  // Calls the device's SetMode with the stored size and windowed flag.
  virtual void ApplyDisplayMode() = 0;
  virtual void SetTextureMemoryInUse(uint64_t bytes) = 0;
  virtual void RecomputeClientRect() = 0;
};

}  // namespace Tessel
