#pragma once
// ShellOpener: hands a web address or a local page to the desktop, which
// shows it in the player's browser. Behind an interface so that tests see
// what would have been opened without starting anything.

#include <string_view>

#include "tessel/Strings.h"

namespace Tessel {

class ShellOpener {
public:
  virtual ~ShellOpener() = default;
  // An "http://", "https://" or "file://" address; true when the desktop
  // took it (the page itself may still be loading).
  virtual bool Open(const String& address) = 0;
};

// An address a ShellOpener may pass on: "http://", "https://" or "file://"
// (scheme in any case) followed by printable ASCII without spaces or quotes.
// Anything else could be taken for an option, a command or a file by the
// program that opens it.
bool IsOpenableAddress(std::string_view address);
// An openable "http://" or "https://" address.
bool IsWebAddress(std::string_view address);
// "file://" and the absolute path, every byte outside letters, digits and
// "/-._~" percent-encoded (a relative path is taken from the working folder).
String FileAddressOf(const String& path);

}  // namespace Tessel
