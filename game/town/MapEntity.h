#pragma once
// MapEntity: everything that stands or moves on the map (buildings,
// decorations, vans, cars, pedestrians). A widget and a child of the map,
// which updates it every frame and draws the entities in ascending draw
// order, so that what stands lower on the screen covers what stands behind.

#include <cstdint>

#include "tessel/widgets/Widget.h"

namespace Corvanta {

class Map;

class MapEntity : public Tessel::Widget {
  TESSEL_DECLARE_CLASS(MapEntity)
public:
  MapEntity() = default;

  // True for the buildings the info tool opens (houses, office, workshop,
  // commercial buildings), false for decorations and everything else.
  virtual bool IsBuilding() const { return false; }
  // True for the special buildings (kinds 30..36).
  virtual bool IsSpecial() const { return false; }

  // The map calls these when it takes the entity in and lets it go (the
  // entity is a child of the map in between).
  virtual void OnAddedToMap(Map* map) { TheMap = map; }
  virtual void OnRemovedFromMap() {}

  // The bottom pixel row on the map; the map re-sorts its entities when it
  // changes.
  int GetDrawOrder() const { return DrawOrder; }
  void SetDrawOrder(int drawOrder);

  Map* TheMap = nullptr;
  // Set by the demolish and information tools over the hovered entity.
  bool IsHighlighted = false;
  uint32_t HighlightColour = 0;

private:
  int DrawOrder = 0;
};

}  // namespace Corvanta
