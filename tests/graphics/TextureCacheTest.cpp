// Uploaded copies of image resources: sizing, formats, memory accounting and
// the listener protocol that keeps them in step with the resources.
#include <gtest/gtest.h>

#include "graphics/RecordingDevice.h"
#include "tessel/Exception.h"
#include "tessel/graphics/TextureSizing.h"
#include "tessel/resources/Bitmap.h"

using namespace Tessel;

namespace {

// Remembers what the device reports to its application.
struct OwnerStub : GraphicsDeviceOwner {
  bool IsWindowed() const override { return Windowed; }
  int GetColorDepth() const override { return 32; }
  bool IsVerticalSync() const override { return false; }
  bool IsInactive() const override { return Inactive; }
  void ApplyDisplayMode() override {
    ++ModeApplications;
    bool windowed = Windowed;
    Device->SetMode(1024, 768, &windowed);
  }
  void SetTextureMemoryInUse(uint64_t bytes) override { TextureMemory = bytes; }
  void RecomputeClientRect() override {}

  GraphicsDevice* Device = nullptr;
  bool Windowed = true, Inactive = false;
  int ModeApplications = 0;
  uint64_t TextureMemory = 12345;
};

class Textures : public testing::Test {
protected:
  void SetUp() override {
    Owner.Device = &Device;
    bool windowed = true;
    Device.SetMode(1024, 768, &windowed);
    Device.BeginFrame();
  }
  void Draw(ResourceBase* image) { Device.DrawQuads(image, 1, &OneQuad); }
  const NullGraphicsDevice::TextureRecord& Uploaded(ResourceBase* image) {
    return Device.Textures.at(Device.FindCachedTexture(image)->Handle);
  }
  void RequirePowerOfTwo(bool square = false) {
    TextureCapabilities caps = Device.GetTextureCapabilities();
    caps.RequiresPowerOfTwo = true;
    caps.RequiresSquare = square;
    Device.SetTextureCapabilities(caps);
  }

  OwnerStub Owner;
  Testing::RecordingDevice Device{&Owner};
  Quad OneQuad{{{0, 0}, {8, 0}, {8, 8}, {0, 8}}, {{0, 0}, {8, 0}, {8, 8}, {0, 8}}, 0xFFFFFFFF, 0};
};

Bitmap* Filled(Bitmap* bitmap, uint32_t argb) {
  for (size_t i = 0; i + 3 < bitmap->Pixels.size(); i += 4) {
    bitmap->Pixels[i] = argb & 0xFF;
    bitmap->Pixels[i + 1] = (argb >> 8) & 0xFF;
    bitmap->Pixels[i + 2] = (argb >> 16) & 0xFF;
    bitmap->Pixels[i + 3] = argb >> 24;
  }
  return bitmap;
}

uint32_t PixelAt(const NullGraphicsDevice::TextureRecord& t, int x, int y) {
  const uint8_t* p = &t.Pixels[(static_cast<size_t>(y) * t.Width + x) * 4];
  return uint32_t(p[3]) << 24 | p[2] << 16 | p[1] << 8 | p[0];
}

TEST_F(Textures, ABitmapIsPaddedToPowersOfTwoWithTransparentBlack) {
  RequirePowerOfTwo();
  Bitmap image(100, 60, PIXEL_A8R8G8B8);
  Filled(&image, 0xFF20C040);
  Draw(&image);
  const auto& texture = Uploaded(&image);
  EXPECT_EQ(texture.Width, 128);
  EXPECT_EQ(texture.Height, 64);
  EXPECT_EQ(PixelAt(texture, 0, 0), 0xFF20C040u);
  EXPECT_EQ(PixelAt(texture, 99, 59), 0xFF20C040u);
  EXPECT_EQ(PixelAt(texture, 100, 0), 0u);
  EXPECT_EQ(PixelAt(texture, 0, 60), 0u);
  EXPECT_FALSE(texture.HasMipmaps);
  // Texel coordinates are scaled by the texture's size, not the image's.
  EXPECT_EQ(Device.LastVerticesA[1].U, 8.0f / 128);
}

TEST_F(Textures, TexturesRoundToTheNearestPowerAndAreMipmapped) {
  RequirePowerOfTwo();
  Texture narrow(300, 64, PIXEL_X8R8G8B8), wide(400, 64, PIXEL_X8R8G8B8);
  Draw(&narrow);
  Draw(&wide);
  EXPECT_EQ(Uploaded(&narrow).Width, 256) << "cut off";
  EXPECT_EQ(Uploaded(&wide).Width, 512);
  EXPECT_TRUE(Uploaded(&wide).HasMipmaps);
}

TEST_F(Textures, SquareDevicesTakeTheLongerSide) {
  RequirePowerOfTwo(true);
  Bitmap image(128, 64, PIXEL_A8R8G8B8);
  Draw(&image);
  EXPECT_EQ(Uploaded(&image).Width, 128);
  EXPECT_EQ(Uploaded(&image).Height, 128);
}

TEST_F(Textures, TextureMemoryIsReportedAtEveryFrameEnd) {
  Bitmap a(100, 60, PIXEL_A8R8G8B8), b(64, 32, PIXEL_R5G6B5);
  Draw(&a);
  Draw(&b);
  Device.EndFrame();
  EXPECT_EQ(Owner.TextureMemory, 100u * 4 * 60 + 64 * 2 * 32) << "bytes of the source pixels";
  Device.OnResourceDestroyed(&b);
  Device.BeginFrame();
  Device.EndFrame();
  EXPECT_EQ(Owner.TextureMemory, 100u * 4 * 60);
}

TEST_F(Textures, ADestroyedResourceTakesItsTextureAlong) {
  int handles;
  {
    Bitmap image(16, 16, PIXEL_A8R8G8B8);
    Draw(&image);
    EXPECT_EQ(image.Listener, &Device);
    handles = static_cast<int>(Device.Textures.size());
  }
  EXPECT_EQ(Device.GetCachedTextureCount(), 0);
  EXPECT_EQ(static_cast<int>(Device.Textures.size()), handles - 1);
  EXPECT_EQ(Device.GetCurrentImage(), nullptr) << "a new resource at the same address must not pass for it";
  EXPECT_EQ(Device.GetStageTexture(0), nullptr);
  EXPECT_EQ(Device.GetTextureMemory(), 0u);
}

TEST_F(Textures, AChangedResourceIsUploadedAgain) {
  Bitmap image(4, 4, PIXEL_A8R8G8B8);
  Filled(&image, 0xFF0000FF);
  Draw(&image);
  EXPECT_FALSE(image.IsChanged);
  Filled(&image, 0xFFFF0000);
  image.NotifyChanged();
  Draw(&image);
  EXPECT_EQ(PixelAt(Uploaded(&image), 3, 3), 0xFFFF0000u);
  EXPECT_EQ(Device.GetStageTexture(0), Device.FindCachedTexture(&image)) << "the new copy is bound";
  EXPECT_EQ(Device.GetTextureMemory(), 64u);
}

TEST_F(Textures, OnlyBitmapsAreCached) {
  ResourceBase notAnImage;
  Draw(&notAnImage);
  EXPECT_EQ(Device.GetCachedTextureCount(), 0);
  EXPECT_EQ(Device.GetStageWord(0), 0x4242u) << "drawn in the diffuse colour";
  EXPECT_EQ(notAnImage.Listener, nullptr);
}

TEST_F(Textures, AnUnknownFormatStaysEmptyAndDrawsUntextured) {
  Bitmap image(8, 8, 42);
  Draw(&image);
  ASSERT_NE(Device.FindCachedTexture(&image), nullptr);
  EXPECT_EQ(Device.FindCachedTexture(&image)->Handle, 0u);
  EXPECT_EQ(Device.GetStageWord(0), 0x4242u);
}

TEST_F(Textures, CompressedImagesAreDecodedWhenTheDeviceLacksTheFormat) {
  Bitmap kept(8, 8, PIXEL_DXT5), decoded(8, 8, PIXEL_DXT1);
  Draw(&kept);
  EXPECT_EQ(Uploaded(&kept).Format, PIXEL_DXT5);
  EXPECT_EQ(Uploaded(&kept).Pixels.size(), 64u);
  TextureCapabilities caps = Device.GetTextureCapabilities();
  caps.SupportsCompressedFormats = false;
  Device.SetTextureCapabilities(caps);
  Draw(&decoded);
  EXPECT_EQ(Uploaded(&decoded).Format, PIXEL_X8R8G8B8) << "DXT1 counts as opaque";
  EXPECT_EQ(Uploaded(&decoded).Pixels.size(), 8u * 8 * 4);
}

TEST_F(Textures, ReleasingTexturesEmptiesTheCache) {
  Bitmap a(8, 8, PIXEL_A8R8G8B8), b(8, 8, PIXEL_A8R8G8B8);
  Draw(&a);
  Draw(&b);
  Device.ReleaseTextures();
  EXPECT_EQ(Device.GetCachedTextureCount(), 0);
  EXPECT_TRUE(Device.Textures.empty());
  EXPECT_EQ(a.Listener, nullptr);
  EXPECT_EQ(Device.GetStageWord(0), 0x0002u);
  Draw(&a);
  EXPECT_EQ(Device.GetCachedTextureCount(), 1) << "loaded again on demand";
}

TEST_F(Textures, AFailedUploadIsReportedWithItsTraceAndNotCached) {
  Bitmap image(8, 8, PIXEL_A8R8G8B8);
  Device.FailTextureCreation = true;
  try {
    Draw(&image);
    FAIL() << "no exception";
  } catch (Exception& e) {
    EXPECT_EQ(std::string(e.Message.CStr()), "Out of texture memory.");
    EXPECT_EQ(std::string(e.Trace.CStr()),
              "    at CachedTexture::Load\n    at NullGraphicsDevice::LoadMaterial\n    at NullGraphicsDevice::DrawQuads\n");
  }
  EXPECT_EQ(Device.GetCachedTextureCount(), 0);
  EXPECT_EQ(image.Listener, nullptr);
  Device.FailTextureCreation = false;
  Draw(&image);
  EXPECT_EQ(Device.GetCachedTextureCount(), 1) << "tried again at the next use";
}

// Device loss.
TEST_F(Textures, ALostDeviceSkipsFramesWhileFullScreenInTheBackground) {
  Bitmap image(8, 8, PIXEL_A8R8G8B8);
  Draw(&image);
  Device.EndFrame();
  Owner.Windowed = false;
  Owner.Inactive = true;
  Device.SimulateDeviceLoss();
  Device.Present();
  EXPECT_TRUE(Device.IsLost());

  Device.BeginFrame();
  EXPECT_TRUE(Device.IsFrameSkipped());
  int draws = Device.DrawCalls;
  Draw(&image);
  Device.Clear(0);
  Device.EndFrame();
  Device.Present();
  EXPECT_EQ(Device.DrawCalls, draws) << "nothing is drawn while lost";
  EXPECT_EQ(Owner.ModeApplications, 0);

  Owner.Inactive = false;
  int uploads = Device.TextureUploads;
  Device.BeginFrame();
  EXPECT_EQ(Owner.ModeApplications, 1);
  EXPECT_FALSE(Device.IsLost());
  EXPECT_FALSE(Device.IsFrameSkipped());
  EXPECT_EQ(Device.ResetCount, 1);
  EXPECT_EQ(Device.GetCachedTextureCount(), 0) << "textures are dropped by the reset";
  Draw(&image);
  EXPECT_EQ(Device.TextureUploads, uploads + 1) << "and uploaded again on first use";
  EXPECT_EQ(Device.DrawCalls, draws + 1);
}

TEST_F(Textures, AWindowedLostDeviceResetsAtTheNextFrame) {
  Device.SimulateDeviceLoss();
  Device.Present();
  Owner.Inactive = true;  // windowed: inactive does not matter
  Device.BeginFrame();
  EXPECT_FALSE(Device.IsLost());
  EXPECT_EQ(Owner.ModeApplications, 1);
}

TEST(DisplayMode, AFullScreenRequestFallsBackToWindowed) {
  NullGraphicsDevice device;
  device.FullScreenAvailable = false;
  bool windowed = false;
  device.SetMode(1024, 768, &windowed);
  EXPECT_TRUE(windowed);
  device.FullScreenAvailable = true;
  windowed = false;
  device.SetMode(1024, 768, &windowed);
  EXPECT_FALSE(windowed);
}

// Sizing rules on their own.
TEST(TextureSizing, PowersOfTwoRoundUpForBitmapsAndToNearestForTextures) {
  const struct {
    int Side;
    int Up, Nearest;
  } cases[] = {{0, 1, 1},     {1, 1, 1},     {2, 2, 2},     {3, 4, 4},     {5, 8, 4},     {6, 8, 8},
               {60, 64, 64},  {100, 128, 128}, {181, 256, 128}, {182, 256, 256}, {300, 512, 256}, {400, 512, 512},
               {1024, 1024, 1024}};
  for (const auto& c : cases) {
    EXPECT_EQ(RoundToPowerOfTwo(c.Side, false), c.Up) << c.Side;
    EXPECT_EQ(RoundToPowerOfTwo(c.Side, true), c.Nearest) << c.Side;
  }
}

TEST(TextureSizing, SidesAreClampedToTheDeviceMaximum) {
  TextureCapabilities caps;
  caps.RequiresPowerOfTwo = true;
  caps.MaxWidth = 256;
  caps.MaxHeight = 128;
  TextureSize size = ComputeTextureSize(1000, 1000, false, caps);
  EXPECT_EQ(size.Width, 256);
  EXPECT_EQ(size.Height, 128);
}

TEST(TextureSizing, UnsupportedFormatsFallBackByAlpha) {
  auto only = [](std::initializer_list<int> formats) {
    return [formats](int f) { return std::find(formats.begin(), formats.end(), f) != formats.end(); };
  };
  EXPECT_EQ(ChooseTextureFormat(PIXEL_R5G6B5, only({PIXEL_R5G6B5})), PIXEL_R5G6B5);
  EXPECT_EQ(ChooseTextureFormat(PIXEL_R5G6B5, only({PIXEL_X8R8G8B8, PIXEL_A8R8G8B8})), PIXEL_X8R8G8B8);
  EXPECT_EQ(ChooseTextureFormat(PIXEL_DXT1, only({PIXEL_A8R8G8B8, PIXEL_R5G6B5})), PIXEL_R5G6B5);
  EXPECT_EQ(ChooseTextureFormat(PIXEL_A4R4G4B4, only({PIXEL_X8R8G8B8, PIXEL_A1R5G5B5})), PIXEL_A1R5G5B5);
  EXPECT_EQ(ChooseTextureFormat(PIXEL_DXT3, only({PIXEL_X8R8G8B8})), 0) << "alpha never falls to an opaque format";
  EXPECT_EQ(ChooseTextureFormat(99, only({PIXEL_A8R8G8B8})), 0);
}

}  // namespace
