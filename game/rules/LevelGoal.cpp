#include "game/rules/LevelGoal.h"

#include "game/rules/ContentReading.h"
#include "game/rules/NameCompare.h"
#include "game/rules/TokenList.h"
#include "tessel/text/ValueParsers.h"

namespace Corvanta {

using namespace Tessel;

namespace {

constexpr const char* GoalNames[] = {
    nullptr,      "OwnBuilding", "RepairBuilding", "DemolishBuilding", "BankAccount",       "Income",
    "Population", "Happiness",   "NoRivals",       "ConstructionVans", "UseSpecialAbility",
};

// The kinds a house can be served by, as goals name them.
constexpr BuildingKind ServiceKinds[] = {BDK_Workshop, BDK_Shop, BDK_AmusementPark, BDK_Cinema, BDK_Dealership,
                                         BDK_Tree,     BDK_Fountain, BDK_Park,       BDK_Statue, BDK_ChineseGarden};

bool IsServiceKind(BuildingKind kind) {
  for (BuildingKind service : ServiceKinds)
    if (service == kind) return true;
  return false;
}

std::u16string_view Trimmed(std::u16string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

GoalKind GoalKindFromName(std::u16string_view name) {
  for (int kind = GOAL_OwnBuilding; kind <= GOAL_UseSpecialAbility; ++kind)
    if (EqualsNoCase(name, GoalNames[kind])) return static_cast<GoalKind>(kind);
  return GOAL_Unknown;
}

const char* GetGoalKindName(int kind) {
  return kind >= GOAL_OwnBuilding && kind <= GOAL_UseSpecialAbility ? GoalNames[kind] : nullptr;
}

void LevelGoal::ReadAttributes(const XmlReader& xml) {
  switch (Type) {
    case GOAL_OwnBuilding:
    case GOAL_RepairBuilding:
    case GOAL_DemolishBuilding: Count = 1; break;
    case GOAL_UseSpecialAbility:
      Count = 1;
      Kind = 0;
      break;
    default: Count = 0; break;
  }
  Attributes = xml.Attributes;
  Line = xml.GetLineNumber();
  for (const XmlAttribute& a : xml.Attributes) {
    const WideString& v = a.Value;
    if (EqualsNoCase(a.Name, "expert")) {
      IsExpert = ParseBool(v);
    } else if (EqualsNoCase(a.Name, "inactive")) {
      IsInactive = ParseBool(v);
    } else if (EqualsNoCase(a.Name, "invisible")) {
      IsInvisible = ParseBool(v);
    } else if (EqualsNoCase(a.Name, "id")) {
      Id = ToNarrow(v);
    } else if (EqualsNoCase(a.Name, "text")) {
      Text = v;
    } else if (EqualsNoCase(a.Name, "count")) {
      Count = ParseIntValue(xml, v, "count");
    } else if (EqualsNoCase(a.Name, "kind")) {
      Kind = BuildingKindFromName(std::u16string_view(v));
    } else if (EqualsNoCase(a.Name, "building")) {
      Kind = ParseIntValue(xml, v, "building");
    } else if (EqualsNoCase(a.Name, "upgrades")) {
      Upgrades = ParseIntValue(xml, v, "upgrades");
    } else if (EqualsNoCase(a.Name, "how")) {
      How = EqualsNoCase(v, "buy") ? GOALHOW_Buy : EqualsNoCase(v, "construct") ? GOALHOW_Construct : GOALHOW_Any;
    } else if (EqualsNoCase(a.Name, "attendance")) {
      Attendance = ParseIntValue(xml, v, "attendance");
    } else if (EqualsNoCase(a.Name, "incomeBonus")) {
      IncomeBonus = ParseIntValue(xml, v, "incomeBonus");
    } else if (EqualsNoCase(a.Name, "duration")) {
      Duration = ParseFloatValue(xml, v, "duration");
    } else if (EqualsNoCase(a.Name, "services")) {
      // "Park, Fountain" means both: blanks around the names are not part of them.
      for (const WideString& token : SplitList(v, u",")) {
        std::u16string_view name = Trimmed(token);
        BuildingKind kind = BuildingKindFromName(name);
        if (EqualsNoCase(name, "premium")) {
          RequiresPremium = true;
        } else if (IsServiceKind(kind) && RequiredServices.IndexOf(kind) < 0) {
          RequiredServices.Add(kind);
        }
      }
    } else if (EqualsNoCase(a.Name, "buildingId")) {
      BuildingId = ToNarrow(v);
    } else if (EqualsNoCase(a.Name, "simultaneously")) {
      Simultaneously = ParseBool(v);
    }
  }
}

}  // namespace Corvanta
