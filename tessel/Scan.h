#pragma once
// Numbers read as scanf reads them, always in the "C" locale: one conversion
// at a position, which moves past what was read. Leading white space is
// skipped; when no number stands there the position stays and false is
// returned (scanf's matching failure).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace Tessel {

// "%i": 0x selects hexadecimal, a leading 0 octal; the value wraps to 32 bits.
bool ScanInt(std::string_view text, size_t& position, int32_t& value);
// "%u": decimal, a sign is allowed and wraps.
bool ScanUnsigned(std::string_view text, size_t& position, uint32_t& value);
// "%x": hexadecimal with an optional 0x prefix.
bool ScanHex(std::string_view text, size_t& position, uint32_t& value);
// "%f".
bool ScanFloat(std::string_view text, size_t& position, float& value);

// scanf's view of wide text: its ASCII start (anything else ends a number).
std::string AsciiPrefix(std::u16string_view text);

}  // namespace Tessel
