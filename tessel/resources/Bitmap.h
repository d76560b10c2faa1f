#pragma once
// Bitmap: an image held in memory as decoded pixels; Texture: a Bitmap the
// graphics device may mip-map and round to the nearest power of two instead
// of padding it.
//
// The loading thread may fill a bitmap while the main thread uploads it, so
// the pixels are guarded by the bitmap's own lock: Lock enters it (and marks
// the bitmap changed), Unlock leaves it. The device clears the changed flag
// once it has uploaded the pixels.

#include <cstdint>
#include <mutex>
#include <vector>

#include "tessel/resources/ImageData.h"
#include "tessel/resources/PixelFormat.h"
#include "tessel/resources/ResourceBase.h"

namespace Tessel {

struct BitmapLock {
  int Width = 0;
  int Height = 0;
  int BytesPerRow = 0;
  int Format = 0;
  uint8_t* Pixels = nullptr;
};

class Bitmap : public Material {
  TESSEL_DECLARE_CLASS(Bitmap)
public:
  Bitmap() = default;
  Bitmap(int width, int height, int format);
  explicit Bitmap(const ImageData& image);

  virtual int GetWidth() const { return Width; }
  virtual int GetHeight() const { return Height; }
  virtual bool HasAlpha() const;

  // Enters the lock, sets the changed flag, sizes the pixel buffer to the
  // format's storage and describes it.
  void Lock(BitmapLock& lock);
  void Unlock();

  int Width = 0;
  int Height = 0;
  int Format = PIXEL_Unknown;
  std::vector<uint8_t> Pixels;
  bool IsChanged = false;

private:
  std::mutex PixelLock;
};

class Texture : public Bitmap {
  TESSEL_DECLARE_CLASS(Texture)
public:
  using Bitmap::Bitmap;
  bool HasAlpha() const override { return !IsOpaque && Bitmap::HasAlpha(); }

  bool IsOpaque = false;
};

}  // namespace Tessel
