#include "game/town/BridgeDeck.h"

#include "game/town/Building.h"
#include "game/town/MapSquare.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/resources/Bitmap.h"

namespace Corvanta {

BridgeDeck::BridgeDeck(const Building& bridge) {
  IsHitTestable = false;
  const MapSquare* square = bridge.Square;
  float x = square ? square->Position.X : 0, y = square ? square->Position.Y : 0;
  SetRect(x, y, static_cast<float>(bridge.Width * MapSquare::Size), static_cast<float>(bridge.Height * MapSquare::Size));
  // 40 above the bridge's own order (the bottom of its row).
  SetDrawOrder(static_cast<int>(y) + MapSquare::Size - 40);
}

void BridgeDeck::OnDraw(Tessel::Canvas& canvas) {
  if (Image) canvas.DrawImage(Image, 0xFFFFFFFFu, 0, 0);
}

}  // namespace Corvanta
