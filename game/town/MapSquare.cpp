#include "game/town/MapSquare.h"

#include "tessel/Exception.h"

namespace Corvanta {

namespace {

// The road image holds sixteen corner pieces; each mask picks one per
// quarter: a piece that continues the road on the sides that have one, and a
// kerb (or nothing, see the diagonal rule) on the others.
constexpr int8_t CornerPieces[16][4] = {
    {10, 11, 14, 15}, {0, 11, 4, 15}, {10, 1, 14, 5}, {0, 1, 4, 5},    //
    {10, 11, 6, 7},   {0, 11, 12, 7}, {10, 1, 6, 13}, {0, 1, 12, 13},  //
    {2, 3, 14, 15},   {8, 3, 4, 15},  {2, 9, 14, 5},  {8, 9, 4, 5},    //
    {2, 3, 6, 7},     {8, 3, 12, 7},  {2, 9, 6, 13},  {8, 9, 12, 13},
};

}  // namespace

const int8_t* GetRoadCornerPieces(int roadMask) {
  TESSEL_ASSERT(roadMask >= 0 && roadMask < 16);
  return CornerPieces[roadMask];
}

}  // namespace Corvanta
