#include "game/town/ServiceBuilding.h"

#include <cmath>

#include "game/town/InfoRows.h"
#include "game/town/Map.h"
#include "tessel/Exception.h"

using namespace Tessel;

// Assertions that name NULL use TESSEL_ASSERT_AT directly: passed on through
// TESSEL_ASSERT the word would reach the text already expanded.

namespace Corvanta {

TESSEL_IMPLEMENT_ABSTRACT_CLASS(ServiceBuilding, Building);

namespace {

template <typename T>
void RemoveFrom(Array<T*>& list, T* item) {
  int index = list.IndexOf(item);
  if (index >= 0) list.RemoveAt(index);
}

Building* AsBuilding(MapEntity* entity) {
  return entity && IsKindOf<Building>(entity) ? static_cast<Building*>(entity) : nullptr;
}

}  // namespace

ServiceBuilding::ServiceBuilding(BuildingKind kind) : Building(kind) {}

ServiceBuilding::~ServiceBuilding() {
  for (Building* building : Served) RemoveFrom(building->LinkedBuildings, static_cast<Building*>(this));
  Served.Clear();
}

// ---- coverage

int ServiceBuilding::GetServiceRadius() const {
  int radius = RadiusOverride >= 0 ? RadiusOverride : LevelBalance ? LevelBalance->Radius : 0;
  if (TheMap) radius += TheMap->GetUpgradeEffects().GetServiceRadiusBonus(Kind);
  return radius;
}

bool ServiceBuilding::Covers(const Building* building) const {
  TESSEL_ASSERT(LevelBalance);
  TESSEL_ASSERT(Square);
  TESSEL_ASSERT_AT(building != NULL, __FILE__, __LINE__);
  if (!building->Square) return false;
  // Square units: the service's footprint widened by radius - 0.5 on every
  // side, against the building's footprint, edges touching counting.
  const double h = GetServiceRadius() - 0.5;
  const double left = Square->X - h, right = Square->X + Width + h;
  const double top = Square->Y - h, bottom = Square->Y + Height + h;
  const int bx = building->Square->X, by = building->Square->Y;
  return bx <= right && bx + building->Width >= left && by <= bottom && by + building->Height >= top;
}

bool ServiceBuilding::CanServe() const { return TheMap && Square && LevelBalance; }

ServiceBuilding* ServiceBuilding::FindService(const Building* building, BuildingKind kind) {
  for (Building* service : building->LinkedBuildings)
    if (service->Kind == kind && IsKindOf<ServiceBuilding>(service)) return static_cast<ServiceBuilding*>(service);
  return nullptr;
}

bool ServiceBuilding::WouldTake(const Building* building) const {
  return building != this && building->Square && building->GetPotentialPopulation() > 0 && Covers(building) &&
         !FindService(building, Kind);
}

void ServiceBuilding::Tint(Building* building, bool on) {
  // A house being placed shows which services would serve it: the
  // services light up instead of the house.
  MapEntity* tinted = building->IsPreview ? static_cast<MapEntity*>(this) : building;
  if (!building->IsPreview && !HighlightOn) return;
  tinted->IsHighlighted = on;
  if (on) tinted->HighlightColour = ServiceHighlightColour;
}

void ServiceBuilding::AddServed(Building* bld) {
  TESSEL_ASSERT_AT(bld != NULL, __FILE__, __LINE__);
  TESSEL_ASSERT(bld->GetPotentialPopulation() > 0);
  if (Serves(bld)) return;
  Served.Add(bld);
  bld->LinkedBuildings.Add(this);
  Tint(bld, true);
  bld->OnCoverageChanged();
  RecomputeTotals();
}

void ServiceBuilding::RemoveServed(Building* building) {
  if (!building || !Serves(building)) return;
  RemoveFrom(Served, building);
  RemoveFrom(building->LinkedBuildings, static_cast<Building*>(this));
  Tint(building, false);
  building->OnCoverageChanged();
  RecomputeTotals();
}

void ServiceBuilding::SetRadiusOverride(int radius) {
  RadiusOverride = radius;
  RecomputeCoverage();
}

void ServiceBuilding::RecomputeCoverage() {
  if (!CanServe()) return;
  Array<Building*> served = Served;
  for (Building* building : served)
    if (!Covers(building)) RemoveServed(building);
  Array<Building*> buildings = TheMap->Buildings;
  for (Building* building : buildings)
    if (building->GetPotentialPopulation() >= 1 && WouldTake(building)) AddServed(building);
}

void ServiceBuilding::ReleaseAll() {
  Array<Building*> served = Served;
  for (Building* building : served) {
    if (!Serves(building)) continue;  // a recomputation on the way let it go
    RemoveFrom(Served, building);
    RemoveFrom(building->LinkedBuildings, static_cast<Building*>(this));
    Tint(building, false);
    building->OnCoverageChanged();
    if (!TheMap) continue;
    for (Building* other : TheMap->Buildings) {
      if (other == this || other->Kind != Kind || !IsKindOf<ServiceBuilding>(other)) continue;
      auto* service = static_cast<ServiceBuilding*>(other);
      if (service->CanServe() && service->WouldTake(building)) {
        service->AddServed(building);
        break;
      }
    }
  }
  Served.Clear();
  RecomputeTotals();
}

void ServiceBuilding::LeaveServices(Building* building) {
  for (Building* service : building->LinkedBuildings)
    if (IsKindOf<ServiceBuilding>(service)) RemoveFrom(static_cast<ServiceBuilding*>(service)->Served, building);
  building->LinkedBuildings.Clear();
}

// ---- map events

void ServiceBuilding::OnBuildingAdded(MapEntity* entity) {
  Building* building = AsBuilding(entity);
  if (building && CanServe() && WouldTake(building)) AddServed(building);
}

void ServiceBuilding::OnBuildingRemoved(MapEntity* entity) {
  if (entity == this)
    ReleaseAll();
  else if (Building* building = AsBuilding(entity))
    RemoveServed(building);
}

void ServiceBuilding::OnBuildingPlaced(Building* building) {
  Building::OnBuildingPlaced(building);
  if (building == this) {
    RecomputeCoverage();
    return;
  }
  // The house placed is no preview any more: its own tint takes over.
  if (Serves(building) && IsHighlighted && !HighlightOn && !IsSelected()) IsHighlighted = false;
  if (CanServe() && WouldTake(building)) AddServed(building);
}

void ServiceBuilding::OnPlacementMoved(Building* building) {
  if (building == this || !CanServe() || building->GetPotentialPopulation() <= 0) return;
  if (!Covers(building))
    RemoveServed(building);
  else if (!FindService(building, Kind))
    AddServed(building);
}

// ---- Building

void ServiceBuilding::SetSquare(MapSquare* square) {
  MapSquare* before = Square;
  Building::SetSquare(square);
  // A service that moves (the construct tool's preview does at every step)
  // serves what it covers from its new place. One being placed waits for its
  // OnBuildingPlaced: its construction job has not started yet.
  if (!square || square == before || !CanServe()) return;
  if (IsPreview || TheMap->Buildings.IndexOf(this) >= 0) RecomputeCoverage();
}

void ServiceBuilding::Select() {
  Building::Select();
  if (!IsSelected() || HighlightOn) return;
  HighlightOn = true;
  for (Building* building : Served) Tint(building, true);
}

void ServiceBuilding::Unselect() {
  Building::Unselect();
  if (!HighlightOn) return;
  for (Building* building : Served) Tint(building, false);
  HighlightOn = false;
}

void ServiceBuilding::GetInfo(BuildingInfoRows& rows) const {
  Building::GetInfo(rows);
  int percent = static_cast<int>(std::lround(GetIncomeBonus() * 100.0));
  if (percent >= 1) AddInfoRow(rows, "Hud.Info.IncomeBonus", percent);  // "%i%%"
}

void ServiceBuilding::OnJobFinished(JobKind job) {
  if (job == JOB_Construct) {
    // Now working: what it gives its buildings changes.
    Array<Building*> served = Served;
    for (Building* building : served) building->OnCoverageChanged();
    RecomputeTotals();
  } else if (job == JOB_Demolish) {
    ReleaseAll();
  }
}

}  // namespace Corvanta
