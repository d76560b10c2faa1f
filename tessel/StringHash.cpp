#include "tessel/StringHash.h"

#include <cstring>

namespace Tessel {

uint32_t StringHash(const char* text, size_t length) {
  uint32_t h = 0;
  size_t i = 0;
  for (; i + 4 <= length; i += 4) {
    uint32_t w = static_cast<uint32_t>(static_cast<unsigned char>(text[i])) |
                 static_cast<uint32_t>(static_cast<unsigned char>(text[i + 1])) << 8 |
                 static_cast<uint32_t>(static_cast<unsigned char>(text[i + 2])) << 16 |
                 static_cast<uint32_t>(static_cast<unsigned char>(text[i + 3])) << 24;
    h = h * 65 + w;
  }
  for (; i < length; ++i) h = h * 65 + static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(text[i])));
  return h;
}

uint32_t StringHash(const char* text) { return text ? StringHash(text, std::strlen(text)) : 0; }

}  // namespace Tessel
