#include "tessel/Scan.h"

#include <locale.h>

#include <cstdlib>

namespace Tessel {

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// base 0: chosen by the prefix, as "%i" does.
bool ScanInteger(std::string_view text, size_t& position, int base, uint32_t& value) {
  size_t i = position;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  bool hexPrefix = i + 2 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
                   DigitValue(text[i + 2]) < 16;
  if (base == 0) base = hexPrefix ? 16 : (i < text.size() && text[i] == '0') ? 8 : 10;
  if (base == 16 && hexPrefix) i += 2;
  size_t digitsStart = i;
  uint32_t v = 0;
  for (; i < text.size(); ++i) {
    int digit = DigitValue(text[i]);
    if (digit >= base) break;
    v = v * static_cast<uint32_t>(base) + static_cast<uint32_t>(digit);
  }
  if (i == digitsStart) return false;
  value = negative ? 0u - v : v;
  position = i;
  return true;
}

}  // namespace

bool ScanInt(std::string_view text, size_t& position, int32_t& value) {
  uint32_t v;
  if (!ScanInteger(text, position, 0, v)) return false;
  value = static_cast<int32_t>(v);
  return true;
}

bool ScanUnsigned(std::string_view text, size_t& position, uint32_t& value) {
  return ScanInteger(text, position, 10, value);
}

bool ScanHex(std::string_view text, size_t& position, uint32_t& value) { return ScanInteger(text, position, 16, value); }

bool ScanFloat(std::string_view text, size_t& position, float& value) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
  std::string copy(text.substr(position < text.size() ? position : text.size()));
  char* end = nullptr;
  float v = strtof_l(copy.c_str(), &end, cLocale);
  if (end == copy.c_str()) return false;
  value = v;
  position += static_cast<size_t>(end - copy.c_str());
  return true;
}

std::string AsciiPrefix(std::u16string_view text) {
  std::string ascii;
  ascii.reserve(text.size());
  for (char16_t u : text) {
    if (u == 0 || u >= 0x80) break;
    ascii.push_back(static_cast<char>(u));
  }
  return ascii;
}

}  // namespace Tessel
