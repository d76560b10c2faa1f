// The grid: squares, their flags, roads and their pictures, and the map's
// small services (pauses, switches, money).

#include "town/TownTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

using MapGrid = TownTest;

TEST_F(MapGrid, SetSizeMakesEmptySquaresRowByRow) {
  map->SquaresOffset = Tessel::Point{12, 44};
  map->SetSize(7, 5);
  ASSERT_EQ(map->GetSquareCount(), 35);
  const MapSquare& square = map->GetSquareAt(3 + 2 * 7);
  EXPECT_EQ(square.X, 3);
  EXPECT_EQ(square.Y, 2);
  EXPECT_EQ(square.TheMap, map.get());
  EXPECT_EQ(square.Position, (Tessel::Vector2{12 + 120, 44 + 80}));
  EXPECT_FALSE(square.IsRoad || square.IsForbidden || square.IsPremium || square.CanBuild || square.CanRoad);
  EXPECT_EQ(square.Entity, nullptr);
}

TEST_F(MapGrid, SizeMustBePositive) {
  try {
    map->SetSize(0, 4);
    FAIL() << "no assertion";
  } catch (const Tessel::AssertionFailedException& e) {
    EXPECT_EQ(e.Message, "newX > 0");
  }
  try {
    map->SetSize(4, -1);
    FAIL() << "no assertion";
  } catch (const Tessel::AssertionFailedException& e) {
    EXPECT_EQ(e.Message, "newY > 0");
  }
}

TEST_F(MapGrid, AGridWithBuildingsOnItIsNotReplaced) {
  Build({"....", "...."});
  Place(BDK_Tree, 1, 1);
  EXPECT_THROW(map->SetSize(8, 8), Tessel::AssertionFailedException);
  EXPECT_EQ(map->GetSquareCount(), 8);
}

TEST_F(MapGrid, SquareLookupsExactClampedAndInsideThePlayground) {
  Build({"......", "......", "......", "......"});
  map->Playground = Tessel::Rect{1, 1, 3, 2};
  EXPECT_EQ(map->GetSquare(6, 0), nullptr);
  EXPECT_EQ(map->GetSquare(-1, 0), nullptr);
  EXPECT_EQ(map->GetSquareClamped(9, -3), Square(5, 0));
  EXPECT_EQ(map->GetPlaygroundSquare(0, 0), Square(1, 1));
  EXPECT_EQ(map->GetPlaygroundSquare(5, 3), Square(3, 2));
  EXPECT_EQ(map->GetSquareAtPixel(95, 79), Square(2, 1));
  // Left of the grid truncates towards 0 and is then clamped.
  EXPECT_EQ(map->GetSquareAtPixel(-30, -30), Square(1, 1));
}

TEST_F(MapGrid, FlagsAtTheStartFollowEntitiesRoadsForbiddenAndPlayground) {
  Build({"#x....", "......", "......", "......"});
  Place(BDK_Tree, 4, 2);
  map->Playground = Tessel::Rect{0, 0, 5, 4};
  map->InitSquareFlags();
  EXPECT_TRUE(Square(0, 0)->CanRoad);
  EXPECT_FALSE(Square(0, 0)->CanBuild);  // a road
  EXPECT_FALSE(Square(1, 0)->CanRoad);   // forbidden
  EXPECT_FALSE(Square(4, 2)->CanRoad);   // the tree
  EXPECT_FALSE(Square(5, 1)->CanBuild);  // outside the playground
  EXPECT_TRUE(Square(2, 2)->CanBuild);
}

TEST_F(MapGrid, SetRoadUpdatesFlagsMasksAndBroadcasts) {
  Build({".....", ".....", "....."});
  SetRoad(2, 1);
  EXPECT_TRUE(Square(2, 1)->IsRoad);
  EXPECT_FALSE(Square(2, 1)->CanBuild);
  EXPECT_TRUE(Square(2, 1)->CanRoad);
  EXPECT_EQ(Square(1, 1)->RoadMask, ROAD_Right);
  EXPECT_EQ(Square(3, 1)->RoadMask, ROAD_Left);
  EXPECT_EQ(Square(2, 0)->RoadMask, ROAD_Below);
  EXPECT_EQ(Square(2, 2)->RoadMask, ROAD_Above);
  SetRoad(2, 1, false);
  EXPECT_TRUE(Square(2, 1)->CanBuild);
  EXPECT_EQ(Square(1, 1)->RoadMask, 0);
  EXPECT_EQ(listener.Events, (std::vector<std::string>{"OnRoadAdded 2 1", "OnRoadRemoved 2 1"}));
}

TEST_F(MapGrid, SetRoadOnARoadBroadcastsNothing) {
  Build({"..#..", "....."});
  SetRoad(2, 0);
  SetRoad(1, 1, false);
  EXPECT_TRUE(listener.Events.empty());
}

TEST_F(MapGrid, NeighboursOutsideTheGridCountAsNoRoad) {
  Build({"#", "#"});
  EXPECT_EQ(Square(0, 0)->RoadMask, ROAD_Below);
  EXPECT_EQ(Square(0, 1)->RoadMask, ROAD_Above);
}

TEST_F(MapGrid, CornerPiecesComeFromTheMaskAndTheDiagonals) {
  // . . .
  // . * #      * has a road to its right and one diagonally below-left.
  // # . .
  Build({"...", "..#", "#.."});
  const MapSquare& square = *Square(1, 1);
  ASSERT_EQ(square.RoadMask, ROAD_Right);
  // Mask 2 gives 10, 1, 14, 5; the corners without a road on either side
  // keep their piece only where a road runs past diagonally.
  EXPECT_EQ(square.Corners[CORNER_TopLeft], -1);
  EXPECT_EQ(square.Corners[CORNER_TopRight], 1);
  EXPECT_EQ(square.Corners[CORNER_BottomLeft], 14);
  EXPECT_EQ(square.Corners[CORNER_BottomRight], 5);
}

TEST_F(MapGrid, CornerTableCoversEveryMask) {
  struct Row {
    int Mask;
    int8_t Pieces[4];
  };
  const Row table[] = {{0, {10, 11, 14, 15}}, {5, {0, 11, 12, 7}}, {10, {2, 9, 14, 5}}, {15, {8, 9, 12, 13}}};
  for (const Row& row : table)
    for (int corner = 0; corner < 4; ++corner)
      EXPECT_EQ(GetRoadCornerPieces(row.Mask)[corner], row.Pieces[corner]) << "mask " << row.Mask;
}

TEST_F(MapGrid, ABuildingStickingOutOfTheGridCoversOnlyItsSquaresInside) {
  Build({"....", "....", "...."});
  Building* house = Place(BDK_Bungalow, 2, 1);  // 3 x 3 from 2 1 on a 4 x 3 grid
  EXPECT_EQ(Square(2, 1)->Entity, house);
  EXPECT_EQ(Square(3, 2)->Entity, house);
  EXPECT_EQ(house->GetFootprintSquares().GetSize(), 4);
  map->RemoveBuilding(house);
  EXPECT_EQ(Square(3, 2)->Entity, nullptr);
  EXPECT_TRUE(Square(3, 2)->CanBuild);
}

TEST_F(MapGrid, PlacingOnAnOccupiedSquareIsAContractViolation) {
  Build({"....", "...."});
  Place(BDK_Tree, 1, 1);
  try {
    Place(BDK_Tree, 1, 1);
    FAIL() << "no assertion";
  } catch (const Tessel::AssertionFailedException& e) {
    EXPECT_EQ(e.Message, "sq->Entity == NULL");
  }
}

TEST_F(MapGrid, PauseCountersPairUp) {
  map->PauseGame();
  map->PauseGame();
  map->ResumeGame();
  EXPECT_TRUE(map->IsGamePaused());
  map->ResumeGame();
  EXPECT_FALSE(map->IsGamePaused());
  try {
    map->ResumeGame();
    FAIL() << "no assertion";
  } catch (const Tessel::AssertionFailedException& e) {
    EXPECT_EQ(e.Message, "pauseGameCount > 0");
  }
  try {
    map->ResumeScripts();
    FAIL() << "no assertion";
  } catch (const Tessel::AssertionFailedException& e) {
    EXPECT_EQ(e.Message, "pauseScriptCount > 0");
  }
}

TEST_F(MapGrid, APausedGameDoesNotUpdateItsEntities) {
  Build({"......", "......"});
  Building* tree = Place(BDK_Tree, 1, 1);
  tree->NewTimer = 5;
  map->PauseGame();
  Run(1);
  EXPECT_FLOAT_EQ(tree->NewTimer, 5);
  map->ResumeGame();
  Run(1);
  EXPECT_NEAR(tree->NewTimer, 4, 1e-4);
}

TEST_F(MapGrid, SwitchesAreFoundByNameWhateverTheCase) {
  MapSwitch& first = map->FindSwitch("BridgeOpen");
  first.Value = true;
  EXPECT_EQ(&map->FindSwitch("bridgeopen"), &first);
  EXPECT_TRUE(map->FindSwitch("BRIDGEOPEN").Value);
  EXPECT_FALSE(map->FindSwitch("Other").Value);
  try {
    map->FindSwitch("");
    FAIL() << "no assertion";
  } catch (const Tessel::AssertionFailedException& e) {
    EXPECT_EQ(e.Message, "!switchName.IsEmpty()");
  }
}

TEST_F(MapGrid, MoneyTransfersAreRefusedBelowZeroAndCappedAtTheTop) {
  map->BankAccount = 400;
  EXPECT_FALSE(map->CanTransferMoney(-500));
  EXPECT_FALSE(map->TransferMoney(-500));
  EXPECT_EQ(map->BankAccount, 400);
  EXPECT_TRUE(listener.Events.empty());
  map->BankAccount = 999000000;
  EXPECT_TRUE(map->TransferMoney(5000000));
  EXPECT_EQ(map->BankAccount, 999999999);
  EXPECT_EQ(listener.Events, std::vector<std::string>{"OnMoneyChanged"});
}

TEST_F(MapGrid, ScrollingStaysInsideTheWindow) {
  Build(std::vector<std::string>(30, std::string(40, '.')));  // 1600 x 1200 pixels
  map->ScrollTo(100, 100);
  EXPECT_EQ(map->ScrollOffset, (Tessel::Vector2{0, 0}));
  map->ScrollTo(-5000, -5000);
  EXPECT_EQ(map->ScrollOffset, (Tessel::Vector2{1024 - 1600, 768 - 1200}));
  map->ScrollTo(-10.6f, -3.2f);
  EXPECT_FLOAT_EQ(map->X, -11);
  EXPECT_FLOAT_EQ(map->Y, -3);
}

TEST_F(MapGrid, TheViewIsCentredOnTheOfficeOfALargeMap) {
  Build(std::vector<std::string>(30, std::string(40, '.')));
  PlaceOffice(20, 15);
  map->Start();
  EXPECT_TRUE(map->CanBeScrolled);
  // 512 - (800 + 60), 384 - (600 + 40)
  EXPECT_EQ(map->ScrollOffset, (Tessel::Vector2{-348, -256}));
}

TEST_F(MapGrid, ChecksumFollowsTheState) {
  Build({"......", "......"});
  uint64_t empty = map->ComputeChecksum();
  SetRoad(1, 1);
  uint64_t withRoad = map->ComputeChecksum();
  EXPECT_NE(empty, withRoad);
  SetRoad(1, 1, false);
  EXPECT_EQ(map->ComputeChecksum(), empty);
}

}  // namespace
