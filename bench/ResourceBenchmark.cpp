// Loading images into resources and drawing text through the Canvas.
//
// ImageLoading: 1000 generated PNGs of typical sizes (64 x 64 to 512 x 512)
// in a data folder, decoded into bitmaps by one loading thread, as at start-up.
// TextDrawing: glyph quads through the Canvas and a font into the null device.
#include <benchmark/benchmark.h>
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tessel/graphics/Canvas.h"
#include "tessel/graphics/Font.h"
#include "tessel/graphics/NullGraphicsDevice.h"
#include "tessel/resources/Bitmap.h"
#include "tessel/resources/ContentPaths.h"
#include "tessel/resources/ResourceManager.h"

namespace {

void WritePng(const std::string& path, int width, int height, int seed) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, file);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_byte> row(static_cast<size_t>(width) * 4);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      // Soft shapes and gradients compress like game art, not like noise.
      row[x * 4] = static_cast<png_byte>((x * 255) / width);
      row[x * 4 + 1] = static_cast<png_byte>((y * 255) / height);
      row[x * 4 + 2] = static_cast<png_byte>(((x / 8 + y / 8 + seed) % 4) * 60);
      row[x * 4 + 3] = static_cast<png_byte>((x - width / 2) * (x - width / 2) + (y - height / 2) * (y - height / 2) <
                                                     width * height / 5
                                                 ? 255
                                                 : 0);
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  std::fclose(file);
}

struct ImageFolder {
  std::string Path;
  std::vector<std::string> Names;
  uint64_t PixelBytes = 0;
  uint64_t FileBytes = 0;

  ImageFolder() {
    Path = (std::filesystem::temp_directory_path() / "corvanta-bench-images/").string();
    std::filesystem::create_directories(Path + "images");
    const int sizes[] = {64, 96, 128, 128, 160, 192, 256, 256, 384, 512};
    for (int i = 0; i < 1000; ++i) {
      int side = sizes[i % 10];
      std::string name = "images/img" + std::to_string(i);
      std::string file = Path + name + ".png";
      if (!std::filesystem::exists(file)) WritePng(file, side, side * 3 / 4, i);
      Names.push_back(name);
      PixelBytes += static_cast<uint64_t>(side) * (side * 3 / 4) * 4;
      FileBytes += std::filesystem::file_size(file);
    }
  }
};

void ImageLoading(benchmark::State& state) {
  static ImageFolder folder;
  for (auto _ : state) {
    Tessel::ForgetContentListings();
    Tessel::ResourceManager manager{Tessel::String(folder.Path.c_str())};
    for (const std::string& name : folder.Names) benchmark::DoNotOptimize(manager.LoadBitmap(Tessel::String(name.c_str())));
  }
  state.counters["images/s"] = benchmark::Counter(1000.0 * state.iterations(), benchmark::Counter::kIsRate);
  state.counters["file MB/s"] =
      benchmark::Counter(folder.FileBytes * state.iterations() / 1e6, benchmark::Counter::kIsRate);
  state.SetBytesProcessed(static_cast<int64_t>(folder.PixelBytes * state.iterations()));
}

void TextDrawing(benchmark::State& state) {
  Tessel::Font font;
  font.Height = 16;
  font.Spacing = 1;
  std::string xml = "<font height='16' spacing='1'>";
  Tessel::Bitmap atlas(256, 256, 1);
  font.Layers.push_back(Tessel::FontLayer{u"", &atlas, 0xFFFFFFFF});
  // Glyphs for ASCII, loaded through the same file format the game uses.
  std::string path = (std::filesystem::temp_directory_path() / "corvanta-bench-font.xml").string();
  for (int c = 32; c < 127; ++c) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "<char code='&#%d;' width='9' rect='%d %d 9 16'/>", c, (c % 16) * 16,
                  (c / 16) * 16);
    xml += buffer;
  }
  xml += "</font>";
  std::FILE* file = std::fopen(path.c_str(), "wb");
  std::fwrite(xml.data(), 1, xml.size(), file);
  std::fclose(file);
  Tessel::ResourceManager manager{Tessel::String("/")};
  Tessel::Font loaded;
  loaded.Name = Tessel::String(path.substr(1, path.size() - 5).c_str());
  loaded.Load(manager);

  Tessel::NullGraphicsDevice device;
  Tessel::Canvas canvas(&device);
  const std::u16string line = u"Pay day: the bungalows on Elm Street earned $1,250 today.";
  for (auto _ : state) {
    for (int row = 0; row < 40; ++row) loaded.DrawText(canvas, 10, static_cast<float>(row * 18), line, 0xFFFFFFFF);
    canvas.Finish();
  }
  state.counters["glyphs/s"] =
      benchmark::Counter(static_cast<double>(line.size()) * 40 * state.iterations(), benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(ImageLoading)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(TextDrawing)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
