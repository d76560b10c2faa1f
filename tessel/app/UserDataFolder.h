#pragma once
// The per-user folder of the game: $XDG_DATA_HOME (by default
// ~/.local/share), then the company and the product name, ending with "/".
// TESSEL_USER_DATA_FOLDER replaces the whole path (tests point it at a
// temporary folder).

#include "tessel/Strings.h"

namespace Tessel {

// The process-wide folder, "./" until the application's start-up sets it.
extern String UserDataFolder;

String ComputeUserDataFolder(const String& companyName, const String& productName);
// Creates the folder and its missing parents; false if it cannot be made.
bool CreateFolders(const String& path);

}  // namespace Tessel
