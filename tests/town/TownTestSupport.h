#pragma once
// Helpers shared by the town tests: maps drawn as text, a presenter and a
// listener that record what they are told, and an office whose vans the test
// drives by hand.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "game/rules/Balance.h"
#include "game/town/Building.h"
#include "game/town/BuildingFactory.h"
#include "game/town/Map.h"
#include "game/town/MapPresenter.h"
#include "game/town/Office.h"
#include "tessel/Random.h"

namespace Testing {

// The balance settings the game ships, loaded once.
const Corvanta::Balance& ShippedBalance();

class RecordingPresenter : public Corvanta::MapPresenter {
public:
  void PlaySound(const char* soundName) override { Log.push_back(std::string("sound ") + soundName); }
  void ShowHint(const char* textKey) override { Log.push_back(std::string("hint ") + textKey); }
  void ShowMoneyPopup(Corvanta::Building*, int amount) override { Log.push_back("money " + std::to_string(amount)); }
  void StartExplosion(float x, float y, float scale) override {
    Log.push_back("explosion " + std::to_string(static_cast<int>(x)) + " " + std::to_string(static_cast<int>(y)) +
                  " " + std::to_string(scale).substr(0, 4));
  }
  void OpenInfoDialog(Corvanta::Building*) override { Log.push_back("info dialog"); }
  void OpenSaleDialog(Corvanta::Building*) override { Log.push_back("sale dialog"); }

  // What was logged that starts with the prefix ("hint ", "sound ").
  std::vector<std::string> Only(const std::string& prefix) const;
  bool Has(const std::string& entry) const;
  std::vector<std::string> Log;
};

// The events that tell about squares and buildings, as "Event x y".
class RecordingListener : public Corvanta::MapListener {
public:
  void OnMoneyChanged() override { Add("OnMoneyChanged"); }
  void OnRoadAdded(Corvanta::MapSquare* square) override { Add("OnRoadAdded", square); }
  void OnRoadRemoved(Corvanta::MapSquare* square) override { Add("OnRoadRemoved", square); }
  void OnBuildingPutUpForSale(Corvanta::Building* b) override { Add("OnBuildingPutUpForSale", b); }
  void OnSellDialogOpened(Corvanta::Building* b) override { Add("OnSellDialogOpened", b); }
  void OnBuildingSelected(Corvanta::Building* b) override { Add("OnBuildingSelected", b); }
  void OnBuildingAdded(Corvanta::MapEntity* entity) override { Add("OnBuildingAdded"); }
  void OnBuildingRemoved(Corvanta::MapEntity* entity) override { Add("OnBuildingRemoved"); }
  void OnBuildingPlaced(Corvanta::Building* b) override { Add("OnBuildingPlaced", b); }
  void OnPlacementMoved(Corvanta::Building* b) override { Add("OnPlacementMoved", b); }
  void OnBuildingConstructed(Corvanta::Building* b) override { Add("OnBuildingConstructed", b); }
  void OnUpgradeStarted(Corvanta::Building* b) override { Add("OnUpgradeStarted", b); }
  void OnBuildingUpgraded(Corvanta::Building* b) override { Add("OnBuildingUpgraded", b); }
  void OnRepairStarted(Corvanta::Building* b) override { Add("OnRepairStarted", b); }
  void OnBuildingRepaired(Corvanta::Building* b) override { Add("OnBuildingRepaired", b); }
  void OnBuildingBroken(Corvanta::Building* b) override { Add("OnBuildingBroken", b); }
  void OnBuildingDemolished(Corvanta::Building* b) override { Add("OnBuildingDemolished", b); }
  void OnBuildingSoldToRival(Corvanta::Building* b) override { Add("OnBuildingSoldToRival", b); }
  void OnBuildingBought(Corvanta::Building* b) override { Add("OnBuildingBought", b); }
  void OnBuildingConnected(Corvanta::Building* b) override { Add("OnBuildingConnected", b); }
  void OnActionCancelled(Corvanta::Building* b) override { Add("OnActionCancelled", b); }

  // Only the events of that name.
  std::vector<std::string> Only(const std::string& event) const;
  std::vector<std::string> Events;

private:
  void Add(const char* event) { Events.push_back(event); }
  void Add(const char* event, const Corvanta::MapSquare* square);
  void Add(const char* event, const Corvanta::Building* building);
};

// A van the test moves: it arrives when the test says so.
class FakeVan : public Corvanta::JobVan {
public:
  bool HasArrivedAt(const Corvanta::Building* building) const override { return Arrived && Target == building; }
  void GoHome() override {
    Target = nullptr;
    Arrived = false;
    ++HomeTrips;
  }
  Corvanta::Building* Target = nullptr;
  bool Arrived = false;
  int HomeTrips = 0;
};

// An office that hands its free vans to the queued jobs in queue order, as
// many as each job needs, without driving them anywhere.
class TestOffice : public Corvanta::Office {
public:
  explicit TestOffice(int vans = 2);
  void ProcessWorkersTasks() override;
  int GetFreeVanCount() const;
  // Every van assigned to the building arrives.
  void ArriveAll(Corvanta::Building* building);
  std::vector<std::unique_ptr<FakeVan>> Vans;
  int DispatchCalls = 0;
};

// A map drawn as text, one string per row: '.' open ground, '#' road,
// 'x' forbidden, '$' premium. The playground is the whole grid and square
// (0, 0) lies at pixel (0, 0).
class TownTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  void Build(const std::vector<std::string>& rows);
  // A building of the kind placed without a job (an office is a TestOffice).
  Corvanta::Building* Place(Corvanta::BuildingKind kind, int x, int y);
  TestOffice* PlaceOffice(int x, int y, int vans = 2);
  Corvanta::MapSquare* Square(int x, int y) { return map->GetSquare(x, y); }
  void SetRoad(int x, int y, bool on = true) { map->SetRoad(Square(x, y), on); }
  // The pixel at the centre of a square.
  float PixelX(int x) const { return static_cast<float>(map->SquaresOffset.X + 40 * x + 20); }
  float PixelY(int y) const { return static_cast<float>(map->SquaresOffset.Y + 40 * y + 20); }
  // The mouse where a footprint of that size gets the anchor (x, y).
  void MoveConstructionTo(int x, int y);
  void Click(int x, int y);
  void DragRoad(int fromX, int fromY, const std::vector<std::pair<int, int>>& through);
  void Run(float seconds, float step = 0.1f);
  // "x,y x,y ..." of a route.
  static std::string Describe(const Corvanta::SquareRoute& route);

  std::unique_ptr<Corvanta::Map> map;
  RecordingPresenter presenter;
  RecordingListener listener;
};

}  // namespace Testing
