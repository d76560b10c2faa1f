#include <gtest/gtest.h>


#include "tessel/WideText.h"

using namespace Tessel;

TEST(WideText, NarrowAndWideConversions) {
  EXPECT_EQ(ToWide("\xE9")[0], 0xFFE9) << "bytes widen by sign extension";
  EXPECT_EQ(ToWide("Az")[1], u'z');
  EXPECT_EQ(ToNarrow(u"\u00E9")[0], '\xE9');
  EXPECT_STREQ(ToNarrow(ToWide("caf\xE9 \x80\xFF")).CStr(), "caf\xE9 \x80\xFF") << "narrowing inverts widening";
  EXPECT_TRUE(ToNarrow(u"").IsEmpty());
}

TEST(WideText, Utf8UsesOneToThreeBytes) {
  EXPECT_EQ(ToUtf8(u"A"), "A");
  EXPECT_EQ(ToUtf8(u"\u00E9"), "\xC3\xA9");
  EXPECT_EQ(ToUtf8(u"\u07FF"), "\xDF\xBF");
  EXPECT_EQ(ToUtf8(u"\u20AC"), "\xE2\x82\xAC");
  EXPECT_EQ(ToUtf8(u"\xFFFF"), "\xEF\xBF\xBF");
}

TEST(WideText, IntegersReadLikeScanfPercentI) {
  struct Case {
    const char16_t* Text;
    int32_t Value;
  };
  const Case cases[] = {
      {u"800", 800},        {u"  -42", -42},     {u"+7", 7},          {u"0x1F", 31},        {u"0X1f", 31},
      {u"010", 8},          {u"09", 0},          {u"0", 0},           {u"12abc", 12},       {u"abc", 0},
      {u"", 0},             {u"0x", 0},          {u"4294967295", -1}, {u"-2147483648", INT32_MIN},
      {u"4294967296", 0},   {u"\u0661", 0},      {u"1e3", 1},
  };
  for (const Case& c : cases) EXPECT_EQ(WideToInt(c.Text), c.Value) << ToUtf8(c.Text);
  EXPECT_EQ(WideToUnsigned(u"4294967295"), 4294967295u);
  EXPECT_EQ(WideToUnsigned(u"-1"), 4294967295u);
  EXPECT_EQ(WideToUnsigned(u"010"), 10u) << "%u is always decimal";
  EXPECT_EQ(TextToHex("ff"), 255u);
  EXPECT_EQ(TextToHex("0x41"), 65u);
  EXPECT_EQ(TextToInt("0x10"), 16);
}

TEST(WideText, FloatsReadLikeScanfPercentF) {
  EXPECT_FLOAT_EQ(WideToFloat(u"1.5"), 1.5f);
  EXPECT_FLOAT_EQ(WideToFloat(u" -0.25e1"), -2.5f);
  EXPECT_FLOAT_EQ(WideToFloat(u"3"), 3.0f);
  EXPECT_FLOAT_EQ(WideToFloat(u"x"), 0.0f);
  EXPECT_FLOAT_EQ(TextToFloat("2.75 4"), 2.75f);
}
