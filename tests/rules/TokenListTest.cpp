#include <gtest/gtest.h>

#include <vector>

#include "game/rules/TokenList.h"

using namespace Corvanta;

namespace {

std::vector<std::u16string> Split(std::u16string_view text, std::u16string_view separators, EmptyTokens empty) {
  Tessel::Array<Tessel::WideString> tokens = SplitList(text, separators, empty);
  return std::vector<std::u16string>(tokens.begin(), tokens.end());
}

}  // namespace

TEST(SplitList, EverySeparatorEndsAToken) {
  struct Case {
    std::u16string Text;
    std::vector<std::u16string> Kept, Dropped;
  };
  const Case cases[] = {
      {u"", {}, {}},
      {u"a", {u"a"}, {u"a"}},
      {u"a,b", {u"a", u"b"}, {u"a", u"b"}},
      {u"a, b", {u"a", u"", u"b"}, {u"a", u"b"}},   // comma and blank: an empty token between them
      {u",a", {u"", u"a"}, {u"a"}},                 // a separator at the start gives one
      {u"a,", {u"a"}, {u"a"}},                      // nothing after the last separator: no token
      {u"a,,", {u"a", u""}, {u"a"}},
      {u",", {u""}, {}},
      {u"a;b c\td", {u"a;b", u"c\td"}, {u"a;b", u"c\td"}},  // only the given separators count
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.Text.begin(), c.Text.end()));
    EXPECT_EQ(Split(c.Text, u", ", TOKENS_KeepEmpty), c.Kept);
    EXPECT_EQ(Split(c.Text, u", ", TOKENS_DropEmpty), c.Dropped);
  }
}

TEST(SplitList, TwelveEntriesWrittenWithCommaAndBlankAreTwentyThree) {
  EXPECT_EQ(Split(u"1,2,3,4,5,6,7,8,9,10,11,12", u" ,;", TOKENS_KeepEmpty).size(), 12u);
  EXPECT_EQ(Split(u"1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12", u" ,;", TOKENS_KeepEmpty).size(), 23u);
}
