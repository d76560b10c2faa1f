#pragma once
// MapSquare: one 40 x 40 pixel cell of the map's grid.
//
// Only IsRoad, IsForbidden and IsPremium are the square's own data (a saved
// game keeps nothing else); CanBuild and CanRoad follow from them and from
// the entity standing on the square, and RoadMask and the corner pieces are
// the road picture, recomputed whenever a road next to the square changes.

#include <cstdint>

#include "tessel/Geometry.h"

namespace Corvanta {

class Map;
class MapEntity;

// RoadMask bits: which of the four neighbours carry a road.
enum RoadMaskBit : int {
  ROAD_Left = 1,   // X - 1
  ROAD_Right = 2,  // X + 1
  ROAD_Below = 4,  // Y + 1
  ROAD_Above = 8,  // Y - 1
};

// The quarters of a square, in the order of MapSquare::Corners.
enum SquareCorner : int {
  CORNER_TopLeft = 0,
  CORNER_TopRight = 1,
  CORNER_BottomLeft = 2,
  CORNER_BottomRight = 3,
};

struct MapSquare {
  static constexpr int Size = 40;  // pixels

  Map* TheMap = nullptr;
  MapEntity* Entity = nullptr;  // the building covering the square
  bool CanBuild = false;        // a building may cover it
  bool CanRoad = false;         // a road may be laid (a road square stays CanRoad)
  int X = 0, Y = 0;
  Tessel::Vector2 Position;     // pixel of the top-left corner in the map
  bool IsRoad = false;
  bool IsForbidden = false;
  bool IsPremium = false;
  int RoadMask = 0;
  // Road corner pieces drawn into the quarters of a square without road;
  // -1 for none.
  int8_t Corners[4] = {-1, -1, -1, -1};

  bool IsInside(const Tessel::Rect& area) const {
    return X >= area.X && X < area.X + area.Width && Y >= area.Y && Y < area.Y + area.Height;
  }
};

// The corner pieces that a road mask selects, before the diagonal rule
// (top-left, top-right, bottom-left, bottom-right); mask 0..15.
const int8_t* GetRoadCornerPieces(int roadMask);

}  // namespace Corvanta
