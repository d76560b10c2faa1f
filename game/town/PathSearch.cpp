#include "game/town/PathSearch.h"

#include "game/town/Building.h"
#include "game/town/Map.h"
#include "tessel/Exception.h"

// Assertions that name NULL use TESSEL_ASSERT_AT directly: passed on through
// TESSEL_ASSERT the word would reach the text already expanded.

namespace Corvanta {

namespace {

// Neighbours in search order: left, up, right, down.
constexpr int StepX[4] = {-1, 0, 1, 0};
constexpr int StepY[4] = {0, -1, 0, 1};

}  // namespace

void PathSearch::Prepare(const Map& map) {
  size_t count = static_cast<size_t>(map.GetSquareCount());
  if (Distances.size() != count) {
    Distances.assign(count, -1);
    Stamps.assign(count, 0);
    Stamp = 0;
  }
  if (++Stamp == 0) {  // the stamp wrapped: old stamps could match again
    std::fill(Stamps.begin(), Stamps.end(), 0);
    Stamp = 1;
  }
  Frontier.clear();
}

int PathSearch::GetDistance(const Map& map, const MapSquare* square) const {
  if (!square || Stamps.empty()) return -1;
  return DistanceAt(square->X + square->Y * map.Columns);
}

bool PathSearch::FindRoute(Map& map, MapSquare* from, Building* to, SquareRoute& route) {
  TESSEL_ASSERT_AT(from != NULL, __FILE__, __LINE__);
  TESSEL_ASSERT_AT(to != NULL, __FILE__, __LINE__);
  TESSEL_ASSERT(from->Entity != to);
  return Search(map, from, nullptr, to, route);
}

bool PathSearch::FindRoute(Map& map, Building* from, Building* to, SquareRoute& route) {
  TESSEL_ASSERT_AT(from != NULL, __FILE__, __LINE__);
  TESSEL_ASSERT_AT(to != NULL, __FILE__, __LINE__);
  TESSEL_ASSERT(from != to);
  return Search(map, nullptr, from, to, route);
}

bool PathSearch::Search(Map& map, MapSquare* fromSquare, const Building* fromBuilding, Building* to,
                        SquareRoute& route) {
  route.Clear();
  if (!to->Square) return false;
  Prepare(map);
  const int columns = map.Columns, rows = map.Rows;

  // Generation 0: the target's border, top and bottom of each column, then
  // left and right of each inner row.
  auto seed = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= columns || y >= rows) return;
    int index = x + y * columns;
    if (DistanceAt(index) == 0) return;  // a footprint one square wide or high
    SetDistance(index, 0);
    Frontier.push_back(&map.GetSquareAt(index));
  };
  const int left = to->Square->X, top = to->Square->Y;
  for (int i = 0; i < to->Width; ++i) {
    seed(left + i, top);
    seed(left + i, top + to->Height - 1);
  }
  for (int j = 1; j + 1 < to->Height; ++j) {
    seed(left, top + j);
    seed(left + to->Width - 1, top + j);
  }

  MapSquare* found = nullptr;
  size_t generationStart = 0;
  for (int c = 1; !found; ++c) {
    size_t generationEnd = Frontier.size();
    if (generationStart == generationEnd) return false;  // nothing was added
    for (size_t f = generationStart; f < generationEnd && !found; ++f) {
      const MapSquare* square = Frontier[f];
      for (int n = 0; n < 4; ++n) {
        int x = square->X + StepX[n], y = square->Y + StepY[n];
        if (x < 0 || y < 0 || x >= columns || y >= rows) continue;
        int index = x + y * columns;
        MapSquare* neighbour = &map.GetSquareAt(index);
        if (fromSquare ? neighbour == fromSquare : neighbour->Entity == fromBuilding) {
          if (c > 1 || (fromSquare && fromSquare->IsRoad)) {
            SetDistance(index, c);
            found = neighbour;
            break;
          }
        } else if (DistanceAt(index) == -1 && neighbour->IsRoad) {
          SetDistance(index, c);
          Frontier.push_back(neighbour);
        }
      }
    }
    generationStart = generationEnd;
  }

  // Down the distances to the target's border.
  MapSquare* square = found;
  route.Add(square);
  for (int distance = DistanceAt(square->X + square->Y * columns); distance > 0; --distance) {
    MapSquare* next = nullptr;
    for (int n = 0; n < 4 && !next; ++n) {
      int x = square->X + StepX[n], y = square->Y + StepY[n];
      if (x < 0 || y < 0 || x >= columns || y >= rows) continue;
      int index = x + y * columns;
      if (DistanceAt(index) == distance - 1) next = &map.GetSquareAt(index);
    }
    if (!next) TESSEL_ASSERT(false);
    square = next;
    route.Add(square);
  }
  return true;
}

}  // namespace Corvanta
