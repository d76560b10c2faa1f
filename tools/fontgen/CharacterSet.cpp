#include "fontgen/CharacterSet.h"

namespace FontGen {

std::vector<char16_t> GameCharacterSet() {
  std::vector<char16_t> set;
  for (char16_t c = 0x20; c <= 0x7E; ++c) set.push_back(c);
  for (char16_t c = 0xA0; c <= 0xFF; ++c) set.push_back(c);
  // The printable characters Windows-1252 puts at 0x80..0x9F.
  const char16_t extras[] = {0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030,
                             0x0160, 0x2039, 0x0152, 0x017D, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                             0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178};
  for (char16_t c : extras) set.push_back(c);
  return set;
}

}  // namespace FontGen
