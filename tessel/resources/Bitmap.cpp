#include "tessel/resources/Bitmap.h"

namespace Tessel {

TESSEL_IMPLEMENT_CLASS(Bitmap, Material);
TESSEL_IMPLEMENT_CLASS(Texture, Bitmap);

Bitmap::Bitmap(int width, int height, int format) : Width(width), Height(height), Format(format) {
  Pixels.assign(static_cast<size_t>(GetImageByteSize(format, width, height)), 0);
}

Bitmap::Bitmap(const ImageData& image) : Width(image.Width), Height(image.Height), Format(image.Format) {
  Pixels = image.Pixels;
}

bool Bitmap::HasAlpha() const {
  return Format == PIXEL_A8R8G8B8 || Format == PIXEL_A1R5G5B5 || Format == PIXEL_A4R4G4B4;
}

void Bitmap::Lock(BitmapLock& lock) {
  PixelLock.lock();
  IsChanged = true;
  Pixels.resize(static_cast<size_t>(GetImageByteSize(Format, Width, Height)));
  lock.Width = Width;
  lock.Height = Height;
  lock.BytesPerRow = GetBytesPerRow(Format, Width);
  lock.Format = Format;
  lock.Pixels = Pixels.data();
}

void Bitmap::Unlock() { PixelLock.unlock(); }

}  // namespace Tessel
