// The town's pictures in the data folder: what the map loads is there, with
// the sizes its drawing lays out; the frames of every animation run without
// a gap; the levels' landscapes cover their maps; the props stand on their
// origins; and the generator's list of pictures is what the build made.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "common/Image.h"
#include "content/ContentFiles.h"
#include "game/rules/BackgroundTiles.h"
#include "game/rules/BuildingKind.h"
#include "game/town/TownArt.h"
#include "tessel/Format.h"
#include "tessel/resources/Bitmap.h"
#include "tessel/resources/ResourceManager.h"

using namespace Content;
using namespace Corvanta;
namespace fs = std::filesystem;

namespace {

constexpr int Square = 40;

bool HasPicture(const std::string& name) { return fs::exists(DataFolder() + name + ".png"); }
Tools::Image Picture(const std::string& name) { return Tools::ReadPng(DataFolder() + name + ".png"); }

std::string Name(const char* format, const char* folder, int n) {
  char name[160];
  std::snprintf(name, sizeof name, format, folder, n);
  return name;
}

int PictureCount(int kind) { return IsHouseKind(kind) ? 4 : kind == BDK_Office ? 3 : 1; }

std::string ReadText(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string Attribute(const std::string& element, const std::string& name) {
  std::smatch m;
  if (std::regex_search(element, m, std::regex("\\b" + name + "=\"([^\"]*)\""))) return m[1];
  return "";
}

bool SamePixels(const Tools::Image& a, const Tools::Image& b) {
  return a.Data().size() == b.Data().size() &&
         std::memcmp(a.Data().data(), b.Data().data(), a.Data().size() * sizeof(Tools::Rgba)) == 0;
}

double Luminance(const Tools::Rgba& p) { return 0.3 * p.R + 0.59 * p.G + 0.11 * p.B; }

// The kinds that vans build and demolish: not the office, not decorations.
bool IsBuiltByVans(int kind) { return kind != BDK_Office && !IsDecorationKind(kind) && kind != BDK_StadiumCheap; }

}  // namespace

TEST(TownPictures, EveryPictureTheMapLoadsIsThereWithItsFootprintInTheMiddle) {
  Tessel::ResourceManager manager{Tessel::String(DataFolder().c_str())};
  TownArt art;
  LoadTownArt(manager, art);
  for (const char* landscape : {"Forest", "Fall", "Snow", "Tropic"}) {
    EXPECT_TRUE(HasPicture(std::string("images/Roads/") + landscape)) << landscape;
  }
  for (int setting : {DECOR_Fall, DECOR_Forest, DECOR_Snow, DECOR_Spring, DECOR_Tropic}) {
    Tessel::Bitmap* roads = art.GetRoadImage(setting);
    ASSERT_NE(roads, nullptr);
    // Sixteen 40 x 40 tiles on the left, sixteen 20 x 20 corner pieces from x 160.
    EXPECT_EQ(roads->GetWidth(), 240);
    EXPECT_EQ(roads->GetHeight(), 160);
  }
  for (BuildingKind kind : GetBalanceKinds()) {
    if (kind == BDK_StadiumCheap) continue;
    const BuildingFootprint footprint = GetBuildingFootprint(kind);
    for (int n = 1; n <= PictureCount(kind); ++n) {
      std::string name = Name("images/buildings/%s/%02i", GetBuildingKindName(kind), n);
      ASSERT_TRUE(HasPicture(name)) << name;
      Tessel::Bitmap* picture = art.Buildings[kind][n - 1];
      ASSERT_NE(picture, nullptr) << name;
      // The map centres a picture on its footprint: what overhangs it does so
      // by whole pixels, as much on each side.
      int overX = picture->GetWidth() - footprint.Width * Square,
          overY = picture->GetHeight() - footprint.Height * Square;
      EXPECT_GE(overX, 0) << name;
      EXPECT_GE(overY, 0) << name;
      EXPECT_EQ(overX % 2, 0) << name;
      EXPECT_EQ(overY % 2, 0) << name;
    }
    // Every level of a kind has the same size, so upgrading never moves it.
    Tools::Image first = Picture(Name("images/buildings/%s/%02i", GetBuildingKindName(kind), 1));
    for (int n = 2; n <= PictureCount(kind); ++n) {
      Tools::Image other = Picture(Name("images/buildings/%s/%02i", GetBuildingKindName(kind), n));
      EXPECT_EQ(other.GetWidth(), first.GetWidth()) << GetBuildingKindName(kind) << " " << n;
      EXPECT_EQ(other.GetHeight(), first.GetHeight()) << GetBuildingKindName(kind) << " " << n;
    }
  }
  // StadiumCheap is drawn with the Stadium's pictures.
  EXPECT_EQ(art.GetBuildingImage(BDK_StadiumCheap, 0), art.GetBuildingImage(BDK_Stadium, 0));
}

TEST(TownPictures, TheMapLoadsBothVansEightPicturesAndTheOfficesMarks) {
  Tessel::ResourceManager manager{Tessel::String(DataFolder().c_str())};
  TownArt art;
  LoadTownArt(manager, art);
  for (int frame = 0; frame < 8; ++frame) {
    ASSERT_NE(art.ConstructionVan[frame], nullptr) << frame;
    EXPECT_EQ(art.ConstructionVan[frame]->GetWidth(), 32) << frame;
    EXPECT_EQ(art.ConstructionVan[frame]->GetHeight(), 32) << frame;
    ASSERT_NE(art.WorkshopVan[frame], nullptr) << frame;
    EXPECT_EQ(art.WorkshopVan[frame]->GetWidth(), 32) << frame;
    EXPECT_EQ(art.WorkshopVan[frame]->GetHeight(), 32) << frame;
    EXPECT_NE(art.WorkshopVan[frame], art.ConstructionVan[frame]) << frame;
  }
  EXPECT_NE(art.SpeedUpIcon, nullptr);
  EXPECT_NE(art.OfficeVanIcon, nullptr);
  EXPECT_NE(art.OfficeSpeedUpIndicator, nullptr);
}

TEST(TownPictures, EveryBuildingPictureComesInTheFallAndUnderSnowAtItsSize) {
  for (BuildingKind kind : GetBalanceKinds()) {
    if (kind == BDK_StadiumCheap) continue;
    const char* folder = GetBuildingKindName(kind);
    for (int n = 1; n <= PictureCount(kind); ++n) {
      Tools::Image picture = Picture(Name("images/buildings/%s/%02i", folder, n));
      for (const char* land : {"Fall", "Snow"}) {
        std::string name = Name((std::string("images/buildings/%s/Decor/") + land + "%02i").c_str(), folder, n);
        ASSERT_TRUE(HasPicture(name)) << name;
        Tools::Image variant = Picture(name);
        EXPECT_EQ(variant.GetWidth(), picture.GetWidth()) << name;
        EXPECT_EQ(variant.GetHeight(), picture.GetHeight()) << name;
        EXPECT_FALSE(SamePixels(variant, picture)) << name << " looks like the spring picture";
      }
    }
  }
}

TEST(TownPictures, EachUpgradeLevelVisiblyChangesTheBuilding) {
  for (BuildingKind kind : GetBalanceKinds()) {
    for (int n = 2; n <= PictureCount(kind); ++n) {
      Tools::Image before = Picture(Name("images/buildings/%s/%02i", GetBuildingKindName(kind), n - 1));
      Tools::Image after = Picture(Name("images/buildings/%s/%02i", GetBuildingKindName(kind), n));
      ASSERT_EQ(before.Data().size(), after.Data().size());
      size_t changed = 0, visible = 0;
      for (size_t i = 0; i < after.Data().size(); ++i) {
        const Tools::Rgba &a = before.Data()[i], &b = after.Data()[i];
        if (a.A > 0 || b.A > 0) ++visible;
        int d = std::abs(a.R - b.R) + std::abs(a.G - b.G) + std::abs(a.B - b.B) + std::abs(a.A - b.A);
        if (d > 60) ++changed;
      }
      EXPECT_GT(changed * 100, visible * 4) << GetBuildingKindName(kind) << " level " << n - 2 << " to " << n - 1;
    }
  }
}

TEST(TownPictures, RoadTilesAreOpaqueAndTheirPavementsLieWherePedestriansWalk) {
  for (const char* landscape : {"Forest", "Fall", "Snow", "Tropic"}) {
    Tools::Image roads = Picture(std::string("images/Roads/") + landscape);
    for (int y = 0; y < 160; ++y)
      for (int x = 0; x < 160; ++x) ASSERT_EQ(roads.At(x, y).A, 255) << landscape << " tile pixel " << x << "," << y;
    // Below the corner pieces nothing is drawn.
    for (int y = 80; y < 160; ++y)
      for (int x = 160; x < 240; ++x) ASSERT_EQ(roads.At(x, y).A, 0) << landscape;
    for (int mask = 0; mask < 16; ++mask) {
      const int ox = (mask % 4) * Square, oy = (mask / 4) * Square;
      // The middle of a tile is carriageway; a walker's cell (5 x 5, the
      // corner cells are always pavement) is lighter than it.
      auto cell = [&](int column, int row) {
        double sum = 0;
        for (int y = 0; y < 5; ++y)
          for (int x = 0; x < 5; ++x) sum += Luminance(roads.At(ox + column * 5 + x, oy + row * 5 + y));
        return sum / 25;
      };
      double road = cell(3, 3);
      for (auto [column, row] : {std::pair{0, 1}, {7, 1}, {0, 6}, {7, 6}}) {
        EXPECT_GT(cell(column, row), road + 30) << landscape << " mask " << mask << " cell " << column << "," << row;
      }
    }
    // Every corner piece draws something, and leaves the grass it lies on showing.
    for (int piece = 0; piece < 16; ++piece) {
      int visible = 0, clear = 0;
      for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
          uint8_t a = roads.At(160 + (piece % 4) * 20 + x, (piece / 4) * 20 + y).A;
          visible += a > 40;
          clear += a < 10;
        }
      EXPECT_GT(visible, 10) << landscape << " piece " << piece;
      EXPECT_GT(clear, 100) << landscape << " piece " << piece;
    }
  }
}

TEST(TownPictures, LevelLandscapesCoverTheirMapsInTiles) {
  for (const char* level : {"Meadowbrook", "Harbourside"}) {
    std::string xml = ReadText(DataFolder() + "levels/" + level + ".xml");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(xml, m, std::regex("<Map[^>]*>"))) << level;
    std::string map = m[0];
    std::string image = Attribute(map, "backgroundImage");
    int width = 0, height = 0;
    ASSERT_EQ(std::sscanf(Attribute(map, "backgroundSize").c_str(), "%i %i", &width, &height), 2);
    BackgroundTiles tiles = LayOutBackgroundTiles(Tessel::String(image.c_str()),
                                                  [](const Tessel::String& name) { return HasPicture(name.CStr()); });
    ASSERT_GT(tiles.Columns, 0) << level;
    ASSERT_GT(tiles.Rows, 0) << level;
    // The rows and columns add up to the picture, each row and column even.
    int total = 0;
    for (int c = 0; c < tiles.Columns; ++c) {
      int w = Picture(tiles.Names[c].CStr()).GetWidth();
      total += w;
      for (int r = 1; r < tiles.Rows; ++r) EXPECT_EQ(Picture(tiles.Names[c + r * tiles.Columns].CStr()).GetWidth(), w);
    }
    EXPECT_EQ(total, width) << level;
    total = 0;
    for (int r = 0; r < tiles.Rows; ++r) {
      int h = Picture(tiles.Names[r * tiles.Columns].CStr()).GetHeight();
      total += h;
      for (int c = 1; c < tiles.Columns; ++c)
        EXPECT_EQ(Picture(tiles.Names[c + r * tiles.Columns].CStr()).GetHeight(), h);
    }
    EXPECT_EQ(total, height) << level;
    // A landscape is opaque everywhere.
    for (const Tessel::String& name : tiles.Names) {
      Tools::Image tile = Picture(name.CStr());
      for (const Tools::Rgba& p : tile.Data()) ASSERT_EQ(p.A, 255) << name.CStr();
    }
  }
}

TEST(TownPictures, EveryPropHasItsPictureAndStandsInsideIt) {
  // The elements, not the comments that show how to write them.
  std::string props = std::regex_replace(ReadText(DataFolder() + "Props.xml"), std::regex("<!--[^]*?-->"), "");
  int count = 0;
  const std::regex decor("<Decor [^>]*>");
  for (std::sregex_iterator it(props.begin(), props.end(), decor), end; it != end; ++it) {
    std::string e = it->str(), image = Attribute(e, "image");
    ASSERT_TRUE(HasPicture(image)) << image;
    Tools::Image picture = Picture(image);
    int x = 0, y = 0;
    if (std::sscanf(Attribute(e, "origin").c_str(), "%i %i", &x, &y) == 2) {
      EXPECT_GT(x, 0) << image;
      EXPECT_LT(x, picture.GetWidth()) << image;
      EXPECT_GT(y, picture.GetHeight() / 2) << image << ": an origin is where the prop meets the ground";
      EXPECT_LT(y, picture.GetHeight()) << image;
    }
    ++count;
  }
  EXPECT_EQ(count, 15);
}

TEST(TownPictures, ConstructionAndDemolitionFramesRunWithoutAGapAtTheBuildingsSize) {
  for (BuildingKind kind : GetBalanceKinds()) {
    if (!IsBuiltByVans(kind)) continue;
    const char* folder = GetBuildingKindName(kind);
    Tools::Image building = Picture(Name("images/buildings/%s/%02i", folder, 1));
    int construction = 0, demolition = 0;
    while (HasPicture(Name("images/buildings/%s/Construction/%02i", folder, construction))) ++construction;
    while (HasPicture(Name("images/buildings/%s/Demolish/%02i", folder, demolition + 1))) ++demolition;
    EXPECT_GE(construction, 4) << folder;
    EXPECT_GE(demolition, 3) << folder;
    for (int f = 0; f < construction; ++f) {
      Tools::Image frame = Picture(Name("images/buildings/%s/Construction/%02i", folder, f));
      EXPECT_EQ(frame.GetWidth(), building.GetWidth()) << folder << " " << f;
      EXPECT_EQ(frame.GetHeight(), building.GetHeight()) << folder << " " << f;
    }
    for (int f = 1; f <= demolition; ++f) {
      Tools::Image frame = Picture(Name("images/buildings/%s/Demolish/%02i", folder, f));
      EXPECT_EQ(frame.GetWidth(), building.GetWidth()) << folder << " " << f;
      EXPECT_EQ(frame.GetHeight(), building.GetHeight()) << folder << " " << f;
    }
  }
}

TEST(TownPictures, MovingBuildingsHaveWholeFramesAtTheirPicturesSize) {
  struct Case {
    const char* Kind;
    const char* Format;
    int Frames;
  };
  // The wind farm's frames lie in its pictures' folder, which the game finds
  // whatever the case of "WindPowerPlant".
  const Case cases[] = {{"AmusementPark", "images/buildings/%s/Animation/%02i", 15},
                        {"Cinema", "images/buildings/%s/Animation/%04i", 40},
                        {"Fountain", "images/buildings/%s/Animation/%02i", 14},
                        {"WindPowerplant", "images/buildings/%s/Animation/%02i", 20}};
  for (const Case& c : cases) {
    Tools::Image picture = Picture(Name("images/buildings/%s/%02i", c.Kind, 1));
    Tools::Image previous;
    for (int f = 0; f < c.Frames; ++f) {
      std::string name = Name(c.Format, c.Kind, f);
      ASSERT_TRUE(HasPicture(name)) << name;
      Tools::Image frame = Picture(name);
      EXPECT_EQ(frame.GetWidth(), picture.GetWidth()) << name;
      EXPECT_EQ(frame.GetHeight(), picture.GetHeight()) << name;
      if (f > 0) {
        EXPECT_FALSE(SamePixels(frame, previous)) << name << " does not move";
      }
      previous = frame;
    }
  }
}

TEST(TownPictures, VehiclesHaveEightFramesOfOneSize) {
  std::vector<std::string> models = {"images/cars/ConstructionVan/%02i", "images/cars/WorkshopVan/%02i"};
  for (int model = 0; model < 4; ++model)
    for (int row = 0;; ++row) {
      char base[96];
      std::snprintf(base, sizeof base, "images/cars/Civilian/%02i/%02i", model, row);
      if (!HasPicture(std::string(base) + "/00")) {
        EXPECT_GT(row, 0) << "model " << model << " has its first colour row";
        break;
      }
      models.push_back(std::string(base) + "/%02i");
    }
  models.push_back("images/cars/Taxi/00/%02i");
  for (const std::string& model : models) {
    for (int frame = 0; frame < 8; ++frame) {
      char name[128];
      std::snprintf(name, sizeof name, model.c_str(), frame);
      ASSERT_TRUE(HasPicture(name)) << name;
      Tools::Image image = Picture(name);
      EXPECT_EQ(image.GetWidth(), 32) << name;
      EXPECT_EQ(image.GetHeight(), 32) << name;
    }
  }
}

TEST(TownPictures, PedestriansAreStripsOfTwentyFiveFramesInBothSeasons) {
  int normal = 0, winter = 0;
  while (HasPicture(Name("%s%02i", "images/Pedestrians/", normal + 1))) ++normal;
  while (HasPicture(Name("%s%02is", "images/Pedestrians/", winter + 1))) ++winter;
  EXPECT_GT(normal, 0);
  EXPECT_EQ(winter, normal);
  for (int i = 1; i <= normal; ++i) {
    for (const std::string& name :
         {Name("%s%02i", "images/Pedestrians/", i), Name("%s%02is", "images/Pedestrians/", i)}) {
      Tools::Image strip = Picture(name);
      EXPECT_EQ(strip.GetWidth(), 25 * 10) << name;
      EXPECT_EQ(strip.GetHeight(), 22) << name;
    }
  }
  EXPECT_TRUE(HasPicture("images/Pedestrians/Smile"));
  EXPECT_TRUE(HasPicture("images/Pedestrians/ThumbUp"));
}

TEST(TownPictures, OverlaysHaveTheSizesTheyAreLaidOutFor) {
  struct Case {
    const char* Name;
    int Width, Height;
  };
  const Case cases[] = {
      {"images/Grass", 40, 40},
      {"images/Water", 40, 40},
      {"images/Premium", 40, 40},
      {"images/ConstructAreaBorders", 120, 120},  // nine pieces of a square each
      {"images/BuildingBase", 120, 120},
      {"images/buildings/Pit2x2", 80, 80},
      {"images/buildings/Pit3x2", 120, 80},
      {"images/buildings/Pit4x3", 160, 120},
      {"images/buildings/Pit5x4", 200, 160},
      {"images/buildings/PitBridge", 160, 40},
      {"images/buildings/ProgressBar_empty", 60, 10},
      {"images/buildings/ProgressBar_full", 60, 10},
      {"images/buildings/MenuButtons_normal", 320, 40},  // eight buttons
      {"images/buildings/MenuButtons_over", 320, 40},
      {"images/buildings/MenuButtons_pressed", 320, 40},
      {"images/buildings/MenuButtons_disabled", 320, 40},
      {"images/buildings/MenuButtonCooldown", 40, 40},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(HasPicture(c.Name)) << c.Name;
    Tools::Image image = Picture(c.Name);
    EXPECT_EQ(image.GetWidth(), c.Width) << c.Name;
    EXPECT_EQ(image.GetHeight(), c.Height) << c.Name;
  }
  // The bridge's front parapet lies over its picture.
  Tools::Image bridge = Picture("images/buildings/Bridge/01"), front = Picture("images/buildings/Bridge/Front");
  EXPECT_EQ(front.GetWidth(), bridge.GetWidth());
  EXPECT_EQ(front.GetHeight(), bridge.GetHeight());
}

TEST(TownPictures, TheBuildMadeEveryPictureTheGeneratorDraws) {
  FILE* list = popen((std::string("'") + CORVANTA_TOWNART + "' --list").c_str(), "r");
  ASSERT_NE(list, nullptr);
  std::set<std::string> names;
  char line[512];
  while (std::fgets(line, sizeof line, list)) {
    std::string name(line);
    while (!name.empty() && (name.back() == '\n' || name.back() == '\r')) name.pop_back();
    EXPECT_TRUE(names.insert(name).second) << name << " is listed twice";
    EXPECT_TRUE(HasPicture(name)) << name << " is drawn by townart but not made by the build (tools/TownArt.cmake)";
  }
  EXPECT_EQ(pclose(list), 0);
  EXPECT_GT(names.size(), 500u);
}
