#include "game/town/CarFleet.h"

#include "game/town/TownTraffic.h"

namespace Corvanta {

bool CarFleet::Add(TownTraffic& traffic, Building* owner, int model) {
  OwnedCar* car = traffic.AddCar(owner, model);
  if (!car) return false;
  Cars.Add(car);
  return true;
}

void CarFleet::ShrinkTo(int count) {
  if (count < 0) count = 0;
  while (Cars.GetSize() > count) {
    OwnedCar* car = Cars[Cars.GetSize() - 1];
    Cars.RemoveAt(Cars.GetSize() - 1);
    car->Release();
  }
}

void CarFleet::RestartAll() {
  for (OwnedCar* car : Cars) car->Restart();
}

}  // namespace Corvanta
