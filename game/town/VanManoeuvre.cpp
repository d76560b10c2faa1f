#include "game/town/VanManoeuvre.h"

#include "game/town/MapSquare.h"

namespace Corvanta {

namespace {

constexpr float Lengths[4] = {1.0f, 1.4f, 1.8f, 0.6f};
// How far into each manoeuvre its way can still be changed.
constexpr float ChangeLimits[4] = {0.7f, 1.1f, 1.5f, 0.3f};

}  // namespace

int GetStepDirection(const MapSquare& from, const MapSquare& to) {
  if (to.X > from.X) return 0;
  if (to.X < from.X) return 2;
  return to.Y > from.Y ? 3 : 1;
}

float GetManoeuvreLength(int turn) { return Lengths[turn & 3]; }

bool CanChangeTurn(int currentTurn, int newTurn, float progress) {
  return newTurn == currentTurn || (progress < ChangeLimits[currentTurn & 3] && progress < ChangeLimits[newTurn & 3]);
}

VanPlacement PlaceInSquare(int heading, int turn, float progress) {
  // a runs along the heading, b across it; 0.7 is the right-hand lane.
  float a = progress, b = 0.7f;
  int sprite = heading;
  switch (turn & 3) {
    case TURN_Straight: break;
    case TURN_Left:
      if (progress >= 0.7f) {
        a = 0.7f;
        b = 0.7f - (progress - 0.7f);
        sprite = heading + 1;
      }
      break;
    case TURN_Back:
      if (progress >= 1.1f) {
        a = 0.7f - (progress - 1.1f);
        b = 0.3f;
        sprite = heading + 2;
      } else if (progress >= 0.7f) {
        a = 0.7f;
        b = 0.7f - (progress - 0.7f);
        sprite = heading + 1;
      }
      break;
    case TURN_Right:
      if (progress >= 0.3f) {
        a = 0.3f;
        b = progress - 0.3f + 0.7f;
        sprite = heading + 3;
      }
      break;
  }
  VanPlacement placement;
  placement.SpriteDirection = sprite % 4;
  switch (heading & 3) {
    case 0: placement.U = a, placement.V = b; break;
    case 1: placement.U = b, placement.V = 1 - a; break;
    case 2: placement.U = 1 - a, placement.V = 1 - b; break;
    default: placement.U = 1 - b, placement.V = a; break;
  }
  return placement;
}

int GetDiagonalPicture(int heading, int turn, float progress) {
  auto inside = [progress](float from, float to) { return progress > from && progress < to; };
  int diagonal = -1;
  switch (turn & 3) {
    case TURN_Left:
      if (inside(0.68f, 0.78f)) diagonal = heading;
      break;
    case TURN_Back:
      if (inside(0.68f, 0.78f))
        diagonal = heading;
      else if (inside(1.08f, 1.18f))
        diagonal = heading + 1;
      break;
    case TURN_Right:
      if (inside(0.28f, 0.38f)) diagonal = heading + 3;
      break;
    default: break;
  }
  return diagonal < 0 ? -1 : 4 + diagonal % 4;
}

}  // namespace Corvanta
