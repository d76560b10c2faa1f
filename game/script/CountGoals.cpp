#include "game/script/CountGoals.h"

#include <algorithm>

#include "game/script/GoalText.h"
#include "game/town/Map.h"
#include "game/town/Office.h"
#include "game/town/SaveStream.h"
#include "tessel/Format.h"
#include "tessel/text/LocalizedText.h"

namespace Corvanta {

using Tessel::WideString;

CountGoal::CountGoal(Map* map, GoalKind kindId, const char* textKey, bool grouped)
    : MapGoal(map, kindId), IsGrouped(grouped) {
  if (textKey) TextFormat = Tessel::GetText(Tessel::String(textKey));
}

WideString CountGoal::GetDefaultText() const {
  if (TextFormat.empty()) return {};
  return IsGrouped ? Tessel::FormatWide(TextFormat, GroupedNumber(Count)) : Tessel::FormatWide(TextFormat, Count);
}

void CountGoal::Save(SaveWriter& out) const {
  MapGoal::Save(out);
  out.WriteInt32(Count);
}

void CountGoal::Load(SaveReader& in) {
  MapGoal::Load(in);
  Count = std::max(0, in.ReadInt32());
}

void CountGoal::ReadLevelRecord(const LevelGoal& record) {
  MapGoal::ReadLevelRecord(record);
  // Nothing in the town is below 0: a negative count asks for nothing.
  Count = std::max(0, record.Count);
}

BankAccountGoal::BankAccountGoal(Map* map) : CountGoal(map, GOAL_BankAccount, "GoalText.BankAccount", true) {}
int BankAccountGoal::GetValue() const { return TheMap->BankAccount; }

IncomeGoal::IncomeGoal(Map* map) : CountGoal(map, GOAL_Income, "GoalText.Income", true) {}
int IncomeGoal::GetValue() const { return TheMap->TotalIncome; }

PopulationGoal::PopulationGoal(Map* map) : CountGoal(map, GOAL_Population, "GoalText.Population", false) {}
int PopulationGoal::GetValue() const { return TheMap->Population; }

HappinessGoal::HappinessGoal(Map* map) : CountGoal(map, GOAL_Happiness, "GoalText.Appearance", false) {}
int HappinessGoal::GetValue() const { return TheMap->Appearance; }

ConstructionVansGoal::ConstructionVansGoal(Map* map)
    : CountGoal(map, GOAL_ConstructionVans, "GoalText.ConstructionVans", false),
      LeftFormat(Tessel::GetText("GoalText.Left")) {}

int ConstructionVansGoal::GetValue() const {
  const Office* office = TheMap->TheOffice;
  return office ? office->GetVanCount() + (office->IsDeliveringVan ? 1 : 0) : 0;
}

void ConstructionVansGoal::Evaluate(float dt) {
  if (TheMap->TheOffice) CountGoal::Evaluate(dt);
}

WideString ConstructionVansGoal::GetText() const {
  WideString text = MapGoal::GetText();
  if (IsMet || !TheMap->TheOffice) return text;
  return AppendProgress(text, LeftFormat, Count - TheMap->TheOffice->GetVanCount());
}

}  // namespace Corvanta
