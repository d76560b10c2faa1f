// The construct tool: the preview follows the mouse, snaps inside the
// playground, tests its squares, finds an access road, and commits.

#include "town/TownTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class ConstructTool : public TownTest {
protected:
  void SetUp() override {
    TownTest::SetUp();
    Build({
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "##########",
    });
    office = PlaceOffice(0, 3);  // on the road at the bottom
    map->BankAccount = 20000;
  }
  // Moves the preview to the anchor and presses there.
  void CommitAt(int x, int y) {
    MoveConstructionTo(x, y);
    Building* building = map->GetConstructBuilding();
    map->OnMouseDown(static_cast<float>(40 * x + 20 * building->Width), static_cast<float>(40 * y + 20 * building->Height), 1);
  }
  Building* StartBungalow() {
    Building* house = CreateBuilding(BDK_Bungalow);
    map->StartConstruction(house, false);
    return house;
  }
  TestOffice* office = nullptr;
};

TEST_F(ConstructTool, ThePreviewSnapsToTheSquareUnderItsCentre) {
  Building* house = StartBungalow();
  EXPECT_EQ(map->GetTool(), MAPTOOL_Construct);
  EXPECT_TRUE(house->IsPreview);
  map->OnMouseMove(PixelX(5), PixelY(2));  // the centre of a 3 x 3 footprint
  EXPECT_EQ(house->Square, Square(4, 1));
  EXPECT_TRUE(map->IsToolTargetValid());
  EXPECT_EQ(listener.Only("OnPlacementMoved"), std::vector<std::string>{"OnPlacementMoved Bungalow 4 1"});
  map->OnMouseMove(PixelX(5) + 5, PixelY(2) + 5);  // the same square: no event
  EXPECT_EQ(listener.Only("OnPlacementMoved").size(), 1u);
}

TEST_F(ConstructTool, AFootprintTouchingThePlaygroundsEdgeMovesTheAnchorInsteadOfFailing) {
  Building* house = StartBungalow();
  map->OnMouseMove(PixelX(9), PixelY(2));
  EXPECT_EQ(house->Square, Square(7, 1));
  EXPECT_TRUE(map->IsToolTargetValid());
}

TEST_F(ConstructTool, AHouseOverARoadOrAForbiddenSquareIsInvalid) {
  StartBungalow();
  MoveConstructionTo(4, 3);  // its bottom row on the road
  EXPECT_FALSE(map->IsToolTargetValid());
  Square(5, 1)->IsForbidden = true;
  map->InitSquareFlags();
  MoveConstructionTo(4, 0);
  EXPECT_FALSE(map->IsToolTargetValid());
  MoveConstructionTo(6, 0);
  EXPECT_TRUE(map->IsToolTargetValid());
  MoveConstructionTo(1, 2);  // over the office
  EXPECT_FALSE(map->IsToolTargetValid());
}

TEST_F(ConstructTool, ACommitPaysLaysTheAccessRoadPlacesAndStartsTheJob) {
  Building* house = StartBungalow();
  MoveConstructionTo(4, 1);  // rows 1..3, one open row above the road
  ASSERT_EQ(Describe(map->GetAccessRoad()), "4,4");
  listener.Events.clear();
  map->OnMouseDown(PixelX(5), PixelY(2), 1);
  EXPECT_EQ(map->BankAccount, 20000 - 5000);
  EXPECT_TRUE(Square(4, 4)->IsRoad);
  EXPECT_FALSE(house->IsPreview);
  EXPECT_EQ(house->Square, Square(4, 1));
  EXPECT_EQ(Square(5, 2)->Entity, house);
  EXPECT_EQ(house->JobRequired, JOB_Construct);
  EXPECT_EQ(map->GetTool(), MAPTOOL_None);
  EXPECT_EQ(map->Buildings.IndexOf(house), 1);
  EXPECT_TRUE(house->IsConnected);
  EXPECT_EQ(listener.Events, (std::vector<std::string>{"OnMoneyChanged", "OnRoadAdded 4 4",
                                                       "OnBuildingConnected Bungalow 4 1", "OnBuildingPlaced Bungalow 4 1"}));
  EXPECT_TRUE(presenter.Has("sound sounds/buildingPlaced.ogg"));
  // The office sent its van to the site.
  EXPECT_EQ(house->VansAssigned.size(), 1);
}

TEST_F(ConstructTool, NoAccessRoadIsNeededNextToARoad) {
  StartBungalow();
  MoveConstructionTo(4, 2);
  EXPECT_TRUE(map->IsToolTargetValid());
  EXPECT_TRUE(map->GetAccessRoad().IsEmpty());
}

TEST_F(ConstructTool, TheAccessRoadIsTheShortestStraightWalkToASquareBesideARoad) {
  for (int x = 0; x < 10; ++x) SetRoad(x, 5, false);
  for (int y = 0; y < 6; ++y) SetRoad(8, y);
  StartBungalow();
  MoveConstructionTo(4, 0);
  EXPECT_EQ(Describe(map->GetAccessRoad()), "7,0");
  EXPECT_EQ(map->GetPreviewRoadMask(Square(7, 0)), ROAD_Right);
  MoveConstructionTo(3, 0);
  EXPECT_EQ(Describe(map->GetAccessRoad()), "6,0 7,0");
  // Each square's mask plus the bits towards its neighbours in the stub.
  EXPECT_EQ(map->GetPreviewRoadMask(Square(6, 0)), ROAD_Right);
  EXPECT_EQ(map->GetPreviewRoadMask(Square(7, 0)), ROAD_Left | ROAD_Right);
  // A shorter walk found later (downwards) replaces a longer one.
  for (int x = 3; x < 8; ++x) SetRoad(x, 4);
  MoveConstructionTo(3, 0);
  EXPECT_EQ(Describe(map->GetAccessRoad()), "3,3");
}

TEST_F(ConstructTool, AnAccessRoadHasAtMostFiveSquares) {
  for (int x = 0; x < 10; ++x) SetRoad(x, 5, false);
  for (int y = 0; y < 6; ++y) SetRoad(9, y);
  StartBungalow();
  MoveConstructionTo(1, 0);  // columns 1..3: five squares from the road
  EXPECT_EQ(Describe(map->GetAccessRoad()), "4,0 5,0 6,0 7,0 8,0");
  MoveConstructionTo(0, 0);  // six: too far, and the placement stays valid
  EXPECT_TRUE(map->IsToolTargetValid());
  EXPECT_TRUE(map->GetAccessRoad().IsEmpty());
}

TEST_F(ConstructTool, TheAccessRoadIsLaidInStubOrderOnCommit) {
  for (int x = 0; x < 10; ++x) SetRoad(x, 5, false);
  for (int y = 0; y < 6; ++y) SetRoad(9, y);
  StartBungalow();
  listener.Events.clear();
  CommitAt(4, 0);
  EXPECT_EQ(listener.Only("OnRoadAdded"),
            (std::vector<std::string>{"OnRoadAdded 7 0", "OnRoadAdded 8 0"}));
}

TEST_F(ConstructTool, InvalidCommitsGiveAHintAndKeepTheTool) {
  struct Case {
    BuildingKind Kind;
    bool Rectangle;
    const char* Hint;
  };
  const Case cases[] = {
      {BDK_Bungalow, false, "AssistantHint.InvalidConstruction1"},
      {BDK_Fountain, false, "AssistantHint.InvalidConstruction3"},
      {BDK_Shop, false, "AssistantHint.InvalidConstruction2"},
      {BDK_Bungalow, true, "AssistantHint.InvalidConstruction4"},
      {BDK_Fountain, true, "AssistantHint.InvalidConstruction5"},
      {BDK_Tree, true, "AssistantHint.InvalidConstruction6"},
      {BDK_Shop, true, "AssistantHint.InvalidConstruction2"},
  };
  for (const Case& c : cases) {
    presenter.Log.clear();
    map->FixedConstructionRectangle.IsOn = c.Rectangle;
    map->FixedConstructionRectangle.Area = Tessel::Rect{7, 0, 1, 1};
    map->StartConstruction(CreateBuilding(c.Kind), false);
    CommitAt(0, 3);  // on the office

    EXPECT_EQ(presenter.Log, (std::vector<std::string>{std::string("hint ") + c.Hint, "sound sounds/invalidAction.ogg"}))
        << GetBuildingKindName(c.Kind);
    EXPECT_EQ(map->GetTool(), MAPTOOL_Construct);
  }
  EXPECT_EQ(map->BankAccount, 20000);
}

TEST_F(ConstructTool, TheScriptsRectangleAllowsOnlyItsAnchor) {
  map->FixedConstructionRectangle = ConstructionRectangle{true, Tessel::Rect{5, 0, 3, 3}};
  StartBungalow();
  MoveConstructionTo(4, 0);
  EXPECT_FALSE(map->IsToolTargetValid());
  MoveConstructionTo(5, 0);
  EXPECT_TRUE(map->IsToolTargetValid());
}

TEST_F(ConstructTool, WithoutTheMoneyNothingIsBuiltForFree) {
  map->BankAccount = 4999;
  Building* house = StartBungalow();
  CommitAt(4, 2);
  EXPECT_EQ(map->BankAccount, 4999);
  EXPECT_TRUE(house->IsPreview);
  EXPECT_EQ(map->GetTool(), MAPTOOL_Construct);
  EXPECT_EQ(presenter.Only("hint "), std::vector<std::string>{"AssistantHint.NoMoneyToConstructHouse"});
}

TEST_F(ConstructTool, ADecorationIsCompleteAtOnce) {
  map->StartConstruction(CreateBuilding(BDK_Tree), false);
  Click(7, 2);
  Building* tree = static_cast<Building*>(Square(7, 2)->Entity);
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(tree->JobRequired, JOB_None);
  EXPECT_TRUE(tree->IsOperational());
  EXPECT_EQ(map->BankAccount, 20000 - 300);
  EXPECT_TRUE(map->JobQueue.IsEmpty());
}

TEST_F(ConstructTool, APlacementDraggedFromTheHudCommitsOnRelease) {
  Building* house = CreateBuilding(BDK_Bungalow);
  map->StartConstruction(house, true);
  MoveConstructionTo(4, 2);
  map->OnMouseDown(PixelX(5), PixelY(3), 1);
  EXPECT_TRUE(house->IsPreview);
  map->OnMouseUp(PixelX(5), PixelY(3), 1);
  EXPECT_FALSE(house->IsPreview);
  EXPECT_EQ(house->Square, Square(4, 2));
}

TEST_F(ConstructTool, EndingTheToolTakesThePreviewAway) {
  Building* house = StartBungalow();
  MoveConstructionTo(4, 1);
  EXPECT_TRUE(map->Listeners.Contains(house));
  map->OnMouseDown(PixelX(5), PixelY(2), 2);  // the right button
  EXPECT_EQ(map->GetTool(), MAPTOOL_None);
  EXPECT_EQ(map->GetConstructBuilding(), nullptr);
  EXPECT_FALSE(map->Listeners.Contains(house));
  EXPECT_EQ(map->Buildings.GetSize(), 1);
  EXPECT_EQ(Square(5, 2)->Entity, nullptr);
  EXPECT_EQ(listener.Only("OnBuildingRemoved").size(), 1u);
  map->Update(0.1f);  // deleted with the frame
  EXPECT_EQ(map->GetChildCount(), 1);
}

TEST_F(ConstructTool, APlaygroundSmallerThanTheFootprintLeavesNothingValid) {
  map->Playground = Tessel::Rect{0, 0, 2, 2};
  map->InitSquareFlags();
  Building* house = StartBungalow();
  CommitAt(0, 0);
  EXPECT_FALSE(map->IsToolTargetValid());
  EXPECT_TRUE(house->IsPreview);
  EXPECT_EQ(presenter.Only("hint "), std::vector<std::string>{"AssistantHint.InvalidConstruction1"});
}

}  // namespace
