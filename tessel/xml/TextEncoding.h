#pragma once
// The byte encodings of the data files: UTF-8, UTF-16 in either byte order and
// Windows-1251, decoded into and encoded from 16-bit code units.
//
// Decoding never stops early: a byte sequence that is invalid, a character
// outside the 16-bit range, a lone surrogate and a NUL all become U+FFFD, so a
// damaged file can never look shorter than it is.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace Tessel {

enum TextEncoding {
  ENCODING_None = 0,  // not known yet, or unsupported
  ENCODING_Utf8 = 1,
  ENCODING_Utf16LE = 2,
  ENCODING_Utf16BE = 3,
  ENCODING_Windows1251 = 4,
};

constexpr char16_t ReplacementCharacter = 0xFFFD;

// Decodes all of bytes; out must hold at least DecodedCapacity units.
// Returns the number of units written (no terminator).
size_t DecodeText(TextEncoding encoding, const uint8_t* bytes, size_t size, char16_t* out);
size_t DecodedCapacity(TextEncoding encoding, size_t size);
std::u16string DecodeText(TextEncoding encoding, std::string_view bytes);

// Appends the encoded units; Windows-1251 writes "?" for what it cannot encode.
void EncodeText(TextEncoding encoding, std::u16string_view text, std::string& out);

// The Windows-1251 character of a byte of 0x80 or more (0 for the unassigned 0x98).
char16_t Windows1251ToUnicode(uint8_t byte);

}  // namespace Tessel
