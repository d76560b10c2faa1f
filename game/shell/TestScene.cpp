#include "game/shell/TestScene.h"

#include <cmath>
#include <vector>

#include "tessel/app/GameAppBase.h"
#include "tessel/app/VirtualKeys.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/graphics/GraphicsDevice.h"

using namespace Tessel;

namespace Corvanta {

namespace {


void Put(Bitmap& b, int x, int y, uint32_t argb) {
  if (x < 0 || y < 0 || x >= b.Width || y >= b.Height) return;
  uint8_t* p = &b.Pixels[(static_cast<size_t>(y) * b.Width + x) * 4];
  p[0] = argb & 0xFF;
  p[1] = (argb >> 8) & 0xFF;
  p[2] = (argb >> 16) & 0xFF;
  p[3] = argb >> 24;
}

void FillRect(Bitmap& b, int x0, int y0, int x1, int y1, uint32_t argb) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) Put(b, x, y, argb);
}

std::unique_ptr<Bitmap> MakeGrass() {
  auto b = std::make_unique<Bitmap>(40, 40, PIXEL_A8R8G8B8);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) Put(*b, x, y, ((x * 7 + y * 13) % 11 < 2) ? 0xFF4E9A36 : 0xFF6FBF4A);
  return b;
}

// Walls, a roof, a door and windows; each house another roof colour.
std::unique_ptr<Bitmap> MakeHouses() {
  auto b = std::make_unique<Bitmap>(256, 64, PIXEL_A8R8G8B8);
  const uint32_t roofs[4] = {0xFFC0503A, 0xFF8A5A2B, 0xFF3A6FC0, 0xFFD9822B};
  for (int i = 0; i < 4; ++i) {
    int x = i * 64;
    FillRect(*b, x + 14, 60, x + 58, 64, 0x40000000);          // shadow
    FillRect(*b, x + 10, 28, x + 54, 60, 0xFFF6EBD0);          // walls
    for (int r = 0; r < 20; ++r) FillRect(*b, x + 32 - r - 2, 8 + r, x + 32 + r + 2, 9 + r, roofs[i]);
    FillRect(*b, x + 28, 44, x + 36, 60, 0xFF8A5A2B);          // door
    FillRect(*b, x + 15, 34, x + 23, 42, 0xFF2FB3B0);          // windows
    FillRect(*b, x + 41, 34, x + 49, 42, 0xFF2FB3B0);
  }
  return b;
}

// premultiplied: the colour fades with the alpha, as additive blending needs.
std::unique_ptr<Bitmap> MakeDisc(int size, uint32_t rgb, bool premultiplied) {
  auto b = std::make_unique<Bitmap>(size, size, PIXEL_A8R8G8B8);
  float r = size / 2.0f;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      float d = std::hypot(x + 0.5f - r, y + 0.5f - r) / r;
      float a = d >= 1 ? 0 : 1 - d * d;
      float k = premultiplied ? a : 1;
      uint32_t r = static_cast<uint32_t>(((rgb >> 16) & 0xFF) * k), g = static_cast<uint32_t>(((rgb >> 8) & 0xFF) * k),
               bl = static_cast<uint32_t>((rgb & 0xFF) * k);
      Put(*b, x, y, (static_cast<uint32_t>(a * 255) << 24) | r << 16 | g << 8 | bl);
    }
  return b;
}

Quad MakeQuad(float x, float y, float w, float h, float u, float v, float tw, float th, uint32_t color,
              uint32_t secondary = 0) {
  return Quad{{{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}},
              {{u, v}, {u + tw, v}, {u + tw, v + th}, {u, v + th}},
              color,
              secondary};
}

}  // namespace

TestScene::TestScene(GameAppBase* app)
    : TheApp(app), Grass(MakeGrass()), Houses(MakeHouses()), Cloud(MakeDisc(128, 0xFFFFFF, false)),
      Sun(MakeDisc(96, 0xFFD040, true)) {
  SetRect(0, 0, 1024, 768);
  IsFocusable = true;
}

void TestScene::OnKeyDown(int virtualKey) {
  if (virtualKey == VK_ESCAPE) TheApp->Quit();
  if (virtualKey == VK_F2 && OnLeave) OnLeave();
}

void TestScene::OnDraw(Canvas& canvas) {
  GraphicsDevice* device = TheApp->TheGraphicsDevice;
  if (!device) return;
  canvas.Finish();  // whatever the canvas holds lies below what is drawn here directly
  device->Clear(0xFF000000);
  device->SetAlphaTest(0, 0);

  // The ground: one full-screen quad, the 40 x 40 tile repeated by wrapping.
  device->SetBlendMode(BLEND_Opaque);
  device->SetColorMode(COLOR_Modulate);
  Quad ground = MakeQuad(0, 0, 1024, 768, 0, 0, 1024, 768, 0xFFFFFFFF);
  device->DrawQuads(Grass.get(), 1, &ground);

  // Roads: a grid of lines on the 40-pixel squares.
  std::vector<LineSegment> roads;
  for (int x = 40; x < 1024; x += 160) roads.push_back({float(x), 0, float(x), 768, 0xFF7A7A7A, 0xFF9A9A9A});
  for (int y = 40; y < 768; y += 160) roads.push_back({0, float(y), 1024, float(y), 0xFF7A7A7A, 0xFF9A9A9A});
  device->DrawLines(static_cast<int>(roads.size()), roads.data());

  // Houses in one batch; those near the mouse bob.
  device->SetBlendMode(BLEND_Alpha);
  std::vector<Quad> houses;
  for (int row = 0; row < 7; ++row)
    for (int column = 0; column < 14; ++column) {
      float x = 20 + column * 72.0f, y = 60 + row * 86.0f;
      float near = std::hypot(x + 32 - MouseX, y + 32 - MouseY) < 100 ? std::sin(Time * 8) * 4 : 0;
      int kind = (row * 3 + column) % 4;
      houses.push_back(MakeQuad(x, y + near, 64, 64, kind * 64.0f, 0, 64, 64, 0xFFFFFFFF));
    }
  device->DrawQuads(Houses.get(), static_cast<int>(houses.size()), houses.data());

  // A rival's houses greyed, one tinted towards warning orange.
  Quad rival = MakeQuad(900, 690, 64, 64, 0, 0, 64, 64, 0xFFFFFFFF);
  device->SetColorMode(COLOR_Grey);
  device->DrawQuads(Houses.get(), 1, &rival);
  Quad warned = MakeQuad(820, 690, 64, 64, 64, 0, 64, 64, 0xFFFFFFFF, 0x80D9482B);
  device->SetColorMode(COLOR_LerpSecondary);
  device->DrawQuads(Houses.get(), 1, &warned);
  device->SetColorMode(COLOR_Modulate);

  // A glowing sun, and a cloud that fades into the sun and back.
  device->SetBlendMode(BLEND_Additive);
  Quad sun = MakeQuad(900, 8, 96, 96, 0, 0, 96, 96, 0xFFFFFFFF);
  device->DrawQuads(Sun.get(), 1, &sun);
  device->SetBlendMode(BLEND_Alpha);
  float drift = std::fmod(300 + Time * 40, 1200) - 150;
  float fade = 0.5f + 0.5f * std::sin(Time);
  QuadEx cloud{{{drift, 10}, {drift + 128, 10}, {drift + 128, 74}, {drift, 74}},
               {{0, 0}, {128, 0}, {128, 128}, {0, 128}},
               {{0, 0}, {96, 0}, {96, 96}, {0, 96}},
               0xFFFFFFFF,
               static_cast<uint32_t>(fade * 255) << 24};
  device->DrawQuadsEx(QUADEX_CrossFade, Cloud.get(), Sun.get(), 1, &cloud);
}

}  // namespace Corvanta
