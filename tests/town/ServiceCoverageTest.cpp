// Service buildings: which buildings they cover and serve, one service of a
// kind per building, what a placement would get, and how coverage passes on
// when a service goes.

#include <algorithm>

#include "town/BuildingTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class ServiceCoverage : public BuildingTest {
protected:
  void SetUp() override {
    BuildingTest::SetUp();
    Build({
        "........................",
        "........................",
        "........................",
        "########################",
        "........................",
        "........................",
        "........................",
        "........................",
        "........................",
        "........................",
        "........................",
        "........................",
        "........................",
        "........................",
    });
    office = PlaceOffice(0, 1);
    map->BankAccount = 100000;
  }
  ServiceBuilding* PlaceService(BuildingKind kind, int x, int y) { return PlaceAs<ServiceBuilding>(kind, x, y); }
  // Moves the construct tool's preview to the anchor and presses there.
  void CommitConstructionAt(int x, int y) {
    MoveConstructionTo(x, y);
    Building* preview = map->GetConstructBuilding();
    map->OnMouseDown(static_cast<float>(40 * x + 20 * preview->Width), static_cast<float>(40 * y + 20 * preview->Height), 1);
  }
};

TEST_F(ServiceCoverage, CoverageReachesTheRadiusBeyondTheFootprint) {
  ChangeRules([](Balance& rules) { rules.GetBuilding(BDK_Tree).Levels[0].Radius = 2; });
  ServiceBuilding* tree = PlaceService(BDK_Tree, 10, 10);
  struct Case {
    int X, Y;  // a 2 x 2 footprint's top-left square
    bool Covered;
  };
  const Case cases[] = {
      {12, 11, true}, {7, 7, true}, {13, 10, false}, {12, 12, true}, {12, 13, false}, {6, 10, false}, {8, 12, true},
  };
  for (Case c : cases) {
    Building* park = Place(BDK_Park, c.X, c.Y);
    EXPECT_EQ(tree->Covers(park), c.Covered) << c.X << " " << c.Y;
    map->RemoveBuilding(park);
  }
}

TEST_F(ServiceCoverage, CoverageDoesNotDependOnWhatWasPlacedFirst) {
  House* before = PlaceHouse(4, 4);
  ServiceBuilding* tree = PlaceService(BDK_Tree, 7, 5);
  House* after = PlaceHouse(8, 4);
  EXPECT_EQ(tree->Served.GetSize(), 2);
  EXPECT_EQ(ServiceNames(before), std::vector<std::string>{"Tree"});
  EXPECT_EQ(ServiceNames(after), std::vector<std::string>{"Tree"});
}

TEST_F(ServiceCoverage, ABuildingHasOneServiceOfEachKindTheOneThatClaimedItFirst) {
  House* house = PlaceHouse(4, 4);
  ServiceBuilding* first = PlaceService(BDK_Tree, 7, 4);
  ServiceBuilding* second = PlaceService(BDK_Tree, 7, 5);
  PlaceService(BDK_Fountain, 7, 6);
  EXPECT_EQ(ServiceNames(house), (std::vector<std::string>{"Tree", "Fountain"}));
  EXPECT_EQ(house->LinkedBuildings[0], first);
  EXPECT_TRUE(first->Serves(house));
  EXPECT_FALSE(second->Serves(house));
  // The lists agree both ways.
  for (Building* service : house->LinkedBuildings) EXPECT_TRUE(static_cast<ServiceBuilding*>(service)->Serves(house));
}

TEST_F(ServiceCoverage, AHouseCoveredByTwoWorkshopsPassesToTheOtherWhenTheFirstIsDemolished) {
  House* house = PlaceHouse(4, 0);
  ServiceBuilding* first = PlaceService(BDK_Workshop, 8, 0);
  ServiceBuilding* second = PlaceService(BDK_Workshop, 0, 4);
  ASSERT_EQ(house->LinkedBuildings.GetSize(), 1);
  ASSERT_EQ(house->GetCoveringWorkshop(), first);
  EXPECT_TRUE(second->Served.IsEmpty());
  first->TryDemolish();
  FinishJob(first);
  EXPECT_EQ(house->GetCoveringWorkshop(), second);
  EXPECT_TRUE(second->Serves(house));
}

TEST_F(ServiceCoverage, ARemovedServiceLeavesTheBuildingToNoOneWhenNoOtherCoversIt) {
  House* house = PlaceHouse(4, 4);
  ServiceBuilding* tree = PlaceService(BDK_Tree, 7, 4);
  tree->TryDemolish();  // a decoration goes at once
  EXPECT_TRUE(house->LinkedBuildings.IsEmpty());
  Run(0.1f);
  EXPECT_EQ(map->Buildings.IndexOf(tree), -1);
}

TEST_F(ServiceCoverage, WithTheCommercialRadiusUpgradeAShopReachesOneSquareFurther) {
  ServiceBuilding* shop = PlaceService(BDK_Shop, 8, 0);   // radius 4
  ServiceBuilding* workshop = PlaceService(BDK_Workshop, 8, 4);  // radius 4
  House* far = PlaceHouse(14, 0);  // 5 squares right of the shop
  EXPECT_FALSE(shop->Serves(far));
  Buy(OFUP_Social2);
  EXPECT_EQ(shop->GetServiceRadius(), 5);
  EXPECT_EQ(workshop->GetServiceRadius(), 4);
  // The upgrades come with the level's start: its services look again then.
  shop->RecomputeCoverage();
  EXPECT_TRUE(shop->Serves(far));
  House* farBelow = PlaceHouse(15, 4);  // 5 squares right of the workshop
  EXPECT_FALSE(workshop->Serves(farBelow));
}

TEST_F(ServiceCoverage, TheRadiusOverrideWidensTheAreaUntilItIsCleared) {
  ServiceBuilding* workshop = PlaceService(BDK_Workshop, 3, 4);
  House* near = PlaceHouse(6, 4);
  House* far = PlaceHouse(12, 4);  // 8 squares right of the workshop
  workshop->SetRadiusOverride(8);
  EXPECT_TRUE(workshop->Serves(far));
  workshop->SetRadiusOverride(7);
  EXPECT_FALSE(workshop->Serves(far));
  workshop->SetRadiusOverride(8);
  EXPECT_TRUE(workshop->Serves(far));
  workshop->SetRadiusOverride(-1);
  EXPECT_FALSE(workshop->Serves(far));
  EXPECT_TRUE(far->LinkedBuildings.IsEmpty());
  EXPECT_TRUE(workshop->Serves(near));
}

TEST_F(ServiceCoverage, OnlyBuildingsThatHousePeopleAreServed) {
  Building* shop = Place(BDK_Shop, 4, 4);
  ServiceBuilding* tree = PlaceService(BDK_Tree, 6, 4);
  EXPECT_TRUE(shop->LinkedBuildings.IsEmpty());
  struct Case {
    Building* Served;
    const char* Assertion;
  };
  for (Case c : {Case{shop, "bld->GetPotentialPopulation() > 0"}, Case{nullptr, "bld != NULL"}}) {
    try {
      tree->AddServed(c.Served);
      ADD_FAILURE() << "no assertion " << c.Assertion;
    } catch (const Tessel::AssertionFailedException& e) {
      EXPECT_EQ(e.Message, c.Assertion);
    }
  }
}

TEST_F(ServiceCoverage, CoverageNeedsTheServicesLevelAndSquare) {
  House* house = PlaceHouse(4, 4);
  std::unique_ptr<Park> loose(new Park(BDK_Tree));  // no map, no level
  try {
    loose->Covers(house);
    ADD_FAILURE() << "no assertion";
  } catch (const Tessel::AssertionFailedException& e) {
    EXPECT_EQ(e.Message, "LevelBalance");
  }
  auto* unplaced = new Park(BDK_Tree);
  map->AddEntity(unplaced);  // a level but no square yet
  try {
    unplaced->Covers(house);
    ADD_FAILURE() << "no assertion";
  } catch (const Tessel::AssertionFailedException& e) {
    EXPECT_EQ(e.Message, "Square");
  }
}

// ---- placing

TEST_F(ServiceCoverage, AHouseBeingPlacedShowsTheServicesItWouldGet) {
  ChangeRules([](Balance& rules) { rules.GetBuilding(BDK_Tree).Levels[0].SpecialAbilityValue = 0.2f; });
  ServiceBuilding* tree = PlaceService(BDK_Tree, 10, 5);
  map->StartConstruction(CreateBuilding(BDK_Bungalow), false);
  Building* preview = map->GetConstructBuilding();
  MoveConstructionTo(7, 4);
  EXPECT_TRUE(tree->Serves(preview));
  EXPECT_EQ(preview->GetPotentialIncome(), 900);  // 750 x 1.2
  EXPECT_TRUE(tree->IsHighlighted);  // the service lights up, not the preview
  EXPECT_EQ(tree->HighlightColour, 0x8083CDF5u);
  MoveConstructionTo(1, 8);
  EXPECT_FALSE(tree->Serves(preview));
  EXPECT_FALSE(tree->IsHighlighted);
  CommitConstructionAt(7, 4);
  ASSERT_EQ(map->GetTool(), MAPTOOL_None);
  EXPECT_TRUE(tree->Serves(preview));
  EXPECT_FALSE(tree->IsHighlighted);
}

TEST_F(ServiceCoverage, AServiceBeingPlacedShowsWhatItWouldServeAndGivesNothingYet) {
  ChangeRules([](Balance& rules) { rules.GetBuilding(BDK_Tree).Levels[0].SpecialAbilityValue = 0.2f; });
  House* house = PlaceHouse(4, 4);
  map->StartConstruction(CreateBuilding(BDK_Tree), false);
  auto* preview = static_cast<ServiceBuilding*>(map->GetConstructBuilding());
  MoveConstructionTo(7, 4);
  EXPECT_TRUE(preview->Serves(house));
  EXPECT_EQ(house->GetIncome(), 750);  // a preview gives no bonus
  MoveConstructionTo(12, 8);
  EXPECT_FALSE(preview->Serves(house));
  CommitConstructionAt(7, 4);
  ASSERT_EQ(map->GetTool(), MAPTOOL_None);
  EXPECT_EQ(ServiceNames(house), std::vector<std::string>{"Tree"});
  EXPECT_EQ(house->GetIncome(), 900);
}

TEST_F(ServiceCoverage, ACommercialBuildingBeingPlacedCountsTheVisitorsItWouldHave) {
  PlaceHouse(4, 4);
  PlaceHouse(10, 4);
  map->StartConstruction(CreateBuilding(BDK_Shop), false);
  auto* preview = static_cast<Commercial*>(map->GetConstructBuilding());
  MoveConstructionTo(7, 4);
  EXPECT_EQ(preview->GetAttendance(), 8);
  EXPECT_EQ(preview->GetPotentialIncome(), 360);
  EXPECT_EQ(preview->GetIncome(), 0);
  EXPECT_EQ(map->TotalIncome, 2 * 750);
  MoveConstructionTo(20, 10);
  EXPECT_EQ(preview->GetAttendance(), 0);
}

TEST_F(ServiceCoverage, ACancelledServicePlacementGivesItsHousesBack) {
  House* house = PlaceHouse(4, 4);
  map->StartConstruction(CreateBuilding(BDK_Workshop), false);
  MoveConstructionTo(7, 4);
  ASSERT_EQ(ServiceNames(house), std::vector<std::string>{"Workshop"});
  map->SetTool(MAPTOOL_None);
  EXPECT_TRUE(house->LinkedBuildings.IsEmpty());
  Run(0.1f);
}

TEST_F(ServiceCoverage, ACancelledPlacementLeavesNoCoverageBehind) {
  ServiceBuilding* tree = PlaceService(BDK_Tree, 10, 5);
  map->StartConstruction(CreateBuilding(BDK_Bungalow), false);
  MoveConstructionTo(7, 4);
  ASSERT_EQ(tree->Served.GetSize(), 1);
  map->SetTool(MAPTOOL_None);
  EXPECT_TRUE(tree->Served.IsEmpty());
  EXPECT_FALSE(tree->IsHighlighted);
  Run(0.1f);
}

// ---- showing the area

TEST_F(ServiceCoverage, SelectingAServiceTintsTheBuildingsItServes) {
  House* house = PlaceHouse(4, 4);
  ServiceBuilding* workshop = PlaceService(BDK_Workshop, 7, 4);
  workshop->Select();
  EXPECT_TRUE(workshop->HighlightOn);
  EXPECT_TRUE(house->IsHighlighted);
  EXPECT_EQ(house->HighlightColour, 0x80FFFF00u);
  House* later = PlaceHouse(9, 4);
  EXPECT_TRUE(later->IsHighlighted);  // served while the area shows
  workshop->Unselect();
  EXPECT_FALSE(house->IsHighlighted);
  EXPECT_FALSE(later->IsHighlighted);
}

TEST_F(ServiceCoverage, EachKindOfServiceHasItsTint) {
  struct Case {
    BuildingKind Kind;
    uint32_t Tint;
  };
  for (Case c : {Case{BDK_Park, 0x8083CDF5u}, Case{BDK_Cinema, 0x8000FF00u}, Case{BDK_Workshop, 0x80FFFF00u}}) {
    std::unique_ptr<Building> service(CreateBuilding(c.Kind));
    EXPECT_EQ(static_cast<ServiceBuilding*>(service.get())->ServiceHighlightColour, c.Tint);
  }
}

TEST_F(ServiceCoverage, TheInfoCloudTellsTheIncomeBonusInWholePercent) {
  struct Case {
    float Value;
    bool Shown;
    int Percent;
  };
  for (Case c : {Case{0.15f, true, 15}, Case{0.004f, false, 0}, Case{0.006f, true, 1}}) {
    ChangeRules([&](Balance& rules) { rules.GetBuilding(BDK_Park).Levels[0].SpecialAbilityValue = c.Value; });
    ServiceBuilding* park = PlaceService(BDK_Park, 4, 4);
    std::vector<std::string> keys = InfoKeys(park);
    bool shown = std::find(keys.begin(), keys.end(), "Hud.Info.IncomeBonus") != keys.end();
    EXPECT_EQ(shown, c.Shown) << c.Value;
    if (shown) {
      EXPECT_EQ(InfoValue(park, "Hud.Info.IncomeBonus"), c.Percent) << c.Value;
    }
    map->RemoveBuilding(park);
  }
}

// ---- leaving

TEST_F(ServiceCoverage, ARemovedHouseLeavesItsServices) {
  House* house = PlaceHouse(4, 4);
  ServiceBuilding* tree = PlaceService(BDK_Tree, 7, 4);
  map->RemoveBuilding(house);
  EXPECT_TRUE(tree->Served.IsEmpty());
}

TEST_F(ServiceCoverage, ABuildingDeletedOnTheMapLeavesNoPointerBehind) {
  House* house = PlaceHouse(4, 4);
  ServiceBuilding* tree = PlaceService(BDK_Tree, 7, 4);
  ServiceBuilding* workshop = PlaceService(BDK_Workshop, 8, 5);
  delete tree;
  EXPECT_EQ(ServiceNames(house), std::vector<std::string>{"Workshop"});
  delete house;
  EXPECT_TRUE(workshop->Served.IsEmpty());
  Run(1);
}

}  // namespace
