#pragma once
// ConstructionVan: one of the office's vans. It waits in a building, drives
// along the road squares to the building of its job, stays there unseen
// while the job is worked and drives back when the building sends it home.
// Roads that appear or disappear under or ahead of it make it look for a
// better or another way; a van bound for a job whose road is cut calls off
// the job's whole crew (the office dispatches the job afresh), and a van on
// its way home that loses its road fades out and counts as home.
//
// The office owns its vans; they are also children of the map, which
// updates and draws them.

#include "game/town/JobVan.h"
#include "game/town/MapEntity.h"
#include "game/town/MapListener.h"
#include "game/town/PathSearch.h"

namespace Corvanta {

class Building;
class Office;

namespace TownSounds {
constexpr const char* VanMovesOut = "sounds/vanMovesOut.ogg";
constexpr const char* VanArrive = "sounds/vanArrive.ogg";
constexpr const char* VanAdded = "sounds/vanAdded.ogg";
constexpr const char* Haste = "sounds/haste.ogg";
}  // namespace TownSounds

class ConstructionVan : public MapEntity, public MapListener, public JobVan {
  TESSEL_DECLARE_CLASS(ConstructionVan)
public:
  enum State : int {
    STATE_Idle = 0,
    STATE_WaitDeparture = 1,
    STATE_GotoObjective = 2,
    STATE_FadeOut = 3,
  };

  explicit ConstructionVan(Office* office);
  ~ConstructionVan() override;

  // Squares still to cross to reach the building, or -1 when it cannot.
  int GetDistanceTo(Building* building);
  // Sends the van to a building, the office included.
  void Goto(Building* building);
  // While driving: replaces the rest of the path by a new one towards the
  // objective; without force only by a shorter one.
  bool GetAlternativeRoadPath(bool force);
  // Free for a new job: at home, about to leave it, or driving home short
  // of its last square.
  bool IsFree() const;

  // ---- the job's view of the van
  bool HasArrivedAt(const Building* building) const override;
  void GoHome() override;

  // ---- entity and events
  void OnUpdate(float dt) override;
  void OnDraw(Tessel::Canvas& canvas) override;
  void OnAddedToMap(Map* map) override;
  void OnRemovedFromMap() override;
  void OnRoadAdded(MapSquare* square) override;
  void OnRoadRemoved(MapSquare* square) override;

  Office* const TheOffice;
  State state = STATE_Idle;
  Building* objective;
  float DepartureDelay = 0;
  SquareRoute path;
  int squareIdx = -1;
  bool NeedsNewPath = false;
  float Visibility = 0;
  int Heading = 0;
  int Turn = 0;
  float Progress = 0;
  float Speed;
  int SpriteDirection = 0;
  float ScreenX = 0, ScreenY = 0;

private:
  // A route from where the van waits (path[0]) to the building: from the
  // building standing there, or from the square itself when none does.
  bool FindRouteFromDeparture(Building* to, SquareRoute& route);
  void StartMotion();
  void ComputeTurn();
  void UpdateMotion(float dt);
  void Arrive();
  void UpdateScreenPosition();
  // Fades out where it is and then counts as home.
  void Vanish();
  // Home at once, without driving; the office dispatches again.
  void BeHome();
  // The objective's crew goes home and the office dispatches the job again.
  void AbortObjective();
  bool IsHomeBound() const;
  // The turn the first step of a new path needs against the heading.
  int GetFirstTurn(const SquareRoute& route) const;
  void TakePath(SquareRoute& route);
  bool IsBetweenEnds(const MapSquare* square, int from) const;
};

}  // namespace Corvanta
