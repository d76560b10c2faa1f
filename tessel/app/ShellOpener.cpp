#include "tessel/app/ShellOpener.h"

#include <filesystem>

#include "tessel/Format.h"

namespace Tessel {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

}  // namespace

bool IsOpenableAddress(std::string_view address) {
  size_t schemeLength = 0;
  for (std::string_view scheme : {"http://", "https://", "file://"}) {
    if (StartsWithNoCase(address, scheme)) schemeLength = scheme.size();
  }
  if (schemeLength == 0 || address.size() == schemeLength) return false;
  for (char c : address) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u <= 0x20 || u >= 0x7F || c == '"' || c == '\'' || c == '`' || c == '\\') return false;
  }
  return true;
}

bool IsWebAddress(std::string_view address) {
  return (StartsWithNoCase(address, "http://") || StartsWithNoCase(address, "https://")) && IsOpenableAddress(address);
}

String FileAddressOf(const String& path) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path.CStr(), error);
  std::string full = error ? std::string(path.CStr()) : absolute.lexically_normal().string();
  std::string address = "file://";
  for (char c : full) {
    unsigned char u = static_cast<unsigned char>(c);
    bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/' || c == '-' ||
                 c == '.' || c == '_' || c == '~';
    if (plain) {
      address += c;
    } else {
      AppendFormat(address, "%%%02X", static_cast<unsigned>(u));
    }
  }
  return String(address);
}

}  // namespace Tessel
