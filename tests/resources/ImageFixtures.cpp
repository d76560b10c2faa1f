#include "resources/ImageFixtures.h"

#include <png.h>

#include <cstring>

namespace Testing {

namespace {

void Append(png_structp png, png_bytep data, png_size_t length) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}

void Put16(std::string& s, size_t at, uint16_t v) {
  s[at] = static_cast<char>(v & 0xFF);
  s[at + 1] = static_cast<char>(v >> 8);
}

void Put32(std::string& s, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

std::string MakePng(PngKind kind, int width, int height, bool interlaced) {
  std::string out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, Append, nullptr);
  int colorType = PNG_COLOR_TYPE_RGB, channels = 3, depth = 8;
  switch (kind) {
    case PNG_Rgba: colorType = PNG_COLOR_TYPE_RGB_ALPHA, channels = 4; break;
    case PNG_Grey: colorType = PNG_COLOR_TYPE_GRAY, channels = 1; break;
    case PNG_GreyAlpha: colorType = PNG_COLOR_TYPE_GRAY_ALPHA, channels = 2; break;
    case PNG_Palette:
    case PNG_PaletteTransparent: colorType = PNG_COLOR_TYPE_PALETTE, channels = 1; break;
    case PNG_Rgb16: depth = 16; break;
    default: break;
  }
  png_set_IHDR(png, info, width, height, depth, colorType, interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (colorType == PNG_COLOR_TYPE_PALETTE) {
    png_color palette[16];
    for (int i = 0; i < 16; ++i) palette[i] = png_color{static_cast<png_byte>(i * 16), 0, 200};
    png_set_PLTE(png, info, palette, 16);
    if (kind == PNG_PaletteTransparent) {
      png_byte alpha[1] = {0};  // colour 0 is fully transparent
      png_set_tRNS(png, info, alpha, 1, nullptr);
    }
  }
  png_write_info(png, info);
  int bytes = channels * depth / 8;
  std::vector<png_byte> rows(static_cast<size_t>(width) * height * bytes);
  std::vector<png_bytep> pointers(height);
  for (int y = 0; y < height; ++y) {
    pointers[y] = rows.data() + static_cast<size_t>(y) * width * bytes;
    for (int x = 0; x < width; ++x) {
      png_bytep p = pointers[y] + x * bytes;
      uint8_t r = static_cast<uint8_t>(x * 16), g = static_cast<uint8_t>(y * 16), a = static_cast<uint8_t>(255 - x * 16);
      switch (kind) {
        case PNG_Rgb: p[0] = r, p[1] = g, p[2] = 200; break;
        case PNG_Rgba: p[0] = r, p[1] = g, p[2] = 200, p[3] = a; break;
        case PNG_Grey: p[0] = r; break;
        case PNG_GreyAlpha: p[0] = r, p[1] = a; break;
        case PNG_Palette:
        case PNG_PaletteTransparent: p[0] = static_cast<png_byte>(x % 16); break;
        case PNG_Rgb16:
          p[0] = r, p[1] = 0x55, p[2] = g, p[3] = 0x55, p[4] = 200, p[5] = 0x55;
          break;
      }
    }
  }
  png_set_interlace_handling(png);
  png_write_image(png, pointers.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

std::string MakeTga(int width, int height, bool topDown) {
  std::string tga(18, '\0');
  tga[2] = 2;
  Put16(tga, 12, static_cast<uint16_t>(width));
  Put16(tga, 14, static_cast<uint16_t>(height));
  tga[16] = 24;
  tga[17] = topDown ? 0x20 : 0;
  for (int row = 0; row < height; ++row) {
    int y = topDown ? row : height - 1 - row;
    for (int x = 0; x < width; ++x) {
      tga.push_back(static_cast<char>(200));
      tga.push_back(static_cast<char>(y * 16));
      tga.push_back(static_cast<char>(x * 16));
    }
  }
  return tga;
}

std::string MakePalettedTga(int width, int height, int colours, int maxIndex) {
  std::string tga(18, '\0');
  tga[1] = 1;
  tga[2] = 1;
  Put16(tga, 5, static_cast<uint16_t>(colours));
  tga[7] = 24;
  Put16(tga, 12, static_cast<uint16_t>(width));
  Put16(tga, 14, static_cast<uint16_t>(height));
  tga[16] = 8;
  for (int i = 0; i < colours; ++i) tga += std::string{char(i), char(i * 2), char(i * 3)};
  for (int i = 0; i < width * height; ++i) tga.push_back(static_cast<char>(i % (maxIndex + 1)));
  return tga;
}

std::string MakeDds(int width, int height, const char* fourCC, uint32_t caps2) {
  std::string dds(128, '\0');
  std::memcpy(dds.data(), "DDS ", 4);
  Put32(dds, 4, 124);
  Put32(dds, 12, static_cast<uint32_t>(height));
  Put32(dds, 16, static_cast<uint32_t>(width));
  Put32(dds, 76, 32);
  size_t bytes;
  if (std::strcmp(fourCC, "RGB32") == 0 || std::strcmp(fourCC, "ARGB32") == 0) {
    Put32(dds, 80, 0x40 | (fourCC[0] == 'A' ? 1u : 0u));
    Put32(dds, 88, 32);
    Put32(dds, 92, 0xFF0000);
    Put32(dds, 96, 0xFF00);
    Put32(dds, 100, 0xFF);
    bytes = static_cast<size_t>(width) * height * 4;
  } else {
    Put32(dds, 80, 0x4);
    std::memcpy(dds.data() + 84, fourCC, 4);
    bytes = static_cast<size_t>(width / 4) * (height / 4) * (fourCC[3] == '1' ? 8 : 16);
  }
  Put32(dds, 112, caps2);
  dds.append(bytes, '\x11');
  return dds;
}

}  // namespace Testing
