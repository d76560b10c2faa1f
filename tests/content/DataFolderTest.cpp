// The data folder as a whole: every common resource the catalogue asks for
// is there and is what its name says, the folder stays small, and making it
// again from scratch gives the same bytes (bench_data times it).
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <thread>

#include "common/Image.h"
#include "content/ContentFiles.h"
#include "support/TempFolder.h"

using namespace Content;
namespace fs = std::filesystem;

TEST(DataFolder, HoldsEveryCommonResourceOfTheCatalogue) {
  EXPECT_EQ(CatalogueSounds().size(), 55u);
  for (const std::string& font : CatalogueFonts()) {
    EXPECT_TRUE(fs::exists(DataFolder() + "fonts/" + font + ".xml")) << font;
  }
  for (const std::string& image : CatalogueImages()) {
    // The game tries png first; names are case-sensitive here.
    EXPECT_TRUE(fs::exists(DataFolder() + image + ".png")) << image;
  }
  for (const std::string& sound : CatalogueSounds()) {
    EXPECT_TRUE(fs::exists(DataFolder() + "sounds/" + sound + ".ogg")) << sound;
  }
  for (const std::string& track : CatalogueMusic()) EXPECT_TRUE(fs::exists(DataFolder() + track)) << track;
  EXPECT_TRUE(fs::exists(DataFolder() + "Text.csv"));
  EXPECT_TRUE(fs::exists(DataFolder() + "version.xml"));
}

TEST(DataFolder, ControlPicturesHaveTheSizesTheControlsLayOut) {
  struct Case {
    const char* Image;
    int Width, Height;
  };
  const Case cases[] = {
      {"images/Interface/Cursors", 400, 90},  // eight cursors of 50 x 90
      {"images/interface/DialogButtonSmall_normal", 126, 47},
      {"images/interface/DialogButtonSmall_over", 126, 47},
      {"images/interface/DialogButtonSmall_pressed", 126, 47},
      {"images/interface/DialogButtonSmall_grey", 126, 47},
      {"images/interface/SliderBar", 185, 13},  // drawn at (0, 17) of the 185 x 47 slider
      {"images/interface/SliderPin_active", 22, 47},
      {"images/interface/SliderPin_inactive", 22, 47},
  };
  for (const Case& c : cases) {
    Tools::Image image = Tools::ReadPng(DataFolder() + c.Image + ".png");
    EXPECT_EQ(image.GetWidth(), c.Width) << c.Image;
    EXPECT_EQ(image.GetHeight(), c.Height) << c.Image;
  }
}

TEST(DataFolder, ButtonStatesLookDifferent) {
  // Over, pressed and grey must each be told apart from normal at a glance:
  // their average colours differ clearly.
  auto average = [](const Tools::Image& image) {
    double r = 0, g = 0, b = 0, n = 0;
    for (const Tools::Rgba& p : image.Data()) {
      if (p.A < 200) continue;
      r += p.R, g += p.G, b += p.B, n += 1;
    }
    return std::array<double, 3>{r / n, g / n, b / n};
  };
  auto normal = average(Tools::ReadPng(DataFolder() + "images/interface/DialogButtonSmall_normal.png"));
  for (const char* state : {"over", "pressed", "grey"}) {
    auto other = average(Tools::ReadPng(DataFolder() + "images/interface/DialogButtonSmall_" + state + ".png"));
    double distance = std::abs(other[0] - normal[0]) + std::abs(other[1] - normal[1]) + std::abs(other[2] - normal[2]);
    EXPECT_GT(distance, 30.0) << state;
  }
}

TEST(DataFolder, StaysUnderOneHundredMegabytes) {
  uintmax_t bytes = 0;
  for (const auto& entry : fs::recursive_directory_iterator(DataFolder())) {
    if (entry.is_regular_file()) bytes += entry.file_size();
  }
  EXPECT_LT(bytes, 100u * 1024 * 1024);
}

namespace {

struct GeneratorRun {
  std::vector<std::string> Arguments;
};

std::vector<GeneratorRun> ReadManifest(const std::string& scratch) {
  std::ifstream in(CORVANTA_DATA_MANIFEST);
  std::vector<GeneratorRun> runs;
  for (std::string line; std::getline(in, line);) {
    if (line.empty()) continue;
    GeneratorRun run;
    std::stringstream fields(line);
    for (std::string field; std::getline(fields, field, '\t');) {
      run.Arguments.push_back(field == "@DATA@" ? scratch : field);
    }
    runs.push_back(run);
  }
  return runs;
}

std::string Quote(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

}  // namespace

TEST(DataFolder, RegeneratesWithTheSameBytes) {
  Testing::TempFolder scratch;
  std::vector<GeneratorRun> runs = ReadManifest(scratch.Path());
  ASSERT_GT(runs.size(), 80u) << "the manifest lists every generator run";
  std::atomic<size_t> next{0};
  std::mutex failuresLock;
  std::vector<std::string> failures;
  auto worker = [&] {
    for (size_t i; (i = next++) < runs.size();) {
      std::string command;
      for (const std::string& a : runs[i].Arguments) command += Quote(a) + " ";
      if (std::system((command + "> /dev/null").c_str()) != 0) {
        std::lock_guard<std::mutex> lock(failuresLock);
        failures.push_back(command);
      }
    }
  };
  std::thread a(worker), b(worker);  // the machine has two cores
  a.join();
  b.join();
  EXPECT_TRUE(failures.empty()) << failures.front();
  int compared = 0;
  for (const auto& entry : fs::recursive_directory_iterator(scratch.Path())) {
    if (!entry.is_regular_file()) continue;
    std::string name = fs::relative(entry.path(), scratch.Path()).string();
    EXPECT_EQ(Testing::ReadFileBytes(entry.path().string()), Testing::ReadFileBytes(DataFolder() + name))
        << name << " differs from the build's copy";
    ++compared;
  }
  EXPECT_GT(compared, 100);
}
