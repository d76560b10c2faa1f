#pragma once
// How the play statistics file ends, so that a session a crash left open is
// closed before the next one starts. A session is written as it happens: its
// start tag first (without the closing bracket until something follows), then
// one level record at a time, each handed to the disk at once, and its end
// tag when the game ends normally.

#include <string_view>

namespace Corvanta {

enum SessionTail {
  SESSIONTAIL_Closed = 0,        // no session, or the last one is complete
  SESSIONTAIL_OpenStartTag = 1,  // the last start tag lacks its bracket: no level was recorded
  SESSIONTAIL_OpenSession = 2,   // level records follow the last start tag, its end tag is missing
  SESSIONTAIL_Torn = 3,          // the file ends inside a tag: left as it is
};

SessionTail FindSessionTail(std::string_view statsFile);
// What the session's normal end would have written: "></session>" or
// "\r\n</session>"; empty for the other tails.
std::string_view ClosingOf(SessionTail tail);

}  // namespace Corvanta
