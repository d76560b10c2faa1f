#include <cstdio>
// libjpeg's header expects stdio's FILE and size_t first.
#include <jpeglib.h>

#include <csetjmp>
#include <cstring>
#include <vector>

#include "tessel/resources/ImageDecoders.h"
#include "tessel/resources/PixelFormat.h"

namespace Tessel {

namespace {

// libjpeg ends the process on an error unless the handler jumps back.
struct JumpingErrors {
  jpeg_error_mgr Manager;
  jmp_buf Jump;
  char Message[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr info) {
  auto* errors = reinterpret_cast<JumpingErrors*>(info->err);
  (*info->err->format_message)(info, errors->Message);
  longjmp(errors->Jump, 1);
}

void OnJpegMessage(j_common_ptr, int) {}

}  // namespace

bool DecodeJpeg(const uint8_t* data, size_t size, ImageData& image, std::string& why) {
  if (size < 4 || data[0] != 0xFF || data[1] != 0xD8) {
    why = "not a JPEG file";
    return false;
  }
  jpeg_decompress_struct info;
  JumpingErrors errors;
  errors.Message[0] = '\0';
  info.err = jpeg_std_error(&errors.Manager);
  errors.Manager.error_exit = OnJpegError;
  errors.Manager.emit_message = OnJpegMessage;
  ImageData decoded;
  volatile bool ok = false;
  if (setjmp(errors.Jump) == 0) {
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = info.num_components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    if (!IsAcceptableImageSize(static_cast<int>(info.image_width), static_cast<int>(info.image_height), 3, why)) {
      jpeg_destroy_decompress(&info);
      return false;
    }
    jpeg_start_decompress(&info);
    int width = static_cast<int>(info.output_width);
    int height = static_cast<int>(info.output_height);
    int components = info.output_components;
    decoded.Width = width;
    decoded.Height = height;
    decoded.Format = PIXEL_R8G8B8;
    decoded.Pixels.resize(static_cast<size_t>(width) * height * 3);
    static thread_local std::vector<uint8_t> row;
    row.resize(static_cast<size_t>(width) * components);
    while (info.output_scanline < info.output_height) {
      JSAMPROW rows[1] = {row.data()};
      int y = static_cast<int>(info.output_scanline);
      jpeg_read_scanlines(&info, rows, 1);
      uint8_t* out = decoded.Pixels.data() + static_cast<size_t>(y) * width * 3;
      for (int x = 0; x < width; ++x) {
        const uint8_t* in = row.data() + static_cast<size_t>(x) * components;
        uint8_t r = in[0], g = components == 1 ? in[0] : in[1], b = components == 1 ? in[0] : in[2];
        out[x * 3] = b;
        out[x * 3 + 1] = g;
        out[x * 3 + 2] = r;
      }
    }
    jpeg_finish_decompress(&info);
    ok = true;
  } else {
    why = std::string("JPEG Library Error: ") + errors.Message;
  }
  jpeg_destroy_decompress(&info);
  if (ok) image = std::move(decoded);
  return ok;
}

}  // namespace Tessel
