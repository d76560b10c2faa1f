#include <gtest/gtest.h>

#include <thread>

#include "resources/ImageFixtures.h"
#include "support/CapturedLog.h"
#include "support/TempFolder.h"
#include "tessel/resources/ContentPaths.h"
#include "tessel/resources/ImageDecoders.h"
#include "tessel/resources/ImageFile.h"
#include "tessel/resources/PixelFormat.h"

using namespace Tessel;
using namespace Testing;

namespace {

bool Decode(bool (*decoder)(const uint8_t*, size_t, ImageData&, std::string&), const std::string& bytes,
            ImageData& image, std::string& why) {
  return decoder(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), image, why);
}

// The B, G, R(, A) bytes of pixel (x, y).
std::vector<int> PixelAt(const ImageData& image, int x, int y) {
  int bytes = image.Format == PIXEL_A8R8G8B8 ? 4 : 3;
  const uint8_t* p = image.Pixels.data() + (static_cast<size_t>(y) * image.Width + x) * bytes;
  return std::vector<int>(p, p + bytes);
}

}  // namespace

TEST(PngDecoder, EveryColourTypeBecomesBgrOrBgra) {
  struct Case {
    const char* Name;
    PngKind Kind;
    bool Interlaced;
    int Format;
    std::vector<int> Pixel32;  // pixel (3, 2)
  };
  const Case cases[] = {
      {"rgb", PNG_Rgb, false, PIXEL_R8G8B8, {200, 32, 48}},
      {"rgb interlaced", PNG_Rgb, true, PIXEL_R8G8B8, {200, 32, 48}},
      {"rgba", PNG_Rgba, false, PIXEL_A8R8G8B8, {200, 32, 48, 207}},
      {"rgba interlaced", PNG_Rgba, true, PIXEL_A8R8G8B8, {200, 32, 48, 207}},
      {"grey", PNG_Grey, false, PIXEL_R8G8B8, {48, 48, 48}},
      {"grey with alpha", PNG_GreyAlpha, false, PIXEL_A8R8G8B8, {48, 48, 48, 207}},
      {"palette", PNG_Palette, false, PIXEL_R8G8B8, {200, 0, 48}},
      {"palette with transparency", PNG_PaletteTransparent, false, PIXEL_A8R8G8B8, {200, 0, 48, 255}},
      {"16 bits", PNG_Rgb16, false, PIXEL_R8G8B8, {200, 32, 48}},
  };
  for (const Case& c : cases) {
    ImageData image;
    std::string why;
    ASSERT_TRUE(Decode(DecodePng, MakePng(c.Kind, 13, 9, c.Interlaced), image, why)) << c.Name << ": " << why;
    EXPECT_EQ(image.Width, 13) << c.Name;
    EXPECT_EQ(image.Height, 9) << c.Name;
    EXPECT_EQ(image.Format, c.Format) << c.Name;
    EXPECT_EQ(PixelAt(image, 3, 2), c.Pixel32) << c.Name;
  }
  ImageData transparent;
  std::string why;
  ASSERT_TRUE(Decode(DecodePng, MakePng(PNG_PaletteTransparent, 4, 1), transparent, why));
  EXPECT_EQ(PixelAt(transparent, 0, 0)[3], 0) << "the transparency chunk gives colour 0 alpha 0";
}

TEST(ImageDecoders, DamagedFilesFailWithAReason) {
  std::string png = MakePng(PNG_Rgb, 32, 32);
  std::string corruptPng = png;
  corruptPng[png.size() / 2] ^= 0x5A;
  std::string hugePng = png;
  hugePng[16] = 0x7F;  // width 2^30: refused before any allocation
  std::string jpegStart = "\xFF\xD8\xFF\xE0 truncated";
  std::string absurdDds = MakeDds(8, 8, "DXT5");
  absurdDds[14] = absurdDds[18] = 0x10;  // 2^20 x 2^20
  struct Case {
    const char* Name;
    bool (*Decoder)(const uint8_t*, size_t, ImageData&, std::string&);
    std::string Bytes;
  };
  const Case cases[] = {
      {"short png", DecodePng, png.substr(0, png.size() / 2)},
      {"corrupt png", DecodePng, corruptPng},
      {"huge png", DecodePng, hugePng},
      {"not a png", DecodePng, "hello"},
      {"truncated jpeg", DecodeJpeg, jpegStart},
      {"empty jpeg", DecodeJpeg, ""},
      {"truncated tga", DecodeTga, MakeTga(8, 8).substr(0, 40)},
      {"tga palette index out of range", DecodeTga, MakePalettedTga(4, 4, 4, 9)},
      {"tga without a palette", DecodeTga, std::string("\0\0\1", 3) + std::string(15, '\0')},
      {"tga of another type", DecodeTga, std::string("\0\0\x0A", 3) + std::string(15, '\0')},
      {"dds cube map", DecodeDds, MakeDds(8, 8, "DXT1", 0x200)},
      {"dds absurd size", DecodeDds, absurdDds},
      {"dds truncated", DecodeDds, MakeDds(64, 64, "DXT3").substr(0, 300)},
      {"dds unknown code", DecodeDds, MakeDds(8, 8, "ATI2")},
  };
  for (const Case& c : cases) {
    ImageData image;
    std::string why;
    EXPECT_FALSE(Decode(c.Decoder, c.Bytes, image, why)) << c.Name;
    EXPECT_FALSE(why.empty()) << c.Name;
  }
  ImageData cube;
  std::string why;
  Decode(DecodeDds, MakeDds(8, 8, "DXT1", 0x200), cube, why);
  EXPECT_EQ(why, "DDS file is not a simple 2D texture.");
}

TEST(ImageDecoders, TgaAndDdsLayouts) {
  for (bool topDown : {false, true}) {
    ImageData image;
    std::string why;
    ASSERT_TRUE(Decode(DecodeTga, MakeTga(5, 4, topDown), image, why)) << why;
    EXPECT_EQ(image.Format, PIXEL_R8G8B8);
    EXPECT_EQ(PixelAt(image, 3, 1), (std::vector<int>{200, 16, 48})) << "rows come out top to bottom";
  }
  ImageData paletted;
  std::string why;
  ASSERT_TRUE(Decode(DecodeTga, MakePalettedTga(4, 2, 8, 7), paletted, why)) << why;
  EXPECT_EQ(PixelAt(paletted, 1, 0), (std::vector<int>{5, 10, 15})) << "bottom row first: index 5";

  struct Case {
    const char* Code;
    int Format;
  };
  for (const Case& c : {Case{"DXT1", PIXEL_DXT1}, Case{"DXT3", PIXEL_DXT3}, Case{"DXT5", PIXEL_DXT5},
                        Case{"RGB32", PIXEL_X8R8G8B8}, Case{"ARGB32", PIXEL_A8R8G8B8}}) {
    ImageData image;
    ASSERT_TRUE(Decode(DecodeDds, MakeDds(8, 12, c.Code), image, why)) << c.Code << ": " << why;
    EXPECT_EQ(image.Format, c.Format) << c.Code;
    EXPECT_EQ(static_cast<int64_t>(image.Pixels.size()), GetImageByteSize(c.Format, 8, 12)) << c.Code;
  }
}

class ImageFileTest : public ::testing::Test {
protected:
  void SetUp() override { ForgetContentListings(); }
  void TearDown() override { ForgetContentListings(); }
  String Folder() const { return String(Temp.Path().c_str()); }
  Testing::TempFolder Temp;
};

TEST_F(ImageFileTest, ExtensionsAreTriedInOrder) {
  ImageData jpegSource;
  jpegSource.Width = jpegSource.Height = 8;
  jpegSource.Format = PIXEL_R8G8B8;
  jpegSource.Pixels.assign(8 * 8 * 3, 128);
  ASSERT_TRUE(WriteJpegFile(String(Temp.File("both.jpg").c_str()), jpegSource, 90));
  Temp.Write("both.png", MakePng(PNG_Rgba, 4, 4));
  ASSERT_TRUE(WriteJpegFile(String(Temp.File("photo.JPG").c_str()), jpegSource, 90));
  ASSERT_TRUE(WriteJpegFile(String(Temp.File("long.jpeg").c_str()), jpegSource, 90));
  Temp.Write("picture.bmp", "BM");

  Testing::CapturedLog log;
  ImageData image;
  ASSERT_TRUE(LoadImageFile(Folder(), String("both"), image));
  EXPECT_EQ(image.Width, 4) << "the PNG comes before the JPEG";
  ASSERT_TRUE(LoadImageFile(Folder(), String("photo.JPG"), image));
  EXPECT_EQ(image.Format, PIXEL_R8G8B8);
  EXPECT_NEAR(image.Pixels[0], 128, 3);
  EXPECT_TRUE(LoadImageFile(Folder(), String("long"), image)) << "found through the list";
  EXPECT_FALSE(LoadImageFile(Folder(), String("long.jpeg"), image)) << "'.jpeg' is not seen as an extension";
  EXPECT_FALSE(LoadImageFile(Folder(), String("picture.bmp"), image));
  EXPECT_FALSE(LoadImageFile(Folder(), String("nothing"), image, true));
  EXPECT_EQ(log.Text,
            "error: 'long.jpeg': Image file not found.\n"
            "error: 'picture.bmp': Unknown extension.\n");
}

TEST_F(ImageFileTest, NamesResolveWithoutRegardToCase) {
  ASSERT_EQ(0, system(("mkdir -p '" + Temp.File("Images/Hud") + "'").c_str()));
  Temp.Write("Images/Hud/Lock.png", MakePng(PNG_Rgb, 2, 2));
  ImageData image;
  EXPECT_TRUE(LoadImageFile(Folder(), String("images/hud/lock"), image));
  EXPECT_TRUE(LoadImageFile(Folder(), String("IMAGES\\Hud\\LOCK.PNG"), image)) << "a Windows-made name";
  EXPECT_EQ(ResolveContentPath(String((Temp.Path() + "images/HUD/lock.png").c_str())),
            String(Temp.File("Images/Hud/Lock.png").c_str()));
  EXPECT_TRUE(ResolveContentPath(String((Temp.Path() + "images/hud").c_str())).IsEmpty()) << "folders are not files";
}

TEST_F(ImageFileTest, BrokenFilesSayWhichAndWhy) {
  Temp.Write("broken.png", MakePng(PNG_Rgb, 16, 16).substr(0, 60));
  Temp.Write("broken.jpg", "\xFF\xD8\xFF\xDB garbage");
  Testing::CapturedLog log;
  ImageData image;
  EXPECT_FALSE(LoadImageFile(Folder(), String("broken"), image));
  EXPECT_FALSE(LoadImageFile(Folder(), String("broken.jpg"), image));
  EXPECT_NE(log.Text.find("error: 'broken': PNG error: the file is truncated\n"), std::string::npos) << log.Text;
  EXPECT_NE(log.Text.find("error: 'broken.jpg': JPEG Library Error: "), std::string::npos) << log.Text;
}

TEST(PlaceholderImage, IsACheckerboard) {
  ImageData image = MakePlaceholderImage();
  ASSERT_EQ(image.Width, 128);
  ASSERT_EQ(image.Format, PIXEL_A8R8G8B8);
  auto pixel = [&](int x, int y) {
    const uint8_t* p = image.Pixels.data() + (static_cast<size_t>(y) * 128 + x) * 4;
    return static_cast<uint32_t>(p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24);
  };
  EXPECT_EQ(pixel(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(pixel(16, 0), 0u);
  EXPECT_EQ(pixel(16, 16), 0xFFFFFFFFu);
  EXPECT_EQ(pixel(127, 0), 0u);
}
