#include "game/online/SessionTail.h"

#include <gtest/gtest.h>

#include <string>

using namespace Corvanta;

TEST(SessionTail, TellsHowTheLastSessionEnds) {
  struct Case {
    std::string File;
    SessionTail Tail;
  } cases[] = {
      {"", SESSIONTAIL_Closed},
      {"garbage without tags", SESSIONTAIL_Closed},
      {"<session id=\"1\"></session>", SESSIONTAIL_Closed},
      {"<session id=\"1\" />", SESSIONTAIL_Closed},
      {"<session id=\"1\">\r\n  <level a=\"1\" />\r\n</session>", SESSIONTAIL_Closed},
      {"<session id=\"1\"></session>\r\n<session id=\"2\" memMb=\"5\"", SESSIONTAIL_OpenStartTag},
      {"<session", SESSIONTAIL_OpenStartTag},
      {"<session id=\"1\">\r\n  <level a=\"1\" />", SESSIONTAIL_OpenSession},
      {"<session id=\"1\">\r\n  <level a=\"1\" />\r\n  ", SESSIONTAIL_OpenSession},
      {"<session id=\"1\">", SESSIONTAIL_OpenSession},
      {"<session id=\"1\">\r\n  <level a=\"1", SESSIONTAIL_Torn},
      {"<session id=\"1", SESSIONTAIL_Torn},
      {"<session id=\"1\">\r\n  <level a=\"1\"", SESSIONTAIL_Torn},
      // "<sessions" is another element; an escaped name is text.
      {"<sessions id=\"1\"", SESSIONTAIL_Closed},
      {"<session id=\"1\"></session>\r\n<level player=\"&lt;session\" />", SESSIONTAIL_Closed},
  };
  for (const Case& c : cases) EXPECT_EQ(FindSessionTail(c.File), c.Tail) << c.File;
}

TEST(SessionTail, ClosingIsWhatTheSessionsNormalEndWouldHaveWritten) {
  EXPECT_EQ(ClosingOf(SESSIONTAIL_OpenStartTag), "></session>");
  EXPECT_EQ(ClosingOf(SESSIONTAIL_OpenSession), "\r\n</session>");
  EXPECT_EQ(ClosingOf(SESSIONTAIL_Closed), "");
  EXPECT_EQ(ClosingOf(SESSIONTAIL_Torn), "");
}
