#pragma once
// Where a level's files are.
//
// Level files are named after the level in "data/levels/". Older code and
// saved settings write the sandbox folder as "data\\levels\\"; on Linux a
// backslash is an ordinary file-name character, so every content path goes
// through ToContentPath before it is opened.

#include "tessel/Strings.h"

namespace Corvanta {

// "data/levels/" + name + ".xml" (career levels and sandbox maps alike).
Tessel::String GetLevelFilePath(const Tessel::String& levelName);

// The same path with every backslash as a slash.
Tessel::String ToContentPath(const Tessel::String& path);

// The level's script file: the level file's path without ".xml" (any case),
// followed by ".script.xml". Whether the file exists is the loader's question.
Tessel::String GetLevelScriptPath(const Tessel::String& levelFilePath);

// The level's name: the file name without folder and ".xml".
Tessel::String GetLevelNameFromPath(const Tessel::String& levelFilePath);

bool ContentFileExists(const Tessel::String& path);

}  // namespace Corvanta
