#include "game/shell/PngFile.h"

#include <png.h>

#include <cstdio>
#include <vector>

namespace Corvanta {

bool WritePngFile(const std::string& path, const Tessel::ImageData& image, std::string* error) {
  if (image.Width <= 0 || image.Height <= 0 || image.Pixels.size() < size_t(image.Width) * image.Height * 4) {
    if (error) *error = "no image";
    return false;
  }
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) {
    if (error) *error = "cannot open " + path;
    return false;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  std::vector<png_byte> row(static_cast<size_t>(image.Width) * 3);
  bool ok = png && info;
  if (ok && setjmp(png_jmpbuf(png))) ok = false;
  if (ok) {
    png_init_io(png, file);
    png_set_IHDR(png, info, image.Width, image.Height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    // The frame's alpha is whatever blending left there: the picture is opaque.
    for (int y = 0; y < image.Height; ++y) {
      const uint8_t* bgra = &image.Pixels[static_cast<size_t>(y) * image.Width * 4];
      for (int x = 0; x < image.Width; ++x) {
        row[3 * x] = bgra[4 * x + 2];
        row[3 * x + 1] = bgra[4 * x + 1];
        row[3 * x + 2] = bgra[4 * x];
      }
      png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
  }
  png_destroy_write_struct(png ? &png : nullptr, info ? &info : nullptr);
  if (std::fclose(file) != 0) ok = false;
  if (!ok && error) *error = "cannot write " + path;
  return ok;
}

}  // namespace Corvanta
