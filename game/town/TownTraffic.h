#pragma once
// TownTraffic: the cars of the town as the buildings ask for them. A house
// owns a few wandering cars, a dealership its taxis, and every new house
// gets its first inhabitant by car. The traffic that drives them along the
// roads implements this; a map without traffic (tests, bots, benchmarks)
// has no cars, and nothing that counts (money, goals) depends on them.

namespace Corvanta {

class Building;
class MapEntity;

// A wandering car or taxi as its owner sees it.
class OwnedCar {
public:
  virtual ~OwnedCar() = default;
  // 0..3 the civilian models, 4 the taxi.
  virtual int GetModel() const = 0;
  // The owner lets the car go and forgets it: a car on the road finishes
  // its drive and leaves the map on its own, a hidden one leaves at once.
  virtual void Release() = 0;
  // The fleet starts afresh: the car hides and appears again later.
  virtual void Restart() = 0;
};

class TownTraffic {
public:
  virtual ~TownTraffic() = default;
  // A new car of the model for the owner, added to the map hidden; none
  // when the traffic has no car to give.
  virtual OwnedCar* AddCar(Building* owner, int model) = 0;
  // The first inhabitant drives to a house whose construction just ended.
  virtual void SendNewCitizen(Building* house) = 0;

  // A new pedestrian for the map to add, hidden until it appears; none when
  // the traffic has none to give. midSmile: it starts at a random point of
  // its smile cycle (the crowd of a level's start).
  virtual MapEntity* CreatePedestrian(bool midSmile) { return nullptr; }
  // The pedestrian finishes its walk and then leaves the map for good.
  virtual void SendPedestrianAway(MapEntity* pedestrian) {}
};

}  // namespace Corvanta
