#include "tessel/Format.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>

namespace Tessel {

namespace {

constexpr int NarrowLimit = 4095;  // characters of a Format result
constexpr int WideLimit = 2047;    // units of a FormatWide result
constexpr int MaxWidth = 4096;     // wider fields could never be shown
constexpr int MaxPrecision = 400;

// Output with a length limit; characters beyond it are dropped.
template <typename CharT>
struct Output {
  std::basic_string<CharT>& Text;
  size_t Limit;

  void Put(CharT c) {
    if (Text.size() < Limit) Text.push_back(c);
  }
  void Repeat(CharT c, int n) {
    for (int i = 0; i < n; ++i) Put(c);
  }
  // 8-bit characters into either width (sign extension into wide text).
  void PutNarrow(const char* s, size_t n) {
    for (size_t i = 0; i < n; ++i) {
      if constexpr (sizeof(CharT) == 1) {
        Put(s[i]);
      } else {
        Put(static_cast<CharT>(static_cast<int16_t>(static_cast<signed char>(s[i]))));
      }
    }
  }
  // Wide units into either width (low 8 bits into 8-bit text).
  void PutWide(const char16_t* s, size_t n) {
    for (size_t i = 0; i < n; ++i) Put(static_cast<CharT>(sizeof(CharT) == 1 ? (s[i] & 0xFF) : s[i]));
  }
};

struct Spec {
  bool LeftAlign = false, Plus = false, Space = false, Alternate = false, ZeroPad = false;
  int Width = 0;
  int Precision = -1;  // -1: none given
  int Bits = 32;       // integer size selected by the length modifier
  char Conversion = 0;
};

// The next argument, if any remain.
struct ArgCursor {
  const FormatArg* Args;
  int Count;
  int Next = 0;
  const FormatArg* Take() { return Next < Count ? &Args[Next++] : nullptr; }
};

bool IsNumber(const FormatArg* a) {
  return a && (a->Type == FormatArg::FA_Signed || a->Type == FormatArg::FA_Unsigned ||
               a->Type == FormatArg::FA_Float || a->Type == FormatArg::FA_Pointer);
}

int64_t AsInteger(const FormatArg& a) {
  switch (a.Type) {
    case FormatArg::FA_Signed: return a.Signed;
    case FormatArg::FA_Unsigned: return static_cast<int64_t>(a.Unsigned);
    case FormatArg::FA_Float: {
      double v = a.Float;
      if (!(v == v)) return 0;
      if (v >= 9.2e18) return INT64_MAX;
      if (v <= -9.2e18) return INT64_MIN;
      return static_cast<int64_t>(v);
    }
    case FormatArg::FA_Pointer: return static_cast<int64_t>(reinterpret_cast<uintptr_t>(a.Pointer));
    default: return 0;
  }
}

double AsFloat(const FormatArg& a) {
  switch (a.Type) {
    case FormatArg::FA_Float: return a.Float;
    case FormatArg::FA_Signed: return static_cast<double>(a.Signed);
    case FormatArg::FA_Unsigned: return static_cast<double>(a.Unsigned);
    default: return 0;
  }
}

// A number spelled out with its sign (or prefix) and padding.
template <typename CharT>
void PutPadded(Output<CharT>& out, const Spec& spec, std::string_view prefix, std::string_view digits,
               int zeroes = 0) {
  int length = static_cast<int>(prefix.size() + digits.size()) + zeroes;
  int padding = std::max(0, spec.Width - length);
  if (!spec.LeftAlign && !spec.ZeroPad) out.Repeat(' ', padding);
  out.PutNarrow(prefix.data(), prefix.size());
  if (!spec.LeftAlign && spec.ZeroPad) out.Repeat('0', padding);
  out.Repeat('0', zeroes);
  out.PutNarrow(digits.data(), digits.size());
  if (spec.LeftAlign) out.Repeat(' ', padding);
}

template <typename CharT>
void PutInteger(Output<CharT>& out, Spec spec, const FormatArg& arg) {
  int64_t raw = AsInteger(arg);
  bool isSigned = spec.Conversion == 'd' || spec.Conversion == 'i';
  uint64_t mask = spec.Bits >= 64 ? ~0ull : (1ull << spec.Bits) - 1;
  uint64_t magnitude = static_cast<uint64_t>(raw) & mask;
  bool negative = false;
  if (isSigned && spec.Bits < 64 && (magnitude >> (spec.Bits - 1)) & 1) {
    negative = true;
    magnitude = (~magnitude + 1) & mask;
  } else if (isSigned && spec.Bits >= 64 && raw < 0) {
    negative = true;
    magnitude = 0ull - static_cast<uint64_t>(raw);
  }

  int base = 10;
  if (spec.Conversion == 'x' || spec.Conversion == 'X' || spec.Conversion == 'p') base = 16;
  if (spec.Conversion == 'o') base = 8;

  char buffer[72];
  int n = 0;
  if (!(magnitude == 0 && spec.Precision == 0)) {
    const char* digitSet = spec.Conversion == 'X' ? "0123456789ABCDEF" : "0123456789abcdef";
    do {
      buffer[n++] = digitSet[magnitude % static_cast<unsigned>(base)];
      magnitude /= static_cast<unsigned>(base);
    } while (magnitude);
  }
  std::reverse(buffer, buffer + n);
  std::string_view digits(buffer, n);

  std::string prefix;
  if (negative) {
    prefix = "-";
  } else if (isSigned && spec.Plus) {
    prefix = "+";
  } else if (isSigned && spec.Space) {
    prefix = " ";
  }
  bool nonZero = static_cast<uint64_t>(raw) & mask;
  if (spec.Conversion == 'p') prefix = "0x";
  if (spec.Alternate && nonZero && spec.Conversion == 'x') prefix = "0x";
  if (spec.Alternate && nonZero && spec.Conversion == 'X') prefix = "0X";
  int zeroes = spec.Precision > n ? spec.Precision - n : 0;
  if (spec.Alternate && spec.Conversion == 'o' && zeroes == 0 && (n == 0 || buffer[0] != '0')) zeroes = 1;
  if (spec.Precision >= 0) spec.ZeroPad = false;  // a precision overrides the 0 flag
  PutPadded(out, spec, prefix, digits, zeroes);
}

template <typename CharT>
void PutFloat(Output<CharT>& out, Spec spec, const FormatArg& arg) {
  double value = AsFloat(arg);
  bool negative = std::signbit(value) && !(value != value);
  double magnitude = negative ? -value : value;
  int precision = spec.Precision < 0 ? 6 : std::min(spec.Precision, MaxPrecision);
  char lower = static_cast<char>(spec.Conversion | 0x20);

  char buffer[MaxPrecision + 400];
  std::to_chars_result result{buffer, std::errc()};
  char* end = buffer + sizeof buffer;
  char* start = buffer;
  if (lower == 'f') {
    result = std::to_chars(buffer, end, magnitude, std::chars_format::fixed, precision);
  } else if (lower == 'e') {
    result = std::to_chars(buffer, end, magnitude, std::chars_format::scientific, precision);
  } else if (lower == 'g') {
    result = std::to_chars(buffer, end, magnitude, std::chars_format::general, precision == 0 ? 1 : precision);
  } else {  // 'a'
    buffer[0] = '0';
    buffer[1] = 'x';
    result = spec.Precision < 0 ? std::to_chars(buffer + 2, end, magnitude, std::chars_format::hex)
                                : std::to_chars(buffer + 2, end, magnitude, std::chars_format::hex, precision);
  }
  if (result.ec != std::errc()) return;
  if (spec.Conversion >= 'A' && spec.Conversion <= 'Z')
    for (char* p = start; p < result.ptr; ++p) *p = static_cast<char>(std::toupper(static_cast<unsigned char>(*p)));

  std::string_view digits(start, result.ptr - start);
  std::string_view prefix = negative ? "-" : spec.Plus ? "+" : spec.Space ? " " : "";
  if (!(magnitude - magnitude == 0)) spec.ZeroPad = false;  // inf and nan are not zero-padded
  PutPadded(out, spec, prefix, digits);
}

template <typename CharT>
void PutText(Output<CharT>& out, const Spec& spec, const FormatArg& arg) {
  size_t length = arg.Length;
  bool isNull = arg.Type == FormatArg::FA_Text ? arg.Text == nullptr : arg.WideText == nullptr;
  if (isNull) length = 6;  // "(null)"
  if (spec.Precision >= 0) length = std::min(length, static_cast<size_t>(spec.Precision));
  int padding = std::max(0, spec.Width - static_cast<int>(std::min<size_t>(length, MaxWidth)));
  if (!spec.LeftAlign) out.Repeat(' ', padding);
  if (isNull) {
    out.PutNarrow("(null)", length);
  } else if (arg.Type == FormatArg::FA_Text) {
    out.PutNarrow(arg.Text, length);
  } else {
    out.PutWide(arg.WideText, length);
  }
  if (spec.LeftAlign) out.Repeat(' ', padding);
}

template <typename CharT>
void PutCharacter(Output<CharT>& out, const Spec& spec, const FormatArg& arg) {
  int64_t code = AsInteger(arg);
  int padding = std::max(0, spec.Width - 1);
  if (!spec.LeftAlign) out.Repeat(' ', padding);
  if constexpr (sizeof(CharT) == 1) {
    out.Put(static_cast<char>(code & 0xFF));
  } else {
    // "%hc" is an 8-bit character, widened like every 8-bit text.
    bool narrow = spec.Bits == 16;
    out.Put(narrow ? static_cast<char16_t>(static_cast<int16_t>(static_cast<signed char>(code & 0xFF)))
                   : static_cast<char16_t>(code & 0xFFFF));
  }
  if (spec.LeftAlign) out.Repeat(' ', padding);
}

// Reads "*" or digits; "*" takes an integer argument (none fitting: 0).
template <typename CharT>
int ReadCount(const CharT*& p, const CharT* end, ArgCursor& args, bool& fromArgument) {
  fromArgument = false;
  if (p < end && *p == '*') {
    ++p;
    fromArgument = true;
    const FormatArg* a = args.Take();
    if (!a || a->Type == FormatArg::FA_Text || a->Type == FormatArg::FA_WideText || a->Type == FormatArg::FA_None)
      return 0;
    int64_t v = AsInteger(*a);
    return static_cast<int>(std::clamp<int64_t>(v, -MaxWidth, MaxWidth));
  }
  int value = 0;
  for (; p < end && *p >= '0' && *p <= '9'; ++p) value = std::min(value * 10 + (*p - '0'), MaxWidth * 10);
  return value;
}

template <typename CharT>
void FormatInto(Output<CharT>& out, std::basic_string_view<CharT> format, const FormatArg* list, int count) {
  ArgCursor args{list, count};
  const CharT* p = format.data();
  const CharT* end = p + format.size();
  while (p < end) {
    if (*p != '%') {
      out.Put(*p++);
      continue;
    }
    ++p;
    if (p < end && *p == '%') {
      out.Put('%');
      ++p;
      continue;
    }
    Spec spec;
    for (; p < end; ++p) {
      if (*p == '-') spec.LeftAlign = true;
      else if (*p == '+') spec.Plus = true;
      else if (*p == ' ') spec.Space = true;
      else if (*p == '#') spec.Alternate = true;
      else if (*p == '0') spec.ZeroPad = true;
      else break;
    }
    bool fromArgument = false;
    spec.Width = ReadCount(p, end, args, fromArgument);
    if (spec.Width < 0) {
      spec.LeftAlign = true;
      spec.Width = -spec.Width;
    }
    spec.Width = std::min(spec.Width, MaxWidth);
    if (p < end && *p == '.') {
      ++p;
      spec.Precision = ReadCount(p, end, args, fromArgument);
      if (spec.Precision < 0) spec.Precision = -1;
    }
    // Length modifiers: "l" is 32-bit as on Windows; "I64", "ll", "j", "q" are 64.
    while (p < end) {
      if (*p == 'h') {
        spec.Bits = spec.Bits == 16 ? 8 : 16;
        ++p;
      } else if (*p == 'l' || *p == 'w') {
        if (p + 1 < end && p[1] == 'l') {
          spec.Bits = 64;
          p += 2;
        } else {
          ++p;
        }
      } else if (*p == 'L' || *p == 'j' || *p == 'q' || *p == 'z' || *p == 't') {
        spec.Bits = 64;
        ++p;
      } else if (*p == 'I') {
        if (end - p >= 3 && p[1] == '6' && p[2] == '4') {
          spec.Bits = 64;
          p += 3;
        } else if (end - p >= 3 && p[1] == '3' && p[2] == '2') {
          spec.Bits = 32;
          p += 3;
        } else {
          spec.Bits = 64;  // pointer-sized
          ++p;
        }
      } else {
        break;
      }
    }
    if (p >= end) break;  // an unfinished conversion prints nothing
    CharT c = *p++;
    spec.Conversion = c < 0x80 ? static_cast<char>(c) : 0;
    switch (spec.Conversion) {
      case 'd': case 'i': case 'u': case 'o': case 'x': case 'X': case 'p': {
        const FormatArg* a = args.Take();
        if (spec.Conversion == 'p') spec.Bits = 64;
        if (IsNumber(a)) PutInteger(out, spec, *a);
        break;
      }
      case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': case 'a': case 'A': {
        const FormatArg* a = args.Take();
        if (IsNumber(a) && a->Type != FormatArg::FA_Pointer) PutFloat(out, spec, *a);
        break;
      }
      case 'c': case 'C': {
        const FormatArg* a = args.Take();
        if (IsNumber(a) && a->Type != FormatArg::FA_Float) PutCharacter(out, spec, *a);
        break;
      }
      case 's': case 'S': {
        const FormatArg* a = args.Take();
        if (a && (a->Type == FormatArg::FA_Text || a->Type == FormatArg::FA_WideText)) PutText(out, spec, *a);
        break;
      }
      default:
        // "%n" and unknown conversions print nothing and take no argument.
        break;
    }
  }
}

}  // namespace

String FormatArgs(std::string_view format, const FormatArg* args, int count) {
  std::string text;
  Output<char> out{text, NarrowLimit};
  FormatInto<char>(out, format, args, count);
  return String(text.data(), text.size());
}

WideString FormatWideArgs(std::u16string_view format, const FormatArg* args, int count) {
  WideString text;
  Output<char16_t> out{text, WideLimit};
  FormatInto<char16_t>(out, format, args, count);
  return text;
}

void AppendFormatArgs(std::string& text, std::string_view format, const FormatArg* args, int count) {
  Output<char> out{text, std::string::npos};
  FormatInto<char>(out, format, args, count);
}

}  // namespace Tessel
