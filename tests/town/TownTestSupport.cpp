#include "town/TownTestSupport.h"

#include <algorithm>

using namespace Corvanta;

namespace Testing {

const Balance& ShippedBalance() {
  static const Balance balance = Balance::Load(CORVANTA_DATA_DIR "/BalanceSettings.xml");
  return balance;
}

std::vector<std::string> RecordingPresenter::Only(const std::string& prefix) const {
  std::vector<std::string> entries;
  for (const std::string& entry : Log)
    if (entry.rfind(prefix, 0) == 0) entries.push_back(entry.substr(prefix.size()));
  return entries;
}

bool RecordingPresenter::Has(const std::string& entry) const {
  return std::find(Log.begin(), Log.end(), entry) != Log.end();
}

void RecordingListener::Add(const char* event, const MapSquare* square) {
  Events.push_back(square ? std::string(event) + " " + std::to_string(square->X) + " " + std::to_string(square->Y)
                          : std::string(event) + " none");
}

void RecordingListener::Add(const char* event, const Building* building) {
  std::string where = building->Square ? " " + std::to_string(building->Square->X) + " " +
                                             std::to_string(building->Square->Y)
                                       : "";
  Events.push_back(std::string(event) + " " + GetBuildingKindName(building->Kind) + where);
}

std::vector<std::string> RecordingListener::Only(const std::string& event) const {
  std::vector<std::string> events;
  for (const std::string& entry : Events)
    if (entry == event || entry.rfind(event + " ", 0) == 0) events.push_back(entry);
  return events;
}

TestOffice::TestOffice(int vans) {
  for (int i = 0; i < vans; ++i) Vans.push_back(std::make_unique<FakeVan>());
}

int TestOffice::GetFreeVanCount() const {
  return static_cast<int>(
      std::count_if(Vans.begin(), Vans.end(), [](const std::unique_ptr<FakeVan>& van) { return !van->Target; }));
}

void TestOffice::ProcessWorkersTasks() {
  ++DispatchCalls;
  for (Building* building : TheMap->JobQueue) {
    if (!building->VansAssigned.empty()) continue;
    int needed = building->JobRequired == JOB_Construct ? building->Balance->ConstructionVansCount : 1;
    if (GetFreeVanCount() < needed) continue;
    for (const std::unique_ptr<FakeVan>& van : Vans) {
      if (needed == 0) break;
      if (van->Target) continue;
      van->Target = building;
      building->VansAssigned.push_back(van.get());
      --needed;
    }
  }
}

void TestOffice::ArriveAll(Building* building) {
  for (JobVan* van : building->VansAssigned) static_cast<FakeVan*>(van)->Arrived = true;
}

void TownTest::SetUp() {
  Balance::Install(ShippedBalance());
  Tessel::SeedRand(1);
  map = std::make_unique<Map>();
  map->Presenter = &presenter;
  map->AddListener(&listener);
}

void TownTest::TearDown() {
  map.reset();
  Balance::Reset();
}

void TownTest::Build(const std::vector<std::string>& rows) {
  int columns = static_cast<int>(rows.front().size());
  int count = static_cast<int>(rows.size());
  map->SetSize(columns, count);
  map->Widget::SetSize(static_cast<float>(columns * 40), static_cast<float>(count * 40));
  map->Playground = Tessel::Rect{0, 0, columns, count};
  for (int y = 0; y < count; ++y) {
    for (int x = 0; x < columns; ++x) {
      MapSquare* square = map->GetSquare(x, y);
      char c = rows[static_cast<size_t>(y)][static_cast<size_t>(x)];
      square->IsRoad = c == '#';
      square->IsForbidden = c == 'x';
      square->IsPremium = c == '$';
    }
  }
  map->InitSquareFlags();
}

Building* TownTest::Place(BuildingKind kind, int x, int y) {
  Building* building = kind == BDK_Office ? new TestOffice() : CreateBuilding(kind);
  map->PlaceBuilding(building, x, y, false);
  return building;
}

TestOffice* TownTest::PlaceOffice(int x, int y, int vans) {
  auto* office = new TestOffice(vans);
  map->PlaceBuilding(office, x, y, false);
  return office;
}

void TownTest::MoveConstructionTo(int x, int y) {
  Building* building = map->GetConstructBuilding();
  ASSERT_NE(building, nullptr);
  map->OnMouseMove(static_cast<float>(map->SquaresOffset.X + 40 * x + 20 * building->Width),
                   static_cast<float>(map->SquaresOffset.Y + 40 * y + 20 * building->Height));
}

void TownTest::Click(int x, int y) {
  map->OnMouseMove(PixelX(x), PixelY(y));
  map->OnMouseDown(PixelX(x), PixelY(y), 1);
  map->OnMouseUp(PixelX(x), PixelY(y), 1);
}

void TownTest::DragRoad(int fromX, int fromY, const std::vector<std::pair<int, int>>& through) {
  map->OnMouseMove(PixelX(fromX), PixelY(fromY));
  map->OnMouseDown(PixelX(fromX), PixelY(fromY), 1);
  float x = PixelX(fromX), y = PixelY(fromY);
  for (auto [sx, sy] : through) {
    x = PixelX(sx);
    y = PixelY(sy);
    map->OnMouseMove(x, y);
  }
  map->OnMouseUp(x, y, 1);
}

void TownTest::Run(float seconds, float step) {
  for (float t = 0; t < seconds - 1e-4f; t += step) map->Update(step);
}

std::string TownTest::Describe(const SquareRoute& route) {
  std::string text;
  for (const MapSquare* square : route) {
    if (!text.empty()) text += " ";
    text += std::to_string(square->X) + "," + std::to_string(square->Y);
  }
  return text;
}

}  // namespace Testing
