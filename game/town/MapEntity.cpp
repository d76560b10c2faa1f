#include "game/town/MapEntity.h"

#include "game/town/Map.h"

namespace Corvanta {

TESSEL_IMPLEMENT_CLASS(MapEntity, Tessel::Widget);

void MapEntity::SetDrawOrder(int drawOrder) {
  if (drawOrder == DrawOrder) return;
  DrawOrder = drawOrder;
  SortKey = drawOrder;  // the map sorts its children by it
  if (TheMap) TheMap->RequestEntitySort();
}

}  // namespace Corvanta
