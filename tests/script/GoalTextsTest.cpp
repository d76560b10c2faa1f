// What the goal list shows: each kind's default text with its arguments,
// a level's own text in its place, and the progress after either.

#include "game/rules/Balance.h"
#include "script/GoalTestSupport.h"
#include "tessel/text/MoneyFormat.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class GoalTexts : public GoalTest {};

TEST_F(GoalTexts, EachKindShowsItsDefaultTextWithItsCount) {
  struct Case {
    const char* Goal;
    const char* Text;
  };
  const Case cases[] = {
      {"<Goal type='BankAccount' count='1234567'/>", "Have $1,234,567 in the bank"},
      {"<Goal type='Income' count='4000'/>", "Earn $4,000 a day"},
      {"<Goal type='Population' count='12000'/>", "Reach 12000 residents"},
      {"<Goal type='Happiness' count='2500'/>", "Raise the appearance to 2500"},
      {"<Goal type='NoRivals'/>", "No rival buildings left in town"},
      {"<Goal type='OwnBuilding'/>", ""},
      {"<Goal type='OwnBuilding' kind='Bungalow'/>", "Bungalow"},
      {"<Goal type='OwnBuilding' kind='Duplex' upgrades='2'/>", "Duplex (2 stars)"},
      {"<Goal type='OwnBuilding' kind='Bungalow' count='3'/>", "Bungalow x 3."},
      {"<Goal type='OwnBuilding' kind='Duplex' count='2' upgrades='1'/>", "Duplex (1 stars) x 2"},
      {"<Goal type='OwnBuilding' kind='Stadium'/>", "Stadium (160,000)"},
      {"<Goal type='OwnBuilding' kind='StadiumCheap'/>", "Stadium (90,000)"},
      {"<Goal type='OwnBuilding' kind='Shop'/>", "Shop"},
      {"<Goal type='RepairBuilding' count='2'/>", ""},
      {"<Goal type='DemolishBuilding' count='2'/>", ""},
      {"<Goal type='UseSpecialAbility' kind='Shop' count='2'/>", ""},
      {"<Goal type='ConstructionVans' count='2'/>", "Own 2 construction vans"},  // the office has 2
  };
  for (const Case& c : cases) {
    std::vector<MapGoal*> goals = AddGoals(c.Goal);
    ASSERT_EQ(goals.size(), 1u) << c.Goal;
    EXPECT_EQ(TextOf(*goals[0]), c.Text) << c.Goal;
  }
}

TEST_F(GoalTexts, TheShippedTitlesAreTheKindsTitles) {
  // Checked against the table rather than restated: a renamed kind must not
  // leave its goals with a key for a title.
  MapGoal* goal = AddGoals("<Goal type='OwnBuilding' kind='Chateau'/>")[0];
  EXPECT_EQ(goal->GetDefaultText(), Tessel::GetText("Hud.Info.Chateau"));
  EXPECT_NE(TextOf(*goal), "Hud.Info.Chateau");
}

TEST_F(GoalTexts, ALevelsTextReplacesTheDefaultButKeepsTheProgress) {
  MapGoal* own = AddGoals("<Goal type='OwnBuilding' kind='Bungalow' count='3' text='Three cottages'/>")[0];
  MapGoal* vans = AddGoals("<Goal type='ConstructionVans' count='5' text='A fleet'/>")[0];
  MapGoal* rivals = AddGoals("<Goal type='NoRivals' text='Buy them out'/>")[0];
  PlaceHouse(4, 4)->SetRival(true);
  PlaceHouse(8, 4);
  map->Update(0.1f);
  EXPECT_EQ(TextOf(*own), "Three cottages (2 more)");
  EXPECT_EQ(TextOf(*vans), "A fleet (3 left)");
  EXPECT_EQ(TextOf(*rivals), "Buy them out (1 left)");
  EXPECT_EQ(Narrow(own->GetDefaultText()), "Bungalow x 3.");
}

TEST_F(GoalTexts, TheGermanTableFillsTheSameArguments) {
  Tessel::LocalizedText::Instance().Load(CORVANTA_DATA_DIR "/Text.csv", "German");
  Tessel::ReadCurrencyLocale(Tessel::LocalizedText::Instance());
  MapGoal* money = AddGoals("<Goal type='BankAccount' count='40000'/>")[0];
  MapGoal* people = AddGoals("<Goal type='Population' count='20'/>")[0];
  MapGoal* own = AddGoals("<Goal type='OwnBuilding' kind='Bungalow' count='3'/>")[0];
  PlaceHouse(4, 4);
  map->Update(0.1f);
  std::string moneyText = TextOf(*money), peopleText = TextOf(*people), ownText = TextOf(*own);
  Tessel::LocalizedText::Instance().Load(CORVANTA_DATA_DIR "/Text.csv", "English");
  Tessel::ReadCurrencyLocale(Tessel::LocalizedText::Instance());
  EXPECT_EQ(moneyText, "40.000 $ auf dem Konto haben");
  EXPECT_EQ(peopleText, "20 Bewohner erreichen");
  EXPECT_EQ(ownText, "Bungalow x 3. (noch 2)");
}

}  // namespace
