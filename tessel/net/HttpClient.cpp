#include "tessel/net/HttpClient.h"

namespace Tessel {

namespace {

bool IsAsciiLetterOrDigit(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

}  // namespace

bool IsUsableHostName(std::string_view host) {
  if (host.empty() || host.size() > 253) return false;
  size_t labelLength = 0;
  for (char c : host) {
    if (c == '.') {
      if (labelLength == 0) return false;
      labelLength = 0;
    } else if (IsAsciiLetterOrDigit(c) || c == '-') {
      if (++labelLength > 63) return false;
    } else {
      return false;
    }
  }
  return labelLength > 0 || host.size() > 1;  // "example.com." is fully qualified
}

bool IsUsableRequestPath(std::string_view path) {
  if (path.empty() || path[0] != '/') return false;
  for (char c : path) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u <= 0x20 || u >= 0x7F) return false;
    if (c == '"' || c == '<' || c == '>' || c == '\\' || c == '#' || c == '^' || c == '`' || c == '{' ||
        c == '}' || c == '|')
      return false;
  }
  return true;
}

HttpOutcome CheckHttpGetRequest(const HttpGetRequest& request) {
  if (!IsUsableHostName(request.Host.View()) || request.Port < 1 || request.Port > 65535) return HTTPOUT_BadAddress;
  if (!IsUsableRequestPath(request.Path.View())) return HTTPOUT_BadRequest;
  return HTTPOUT_Sent;
}

}  // namespace Tessel
