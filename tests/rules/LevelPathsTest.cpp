#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "game/rules/BackgroundTiles.h"
#include "game/rules/LevelPaths.h"

using namespace Corvanta;
using namespace Tessel;

TEST(LevelPaths, ScriptAndNameBesideTheLevelFile) {
  struct Case {
    const char* Path;
    const char* Script;
    const char* Name;
  };
  const Case cases[] = {
      {"data/levels/Meadowbrook.xml", "data/levels/Meadowbrook.script.xml", "Meadowbrook"},
      {"data\\levels\\Meadowbrook.xml", "data/levels/Meadowbrook.script.xml", "Meadowbrook"},
      {"data/levels/Bay.XML", "data/levels/Bay.script.xml", "Bay"},
      {"Bay", "Bay.script.xml", "Bay"},
      {"/abs/old.town/Bay.xml", "/abs/old.town/Bay.script.xml", "Bay"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetLevelScriptPath(String(c.Path)), c.Script) << c.Path;
    EXPECT_EQ(GetLevelNameFromPath(String(c.Path)), c.Name) << c.Path;
  }
  EXPECT_EQ(GetLevelFilePath(String("Harbourside")), "data/levels/Harbourside.xml");
  EXPECT_EQ(ToContentPath(String("data\\levels\\Harbourside.xml")), "data/levels/Harbourside.xml");
}

namespace {

std::vector<std::string> Names(const BackgroundTiles& tiles) {
  std::vector<std::string> names;
  for (const String& name : tiles.Names) names.push_back(name.CStr());
  return names;
}

BackgroundTiles Tiles(const char* image, std::set<std::string> images) {
  return LayOutBackgroundTiles(String(image), [&](const String& name) { return images.count(name.CStr()) > 0; });
}

}  // namespace

TEST(BackgroundTiles, ASingleImageIsTheWholePicture) {
  BackgroundTiles tiles = Tiles("B", {"B", "B/00", "B/10"});
  EXPECT_EQ(tiles.Columns, 1);
  EXPECT_EQ(tiles.Rows, 1);
  EXPECT_EQ(Names(tiles), (std::vector<std::string>{"B"}));
}

TEST(BackgroundTiles, ColumnsFromRowZeroAndOnlyCompleteRows) {
  // B/02 is left out because B/12 is missing.
  BackgroundTiles tiles = Tiles("B", {"B/00", "B/10", "B/01", "B/11", "B/02"});
  EXPECT_EQ(tiles.Columns, 2);
  EXPECT_EQ(tiles.Rows, 2);
  EXPECT_EQ(Names(tiles), (std::vector<std::string>{"B/00", "B/10", "B/01", "B/11"}));
}

TEST(BackgroundTiles, NoImagesNoTiles) {
  BackgroundTiles none = Tiles("B", {"B/10", "C/00"});
  EXPECT_EQ(none.Columns, 0);
  EXPECT_EQ(none.Rows, 0);
  EXPECT_TRUE(none.Names.IsEmpty());
  EXPECT_TRUE(Tiles("", {""}).Names.IsEmpty());
}

TEST(BackgroundTiles, AtMostTenByTen) {
  BackgroundTiles tiles = LayOutBackgroundTiles(String("B"), [](const String& name) { return name != "B"; });
  EXPECT_EQ(tiles.Columns, 10);
  EXPECT_EQ(tiles.Rows, 10);
  EXPECT_EQ(tiles.Names.GetSize(), 100);
  EXPECT_EQ(tiles.Names[99], "B/99");
}
