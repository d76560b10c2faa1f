#pragma once
// Helpers for the tests of the workshop and its van: a town with one long
// road, the workshop above it, houses on both sides, and a van the test
// watches as it goes out and comes back.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "game/town/Workshop.h"
#include "game/town/WorkshopVan.h"
#include "tessel/Exception.h"
#include "tessel/widgets/WidgetGuard.h"
#include "town/BuildingTestSupport.h"

namespace Testing {

// The message of the assertion the action fails with.
template <typename Action>
std::string AssertionOf(Action action) {
  try {
    action();
  } catch (const Tessel::AssertionFailedException& e) {
    return e.Message.CStr();
  }
  return "no failure";
}

class WorkshopTest : public BuildingTest {
protected:
  void SetUp() override {
    BuildingTest::SetUp();
    // Row 3 is the road. The workshop stands at (2, 1) above it; with the
    // shipped radius 4 it covers a house at (5, 0) or (5, 4), with the
    // alert's radius 6 also one at (9, 0).
    Build({
        "........................",
        "........................",
        "........................",
        "########################",
        "........................",
        "........................",
        "........................",
        "........................",
    });
    office = PlaceOffice(20, 0);
    map->BankAccount = 1000000;
    // Only the rules under test move the houses' jobs.
    map->BuildingsCanGetBroken = false;
  }

  Corvanta::Workshop* PlaceWorkshop(int x = 2, int y = 1) {
    return PlaceAs<Corvanta::Workshop>(Corvanta::BDK_Workshop, x, y);
  }
  // Frames of the step until the condition holds; false when it never did.
  bool RunUntil(const std::function<bool()>& condition, float maxSeconds, float step = 0.05f) {
    for (float t = 0; t < maxSeconds; t += step) {
      if (condition()) return true;
      map->Update(step);
    }
    return condition();
  }
  // The van is out on the road towards the house.
  static bool IsDrivingTo(const Corvanta::WorkshopVan* van, const Corvanta::Building* house) {
    return van->IsDriving() && !van->Leaving && van->target == house;
  }
  // The van is on its way home (out of the house, not yet faded).
  static bool IsDrivingHome(const Corvanta::WorkshopVan* van) {
    return van->IsDriving() && !van->Leaving && !van->target;
  }
  // The workshop vans that are children of the map.
  std::vector<Corvanta::WorkshopVan*> VansOnMap() const {
    std::vector<Corvanta::WorkshopVan*> vans;
    for (Tessel::Widget* child = map->GetFirstChild(); child; child = child->GetNextSibling())
      if (Tessel::IsKindOf<Corvanta::WorkshopVan>(child)) vans.push_back(static_cast<Corvanta::WorkshopVan*>(child));
    return vans;
  }
};

}  // namespace Testing
