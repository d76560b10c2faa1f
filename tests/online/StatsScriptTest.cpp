#include "game/online/StatsScript.h"

#include <gtest/gtest.h>

#include <string>

using namespace Corvanta;

TEST(StatsScript, TwoSessionsGiveOneStringPerLine) {
  std::string stats =
      "<session id=\"1\" memMb=\"5\">\r\n  <level player=\"A\" />\r\n</session>\r\n"
      "<session id=\"2\" memMb=\"5\"></session>";
  EXPECT_EQ(MakeStatsScript(stats),
            "var xml=\"<session id=\\\"1\\\" memMb=\\\"5\\\">\\n\" +\r\n"
            "        \"  <level player=\\\"A\\\" />\\n\" +\r\n"
            "        \"</session>\\n\" +\r\n"
            "        \"<session id=\\\"2\\\" memMb=\\\"5\\\"></session>\";\n");
}

TEST(StatsScript, EscapesAndLineEnds) {
  struct Case {
    std::string Stats, Script;
  } cases[] = {
      {"a", "var xml=\"a\";\n"},
      {"a\n", "var xml=\"a\\n\";\n"},
      {"a\r\nb", "var xml=\"a\\n\" +\r\n        \"b\";\n"},
      {"a\nb", "var xml=\"a\\n\" +\r\n        \"b\";\n"},
      {"a\rb", "var xml=\"ab\";\n"},                       // a carriage return on its own is dropped
      {"\r\n\r\n", "var xml=\"\\n\" +\r\n        \"\\n\";\n"},  // empty lines stay lines
      {"say \"hi\"", "var xml=\"say \\\"hi\\\"\";\n"},
      {"C:\\games\\", "var xml=\"C:\\\\games\\\\\";\n"},
      {"\\\"", "var xml=\"\\\\\\\"\";\n"},
      {"J\xC3\xBCrgen", "var xml=\"J\xC3\xBCrgen\";\n"},  // UTF-8 stays as it is
      // Line and paragraph separators end a string in older browsers.
      {"a\xE2\x80\xA8" "b\xE2\x80\xA9", "var xml=\"a\\u2028b\\u2029\";\n"},
      {"\r", "var xml=\"\";\n"},  // nothing left, still a statement
  };
  for (const Case& c : cases) EXPECT_EQ(MakeStatsScript(c.Stats), c.Script) << c.Stats;
}
