#pragma once
// Format and FormatWide: printf-style formatting, checked.
//
// Format strings come from content files (the text table, money patterns),
// so a stray conversion must never read garbage: every argument is captured
// with its type, each conversion takes the next argument and prints it only
// when its kind fits (a number for "%i %u %x %f %c %p", a text for "%s"), and
// a conversion without a fitting argument prints nothing. There is no "%n".
//
// The conversions follow the Windows printf family the texts were written
// for: "%s" is the format's own width (8-bit in Format, wide in FormatWide),
// "%hs" always 8-bit, "%ls" always wide (texts of the other width are
// converted), "%l" is 32-bit, "%I64" and "%ll" are 64-bit. Numbers are written
// in the "C" locale. Results are limited to 4095 characters (Format) and 2047
// units (FormatWide). Nothing is shared between threads.

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "tessel/Strings.h"
#include "tessel/WideText.h"

namespace Tessel {

struct FormatArg {
  enum Kind : uint8_t { FA_None, FA_Signed, FA_Unsigned, FA_Float, FA_Text, FA_WideText, FA_Pointer };

  FormatArg() : Type(FA_None), Signed(0) {}
  FormatArg(bool v) : Type(FA_Signed), Signed(v) {}
  FormatArg(char v) : Type(FA_Signed), Signed(v) {}
  FormatArg(signed char v) : Type(FA_Signed), Signed(v) {}
  FormatArg(unsigned char v) : Type(FA_Unsigned), Unsigned(v) {}
  FormatArg(char16_t v) : Type(FA_Unsigned), Unsigned(v) {}
  FormatArg(short v) : Type(FA_Signed), Signed(v) {}
  FormatArg(unsigned short v) : Type(FA_Unsigned), Unsigned(v) {}
  FormatArg(int v) : Type(FA_Signed), Signed(v) {}
  FormatArg(unsigned v) : Type(FA_Unsigned), Unsigned(v) {}
  FormatArg(long v) : Type(FA_Signed), Signed(v) {}
  FormatArg(unsigned long v) : Type(FA_Unsigned), Unsigned(v) {}
  FormatArg(long long v) : Type(FA_Signed), Signed(v) {}
  FormatArg(unsigned long long v) : Type(FA_Unsigned), Unsigned(v) {}
  FormatArg(float v) : Type(FA_Float), Float(v) {}
  FormatArg(double v) : Type(FA_Float), Float(v) {}
  FormatArg(const char* v) : Type(FA_Text), Text(v ? v : nullptr), Length(v ? std::char_traits<char>::length(v) : 0) {}
  FormatArg(const String& v) : Type(FA_Text), Text(v.CStr()), Length(v.GetLength()) {}
  FormatArg(const std::string& v) : Type(FA_Text), Text(v.data()), Length(v.size()) {}
  FormatArg(std::string_view v) : Type(FA_Text), Text(v.data()), Length(v.size()) {}
  FormatArg(const char16_t* v)
      : Type(FA_WideText), WideText(v), Length(v ? std::char_traits<char16_t>::length(v) : 0) {}
  FormatArg(const WideString& v) : Type(FA_WideText), WideText(v.data()), Length(v.size()) {}
  FormatArg(std::u16string_view v) : Type(FA_WideText), WideText(v.data()), Length(v.size()) {}
  FormatArg(const void* v) : Type(FA_Pointer), Pointer(v) {}
  FormatArg(std::nullptr_t) : Type(FA_Pointer), Pointer(nullptr) {}
  template <typename E, typename = std::enable_if_t<std::is_enum_v<E>>>
  FormatArg(E v) : FormatArg(static_cast<std::underlying_type_t<E>>(v)) {}

  Kind Type;
  union {
    int64_t Signed;
    uint64_t Unsigned;
    double Float;
    const char* Text;
    const char16_t* WideText;
    const void* Pointer;
  };
  size_t Length = 0;  // of Text or WideText; a null text prints "(null)"
};

// The engines behind the templates; args holds count entries.
String FormatArgs(std::string_view format, const FormatArg* args, int count);
WideString FormatWideArgs(std::u16string_view format, const FormatArg* args, int count);
// Appends instead of returning, without the length limit (for builders).
void AppendFormatArgs(std::string& out, std::string_view format, const FormatArg* args, int count);

template <typename... Args>
String Format(std::string_view format, const Args&... args) {
  const FormatArg list[] = {FormatArg(args)..., FormatArg()};
  return FormatArgs(format, list, static_cast<int>(sizeof...(Args)));
}
template <typename... Args>
String Format(const String& format, const Args&... args) {
  return Format(format.View(), args...);
}
template <typename... Args>
String Format(const char* format, const Args&... args) {
  return Format(std::string_view(format ? format : ""), args...);
}

template <typename... Args>
WideString FormatWide(std::u16string_view format, const Args&... args) {
  const FormatArg list[] = {FormatArg(args)..., FormatArg()};
  return FormatWideArgs(format, list, static_cast<int>(sizeof...(Args)));
}
template <typename... Args>
WideString FormatWide(const WideString& format, const Args&... args) {
  return FormatWide(std::u16string_view(format), args...);
}
template <typename... Args>
WideString FormatWide(const char16_t* format, const Args&... args) {
  return FormatWide(std::u16string_view(format ? format : u""), args...);
}

template <typename... Args>
void AppendFormat(std::string& out, std::string_view format, const Args&... args) {
  const FormatArg list[] = {FormatArg(args)..., FormatArg()};
  AppendFormatArgs(out, format, list, static_cast<int>(sizeof...(Args)));
}

}  // namespace Tessel
