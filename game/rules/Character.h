#pragma once
// The characters who speak to the player, by identifier.
//
// Level progression names the character who speaks at a level's end;
// profiles keep the chosen assistant as the number, so the numbers are fixed.
// -1 stands for the profile's own assistant and is resolved before use.

#include <string_view>

namespace Corvanta {

enum CharacterId : int {
  CHARACTER_Assistant = -1,
  CHARACTER_Unknown = 0,
  CHARACTER_NumCharacters = 19,  // 0..18
};

// Case-insensitive; a name that is no character gives CHARACTER_Unknown.
int CharacterFromName(std::string_view name);
int CharacterFromName(std::u16string_view name);

// "Unknown" for 0 and for numbers outside -1..18; -1 gives the name of 1.
const char* GetCharacterName(int character);

}  // namespace Corvanta
