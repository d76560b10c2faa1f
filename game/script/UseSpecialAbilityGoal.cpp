#include "game/script/UseSpecialAbilityGoal.h"

#include <algorithm>
#include <climits>

#include "game/script/GoalBuildingKinds.h"
#include "game/script/GoalText.h"
#include "game/town/Building.h"
#include "game/town/Map.h"
#include "game/town/SaveStream.h"
#include "tessel/text/LocalizedText.h"

namespace Corvanta {

UseSpecialAbilityGoal::UseSpecialAbilityGoal(Map* map)
    : MapGoal(map, GOAL_UseSpecialAbility), MoreNeededFormat(Tessel::GetText("GoalText.MoreNeeded")) {}

void UseSpecialAbilityGoal::OnSpecialAbilityUsed(Building* building) {
  if (IsMet || !building || !GoalKindMatches(Kind, building->Kind)) return;
  if (!Simultaneously) {
    if (Counter < INT_MAX) ++Counter;
    return;
  }
  const BuildingLevelBalance* level = building->LevelBalance;
  float runs = level ? static_cast<float>(level->SpecialAbilityNumRounds) * level->SpecialAbilityPeriod : 0;
  RunningUntil.Add(TheMap->GameTime + runs);
}

void UseSpecialAbilityGoal::Evaluate(float dt) {
  if (IsMet) return;
  if (!Simultaneously) {
    IsMet = Counter >= Count;
    return;
  }
  // Uses of buildings at different levels run for different times: an
  // ended use may stand behind one that still runs, so every entry is
  // looked at, not only the oldest.
  float now = TheMap->GameTime;
  for (int i = RunningUntil.GetSize() - 1; i >= 0; --i)
    if (RunningUntil[i] < now) RunningUntil.RemoveAt(i);
  IsMet = RunningUntil.GetSize() >= Count;
}

Tessel::WideString UseSpecialAbilityGoal::GetText() const {
  Tessel::WideString text = MapGoal::GetText();
  if (IsMet || Count <= 1 || Counter <= 0) return text;
  return AppendProgress(text, MoreNeededFormat, Count - Counter);
}

void UseSpecialAbilityGoal::Save(SaveWriter& out) const {
  MapGoal::Save(out);
  out.WriteInt32(Kind);
  out.WriteInt32(Count);
  out.WriteBool(Simultaneously);
}

void UseSpecialAbilityGoal::Load(SaveReader& in) {
  MapGoal::Load(in);
  Kind = in.ReadInt32();
  if (!IsGoalBuildingKind(Kind)) throw SaveFormatException("Bad goal record: no building kind.");
  Count = std::max(0, in.ReadInt32());
  Simultaneously = in.ReadBool();
  // The uses so far are not saved: a continued level counts afresh.
  Counter = 0;
  RunningUntil.Clear();
}

void UseSpecialAbilityGoal::ReadLevelRecord(const LevelGoal& record) {
  MapGoal::ReadLevelRecord(record);
  Kind = record.Kind;
  Count = std::max(0, record.Count);
  Simultaneously = record.Simultaneously;
}

}  // namespace Corvanta
