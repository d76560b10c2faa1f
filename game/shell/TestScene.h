#pragma once
// What the window shows until the game's screens exist: a town-like scene
// drawn through the graphics device in a few batches (a tiled grass
// background, rows of little houses from one generated atlas, a drifting
// cloud cross-fade, greyed and tinted variants, and a road grid of lines),
// so the device's batching, blending and colour modes can be seen at work.
// F2 switches to the widget demo, Escape quits.

#include <functional>
#include <memory>

#include "tessel/resources/Bitmap.h"
#include "tessel/widgets/Widget.h"

namespace Tessel {
class GameAppBase;
}

namespace Corvanta {

// A full-screen widget that draws straight through the graphics device.
class TestScene : public Tessel::Widget {
public:
  explicit TestScene(Tessel::GameAppBase* app);

  // F2: to the widget demo.
  std::function<void()> OnLeave;

  void OnUpdate(float dt) override { Time += dt; }
  void OnDraw(Tessel::Canvas& canvas) override;
  void OnKeyDown(int virtualKey) override;
  void OnMouseMove(float x, float y) override {
    MouseX = x;
    MouseY = y;
  }

private:
  Tessel::GameAppBase* TheApp;
  std::unique_ptr<Tessel::Bitmap> Grass;
  std::unique_ptr<Tessel::Bitmap> Houses;  // four houses of 64 x 64 in a row
  std::unique_ptr<Tessel::Bitmap> Cloud, Sun;
  float Time = 0;
  float MouseX = 512, MouseY = 384;
};

}  // namespace Corvanta
