// The search along roads that vans and the connection check use.

#include "town/TownTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

using PathSearchTest = TownTest;

TEST_F(PathSearchTest, AHouseTouchingTheOfficeWithNoRoadBetweenIsUnreachable) {
  Build({"..........", "..........", "..........", "##########"});
  Building* office = PlaceOffice(0, 0);     // 3 x 2 at columns 0..2, rows 0..1
  Building* shop = Place(BDK_Shop, 3, 0);   // 2 x 2 right beside it
  SquareRoute route;
  EXPECT_FALSE(map->FindRoute(office, shop, route));
  EXPECT_TRUE(route.IsEmpty());
}

TEST_F(PathSearchTest, OneRoadSquareTouchingBothConnectsThem) {
  Build({"......", "......", "...#..", "......"});
  Building* office = PlaceOffice(0, 1);    // columns 0..2, rows 1..2
  Building* shop = Place(BDK_Shop, 4, 1);  // columns 4..5, rows 1..2
  SquareRoute route;
  ASSERT_TRUE(map->FindRoute(office, shop, route));
  EXPECT_EQ(Describe(route), "2,2 3,2 4,2");
}

TEST_F(PathSearchTest, TheRouteRunsFromTheSourceAlongTheShortestRoadToTheTarget) {
  Build({
      "##########",
      "#........#",
      "#........#",
      "#........#",
      "####.....#",
      "...#######",
  });
  Building* office = PlaceOffice(1, 1);
  Building* shop = Place(BDK_Shop, 7, 3);
  SquareRoute route;
  ASSERT_TRUE(map->FindRoute(office, shop, route));
  EXPECT_EQ(route[0]->Entity, office);
  EXPECT_EQ(route[route.GetSize() - 1]->Entity, shop);
  for (int i = 1; i + 1 < route.GetSize(); ++i) EXPECT_TRUE(route[i]->IsRoad) << i;
  // Over the top (10 road squares) rather than round the bottom (11).
  EXPECT_EQ(route.GetSize(), 2 + 10);
  EXPECT_EQ(route[1], Square(3, 0));
}

TEST_F(PathSearchTest, FromARoadSquareBesideTheTargetOneStepIsEnough) {
  Build({"......", "..#...", "......"});
  Building* shop = Place(BDK_Shop, 3, 0);
  SquareRoute route;
  ASSERT_TRUE(map->FindRoute(Square(2, 1), shop, route));
  EXPECT_EQ(Describe(route), "2,1 3,1");
}

TEST_F(PathSearchTest, FromAnOpenSquareBesideTheTargetARoadIsStillNeeded) {
  Build({"......", "......", "......"});
  Building* shop = Place(BDK_Shop, 3, 0);
  SquareRoute route;
  EXPECT_FALSE(map->FindRoute(Square(2, 1), shop, route));
  SetRoad(2, 2);
  SetRoad(3, 2);
  ASSERT_TRUE(map->FindRoute(Square(2, 1), shop, route));
  EXPECT_EQ(Describe(route), "2,1 2,2 3,2 3,1");
}

TEST_F(PathSearchTest, OfTwoEqualRoutesTheWalkBackTakesTheFirstNeighbourLeftUpRightDown) {
  Build({
      ".....",
      ".###.",
      ".#.#.",
      ".###.",
      ".....",
  });
  Building* tree = Place(BDK_Tree, 2, 0);
  SquareRoute route;
  // Round the left of the block or round the right: the same length.
  ASSERT_TRUE(map->FindRoute(Square(2, 4), tree, route));
  EXPECT_EQ(Describe(route), "2,4 2,3 1,3 1,2 1,1 2,1 2,0");
}

TEST_F(PathSearchTest, ABuildingAtTheGridEdgeIsSearchedFromItsSquaresInside) {
  Build({"....", "....", "####"});
  Building* shop = Place(BDK_Shop, 3, 0);  // sticks out to the right
  Building* office = PlaceOffice(0, 0);
  SquareRoute route;
  ASSERT_TRUE(map->FindRoute(office, shop, route));
  EXPECT_EQ(route[route.GetSize() - 1], Square(3, 1));
}

TEST_F(PathSearchTest, ContractViolationsAreAssertions) {
  Build({"....", "....", "...."});
  Building* tree = Place(BDK_Tree, 1, 1);
  SquareRoute route;
  auto messageOf = [](auto&& call) -> std::string {
    try {
      call();
    } catch (const Tessel::AssertionFailedException& e) {
      return e.Message.CStr();
    }
    return "";
  };
  EXPECT_EQ(messageOf([&] { map->FindRoute(static_cast<MapSquare*>(nullptr), tree, route); }), "from != NULL");
  EXPECT_EQ(messageOf([&] { map->FindRoute(Square(0, 0), nullptr, route); }), "to != NULL");
  EXPECT_EQ(messageOf([&] { map->FindRoute(Square(1, 1), tree, route); }), "from->Entity != to");
  EXPECT_EQ(messageOf([&] { map->FindRoute(tree, tree, route); }), "from != to");
}

TEST_F(PathSearchTest, RepeatedSearchesDoNotSeeEachOthersDistances) {
  Build({"#####", ".....", "#####"});
  Building* left = Place(BDK_Tree, 0, 1);
  Building* right = Place(BDK_Tree, 4, 1);
  SquareRoute route;
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(map->FindRoute(left, right, route));
    EXPECT_EQ(Describe(route), "0,1 0,0 1,0 2,0 3,0 4,0 4,1");
    SetRoad(2, 0, false);
    ASSERT_TRUE(map->FindRoute(left, right, route));
    EXPECT_EQ(Describe(route), "0,1 0,2 1,2 2,2 3,2 4,2 4,1");
    SetRoad(2, 0, true);
  }
}

}  // namespace
