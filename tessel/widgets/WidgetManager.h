#pragma once
// WidgetManager: the root of the widget tree and the application's input
// listener. This is the part the application shell drives (created at
// start-up, updated and drawn every frame, resized with the display mode);
// the widget toolkit builds the tree, input dispatch and cursor on top.

#include "tessel/app/InputListener.h"

namespace Tessel {

class GameAppBase;

class WidgetManager : public InputListener {
public:
  // Registers itself as an input listener of the application.
  explicit WidgetManager(GameAppBase* app);
  ~WidgetManager() override;
  WidgetManager(const WidgetManager&) = delete;
  WidgetManager& operator=(const WidgetManager&) = delete;

  virtual void Update(float dt) {}
  virtual void Draw() {}
  virtual void SetSize(float width, float height) {
    Width = width;
    Height = height;
  }

  GameAppBase* TheApp;
  float Width = 0, Height = 0;
};

}  // namespace Tessel
