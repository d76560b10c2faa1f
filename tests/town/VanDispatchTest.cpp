// The office's dispatch and its vans on the road: who goes to which job,
// the drive there and back, and what roads that appear or vanish do to it.

#include "town/VanTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

using State = ConstructionVan::State;

// A road along row 3 below the office (columns 0..2 of rows 1..2).
class VanDispatch : public VanTest {
protected:
  void SetUp() override {
    VanTest::SetUp();
    Build({
        "..........................",
        "..........................",
        "..........................",
        "##########################",
        "..........................",
        "..........................",
        "..........................",
    });
    map->BankAccount = 100000;
  }
  // The van is at the site, its job done, and about to leave for home.
  void StartHomeFrom(ConstructionVan* van, Building* site) {
    van->objective = site;
    van->GoHome();
    ASSERT_EQ(van->state, State::STATE_WaitDeparture);
  }
  bool IsHomeAndIdle(const ConstructionVan* van) const {
    return van->state == State::STATE_Idle && van->objective == realOffice;
  }
};

TEST_F(VanDispatch, AnOrderedHouseIsBuiltByAVanThatDrivesThereAndBack) {
  PlaceRealOffice(0, 1, 1);
  ConstructionVan* van = Van(0);
  Building* house = Order(BDK_Bungalow, 10, 4);
  ASSERT_EQ(house->VansAssigned.size(), 1);
  EXPECT_EQ(house->VansAssigned[0], van);
  EXPECT_EQ(van->state, State::STATE_WaitDeparture);
  EXPECT_FALSE(van->IsFree());

  map->Update(0.01f);
  EXPECT_EQ(van->state, State::STATE_GotoObjective);
  EXPECT_TRUE(van->IsVisible());
  EXPECT_TRUE(presenter.Has("sound sounds/vanMovesOut.ogg"));
  // The office's square, nine road squares, the site's square.
  EXPECT_EQ(Describe(van->path), "2,2 2,3 3,3 4,3 5,3 6,3 7,3 8,3 9,3 10,3 10,4");

  ASSERT_TRUE(RunUntil([&] { return van->HasArrivedAt(house); }));
  EXPECT_FALSE(van->IsVisible());
  EXPECT_TRUE(presenter.Has("sound sounds/vanArrive.ogg"));
  ASSERT_TRUE(RunUntil([&] { return !house->HasJob(); }));
  EXPECT_EQ(listener.Only("OnBuildingConstructed").size(), 1u);
  EXPECT_TRUE(house->VansAssigned.empty());
  EXPECT_TRUE(van->IsFree());  // on its way home, and free for new work
  ASSERT_TRUE(RunUntil([&] { return IsHomeAndIdle(van); }));
  EXPECT_FALSE(van->IsVisible());
  EXPECT_EQ(realOffice->GetFreeVanCount(), 1);
}

TEST_F(VanDispatch, AHousePlacedWithTheConstructToolIsBuiltByTheVans) {
  PlaceRealOffice(0, 1, 1);
  Building* house = CreateBuilding(BDK_Bungalow);
  map->StartConstruction(house, false);
  MoveConstructionTo(10, 4);
  map->OnMouseDown(PixelX(10) + 20, PixelY(4) + 20, 1);  // the footprint's middle
  ASSERT_EQ(house->JobRequired, JOB_Construct);
  EXPECT_LT(map->BankAccount, 100000);  // paid
  ASSERT_EQ(house->VansAssigned.size(), 1);
  ASSERT_TRUE(RunUntil([&] { return !house->HasJob(); }));
  EXPECT_TRUE(house->IsOperational());
  ASSERT_TRUE(RunUntil([&] { return IsHomeAndIdle(Van(0)); }));
}

TEST_F(VanDispatch, TheDriveTakesTheTimeItsSpeedGives) {
  PlaceRealOffice(0, 1, 1);
  ConstructionVan* van = Van(0);
  Order(BDK_Bungalow, 10, 4);
  map->Update(0.01f);  // it leaves
  float seconds = 0;
  while (van->state == State::STATE_GotoObjective && seconds < 30) {
    map->Update(0.01f);
    seconds += 0.01f;
  }
  // Out of the office (a right turn, slow), eight squares speeding up to 3
  // squares a second, a right turn into the site (slow again): about 4 s.
  EXPECT_GT(seconds, 3.0f);
  EXPECT_LT(seconds, 5.0f);
}

TEST_F(VanDispatch, TheVansOfOneJobLeaveAQuarterOfASecondApart) {
  PlaceRealOffice(0, 1, 2);
  Building* chateau = Order(BDK_Chateau, 10, 4);  // two vans
  ASSERT_EQ(chateau->VansAssigned.size(), 2);
  EXPECT_FLOAT_EQ(Van(0)->DepartureDelay, 0);
  EXPECT_FLOAT_EQ(Van(1)->DepartureDelay, 0.25f);
  float seconds = 0;
  while (Van(1)->state == State::STATE_WaitDeparture && seconds < 1) {
    map->Update(0.01f);
    seconds += 0.01f;
  }
  EXPECT_NEAR(seconds, 0.25f, 0.015f);
}

TEST_F(VanDispatch, RepairsComeFirstAndASmallerJobMayPassABiggerOne) {
  PlaceRealOffice(0, 1, 0);
  Building* chateau = Order(BDK_Chateau, 3, 4);  // needs two vans
  Building* bungalow = Order(BDK_Bungalow, 13, 4);
  House* broken = PlaceHouse(10, 4);
  broken->StartJob(JOB_Repair, false);  // queued last

  realOffice->AddVans(1);
  EXPECT_EQ(broken->VansAssigned.size(), 1);
  EXPECT_TRUE(chateau->VansAssigned.empty());
  EXPECT_TRUE(bungalow->VansAssigned.empty());

  realOffice->AddVans(1);  // one free van: not enough for the chateau
  EXPECT_TRUE(chateau->VansAssigned.empty());
  EXPECT_EQ(bungalow->VansAssigned.size(), 1);
}

TEST_F(VanDispatch, TheNearestReachableVansAreChosen) {
  struct Case {
    const char* Name;
    int Sites[3];  // where vans 0, 1, 2 stand: 0 far west, 1 near, 2 far east
    std::vector<int> Chosen;
  } cases[] = {
      {"far, near, far", {0, 1, 2}, {0, 1}},
      // The first of the two farthest gives way to the near one.
      {"far, far, near", {0, 2, 1}, {2, 1}},
  };
  for (const Case& c : cases) {
    SetUp();
    PlaceRealOffice(0, 1, 3);
    Building* sites[3] = {Place(BDK_Shop, 3, 4), Place(BDK_Shop, 10, 4), Place(BDK_Shop, 23, 4)};
    for (int v = 0; v < 3; ++v) StartHomeFrom(Van(v), sites[c.Sites[v]]);
    EXPECT_EQ(Van(0)->GetDistanceTo(sites[1]), 7) << c.Name;  // from the west site: road 4..10

    Building* chateau = Order(BDK_Chateau, 12, 0);  // above the road, columns 12..15
    std::vector<int> chosen;
    for (JobVan* van : chateau->VansAssigned)
      for (int v = 0; v < 3; ++v)
        if (van == Van(v)) chosen.push_back(v);
    EXPECT_EQ(chosen, c.Chosen) << c.Name;
    TearDown();
  }
}

TEST_F(VanDispatch, AVanSitesCannotReachIsNotSentAndTheJobWaits) {
  PlaceRealOffice(0, 1, 1);
  SetRoad(5, 3, false);
  Building* house = Order(BDK_Bungalow, 10, 4);
  EXPECT_TRUE(house->VansAssigned.empty());
  EXPECT_TRUE(house->IsWaitingForVans());
  Run(1);
  EXPECT_TRUE(IsHomeAndIdle(Van(0)));
  SetRoad(5, 3);  // the site is reachable again: the van is called
  EXPECT_EQ(house->VansAssigned.size(), 1);
}

// The van has built a house at (10, 4) and drives home along row 3.
class VanDrivingHome : public VanDispatch {
protected:
  void SetUp() override {
    VanDispatch::SetUp();
    PlaceRealOffice(0, 1, 1);
    map->InstantJobs = true;
    van = Van(0);
    Order(BDK_Bungalow, 10, 4);
    ASSERT_TRUE(RunUntil([&] { return van->objective == realOffice && van->state == State::STATE_GotoObjective; }));
  }
  ConstructionVan* van = nullptr;
};

TEST_F(VanDrivingHome, ItIsFreeAndGoesStraightFromTheRoadToANewJob) {
  ASSERT_TRUE(RunUntil([&] { return van->squareIdx >= 3; }));
  EXPECT_TRUE(van->IsFree());
  Building* next = Order(BDK_Bungalow, 13, 4);
  ASSERT_EQ(next->VansAssigned.size(), 1);
  EXPECT_EQ(van->objective, next);
  EXPECT_EQ(van->state, State::STATE_GotoObjective);
  EXPECT_EQ(van->path[van->path.GetSize() - 1]->Entity, next);
  ASSERT_TRUE(RunUntil([&] { return !next->HasJob(); }));
}

TEST_F(VanDrivingHome, OnItsLastSquareItIsNoLongerFree) {
  ASSERT_TRUE(RunUntil([&] { return van->squareIdx == van->path.GetSize() - 2; }));
  EXPECT_FALSE(van->IsFree());
  Building* next = Order(BDK_Bungalow, 13, 4);
  EXPECT_TRUE(next->VansAssigned.empty());
  // Home, it is sent out again.
  ASSERT_TRUE(RunUntil([&] { return van->objective == next; }));
}

TEST_F(VanDrivingHome, LosingTheRoadUnderItMakesItFadeOutAndCountAsHome) {
  ASSERT_TRUE(RunUntil([&] { return van->squareIdx >= 3; }));
  MapSquare* under = van->path[van->squareIdx];
  map->SetRoad(under, false);
  EXPECT_EQ(van->state, State::STATE_FadeOut);
  EXPECT_FALSE(van->IsFree());
  float seconds = 0;
  while (van->state == State::STATE_FadeOut && seconds < 1) {
    map->Update(0.01f);
    seconds += 0.01f;
  }
  EXPECT_NEAR(seconds, 0.25f, 0.015f);
  EXPECT_TRUE(IsHomeAndIdle(van));
  EXPECT_FALSE(van->IsVisible());
  EXPECT_TRUE(van->IsFree());
}

TEST_F(VanDrivingHome, ARoadCutAheadWithoutAnotherWayLeavesItToVanishWhereTheRoadEnds) {
  ASSERT_TRUE(RunUntil([&] { return van->squareIdx >= 3; }));
  int ahead = van->squareIdx + 2;
  MapSquare* cut = van->path[ahead];
  map->SetRoad(cut, false);
  EXPECT_TRUE(van->NeedsNewPath);
  EXPECT_EQ(van->state, State::STATE_GotoObjective);
  ASSERT_TRUE(RunUntil([&] { return IsHomeAndIdle(van); }, 5));
}

// Two ways from the office to a site at (8, 3): along row 2, or down
// column 0 and back along row 6.
class VanDetour : public VanTest {
protected:
  void SetUp() override {
    VanTest::SetUp();
    Build({
        ".............",
        ".............",
        "###########..",
        "#............",
        "#............",
        "#............",
        "###########..",
    });
    map->BankAccount = 100000;
    PlaceRealOffice(0, 0, 1);
    van = Van(0);
  }
  ConstructionVan* van = nullptr;
};

TEST_F(VanDetour, ARoadRemovedAheadSendsTheCrewHomeAndTheJobIsDispatchedAgainAnotherWay) {
  Building* house = Order(BDK_Bungalow, 8, 3);
  ASSERT_TRUE(RunUntil([&] { return van->state == State::STATE_GotoObjective && van->squareIdx >= 2; }));
  ASSERT_EQ(van->path[van->path.GetSize() - 2]->Y, 2);  // the short way, along row 2
  SetRoad(6, 2, false);
  // Called off and sent again at once, now the long way round.
  ASSERT_EQ(house->VansAssigned.size(), 1);
  EXPECT_EQ(van->objective, house);
  EXPECT_EQ(van->path[van->path.GetSize() - 2]->Y, 6);
  ASSERT_TRUE(RunUntil([&] { return van->HasArrivedAt(house); }));
  ASSERT_TRUE(RunUntil([&] { return !house->HasJob(); }));
}

TEST_F(VanDetour, ANewShorterRoadIsTakenOnTheWay) {
  SetRoad(6, 2, false);
  Building* house = Order(BDK_Bungalow, 8, 3);
  ASSERT_TRUE(RunUntil([&] { return van->state == State::STATE_GotoObjective && van->squareIdx >= 1; }));
  ASSERT_EQ(van->path[van->path.GetSize() - 2]->Y, 6);
  SetRoad(6, 2);  // before the van has passed the corner
  EXPECT_EQ(van->path[van->path.GetSize() - 2]->Y, 2);
  ASSERT_TRUE(RunUntil([&] { return van->HasArrivedAt(house); }));
}

TEST_F(VanDispatch, AVanCalledBackJustAfterLeavingTurnsAroundInOneAndAHalfSquares) {
  PlaceRealOffice(0, 1, 1);
  ConstructionVan* van = Van(0);
  Building* house = Order(BDK_Bungalow, 10, 4);
  map->Update(0.01f);  // it has just left the office
  ASSERT_EQ(van->state, State::STATE_GotoObjective);
  house->Cancel();
  EXPECT_EQ(van->objective, realOffice);
  EXPECT_EQ(van->Turn, TURN_Back);
  float seconds = 0;
  while (van->state == State::STATE_GotoObjective && seconds < 5) {
    map->Update(0.01f);
    seconds += 0.01f;
  }
  // A U-turn covers 1.8 squares at the slow speed of 2 squares a second.
  EXPECT_NEAR(seconds, 0.9f, 0.015f);
  EXPECT_TRUE(IsHomeAndIdle(van));
}

TEST_F(VanDispatch, AVanWaitingAtASiteWithNoRoadHomeIsHomeAtOnceWhenCalledBack) {
  PlaceRealOffice(0, 1, 1);
  ConstructionVan* van = Van(0);
  Building* shop = Place(BDK_Shop, 3, 4);
  StartHomeFrom(van, shop);
  Building* bungalow = Order(BDK_Bungalow, 13, 4);
  ASSERT_EQ(bungalow->VansAssigned.size(), 1);  // straight from the shop
  ASSERT_EQ(van->state, State::STATE_WaitDeparture);
  SetRoad(3, 3, false);  // between the office and the shop, not on the van's way
  EXPECT_EQ(van->state, State::STATE_WaitDeparture);
  EXPECT_NO_THROW(bungalow->Cancel());
  EXPECT_TRUE(IsHomeAndIdle(van));
}

TEST_F(VanDispatch, ABuildingTakenOffTheMapLetsItsVansGoHome) {
  PlaceRealOffice(0, 1, 1);
  ConstructionVan* van = Van(0);
  Building* house = Order(BDK_Bungalow, 10, 4);
  Run(0.5f, 0.01f);
  ASSERT_EQ(van->state, State::STATE_GotoObjective);
  map->RemoveBuilding(house);  // as a level script may
  EXPECT_EQ(van->objective, realOffice);
  Run(0.1f, 0.01f);  // the house is deleted with this frame
  ASSERT_TRUE(RunUntil([&] { return IsHomeAndIdle(van); }));
}

TEST_F(VanDispatch, AVanWaitingWhereARoadNowTouchesItsObjectiveIsThereWithoutDriving) {
  PlaceRealOffice(0, 1, 1);
  ConstructionVan* van = Van(0);
  Building* shop = Place(BDK_Shop, 3, 1);  // beside the office, on the road
  StartHomeFrom(van, shop);
  map->RemoveBuilding(shop);
  SetRoad(3, 2);  // where the shop stood, touching the office
  ASSERT_EQ(van->path.GetSize(), 2);
  EXPECT_NO_THROW(map->Update(0.01f));
  EXPECT_TRUE(IsHomeAndIdle(van));
}

TEST_F(VanDispatch, AnOfficeTakenOffTheMapTakesItsVansAlong) {
  PlaceRealOffice(0, 1, 1);
  Building* house = Order(BDK_Bungalow, 10, 4);
  Run(0.5f, 0.01f);
  map->RemoveBuilding(realOffice);
  EXPECT_TRUE(house->VansAssigned.empty());  // nobody left to wait for
  EXPECT_EQ(map->TheOffice, nullptr);
  Run(1, 0.01f);  // the office and its vans are deleted with the first frame
  EXPECT_TRUE(house->IsWaitingForVans());
}

TEST_F(VanDispatch, AMapWithVansOnTheRoadComesDownCleanly) {
  PlaceRealOffice(0, 1, 2);
  Order(BDK_Chateau, 10, 4);
  Run(1, 0.01f);
  ASSERT_EQ(Van(0)->state, State::STATE_GotoObjective);
  map.reset();  // the sanitizer build checks that nothing is left or freed twice
  SUCCEED();
}

}  // namespace
