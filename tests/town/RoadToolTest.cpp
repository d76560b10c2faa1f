// The road tool's drags, the demolish tool and the information tool.

#include "town/TownTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class RoadTool : public TownTest {
protected:
  void SetUp() override {
    TownTest::SetUp();
    Build(std::vector<std::string>(8, std::string(10, '.')));
    map->SetTool(MAPTOOL_Road);
  }
  void Press(int x, int y) {
    map->OnMouseMove(PixelX(x), PixelY(y));
    map->OnMouseDown(PixelX(x), PixelY(y), 1);
  }
  void Drag(int x, int y) { map->OnMouseMove(PixelX(x), PixelY(y)); }
};

TEST_F(RoadTool, AnLBendsAlongTheRowAfterAStraightDragAlongTheRow) {
  Press(2, 2);
  Drag(6, 2);
  Drag(6, 5);
  EXPECT_EQ(Describe(map->GetRoadDrag()), "2,2 3,2 4,2 5,2 6,2 6,3 6,4 6,5");
}

TEST_F(RoadTool, AnLBendsAlongTheColumnAfterAStraightDragAlongTheColumn) {
  Press(2, 2);
  Drag(2, 5);
  Drag(6, 5);
  EXPECT_EQ(Describe(map->GetRoadDrag()), "2,2 2,3 2,4 2,5 3,5 4,5 5,5 6,5");
}

TEST_F(RoadTool, TheFirstDragOfALevelBendsAlongTheRow) {
  Press(1, 1);
  Drag(3, 3);
  EXPECT_EQ(Describe(map->GetRoadDrag()), "1,1 2,1 3,1 3,2 3,3");
}

TEST_F(RoadTool, DragsRunBackwardsToo) {
  Press(5, 4);
  Drag(2, 4);
  EXPECT_EQ(Describe(map->GetRoadDrag()), "5,4 4,4 3,4 2,4");
  Drag(2, 1);
  EXPECT_EQ(Describe(map->GetRoadDrag()), "5,4 4,4 3,4 2,4 2,3 2,2 2,1");
}

TEST_F(RoadTool, ReleasingLaysTheRoadInPathOrder) {
  DragRoad(1, 1, {{3, 1}});
  EXPECT_TRUE(Square(1, 1)->IsRoad && Square(2, 1)->IsRoad && Square(3, 1)->IsRoad);
  EXPECT_EQ(listener.Events, (std::vector<std::string>{"OnRoadAdded 1 1", "OnRoadAdded 2 1", "OnRoadAdded 3 1"}));
  EXPECT_EQ(presenter.Log, std::vector<std::string>{"sound sounds/roadPlaced.ogg"});
  EXPECT_EQ(map->GetTool(), MAPTOOL_Road);
  EXPECT_EQ(Square(2, 1)->RoadMask, ROAD_Left | ROAD_Right);
}

TEST_F(RoadTool, ARoadOverAnExistingRoadIsValidAndLeavesThoseSquaresAlone) {
  SetRoad(3, 1);
  listener.Events.clear();
  Press(1, 1);
  Drag(4, 1);
  EXPECT_TRUE(map->IsToolTargetValid());
  map->OnMouseUp(PixelX(4), PixelY(1), 1);
  EXPECT_EQ(listener.Events, (std::vector<std::string>{"OnRoadAdded 1 1", "OnRoadAdded 2 1", "OnRoadAdded 4 1"}));
}

TEST_F(RoadTool, ThePreviewMaskJoinsThePathsNeighbours) {
  SetRoad(2, 0);
  Press(1, 1);
  Drag(3, 1);
  EXPECT_EQ(map->GetPreviewRoadMask(Square(1, 1)), ROAD_Right);
  EXPECT_EQ(map->GetPreviewRoadMask(Square(2, 1)), ROAD_Left | ROAD_Right | ROAD_Above);
  EXPECT_EQ(map->GetPreviewRoadMask(Square(3, 1)), ROAD_Left);
}

TEST_F(RoadTool, APressWhereNoRoadMayGoIsRefused) {
  Square(4, 4)->IsForbidden = true;
  map->InitSquareFlags();
  Press(4, 4);
  Drag(6, 4);
  map->OnMouseUp(PixelX(6), PixelY(4), 1);
  EXPECT_EQ(presenter.Log,
            (std::vector<std::string>{"hint AssistantHint.InvalidRoad1", "sound sounds/invalidAction.ogg"}));
  EXPECT_TRUE(listener.Events.empty());
}

TEST_F(RoadTool, APathOverABuildingIsRefusedOnRelease) {
  Place(BDK_Tree, 4, 2);
  DragRoad(2, 2, {{6, 2}});
  EXPECT_EQ(presenter.Log,
            (std::vector<std::string>{"hint AssistantHint.InvalidRoad2", "sound sounds/invalidAction.ogg"}));
  EXPECT_FALSE(Square(2, 2)->IsRoad);
}

TEST_F(RoadTool, ChangingTheToolDropsTheDrag) {
  Press(1, 1);
  Drag(4, 1);
  map->SetTool(MAPTOOL_None);
  EXPECT_TRUE(map->GetRoadDrag().IsEmpty());
  map->OnMouseUp(PixelX(4), PixelY(1), 1);
  EXPECT_FALSE(Square(1, 1)->IsRoad);
}

// ---- demolish tool

class DemolishTool : public TownTest {
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
    office = PlaceOffice(0, 1);
    map->BankAccount = 50000;
    map->SetTool(MAPTOOL_Demolish);
    listener.Events.clear();
  }
  TestOffice* office = nullptr;
};

TEST_F(DemolishTool, APressOnARoadRemovesIt) {
  Click(5, 3);
  EXPECT_FALSE(Square(5, 3)->IsRoad);
  EXPECT_TRUE(Square(5, 3)->CanBuild);
  EXPECT_EQ(listener.Events, std::vector<std::string>{"OnRoadRemoved 5 3"});
  EXPECT_EQ(presenter.Log, std::vector<std::string>{"sound sounds/roadDemolished.ogg"});
}

TEST_F(DemolishTool, DraggingWithTheButtonHeldErasesRoads) {
  map->OnMouseMove(PixelX(4), PixelY(3));
  map->OnMouseDown(PixelX(4), PixelY(3), 1);
  map->OnMouseMove(PixelX(5), PixelY(3));
  map->OnMouseMove(PixelX(6), PixelY(3));
  map->OnMouseUp(PixelX(6), PixelY(3), 1);
  map->OnMouseMove(PixelX(7), PixelY(3));  // the button is up again
  EXPECT_EQ(listener.Events,
            (std::vector<std::string>{"OnRoadRemoved 4 3", "OnRoadRemoved 5 3", "OnRoadRemoved 6 3"}));
  EXPECT_TRUE(Square(7, 3)->IsRoad);
}

TEST_F(DemolishTool, ALockedRoadBuilderKeepsTheRoads) {
  map->RoadBuilderLocked = true;
  Click(5, 3);
  EXPECT_TRUE(Square(5, 3)->IsRoad);
  EXPECT_EQ(presenter.Log, std::vector<std::string>{"sound sounds/invalidAction.ogg"});
}

TEST_F(DemolishTool, APressOnOpenGroundIsAnError) {
  Click(6, 0);
  EXPECT_EQ(presenter.Log, std::vector<std::string>{"sound sounds/invalidAction.ogg"});
}

TEST_F(DemolishTool, RefusalsExplainThemselves) {
  Building* rival = Place(BDK_Bungalow, 5, 0);
  rival->IsRival = true;
  Building* keep = Place(BDK_Tree, 9, 4);
  keep->SetUndemolishable(true);
  Building* shop = Place(BDK_Shop, 3, 0);
  shop->StartJob(JOB_Demolish, false);
  struct Case {
    int X, Y;
    const char* Hint;
  };
  const Case cases[] = {
      {1, 1, "AssistantHint.InvalidDemolish1"},
      {6, 1, "AssistantHint.InvalidDemolish2"},
      {3, 0, "AssistantHint.InvalidDemolish4"},
      {9, 4, "AssistantHint.InvalidDemolish3"},
  };
  for (const Case& c : cases) {
    presenter.Log.clear();
    Click(c.X, c.Y);
    EXPECT_EQ(presenter.Log, std::vector<std::string>{std::string("hint ") + c.Hint}) << c.X << " " << c.Y;
  }
}

TEST_F(DemolishTool, TheHoveredBuildingIsHighlighted) {
  Building* tree = Place(BDK_Tree, 6, 1);
  map->OnMouseMove(PixelX(6), PixelY(1));
  EXPECT_TRUE(tree->IsHighlighted);
  EXPECT_TRUE(map->IsToolTargetValid());
  map->OnMouseMove(PixelX(6), PixelY(0));
  EXPECT_FALSE(tree->IsHighlighted);
  EXPECT_FALSE(map->IsToolTargetValid());
}

TEST_F(DemolishTool, ADecorationGoesAtOnceWithoutVans) {
  Building* tree = Place(BDK_Tree, 6, 1);
  listener.Events.clear();
  Click(6, 1);
  EXPECT_TRUE(tree->IsDemolished);
  EXPECT_EQ(Square(6, 1)->Entity, nullptr);
  EXPECT_TRUE(Square(6, 1)->CanBuild);
  EXPECT_EQ(map->Buildings.IndexOf(tree), -1);
  EXPECT_EQ(listener.Events, (std::vector<std::string>{"OnBuildingRemoved", "OnBuildingDemolished Tree 6 1"}));
  EXPECT_TRUE(presenter.Has("explosion 260 64 1.00"));
  EXPECT_EQ(office->DispatchCalls, 0);
}

TEST_F(DemolishTool, AHouseStartsADemolitionThatNeedsAVan) {
  Building* house = Place(BDK_Bungalow, 5, 0);
  Click(6, 1);
  EXPECT_EQ(house->JobRequired, JOB_Demolish);
  EXPECT_EQ(house->JobCost, 0);
  EXPECT_EQ(house->VansAssigned.size(), 1);
  EXPECT_EQ(map->JobQueue.IndexOf(house), 0);
  EXPECT_TRUE(presenter.Has("explosion 260 72 2.00"));
}

// ---- information tool

using InfoTool = DemolishTool;

TEST_F(InfoTool, APressOnABuildingOpensItsWindowAndMenu) {
  map->SetTool(MAPTOOL_ShowInfo);
  Building* house = Place(BDK_Bungalow, 5, 0);
  Click(6, 1);
  EXPECT_TRUE(presenter.Has("info dialog"));
  EXPECT_TRUE(house->MenuShown);
}

TEST_F(InfoTool, DecorationsTellNothing) {
  map->SetTool(MAPTOOL_ShowInfo);
  Building* tree = Place(BDK_Tree, 6, 1);
  map->OnMouseMove(PixelX(6), PixelY(1));
  EXPECT_FALSE(tree->IsHighlighted);
  Click(6, 1);
  EXPECT_FALSE(presenter.Has("info dialog"));
  EXPECT_FALSE(tree->MenuShown);
}

}  // namespace
