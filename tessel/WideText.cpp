#include "tessel/WideText.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>

namespace Tessel {

WideString Widen(std::string_view text) {
  WideString wide;
  wide.reserve(text.size());
  for (char c : text) wide.push_back(static_cast<char16_t>(static_cast<int16_t>(static_cast<signed char>(c))));
  return wide;
}

WideString ToWide(const String& text) { return Widen(text.View()); }
WideString ToWide(const char* text) { return Widen(text ? std::string_view(text) : std::string_view()); }

String ToNarrow(std::u16string_view text) {
  std::string narrow(text.size(), '\0');
  for (size_t i = 0; i < text.size(); ++i) narrow[i] = static_cast<char>(text[i] & 0xFF);
  return String(narrow.data(), narrow.size());
}

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char16_t u : text) {
    if (u < 0x80) {
      out.push_back(static_cast<char>(u));
    } else if (u < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (u >> 6)));
      out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xE0 | (u >> 12)));
      out.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
    }
  }
  return out;
}

namespace {

// scanf's view of the text: ASCII only, anything else ends the number.
std::string AsciiPrefix(std::u16string_view text) {
  std::string ascii;
  ascii.reserve(text.size());
  for (char16_t u : text) {
    if (u == 0 || u >= 0x80) break;
    ascii.push_back(static_cast<char>(u));
  }
  return ascii;
}

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// Digits in the given base (0: by prefix, as %i), accumulated modulo 2^32.
uint32_t ScanInteger(std::string_view text, int base) {
  size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  bool hexPrefix = i + 2 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
                   DigitValue(text[i + 2]) < 16;
  if (base == 0) {
    if (hexPrefix) {
      base = 16;
    } else if (i < text.size() && text[i] == '0') {
      base = 8;
    } else {
      base = 10;
    }
  }
  if (base == 16 && hexPrefix) i += 2;
  uint32_t value = 0;
  for (; i < text.size(); ++i) {
    int digit = DigitValue(text[i]);
    if (digit >= base) break;
    value = value * static_cast<uint32_t>(base) + static_cast<uint32_t>(digit);
  }
  return negative ? 0u - value : value;
}

// strtof in the "C" locale, as scanf's "%f" reads a float.
float ScanFloat(std::string_view text) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
  std::string copy(text);
  return strtof_l(copy.c_str(), nullptr, cLocale);
}

}  // namespace

int32_t WideToInt(std::u16string_view text) { return static_cast<int32_t>(ScanInteger(AsciiPrefix(text), 0)); }
uint32_t WideToUnsigned(std::u16string_view text) { return ScanInteger(AsciiPrefix(text), 10); }
float WideToFloat(std::u16string_view text) { return ScanFloat(AsciiPrefix(text)); }
int32_t TextToInt(std::string_view text) { return static_cast<int32_t>(ScanInteger(text, 0)); }
float TextToFloat(std::string_view text) { return ScanFloat(text); }
uint32_t TextToHex(std::string_view text) { return ScanInteger(text, 16); }
uint32_t WideToHex(std::u16string_view text) { return ScanInteger(AsciiPrefix(text), 16); }

}  // namespace Tessel
