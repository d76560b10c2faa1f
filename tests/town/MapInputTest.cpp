// The map under the widget manager: the mouse reaches the buildings while
// no tool is active and the map itself while one is.

#include "tessel/widgets/WidgetManager.h"
#include "town/TownTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class MapInput : public TownTest {
protected:
  void SetUp() override {
    TownTest::SetUp();
    Build({
        "..........",
        "..........",
        "..........",
        "##########",
        "..........",
    });
    PlaceOffice(0, 1);
    house = Place(BDK_Bungalow, 4, 0);
    manager.SetSize(1024, 768);
    map->IsOwnedByParent = false;  // the test owns it
    manager.AddChild(map.get());
  }
  void TearDown() override {
    manager.RemoveChild(map.get());
    TownTest::TearDown();
  }
  void MoveTo(int x, int y) {
    manager.OnMouseMove(static_cast<int>(PixelX(x)), static_cast<int>(PixelY(y)));
    manager.Update(0.01f);
  }
  void Press(int x, int y) {
    MoveTo(x, y);
    manager.OnMouseDown(static_cast<int>(PixelX(x)), static_cast<int>(PixelY(y)), 1);
  }
  void Release(int x, int y) { manager.OnMouseUp(static_cast<int>(PixelX(x)), static_cast<int>(PixelY(y)), 1); }

  Tessel::WidgetManager manager{nullptr};
  Building* house = nullptr;
};

TEST_F(MapInput, WithoutAToolAClickSelectsTheBuilding) {
  MoveTo(5, 1);
  EXPECT_EQ(manager.GetHoveredWidget(), house);
  Press(5, 1);
  Release(5, 1);
  EXPECT_EQ(map->SelectedBuilding, house);
}

TEST_F(MapInput, WithAToolTheMapTakesTheMouse) {
  MoveTo(5, 1);
  map->SetTool(MAPTOOL_Road);
  EXPECT_EQ(manager.GetHoveredWidget(), map.get());
  Press(1, 4);
  MoveTo(3, 4);
  Release(3, 4);
  EXPECT_TRUE(Square(1, 4)->IsRoad && Square(2, 4)->IsRoad && Square(3, 4)->IsRoad);
  EXPECT_EQ(map->SelectedBuilding, nullptr);
  map->SetTool(MAPTOOL_None);
  MoveTo(5, 1);
  EXPECT_EQ(manager.GetHoveredWidget(), house);
}

TEST_F(MapInput, ADemolitionFromTheMouseLeavesTheManagerWithNoPointerToTheBuilding) {
  Building* tree = Place(BDK_Tree, 8, 4);
  MoveTo(8, 4);
  EXPECT_EQ(manager.GetHoveredWidget(), tree);
  map->SetTool(MAPTOOL_Demolish);
  Press(8, 4);
  Release(8, 4);
  manager.Update(0.01f);  // the tree is deleted with this frame
  EXPECT_EQ(Square(8, 4)->Entity, nullptr);
  EXPECT_EQ(manager.GetHoveredWidget(), map.get());
  map->SetTool(MAPTOOL_None);
  MoveTo(8, 4);
  EXPECT_EQ(manager.GetHoveredWidget(), map.get());
}

class MapScrolling : public TownTest {
protected:
  void SetUp() override {
    TownTest::SetUp();
    Build(std::vector<std::string>(30, std::string(40, '.')));  // 1600 x 1200 pixels
    map->IsOwnedByParent = false;
    manager.AddChild(map.get());
  }
  void TearDown() override {
    manager.RemoveChild(map.get());
    TownTest::TearDown();
  }
  Tessel::WidgetManager manager{nullptr};
};

TEST_F(MapScrolling, TheRightButtonDragsTheView) {
  manager.OnMouseMove(500, 400);
  manager.Update(0.01f);
  manager.OnMouseDown(500, 400, 2);
  manager.OnMouseMove(400, 330);
  manager.Update(0.01f);
  manager.OnMouseMove(380, 300);
  manager.Update(0.01f);
  manager.OnMouseUp(380, 300, 2);
  EXPECT_EQ(map->ScrollOffset, (Tessel::Vector2{-120, -100}));
  manager.OnMouseMove(300, 200);
  manager.Update(0.01f);
  EXPECT_EQ(map->ScrollOffset, (Tessel::Vector2{-120, -100}));
}

}  // namespace
