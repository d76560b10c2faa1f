#pragma once
// Image: straight (not premultiplied) RGBA pixels, rows top to bottom, the
// form every generator hands to the PNG writer. The game's decoder turns
// RGBA PNGs into A8R8G8B8 bitmaps, so this is also what it will draw.

#include <cstdint>
#include <string>
#include <vector>

namespace Tools {

struct Rgba {
  uint8_t R = 0, G = 0, B = 0, A = 0;
};

class Image {
public:
  Image() = default;
  Image(int width, int height) : Width(width), Height(height), Pixels(size_t(width) * height) {}

  int GetWidth() const { return Width; }
  int GetHeight() const { return Height; }
  Rgba& At(int x, int y) { return Pixels[size_t(y) * Width + x]; }
  const Rgba& At(int x, int y) const { return Pixels[size_t(y) * Width + x]; }
  std::vector<Rgba>& Data() { return Pixels; }
  const std::vector<Rgba>& Data() const { return Pixels; }

  // Copies src into this image with its top-left corner at (x, y); no blending.
  void Blit(const Image& src, int x, int y);

  // Gives fully transparent pixels the colour of their visible neighbours, so
  // that filtering at the edges of shapes never pulls in black.
  void BleedColourIntoTransparent(int passes = 4);

private:
  int Width = 0;
  int Height = 0;
  std::vector<Rgba> Pixels;
};

// Writes the image as an 8-bit RGBA PNG. Same pixels, same bytes: no time
// stamp or text chunks, fixed compression settings. Creates missing folders.
// Throws std::runtime_error when the file cannot be written.
void WritePng(const std::string& path, const Image& image);
// The same with a zlib level of its own (1..9): large, busy pictures such
// as landscapes compress many times faster at 6 for a few percent in size.
void WritePng(const std::string& path, const Image& image, int compressionLevel);

// Reads an 8-bit RGBA (or RGB, grey, palette: expanded) PNG.
Image ReadPng(const std::string& path);

// Creates the folders of a file's path.
void MakeParentFolders(const std::string& path);

}  // namespace Tools
