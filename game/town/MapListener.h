#pragma once
// MapListener: what happens on the map, told to every building, van, goal
// and script that registered with the map, in registration order.
//
// One operation per event, each empty by default so a listener overrides
// only what it cares about. The order of the operations is the order of the
// map's event slots.

namespace Corvanta {

class Building;
class MapEntity;
class MapGoal;
class Office;
struct MapSquare;

class MapListener {
public:
  virtual ~MapListener() = default;

  virtual void OnGoalCompleted(MapGoal* goal) {}
  virtual void OnGoalUncompleted(MapGoal* goal) {}
  virtual void OnMoneyChanged() {}
  // A slot without an event.
  virtual void OnUnusedEvent() {}
  // A square got or lost its road. The map start sends OnRoadAdded with no
  // square, so that every building computes its route.
  virtual void OnRoadAdded(MapSquare* square) {}
  virtual void OnRoadRemoved(MapSquare* square) {}
  virtual void OnBuildingPutUpForSale(Building* building) {}
  virtual void OnSalePercentChanged(Building* building, int percent) {}
  virtual void OnSellDialogOpened(Building* building) {}
  virtual void OnSpecialAbilityReady(Building* building) {}
  virtual void OnSpecialAbilityUsed(Building* building) {}
  virtual void OnBuildingSelected(Building* building) {}
  // Any entity, not only buildings.
  virtual void OnBuildingAdded(MapEntity* entity) {}
  virtual void OnBuildingRemoved(MapEntity* entity) {}
  virtual void OnBuildingPlaced(Building* building) {}
  virtual void OnPlacementMoved(Building* building) {}
  virtual void OnBuildingConstructed(Building* building) {}
  virtual void OnUpgradeStarted(Building* building) {}
  virtual void OnBuildingUpgraded(Building* building) {}
  virtual void OnRepairStarted(Building* building) {}
  virtual void OnBuildingRepaired(Building* building) {}
  virtual void OnBuildingBroken(Building* building) {}
  virtual void OnBuildingDemolished(Building* building) {}
  virtual void OnBuildingSoldToRival(Building* building) {}
  virtual void OnBuildingBought(Building* building) {}
  virtual void OnBuildingConnected(Building* building) {}
  virtual void OnBuildingInfoShown(Building* building) {}
  virtual void OnBonusCollected(Building* building) {}
  virtual void OnActionCancelled(Building* building) {}
  virtual void OnVanBought(Office* office) {}
  virtual void OnVanDelivered(Office* office) {}
  virtual void OnSpecialConstructionOrdered(Building* building) {}
};

}  // namespace Corvanta
