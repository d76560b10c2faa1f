#pragma once
// BridgeDeck: the bridge's road deck, drawn over the road squares of a
// finished bridge and under the cars that cross it. The mouse falls through
// it to the bridge.

#include "game/town/MapEntity.h"

namespace Tessel {
class Bitmap;
}

namespace Corvanta {

class Building;

class BridgeDeck : public MapEntity {
public:
  // Over the bridge's footprint; drawn before anything that stands on the
  // bridge's row.
  explicit BridgeDeck(const Building& bridge);

  void OnDraw(Tessel::Canvas& canvas) override;

  // The deck's picture, when the game has one; none draws nothing.
  Tessel::Bitmap* Image = nullptr;
};

}  // namespace Corvanta
