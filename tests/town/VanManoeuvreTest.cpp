// The geometry of a van crossing a square: directions, turns, lengths,
// where the van is and which picture shows it.

#include <gtest/gtest.h>

#include "game/town/MapSquare.h"
#include "game/town/VanManoeuvre.h"

using namespace Corvanta;

namespace {

MapSquare At(int x, int y) {
  MapSquare square;
  square.X = x;
  square.Y = y;
  return square;
}

TEST(VanManoeuvre, StepsBetweenNeighboursGiveTheirDirection) {
  MapSquare centre = At(5, 5);
  EXPECT_EQ(GetStepDirection(centre, At(6, 5)), 0);  // east
  EXPECT_EQ(GetStepDirection(centre, At(5, 4)), 1);  // north
  EXPECT_EQ(GetStepDirection(centre, At(4, 5)), 2);  // west
  EXPECT_EQ(GetStepDirection(centre, At(5, 6)), 3);  // south
  EXPECT_EQ(GetTurn(0, 1), TURN_Left);
  EXPECT_EQ(GetTurn(1, 0), TURN_Right);
  EXPECT_EQ(GetTurn(3, 1), TURN_Back);
  EXPECT_EQ(GetTurn(2, 2), TURN_Straight);
}

TEST(VanManoeuvre, ATurnCanBeChangedOnlyEarlyEnoughForBothTurns) {
  struct Case {
    int Current, New;
    float Progress;
    bool Possible;
  } cases[] = {
      {TURN_Straight, TURN_Straight, 0.95f, true},  // no change at all
      {TURN_Straight, TURN_Left, 0.69f, true},
      {TURN_Straight, TURN_Left, 0.71f, false},  // past the straight's limit
      {TURN_Left, TURN_Right, 0.29f, true},
      {TURN_Left, TURN_Right, 0.31f, false},  // past the right turn's limit
      {TURN_Back, TURN_Left, 1.05f, true},
      {TURN_Back, TURN_Left, 1.15f, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CanChangeTurn(c.Current, c.New, c.Progress), c.Possible)
        << c.Current << " to " << c.New << " at " << c.Progress;
}

// Where a manoeuvre ends in one square is where the next one starts in the
// square it leads to: the van never jumps between squares.
TEST(VanManoeuvre, EachManoeuvreEndsWhereTheNextSquareBegins) {
  const int stepX[4] = {1, 0, -1, 0}, stepY[4] = {0, -1, 0, 1};
  for (int heading = 0; heading < 4; ++heading) {
    for (int turn = 0; turn < 4; ++turn) {
      VanPlacement end = PlaceInSquare(heading, turn, GetManoeuvreLength(turn));
      int newHeading = (heading + turn) % 4;
      VanPlacement start = PlaceInSquare(newHeading, TURN_Straight, 0);
      EXPECT_NEAR(end.U, start.U + stepX[newHeading], 1e-5f) << heading << " " << turn;
      EXPECT_NEAR(end.V, start.V + stepY[newHeading], 1e-5f) << heading << " " << turn;
      EXPECT_EQ(end.SpriteDirection, newHeading) << heading << " " << turn;
    }
  }
}

TEST(VanManoeuvre, VansKeepToTheRightHandLane) {
  struct Case {
    int Heading;
    float U, V;
  } cases[] = {{0, 0.5f, 0.7f}, {1, 0.7f, 0.5f}, {2, 0.5f, 0.3f}, {3, 0.3f, 0.5f}};
  for (const Case& c : cases) {
    VanPlacement p = PlaceInSquare(c.Heading, TURN_Straight, 0.5f);
    EXPECT_NEAR(p.U, c.U, 1e-5f) << c.Heading;
    EXPECT_NEAR(p.V, c.V, 1e-5f) << c.Heading;
  }
}

TEST(VanManoeuvre, TurnsShowTheDiagonalPictureInTheirMiddle) {
  struct Case {
    int Heading, Turn;
    float Progress;
    int Picture;
  } cases[] = {
      {0, TURN_Straight, 0.7f, -1}, {0, TURN_Left, 0.73f, 4}, {3, TURN_Left, 0.73f, 7},
      {0, TURN_Left, 0.9f, -1},     {1, TURN_Back, 0.7f, 5},  {1, TURN_Back, 1.1f, 6},
      {0, TURN_Right, 0.3f, 7},     {2, TURN_Right, 0.3f, 5}, {2, TURN_Right, 0.5f, -1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GetDiagonalPicture(c.Heading, c.Turn, c.Progress), c.Picture)
        << c.Heading << " " << c.Turn << " " << c.Progress;
}

}  // namespace
