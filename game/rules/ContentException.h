#pragma once
// ContentException: a rules or level file that cannot be used as it stands.
//
// The game never runs on silent defaults: a file that is missing, not well
// formed, cut short, or holds values the simulation cannot work with stops
// the load with one of these. The message names the file (and the line, when
// known) first, so the outer handler's report points straight at the fix.

#include "tessel/Exception.h"
#include "tessel/Strings.h"

namespace Tessel {
class XmlReader;
}

namespace Corvanta {

class ContentException : public Tessel::Exception {
public:
  using Tessel::Exception::Exception;
};

// "'path'(line): message", or "'path': message" when line is 0 or less.
[[noreturn]] void ThrowContentError(const Tessel::String& path, int line, const Tessel::String& message);

// The reader has stopped on an error: raise it with the file's name. The
// reader's own text already names file and line once the file was read;
// errors before that (the file cannot be opened, is empty) get the name here.
void ThrowIfReaderFailed(const Tessel::XmlReader& xml);

}  // namespace Corvanta
