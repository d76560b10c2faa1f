#pragma once
// How the game treats the files that hold a player's progress: a new version
// is written beside the old one and renamed over it, the replaced version is
// kept as "<file>.bak", and a file that cannot be read is moved aside to
// "<file>.unreadable" (never overwritten by an empty one) so that nothing a
// player made is lost to a damaged disk or a crash half way through a save.

#include "tessel/Strings.h"

namespace Corvanta {

Tessel::String BackupPathOf(const Tessel::String& path);
bool FileExists(const Tessel::String& path);
// Creates the folder and its parents; true when it exists afterwards.
bool MakeFolders(const Tessel::String& folder);
// Moves an unreadable file out of the way and logs it.
void SetAsideUnreadable(const Tessel::String& path);
// Removes a folder with everything in it.
void RemoveFolder(const Tessel::String& folder);

}  // namespace Corvanta
