#include "gl/GlDeviceFixture.h"

using namespace Tessel;

namespace Testing {

std::ostream& operator<<(std::ostream& out, const Rgb& c) {
  return out << "(" << c.R << ", " << c.G << ", " << c.B << ")";
}

::testing::AssertionResult Near(const Rgb& actual, const Rgb& expected, int tolerance) {
  if (std::abs(actual.R - expected.R) <= tolerance && std::abs(actual.G - expected.G) <= tolerance &&
      std::abs(actual.B - expected.B) <= tolerance)
    return ::testing::AssertionSuccess();
  std::ostringstream text;
  text << actual << " is not near " << expected;
  return ::testing::AssertionFailure() << text.str();
}

void GlDevice::SetUp() {
  Platform = std::make_unique<SdlPlatform>();
  App = std::make_unique<GameAppBase>(Platform.get());
  App->Width = 1024;
  App->Height = 768;
  App->GraphicsDeviceFactory = [](GameAppBase& a) { return new GraphicsGL(&a); };
  App->Initialize();
  App->CreateMainWindow();
  App->SetWindowed(true);
  Device = static_cast<GraphicsGL*>(App->TheGraphicsDevice);
}

void GlDevice::TearDown() {
  App->Uninitialize();
  App.reset();
  Platform.reset();
}

void GlDevice::Begin(uint32_t clearColor) {
  Device->BeginFrame();
  Device->Clear(clearColor);
}

void GlDevice::End() {
  Device->EndFrame();
  Frame = ImageData();
  Device->CaptureScreen(Frame, ScreenRect{0, 0, 1024, 768}, 1024, 768);
  ASSERT_EQ(Frame.Width, 1024);
  ASSERT_EQ(Frame.Pixels.size(), 1024u * 768 * 4);
  Device->Present();
}

Rgb GlDevice::At(int x, int y) const {
  const uint8_t* p = &Frame.Pixels[(static_cast<size_t>(y) * Frame.Width + x) * 4];
  return Rgb{p[2], p[1], p[0]};
}

int GlDevice::AlphaAt(int x, int y) const { return Frame.Pixels[(static_cast<size_t>(y) * Frame.Width + x) * 4 + 3]; }

Quad GlDevice::MakeQuad(float x, float y, float w, float h, float u, float v, float tw, float th, uint32_t color,
                        uint32_t secondary) {
  return Quad{{{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}},
              {{u, v}, {u + tw, v}, {u + tw, v + th}, {u, v + th}},
              color,
              secondary};
}

void GlDevice::Fill(Bitmap& b, int x0, int y0, int x1, int y1, uint32_t argb) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      uint8_t* p = &b.Pixels[(static_cast<size_t>(y) * b.Width + x) * 4];
      p[0] = argb & 0xFF;
      p[1] = (argb >> 8) & 0xFF;
      p[2] = (argb >> 16) & 0xFF;
      p[3] = argb >> 24;
    }
}

std::unique_ptr<Bitmap> GlDevice::Solid(int w, int h, uint32_t argb, bool texture) {
  std::unique_ptr<Bitmap> b = texture ? std::make_unique<Texture>(w, h, PIXEL_A8R8G8B8)
                                      : std::make_unique<Bitmap>(w, h, PIXEL_A8R8G8B8);
  Fill(*b, 0, 0, w, h, argb);
  return b;
}

}  // namespace Testing
