#pragma once
// WorkshopVan: the workshop's one van, a visible sign of its service. It
// waits unseen at the workshop, drives along the roads to one of the houses
// the workshop serves, vanishes into it for a moment and drives back; then
// it waits at home again. It repairs nothing itself.
//
// It drives as the construction van does (VanManoeuvre), but it is no job
// van: it never takes part in a building's job. A pending job on the
// workshop or on the house, a road gone under it and a building gone call
// the visit off; the van then counts as home. When the workshop leaves the
// map the van removes itself.
//
// The workshop and the house are held through links that read null once
// the building is deleted, whether or not an event told the van: the van
// never touches a building that is gone.

#include <memory>

#include "game/town/MapEntity.h"
#include "game/town/MapListener.h"
#include "game/town/PathSearch.h"
#include "tessel/widgets/WidgetGuard.h"

namespace Corvanta {

class Building;
class Workshop;

// A pointer to an entity that reads null once the entity is deleted.
template <typename T>
class EntityLink {
public:
  EntityLink() = default;
  EntityLink(const EntityLink&) = delete;
  EntityLink& operator=(const EntityLink&) = delete;

  EntityLink& operator=(T* entity) {
    Target = entity;
    Guard.reset(entity ? new Tessel::WidgetGuard(entity) : nullptr);
    return *this;
  }
  T* Get() const { return Guard && Guard->IsAlive() ? Target : nullptr; }
  operator T*() const { return Get(); }
  T* operator->() const { return Get(); }
  // It pointed at an entity that has been deleted since.
  bool WasLost() const { return Target && !(Guard && Guard->IsAlive()); }

private:
  T* Target = nullptr;
  std::unique_ptr<Tessel::WidgetGuard> Guard;
};

class WorkshopVan final : public MapEntity, public MapListener {
  TESSEL_DECLARE_CLASS(WorkshopVan)
public:
  static constexpr int EntitySize = 32;

  // Joins the workshop's map as an entity and a listener, invisible, with a
  // first wait at home.
  explicit WorkshopVan(Workshop* home);
  ~WorkshopVan() override;

  // The workshop is gone: the van removes itself on its next update.
  void LoseHome();
  // At home: no house to visit or drive to, and not on the road.
  bool IsHome() const { return !target && !IsVisible(); }
  // Driving (or fading out on the road).
  bool IsDriving() const { return IsVisible(); }
  // Inside the house it visits, waiting.
  bool IsInsideTarget() const { return target && !IsVisible(); }

  // ---- entity and events
  void OnUpdate(float dt) override;
  void OnDraw(Tessel::Canvas& canvas) override;
  void OnAddedToMap(Map* map) override;
  void OnRemovedFromMap() override;
  void OnBuildingRemoved(MapEntity* building) override;

  // ---- data, in the order of the model
  EntityLink<Workshop> home;
  EntityLink<Building> target;
  bool Leaving = false;
  bool FastFade = false;
  float WaitTimer = 0;
  SquareRoute pathSquares;
  int pathSquareIdx = -1;
  int Heading = 0;
  int Turn = 0;
  float Progress = 0;
  float Speed;
  int SpriteDirection = 0;
  float ScreenX = 0, ScreenY = 0;
  float Visibility = 0;

private:
  // Links to buildings deleted without an event count as removed.
  void CheckLinks();
  // The house is gone: home at once from inside it, a fade where it is on
  // the road.
  void LoseTarget();
  bool IsHomePlaced() const;
  // A house of the workshop's list it may visit now.
  bool MayVisit(Building* building);
  void Wait(float dt);
  void Drive(float dt);
  void StartDriving();
  void CheckStep(int from) const;
  void ComputeTurn();
  void AdvanceSquare();
  void UpdateScreenPosition();
  // Faded out: gone from sight, the path dropped.
  void Disappear();
};

}  // namespace Corvanta
