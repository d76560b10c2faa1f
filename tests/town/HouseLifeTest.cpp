// Houses: a finished house celebrates and gets its first inhabitant, houses
// own cars, the town's best house is reported, and a town of houses runs
// the same from the same seed.

#include "game/town/BuildingSounds.h"
#include "town/BuildingTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class HouseLife : public BuildingTest {
protected:
  void SetUp() override {
    BuildingTest::SetUp();
    Build({
        "........................",
        "........................",
        "........................",
        "########################",
        "....$...................",
        "........................",
        "........................",
        "........................",
        "........................",
        "........................",
    });
    office = PlaceOffice(0, 1);
    map->BankAccount = 100000;
  }
  void CarsPerHouse(float min, float max, float typeMin, float typeMax) {
    ChangeRules([=](Balance& rules) {
      for (BuildingLevelBalance& level : rules.GetBuilding(BDK_Bungalow).Levels) {
        level.CarsCount = {min, max};
        level.CarsTypes = {typeMin, typeMax};
      }
    });
  }
};

TEST_F(HouseLife, AFinishedHouseCelebratesAndSendsForItsFirstInhabitant) {
  Building* house = Order(BDK_Bungalow, 4, 0);
  EXPECT_TRUE(traffic.Citizens.empty());
  FinishJob(house);
  EXPECT_TRUE(presenter.Has("sound sounds/cottage.ogg"));
  EXPECT_TRUE(presenter.Has("fireworks"));
  EXPECT_EQ(traffic.Citizens, std::vector<Building*>{house});
}

TEST_F(HouseLife, EachKindHasItsOwnSound) {
  struct Case {
    BuildingKind Kind;
    const char* Sound;
  };
  const Case cases[] = {
      {BDK_Bungalow, "sounds/cottage.ogg"},  {BDK_Duplex, "sounds/cottage.ogg"},
      {BDK_Apartments, "sounds/apartments.ogg"}, {BDK_Chateau, "sounds/chateau.ogg"},
      {BDK_Shop, "sounds/shop.ogg"},         {BDK_AmusementPark, "sounds/amusement.ogg"},
      {BDK_Fountain, "sounds/fountain.ogg"}, {BDK_Stadium, "sounds/stadium.ogg"},
  };
  for (Case c : cases) EXPECT_STREQ(GetKindSound(c.Kind), c.Sound) << GetBuildingKindName(c.Kind);
  EXPECT_EQ(GetKindSound(BDK_Hotel), nullptr);
}

TEST_F(HouseLife, AHouseOwnsTheCarsItsLevelGivesItAndOnlyPlainModels) {
  CarsPerHouse(2, 2, 3, 3);
  House* house = PlaceHouse(4, 0);
  EXPECT_EQ(traffic.ModelsOf(house), (std::vector<int>{2, 2}));  // the better models need a dealership
}

TEST_F(HouseLife, ADealershipNearbyBringsMoreAndBetterCars) {
  // Without a dealership 0 or 1 car; with one always 1, since the least
  // count grows by a quarter.
  CarsPerHouse(0.25f, 0.75f, 6, 6);
  Place(BDK_Dealership, 8, 0);
  for (int x : {4, 12, 8}) {
    House* house = PlaceHouse(x, x == 8 ? 4 : 0);
    ASSERT_NE(house->GetCoveringDealership(), nullptr) << x;
    EXPECT_EQ(traffic.ModelsOf(house), std::vector<int>{3}) << x;
  }
}

TEST_F(HouseLife, ADealershipUnderConstructionBringsNoBetterCars) {
  CarsPerHouse(1, 1, 6, 6);
  Order(BDK_Dealership, 8, 0);
  House* house = PlaceHouse(4, 0);
  EXPECT_EQ(house->GetCoveringDealership(), nullptr);
  EXPECT_EQ(traffic.ModelsOf(house), std::vector<int>{2});
}

TEST_F(HouseLife, NobodyDrivesToASiteOrAPreview) {
  CarsPerHouse(2, 2, 0, 0);
  Building* site = Order(BDK_Bungalow, 4, 0);
  EXPECT_EQ(traffic.CountOf(site), 0);
  map->StartConstruction(CreateBuilding(BDK_Bungalow), false);
  MoveConstructionTo(8, 4);
  EXPECT_EQ(traffic.CountOf(map->GetConstructBuilding()), 0);
  FinishJob(site);
  EXPECT_EQ(traffic.CountOf(site), 2);
}

TEST_F(HouseLife, AHouseLetsItsCarsGoWhenItLeavesTheMap) {
  CarsPerHouse(2, 2, 0, 0);
  House* house = PlaceHouse(4, 0);
  ASSERT_EQ(traffic.CountOf(house), 2);
  map->RemoveBuilding(house);
  EXPECT_EQ(traffic.CountOf(house), 0);
}

TEST_F(HouseLife, AnUpgradeCountsTheCarsAfresh) {
  CarsPerHouse(1, 1, 0, 0);
  House* house = PlaceHouse(4, 0);
  ChangeRules([](Balance& rules) { rules.GetBuilding(BDK_Bungalow).Levels[1].CarsCount = {3, 3}; });
  house->SetLevel(1);
  EXPECT_EQ(traffic.CountOf(house), 3);
  ChangeRules([](Balance& rules) { rules.GetBuilding(BDK_Bungalow).Levels[2].CarsCount = {0, 0}; });
  house->SetLevel(2);
  EXPECT_EQ(traffic.CountOf(house), 0);
}

// ---- the best house

class BestHouse : public HouseLife {
protected:
  void SetUp() override {
    HouseLife::SetUp();
    chateau = PlaceHouse(4, 4, BDK_Chateau);  // 4 x 3 over the premium square (4, 4)
    chateau->SetLevel(3);
    Place(BDK_Tree, 8, 4);
    Place(BDK_Fountain, 8, 5);
    Place(BDK_Park, 8, 6);
    statue = Place(BDK_Statue, 2, 4);
    garden = Place(BDK_ChineseGarden, 4, 7);
  }
  bool Reported() {
    presenter.Log.clear();
    Run(0.1f);
    return presenter.Has("best house");
  }
  House* chateau = nullptr;
  Building* statue = nullptr;
  Building* garden = nullptr;
};

TEST_F(BestHouse, ATopChateauOnAPremiumSquareAmidEveryDecorationIsReported) {
  EXPECT_TRUE(Reported());
  EXPECT_FALSE(Reported());  // once, until the house changes again
}

TEST_F(BestHouse, ItMustStayAtTheTopLevelUnbrokenAndThePlayers) {
  Run(0.1f);
  struct Case {
    const char* Spoiler;
    std::function<void()> Spoil, Mend;
  };
  const Case cases[] = {
      {"a lower level", [this] { chateau->SetLevel(2); }, [this] { chateau->SetLevel(3); }},
      {"broken", [this] { chateau->SetBroken(true); }, [this] { chateau->SetBroken(false); }},
      {"a rival's", [this] { chateau->SetRival(true); }, [this] { chateau->SetRival(false); }},
  };
  for (const Case& c : cases) {
    c.Spoil();
    EXPECT_FALSE(Reported()) << c.Spoiler;
    c.Mend();
    EXPECT_TRUE(Reported()) << c.Spoiler;
  }
}

TEST_F(BestHouse, EveryKindOfDecorationMustStandByIt) {
  map->RemoveBuilding(statue);
  EXPECT_FALSE(Reported());
  // A garden being placed beside it is not there yet.
  map->RemoveBuilding(garden);
  map->StartConstruction(CreateBuilding(BDK_ChineseGarden), false);
  MoveConstructionTo(4, 7);
  Place(BDK_Statue, 2, 4);
  EXPECT_FALSE(Reported());
}

TEST_F(BestHouse, AChateauOffThePremiumSquaresIsNoBestHouse) {
  Run(0.1f);
  Square(4, 4)->IsPremium = false;
  chateau->SetSquare(chateau->Square);
  chateau->NeedsTrophyCheck = true;
  EXPECT_FALSE(Reported());
  Square(4, 4)->IsPremium = true;
  chateau->SetSquare(chateau->Square);
  chateau->NeedsTrophyCheck = true;
  EXPECT_TRUE(Reported());
}

// ---- determinism

TEST_F(HouseLife, TheSameTownFromTheSameSeedRunsTheSame) {
  auto play = [&](uint32_t seed) {
    map = std::make_unique<Map>();
    map->Presenter = &presenter;
    map->Traffic = &traffic;
    traffic.Cars.clear();
    Tessel::SeedRand(seed);
    Build({
        "....................",
        "....................",
        "....................",
        "####################",
        "....................",
        "....................",
        "....................",
    });
    office = PlaceOffice(0, 1);
    Buy(OFUP_Fund);
    map->BankAccount = 5000;
    for (int x : {4, 8, 12, 16}) PlaceHouse(x, 0);
    for (int x : {0, 4, 8}) PlaceHouse(x, 4);
    Place(BDK_Shop, 12, 4);
    Place(BDK_Tree, 15, 4);
    int broken = 0, checks = 0;
    for (int frame = 0; frame < 3000; ++frame) {
      map->Update(0.1f);
      for (Building* building : map->Buildings) {
        if (!IsKindOf<House>(building)) continue;
        auto* house = static_cast<House*>(building);
        if (house->IsBroken && !house->HasJob()) {
          ++broken;
          house->StartJob(JOB_Repair, true, 1);
        }
        if (house->CanCollectBonus()) {
          ++checks;
          house->CollectBonus();
        }
      }
    }
    EXPECT_GT(broken, 0);
    EXPECT_GT(checks, 0);
    return std::make_pair(map->ComputeChecksum(), map->BankAccount);
  };
  auto first = play(11);
  EXPECT_EQ(play(11), first);
}

}  // namespace
