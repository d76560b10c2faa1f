#pragma once
// Helpers for the tests of houses, services, commercial and special
// buildings: traffic whose cars the test counts, an office that counts its
// vans, a presenter and a listener that also note effects and abilities,
// and rules changed for one test.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/town/Commercial.h"
#include "game/town/Dealership.h"
#include "game/town/House.h"
#include "game/town/Park.h"
#include "game/town/ServiceBuilding.h"
#include "game/town/SpecialSteelWorks.h"
#include "game/town/SpecialToConstruct.h"
#include "game/town/TownTraffic.h"
#include "game/town/Workshop.h"
#include "town/TownTestSupport.h"

namespace Testing {

class FakeCar : public Corvanta::OwnedCar {
public:
  FakeCar(Corvanta::Building* owner, int model) : Owner(owner), Model(model) {}
  int GetModel() const override { return Model; }
  void Release() override { Owner = nullptr; }
  void Restart() override { ++Restarts; }
  Corvanta::Building* Owner;
  int Model;
  int Restarts = 0;
};

// Cars that stay where the test can see them, owned by the traffic.
class FakeTraffic : public Corvanta::TownTraffic {
public:
  Corvanta::OwnedCar* AddCar(Corvanta::Building* owner, int model) override;
  void SendNewCitizen(Corvanta::Building* house) override { Citizens.push_back(house); }
  // The models of the cars the building still owns, in the order they came.
  std::vector<int> ModelsOf(const Corvanta::Building* owner) const;
  int CountOf(const Corvanta::Building* owner) const { return static_cast<int>(ModelsOf(owner).size()); }
  std::vector<std::unique_ptr<FakeCar>> Cars;
  std::vector<Corvanta::Building*> Citizens;
};

// An office that knows how many vans it owns.
class VanOffice : public TestOffice {
public:
  explicit VanOffice(int vans) : TestOffice(vans) {}
  int GetVanCount() const override { return static_cast<int>(Vans.size()); }
};

class BuildingPresenter : public RecordingPresenter {
public:
  void StartFireworks(Corvanta::Building*) override { Log.push_back("fireworks"); }
  void ShowAbilityEffect(Corvanta::Building*, float duration) override {
    Log.push_back("effect " + std::to_string(static_cast<int>(duration + 0.5f)));
  }
  void ReportBestHouse(Corvanta::Building*) override { Log.push_back("best house"); }
};

// The events of abilities, bonuses and special constructions, as "Event Kind".
class AbilityListener : public Corvanta::MapListener {
public:
  void OnSpecialAbilityReady(Corvanta::Building* b) override { Add("OnSpecialAbilityReady", b); }
  void OnSpecialAbilityUsed(Corvanta::Building* b) override { Add("OnSpecialAbilityUsed", b); }
  void OnBonusCollected(Corvanta::Building* b) override { Add("OnBonusCollected", b); }
  void OnSpecialConstructionOrdered(Corvanta::Building* b) override { Add("OnSpecialConstructionOrdered", b); }
  // The events of one kind's buildings (the office's speed-up has its own).
  std::vector<std::string> Of(const std::string& kindName) const;
  std::vector<std::string> Events;

private:
  void Add(const char* event, const Corvanta::Building* building) {
    Events.push_back(std::string(event) + " " + Corvanta::GetBuildingKindName(building->Kind));
  }
};

class BuildingTest : public TownTest {
protected:
  void SetUp() override;

  // The shipped rules with a change.
  void ChangeRules(const std::function<void(Corvanta::Balance&)>& change);
  void Buy(Corvanta::OfficeUpgradeId upgrade) { map->OfficeUpgrades |= 1u << upgrade; }

  // A building of the kind placed without a job, as its class.
  template <typename T>
  T* PlaceAs(Corvanta::BuildingKind kind, int x, int y) {
    Corvanta::Building* building = Place(kind, x, y);
    EXPECT_TRUE(Tessel::IsKindOf<T>(building)) << Corvanta::GetBuildingKindName(kind);
    return static_cast<T*>(building);
  }
  Corvanta::House* PlaceHouse(int x, int y, Corvanta::BuildingKind kind = Corvanta::BDK_Bungalow) {
    return PlaceAs<Corvanta::House>(kind, x, y);
  }
  // Placed with its construction job, as the construct tool does.
  Corvanta::Building* Order(Corvanta::BuildingKind kind, int x, int y);
  VanOffice* PlaceVanOffice(int x, int y, int vans);
  // The vans of the building's job arrive and the job runs to its end.
  void FinishJob(Corvanta::Building* building);
  // The ids of the building's menu, built afresh.
  static std::vector<int> MenuIds(Corvanta::Building* building);
  static std::vector<std::string> InfoKeys(const Corvanta::Building* building);
  static int InfoValue(const Corvanta::Building* building, const std::string& key);
  // The services' kinds, in the order they took the building.
  static std::vector<std::string> ServiceNames(const Corvanta::Building* building);

  // Replaces the base's presenter on the map: it notes effects too.
  BuildingPresenter presenter;
  AbilityListener abilities;
  FakeTraffic traffic;
  TestOffice* office = nullptr;
};

}  // namespace Testing
