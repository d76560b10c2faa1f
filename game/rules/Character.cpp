#include "game/rules/Character.h"

#include "game/rules/NameCompare.h"

namespace Corvanta {

namespace {

// The numbers are not the order of the names: the three selectable
// assistants come first.
constexpr const char* Names[CHARACTER_NumCharacters] = {
    "Unknown",     "Character12", "Character02", "Character15", "Character01", "Character03", "Character04",
    "Character05", "Character06", "Character07", "Character08", "Character09", "Character10", "Character11",
    "Character13", "Character14", "Character16", "Character17", "Character18",
};

template <typename Char>
int FromName(std::basic_string_view<Char> name) {
  if (EqualsNoCase(name, "Assistant")) return CHARACTER_Assistant;
  for (int id = 0; id < CHARACTER_NumCharacters; ++id)
    if (EqualsNoCase(name, Names[id])) return id;
  return CHARACTER_Unknown;
}

}  // namespace

int CharacterFromName(std::string_view name) { return FromName(name); }
int CharacterFromName(std::u16string_view name) { return FromName(name); }

const char* GetCharacterName(int character) {
  if (character == CHARACTER_Assistant) return Names[1];
  if (character < 0 || character >= CHARACTER_NumCharacters) return Names[0];
  return Names[character];
}

}  // namespace Corvanta
