// Houses: what they earn, house and are worth, with the decorations around
// them and premium squares.

#include "town/BuildingTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class HouseIncome : public BuildingTest {
protected:
  void SetUp() override {
    BuildingTest::SetUp();
    Build({
        "................................",
        "................................",
        "................................",
        "################################",
        "........$...$...................",
        "................................",
        "................................",
        "................................",
    });
    office = PlaceOffice(0, 1);
    map->BankAccount = 100000;
  }
};

// The shipped Bungalow: value 5000 and income 750 at level 0, 6000 and 900
// at level 1; 4 and 5 people.

TEST_F(HouseIncome, ABungalowOnAPremiumSquareWithADecorationEarnsAQuarterMore) {
  ChangeRules([](Balance& rules) {
    rules.GetBuilding(BDK_Bungalow).Levels[0].Income = 1000;
    rules.PremiumSquareBonusPercent = 0.1f;
    rules.GetBuilding(BDK_Tree).Levels[0].SpecialAbilityValue = 0.15f;
  });
  House* house = PlaceHouse(12, 4);  // on the premium square (12, 4)
  Place(BDK_Tree, 12, 7);            // just below it
  EXPECT_NEAR(house->GetBonusFactor(), 0.25, 1e-6);
  EXPECT_EQ(house->GetIncome(), 1250);
  EXPECT_EQ(map->TotalIncome, 1250);
}

TEST_F(HouseIncome, TheBonusAddsUpTheDecorationsAndThePremiumSquare) {
  ChangeRules([](Balance& rules) {
    rules.GetBuilding(BDK_Bungalow).Levels[0].Income = 1000;
    rules.PremiumSquareBonusPercent = 0.1f;
    rules.GetBuilding(BDK_Tree).Levels[0].SpecialAbilityValue = 0.15f;
  });
  struct Case {
    int X;
    bool WithTree;
    int Income;  // premium squares at (8, 4) and (12, 4)
  };
  for (Case c : {Case{0, false, 1000}, Case{4, true, 1150}, Case{8, false, 1100}, Case{12, true, 1250}}) {
    House* house = PlaceHouse(c.X, 4);
    if (c.WithTree) Place(BDK_Tree, c.X, 7);
    EXPECT_EQ(house->GetIncome(), c.Income) << c.X;
  }
}

TEST_F(HouseIncome, AHouseEarnsAndHousesPeopleOnlyWhileItWorksForThePlayer) {
  struct Case {
    const char* State;
    bool Ordered;  // placed with its construction job
    std::function<void(House*)> Apply;
    int Income, Population;
    int PotentialIncome, PotentialPopulation;  // the next level's while upgrading
  };
  const Case cases[] = {
      {"idle", false, [](House*) {}, 750, 4, 750, 4},
      {"broken", false, [](House* h) { h->SetBroken(true); }, 0, 0, 750, 4},
      {"for sale", false, [](House* h) { h->PutUpForSale(6000, 100); }, 0, 0, 750, 4},
      {"a rival's", false, [](House* h) { h->SetRival(true); }, 0, 4, 750, 4},
      {"a rival's on offer", false, [](House* h) { h->SetRival(true); h->isForSale = true; }, 0, 4, 750, 4},
      {"repaired by vans", false, [](House* h) { h->SetBroken(true); h->StartJob(JOB_Repair, false); }, 0, 0, 750, 4},
      {"being demolished", false, [](House* h) { h->StartJob(JOB_Demolish, false); }, 0, 4, 750, 4},
      {"being upgraded", false, [](House* h) { h->StartJob(JOB_Upgrade, false); }, 750, 4, 900, 5},
      {"under construction", true, [](House*) {}, 0, 0, 750, 4},
  };
  for (const Case& c : cases) {
    auto* house = static_cast<House*>(c.Ordered ? Order(BDK_Bungalow, 4, 0) : Place(BDK_Bungalow, 4, 0));
    c.Apply(house);
    EXPECT_EQ(house->GetIncome(), c.Income) << c.State;
    EXPECT_EQ(house->GetPopulation(), c.Population) << c.State;
    EXPECT_EQ(house->GetPotentialIncome(), c.PotentialIncome) << c.State;
    EXPECT_EQ(house->GetPotentialPopulation(), c.PotentialPopulation) << c.State;
    map->RemoveBuilding(house);
  }
}

TEST_F(HouseIncome, AHouseBeingUpgradedEarnsItsOldIncomeUntilTheUpgradeEnds) {
  House* house = PlaceHouse(4, 0);
  house->StartJob(JOB_Upgrade, false);
  office->ArriveAll(house);
  Run(1);
  ASSERT_EQ(house->JobRequired, JOB_Upgrade);
  EXPECT_EQ(house->GetIncome(), 750);
  EXPECT_EQ(map->TotalIncome, 750);
  // What it will earn and house once the upgrade is done.
  EXPECT_EQ(house->GetPotentialIncome(), 900);
  EXPECT_EQ(house->GetPotentialPopulation(), 5);
  FinishJob(house);
  EXPECT_EQ(house->Level, 1);
  EXPECT_EQ(house->GetIncome(), 900);
  EXPECT_EQ(map->TotalIncome, 900);
  EXPECT_EQ(map->Population, 5);
}

TEST_F(HouseIncome, TheUpgradedIncomeIsTheNextLevelsAndTheTopLevelsOwnAtTheTop) {
  House* house = PlaceHouse(4, 0);
  EXPECT_EQ(house->GetUpgradedIncome(), 900);
  house->SetLevel(3);
  EXPECT_EQ(house->GetUpgradedIncome(), house->GetIncome());
  EXPECT_EQ(house->GetUpgradedMarketValue(), house->GetMarketValue());
}

TEST_F(HouseIncome, TheMarketValueIsTheRoundedConstructionValueGrownByTheBonus) {
  House* plain = PlaceHouse(0, 4);
  House* premium = PlaceHouse(8, 4);  // the shipped premium bonus is 0.15
  EXPECT_EQ(plain->GetMarketValue(), 6000);    // 5000 x 1.2
  EXPECT_EQ(premium->GetMarketValue(), 7000);  // 6900 at the price step of 250
  EXPECT_EQ(plain->GetUpgradedMarketValue(), 7250);  // 6000 x 1.2 = 7200, at 250
  plain->SetLevel(3);
  EXPECT_EQ(plain->GetMarketValue(), 13000);  // 11000 x 1.2 = 13200, at 500
}

TEST_F(HouseIncome, TheSocialUpgradeAddsAnInhabitantToEveryHouse) {
  House* mine = PlaceHouse(4, 0);
  House* rivals = PlaceHouse(0, 4);
  rivals->SetRival(true);
  EXPECT_EQ(map->Population, 8);
  Buy(OFUP_Social);
  map->RecomputeTotals();
  EXPECT_EQ(mine->GetPopulation(), 5);
  EXPECT_EQ(mine->GetPotentialPopulation(), 5);
  EXPECT_EQ(rivals->GetPopulation(), 5);
  EXPECT_EQ(map->Population, 10);
}

TEST_F(HouseIncome, AHouseBoughtFromARivalKeepsItsLevelAndItsIncome) {
  House* house = PlaceHouse(4, 0);
  house->SetLevel(2);
  house->SetRival(true);
  house->isForSale = true;
  house->Price = 9000;
  house->Buy();
  EXPECT_EQ(house->Level, 2);
  EXPECT_EQ(house->GetIncome(), 1200);  // 8000 x 15 %
  EXPECT_EQ(map->BankAccount, 91000);
}

TEST_F(HouseIncome, TheBadgeShowsTheBonusOfThePlayersIdleHouse) {
  struct Case {
    float TreeBonus;
    int Percent, Step;
  };
  for (Case c : {Case{0.14f, 14, 0}, Case{0.15f, 15, 1}, Case{0.29f, 29, 1}, Case{0.30f, 30, 2}}) {
    ChangeRules([&](Balance& rules) { rules.GetBuilding(BDK_Tree).Levels[0].SpecialAbilityValue = c.TreeBonus; });
    House* house = PlaceHouse(4, 4);
    Building* tree = Place(BDK_Tree, 4, 7);
    EXPECT_EQ(house->GetBonusBadgePercent(), c.Percent) << c.TreeBonus;
    EXPECT_EQ(House::GetBonusBadgeStep(house->GetBonusBadgePercent()), c.Step) << c.TreeBonus;
    map->RemoveBuilding(tree);
    map->RemoveBuilding(house);
  }
  House* bare = PlaceHouse(0, 4);
  EXPECT_EQ(bare->GetBonusBadgePercent(), 0);
  House* premium = PlaceHouse(8, 4);
  EXPECT_EQ(premium->GetBonusBadgePercent(), 15);
  premium->StartJob(JOB_Upgrade, false);
  EXPECT_EQ(premium->GetBonusBadgePercent(), 0);  // busy
  premium->Cancel();
  premium->SetRival(true);
  EXPECT_EQ(premium->GetBonusBadgePercent(), 0);  // not the player's
}

TEST_F(HouseIncome, ADecorationUnderConstructionGivesNoBonusYet) {
  ChangeRules([](Balance& rules) { rules.GetBuilding(BDK_Park).Levels[0].SpecialAbilityValue = 0.2f; });
  House* house = PlaceHouse(4, 4);
  Building* park = CreateBuilding(BDK_Park);
  map->PlaceBuilding(park, 7, 4, false);
  park->StartJob(JOB_Construct, true, 1);  // as a level's construction site would
  EXPECT_EQ(ServiceNames(house), std::vector<std::string>{"Park"});
  EXPECT_EQ(house->GetIncome(), 750);
  Run(1.05f);
  EXPECT_EQ(house->GetIncome(), 900);  // 750 x 1.2
  EXPECT_EQ(map->TotalIncome, 900);
}

}  // namespace
