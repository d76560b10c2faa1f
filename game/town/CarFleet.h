#pragma once
// CarFleet: the cars a building owns (a house's wandering cars, a
// dealership's taxis), in the order they were added. Cars come from the
// map's traffic and go back to it: the fleet grows at its end and gives up
// its last cars first.

#include "tessel/Array.h"

namespace Corvanta {

class Building;
class OwnedCar;
class TownTraffic;

class CarFleet {
public:
  int GetSize() const { return Cars.GetSize(); }
  OwnedCar* operator[](int index) const { return Cars[index]; }

  // One more car of the model; false when the traffic gave none.
  bool Add(TownTraffic& traffic, Building* owner, int model);
  // Releases the cars at the end until count remain.
  void ShrinkTo(int count);
  void ReleaseAll() { ShrinkTo(0); }
  void RestartAll();

private:
  Tessel::Array<OwnedCar*> Cars;
};

}  // namespace Corvanta
