// The town simulation's hot paths: the road path search over a large
// network, a frame of a map with many buildings, and whole game days of a
// started town.

#include <benchmark/benchmark.h>

#include <memory>

#include "game/rules/Balance.h"
#include "game/town/Building.h"
#include "game/town/BuildingFactory.h"
#include "game/town/Map.h"
#include "tessel/Random.h"

using namespace Corvanta;

namespace {

// A grid of streets: every fourth row and column is road.
std::unique_ptr<Map> MakeStreetGrid(int size) {
  auto map = std::make_unique<Map>();
  map->SetSize(size, size);
  map->Playground = Tessel::Rect{0, 0, size, size};
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) map->GetSquare(x, y)->IsRoad = x % 4 == 0 || y % 4 == 0;
  map->InitSquareFlags();
  return map;
}

void InstallRules() { Balance::Install(Balance::Load(CORVANTA_DATA_DIR "/BalanceSettings.xml")); }

void BM_PathSearchAcrossTheTown(benchmark::State& state) {
  InstallRules();
  const int size = static_cast<int>(state.range(0));
  std::unique_ptr<Map> map = MakeStreetGrid(size);
  // Two trees in blocks at opposite corners of the town.
  Building* from = CreateBuilding(BDK_Tree);
  Building* to = CreateBuilding(BDK_Tree);
  map->PlaceBuilding(from, 1, 1, false);
  map->PlaceBuilding(to, size - 3, size - 3, false);
  SquareRoute route;
  for (auto _ : state) {
    bool found = map->FindRoute(from, to, route);
    benchmark::DoNotOptimize(found);
  }
  state.counters["route"] = route.GetSize();
  state.counters["squares"] = size * size;
}
BENCHMARK(BM_PathSearchAcrossTheTown)->Arg(64)->Arg(256)->Unit(benchmark::kMicrosecond);

void BM_PathSearchFromARoadSquare(benchmark::State& state) {
  InstallRules();
  std::unique_ptr<Map> map = MakeStreetGrid(256);
  Building* to = CreateBuilding(BDK_Shop);
  map->PlaceBuilding(to, 129, 129, false);
  SquareRoute route;
  for (auto _ : state) {
    bool found = map->FindRoute(map->GetSquare(0, 0), to, route);
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(BM_PathSearchFromARoadSquare)->Unit(benchmark::kMicrosecond);

// One frame of a town of many houses: sales running down, repairs done by
// the houses themselves, rival offers, markers, and the totals after each.
void BM_MapUpdateWithManyBuildings(benchmark::State& state) {
  InstallRules();
  Tessel::SeedRand(1);
  std::unique_ptr<Map> map = MakeStreetGrid(128);
  map->BankAccount = 1000000;
  int count = 0;
  for (int y = 1; y + 3 < 128 && count < state.range(0); y += 4) {
    for (int x = 1; x + 3 < 128 && count < state.range(0); x += 4, ++count) {
      Building* house = CreateBuilding(BDK_Bungalow);
      map->PlaceBuilding(house, x, y, false);
      switch (count % 4) {
        case 0: house->PutUpForSale(house->GetSalePrice(150), 150); break;
        case 1:
          house->SetBroken(true);
          house->StartJob(JOB_Repair, true, 1000);
          break;
        case 2:
          house->SetRival(true);
          house->isForSale = true;
          house->SaleTimer = 1000;
          break;
        default: house->NewTimer = 1000; break;
      }
    }
  }
  map->Start();
  for (auto _ : state) map->Update(1.0f / 60);
  state.counters["buildings"] = map->Buildings.GetSize();
}
BENCHMARK(BM_MapUpdateWithManyBuildings)->Arg(200)->Arg(900)->Unit(benchmark::kMicrosecond);

// Whole game days of a started town at 60 frames a second: pay days, rival
// offers and their sales, bonus checks, the pedestrians' count and
// the totals. Items are days: items per second is days simulated per second.
void BM_GameDaysOfATown(benchmark::State& state) {
  InstallRules();
  Tessel::SeedRand(1);
  std::unique_ptr<Map> map = MakeStreetGrid(128);
  map->BankAccount = 100000;
  int count = 0;
  for (int y = 1; y + 3 < 128 && count < state.range(0); y += 4) {
    for (int x = 1; x + 3 < 128 && count < state.range(0); x += 4, ++count) {
      Building* house = CreateBuilding(count % 3 == 0 ? BDK_TwoStorey : BDK_Bungalow);
      map->PlaceBuilding(house, x, y, false);
      if (count % 5 == 0) house->SetRival(true);
    }
  }
  // Without vans no repair would come: the houses stay whole, so that every
  // day does the same work.
  map->BuildingsCanGetBroken = false;
  map->StartSettings.OfficeUpgrades = 1u << OFUP_Fund;
  map->Start();
  const int framesPerDay = Balance::Current().PayDayTime * 60;
  for (auto _ : state)
    for (int frame = 0; frame < framesPerDay; ++frame) map->Update(1.0f / 60);
  state.SetItemsProcessed(state.iterations());
  state.counters["buildings"] = map->Buildings.GetSize();
  state.counters["day"] = map->Day;
}
BENCHMARK(BM_GameDaysOfATown)->Arg(50)->Arg(400)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
