#include <gtest/gtest.h>

#include "support/TempFolder.h"
#include "tessel/text/LocalizedText.h"
#include "tessel/text/MoneyFormat.h"
#include "tessel/text/ValueParsers.h"

using namespace Tessel;

namespace {

class MoneyFormatTest : public ::testing::Test {
protected:
  void TearDown() override { SetCurrencyLocale(CurrencyLocale()); }
  void UseSeparator(const char16_t* separator) {
    CurrencyLocale locale;
    locale.GroupSeparator = separator;
    SetCurrencyLocale(locale);
  }
};

}  // namespace

TEST_F(MoneyFormatTest, GroupsAndPatterns) {
  UseSeparator(u",");
  EXPECT_EQ(FormatMoney(1234567), u"$1,234,567");
  EXPECT_EQ(FormatMoney(-5), u"-$5");
  EXPECT_EQ(FormatMoney(0), u"$0");
  EXPECT_EQ(FormatMoney(1000), u"$1,000");
  EXPECT_EQ(FormatMoney(999999999), u"$999,999,999");
  EXPECT_EQ(FormatMoney(2147483647), u"$2,147,483,647");
  EXPECT_EQ(FormatMoney(-2147483647 - 1), u"-$2,147,483,648");
  EXPECT_EQ(FormatMoney(1005, true), u"1,005");
  UseSeparator(u"");
  EXPECT_EQ(FormatMoney(-1500, true), u"-1500");
}

TEST_F(MoneyFormatTest, SixtyFourBitAmounts) {
  UseSeparator(u" ");
  EXPECT_EQ(FormatMoney64(1000000000000000ull), u"$1 000 000 000 000 000");
  EXPECT_EQ(FormatMoney64(999), u"$999");
  EXPECT_EQ(FormatMoney64(1000001), u"$1 000 001");
}

TEST_F(MoneyFormatTest, TheLocaleComesFromTheTextTable) {
  Testing::TempFolder folder;
  folder.Write("Text.csv",
               "Key,English\nLocale.CurrencyGroupSeparator,.\nLocale.CurrencyPositivePattern,%ls \xA4\n"
               "Locale.CurrencyNegativePattern,-%ls \xA4\n");
  LocalizedText texts;
  texts.Load(String(folder.File("Text.csv").c_str()), String("english"));
  ReadCurrencyLocale(texts);
  EXPECT_EQ(FormatMoney(-12345), u"-12.345 \u00A4");
  // A stray conversion in a translated pattern prints nothing for it.
  CurrencyLocale broken;
  broken.PositivePattern = u"%s%n%i$";
  SetCurrencyLocale(broken);
  EXPECT_EQ(FormatMoney(5), u"5$");
}

TEST(RoundPrice, StepsOfThePriceBands) {
  struct Case {
    int Amount, Rounded;
  };
  const Case cases[] = {
      {1234, 1250}, {49, 49},     {-30, -30},     {12345678, 12500000}, {50, 50},   {51, 52},     {99, 100},
      {101, 100},   {102, 100},   {103, 105},   {1012, 1000},   {1025, 1050},         {0, 0},     {24999, 25000}, {987654, 1000000}, {962499, 950000},
  };
  for (const Case& c : cases) EXPECT_EQ(RoundPrice(c.Amount), c.Rounded) << c.Amount;
}

TEST(ValueParsers, TuplesReadLikeScanf) {
  EXPECT_TRUE(ParseBool(u"true"));
  EXPECT_TRUE(ParseBool(u"TRUE"));
  EXPECT_FALSE(ParseBool(u"yes"));
  EXPECT_FALSE(ParseBool(u""));
  EXPECT_FALSE(ParseBool(u"\u0174rue"));
  EXPECT_EQ(ParsePoint(u"12 -3"), (Point{12, -3}));
  EXPECT_EQ(ParsePoint(u"7"), (Point{7, 0})) << "missing numbers stay 0";
  EXPECT_EQ(ParsePoint(u"7,8"), (Point{7, 0}));
  EXPECT_EQ(ParsePoint(u"0x10 010"), (Point{16, 8}));
  EXPECT_EQ(ParseVector(u"1.5 -2"), (Vector2{1.5f, -2.0f}));
  EXPECT_EQ(ParseRect(u"1 2 3 4"), (Rect{1, 2, 3, 4}));
  EXPECT_EQ(ParseRect(u"  1\t2\n3"), (Rect{1, 2, 3, 0}));
  EXPECT_EQ(ParseRectF(u"0.5 0.25 10 x"), (RectF{0.5f, 0.25f, 10.0f, 0.0f}));
}
