// Conversion of every image format code to 32-bit B, G, R, A.
#include <gtest/gtest.h>

#include <vector>

#include "tessel/resources/PixelFormat.h"

using namespace Tessel;

namespace {

uint32_t ConvertOne(int format, std::vector<uint8_t> bytes) {
  uint8_t out[4];
  EXPECT_TRUE(ConvertToBgra8(format, bytes.data(), 1, 1, out));
  return uint32_t(out[3]) << 24 | out[2] << 16 | out[1] << 8 | out[0];
}

TEST(PixelFormat, EveryUncompressedFormatConvertsToArgb) {
  const struct {
    int Format;
    std::vector<uint8_t> Bytes;
    uint32_t Argb;
  } cases[] = {
      {PIXEL_A8R8G8B8, {0x11, 0x22, 0x33, 0x44}, 0x44332211},
      {PIXEL_X8R8G8B8, {0x11, 0x22, 0x33, 0x00}, 0xFF332211},
      {PIXEL_R8G8B8, {0x11, 0x22, 0x33}, 0xFF332211},
      {PIXEL_R5G6B5, {0x1F, 0xF8}, 0xFFFF00FF},      // red 31, green 0, blue 31
      {PIXEL_R5G6B5, {0xE0, 0x07}, 0xFF00FF00},      // green 63
      {PIXEL_X1R5G5B5, {0x00, 0x7C}, 0xFFFF0000},
      {PIXEL_A1R5G5B5, {0x00, 0x7C}, 0x00FF0000},    // alpha bit clear
      {PIXEL_A1R5G5B5, {0x1F, 0x80}, 0xFF0000FF},
      {PIXEL_A4R4G4B4, {0x0F, 0x8F}, 0x88FF00FF},
      {PIXEL_X4R4G4B4, {0xF0, 0x00}, 0xFF00FF00},
  };
  for (const auto& c : cases) EXPECT_EQ(ConvertOne(c.Format, c.Bytes), c.Argb) << "format " << c.Format;
}

TEST(PixelFormat, UnknownCodesAreRefused) {
  uint8_t in[4] = {}, out[4];
  EXPECT_FALSE(ConvertToBgra8(0, in, 1, 1, out));
  EXPECT_FALSE(ConvertToBgra8(14, in, 1, 1, out));
}

TEST(PixelFormat, StorageSizesFollowTheFormatTable) {
  EXPECT_EQ(GetBytesPerRow(PIXEL_R8G8B8, 10), 30);
  EXPECT_EQ(GetBytesPerRow(PIXEL_DXT1, 8), 16);
  EXPECT_EQ(GetBytesPerRow(PIXEL_DXT5, 8), 32);
  EXPECT_EQ(GetBytesPerRow(99, 8), 0);
  EXPECT_EQ(GetImageByteSize(PIXEL_DXT1, 8, 8), 32) << "two rows of two 8-byte blocks";
  EXPECT_EQ(GetImageByteSize(PIXEL_A4R4G4B4, 3, 5), 30);
}

// One DXT block, decoded: endpoints red and blue, the pixels use all four codes.
TEST(PixelFormat, Dxt1BlocksDecodeFourColoursOrThreeAndTransparent) {
  // c0 = pure red (0xF800) > c1 = pure blue (0x001F): four-colour block.
  const uint8_t fourColour[8] = {0x00, 0xF8, 0x1F, 0x00, 0b11100100, 0, 0, 0};
  std::vector<uint8_t> out(4 * 4 * 4);
  ASSERT_TRUE(ConvertToBgra8(PIXEL_DXT1, fourColour, 4, 4, out.data()));
  auto pixel = [&](int i) { return uint32_t(out[4 * i + 3]) << 24 | out[4 * i + 2] << 16 | out[4 * i + 1] << 8 | out[4 * i]; };
  EXPECT_EQ(pixel(0), 0xFFFF0000u);
  EXPECT_EQ(pixel(1), 0xFF0000FFu);
  EXPECT_EQ(pixel(2), 0xFFAA0055u);  // two thirds red
  EXPECT_EQ(pixel(3), 0xFF5500AAu);
  EXPECT_EQ(pixel(4), 0xFFFF0000u);  // index 0 again

  // c0 <= c1: three colours and transparent black at code 3.
  const uint8_t threeColour[8] = {0x1F, 0x00, 0x00, 0xF8, 0b11100100, 0, 0, 0};
  ASSERT_TRUE(ConvertToBgra8(PIXEL_DXT1, threeColour, 4, 4, out.data()));
  EXPECT_EQ(pixel(2), 0xFF7F007Fu);
  EXPECT_EQ(pixel(3), 0x00000000u);
}

TEST(PixelFormat, Dxt3AndDxt5CarryTheirAlpha) {
  std::vector<uint8_t> out(4 * 4 * 4);
  // DXT3: explicit 4-bit alpha, first pixel 0xF, second 0x8; colour white.
  uint8_t dxt3[16] = {0x8F, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0};
  ASSERT_TRUE(ConvertToBgra8(PIXEL_DXT3, dxt3, 4, 4, out.data()));
  EXPECT_EQ(out[3], 255);
  EXPECT_EQ(out[7], 0x88);
  EXPECT_EQ(out[11], 0);
  EXPECT_EQ(out[0], 255) << "white";
  // DXT5: alpha endpoints 200 and 100, first pixel code 0, second code 1, third code 2.
  uint8_t dxt5[16] = {200, 100, 0b10001000, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0};
  ASSERT_TRUE(ConvertToBgra8(PIXEL_DXT5, dxt5, 4, 4, out.data()));
  EXPECT_EQ(out[3], 200);
  EXPECT_EQ(out[7], 100);
  EXPECT_EQ(out[11], (6 * 200 + 1 * 100 + 3) / 7);
}

TEST(PixelFormat, BlocksBeyondTheImageEdgeAreCutOff) {
  // A 2 x 6 image holds a 1 x 2 grid of blocks; no pixel outside is written.
  std::vector<uint8_t> blocks(2 * 8, 0xFF), out(2 * 6 * 4 + 4, 0xAB);
  ASSERT_TRUE(ConvertToBgra8(PIXEL_DXT1, blocks.data(), 2, 6, out.data()));
  EXPECT_EQ(out[2 * 6 * 4], 0xAB);
}

}  // namespace
