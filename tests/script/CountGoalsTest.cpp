// The goals that compare one of the town's numbers with their count: money,
// income, population, appearance and construction vans.

#include "game/script/CountGoals.h"
#include "script/GoalTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class CountGoals : public GoalTest {};

TEST_F(CountGoals, EachIsMetWhileItsNumberReachesTheCount) {
  struct Case {
    const char* Goal;
    int* (*Value)(Map&);
  };
  const Case cases[] = {
      {"<Goal type='BankAccount' count='50000'/>", [](Map& m) { return &m.BankAccount; }},
      {"<Goal type='Income' count='50000'/>", [](Map& m) { return &m.TotalIncome; }},
      {"<Goal type='Population' count='50000'/>", [](Map& m) { return &m.Population; }},
      {"<Goal type='Happiness' count='50000'/>", [](Map& m) { return &m.Appearance; }},
  };
  for (const Case& c : cases) {
    CountGoal* goal = AddGoal<CountGoal>(c.Goal);
    ASSERT_NE(goal, nullptr);
    int& value = *c.Value(*map);
    for (auto [amount, met] :
         {std::pair{49999, false}, std::pair{50000, true}, std::pair{50001, true}, std::pair{0, false}}) {
      value = amount;
      goal->Evaluate(0.1f);
      EXPECT_EQ(goal->IsMet, met) << c.Goal << " at " << amount;
    }
  }
}

TEST_F(CountGoals, TheTotalsThatCountAreTheTownsOwn) {
  PopulationGoal* population = AddGoal<PopulationGoal>("<Goal type='Population' count='8' id='people'/>");
  IncomeGoal* income = AddGoal<IncomeGoal>("<Goal type='Income' count='1500'/>");
  HappinessGoal* appearance = AddGoal<HappinessGoal>("<Goal type='Happiness' count='3'/>");
  map->Update(0.1f);
  EXPECT_FALSE(population->IsMet);
  PlaceHouse(4, 4);
  PlaceHouse(8, 4);
  Place(BDK_Fountain, 12, 4);
  map->Update(0.1f);
  EXPECT_EQ(map->Population, 8);
  EXPECT_TRUE(population->IsMet);
  EXPECT_GE(map->TotalIncome, 1500);
  EXPECT_TRUE(income->IsMet);
  EXPECT_GE(map->Appearance, 3);
  EXPECT_TRUE(appearance->IsMet);
}

TEST_F(CountGoals, ABankAccountGoalIsLostWithTheMoneyAndSoundsUnchecked) {
  AddGoal<BankAccountGoal>("<Goal type='BankAccount' count='50000'/>");
  AddGoal<BankAccountGoal>("<Goal type='BankAccount' count='900000' id='later'/>");
  map->BankAccount = 50000;
  map->Update(0.1f);
  EXPECT_EQ(GoalSounds(), std::vector<std::string>{"sounds/goalChecked.ogg"});
  presenter.Log.clear();
  ASSERT_TRUE(map->TransferMoney(-1));
  map->Update(0.1f);
  EXPECT_FALSE(map->Goals[0]->IsMet);
  EXPECT_EQ(GoalSounds(), std::vector<std::string>{"sounds/goalUnchecked.ogg"});
  EXPECT_FALSE(map->IsWon);
}

TEST_F(CountGoals, ConstructionVansCountTheOfficesVansAndTheOneOnItsWay) {
  ConstructionVansGoal* goal = AddGoal<ConstructionVansGoal>("<Goal type='ConstructionVans' count='4'/>");
  ASSERT_EQ(office->GetVanCount(), 2);
  goal->Evaluate(0.1f);
  EXPECT_FALSE(goal->IsMet);
  EXPECT_EQ(TextOf(*goal), "Own 4 construction vans (2 left)");
  office->Vans.push_back(std::make_unique<FakeVan>());
  office->IsDeliveringVan = true;
  goal->Evaluate(0.1f);
  EXPECT_TRUE(goal->IsMet);
  EXPECT_EQ(TextOf(*goal), "Own 4 construction vans");
}

TEST_F(CountGoals, WithoutAnOfficeAConstructionVansGoalKeepsItsState) {
  ConstructionVansGoal* goal = AddGoal<ConstructionVansGoal>("<Goal type='ConstructionVans' count='1' text='Vans'/>");
  goal->Evaluate(0.1f);
  ASSERT_TRUE(goal->IsMet);
  map->TheOffice = nullptr;
  goal->Evaluate(0.1f);
  EXPECT_TRUE(goal->IsMet);
  goal->IsMet = false;
  goal->Evaluate(0.1f);
  EXPECT_FALSE(goal->IsMet);
  EXPECT_EQ(TextOf(*goal), "Vans");  // no vans to count, nothing left to tell
  map->TheOffice = office;
}

TEST_F(CountGoals, TheVansLeftNeverGoBelowNothing) {
  // Not met yet, with more vans than asked for: the goal has not been
  // evaluated since the vans came, or is switched off.
  ConstructionVansGoal* goal =
      AddGoal<ConstructionVansGoal>("<Goal type='ConstructionVans' count='2' inactive='true'/>");
  for (int i = 0; i < 3; ++i) office->Vans.push_back(std::make_unique<FakeVan>());
  map->Update(0.1f);
  EXPECT_FALSE(goal->IsMet);
  EXPECT_EQ(TextOf(*goal), "Own 2 construction vans");
  goal->Text = u"Buy vans";
  EXPECT_EQ(TextOf(*goal), "Buy vans");
}

TEST_F(CountGoals, ANegativeCountInALevelAsksForNothing) {
  CountGoal* goal = AddGoal<CountGoal>("<Goal type='BankAccount' count='-500'/>");
  EXPECT_EQ(goal->Count, 0);
  EXPECT_EQ(TextOf(*goal), "Have $0 in the bank");
  map->BankAccount = 0;
  goal->Evaluate(0.1f);
  EXPECT_TRUE(goal->IsMet);
}

}  // namespace
