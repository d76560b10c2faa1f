// Arbitrary bytes to one image decoder (FUZZ_DECODER: 1 PNG, 2 JPEG, 3 TGA,
// 4 DDS): it must fail cleanly or produce pixels of the size it claims.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tessel/resources/ImageDecoders.h"
#include "tessel/resources/PixelFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Tessel::ImageData image;
  std::string why;
#if FUZZ_DECODER == 1
  bool ok = Tessel::DecodePng(data, size, image, why);
#elif FUZZ_DECODER == 2
  bool ok = Tessel::DecodeJpeg(data, size, image, why);
#elif FUZZ_DECODER == 3
  bool ok = Tessel::DecodeTga(data, size, image, why);
#else
  bool ok = Tessel::DecodeDds(data, size, image, why);
#endif
  if (ok && static_cast<int64_t>(image.Pixels.size()) != Tessel::GetImageByteSize(image.Format, image.Width, image.Height))
    std::abort();
  if (!ok && why.empty()) std::abort();
  return 0;
}
