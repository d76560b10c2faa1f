#include "game/town/MapDecor.h"

#include "game/town/Map.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/resources/Bitmap.h"

using namespace Tessel;

namespace Corvanta {

MapDecor::MapDecor(const DecorProp& prop, Point position, Bitmap* image)
    : Prop(prop), MapPosition(position), Image(image) {
  IsHitTestable = false;
  int width = image ? image->GetWidth() : 0;
  int height = image ? image->GetHeight() : 0;
  Point origin = prop.GetOrigin(width, height);
  SetRect(static_cast<float>(position.X - origin.X), static_cast<float>(position.Y - origin.Y),
          static_cast<float>(width), static_cast<float>(height));
  SetDrawOrder(prop.IsUnderlay() ? UnderlayDrawOrder + position.Y : position.Y);
}

void MapDecor::OnAddedToMap(Map* map) {
  MapEntity::OnAddedToMap(map);
  if (map->Decors.IndexOf(this) < 0) map->Decors.Add(this);
}

void MapDecor::OnRemovedFromMap() {
  int index = TheMap ? TheMap->Decors.IndexOf(this) : -1;
  if (index >= 0) TheMap->Decors.RemoveAt(index);
}

void MapDecor::OnDraw(Canvas& canvas) {
  if (Image) canvas.DrawImage(Image, 0xFFFFFFFFu, 0, 0);
}

}  // namespace Corvanta
