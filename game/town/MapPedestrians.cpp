// Map: as many pedestrians as the town's population calls for. The traffic
// makes them; the map adds the missing ones and sends the surplus away.

#include <cmath>

#include "game/town/Map.h"
#include "game/town/MapEntity.h"
#include "game/town/TownTraffic.h"

namespace Corvanta {

int Map::GetPedestrianTarget(int population) {
  // 0 for an empty town, 10 at 20 inhabitants, 14 at 40, towards 18.
  double people = population > 0 ? population : 0;
  return static_cast<int>(std::round(9 * std::cos(60 / (people + 20)) + 9));
}

void Map::UpdatePedestrians(bool midSmile) {
  if (!Traffic) return;
  int target = GetPedestrianTarget(Population);
  while (Pedestrians.GetSize() < target) {
    MapEntity* pedestrian = Traffic->CreatePedestrian(midSmile);
    if (!pedestrian) break;
    Pedestrians.Add(pedestrian);
    AddEntity(pedestrian);
  }
  while (Pedestrians.GetSize() > target) {
    MapEntity* leaving = Pedestrians[0];
    Pedestrians.RemoveAt(0);
    Traffic->SendPedestrianAway(leaving);
  }
}

}  // namespace Corvanta
