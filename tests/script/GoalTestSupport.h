#pragma once
// Helpers for the tests of the level's goals: the town of the economy tests
// (an open grid with a road along row 3 and the office at (0, 1), started and
// past its start delay), the shipped English texts, and goals made from the
// "Goal" elements of a level file the way a level start makes them.

#include <string>
#include <vector>

#include "game/rules/LevelFile.h"
#include "game/rules/PropCatalogue.h"
#include "game/town/MapGoal.h"
#include "tessel/text/LocalizedText.h"
#include "town/EconomyTestSupport.h"

namespace Testing {

// The goal's text as UTF-8, for messages and comparisons.
std::string TextOf(const Corvanta::MapGoal& goal);
std::string Narrow(const Tessel::WideString& text);

class GoalTest : public EconomyTest {
protected:
  // The shipped English text table is the game's table, its money locale
  // in use, and the goal kinds installed.
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;

  // A level file around the elements, read as the game reads it.
  static Corvanta::LevelFile ReadLevel(const std::string& goalElements);
  // The goals of the elements, appended to the map's goals.
  std::vector<Corvanta::MapGoal*> AddGoals(const std::string& goalElements);
  // A goal the test steers (the economy tests' own).
  using EconomyTest::AddGoal;
  // The one goal of an element, as its class.
  template <typename T>
  T* AddGoal(const std::string& goalElement) {
    std::vector<Corvanta::MapGoal*> goals = AddGoals(goalElement);
    T* goal = goals.size() == 1 ? dynamic_cast<T*>(goals[0]) : nullptr;
    EXPECT_NE(goal, nullptr) << goalElement;
    return goal;
  }
  // The goal sounds the presenter was asked to play.
  std::vector<std::string> GoalSounds() const;

  static Corvanta::PropCatalogue* Props;
};

}  // namespace Testing
