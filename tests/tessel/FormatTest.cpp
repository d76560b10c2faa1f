#include <gtest/gtest.h>

#include <thread>

#include "tessel/Format.h"

using namespace Tessel;

TEST(Format, ConversionsAsTheTextsUseThem) {
  struct Case {
    String Result;
    const char* Expected;
  };
  const Case cases[] = {
      {Format("%i", 42), "42"},
      {Format("%d|%5i|%-5i|%05i", -7, 42, 42, -42), "-7|   42|42   |-0042"},
      {Format("%u", -1), "4294967295"},
      {Format("%I64u", 18446744073709551615ull), "18446744073709551615"},
      {Format("%llu %lli", 1ull << 40, -(1ll << 40)), "1099511627776 -1099511627776"},
      {Format("%li", 4294967296ll + 5), "5"},
      {Format("0x%.8x", 0xBEEFu), "0x0000beef"},
      {Format("%X %#x %o %#o", 255, 255, 8, 8), "FF 0xff 10 010"},
      {Format("%+i % i", 5, 5), "+5  5"},
      {Format("%f", 1.5), "1.500000"},
      {Format("%.2f|%8.3f|%-8.1f|", 3.14159, -2.5, 2.0f), "3.14|  -2.500|2.0     |"},
      {Format("%e %g %G", 12345.678, 0.0001, 1e20), "1.234568e+04 0.0001 1E+20"},
      {Format("%s and %hs", "eight", String("bit")), "eight and bit"},
      {Format("%ls", u"wide"), "wide"},
      {Format("%s", WideString(u"\u00E9")), "\xE9"},
      {Format("%.3s|%6s|%-6s|", "abcdef", "ab", "ab"), "abc|    ab|ab    |"},
      {Format("%c%c", 'o', 107), "ok"},
      {Format("%*i|%.*f", 4, 7, 1, 2.25), "   7|2.2"},
      {Format("100%%"), "100%"},
      {Format("%s", static_cast<const char*>(nullptr)), "(null)"},
  };
  for (const Case& c : cases) EXPECT_STREQ(c.Result.CStr(), c.Expected);
}

// Texts come from content files: a conversion the code did not expect must
// print nothing rather than read memory that is not an argument.
TEST(Format, ConversionsWithoutAFittingArgumentPrintNothing) {
  EXPECT_STREQ(Format("a%sb%ic").CStr(), "abc");
  EXPECT_STREQ(Format("%s", 5).CStr(), "");
  EXPECT_STREQ(Format("%i", "text").CStr(), "");
  EXPECT_STREQ(Format("[%s][%i]", 5, 6).CStr(), "[][6]") << "a mismatch still takes its argument";
  EXPECT_STREQ(Format("x%ny", 1).CStr(), "xy") << "there is no %n";
  EXPECT_STREQ(Format("%n%i", 9).CStr(), "9");
  EXPECT_STREQ(Format("50%").CStr(), "50");
  EXPECT_STREQ(Format("%q", 1).CStr(), "");
  EXPECT_STREQ(Format("%f", "1.5").CStr(), "");
  EXPECT_STREQ(Format("%i", 2.9).CStr(), "2") << "a float given to %i is truncated";
  EXPECT_STREQ(Format("%999999999i", 1).GetLength() <= 4095 ? "short" : "long", "short");
}

TEST(Format, ResultsAreLimited) {
  std::string big(10000, 'x');
  EXPECT_EQ(Format("%s", big).GetLength(), 4095);
  EXPECT_EQ(FormatWide(u"%hs", big).size(), 2047u);
}

TEST(FormatWide, WideTextsAndPatterns) {
  EXPECT_EQ(FormatWide(u"$%ls", u"1,234"), u"$1,234");
  EXPECT_EQ(FormatWide(u"%s", WideString(u"\u0416")), u"\u0416") << "%s is wide in FormatWide";
  EXPECT_EQ(FormatWide(u"%hs", "abc"), u"abc");
  EXPECT_EQ(FormatWide(u"%hs", "\xE9")[0], 0xFFE9);
  EXPECT_EQ(FormatWide(u"%i%ls%03i", 1, u".", 5), u"1.005");
  EXPECT_EQ(FormatWide(u"%c", char16_t(0x416)), u"\u0416");
  EXPECT_EQ(FormatWide(u"Level %i of %i"), u"Level  of ");
  EXPECT_EQ(FormatWide(u"\u00FC%i", 3), u"\u00FC3") << "non-ASCII format text passes through";
}

TEST(Format, ThreadsDoNotShareBuffers) {
  auto work = [](int seed, bool* ok) {
    for (int i = 0; i < 5000; ++i) {
      String s = Format("%i-%s", seed * 100000 + i, "tail");
      if (s != Format("%i-tail", seed * 100000 + i)) *ok = false;
    }
  };
  bool okA = true, okB = true;
  std::thread other(work, 1, &okA);
  work(2, &okB);
  other.join();
  EXPECT_TRUE(okA);
  EXPECT_TRUE(okB);
}
