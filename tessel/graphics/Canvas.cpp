#include "tessel/graphics/Canvas.h"

#include <cmath>

#include "tessel/Exception.h"
#include "tessel/resources/Bitmap.h"

namespace Tessel {

Transform2D Transform2D::Translation(float dx, float dy) {
  Transform2D t;
  t.M[2][0] = dx;
  t.M[2][1] = dy;
  return t;
}

Transform2D Transform2D::Scaling(float sx, float sy) {
  Transform2D t;
  t.M[0][0] = sx;
  t.M[1][1] = sy;
  return t;
}

Transform2D Transform2D::operator*(const Transform2D& other) const {
  Transform2D result;
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) {
      float sum = 0;
      for (int k = 0; k < 3; ++k) sum += M[r][k] * other.M[k][c];
      result.M[r][c] = sum;
    }
  return result;
}

QuadVertex Transform2D::Apply(float x, float y) const {
  return QuadVertex{M[0][0] * x + M[1][0] * y + M[2][0], M[0][1] * x + M[1][1] * y + M[2][1]};
}

bool Transform2D::operator==(const Transform2D& other) const {
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c)
      if (M[r][c] != other.M[r][c]) return false;
  return true;
}

Canvas::Canvas(GraphicsDevice* device) : Device(device) {}

void Canvas::Reset() { State.Transform = Transform2D(); }

void Canvas::SetBlendMode(int mode) {
  if (mode == State.BlendMode) return;
  Finish();
  State.BlendMode = mode;
}

void Canvas::SetAlphaTest(int function, int reference) {
  if (function == State.AlphaTestFunction && reference == State.AlphaReference) return;
  Finish();
  State.AlphaTestFunction = function;
  State.AlphaReference = reference;
}

void Canvas::SetColorMode(int mode) {
  if (mode == State.ColorMode) return;
  Finish();
  State.ColorMode = mode;
}

void Canvas::SetMaskTexture(ResourceBase* image) {
  if (image == State.MaskImage) return;
  Finish();
  State.MaskImage = image;
}

void Canvas::PushState() { SavedStates.Add(State); }

void Canvas::PopState() {
  TESSEL_ASSERT(!SavedStates.IsEmpty());
  Finish();
  State = SavedStates[SavedStates.GetSize() - 1];
  SavedStates.RemoveAt(SavedStates.GetSize() - 1);
}

void Canvas::Translate(float dx, float dy) { State.Transform = State.Transform * Transform2D::Translation(dx, dy); }

void Canvas::Scale(float sx, float sy, float px, float py) {
  Transform2D scale = Transform2D::Scaling(sx, sy);
  if (px == 0 && py == 0) {
    State.Transform = State.Transform * scale;
  } else {
    State.Transform =
        Transform2D::Translation(-px, -py) * scale * Transform2D::Translation(px, py) * State.Transform;
  }
}

void Canvas::AddQuad(Bitmap* image, const QuadVertex corners[4], const RectF& source, uint32_t color) {
  if (!Lines.IsEmpty()) DrawPendingLines();  // what was drawn first stays underneath
  if (HasBatchImage && image != BatchImage) Finish();
  BatchImage = image;
  HasBatchImage = true;
  Quad quad;
  const QuadVertex texels[4] = {{source.X, source.Y},
                                {source.X, source.Y + source.Height},
                                {source.X + source.Width, source.Y + source.Height},
                                {source.X + source.Width, source.Y}};
  for (int i = 0; i < 4; ++i) {
    quad.Position[i] = corners[i];
    quad.TexCoord[i] = texels[i];
  }
  quad.Diffuse = color;
  quad.Secondary = State.ColorMode != COLOR_Modulate ? State.SecondaryColor : 0;
  Quads.Add(quad);
}

void Canvas::AddRectangle(Bitmap* image, const RectF& source, const RectF& d, uint32_t color) {
  const Transform2D& t = State.Transform;
  const QuadVertex corners[4] = {t.Apply(d.X, d.Y), t.Apply(d.X, d.Y + d.Height),
                                 t.Apply(d.X + d.Width, d.Y + d.Height), t.Apply(d.X + d.Width, d.Y)};
  AddQuad(image, corners, source, color);
}

namespace {

RectF WholeImage(Bitmap* image) {
  return image ? RectF{0, 0, static_cast<float>(image->GetWidth()), static_cast<float>(image->GetHeight())} : RectF{};
}

}  // namespace

void Canvas::DrawImage(Bitmap* image, float x, float y) { DrawImage(image, 0xFFFFFFFF, x, y); }

void Canvas::DrawImage(Bitmap* image, float x, float y, float width, float height) {
  AddRectangle(image, WholeImage(image), RectF{x, y, width, height}, 0xFFFFFFFF);
}

void Canvas::DrawImage(Bitmap* image, uint32_t color, float x, float y) {
  if (!image) return;
  RectF whole = WholeImage(image);
  AddRectangle(image, whole, RectF{x, y, whole.Width, whole.Height}, color);
}

void Canvas::DrawImagePart(Bitmap* image, uint32_t color, float x, float y, float width, float height) {
  AddRectangle(image, RectF{0, 0, width, height}, RectF{x, y, width, height}, color);
}

void Canvas::DrawImage(const RectF& source, const RectF& destination, Bitmap* image, uint32_t color) {
  AddRectangle(image, source, destination, color);
}

void Canvas::DrawImageRotated(Bitmap* image, uint32_t color, float x, float y, float angle) {
  TESSEL_ASSERT(image != nullptr);
  RectF whole = WholeImage(image);
  float theta = -angle * 0.017453292f;
  float c = std::cos(theta), s = std::sin(theta);
  float w = whole.Width / 2, h = whole.Height / 2;
  const float local[4][2] = {{-w, -h}, {-w, h}, {w, h}, {w, -h}};
  QuadVertex corners[4];
  for (int i = 0; i < 4; ++i) {
    float rx = local[i][0] * c - local[i][1] * s + x;
    float ry = local[i][0] * s + local[i][1] * c + y;
    corners[i] = State.Transform.Apply(rx, ry);
  }
  AddQuad(image, corners, whole, color);
}

void Canvas::DrawImagePair(Bitmap* first, Bitmap* second, uint32_t color, uint32_t secondary, float x, float y) {
  if (!first) return;
  Finish();
  RectF a = WholeImage(first), b = WholeImage(second);
  const Transform2D& t = State.Transform;
  QuadEx quad;
  const QuadVertex corners[4] = {t.Apply(x, y), t.Apply(x, y + a.Height), t.Apply(x + a.Width, y + a.Height),
                                 t.Apply(x + a.Width, y)};
  const QuadVertex firstTexels[4] = {{0, 0}, {0, a.Height}, {a.Width, a.Height}, {a.Width, 0}};
  const QuadVertex secondTexels[4] = {{0, 0}, {0, b.Height}, {b.Width, b.Height}, {b.Width, 0}};
  for (int i = 0; i < 4; ++i) {
    quad.Position[i] = corners[i];
    quad.TexCoord[i] = firstTexels[i];
    quad.TexCoord2[i] = secondTexels[i];
  }
  quad.Diffuse = color;
  quad.Secondary = secondary;
  if (!Device) return;
  Device->SetBlendMode(State.BlendMode);
  Device->DrawQuadsEx(QUADEX_CrossFade, first, second, 1, &quad);
}

void Canvas::AddLine(float x1, float y1, float x2, float y2, uint32_t color) {
  if (HasBatchImage) DrawPendingQuads();
  QuadVertex a = State.Transform.Apply(x1, y1), b = State.Transform.Apply(x2, y2);
  Lines.Add(LineSegment{a.X, a.Y, b.X, b.Y, color, color});
}

void Canvas::DrawLine(float x1, float y1, float x2, float y2, uint32_t color) { AddLine(x1, y1, x2, y2, color); }

void Canvas::DrawRect(const RectF& r, uint32_t color) {
  AddLine(r.X, r.Y, r.X + r.Width, r.Y, color);
  AddLine(r.X + r.Width, r.Y, r.X + r.Width, r.Y + r.Height, color);
  AddLine(r.X + r.Width, r.Y + r.Height, r.X, r.Y + r.Height, color);
  AddLine(r.X, r.Y + r.Height, r.X, r.Y, color);
}

void Canvas::DrawPendingQuads() {
  if (Quads.IsEmpty()) {
    HasBatchImage = false;
    return;
  }
  if (Device) {
    Device->SetAlphaTest(State.AlphaTestFunction, State.AlphaReference & 0xFF);
    Device->SetBlendMode(State.BlendMode);
    Device->SetColorMode(State.ColorMode);
    Device->SetMaskTexture(State.MaskImage);
    Device->DrawQuads(BatchImage, Quads.GetSize(), &Quads[0]);
  }
  Quads.Clear();
  BatchImage = nullptr;
  HasBatchImage = false;
}

void Canvas::DrawPendingLines() {
  if (Lines.IsEmpty()) return;
  if (Device) Device->DrawLines(Lines.GetSize(), &Lines[0]);
  Lines.Clear();
}

void Canvas::Finish() {
  try {
    DrawPendingQuads();
    DrawPendingLines();
  }
  TESSEL_TRACE("Canvas::Finish")
}

}  // namespace Tessel
