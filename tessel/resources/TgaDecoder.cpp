#include <cstring>

#include "tessel/resources/ImageDecoders.h"
#include "tessel/resources/PixelFormat.h"

namespace Tessel {

namespace {

uint16_t Word(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

}  // namespace

// Uncompressed TGA: type 1 (colour-mapped) and type 2 (true colour). Rows are
// stored bottom-up unless the descriptor says the origin is at the top.
bool DecodeTga(const uint8_t* data, size_t size, ImageData& image, std::string& why) {
  if (size < 18) {
    why = "the file is truncated";
    return false;
  }
  int idLength = data[0];
  int colorMapType = data[1];
  int type = data[2];
  int mapFirst = Word(data + 3), mapLength = Word(data + 5), mapEntryBits = data[7];
  int width = Word(data + 12), height = Word(data + 14), depth = data[16];
  bool topDown = (data[17] & 0x20) != 0;
  size_t position = 18 + static_cast<size_t>(idLength);

  ImageData decoded;
  decoded.Width = width;
  decoded.Height = height;
  if (type == 1) {
    if (colorMapType != 1 || mapLength == 0) {
      why = "Paletted image without color map.";
      return false;
    }
    int entryBytes = (mapEntryBits + 7) / 8;
    if (entryBytes < 2 || entryBytes > 4 || depth != 8) {
      why = "Unsupported color map.";
      return false;
    }
    size_t paletteBytes = static_cast<size_t>(mapLength) * entryBytes;
    if (!IsAcceptableImageSize(width, height, 3, why)) return false;
    if (size < position + paletteBytes + static_cast<size_t>(width) * height) {
      why = "the file is truncated";
      return false;
    }
    const uint8_t* palette = data + position;
    const uint8_t* indices = palette + paletteBytes;
    decoded.Format = PIXEL_R8G8B8;
    decoded.Pixels.resize(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
      int row = topDown ? y : height - 1 - y;
      for (int x = 0; x < width; ++x) {
        int index = indices[static_cast<size_t>(y) * width + x] - mapFirst;
        if (index < 0 || index >= mapLength) {
          why = "a pixel refers to a colour outside the color map";
          return false;
        }
        const uint8_t* entry = palette + static_cast<size_t>(index) * entryBytes;
        uint8_t* out = decoded.Pixels.data() + (static_cast<size_t>(row) * width + x) * 3;
        if (entryBytes == 2) {
          uint16_t v = Word(entry);
          out[0] = static_cast<uint8_t>((v & 0x1F) * 255 / 31);
          out[1] = static_cast<uint8_t>(((v >> 5) & 0x1F) * 255 / 31);
          out[2] = static_cast<uint8_t>(((v >> 10) & 0x1F) * 255 / 31);
        } else {
          std::memcpy(out, entry, 3);
        }
      }
    }
  } else if (type == 2) {
    int bytesPerPixel = depth / 8;
    if (depth == 16) {
      decoded.Format = (data[17] & 0x0F) ? PIXEL_A1R5G5B5 : PIXEL_X1R5G5B5;
    } else if (depth == 24) {
      decoded.Format = PIXEL_R8G8B8;
    } else if (depth == 32) {
      decoded.Format = PIXEL_A8R8G8B8;
    } else {
      why = "Invalid pixel depth.";
      return false;
    }
    if (!IsAcceptableImageSize(width, height, bytesPerPixel, why)) return false;
    size_t rowBytes = static_cast<size_t>(width) * bytesPerPixel;
    if (size - position < rowBytes * height || size < position) {
      why = "the file is truncated";
      return false;
    }
    decoded.Pixels.resize(rowBytes * height);
    for (int y = 0; y < height; ++y) {
      int row = topDown ? y : height - 1 - y;
      std::memcpy(decoded.Pixels.data() + static_cast<size_t>(row) * rowBytes, data + position + y * rowBytes, rowBytes);
    }
  } else {
    why = "Unknown TGA image image format.";
    return false;
  }
  image = std::move(decoded);
  return true;
}

}  // namespace Tessel
