#pragma once
// Money as the player reads it: digits in groups of three with the locale's
// separator, wrapped in the currency pattern of the text table; and the
// price steps every shown price is rounded to.

#include <cstdint>

#include "tessel/WideText.h"

namespace Tessel {

class LocalizedText;

struct CurrencyLocale {
  WideString GroupSeparator;                // "Locale.CurrencyGroupSeparator"
  WideString PositivePattern = u"$%ls";     // "Locale.CurrencyPositivePattern"
  WideString NegativePattern = u"-$%ls";    // "Locale.CurrencyNegativePattern"
};

// Read once, on the main thread, after the text table has loaded.
void ReadCurrencyLocale(const LocalizedText& texts);
void SetCurrencyLocale(const CurrencyLocale& locale);
const CurrencyLocale& GetCurrencyLocale();

// Plain: only the digits (and "-" when negative), without the pattern.
WideString FormatMoney(int32_t amount, bool plain = false);
WideString FormatMoney64(uint64_t amount);
// Rounds to the nearest step of the amount's price band (halves away from 0).
int RoundPrice(int amount);

}  // namespace Tessel
