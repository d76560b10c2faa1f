// NoRivals: met once the player owns every building of the town.

#include "game/script/NoRivalsGoal.h"
#include "script/GoalTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class NoRivals : public GoalTest {};

TEST_F(NoRivals, IsMetWhenTheLastRivalBuildingIsBoughtAndLostWhenOneIsSold) {
  NoRivalsGoal* goal = AddGoal<NoRivalsGoal>("<Goal type='NoRivals'/>");
  Building* first = PlaceHouse(4, 4);
  Building* second = PlaceHouse(8, 4);
  first->SetRival(true);
  second->SetRival(true);
  map->Update(0.1f);
  EXPECT_FALSE(goal->IsMet);
  EXPECT_EQ(goal->RivalCount, 2);
  EXPECT_EQ(TextOf(*goal), "No rival buildings left in town (2 left)");
  second->SetRival(false);
  EXPECT_EQ(TextOf(*goal), "No rival buildings left in town (1 left)");  // counted as the text is read
  first->SetRival(false);
  map->Update(0.1f);
  EXPECT_TRUE(goal->IsMet);
  EXPECT_EQ(TextOf(*goal), "No rival buildings left in town");
  first->SetRival(true);
  map->Update(0.1f);
  EXPECT_FALSE(goal->IsMet);
}

TEST_F(NoRivals, ATownWithoutRivalsMeetsItAtOnce) {
  NoRivalsGoal* goal = AddGoal<NoRivalsGoal>("<Goal type='NoRivals' expert='true'/>");
  PlaceHouse(4, 4);
  EXPECT_TRUE(goal->IsExpert);
  // Before its first evaluation the goal is not met, and nothing is left.
  EXPECT_EQ(TextOf(*goal), "No rival buildings left in town");
  map->Update(0.1f);
  EXPECT_TRUE(goal->IsMet);
}

}  // namespace
