#include "tessel/WideText.h"

#include "tessel/Scan.h"

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
  AppendUtf8(text, out);
  return out;
}

void AppendUtf8(std::u16string_view text, std::string& out) {
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
}


bool EqualsNoCase(std::u16string_view text, std::string_view ascii) {
  if (text.size() != ascii.size()) return false;
  auto fold = [](char32_t c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
  for (size_t i = 0; i < text.size(); ++i)
    if (fold(text[i]) != fold(static_cast<unsigned char>(ascii[i]))) return false;
  return true;
}

namespace {

template <typename T, typename Scanner>
T ScanOrZero(std::string_view text, Scanner scan) {
  size_t position = 0;
  T value{};
  return scan(text, position, value) ? value : T{};
}

}  // namespace

int32_t WideToInt(std::u16string_view text) { return ScanOrZero<int32_t>(AsciiPrefix(text), ScanInt); }
uint32_t WideToUnsigned(std::u16string_view text) { return ScanOrZero<uint32_t>(AsciiPrefix(text), ScanUnsigned); }
float WideToFloat(std::u16string_view text) { return ScanOrZero<float>(AsciiPrefix(text), ScanFloat); }
int32_t TextToInt(std::string_view text) { return ScanOrZero<int32_t>(text, ScanInt); }
float TextToFloat(std::string_view text) { return ScanOrZero<float>(text, ScanFloat); }
uint32_t TextToHex(std::string_view text) { return ScanOrZero<uint32_t>(text, ScanHex); }
uint32_t WideToHex(std::u16string_view text) { return ScanOrZero<uint32_t>(AsciiPrefix(text), ScanHex); }

}  // namespace Tessel
