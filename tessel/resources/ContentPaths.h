#pragma once
// Content file names resolve without regard to case, with "\" taken as "/":
// the catalogue spells one folder as "Images/..." and "images/...", and a name
// written on Windows must find its file on Linux.
//
// Folder listings are read once and cached (the data folder does not change
// while the game runs), so a lookup costs a few hash probes. Both the loading
// thread and the main thread resolve names, so the cache has a lock.

#include <string>

#include "tessel/Strings.h"

namespace Tessel {

// The path of the existing file that matches, or the empty string. An exact
// match is taken first; otherwise each component is looked up in its folder's
// listing case-insensitively.
String ResolveContentPath(const String& path);
bool ContentFileExists(const String& path);
// Forgets the cached listings (tests that create files).
void ForgetContentListings();

}  // namespace Tessel
