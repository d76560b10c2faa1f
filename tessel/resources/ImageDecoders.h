#pragma once
// Image decoders over file bytes: PNG (libpng), JPEG (libjpeg), TGA and DDS.
// Each returns false with the reason when the bytes are not an image it can
// decode; none throws, whatever the bytes. Sizes in headers are checked
// before anything is allocated.

#include <cstddef>
#include <cstdint>
#include <string>

#include "tessel/resources/ImageData.h"

namespace Tessel {

// Images larger than this on a side, or than MaxImageBytes in all, are refused.
constexpr int MaxImageSide = 16384;
constexpr int64_t MaxImageBytes = 256ll << 20;

// PNG: B, G, R (format 3) or B, G, R, A (format 1) for images with alpha or
// a transparency chunk; interlaced images are supported.
bool DecodePng(const uint8_t* data, size_t size, ImageData& image, std::string& why);
// JPEG: B, G, R (format 3); greyscale is copied into all three.
bool DecodeJpeg(const uint8_t* data, size_t size, ImageData& image, std::string& why);
// TGA: colour-mapped (format 3) and true colour 16/24/32 bits.
bool DecodeTga(const uint8_t* data, size_t size, ImageData& image, std::string& why);
// DDS: the first level of a 2D surface, uncompressed 24/32-bit or DXT1-5.
bool DecodeDds(const uint8_t* data, size_t size, ImageData& image, std::string& why);

// Checks a decoded size against the limits (and that it is not empty).
bool IsAcceptableImageSize(int width, int height, int bytesPerPixel, std::string& why);

}  // namespace Tessel
