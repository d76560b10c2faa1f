// Map: the background, the roads and the tools' marks; the entities draw
// themselves on top, in draw order.

#include <algorithm>
#include <cmath>

#include "game/town/Building.h"
#include "game/town/Map.h"
#include "game/town/TownArt.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/resources/Bitmap.h"

using namespace Tessel;

namespace Corvanta {

namespace {

constexpr float Tile = MapSquare::Size;
constexpr float Piece = MapSquare::Size / 2;

RectF RoadTile(int mask) { return RectF{(mask % 4) * Tile, (mask / 4) * Tile, Tile, Tile}; }
RectF CornerPiece(int piece) { return RectF{160 + (piece % 4) * Piece, (piece / 4) * Piece, Piece, Piece}; }

}  // namespace

void Map::OnDraw(Canvas& canvas) {
  // Background tiles, left to right and top to bottom.
  float y = 0;
  for (int row = 0; row < BackgroundRows; ++row) {
    float x = 0, rowHeight = 0;
    for (int column = 0; column < BackgroundColumns; ++column) {
      Bitmap* tile = BackgroundImages[column + row * BackgroundColumns];
      if (!tile) continue;
      canvas.DrawImage(tile, 0xFFFFFFFFu, x, y);
      x += static_cast<float>(tile->GetWidth());
      rowHeight = std::max(rowHeight, static_cast<float>(tile->GetHeight()));
    }
    y += rowHeight;
  }
  DrawRoads(canvas);
}

void Map::DrawRoads(Canvas& canvas) {
  Bitmap* roads = Art ? Art->GetRoadImage(DecorSetting) : nullptr;
  // Only the squares inside the window.
  auto range = [](float scroll, float offset, float view, int count, int& first, int& last) {
    first = std::max(0, static_cast<int>(std::floor((-scroll - offset) / Tile)));
    last = std::min(count - 1, static_cast<int>(std::floor((-scroll - offset + view) / Tile)));
  };
  int firstX, lastX, firstY, lastY;
  range(ScrollOffset.X, static_cast<float>(SquaresOffset.X), ViewSize.X, Columns, firstX, lastX);
  range(ScrollOffset.Y, static_cast<float>(SquaresOffset.Y), ViewSize.Y, Rows, firstY, lastY);
  bool showPreview = (activeTool == MAPTOOL_Construct && isTargetValid) || (activeTool == MAPTOOL_Road && isDraggingRoad);
  for (int sy = firstY; sy <= lastY; ++sy) {
    for (int sx = firstX; sx <= lastX; ++sx) {
      const MapSquare& square = *GetSquare(sx, sy);
      const Vector2& p = square.Position;
      if (roads && square.IsRoad) {
        canvas.DrawImage(RoadTile(square.RoadMask), RectF{p.X, p.Y, Tile, Tile}, roads, 0xFFFFFFFFu);
      } else if (roads) {
        for (int corner = 0; corner < 4; ++corner) {
          if (square.Corners[corner] < 0) continue;
          RectF target{p.X + (corner % 2) * Piece, p.Y + (corner / 2) * Piece, Piece, Piece};
          canvas.DrawImage(CornerPiece(square.Corners[corner]), target, roads, 0xFFFFFFFFu);
        }
      }
      // The road tool shows where no road may go.
      if (activeTool == MAPTOOL_Road && !square.CanRoad) canvas.DrawRect(RectF{p.X, p.Y, Tile, Tile}, 0x40FF0000u);
    }
  }
  if (!showPreview || !roads) return;
  const SquareRoute& preview = activeTool == MAPTOOL_Road ? roadPath : accessRoad;
  for (const MapSquare* square : preview)
    canvas.DrawImage(RoadTile(GetPreviewRoadMask(square)), RectF{square->Position.X, square->Position.Y, Tile, Tile},
                     roads, 0x7FFFFFFFu);
  // The script's construction rectangle.
  if (FixedConstructionRectangle.IsOn && activeTool == MAPTOOL_Construct) {
    const Rect& area = FixedConstructionRectangle.Area;
    if (const MapSquare* corner = GetSquare(area.X, area.Y))
      canvas.DrawRect(RectF{corner->Position.X, corner->Position.Y, area.Width * Tile, area.Height * Tile}, 0x40FFFFFFu);
  }
}

}  // namespace Corvanta
