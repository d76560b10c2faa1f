#pragma once
// Wide text: everything the player sees, XML names and values and text-table
// cells are strings of 16-bit code units (UCS-2). wchar_t is 32-bit on Linux,
// so the framework uses char16_t throughout.

#include <cstdint>
#include <string>
#include <string_view>

#include "tessel/Strings.h"

namespace Tessel {

using WideString = std::u16string;
using WideChar = char16_t;

// u"" literals read better than u16string(u"..."), and keep ASCII keys short.
WideString Widen(std::string_view text);  // same rule as ToWide

// 8-bit to wide: each byte becomes one unit by sign extension (0xE9 -> 0xFFE9).
WideString ToWide(const String& text);
WideString ToWide(const char* text);
// Wide to 8-bit: each unit keeps its low 8 bits.
String ToNarrow(std::u16string_view text);
// Wide to UTF-8 in one to three bytes per unit.
std::string ToUtf8(std::u16string_view text);
void AppendUtf8(std::u16string_view text, std::string& out);

// Case-insensitive (ASCII letters) comparison with an ASCII name, as the
// loaders compare element and attribute names.
bool EqualsNoCase(std::u16string_view text, std::string_view ascii);

// Numbers as scanf reads them, in the "C" locale whatever the process locale:
// "%i" (0x prefix hexadecimal, leading 0 octal, wrapping to 32 bits), "%u" and
// "%f". Text that does not parse gives 0.
int32_t WideToInt(std::u16string_view text);
uint32_t WideToUnsigned(std::u16string_view text);
float WideToFloat(std::u16string_view text);
int32_t TextToInt(std::string_view text);
float TextToFloat(std::string_view text);
// "%x": hexadecimal digits with an optional 0x prefix.
uint32_t TextToHex(std::string_view text);
uint32_t WideToHex(std::u16string_view text);

}  // namespace Tessel
