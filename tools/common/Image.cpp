#include "common/Image.h"

#include <png.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace Tools {

void Image::Blit(const Image& src, int x, int y) {
  for (int j = 0; j < src.Height; ++j) {
    int ty = y + j;
    if (ty < 0 || ty >= Height) continue;
    for (int i = 0; i < src.Width; ++i) {
      int tx = x + i;
      if (tx < 0 || tx >= Width) continue;
      At(tx, ty) = src.At(i, j);
    }
  }
}

void Image::BleedColourIntoTransparent(int passes) {
  std::vector<uint8_t> known(Pixels.size());
  for (size_t i = 0; i < Pixels.size(); ++i) known[i] = Pixels[i].A > 0;
  for (int pass = 0; pass < passes; ++pass) {
    std::vector<uint8_t> next = known;
    std::vector<Rgba> out = Pixels;
    bool changed = false;
    for (int y = 0; y < Height; ++y) {
      for (int x = 0; x < Width; ++x) {
        size_t index = size_t(y) * Width + x;
        if (known[index]) continue;
        int r = 0, g = 0, b = 0, n = 0;
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= Width || ny >= Height) continue;
            size_t ni = size_t(ny) * Width + nx;
            if (!known[ni]) continue;
            r += Pixels[ni].R;
            g += Pixels[ni].G;
            b += Pixels[ni].B;
            ++n;
          }
        }
        if (n == 0) continue;
        out[index] = Rgba{uint8_t(r / n), uint8_t(g / n), uint8_t(b / n), 0};
        next[index] = 1;
        changed = true;
      }
    }
    Pixels.swap(out);
    known.swap(next);
    if (!changed) break;
  }
}

void MakeParentFolders(const std::string& path) {
  std::filesystem::path parent = std::filesystem::path(path).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent);
}

namespace {

struct FileCloser {
  std::FILE* File;
  ~FileCloser() {
    if (File) std::fclose(File);
  }
};

}  // namespace

void WritePng(const std::string& path, const Image& image) { WritePng(path, image, 9); }

void WritePng(const std::string& path, const Image& image, int compressionLevel) {
  MakeParentFolders(path);
  // Written beside the target and renamed, so an interrupted build never
  // leaves a truncated image that looks up to date.
  std::string temporary = path + ".part";
  {
    FileCloser file{std::fopen(temporary.c_str(), "wb")};
    if (!file.File) throw std::runtime_error("cannot write " + path);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
      png_destroy_write_struct(&png, &info);
      throw std::runtime_error("libpng failed writing " + path);
    }
    png_init_io(png, file.File);
    png_set_compression_level(png, compressionLevel);
    png_set_IHDR(png, info, image.GetWidth(), image.GetHeight(), 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const uint8_t* rows = reinterpret_cast<const uint8_t*>(image.Data().data());
    for (int y = 0; y < image.GetHeight(); ++y) {
      png_write_row(png, const_cast<uint8_t*>(rows + size_t(y) * image.GetWidth() * 4));
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
  }
  std::filesystem::rename(temporary, path);
}

Image ReadPng(const std::string& path) {
  FileCloser file{std::fopen(path.c_str(), "rb")};
  if (!file.File) throw std::runtime_error("cannot read " + path);
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    throw std::runtime_error("libpng failed reading " + path);
  }
  png_init_io(png, file.File);
  png_read_info(png, info);
  png_set_strip_16(png);
  png_set_expand(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_read_update_info(png, info);
  Image image(int(png_get_image_width(png, info)), int(png_get_image_height(png, info)));
  uint8_t* rows = reinterpret_cast<uint8_t*>(image.Data().data());
  for (int y = 0; y < image.GetHeight(); ++y) png_read_row(png, rows + size_t(y) * image.GetWidth() * 4, nullptr);
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return image;
}

}  // namespace Tools
