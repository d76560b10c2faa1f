#pragma once
// The pixel format codes images and textures share. Memory order is that of a
// little-endian ARGB word, so 32-bit pixels are stored B, G, R, A; the DXT
// codes hold 4 x 4 blocks, one row of blocks for every four pixel rows.

#include <cstdint>

namespace Tessel {

enum PixelFormat : int {
  PIXEL_Unknown = 0,
  PIXEL_A8R8G8B8 = 1,
  PIXEL_X8R8G8B8 = 2,
  PIXEL_R8G8B8 = 3,
  PIXEL_R5G6B5 = 4,
  PIXEL_X1R5G5B5 = 5,
  PIXEL_A1R5G5B5 = 6,
  PIXEL_A4R4G4B4 = 7,
  PIXEL_X4R4G4B4 = 8,
  PIXEL_DXT1 = 9,
  PIXEL_DXT2 = 10,
  PIXEL_DXT3 = 11,
  PIXEL_DXT4 = 12,
  PIXEL_DXT5 = 13,
  // Texture formats the device may fall back to; no image is stored in them.
  PIXEL_R3G3B2 = 100,
  PIXEL_A8R3G3B2 = 101,
};

bool IsKnownImageFormat(int format);  // codes 1..13
bool IsCompressedFormat(int format);  // DXT1..DXT5
// Bytes per row of the format's table (for DXT: per row of blocks / 4 pixel rows
// as the image table gives it); 0 for unknown codes.
int GetBytesPerRow(int format, int width);
// Rows of storage: the height, or the rows of 4 x 4 blocks for DXT.
int GetStorageRows(int format, int height);
// Bytes the pixels of an image of this size occupy.
int64_t GetImageByteSize(int format, int width, int height);

// Converts a whole image of any known code to 32-bit B, G, R, A. Formats
// without alpha get alpha 255; DXT blocks are decoded. dst holds width *
// height * 4 bytes. Returns false for an unknown code.
bool ConvertToBgra8(int format, const uint8_t* src, int width, int height, uint8_t* dst);

}  // namespace Tessel
