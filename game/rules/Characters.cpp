#include "game/rules/Characters.h"

namespace Corvanta {

namespace {

// Indexed by value; 0 is "Unknown".
constexpr const char* Names[] = {
    "Unknown",     "Character12", "Character02", "Character15", "Character01", "Character03", "Character04",
    "Character05", "Character06", "Character07", "Character08", "Character09", "Character10", "Character11",
    "Character13", "Character14", "Character16", "Character17", "Character18",
};
static_assert(sizeof(Names) / sizeof(Names[0]) == CHARACTER_Last + 1);

}  // namespace

const char* CharacterName(int character) {
  if (character == CHARACTER_Assistant) return Names[CHARACTER_FirstSelectable];
  if (character < 0 || character > CHARACTER_Last) return Names[0];
  return Names[character];
}

int CharacterFromName(const Tessel::String& name) {
  for (int value = 0; value <= CHARACTER_Last; ++value)
    if (name.CompareNoCase(Tessel::String(Names[value])) == 0) return value;
  if (name.CompareNoCase(Tessel::String("Assistant")) == 0) return CHARACTER_Assistant;
  return CHARACTER_Unknown;
}

int CharacterFromName(const Tessel::WideString& name) {
  for (char16_t c : name)
    if (c >= 0x80) return CHARACTER_Unknown;  // every name is ASCII
  return CharacterFromName(Tessel::ToNarrow(name));
}

}  // namespace Corvanta
