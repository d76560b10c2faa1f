#pragma once
// ServiceBuilding: a building that serves the buildings around it, within
// its service radius: decorations raise the income of the houses they
// cover, the workshop repairs them, commercial buildings draw their visitors
// from them.
//
// Coverage is kept in two lists that always agree: the service's Served and
// each served building's LinkedBuildings (its services). A building has at
// most one service of each kind, the one that claimed it first; only
// buildings that house people are served. A service serves from the moment
// it stands on a square until it leaves the map: under construction too, and
// as the construct tool's preview, so that a placement shows the coverage it
// would give (a commercial building its visitors) or get (a house its
// services). What a service gives waits until it works.

#include <cstdint>

#include "game/town/Building.h"

namespace Corvanta {

class ServiceBuilding : public Building {
  TESSEL_DECLARE_CLASS(ServiceBuilding)
public:
  explicit ServiceBuilding(BuildingKind kind);
  // Unlinks the served buildings without telling them anything: a deleted
  // service leaves no pointer behind.
  ~ServiceBuilding() override;

  // The fraction by which the service raises the income and value of the
  // houses it serves.
  virtual float GetIncomeBonus() const { return 0; }
  // What a house adds up over its services (the same number).
  float GetAreaBonus() const { return GetIncomeBonus(); }

  // The balance's radius, or the override (the workshop's alert); one more
  // for commercial kinds with the office upgrade.
  int GetServiceRadius() const;
  // The building touches the service's footprint widened by the radius.
  bool Covers(const Building* building) const;
  bool Serves(const Building* building) const { return Served.IndexOf(const_cast<Building*>(building)) >= 0; }
  void AddServed(Building* building);
  // Nothing for a building it does not serve.
  void RemoveServed(Building* building);
  // -1 gives the balance's radius back.
  void SetRadiusOverride(int radius);
  // Lets go of what it no longer covers, then takes every covered building
  // of the map that has no service of this kind yet.
  void RecomputeCoverage();
  // Lets go of everything: each building passes to the first other service
  // of this kind that covers it.
  void ReleaseAll();

  // The service of the kind among the building's services, or none.
  static ServiceBuilding* FindService(const Building* building, BuildingKind kind);
  // A served building that is being deleted leaves its services' lists.
  static void LeaveServices(Building* building);

  // ---- map events
  void OnBuildingAdded(MapEntity* entity) override;
  void OnBuildingRemoved(MapEntity* entity) override;
  void OnBuildingPlaced(Building* building) override;
  void OnPlacementMoved(Building* building) override;

  // ---- Building
  void SetSquare(MapSquare* square) override;
  void Select() override;
  void Unselect() override;
  void GetInfo(BuildingInfoRows& rows) const override;
  void OnJobFinished(JobKind job) override;

  Tessel::Array<Building*> Served;
  // The tint of the served buildings while the area is shown (the entity's
  // own HighlightColour is the tools' highlight of the service itself).
  uint32_t ServiceHighlightColour = 0;
  bool HighlightOn = false;
  int RadiusOverride = -1;

protected:
  // On a square with a level: a building off the grid serves nobody.
  bool CanServe() const;
  // Covered, houses people and has no service of this kind yet.
  bool WouldTake(const Building* building) const;
  void Tint(Building* building, bool on);
};

}  // namespace Corvanta
