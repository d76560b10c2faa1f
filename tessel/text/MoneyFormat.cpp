#include "tessel/text/MoneyFormat.h"

#include <cmath>

#include "tessel/Format.h"
#include "tessel/text/LocalizedText.h"

namespace Tessel {

namespace {

CurrencyLocale& Locale() {
  static CurrencyLocale locale;
  return locale;
}

// Digits with a separator between groups of three, most significant first.
WideString GroupDigits(uint64_t value, const WideString& separator) {
  uint64_t groups[8];
  int count = 0;
  do {
    groups[count++] = value % 1000;
    value /= 1000;
  } while (value > 0);
  WideString text = FormatWide(u"%I64u", groups[count - 1]);
  for (int i = count - 2; i >= 0; --i) {
    text += separator;
    text += FormatWide(u"%03I64u", groups[i]);
  }
  return text;
}

}  // namespace

void ReadCurrencyLocale(const LocalizedText& texts) {
  CurrencyLocale locale;
  locale.GroupSeparator = texts.GetText(String("Locale.CurrencyGroupSeparator"), WideString());
  locale.PositivePattern = texts.GetText(String("Locale.CurrencyPositivePattern"), locale.PositivePattern);
  locale.NegativePattern = texts.GetText(String("Locale.CurrencyNegativePattern"), locale.NegativePattern);
  SetCurrencyLocale(locale);
}

void SetCurrencyLocale(const CurrencyLocale& locale) { Locale() = locale; }
const CurrencyLocale& GetCurrencyLocale() { return Locale(); }

WideString FormatMoney(int32_t amount, bool plain) {
  const CurrencyLocale& locale = Locale();
  bool negative = amount < 0;
  // 64-bit magnitude: the most negative amount has no 32-bit opposite.
  uint64_t magnitude = negative ? 0ull - static_cast<uint64_t>(static_cast<int64_t>(amount)) : amount;
  WideString digits = GroupDigits(magnitude, locale.GroupSeparator);
  if (plain) return negative ? FormatWide(u"-%ls", digits) : digits;
  return FormatWide(negative ? locale.NegativePattern : locale.PositivePattern, digits);
}

WideString FormatMoney64(uint64_t amount) {
  const CurrencyLocale& locale = Locale();
  return FormatWide(locale.PositivePattern, GroupDigits(amount, locale.GroupSeparator));
}

int RoundPrice(int amount) {
  struct Band {
    int Below, Step;
  };
  static constexpr Band Bands[] = {
      {50, 1},         {100, 2},        {250, 5},         {500, 10},        {1000, 25},     {2500, 50},
      {5000, 100},     {10000, 250},    {25000, 500},     {50000, 1000},    {100000, 2500}, {250000, 5000},
      {500000, 10000}, {1000000, 25000}, {2500000, 50000}, {5000000, 100000}, {10000000, 250000},
  };
  int step = 500000;
  for (const Band& band : Bands) {
    if (amount < band.Below) {
      step = band.Step;
      break;
    }
  }
  float quotient = static_cast<float>(amount) / static_cast<float>(step);
  return step * static_cast<int>(std::round(quotient));
}

}  // namespace Tessel
