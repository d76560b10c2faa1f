#pragma once
// MapDecor: a decoration prop of the level (a pond, a rock, a tree that is
// no building): a picture at a map position, drawn with the entities, or
// beneath them for props whose z-order is negative.

#include "game/rules/PropCatalogue.h"
#include "game/town/MapEntity.h"

namespace Tessel {
class Bitmap;
}

namespace Corvanta {

class MapDecor : public MapEntity {
public:
  // The position is the level file's, before the prop's origin is
  // subtracted; image may be null (no art).
  MapDecor(const DecorProp& prop, Tessel::Point position, Tessel::Bitmap* image);

  void OnAddedToMap(Map* map) override;
  void OnRemovedFromMap() override;
  void OnDraw(Tessel::Canvas& canvas) override;

  // Drawn before every entity that is not an underlay prop.
  static constexpr int UnderlayDrawOrder = -1000000;

  DecorProp Prop;
  Tessel::Point MapPosition;
  Tessel::Bitmap* Image;
};

}  // namespace Corvanta
