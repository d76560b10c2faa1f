// The workshop's van: its tour from the workshop to a house it serves and
// back, its waits, its fades, how it drives, what calls a visit off (jobs,
// buildings removed or deleted, roads cut), and what it draws.

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>

#include "game/town/TownArt.h"
#include "game/town/VanManoeuvre.h"
#include "support/RecordingGraphicsDevice.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/resources/Bitmap.h"
#include "town/VanTestSupport.h"
#include "town/WorkshopTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class WorkshopVanTour : public WorkshopTest {
protected:
  void SetUp() override {
    WorkshopTest::SetUp();
    house = PlaceHouse(5, 0);
    workshop = PlaceWorkshop();
    van = workshop->Van;
    ASSERT_NE(van, nullptr);
  }
  // Out on the road towards the house, a little way from the workshop.
  void DriveOut() {
    ASSERT_TRUE(RunUntil([&] { return IsDrivingTo(van, house); }, 11));
    Run(0.3f, 0.05f);
    ASSERT_TRUE(IsDrivingTo(van, house));
  }
  void GoInside() {
    ASSERT_TRUE(RunUntil([&] { return van->IsInsideTarget(); }, 20));
  }
  bool InBaseWait() const { return van->WaitTimer >= 6 && van->WaitTimer <= 10; }

  House* house = nullptr;
  Workshop* workshop = nullptr;
  WorkshopVan* van = nullptr;
};

TEST_F(WorkshopVanTour, ItWaitsAtHomeDrivesToAServedHouseWaitsInsideAndComesBack) {
  ASSERT_TRUE(workshop->Serves(house));
  const float firstWait = van->WaitTimer;
  Run(firstWait - 0.2f, 0.05f);
  EXPECT_TRUE(van->IsHome());

  // Out: from a square of the workshop along the road to one of the house.
  ASSERT_TRUE(RunUntil([&] { return van->IsDriving(); }, 0.5f));
  EXPECT_EQ(van->target, house);
  ASSERT_GE(van->pathSquares.GetSize(), 3);
  EXPECT_EQ(van->pathSquares[0]->Entity, workshop);
  EXPECT_EQ(van->pathSquares[van->pathSquares.GetSize() - 1]->Entity, house);
  for (int i = 1; i + 1 < van->pathSquares.GetSize(); ++i) EXPECT_TRUE(van->pathSquares[i]->IsRoad) << i;
  EXPECT_LT(van->Visibility, 0.06f);  // fading in over a second
  Run(0.5f, 0.05f);
  EXPECT_NEAR(van->Visibility, 0.55f, 0.06f);

  // In: the last manoeuvre ends in the house, and it vanishes in a third of
  // a second.
  ASSERT_TRUE(RunUntil([&] { return van->pathSquareIdx < 0; }, 10, 0.01f));
  EXPECT_TRUE(van->Leaving);
  EXPECT_TRUE(van->FastFade);
  EXPECT_TRUE(van->IsVisible());
  const float before = van->Visibility;
  const float x = van->ScreenX, y = van->ScreenY;
  float fade = 0;
  while (van->IsVisible() && fade < 1) {
    map->Update(0.01f);
    fade += 0.01f;
  }
  EXPECT_LE(fade, before / 3 + 0.02f);
  EXPECT_EQ(van->ScreenX, x);  // it stands while it vanishes
  EXPECT_EQ(van->ScreenY, y);
  EXPECT_TRUE(van->IsInsideTarget());
  EXPECT_GE(van->WaitTimer, 1 - 0.02f);  // "WorkshopVanTimeAtHouseMin" .. "Max"
  EXPECT_LE(van->WaitTimer, 2);
  EXPECT_TRUE(van->pathSquares.IsEmpty());
  EXPECT_EQ(van->pathSquareIdx, -1);

  // Back: from the house to the workshop.
  ASSERT_TRUE(RunUntil([&] { return van->IsDriving(); }, 2.1f));
  EXPECT_EQ(van->target, nullptr);
  EXPECT_EQ(van->pathSquares[0]->Entity, house);
  EXPECT_EQ(van->pathSquares[van->pathSquares.GetSize() - 1]->Entity, workshop);
  ASSERT_TRUE(RunUntil([&] { return van->IsHome(); }, 10));
  EXPECT_TRUE(InBaseWait());
}

TEST_F(WorkshopVanTour, ItDrivesLikeTheConstructionVanOnTheRightHandLane) {
  DriveOut();
  const Balance& rules = ShippedBalance();
  while (van->IsDriving() && van->pathSquareIdx >= 0) {
    EXPECT_GE(van->Speed, rules.WorkshopVanSpeedSlow);
    EXPECT_LE(van->Speed, rules.WorkshopVanSpeedFull);
    // Where it is comes from the manoeuvre inside its square.
    const MapSquare& square = *van->pathSquares[van->pathSquareIdx];
    VanPlacement placement = PlaceInSquare(van->Heading, van->Turn, van->Progress);
    EXPECT_NEAR(van->ScreenX, square.Position.X + 40 * placement.U, 1e-3f);
    EXPECT_NEAR(van->ScreenY, square.Position.Y + 40 * placement.V, 1e-3f);
    EXPECT_EQ(van->SpriteDirection, placement.SpriteDirection);
    EXPECT_EQ(van->GetDrawOrder(), static_cast<int>(van->ScreenY) + 7);
    EXPECT_EQ(van->X, van->ScreenX);
    EXPECT_EQ(van->Turn, GetTurn(van->Heading, GetStepDirection(square, *van->pathSquares[van->pathSquareIdx + 1])));
    map->Update(0.02f);
  }
}

TEST_F(WorkshopVanTour, WithoutAHouseToVisitItStaysHomeAndRetriesEverySixSeconds) {
  map->RemoveBuilding(house);
  map->Update(0.05f);
  for (float t = 0; t < 60; t += 0.05f) {
    ASSERT_FALSE(van->IsVisible()) << t;
    if (t > 10.1f) {
      ASSERT_LE(van->WaitTimer, 6) << t;  // "WorkshopVanTimeAtBaseMin"
    }
    map->Update(0.05f);
  }
  EXPECT_TRUE(van->IsHome());
}

TEST_F(WorkshopVanTour, AHouseThatNoRoadReachesIsNeverChosenUntilARoadComes) {
  map->RemoveBuilding(house);
  House* cutOff = PlaceHouse(5, 5);  // row 4 lies between it and the road
  ASSERT_TRUE(workshop->Serves(cutOff));
  for (float t = 0; t < 40; t += 0.05f) {
    ASSERT_FALSE(van->IsVisible()) << t;
    map->Update(0.05f);
  }
  SetRoad(6, 4);
  EXPECT_TRUE(RunUntil([&] { return IsDrivingTo(van, cutOff); }, 7));
}

TEST_F(WorkshopVanTour, ItVisitsEveryHouseItServesAndNoneItDoesNot) {
  House* below = PlaceHouse(5, 4);
  House* outside = PlaceHouse(14, 0);
  ASSERT_FALSE(workshop->Serves(outside));
  std::set<Building*> visited;
  for (float t = 0; t < 400; t += 0.05f) {
    if (Building* target = van->target) visited.insert(target);
    map->Update(0.05f);
  }
  EXPECT_EQ(visited, (std::set<Building*>{house, below}));
}

TEST_F(WorkshopVanTour, AHouseRemovedWhileTheVanDrivesThereMakesItFadeWhereItIs) {
  DriveOut();
  const float before = van->Visibility;
  map->RemoveBuilding(house);
  EXPECT_EQ(van->target, nullptr);
  EXPECT_TRUE(van->Leaving);
  EXPECT_FALSE(van->FastFade);
  map->Update(0.05f);
  EXPECT_NEAR(van->Visibility, before - 0.05f, 1e-4f);  // over one second, not a third
  ASSERT_TRUE(RunUntil([&] { return !van->IsVisible(); }, 1.1f));
  EXPECT_TRUE(van->IsHome());
  EXPECT_TRUE(InBaseWait());
  Run(30);
  EXPECT_TRUE(van->IsHome());  // nothing left to visit
}

TEST_F(WorkshopVanTour, AHouseDeletedWhileTheVanDrivesThereIsNeverTouched) {
  DriveOut();
  delete house;  // without any event
  map->Update(0.05f);
  EXPECT_EQ(van->target, nullptr);
  EXPECT_TRUE(van->Leaving);
  ASSERT_TRUE(RunUntil([&] { return van->IsHome(); }, 1.2f));
  Run(30);
  EXPECT_TRUE(van->IsHome());
}

TEST_F(WorkshopVanTour, AHouseRemovedOrDeletedWhileTheVanIsInsideSendsItHomeAtOnce) {
  for (bool deleted : {false, true}) {
    SCOPED_TRACE(deleted ? "deleted" : "removed");
    SetUp();
    GoInside();
    if (deleted) {
      delete house;
      map->Update(0.05f);
    } else {
      map->RemoveBuilding(house);
    }
    EXPECT_TRUE(van->IsHome());
    EXPECT_TRUE(InBaseWait());
    Run(20);
    EXPECT_TRUE(van->IsHome());
    TearDown();
  }
}

TEST_F(WorkshopVanTour, AWorkshopRemovedOrDeletedTakesItsVanFromTheRoadOrFromAHouse) {
  struct Case {
    const char* Name;
    bool Inside, Deleted;
  };
  for (Case c : {Case{"removed, van driving", false, false}, Case{"deleted, van driving", false, true},
                 Case{"removed, van inside", true, false}, Case{"deleted, van inside", true, true}}) {
    SCOPED_TRACE(c.Name);
    SetUp();
    if (c.Inside)
      GoInside();
    else
      DriveOut();
    Tessel::WidgetGuard alive(van);
    if (c.Deleted)
      delete workshop;
    else
      map->RemoveBuilding(workshop);
    Run(0.2f, 0.05f);
    EXPECT_FALSE(alive);
    EXPECT_TRUE(VansOnMap().empty());
    EXPECT_FALSE(map->Listeners.Contains(van));
    Run(10);
    TearDown();
  }
}

TEST_F(WorkshopVanTour, TheRoadCutUnderTheVanMakesItVanishAndBeHome) {
  DriveOut();
  MapSquare* under = van->pathSquares[van->pathSquareIdx];
  ASSERT_TRUE(under->IsRoad);
  map->SetRoad(under, false);
  float gone = 0;
  while (van->IsVisible() && gone < 2) {
    map->Update(0.01f);
    gone += 0.01f;
  }
  EXPECT_LE(gone, 1.0f / 3 + 0.02f);
  EXPECT_TRUE(van->IsHome());
  EXPECT_TRUE(InBaseWait());
}

TEST_F(WorkshopVanTour, ARoadCutAheadStopsTheVanWhenItGetsThere) {
  DriveOut();
  const int last = van->pathSquares.GetSize() - 2;
  ASSERT_GT(last, van->pathSquareIdx);
  MapSquare* ahead = van->pathSquares[last];
  map->SetRoad(ahead, false);
  ASSERT_TRUE(RunUntil([&] { return !van->IsVisible(); }, 5, 0.01f));
  EXPECT_TRUE(van->IsHome());
  EXPECT_TRUE(InBaseWait());
}

TEST_F(WorkshopVanTour, WithEveryRoadCutWhileItIsInsideItComesHomeWithoutDrivingAndWaits) {
  GoInside();
  for (int x = 0; x < map->Columns; ++x) SetRoad(x, 3, false);
  ASSERT_TRUE(RunUntil([&] { return !van->target; }, 2.1f));
  EXPECT_FALSE(van->IsVisible());  // no way back: home at once
  EXPECT_TRUE(InBaseWait());
  for (float t = 0; t < 60; t += 0.05f) {
    ASSERT_FALSE(van->IsVisible()) << t;
    map->Update(0.05f);
  }
  for (int x = 0; x < map->Columns; ++x) SetRoad(x, 3, true);
  EXPECT_TRUE(RunUntil([&] { return IsDrivingTo(van, house); }, 7));
}

TEST_F(WorkshopVanTour, AJobOnTheWorkshopCallsTheTourOffUntilItEnds) {
  DriveOut();
  workshop->StartJob(JOB_Repair, false);  // the office's vans never come
  map->Update(0.05f);
  EXPECT_TRUE(van->Leaving);
  EXPECT_FALSE(van->FastFade);
  ASSERT_TRUE(RunUntil([&] { return !van->IsVisible(); }, 1.1f));
  map->Update(0.05f);  // faded out on the way to the house: home at once
  for (float t = 0; t < 40; t += 0.05f) {
    ASSERT_FALSE(van->IsVisible()) << t;
    ASSERT_GE(van->WaitTimer, 6) << t;  // held at "WorkshopVanTimeAtBaseMin"
    map->Update(0.05f);
  }
  EXPECT_TRUE(van->IsHome());
  workshop->Cancel();
  EXPECT_TRUE(RunUntil([&] { return IsDrivingTo(van, house); }, 6.5f));
}

TEST_F(WorkshopVanTour, AJobOnTheWorkshopSendsAVanInsideAHouseHomeAtOnce) {
  GoInside();
  workshop->StartJob(JOB_Repair, false);
  map->Update(0.05f);
  EXPECT_TRUE(van->IsHome());
  EXPECT_TRUE(InBaseWait());
}

TEST_F(WorkshopVanTour, AJobOnTheHouseCallsTheVisitOff) {
  DriveOut();
  house->StartJob(JOB_Upgrade, false);
  map->Update(0.05f);
  EXPECT_EQ(van->target, nullptr);
  EXPECT_TRUE(van->Leaving);
  ASSERT_TRUE(RunUntil([&] { return !van->IsVisible(); }, 1.1f));
  EXPECT_TRUE(van->IsHome());
  // A house with a job is not visited.
  for (float t = 0; t < 40; t += 0.05f) {
    ASSERT_FALSE(van->IsVisible()) << t;
    map->Update(0.05f);
  }
}

TEST_F(WorkshopVanTour, AJobOnTheHouseSendsTheVanInsideHomeAtOnce) {
  GoInside();
  house->StartJob(JOB_Upgrade, false);
  map->Update(0.05f);
  EXPECT_TRUE(van->IsHome());
  EXPECT_TRUE(InBaseWait());
}

TEST_F(WorkshopVanTour, AWorkshopUnderConstructionKeepsItsVanHome) {
  map->RemoveBuilding(workshop);
  map->Update(0.05f);
  Building* site = Order(BDK_Workshop, 2, 1);
  WorkshopVan* siteVan = static_cast<Workshop*>(site)->Van;
  ASSERT_NE(siteVan, nullptr);
  for (float t = 0; t < 40; t += 0.05f) {
    ASSERT_FALSE(siteVan->IsVisible()) << t;
    map->Update(0.05f);
  }
  FinishJob(site);
  EXPECT_TRUE(RunUntil([&] { return IsDrivingTo(siteVan, house); }, 6.5f));
}

TEST_F(WorkshopVanTour, AfterTheAlertEndsTheVanNeverGoesOutsideTheShrunkArea) {
  ChangeRules([](Balance& rules) {
    rules.WorkshopExtendedPeriod = 1000;
    rules.WorkshopExtendedCooldown = 0;
    rules.WorkshopVanTimeAtBaseMin = 0.5f;
    rules.WorkshopVanTimeAtBaseMax = 1;
  });
  Buy(OFUP_Development2);
  House* far = PlaceHouse(9, 0);
  workshop->Select();
  map->Update(0.05f);
  ASSERT_TRUE(workshop->AlertButton.IsEnabled);
  workshop->PressMenuButton(MENU_Alert);
  ASSERT_TRUE(workshop->Serves(far));
  // It is on its way to the far house when the area shrinks back.
  ASSERT_TRUE(RunUntil([&] { return IsDrivingTo(van, far); }, 200));
  workshop->AbilityTimer = 0.01f;
  map->Update(0.05f);
  ASSERT_FALSE(workshop->AbilityActive);
  ASSERT_FALSE(workshop->Serves(far));
  // The visit under way ends, and the van is home within its length.
  ASSERT_TRUE(RunUntil([&] { return van->IsHome(); }, 20));
  bool sawNear = false;
  for (float t = 0; t < 300; t += 0.05f) {
    ASSERT_NE(van->target, far) << t;
    sawNear = sawNear || van->target == house;
    map->Update(0.05f);
  }
  EXPECT_TRUE(sawNear);
}

TEST_F(WorkshopVanTour, APathWhoseStepsAreNotNeighboursFailsItsAssertion) {
  struct Case {
    int DX, DY;
    const char* Expression;
  };
  for (Case c : {Case{1, 1, "pathSquares[pathSquareIdx]->j == pathSquares[pathSquareIdx+1]->j"},
                 Case{0, 0, "pathSquares[pathSquareIdx]->j != pathSquares[pathSquareIdx+1]->j"}}) {
    SCOPED_TRACE(c.Expression);
    SetUp();
    DriveOut();
    // The step after the next square goes astray.
    const int next = van->pathSquareIdx + 1;
    ASSERT_LT(next + 1, van->pathSquares.GetSize());
    MapSquare* from = van->pathSquares[next];
    van->pathSquares[next + 1] = Square(from->X + c.DX, from->Y + c.DY);
    EXPECT_EQ(AssertionOf([&] { Run(3, 0.01f); }), c.Expression);
    TearDown();
  }
}

// ---- drawing

class WorkshopVanDrawing : public WorkshopVanTour {
protected:
  WorkshopVanDrawing() : TheCanvas(&Device) {
    for (int frame = 0; frame < 8; ++frame)
      Pictures.push_back(std::make_unique<Tessel::Bitmap>(32, 32, Tessel::PIXEL_A8R8G8B8));
  }
  void SetUp() override {
    WorkshopVanTour::SetUp();
    for (int frame = 0; frame < 8; ++frame) Art.WorkshopVan[frame] = Pictures[static_cast<size_t>(frame)].get();
    map->Art = &Art;
  }
  using Drawn = DrawnVanPicture;
  std::vector<Drawn> DrawVan() { return DrawVanPictures(*map, TheCanvas, Device, Pictures); }

  std::vector<std::unique_ptr<Tessel::Bitmap>> Pictures;
  TownArt Art;
  RecordingGraphicsDevice Device;
  Tessel::Canvas TheCanvas;
};

TEST_F(WorkshopVanDrawing, TheVanIsDrawnOnlyOnTheRoadWithItsPictureAndLinearAlpha) {
  EXPECT_TRUE(DrawVan().empty());  // at home, inside the workshop
  ASSERT_TRUE(RunUntil([&] { return van->IsDriving(); }, 11));
  map->Update(0.2f);
  std::vector<Drawn> drawn = DrawVan();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_NEAR(drawn[0].CentreX, van->ScreenX, 0.51f);
  EXPECT_NEAR(drawn[0].CentreY, van->ScreenY, 0.51f);
  const int diagonal = GetDiagonalPicture(van->Heading, van->Turn, van->Progress);
  EXPECT_EQ(drawn[0].Picture, diagonal >= 0 ? diagonal : van->SpriteDirection);
  EXPECT_EQ(drawn[0].Diffuse >> 24, static_cast<uint32_t>(van->Visibility * 255));
  EXPECT_EQ(drawn[0].Diffuse & 0xFFFFFFu, 0xFFFFFFu);
  ASSERT_TRUE(RunUntil([&] { return van->Visibility >= 0.995f || !van->IsDriving(); }, 2, 0.01f));
  if (van->IsDriving()) {
    drawn = DrawVan();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].Diffuse >> 24, 255u);  // opaque above 0.99
  }
  // Every frame of the trip shows one of its pictures.
  std::set<int> pictures;
  while (!van->IsHome()) {
    for (const Drawn& d : DrawVan()) pictures.insert(d.Picture);
    map->Update(0.01f);
  }
  EXPECT_GE(pictures.size(), 2u);
  EXPECT_TRUE(DrawVan().empty());
}

TEST_F(WorkshopVanDrawing, AMissingPictureIsAnAssertion) {
  ASSERT_TRUE(RunUntil([&] { return van->IsDriving(); }, 11));
  map->Update(0.2f);
  for (Tessel::Bitmap*& picture : Art.WorkshopVan) picture = nullptr;
  EXPECT_EQ(AssertionOf([&] { van->OnDraw(TheCanvas); }), "image != NULL");
}

}  // namespace
