#pragma once
// The tiles of a level's background picture.
//
// A level names one background image B. When an image B exists it is the
// whole picture; otherwise the picture is cut into tiles "B/cr" (one digit
// column c, one digit row r), laid out left to right, top to bottom. Columns
// are counted along row 0; each further row must be complete, and the first
// missing tile ends the picture.

#include <functional>

#include "tessel/Array.h"
#include "tessel/Strings.h"

namespace Corvanta {

struct BackgroundTiles {
  int Columns = 0;
  int Rows = 0;
  Tessel::Array<Tessel::String> Names;  // row by row; Columns x Rows entries
};

// imageExists answers whether the resource manager has an image of that name.
// Names hold one digit per coordinate, so a picture has at most 10 x 10 tiles.
BackgroundTiles LayOutBackgroundTiles(const Tessel::String& image,
                                      const std::function<bool(const Tessel::String&)>& imageExists);

}  // namespace Corvanta
