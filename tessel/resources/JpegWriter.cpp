#include <cstdio>
#include <jpeglib.h>

#include <csetjmp>
#include <vector>

#include "tessel/resources/ImageFile.h"
#include "tessel/resources/PixelFormat.h"

namespace Tessel {

namespace {

struct JumpingErrors {
  jpeg_error_mgr Manager;
  jmp_buf Jump;
};

void OnError(j_common_ptr info) { longjmp(reinterpret_cast<JumpingErrors*>(info->err)->Jump, 1); }

}  // namespace

bool WriteJpegFile(const String& path, const ImageData& image, int quality) {
  if (image.Width <= 0 || image.Height <= 0 || !IsKnownImageFormat(image.Format)) return false;
  std::vector<uint8_t> bgra(static_cast<size_t>(image.Width) * image.Height * 4);
  if (static_cast<int64_t>(image.Pixels.size()) < GetImageByteSize(image.Format, image.Width, image.Height) ||
      !ConvertToBgra8(image.Format, image.Pixels.data(), image.Width, image.Height, bgra.data()))
    return false;

  String temporary = path + ".tmp";
  std::FILE* file = std::fopen(temporary.CStr(), "wb");
  if (!file) return false;
  jpeg_compress_struct info;
  JumpingErrors errors;
  info.err = jpeg_std_error(&errors.Manager);
  errors.Manager.error_exit = OnError;
  std::vector<uint8_t> row(static_cast<size_t>(image.Width) * 3);
  volatile bool ok = false;
  if (setjmp(errors.Jump) == 0) {
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(image.Width);
    info.image_height = static_cast<JDIMENSION>(image.Height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality < 1 ? 1 : quality > 100 ? 100 : quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
      const uint8_t* in = bgra.data() + static_cast<size_t>(info.next_scanline) * image.Width * 4;
      for (int x = 0; x < image.Width; ++x) {
        row[x * 3] = in[x * 4 + 2];
        row[x * 3 + 1] = in[x * 4 + 1];
        row[x * 3 + 2] = in[x * 4];
      }
      JSAMPROW rows[1] = {row.data()};
      jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    ok = true;
  }
  jpeg_destroy_compress(&info);
  if (std::fclose(file) != 0) ok = false;
  if (!ok || std::rename(temporary.CStr(), path.CStr()) != 0) {
    std::remove(temporary.CStr());
    return false;
  }
  return true;
}

}  // namespace Tessel
