#pragma once
// What the window shows until the game's screens exist: a town-like scene
// drawn through the graphics device in a few batches (a tiled grass
// background, rows of little houses from one generated atlas, a drifting
// cloud cross-fade, greyed and tinted variants, and a road grid of lines),
// so the device's batching, blending and colour modes can be seen at work.

#include <memory>

#include "tessel/resources/Bitmap.h"
#include "tessel/widgets/WidgetManager.h"

namespace Corvanta {

class TestScene : public Tessel::WidgetManager {
public:
  explicit TestScene(Tessel::GameAppBase* app);

  void Update(float dt) override { Time += dt; }
  void Draw() override;
  void OnKeyDown(int virtualKey) override;
  void OnMouseMove(int x, int y) override {
    MouseX = x;
    MouseY = y;
  }

private:
  std::unique_ptr<Tessel::Bitmap> Grass;
  std::unique_ptr<Tessel::Bitmap> Houses;  // four houses of 64 x 64 in a row
  std::unique_ptr<Tessel::Bitmap> Cloud, Sun;
  float Time = 0;
  int MouseX = 512, MouseY = 384;
};

}  // namespace Corvanta
