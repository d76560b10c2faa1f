#pragma once
// Canvas: the 2D drawing context every widget and game object draws through.
//
// Each image request becomes a Quad; consecutive quads of one image collect
// into one batch that goes to the device in a single DrawQuads call, so a line
// of text or a tiled area costs one call. Setters finish the batch only when
// a value really changes, so every batch is drawn with one state. Lines
// collect in a batch of their own; quads and lines never wait at the same
// time, so drawing order is kept and Finish leaves nothing behind.

#include <cstdint>

#include "tessel/Array.h"
#include "tessel/Geometry.h"
#include "tessel/graphics/GraphicsDevice.h"
#include "tessel/graphics/GraphicsTypes.h"

namespace Tessel {

class Bitmap;

// Row vectors: (x, y) maps to (m00 x + m10 y + m20, m01 x + m11 y + m21).
struct Transform2D {
  float M[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};

  static Transform2D Translation(float dx, float dy);
  static Transform2D Scaling(float sx, float sy);
  Transform2D operator*(const Transform2D& other) const;
  QuadVertex Apply(float x, float y) const;
  bool operator==(const Transform2D& other) const;
};

struct CanvasState {
  int AlphaTestFunction = 0;
  int AlphaReference = 0;
  int BlendMode = BLEND_Alpha;
  int ColorMode = COLOR_Modulate;
  uint32_t SecondaryColor = 0;
  ResourceBase* MaskImage = nullptr;
  Transform2D Transform;
};

class Canvas {
public:
  explicit Canvas(GraphicsDevice* device = nullptr);

  void SetDevice(GraphicsDevice* device) { Device = device; }
  GraphicsDevice* GetDevice() const { return Device; }
  // The start of a frame: the transform back to identity.
  void Reset();

  void SetBlendMode(int mode);
  void SetAlphaTest(int function, int reference);
  void SetColorMode(int mode);
  void SetMaskTexture(ResourceBase* image);
  void SetSecondaryColor(uint32_t color) { State.SecondaryColor = color; }
  void PushState();
  void PopState();
  void Translate(float dx, float dy);
  // About the local pivot (px, py).
  void Scale(float sx, float sy, float px = 0, float py = 0);
  const Transform2D& GetTransform() const { return State.Transform; }
  void SetTransform(const Transform2D& transform) { State.Transform = transform; }
  const CanvasState& GetState() const { return State; }

  void DrawImage(Bitmap* image, float x, float y);
  void DrawImage(Bitmap* image, float x, float y, float width, float height);
  void DrawImage(Bitmap* image, uint32_t color, float x, float y);
  // The top-left width x height texels, unscaled (repeated when larger).
  void DrawImagePart(Bitmap* image, uint32_t color, float x, float y, float width, float height);
  void DrawImage(const RectF& source, const RectF& destination, Bitmap* image, uint32_t color);
  // Centred on (x, y), turned counter-clockwise by angle degrees.
  void DrawImageRotated(Bitmap* image, uint32_t color, float x, float y, float angle);
  // Cross-faded by the secondary colour's alpha; drawn at once.
  void DrawImagePair(Bitmap* first, Bitmap* second, uint32_t color, uint32_t secondary, float x, float y);
  void DrawLine(float x1, float y1, float x2, float y2, uint32_t color);
  void DrawRect(const RectF& rect, uint32_t color);
  // Draws what is pending.
  void Finish();

  int GetPendingQuads() const { return Quads.GetSize(); }
  int GetPendingLines() const { return Lines.GetSize(); }

private:
  void AddQuad(Bitmap* image, const QuadVertex corners[4], const RectF& source, uint32_t color);
  void AddRectangle(Bitmap* image, const RectF& source, const RectF& destination, uint32_t color);
  void AddLine(float x1, float y1, float x2, float y2, uint32_t color);
  void DrawPendingQuads();
  void DrawPendingLines();

  GraphicsDevice* Device;
  Array<Quad> Quads{64};
  Array<LineSegment> Lines{64};
  Bitmap* BatchImage = nullptr;
  bool HasBatchImage = false;  // quads are pending (with or without an image)
  CanvasState State;
  Array<CanvasState> SavedStates;
};

}  // namespace Tessel
