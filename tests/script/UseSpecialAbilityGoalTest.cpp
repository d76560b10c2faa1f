// UseSpecialAbility: uses of the timed ability of a kind's buildings, one
// after another or running at once.

#include "game/script/UseSpecialAbilityGoal.h"
#include "script/GoalTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

// The shipped shop's sale runs one round of 10 seconds.
class AbilityUses : public GoalTest {
protected:
  void SetUp() override {
    GoalTest::SetUp();
    AddGoal();  // keeps the level running
    first = static_cast<Commercial*>(Place(BDK_Shop, 4, 4));
    second = static_cast<Commercial*>(Place(BDK_Shop, 8, 4));
    cinema = static_cast<Commercial*>(Place(BDK_Cinema, 12, 4));
  }
  static void Use(Commercial* building) { building->Ability.Start(*building, nullptr); }
  Commercial* first = nullptr;
  Commercial* second = nullptr;
  Commercial* cinema = nullptr;
};

TEST_F(AbilityUses, UsesOfTheKindAreCountedUntilTheCount) {
  UseSpecialAbilityGoal* goal =
      AddGoal<UseSpecialAbilityGoal>("<Goal type='UseSpecialAbility' kind='Shop' count='3'/>");
  Use(first);
  Use(cinema);
  map->Update(0.1f);
  EXPECT_EQ(goal->Counter, 1);
  EXPECT_EQ(TextOf(*goal), "(2 more)");
  Use(first);
  Run(30);
  Use(second);
  map->Update(0.1f);
  EXPECT_TRUE(goal->IsMet);
  EXPECT_EQ(TextOf(*goal), "");
  Use(second);
  EXPECT_EQ(goal->Counter, 3);  // a met goal counts no more
}

TEST_F(AbilityUses, TwoUsesAtOnceOnlyWhileTheFirstStillRuns) {
  struct Case {
    float Apart;
    bool Met;
  };
  for (Case c : {Case{3, true}, Case{9.5f, true}, Case{10.5f, false}}) {
    UseSpecialAbilityGoal* goal =
        AddGoal<UseSpecialAbilityGoal>("<Goal type='UseSpecialAbility' kind='Shop' count='2' simultaneously='true'/>");
    Use(first);
    Run(c.Apart);
    Use(second);
    map->Update(0.1f);
    EXPECT_EQ(goal->IsMet, c.Met) << c.Apart << " s apart";
    EXPECT_EQ(goal->Counter, 0);
    goal->SetActive(false);
    Run(30);
  }
}

TEST_F(AbilityUses, AnEndedUseBehindALongerOneNoLongerRuns) {
  // The cinema's premiere runs two rounds of 10 s; the shop's sale one.
  UseSpecialAbilityGoal* goal =
      AddGoal<UseSpecialAbilityGoal>("<Goal type='UseSpecialAbility' kind='Any' count='3' simultaneously='true'/>");
  Use(cinema);
  Use(first);
  Run(12);
  Use(second);
  map->Update(0.1f);
  EXPECT_FALSE(goal->IsMet);
  EXPECT_EQ(goal->RunningUntil.GetSize(), 2);
}

TEST_F(AbilityUses, AnyKindCountsEveryBuildingsAbility) {
  UseSpecialAbilityGoal* goal = AddGoal<UseSpecialAbilityGoal>("<Goal type='UseSpecialAbility' kind='Any' count='2'/>");
  Use(first);
  Use(cinema);
  map->Update(0.1f);
  EXPECT_TRUE(goal->IsMet);
}

TEST_F(AbilityUses, WithoutAKindTheGoalWaitsForBungalows) {
  UseSpecialAbilityGoal* goal = AddGoal<UseSpecialAbilityGoal>("<Goal type='UseSpecialAbility'/>");
  EXPECT_EQ(goal->Kind, BDK_Bungalow);
  Use(first);
  goal->OnSpecialAbilityUsed(nullptr);
  map->Update(0.1f);
  EXPECT_FALSE(goal->IsMet);
}

}  // namespace
