#pragma once
// XdgOpener: ShellOpener through the desktop's "xdg-open".
//
// The program is started directly with the address as its one argument,
// never through a shell, and only for addresses IsOpenableAddress accepts,
// so nothing in an address can run as a command or read as an option. Its
// input is /dev/null and it inherits no blocked or ignored signals.
//
// Open waits a short moment for the program: one that fails at once (no
// desktop, no browser) counts as a failure; one that is still busy after the
// wait counts as a success and is reaped by a background thread, so no
// zombie is left and the frame loop is held up for the wait at most.

#include "tessel/Strings.h"
#include "tessel/app/ShellOpener.h"

namespace Tessel {

class XdgOpener : public ShellOpener {
public:
  // program is looked up in PATH unless it holds a '/'.
  explicit XdgOpener(String program = String("xdg-open"), int failureWaitMs = 500);

  bool Open(const String& address) override;

private:
  String Program;
  int FailureWaitMs;
};

}  // namespace Tessel
