#include "game/rules/BackgroundTiles.h"

#include "tessel/Format.h"

namespace Corvanta {

using namespace Tessel;

namespace {

constexpr int MaxTiles = 10;  // one digit per coordinate

String TileName(const String& image, int column, int row) { return Format("%s/%01i%01i", image, column, row); }

}  // namespace

BackgroundTiles LayOutBackgroundTiles(const String& image, const std::function<bool(const String&)>& imageExists) {
  BackgroundTiles tiles;
  if (image.IsEmpty()) return tiles;
  if (imageExists(image)) {
    tiles.Columns = tiles.Rows = 1;
    tiles.Names.Add(image);
    return tiles;
  }
  while (tiles.Columns < MaxTiles && imageExists(TileName(image, tiles.Columns, 0))) {
    tiles.Names.Add(TileName(image, tiles.Columns, 0));
    ++tiles.Columns;
  }
  if (tiles.Columns == 0) return tiles;
  tiles.Rows = 1;
  for (int row = 1; row < MaxTiles; ++row) {
    Array<String> names;
    for (int column = 0; column < tiles.Columns; ++column) {
      String name = TileName(image, column, row);
      if (!imageExists(name)) return tiles;
      names.Add(name);
    }
    for (const String& name : names) tiles.Names.Add(name);
    ++tiles.Rows;
  }
  return tiles;
}

}  // namespace Corvanta
