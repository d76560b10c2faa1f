#pragma once
// Case-insensitive comparison of a name from a file with one of our ASCII
// names (kind names, element and attribute names). Only A-Z fold: the names
// are ASCII, and a unit beyond it never equals one of them.

#include <string_view>

namespace Corvanta {

constexpr char16_t FoldAscii(char16_t c) { return c >= 'A' && c <= 'Z' ? static_cast<char16_t>(c + 32) : c; }

template <typename Char>
constexpr bool EqualsNoCase(std::basic_string_view<Char> name, std::string_view ascii) {
  if (name.size() != ascii.size()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    // A char above 0x7F must not fold into ASCII: compare unsigned units.
    char16_t a = sizeof(Char) == 1 ? static_cast<unsigned char>(name[i]) : static_cast<char16_t>(name[i]);
    if (FoldAscii(a) != FoldAscii(static_cast<unsigned char>(ascii[i]))) return false;
  }
  return true;
}

inline bool EqualsNoCase(std::string_view name, std::string_view ascii) { return EqualsNoCase<char>(name, ascii); }
inline bool EqualsNoCase(std::u16string_view name, std::string_view ascii) {
  return EqualsNoCase<char16_t>(name, ascii);
}

}  // namespace Corvanta
