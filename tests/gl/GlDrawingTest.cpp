// The OpenGL device's batches, textures and captures, checked on pixels.
#include <cstring>

#include "gl/GlDeviceFixture.h"
#include "tessel/graphics/TextureSizing.h"

using namespace Tessel;
using Testing::Near;
using Testing::Rgb;

namespace {

using GlDrawing = Testing::GlDevice;

TEST_F(GlDrawing, FiveThousandQuadsInOneCall) {
  std::vector<Quad> quads;
  for (int i = 0; i < 5000; ++i) {
    int x = (i % 100) * 10, y = (i / 100) * 10;
    uint32_t shade = 0xFF000000 | static_cast<uint32_t>(i % 256) << 16 | static_cast<uint32_t>(i / 256);
    quads.push_back(MakeQuad(float(x), float(y), 8, 8, 0, 0, 0, 0, shade));
  }
  Begin();
  Device->SetBlendMode(BLEND_Opaque);
  Device->DrawQuads(nullptr, 5000, quads.data());
  End();
  for (int i : {0, 1023, 1024, 2047, 3000, 4095, 4096, 4999}) {
    int x = (i % 100) * 10 + 4, y = (i / 100) * 10 + 4;
    EXPECT_EQ(At(x, y), (Rgb{i % 256, 0, i / 256})) << "quad " << i;
  }
  EXPECT_EQ(At(9, 4), (Rgb{0, 0, 0})) << "the gap between quads";
}

TEST_F(GlDrawing, APaddedBitmapIsAddressedExactlyInTexelsOfItsTexture) {
  TextureCapabilities caps = Device->GetTextureCapabilities();
  caps.RequiresPowerOfTwo = true;
  Device->SetTextureCapabilities(caps);
  auto image = Solid(100, 60, 0xFFFF0000);
  Fill(*image, 50, 0, 100, 60, 0xFF00FF00);
  Begin(0xFF0000FF);
  Device->SetBlendMode(BLEND_Alpha);
  // The image at 1:1, then the whole 128 x 64 texture, whose padding is transparent.
  Quad exact = MakeQuad(0, 0, 100, 60, 0, 0, 100, 60), whole = MakeQuad(200, 0, 128, 64, 0, 0, 128, 64);
  Device->DrawQuads(image.get(), 1, &exact);
  Device->DrawQuads(image.get(), 1, &whole);
  End();
  EXPECT_EQ(Device->FindCachedTexture(image.get())->Width, 128);
  EXPECT_EQ(Device->FindCachedTexture(image.get())->Height, 64);
  EXPECT_EQ(At(0, 0), (Rgb{255, 0, 0}));
  EXPECT_EQ(At(49, 59), (Rgb{255, 0, 0}));
  EXPECT_EQ(At(50, 0), (Rgb{0, 255, 0}));
  EXPECT_EQ(At(99, 59), (Rgb{0, 255, 0}));
  EXPECT_EQ(At(100, 30), (Rgb{0, 0, 255}));
  EXPECT_EQ(At(299, 30), (Rgb{0, 255, 0}));
  EXPECT_EQ(At(301, 30), (Rgb{0, 0, 255})) << "transparent black padding";
  EXPECT_EQ(At(250, 62), (Rgb{0, 0, 255}));
}

TEST_F(GlDrawing, LinesCoverTheirPixelsWithTheEndColours) {
  LineSegment lines[] = {{10, 50, 110, 50, 0xFFFF0000, 0xFF0000FF}, {200, 10, 200, 100, 0xFF00FF00, 0xFF00FF00}};
  Begin();
  Device->DrawLines(2, lines);
  End();
  EXPECT_TRUE(Near(At(11, 50), Rgb{253, 0, 2}, 6));
  EXPECT_TRUE(Near(At(60, 50), Rgb{128, 0, 127}, 6)) << "interpolated";
  EXPECT_EQ(At(60, 49), (Rgb{0, 0, 0}));
  EXPECT_EQ(At(60, 51), (Rgb{0, 0, 0}));
  EXPECT_EQ(At(200, 50), (Rgb{0, 255, 0}));
  EXPECT_EQ(At(201, 50), (Rgb{0, 0, 0}));
}

TEST_F(GlDrawing, CapturesScaleTheSourceRectangle) {
  Begin(0xFF000000);
  Device->SetBlendMode(BLEND_Opaque);
  Quad quad = MakeQuad(512, 0, 512, 768, 0, 0, 0, 0, 0xFFFFFFFF);
  Device->DrawQuads(nullptr, 1, &quad);
  Device->EndFrame();
  ImageData half, part;
  Device->CaptureScreen(half, ScreenRect{0, 0, 1024, 768}, 512, 384);
  Device->CaptureScreen(part, ScreenRect{500, 100, 530, 110}, 30, 10);
  ASSERT_EQ(half.Width, 512);
  ASSERT_EQ(half.Height, 384);
  EXPECT_EQ(half.Format, PIXEL_A8R8G8B8);
  EXPECT_EQ(half.Pixels[(100 * 512 + 100) * 4], 0);
  EXPECT_EQ(half.Pixels[(100 * 512 + 400) * 4], 255);
  ASSERT_EQ(part.Pixels.size(), 30u * 10 * 4);
  EXPECT_EQ(part.Pixels[(5 * 30 + 11) * 4], 0);
  EXPECT_EQ(part.Pixels[(5 * 30 + 12) * 4 + 1], 255);
}

TEST_F(GlDrawing, EveryImageFormatDrawsItsColours) {
  // Pure red in each format.
  const struct {
    int Format;
    std::vector<uint8_t> Pixel;
  } cases[] = {
      {PIXEL_A8R8G8B8, {0, 0, 255, 255}}, {PIXEL_X8R8G8B8, {0, 0, 255, 0}}, {PIXEL_R8G8B8, {0, 0, 255}},
      {PIXEL_R5G6B5, {0x00, 0xF8}},       {PIXEL_X1R5G5B5, {0x00, 0x7C}},   {PIXEL_A1R5G5B5, {0x00, 0xFC}},
      {PIXEL_A4R4G4B4, {0x00, 0xFF}},     {PIXEL_X4R4G4B4, {0x00, 0x0F}},
  };
  for (const auto& c : cases) {
    Bitmap image(4, 4, c.Format);
    for (size_t i = 0; i < image.Pixels.size(); i += c.Pixel.size())
      std::memcpy(&image.Pixels[i], c.Pixel.data(), c.Pixel.size());
    Begin();
    Device->SetBlendMode(BLEND_Alpha);
    Quad quad = MakeQuad(0, 0, 4, 4, 0, 0, 4, 4);
    Device->DrawQuads(&image, 1, &quad);
    End();
    EXPECT_EQ(At(2, 2), (Rgb{255, 0, 0})) << "format " << c.Format;
  }
}

TEST_F(GlDrawing, CompressedImagesLookTheSameUploadedOrDecoded) {
  // One DXT1 block, the left two columns red and the right two blue.
  Bitmap native(4, 4, PIXEL_DXT1), decoded(4, 4, PIXEL_DXT1);
  const uint8_t block[8] = {0x00, 0xF8, 0x1F, 0x00, 0b01010000, 0b01010000, 0b01010000, 0b01010000};
  std::memcpy(native.Pixels.data(), block, 8);
  std::memcpy(decoded.Pixels.data(), block, 8);
  Begin();
  Device->SetBlendMode(BLEND_Opaque);
  Quad left = MakeQuad(0, 0, 4, 4, 0, 0, 4, 4), right = MakeQuad(8, 0, 4, 4, 0, 0, 4, 4);
  Device->DrawQuads(&native, 1, &left);
  TextureCapabilities caps = Device->GetTextureCapabilities();
  caps.SupportsCompressedFormats = false;
  Device->SetTextureCapabilities(caps);
  Device->DrawQuads(&decoded, 1, &right);
  End();
  if (Device->HasCompressedTextures()) {
    EXPECT_EQ(Device->FindCachedTexture(&native)->Format, PIXEL_DXT1);
  }
  EXPECT_EQ(Device->FindCachedTexture(&decoded)->Format, PIXEL_R8G8B8);
  EXPECT_EQ(At(0, 1), (Rgb{255, 0, 0}));
  EXPECT_EQ(At(3, 1), (Rgb{0, 0, 255}));
  EXPECT_EQ(At(8, 1), (Rgb{255, 0, 0}));
  EXPECT_EQ(At(11, 1), (Rgb{0, 0, 255}));
}

TEST_F(GlDrawing, TexturesAreUploadedAgainAfterADeviceLoss) {
  auto image = Solid(8, 8, 0xFF00FF00);
  Begin();
  Quad quad = MakeQuad(0, 0, 8, 8, 0, 0, 8, 8);
  Device->DrawQuads(image.get(), 1, &quad);
  End();
  Device->SimulateDeviceLoss();
  Device->Present();
  ASSERT_TRUE(Device->IsLost());
  EXPECT_EQ(Device->GetCachedTextureCount(), 1);
  Begin(0xFF000000);
  EXPECT_FALSE(Device->IsLost());
  EXPECT_EQ(Device->GetCachedTextureCount(), 0);
  Device->DrawQuads(image.get(), 1, &quad);
  End();
  EXPECT_EQ(At(4, 4), (Rgb{0, 255, 0}));
}

TEST_F(GlDrawing, TextureMemoryReachesTheApplicationAtFrameEnd) {
  auto a = Solid(100, 60, 0xFFFFFFFF), b = Solid(32, 32, 0xFFFFFFFF, true);
  Begin();
  Quad quad = MakeQuad(0, 0, 8, 8, 0, 0, 8, 8);
  Device->DrawQuads(a.get(), 1, &quad);
  Device->DrawQuads(b.get(), 1, &quad);
  End();
  EXPECT_EQ(App->TextureMemoryInUse, 100u * 60 * 4 + 32 * 32 * 4);
}

TEST_F(GlDrawing, TheApiNameIsTheOpenGlVersion) {
  DeviceInfo info;
  Device->GetDeviceInfo(info);
  EXPECT_NE(std::string(info.ApiName.CStr()).find("4."), std::string::npos) << info.ApiName.CStr();
  EXPECT_FALSE(info.AdapterDescription.IsEmpty());
  DeviceCaps caps;
  Device->GetCaps(caps);
  EXPECT_GE(caps.MaxTextureWidth, 2048);
  EXPECT_EQ(caps.PixelShaderVersion, 0x0303u);
}

TEST_F(GlDrawing, FullScreenAndBackKeepTheFrameSize) {
  App->SetWindowed(false);
  Begin(0xFF102030);
  End();
  EXPECT_EQ(At(1023, 767), (Rgb{0x10, 0x20, 0x30}));
  App->SetWindowed(true);
  EXPECT_TRUE(App->Windowed);
  Begin(0xFF405060);
  End();
  EXPECT_EQ(At(0, 0), (Rgb{0x40, 0x50, 0x60}));
}

}  // namespace
