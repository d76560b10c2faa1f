#include "tessel/resources/ImageFile.h"

#include <cstdio>
#include <string>

#include "tessel/Log.h"
#include "tessel/resources/ContentPaths.h"
#include "tessel/resources/ImageDecoders.h"
#include "tessel/resources/PixelFormat.h"

namespace Tessel {

namespace {

using Decoder = bool (*)(const uint8_t*, size_t, ImageData&, std::string&);

struct Extension {
  const char* Name;
  Decoder Decode;
};

constexpr Extension Extensions[] = {
    {"png", DecodePng}, {"jpg", DecodeJpeg}, {"tga", DecodeTga}, {"dds", DecodeDds}, {"jpeg", DecodeJpeg},
};

bool ReadBytes(const String& path, std::string& bytes) {
  std::FILE* file = std::fopen(path.CStr(), "rb");
  if (!file) return false;
  char chunk[65536];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
    bytes.append(chunk, n);
    if (bytes.size() > static_cast<size_t>(MaxImageBytes) + 4096) break;
  }
  bool ok = !std::ferror(file);
  std::fclose(file);
  return ok;
}

// An extension is a '.' among the last four characters with no separator after it.
int ExtensionStart(const std::string& path) {
  for (size_t i = path.size(); i > 0 && path.size() - i < 4; --i) {
    char c = path[i - 1];
    if (c == '/' || c == '\\') return -1;
    if (c == '.') return static_cast<int>(i);
  }
  return -1;
}

bool Decode(const String& name, const String& path, Decoder decode, ImageData& image) {
  std::string bytes;
  std::string why;
  if (!ReadBytes(path, bytes)) {
    why = "the file cannot be read";
  } else if (decode(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), image, why)) {
    return true;
  }
  PrintLog("error: '%s': %s\n", name, why.c_str());
  return false;
}

}  // namespace

bool LoadImageFile(const String& folder, const String& name, ImageData& image, bool silent) {
  std::string path = std::string(folder.CStr()) + name.CStr();
  int dot = ExtensionStart(path);
  if (dot < 0) {
    for (const Extension& e : Extensions) {
      String resolved = ResolveContentPath(String((path + "." + e.Name).c_str()));
      if (!resolved.IsEmpty()) return Decode(name, resolved, e.Decode, image);
    }
  } else {
    String resolved = ResolveContentPath(String(path.c_str()));
    if (!resolved.IsEmpty()) {
      String extension(path.c_str() + dot);
      for (const Extension& e : Extensions)
        if (extension.CompareNoCase(String(e.Name)) == 0) return Decode(name, resolved, e.Decode, image);
      PrintLog("error: '%s': Unknown extension.\n", name);
      return false;
    }
  }
  if (!silent) PrintLog("error: '%s': Image file not found.\n", name);
  return false;
}

ImageData MakePlaceholderImage() {
  ImageData image;
  image.Width = image.Height = 128;
  image.Format = PIXEL_A8R8G8B8;
  image.Pixels.assign(128 * 128 * 4, 0);
  for (int j = 0; j < 128; ++j)
    for (int i = 0; i < 128; ++i)
      if ((i / 16 + j / 16) % 2 == 0)
        for (int k = 0; k < 4; ++k) image.Pixels[(static_cast<size_t>(j) * 128 + i) * 4 + k] = 0xFF;
  return image;
}

}  // namespace Tessel
