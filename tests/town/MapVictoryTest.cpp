// Goals and the victory: when the level is won, what the victory stops, and
// playing on in overtime; a shipped level played through in time.

#include "game/rules/LevelFile.h"
#include "game/rules/PropCatalogue.h"
#include "tessel/Exception.h"
#include "tessel/text/LocalizedText.h"
#include "town/EconomyTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class GoalEvents : public MapListener {
public:
  void OnGoalCompleted(MapGoal* goal) override { Events.push_back("completed " + std::string(goal->Id.CStr())); }
  void OnGoalUncompleted(MapGoal* goal) override { Events.push_back("uncompleted " + std::string(goal->Id.CStr())); }
  std::vector<std::string> Events;
};

class Victory : public EconomyTest {
protected:
  void SetUp() override {
    EconomyTest::SetUp();
    BuildTown();
    map->AddListener(&goalEvents);
    // The start delay is over.
    Run(1.1f);
    presenter.Log.clear();
  }
  SteeredGoal* AddGoal(const char* id, bool invisible = false) {
    SteeredGoal* goal = EconomyTest::AddGoal(invisible);
    goal->Id = id;
    return goal;
  }
  GoalEvents goalEvents;
};

TEST_F(Victory, ALevelWhoseOnlyGoalIsInvisibleIsWonOnTheFirstUpdate) {
  AddGoal("hidden", true);
  map->BankAccount = 4321;
  map->Update(0.1f);
  EXPECT_TRUE(map->IsWon);
  EXPECT_TRUE(map->VictoryHandled);
  EXPECT_EQ(map->WinBankAccount, 4321);
  EXPECT_EQ(presenter.Only("victory"), (std::vector<std::string>{"", " music"}));
  EXPECT_TRUE(map->IsGamePaused());
  EXPECT_TRUE(map->AreScriptsPaused());
}

TEST_F(Victory, TheLevelIsWonOnTheUpdateAfterTheLastGoalIsMet) {
  SteeredGoal* first = AddGoal("first");
  SteeredGoal* second = AddGoal("second");
  first->WantsMet = true;
  map->Update(0.1f);
  EXPECT_TRUE(first->IsMet);
  EXPECT_EQ(first->CheckedAnimationTime, 4);
  EXPECT_EQ(second->CheckedAnimationTime, 999);
  EXPECT_EQ(goalEvents.Events, std::vector<std::string>{"completed first"});
  EXPECT_EQ(presenter.Only("sound "), std::vector<std::string>{"sounds/goalChecked.ogg"});
  second->WantsMet = true;
  map->Update(0.1f);
  EXPECT_FALSE(map->IsWon);
  map->BankAccount = 777;
  map->Update(0.1f);
  EXPECT_TRUE(map->IsWon);
  EXPECT_EQ(map->WinBankAccount, 777);
  // Once won, the goals rest.
  int evaluations = first->Evaluations;
  map->Update(0.1f);
  EXPECT_EQ(first->Evaluations, evaluations);
}

TEST_F(Victory, AGoalLostAgainSoundsUncheckedUnlessItIsInvisible) {
  SteeredGoal* shown = AddGoal("shown");
  SteeredGoal* hidden = AddGoal("hidden", true);
  SteeredGoal* other = AddGoal("other");
  shown->WantsMet = hidden->WantsMet = true;
  map->Update(0.1f);
  presenter.Log.clear();
  goalEvents.Events.clear();
  hidden->WantsMet = false;
  map->Update(0.1f);
  EXPECT_EQ(goalEvents.Events, std::vector<std::string>{"uncompleted hidden"});
  EXPECT_TRUE(presenter.Only("sound ").empty());
  shown->WantsMet = false;
  map->Update(0.1f);
  EXPECT_EQ(presenter.Only("sound "), std::vector<std::string>{"sounds/goalUnchecked.ogg"});
  presenter.Log.clear();
  // A goal met in the same update as another is lost: the checked sound wins.
  shown->WantsMet = true;
  hidden->WantsMet = true;
  map->Update(0.1f);
  presenter.Log.clear();
  shown->WantsMet = false;
  other->WantsMet = true;
  map->Update(0.1f);
  EXPECT_EQ(presenter.Only("sound "), std::vector<std::string>{"sounds/goalChecked.ogg"});
}

TEST_F(Victory, InactiveGoalsAreNeitherEvaluatedNorCounted) {
  SteeredGoal* inactive = AddGoal("inactive");
  inactive->IsInactive = true;
  AddGoal("met")->WantsMet = true;
  Run(0.2f);
  EXPECT_TRUE(map->IsWon);
  EXPECT_EQ(inactive->Evaluations, 0);
}

TEST_F(Victory, AMapWithoutGoalsIsNeverWon) {
  Run(30);
  EXPECT_FALSE(map->IsWon);
  EXPECT_FALSE(map->IsGamePaused());
}

TEST_F(Victory, TheVictoryStopsTheWorkAndItsCountersStartAfreshInOvertime) {
  map->BankAccount = 100000;
  House* house = PlaceHouse(4, 4);
  house->BuildMenu();
  house->PressMenuButton(MENU_Upgrade);
  ASSERT_EQ(house->JobRequired, JOB_Upgrade);
  office->ArriveAll(house);
  Run(0.5f);
  ASSERT_EQ(map->WorkCount, 1);
  map->SetTool(MAPTOOL_Road);
  AddGoal("met", true);
  map->Update(0.1f);
  EXPECT_EQ(map->WorkCount, 0);
  EXPECT_FALSE(house->IsBeingWorked);
  EXPECT_EQ(map->GetTool(), MAPTOOL_None);
  float progress = house->JobProgress;
  Run(5);
  EXPECT_EQ(house->JobProgress, progress);  // the town stands still
  map->PlayOvertime();
  Run(0.5f);
  EXPECT_EQ(map->WorkCount, 1);
  FinishJob(house);
  EXPECT_EQ(house->Level, 1);
  EXPECT_EQ(map->WorkCount, 0);
}

TEST_F(Victory, OvertimeRunsTheTownAndPaysButTheDaysAndScriptsStayStill) {
  CountingScript* script = AddScript();
  PlaceHouse(4, 4);
  AddGoal("met", true);
  map->Update(0.1f);
  ASSERT_TRUE(map->IsWon);
  int day = map->Day;
  map->PlayOvertime();
  EXPECT_TRUE(map->IsPlayingOvertime);
  EXPECT_FALSE(map->IsGamePaused());
  EXPECT_TRUE(map->AreScriptsPaused());
  float scripted = script->Seconds;
  int money = map->BankAccount;
  Run(31);
  EXPECT_EQ(map->Day, day);
  EXPECT_EQ(map->BankAccount, money + 3 * 750);
  EXPECT_EQ(script->Seconds, scripted);
  EXPECT_EQ(map->WinBankAccount, money);
  // The dialog's button pressed twice plays on once.
  map->PlayOvertime();
  EXPECT_FALSE(map->IsGamePaused());
}

TEST_F(Victory, PlayingOnBeforeTheVictoryIsAContractViolation) {
  EXPECT_THROW(map->PlayOvertime(), Tessel::AssertionFailedException);
}

// ---- a shipped level, played through

class PlayedThrough : public EconomyTest {
protected:
  static void SetUpTestSuite() {
    Props = new PropCatalogue(PropCatalogue::Load(CORVANTA_DATA_DIR "/Props.xml"));
    Texts = new Tessel::LocalizedText();
    Texts->Load(CORVANTA_DATA_DIR "/Text.csv", "English");
  }
  static void TearDownTestSuite() {
    delete Props;
    delete Texts;
  }
  static PropCatalogue* Props;
  static Tessel::LocalizedText* Texts;
};

PropCatalogue* PlayedThrough::Props = nullptr;
Tessel::LocalizedText* PlayedThrough::Texts = nullptr;

TEST_F(PlayedThrough, MeadowbrookIsWonByBuyingTheNeighboursHouseAndSavingItsRent) {
  map->LoadLevel(LevelFile::Load(CORVANTA_DATA_DIR "/levels/Meadowbrook.xml", *Props, *Texts));
  map->BuildingsCanGetBroken = false;
  map->Start();
  ASSERT_EQ(map->BankAccount, 20000);
  Building* neighbour = nullptr;
  for (Building* building : map->Buildings)
    if (building->Id == "neighbour") neighbour = building;
  ASSERT_NE(neighbour, nullptr);
  map->Goals.Add(new MoneyGoal(map.get(), 30000));
  // Frames of a 60 Hz display, as a fake clock hands them out.
  int frames = 0;
  int price = 0;  // the offer's, which ends with the sale
  for (; frames < 60 * 600 && !map->IsWon; ++frames) {
    if (neighbour->CanBuy()) {
      price = neighbour->Price;
      neighbour->Buy();
    }
    map->Update(1.0f / 60);
  }
  ASSERT_TRUE(map->IsWon);
  ASSERT_FALSE(neighbour->IsRival);
  int rent = neighbour->GetIncome();
  ASSERT_GT(rent, 0);
  int paid = 20000 - (map->WinBankAccount - (map->Day - 1) * rent);
  EXPECT_EQ(paid, price);
  EXPECT_EQ(neighbour->Price, 0);
  EXPECT_GE(map->WinBankAccount, 30000);
  EXPECT_LT(map->WinBankAccount, 30000 + rent);
  EXPECT_EQ(map->Day, 1 + (10000 + paid + rent - 1) / rent);
  // The days came every ten seconds from the purchase, which came with the
  // first offer, at once.
  EXPECT_NEAR(frames / 60.0f, (map->Day - 1) * 10.0f, 1);
  EXPECT_TRUE(presenter.Has("victory"));
}

}  // namespace
