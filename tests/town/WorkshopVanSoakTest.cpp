// Workshop vans under a long run of random placements, removals, deletions,
// jobs, alerts, road cuts and frame times: no rule of theirs may fail, none
// may point at a building that is gone, and at the end every van is home or
// gone with its workshop.

#include <algorithm>
#include <memory>
#include <vector>

#include "tessel/Random.h"
#include "town/WorkshopTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class WorkshopVanSoak : public WorkshopTest {
protected:
  void SetUp() override {
    BuildingTest::SetUp();
    // A loop of roads around a middle block, houses and workshops above,
    // inside and below it.
    Build({
        "........................",
        "........................",
        "........................",
        "########################",
        "#......................#",
        "#......................#",
        "#......................#",
        "#......................#",
        "########################",
        "........................",
        "........................",
        "........................",
    });
    office = PlaceOffice(21, 0, 4);
    map->BankAccount = 1000000;
    Buy(OFUP_Development2);
  }

  static bool IsRoadOfTheLoop(int x, int y) { return y == 3 || y == 8 || ((x == 0 || x == 23) && y > 3 && y < 8); }
  bool IsFree(BuildingKind kind, int x, int y) {
    BuildingFootprint footprint = GetBuildingFootprint(kind);
    for (int j = 0; j < footprint.Height; ++j)
      for (int i = 0; i < footprint.Width; ++i) {
        MapSquare* square = Square(x + i, y + j);
        if (!square || !square->CanBuild) return false;
      }
    return true;
  }
  std::vector<Building*> PlacedOf(bool workshops) const {
    std::vector<Building*> found;
    for (Building* building : map->Buildings)
      if ((building->Kind == BDK_Workshop) == workshops && (workshops || IsHouseKind(building->Kind)))
        found.push_back(building);
    return found;
  }
  Building* Pick(const std::vector<Building*>& buildings) {
    return buildings.empty() ? nullptr : buildings[static_cast<size_t>(Tessel::Rand()) % buildings.size()];
  }

  // What must hold after every frame.
  void CheckVans() {
    for (WorkshopVan* van : VansOnMap()) {
      ASSERT_GE(van->Visibility, 0);
      ASSERT_LE(van->Visibility, 1);
      if (van->IsVisible()) {
        const bool onPath = van->pathSquareIdx >= 1 && van->pathSquareIdx < van->pathSquares.GetSize() - 1;
        ASSERT_TRUE(onPath || van->Leaving) << van->pathSquareIdx << " of " << van->pathSquares.GetSize();
      } else {
        ASSERT_TRUE(van->pathSquares.IsEmpty());
        ASSERT_EQ(van->pathSquareIdx, -1);
      }
      if (Building* target = van->target) {
        // Never a building that has left the map.
        ASSERT_GE(map->Buildings.IndexOf(target), 0);
        ASSERT_TRUE(IsHouseKind(target->Kind));
      }
      Workshop* home = van->home;
      if (!home) continue;  // it goes on its next update
      ASSERT_GE(map->Buildings.IndexOf(home), 0);
      ASSERT_EQ(home->Van, van);
    }
    for (Building* building : PlacedOf(true)) {
      auto* workshop = static_cast<Workshop*>(building);
      ASSERT_NE(workshop->Van, nullptr);
      ASSERT_EQ(workshop->Van->GetParent(), map.get());
    }
  }
};

TEST_F(WorkshopVanSoak, RandomTownsNeverBreakAVanRuleAndEveryVanEndsHomeOrGone) {
  int allDeletions = 0, seedsWithVisits = 0;
  for (int seed = 1; seed <= 24; ++seed) {
    SCOPED_TRACE(seed);
    SetUp();
    Tessel::SeedRand(static_cast<unsigned>(seed));
    std::vector<MapSquare*> cut;
    std::vector<std::unique_ptr<Tessel::WidgetGuard>> goneVans;
    int visits = 0;
    // A workshop and its houses to start with.
    Place(BDK_Workshop, 10, 1);
    Place(BDK_Bungalow, 5, 0);
    Place(BDK_Bungalow, 13, 0);
    Place(BDK_Duplex, 9, 4);
    for (int step = 0; step < 4000; ++step) {
      // Out of 400: placements 10, departures 2, road cuts 4, roads back 12,
      // jobs 6, the office's vans arriving 8, alerts 4.
      const int action = Tessel::Rand() % 400;
      if (action < 10) {
        // A house or a workshop, placed or ordered, where there is room.
        BuildingKind kind = action < 2 ? BDK_Workshop : action < 7 ? BDK_Bungalow : BDK_Duplex;
        int x = 1 + Tessel::Rand() % 20;
        const int rows[] = {0, 1, 4, 5, 9};
        int y = rows[Tessel::Rand() % 5];
        if (IsFree(kind, x, y)) {
          if (Tessel::Rand() % 3 == 0)
            Order(kind, x, y);
          else
            Place(kind, x, y);
        }
      } else if (action < 12) {
        // A house or a workshop leaves: removed, or deleted without an event.
        Building* building = Pick(PlacedOf(Tessel::Rand() % 3 == 0));
        if (building) {
          if (building->Kind == BDK_Workshop) {
            auto* workshop = static_cast<Workshop*>(building);
            if (workshop->Van) goneVans.push_back(std::make_unique<Tessel::WidgetGuard>(workshop->Van));
          }
          // The office's fake vans of its job are free again.
          for (const std::unique_ptr<FakeVan>& fake : office->Vans)
            if (fake->Target == building) fake->GoHome();
          if (Tessel::Rand() % 3 == 0) {
            delete building;
            ++allDeletions;
          } else {
            map->RemoveBuilding(building);
          }
        }
      } else if (action < 16) {
        // A road square of the loop is cut ...
        int x = Tessel::Rand() % 24, y = Tessel::Rand() % 2 == 0 ? 3 : 8;
        MapSquare* square = Square(x, y);
        if (square->IsRoad) {
          map->SetRoad(square, false);
          cut.push_back(square);
        }
      } else if (action < 28) {
        // ... and comes back in a while.
        if (!cut.empty()) {
          size_t index = static_cast<size_t>(Tessel::Rand()) % cut.size();
          MapSquare* square = cut[index];
          cut.erase(cut.begin() + static_cast<long>(index));
          if (square->CanRoad && !square->IsRoad) map->SetRoad(square, true);
        }
      } else if (action < 34) {
        // A job starts on a house or a workshop, or one is called off.
        Building* building = Pick(PlacedOf(action < 30));
        if (building && !building->HasJob() && building->IsOperational()) {
          if (building->Kind == BDK_Workshop)
            building->StartJob(JOB_Repair, false);
          else if (building->NextLevelBalance)
            building->StartJob(JOB_Upgrade, false);
        } else if (building && building->HasJob() && !building->jobDoSelf && building->JobRequired != JOB_Construct) {
          building->Cancel();
        }
      } else if (action < 42) {
        // The office's vans reach every job that waits for them.
        for (Building* building : Tessel::Array<Building*>(map->JobQueue)) office->ArriveAll(building);
      } else if (action < 46) {
        for (Building* building : PlacedOf(true)) {
          auto* workshop = static_cast<Workshop*>(building);
          workshop->Select();
          workshop->PressMenuButton(MENU_Alert);
          workshop->Unselect();
        }
      }
      // Mostly game frames; now and then a long one.
      float dt = Tessel::Rand() % 50 == 0 ? 1.0f : 0.01f + 0.01f * static_cast<float>(Tessel::Rand() % 10);
      ASSERT_NO_THROW(map->Update(dt)) << step;
      ASSERT_NO_FATAL_FAILURE(CheckVans()) << step;
      for (WorkshopVan* van : VansOnMap())
        if (van->IsInsideTarget()) ++visits;
    }
    if (visits > 0) ++seedsWithVisits;

    // Every road back and every job called off or done: each van comes home
    // (at least once in a while), each van of a gone workshop is gone.
    for (int y = 0; y < map->Rows; ++y)
      for (int x = 0; x < map->Columns; ++x)
        if (IsRoadOfTheLoop(x, y) && Square(x, y)->CanRoad && !Square(x, y)->IsRoad) map->SetRoad(Square(x, y), true);
    for (Building* building : Tessel::Array<Building*>(map->JobQueue))
      if (building->JobRequired != JOB_Construct) building->Cancel();
    Run(0.1f);
    for (WorkshopVan* van : VansOnMap()) {
      Tessel::WidgetGuard alive(van);
      ASSERT_TRUE(RunUntil([&] { return !alive || van->IsHome(); }, 40)) << "a van never came home";
    }
    Run(0.1f);
    for (const std::unique_ptr<Tessel::WidgetGuard>& guard : goneVans) EXPECT_FALSE(*guard);
    ASSERT_NO_FATAL_FAILURE(CheckVans());
    EXPECT_EQ(VansOnMap().size(), PlacedOf(true).size());
    TearDown();
  }
  // The runs went through whole tours (a workshop may stand where no road
  // reaches it for a whole run), and buildings deleted without an event
  // were among what left.
  EXPECT_GE(seedsWithVisits, 18);
  EXPECT_GT(allDeletions, 0);
}

}  // namespace
