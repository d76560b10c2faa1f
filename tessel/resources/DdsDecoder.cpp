#include <cstring>

#include "tessel/resources/ImageDecoders.h"
#include "tessel/resources/PixelFormat.h"

namespace Tessel {

namespace {

uint32_t Dword(const uint8_t* p) { return static_cast<uint32_t>(p[0] | p[1] << 8 | p[2] << 16 | p[3] << 24); }

constexpr uint32_t FlagAlphaPixels = 0x1, FlagFourCC = 0x4, FlagRgb = 0x40;
constexpr uint32_t CubeMapOrVolume = 0x200200;

}  // namespace

// The first surface of a DDS file: uncompressed 24/32-bit RGB or DXT1..DXT5.
bool DecodeDds(const uint8_t* data, size_t size, ImageData& image, std::string& why) {
  if (size < 128 || Dword(data) != 0x20534444) {
    why = "not a DDS file";
    return false;
  }
  int height = static_cast<int>(Dword(data + 12));
  int width = static_cast<int>(Dword(data + 16));
  uint32_t pixelFlags = Dword(data + 80);
  uint32_t bits = Dword(data + 88);
  uint32_t caps2 = Dword(data + 112);
  if (caps2 & CubeMapOrVolume) {
    why = "DDS file is not a simple 2D texture.";
    return false;
  }
  int format = PIXEL_Unknown;
  if (pixelFlags & FlagRgb) {
    bool standardMasks = Dword(data + 92) == 0xFF0000 && Dword(data + 96) == 0xFF00 && Dword(data + 100) == 0xFF;
    if (standardMasks && bits == 24 && !(pixelFlags & FlagAlphaPixels)) format = PIXEL_R8G8B8;
    if (standardMasks && bits == 32) format = (pixelFlags & FlagAlphaPixels) ? PIXEL_A8R8G8B8 : PIXEL_X8R8G8B8;
  } else if (pixelFlags & FlagFourCC) {
    const char* code = reinterpret_cast<const char*>(data + 84);
    if (std::memcmp(code, "DXT", 3) == 0 && code[3] >= '1' && code[3] <= '5') format = PIXEL_DXT1 + (code[3] - '1');
  }
  if (format == PIXEL_Unknown) {
    why = "Unsupported pixel format.";
    return false;
  }
  if (!IsAcceptableImageSize(width, height, 4, why)) return false;
  if (IsCompressedFormat(format) && (width % 4 != 0 || height % 4 != 0)) {
    why = "compressed surfaces must be whole blocks of 4 x 4 pixels";
    return false;
  }
  int64_t bytes = GetImageByteSize(format, width, height);
  if (bytes <= 0 || static_cast<uint64_t>(bytes) > size - 128) {
    why = "the file is truncated";
    return false;
  }
  ImageData decoded;
  decoded.Width = width;
  decoded.Height = height;
  decoded.Format = format;
  decoded.Pixels.assign(data + 128, data + 128 + bytes);
  image = std::move(decoded);
  return true;
}

}  // namespace Tessel
