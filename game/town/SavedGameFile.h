#pragma once
// The saved game on disk ("career.sav", "sandbox.sav"): the map's record as
// one file. A new save is written beside the old one and renamed over it,
// the replaced save kept as "<file>.bak", so a crash or a full disk half
// way through never costs the player the level they were playing.

#include "tessel/Strings.h"

namespace Corvanta {

class Map;

// False, with the reason in the log, when the file could not be written;
// the previous save is then still in place.
bool WriteSavedGameFile(const Map& map, const Tessel::String& path);
// Reads the file into a freshly created map and starts it. A file that
// cannot be opened throws "Incorrect save file version." as another
// version does; see Map::ReadSave for the rest.
void ReadSavedGameFile(Map& map, const Tessel::String& path);

}  // namespace Corvanta
