#pragma once
// Crash reports for hard faults that no exception handler sees.
//
// Segmentation faults, bus errors and divisions by zero (and a stack overflow,
// caught on an alternate signal stack) are written to
// "<folder>Crash-<year>.<month>.<day>-<h>h<m>m<s>s.log" in UTC, in the layout
// of the game's crash reports: the fault in Windows terms (an access violation
// reading or writing an address, an in-page error, a division by zero, a stack
// overflow), the registers, the loaded modules, the system and the graphics
// device. Afterwards the previous handler runs, and by default the process
// dies of the signal as it would have.
//
// Everything the handler prints is gathered beforehand, because a handler may
// not allocate or take locks.

#include <cstdint>

namespace Tessel {

struct CrashGraphicsInfo {
  const char* Api;
  const char* Adapter;
  const char* Driver;
  int MaxTextureWidth, MaxTextureHeight;
  int MaxSimultaneousTextures;
  uint32_t PixelShaderVersion;   // major in bits 8-15, minor in bits 0-7
  uint32_t VertexShaderVersion;
};

// Installs the handlers (once per process; a second call only changes the folder).
// The folder ends with "/" and must exist.
void InstallCrashHandler(const char* folder);
// Gives the calling thread an alternate signal stack, so that its stack
// overflow can be reported too. Install does this for its own thread.
void PrepareThreadForCrashReports();
void SetCrashDesktopSize(int width, int height);
// The graphics section; null removes it ("information unavailable").
void SetCrashGraphicsInfo(const CrashGraphicsInfo* info);

}  // namespace Tessel
