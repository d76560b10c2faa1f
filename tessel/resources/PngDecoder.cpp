#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

#include "tessel/resources/ImageDecoders.h"
#include "tessel/resources/PixelFormat.h"

namespace Tessel {

namespace {

struct MemoryReader {
  const uint8_t* Data;
  size_t Size;
  size_t Position;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length) {
  auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
  if (reader->Size - reader->Position < length) png_error(png, "the file is truncated");
  std::memcpy(out, reader->Data + reader->Position, length);
  reader->Position += length;
}

struct ErrorText {
  char Text[256] = "";
};

void OnError(png_structp png, png_const_charp message) {
  auto* error = static_cast<ErrorText*>(png_get_error_ptr(png));
  std::strncpy(error->Text, message, sizeof error->Text - 1);
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

}  // namespace

bool IsAcceptableImageSize(int width, int height, int bytesPerPixel, std::string& why) {
  if (width <= 0 || height <= 0) {
    why = "the image is empty";
    return false;
  }
  if (width > MaxImageSide || height > MaxImageSide ||
      static_cast<int64_t>(width) * height * bytesPerPixel > MaxImageBytes) {
    why = "the image is too large (" + std::to_string(width) + " x " + std::to_string(height) + ")";
    return false;
  }
  return true;
}

bool DecodePng(const uint8_t* data, size_t size, ImageData& image, std::string& why) {
  if (size < 8 || png_sig_cmp(data, 0, 8) != 0) {
    why = "not a PNG file";
    return false;
  }
  ErrorText error;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &error, OnError, OnWarning);
  if (!png) {
    why = "libpng could not start";
    return false;
  }
  png_infop info = png_create_info_struct(png);
  MemoryReader reader{data, size, 0};
  // Everything that lives across the jump is declared before it.
  std::vector<png_bytep> rows;
  ImageData decoded;
  volatile bool ok = false;
  if (setjmp(png_jmpbuf(png)) == 0 && info) {
    png_set_read_fn(png, &reader, ReadFromMemory);
    png_read_info(png, info);
    png_uint_32 width = png_get_image_width(png, info);
    png_uint_32 height = png_get_image_height(png, info);
    int colorType = png_get_color_type(png, info);
    int depth = png_get_bit_depth(png, info);
    bool hasAlpha = (colorType & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS);
    if (depth == 16) png_set_strip_16(png);
    if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colorType == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (depth < 8) png_set_packing(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    int bytesPerPixel = hasAlpha ? 4 : 3;
    if (png_get_rowbytes(png, info) == static_cast<size_t>(width) * bytesPerPixel &&
        width <= static_cast<png_uint_32>(MaxImageSide) && height <= static_cast<png_uint_32>(MaxImageSide) &&
        IsAcceptableImageSize(static_cast<int>(width), static_cast<int>(height), bytesPerPixel, why)) {
      decoded.Width = static_cast<int>(width);
      decoded.Height = static_cast<int>(height);
      decoded.Format = hasAlpha ? PIXEL_A8R8G8B8 : PIXEL_R8G8B8;
      decoded.Pixels.resize(static_cast<size_t>(width) * height * bytesPerPixel);
      rows.resize(height);
      for (png_uint_32 y = 0; y < height; ++y) rows[y] = decoded.Pixels.data() + static_cast<size_t>(y) * width * bytesPerPixel;
      png_read_image(png, rows.data());
      ok = true;
    } else if (why.empty()) {
      why = "unexpected PNG row layout";
    }
  } else if (error.Text[0]) {
    why = std::string("PNG error: ") + error.Text;
  } else if (why.empty()) {
    why = "PNG error";
  }
  png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
  if (ok) image = std::move(decoded);
  return ok;
}

}  // namespace Tessel
