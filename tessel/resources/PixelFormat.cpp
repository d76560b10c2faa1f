#include "tessel/resources/PixelFormat.h"

#include <cstring>

namespace Tessel {

bool IsKnownImageFormat(int format) { return format >= PIXEL_A8R8G8B8 && format <= PIXEL_DXT5; }
bool IsCompressedFormat(int format) { return format >= PIXEL_DXT1 && format <= PIXEL_DXT5; }

int GetBytesPerRow(int format, int width) {
  switch (format) {
    case PIXEL_A8R8G8B8:
    case PIXEL_X8R8G8B8: return 4 * width;
    case PIXEL_R8G8B8: return 3 * width;
    case PIXEL_R5G6B5:
    case PIXEL_X1R5G5B5:
    case PIXEL_A1R5G5B5:
    case PIXEL_A4R4G4B4:
    case PIXEL_X4R4G4B4:
    case PIXEL_DXT1: return 2 * width;
    case PIXEL_DXT2:
    case PIXEL_DXT3:
    case PIXEL_DXT4:
    case PIXEL_DXT5: return 4 * width;
    default: return 0;
  }
}

int GetStorageRows(int format, int height) { return IsCompressedFormat(format) ? (height + 3) / 4 : height; }

int64_t GetImageByteSize(int format, int width, int height) {
  return static_cast<int64_t>(GetBytesPerRow(format, width)) * GetStorageRows(format, height);
}

namespace {

uint8_t Expand(uint32_t value, int bits) {
  uint32_t max = (1u << bits) - 1;
  return static_cast<uint8_t>((value * 255 + max / 2) / max);
}

void Put(uint8_t* p, uint8_t b, uint8_t g, uint8_t r, uint8_t a) {
  p[0] = b;
  p[1] = g;
  p[2] = r;
  p[3] = a;
}

// The four (or three plus transparent) colours of a DXT colour block, BGRA.
void DecodeColourEndpoints(const uint8_t* block, bool allowThreeColour, uint8_t colours[4][4]) {
  uint16_t c0 = static_cast<uint16_t>(block[0] | block[1] << 8);
  uint16_t c1 = static_cast<uint16_t>(block[2] | block[3] << 8);
  auto unpack = [](uint16_t c, uint8_t* out) {
    out[0] = Expand(c & 0x1F, 5);
    out[1] = Expand((c >> 5) & 0x3F, 6);
    out[2] = Expand(c >> 11, 5);
    out[3] = 255;
  };
  unpack(c0, colours[0]);
  unpack(c1, colours[1]);
  for (int i = 0; i < 3; ++i) {
    if (c0 > c1 || !allowThreeColour) {
      colours[2][i] = static_cast<uint8_t>((2 * colours[0][i] + colours[1][i] + 1) / 3);
      colours[3][i] = static_cast<uint8_t>((colours[0][i] + 2 * colours[1][i] + 1) / 3);
    } else {
      colours[2][i] = static_cast<uint8_t>((colours[0][i] + colours[1][i]) / 2);
      colours[3][i] = 0;
    }
  }
  colours[2][3] = 255;
  colours[3][3] = (c0 > c1 || !allowThreeColour) ? 255 : 0;
}

// Decodes one 4 x 4 block into a 16-pixel BGRA tile.
void DecodeBlock(int format, const uint8_t* block, uint8_t tile[16][4]) {
  const uint8_t* colourBlock = format == PIXEL_DXT1 ? block : block + 8;
  uint8_t colours[4][4];
  DecodeColourEndpoints(colourBlock, format == PIXEL_DXT1, colours);
  uint32_t indices = colourBlock[4] | colourBlock[5] << 8 | colourBlock[6] << 16 | static_cast<uint32_t>(colourBlock[7]) << 24;
  for (int i = 0; i < 16; ++i) std::memcpy(tile[i], colours[(indices >> (2 * i)) & 3], 4);

  if (format == PIXEL_DXT2 || format == PIXEL_DXT3) {
    for (int i = 0; i < 16; ++i) tile[i][3] = Expand((block[i / 2] >> (4 * (i & 1))) & 0xF, 4);
  } else if (format == PIXEL_DXT4 || format == PIXEL_DXT5) {
    uint8_t alpha[8];
    alpha[0] = block[0];
    alpha[1] = block[1];
    if (alpha[0] > alpha[1]) {
      for (int i = 1; i < 7; ++i) alpha[i + 1] = static_cast<uint8_t>(((7 - i) * alpha[0] + i * alpha[1] + 3) / 7);
    } else {
      for (int i = 1; i < 5; ++i) alpha[i + 1] = static_cast<uint8_t>(((5 - i) * alpha[0] + i * alpha[1] + 2) / 5);
      alpha[6] = 0;
      alpha[7] = 255;
    }
    uint64_t bits = 0;
    for (int i = 0; i < 6; ++i) bits |= static_cast<uint64_t>(block[2 + i]) << (8 * i);
    for (int i = 0; i < 16; ++i) tile[i][3] = alpha[(bits >> (3 * i)) & 7];
  }
}

void DecodeDxt(int format, const uint8_t* src, int width, int height, uint8_t* dst) {
  int blockBytes = format == PIXEL_DXT1 ? 8 : 16;
  int blocksWide = (width + 3) / 4;
  for (int by = 0; by < (height + 3) / 4; ++by) {
    for (int bx = 0; bx < blocksWide; ++bx) {
      uint8_t tile[16][4];
      DecodeBlock(format, src + (static_cast<size_t>(by) * blocksWide + bx) * blockBytes, tile);
      for (int i = 0; i < 16; ++i) {
        int x = bx * 4 + (i & 3), y = by * 4 + i / 4;
        if (x < width && y < height) std::memcpy(dst + (static_cast<size_t>(y) * width + x) * 4, tile[i], 4);
      }
    }
  }
}

}  // namespace

bool ConvertToBgra8(int format, const uint8_t* src, int width, int height, uint8_t* dst) {
  if (!IsKnownImageFormat(format)) return false;
  if (IsCompressedFormat(format)) {
    DecodeDxt(format, src, width, height, dst);
    return true;
  }
  size_t count = static_cast<size_t>(width) * height;
  for (size_t i = 0; i < count; ++i) {
    uint8_t* p = dst + 4 * i;
    if (format == PIXEL_A8R8G8B8 || format == PIXEL_X8R8G8B8) {
      std::memcpy(p, src + 4 * i, 4);
      if (format == PIXEL_X8R8G8B8) p[3] = 255;
      continue;
    }
    if (format == PIXEL_R8G8B8) {
      Put(p, src[3 * i], src[3 * i + 1], src[3 * i + 2], 255);
      continue;
    }
    uint32_t v = src[2 * i] | src[2 * i + 1] << 8;
    switch (format) {
      case PIXEL_R5G6B5: Put(p, Expand(v & 0x1F, 5), Expand((v >> 5) & 0x3F, 6), Expand(v >> 11, 5), 255); break;
      case PIXEL_X1R5G5B5:
      case PIXEL_A1R5G5B5:
        Put(p, Expand(v & 0x1F, 5), Expand((v >> 5) & 0x1F, 5), Expand((v >> 10) & 0x1F, 5),
            format == PIXEL_X1R5G5B5 || (v & 0x8000) ? 255 : 0);
        break;
      default:  // A4R4G4B4, X4R4G4B4
        Put(p, Expand(v & 0xF, 4), Expand((v >> 4) & 0xF, 4), Expand((v >> 8) & 0xF, 4),
            format == PIXEL_X4R4G4B4 ? 255 : Expand(v >> 12, 4));
        break;
    }
  }
  return true;
}

}  // namespace Tessel
