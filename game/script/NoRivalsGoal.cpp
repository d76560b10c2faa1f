#include "game/script/NoRivalsGoal.h"

#include "game/script/GoalText.h"
#include "game/town/Building.h"
#include "game/town/Map.h"
#include "tessel/text/LocalizedText.h"

namespace Corvanta {

NoRivalsGoal::NoRivalsGoal(Map* map) : MapGoal(map, GOAL_NoRivals), LeftFormat(Tessel::GetText("GoalText.Left")) {}

int NoRivalsGoal::CountRivals() const {
  int rivals = 0;
  for (const Building* building : TheMap->Buildings)
    if (building->IsRival) ++rivals;
  return rivals;
}

void NoRivalsGoal::Evaluate(float dt) {
  RivalCount = CountRivals();
  IsMet = RivalCount == 0;
}

Tessel::WideString NoRivalsGoal::GetDefaultText() const { return Tessel::GetText("GoalText.NoRivalBuildings"); }

Tessel::WideString NoRivalsGoal::GetText() const {
  Tessel::WideString text = MapGoal::GetText();
  // Counted now: a purchase since the last update already shows.
  return IsMet ? text : AppendProgress(text, LeftFormat, CountRivals());
}

}  // namespace Corvanta
