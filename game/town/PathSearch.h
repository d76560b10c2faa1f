#pragma once
// PathSearch: the breadth-first search along road squares that vans, cars
// and the buildings' connection check use.
//
// The search runs from the target building outward: its footprint's border
// squares are generation 0, every road square reached in generation c gets
// distance c, and the search ends when it meets the start (a square, or a
// square of the source building). The route is then walked back down the
// distances, so it runs from the start through road squares to a square of
// the target. A building is only ever reached through at least one road
// square: two buildings that touch are not connected.
//
// The scratch arrays are kept between searches; a search stamp tells which
// distances belong to the current search, so nothing is refilled per call.

#include <cstdint>
#include <vector>

#include "tessel/Array.h"

namespace Corvanta {

class Building;
class Map;
struct MapSquare;

using SquareRoute = Tessel::Array<MapSquare*>;

class PathSearch {
public:
  // From a square to a building. The start may be a road or any square
  // beside the roads (a van standing in a building); a start that is not a
  // road needs at least one road square between it and the target.
  bool FindRoute(Map& map, MapSquare* from, Building* to, SquareRoute& route);
  // From one building to another, through at least one road square.
  bool FindRoute(Map& map, Building* from, Building* to, SquareRoute& route);

  // The distance the last search gave the square, or -1.
  int GetDistance(const Map& map, const MapSquare* square) const;

private:
  bool Search(Map& map, MapSquare* fromSquare, const Building* fromBuilding, Building* to, SquareRoute& route);
  void Prepare(const Map& map);
  int DistanceAt(int index) const { return Stamps[index] == Stamp ? Distances[index] : -1; }
  void SetDistance(int index, int distance) {
    Stamps[index] = Stamp;
    Distances[index] = distance;
  }

  std::vector<int> Distances;
  std::vector<uint32_t> Stamps;
  uint32_t Stamp = 0;
  std::vector<MapSquare*> Frontier;
};

}  // namespace Corvanta
