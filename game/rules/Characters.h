#pragma once
// The characters who speak in the game. Their values are stored in profiles
// (the chosen assistant) and used by level scripts, so they are fixed.

#include "tessel/Strings.h"
#include "tessel/WideText.h"

namespace Corvanta {

enum Character {
  CHARACTER_Assistant = -1,  // the current profile's chosen assistant; resolved before use
  CHARACTER_Unknown = 0,
  CHARACTER_FirstSelectable = 1,
  CHARACTER_LastSelectable = 3,  // the assistants a player may choose
  CHARACTER_Last = 18,
};

// "Character12", "Unknown"...: "Unknown" for values outside -1..18; -1 names
// the first selectable assistant.
const char* CharacterName(int character);
// Case-insensitive; a name not in the table gives CHARACTER_Unknown.
int CharacterFromName(const Tessel::WideString& name);
int CharacterFromName(const Tessel::String& name);

}  // namespace Corvanta
