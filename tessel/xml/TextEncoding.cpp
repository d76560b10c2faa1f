#include "tessel/xml/TextEncoding.h"

#include <array>

#include "tessel/WideText.h"

namespace Tessel {

namespace {

constexpr char16_t HighHalf[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0000, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, 0x0410,
    0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
    0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A,
    0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444,
    0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

// A NUL would end the decoded buffer early, so it is replaced as well.
inline char16_t Checked(char16_t unit) { return unit == 0 ? ReplacementCharacter : unit; }

inline bool IsContinuation(uint8_t byte) { return (byte & 0xC0) == 0x80; }

size_t DecodeUtf8(const uint8_t* p, size_t size, char16_t* out) {
  const uint8_t* end = p + size;
  char16_t* start = out;
  while (p < end) {
    uint8_t b = *p;
    if (b < 0x80) {
      *out++ = Checked(b);
      ++p;
    } else if ((b & 0xE0) == 0xC0) {
      if (p + 1 < end && IsContinuation(p[1])) {
        *out++ = Checked(static_cast<char16_t>(((b & 0x1F) << 6) | (p[1] & 0x3F)));
        p += 2;
      } else {
        *out++ = ReplacementCharacter;  // the next byte starts the next character
        ++p;
      }
    } else if ((b & 0xF0) == 0xE0) {
      if (p + 2 < end && IsContinuation(p[1]) && IsContinuation(p[2])) {
        *out++ = Checked(static_cast<char16_t>(((b & 0x0F) << 12) | ((p[1] & 0x3F) << 6) | (p[2] & 0x3F)));
        p += 3;
      } else {
        // A truncated sequence: one replacement for the lead and the
        // continuation bytes it had.
        *out++ = ReplacementCharacter;
        ++p;
        for (int i = 0; i < 2 && p < end && IsContinuation(*p); ++i) ++p;
      }
    } else if ((b & 0xF8) == 0xF0) {
      // Outside the 16-bit range: one replacement for the whole sequence.
      ++p;
      for (int i = 0; i < 3 && p < end && IsContinuation(*p); ++i) ++p;
      *out++ = ReplacementCharacter;
    } else {
      *out++ = ReplacementCharacter;  // a stray continuation byte or 11111xxx
      ++p;
    }
  }
  return static_cast<size_t>(out - start);
}

template <bool BigEndian>
size_t DecodeUtf16(const uint8_t* p, size_t size, char16_t* out) {
  char16_t* start = out;
  size_t pairs = size / 2;
  for (size_t i = 0; i < pairs; ++i, p += 2) {
    char16_t unit = BigEndian ? static_cast<char16_t>(p[0] << 8 | p[1]) : static_cast<char16_t>(p[1] << 8 | p[0]);
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      // A supplementary character: its low surrogate goes with it.
      if (i + 1 < pairs) {
        char16_t next = BigEndian ? static_cast<char16_t>(p[2] << 8 | p[3]) : static_cast<char16_t>(p[3] << 8 | p[2]);
        if (next >= 0xDC00 && next <= 0xDFFF) {
          ++i;
          p += 2;
        }
      }
      unit = ReplacementCharacter;
    } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
      unit = ReplacementCharacter;
    }
    *out++ = Checked(unit);
  }
  if (size % 2) *out++ = ReplacementCharacter;  // a dangling byte at the end
  return static_cast<size_t>(out - start);
}

size_t DecodeWindows1251(const uint8_t* p, size_t size, char16_t* out) {
  for (size_t i = 0; i < size; ++i) out[i] = Checked(p[i] < 0x80 ? p[i] : HighHalf[p[i] - 0x80]);
  return size;
}

// Reverse table for the writer: the byte of every character of the high half.
struct ReverseWindows1251 {
  std::array<std::pair<char16_t, uint8_t>, 127> Entries{};
  ReverseWindows1251() {
    int n = 0;
    for (int b = 0x80; b < 0x100; ++b)
      if (HighHalf[b - 0x80] != 0) Entries[n++] = {HighHalf[b - 0x80], static_cast<uint8_t>(b)};
  }
  int Find(char16_t unit) const {
    for (const auto& e : Entries)
      if (e.first == unit) return e.second;
    return -1;
  }
};

}  // namespace

char16_t Windows1251ToUnicode(uint8_t byte) { return byte < 0x80 ? byte : HighHalf[byte - 0x80]; }

size_t DecodedCapacity(TextEncoding encoding, size_t size) {
  if (encoding == ENCODING_Utf16LE || encoding == ENCODING_Utf16BE) return size / 2 + 1;
  return size;
}

size_t DecodeText(TextEncoding encoding, const uint8_t* bytes, size_t size, char16_t* out) {
  switch (encoding) {
    case ENCODING_Utf8: return DecodeUtf8(bytes, size, out);
    case ENCODING_Utf16LE: return DecodeUtf16<false>(bytes, size, out);
    case ENCODING_Utf16BE: return DecodeUtf16<true>(bytes, size, out);
    case ENCODING_Windows1251: return DecodeWindows1251(bytes, size, out);
    default: return 0;
  }
}

std::u16string DecodeText(TextEncoding encoding, std::string_view bytes) {
  std::u16string text(DecodedCapacity(encoding, bytes.size()), u'\0');
  size_t n = DecodeText(encoding, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), text.data());
  text.resize(n);
  return text;
}

void EncodeText(TextEncoding encoding, std::u16string_view text, std::string& out) {
  switch (encoding) {
    case ENCODING_Utf16LE:
      for (char16_t u : text) {
        out.push_back(static_cast<char>(u & 0xFF));
        out.push_back(static_cast<char>(u >> 8));
      }
      break;
    case ENCODING_Utf16BE:
      for (char16_t u : text) {
        out.push_back(static_cast<char>(u >> 8));
        out.push_back(static_cast<char>(u & 0xFF));
      }
      break;
    case ENCODING_Windows1251: {
      static const ReverseWindows1251 reverse;
      for (char16_t u : text) {
        if (u < 0x80) {
          out.push_back(static_cast<char>(u));
        } else {
          int b = reverse.Find(u);
          out.push_back(b < 0 ? '?' : static_cast<char>(b));
        }
      }
      break;
    }
    default:
      AppendUtf8(text, out);
      break;
  }
}

}  // namespace Tessel
