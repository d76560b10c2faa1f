#include "town/BuildingTestSupport.h"

#include <algorithm>

#include "tessel/widgets/WidgetGuard.h"

using namespace Corvanta;

namespace Testing {

OwnedCar* FakeTraffic::AddCar(Building* owner, int model) {
  Cars.push_back(std::make_unique<FakeCar>(owner, model));
  return Cars.back().get();
}

std::vector<int> FakeTraffic::ModelsOf(const Building* owner) const {
  std::vector<int> models;
  for (const std::unique_ptr<FakeCar>& car : Cars)
    if (car->Owner == owner) models.push_back(car->Model);
  return models;
}

void BuildingTest::SetUp() {
  TownTest::SetUp();
  map->Presenter = &presenter;
  map->Traffic = &traffic;
  map->AddListener(&abilities);
}

void BuildingTest::ChangeRules(const std::function<void(Balance&)>& change) {
  Balance rules = ShippedBalance();
  change(rules);
  Balance::Install(rules);
}

Building* BuildingTest::Order(BuildingKind kind, int x, int y) {
  Building* building = CreateBuilding(kind);
  map->PlaceBuilding(building, x, y, true);
  return building;
}

std::vector<std::string> AbilityListener::Of(const std::string& kindName) const {
  const std::string ending = " " + kindName;
  std::vector<std::string> events;
  for (const std::string& event : Events)
    if (event.size() > ending.size() && event.substr(event.size() - ending.size()) == ending) events.push_back(event);
  return events;
}

VanOffice* BuildingTest::PlaceVanOffice(int x, int y, int vans) {
  auto* vanOffice = new VanOffice(vans);
  map->PlaceBuilding(vanOffice, x, y, false);
  office = vanOffice;
  return vanOffice;
}

void BuildingTest::FinishJob(Building* building) {
  if (!building->jobDoSelf) static_cast<TestOffice*>(map->TheOffice)->ArriveAll(building);
  // A demolition deletes the building with the frame that ends it.
  Tessel::WidgetGuard alive(building);
  for (int step = 0; step < 10000 && alive && building->HasJob(); ++step) map->Update(0.1f);
}

std::vector<int> BuildingTest::MenuIds(Building* building) {
  building->BuildMenu();
  std::vector<int> ids;
  for (const BuildingMenuButton& button : building->MenuButtons) ids.push_back(button.Id);
  return ids;
}

std::vector<std::string> BuildingTest::InfoKeys(const Building* building) {
  BuildingInfoRows rows;
  building->GetInfo(rows);
  std::vector<std::string> keys;
  for (const BuildingInfoRow& row : rows) keys.push_back(row.TextKey.CStr());
  return keys;
}

int BuildingTest::InfoValue(const Building* building, const std::string& key) {
  BuildingInfoRows rows;
  building->GetInfo(rows);
  for (const BuildingInfoRow& row : rows)
    if (key == row.TextKey.CStr()) return row.Value;
  ADD_FAILURE() << "no row " << key;
  return -1;
}

std::vector<std::string> BuildingTest::ServiceNames(const Building* building) {
  std::vector<std::string> names;
  for (const Building* service : building->LinkedBuildings) names.push_back(GetBuildingKindName(service->Kind));
  return names;
}

}  // namespace Testing
