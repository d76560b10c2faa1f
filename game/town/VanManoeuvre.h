#pragma once
// VanManoeuvre: how a van crosses one square. It enters with a heading
// (0 east, 1 north, 2 west, 3 south), leaves straight on, turned left,
// turned back or turned right, and drives on the right-hand lane: the
// geometry below gives the length of each manoeuvre, where inside the square
// the van is after some distance, and which of its pictures shows it.

namespace Corvanta {

struct MapSquare;

enum VanTurn : int {
  TURN_Straight = 0,
  TURN_Left = 1,
  TURN_Back = 2,
  TURN_Right = 3,
};

// The direction of the step between two orthogonally adjacent squares.
int GetStepDirection(const MapSquare& from, const MapSquare& to);
// The turn a step in that direction needs after entering with the heading.
inline int GetTurn(int heading, int direction) { return (direction - heading + 4) % 4; }

// The distance, in square units, a manoeuvre covers inside the square.
float GetManoeuvreLength(int turn);
// Whether a van that has gone that far into its manoeuvre can still take
// the other turn instead.
bool CanChangeTurn(int currentTurn, int newTurn, float progress);

// Where a van is inside its square, in square units from the square's
// top-left corner, and which of its four straight pictures faces its way.
struct VanPlacement {
  float U = 0, V = 0;
  int SpriteDirection = 0;
};
VanPlacement PlaceInSquare(int heading, int turn, float progress);

// The picture in the middle of a turn: 4 + d for the diagonal between
// direction d and d + 1, or -1 when the straight picture shows.
int GetDiagonalPicture(int heading, int turn, float progress);

}  // namespace Corvanta
