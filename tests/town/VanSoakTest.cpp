// Vans under a long run of random orders, cancels and road changes: no
// rule of theirs may fail, and once the work is done every van is home.

#include <algorithm>

#include "tessel/Random.h"
#include "town/VanTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class VanSoak : public VanTest {
protected:
  void SetUp() override {
    VanTest::SetUp();
    Build({
        "....................",
        "....................",
        "....................",
        "####################",
        "#..................#",
        "#..................#",
        "#..................#",
        "####################",
        "....................",
        "....................",
        "....................",
    });
    map->BankAccount = Map::MaxMoney;
  }
};

TEST_F(VanSoak, RandomOrdersCancelsAndRoadChangesNeverBreakAVanRule) {
  for (int seed = 1; seed <= 30; ++seed) {
    SCOPED_TRACE(seed);
    SetUp();
    Tessel::SeedRand(static_cast<unsigned>(seed));
    PlaceRealOffice(0, 1, 3);
    std::vector<Building*> sites;
    std::vector<MapSquare*> cut;
    auto roadSquare = [&]() -> MapSquare* {
      // The loop of roads around the middle block.
      for (int tries = 0; tries < 50; ++tries) {
        int x = Tessel::Rand() % 20, y = Tessel::Rand() % 2 == 0 ? 3 : 7;
        if (Tessel::Rand() % 3 == 0) x = Tessel::Rand() % 2 == 0 ? 0 : 19, y = 3 + Tessel::Rand() % 5;
        MapSquare* square = Square(x, y);
        if (square->CanRoad && !square->Entity) return square;
      }
      return nullptr;
    };
    const int spots[][2] = {{4, 0},  {8, 0},  {12, 0}, {16, 0}, {2, 4},  {6, 4},
                            {10, 4}, {14, 4}, {4, 8},  {8, 8},  {12, 8}, {16, 8}};
    for (int step = 0; step < 3000; ++step) {
      int action = Tessel::Rand() % 100;
      if (action < 3) {
        const int* spot = spots[Tessel::Rand() % 12];
        // Shops above the road stand on the lower two rows of the spot;
        // a chateau (two vans) reaches one column beyond it.
        int pick = Tessel::Rand() % 4;
        BuildingKind kind = pick == 0 ? BDK_Shop : pick == 1 ? BDK_Chateau : BDK_Bungalow;
        int x = spot[0], y = kind == BDK_Shop && spot[1] == 0 ? 1 : spot[1];
        BuildingFootprint footprint = GetBuildingFootprint(kind);
        bool free = true;
        for (int j = 0; j < footprint.Height && free; ++j)
          for (int i = 0; i < footprint.Width && free; ++i) free = Square(x + i, y + j)->CanBuild;
        if (free) sites.push_back(Order(kind, x, y));
      } else if (action < 4 && !sites.empty()) {
        size_t index = static_cast<size_t>(Tessel::Rand()) % sites.size();
        Building* site = sites[index];
        sites.erase(sites.begin() + static_cast<long>(index));
        if (site->GetParent() == map.get() && site->HasJob()) {
          ASSERT_NO_THROW(site->Cancel());
        }
      } else if (action < 5) {
        MapSquare* square = roadSquare();
        if (square && square->IsRoad) {
          ASSERT_NO_THROW(map->SetRoad(square, false));
          cut.push_back(square);
        }
      } else if (action < 7 && !cut.empty()) {
        // Cut roads come back in a while, so most of the network stands.
        size_t index = static_cast<size_t>(Tessel::Rand()) % cut.size();
        MapSquare* square = cut[index];
        cut.erase(cut.begin() + static_cast<long>(index));
        if (square->CanRoad && !square->IsRoad) {
          ASSERT_NO_THROW(map->SetRoad(square, true));
        }
      } else if (action < 8) {
        // A finished building is repaired or torn down.
        Building* building = map->Buildings[Tessel::Rand() % map->Buildings.GetSize()];
        if (building != realOffice && !building->HasJob() && building->IsOperational()) {
          if (building->IsBroken) {
            ASSERT_NO_THROW(building->StartJob(JOB_Repair, false));
          } else if (Tessel::Rand() % 4 == 0) {
            ASSERT_NO_THROW(building->TryDemolish());
          }
        }
      }
      ASSERT_NO_THROW(map->Update(0.05f));
      // Built or cancelled sites are off the list.
      sites.erase(std::remove_if(sites.begin(), sites.end(),
                                 [&](Building* site) {
                                   return std::find(map->Buildings.begin(), map->Buildings.end(), site) ==
                                              map->Buildings.end() ||
                                          !site->HasJob();
                                 }),
                  sites.end());
    }
    // Every road back, every job to its end, every van home.
    for (int y = 0; y < map->Rows; ++y)
      for (int x = 0; x < map->Columns; ++x) {
        MapSquare* square = Square(x, y);
        bool wanted = y == 3 || y == 7 || ((x == 0 || x == 19) && y > 3 && y < 7);
        if (wanted && square->CanRoad && !square->IsRoad) map->SetRoad(square, true);
      }
    ASSERT_TRUE(RunUntil([&] { return map->JobQueue.IsEmpty(); }, 600));
    ASSERT_TRUE(RunUntil(
        [&] {
          for (ConstructionVan* van : realOffice->Vans)
            if (van->state != ConstructionVan::STATE_Idle || van->objective != realOffice) return false;
          return true;
        },
        60));
    EXPECT_EQ(realOffice->GetFreeVanCount(), 3);
    TearDown();
  }
}

}  // namespace
