#include "game/script/OwnBuildingGoal.h"

#include <algorithm>
#include <cmath>

#include "game/rules/Balance.h"
#include "game/script/GoalBuildingKinds.h"
#include "game/script/GoalText.h"
#include "game/town/Commercial.h"
#include "game/town/House.h"
#include "game/town/Map.h"
#include "game/town/SaveStream.h"
#include "game/town/ServiceBuilding.h"
#include "tessel/Format.h"
#include "tessel/text/LocalizedText.h"

namespace Corvanta {

using Tessel::WideString;

const BuildingKind OwnBuildingGoal::ServiceKinds[NumServiceKinds] = {
    BDK_Tree,     BDK_Fountain, BDK_Park,          BDK_Statue, BDK_ChineseGarden,
    BDK_Workshop, BDK_Shop,     BDK_AmusementPark, BDK_Cinema, BDK_Dealership,
};

namespace {

int16_t ToUpgrades(int upgrades) { return static_cast<int16_t>(std::clamp(upgrades, 0, 32767)); }

}  // namespace

OwnBuildingGoal::OwnBuildingGoal(Map* map)
    : MapGoal(map, GOAL_OwnBuilding), MoreNeededFormat(Tessel::GetText("GoalText.MoreNeeded")) {}

bool OwnBuildingGoal::Counts(const Building& building) const {
  if (!GoalKindMatches(Kind, building.Kind)) return false;
  if (!building.IsOperational() || building.IsDemolished || building.IsRival) return false;
  if (building.Level < Upgrades) return false;
  if (RequiresPremium && !building.IsOnPremium) return false;
  if (How == GOALHOW_Buy && !building.WasBought) return false;
  if (const auto* house = dynamic_cast<const House*>(&building)) {
    if (std::lround(house->GetBonusFactor() * 100) < IncomeBonus) return false;
    for (BuildingKind kind : RequiredServices) {
      const ServiceBuilding* service = ServiceBuilding::FindService(house, kind);
      if (!service || !service->IsOperational()) return false;
    }
  } else if (const auto* commercial = dynamic_cast<const Commercial*>(&building)) {
    if (commercial->GetAttendance() < Attendance) return false;
  }
  return true;
}

void OwnBuildingGoal::RecomputeMatching() {
  Matching = 0;
  Tessel::Array<Building*> marked;
  for (Building* building : TheMap->Buildings) {
    // A mark whose id a script has changed since is no longer this goal's.
    bool isMarked = Marked.IndexOf(building) >= 0 && building->Id == Id;
    if (Counts(*building)) {
      ++Matching;
      if (isMarked) {
        marked.Add(building);
      } else if (!Id.IsEmpty() && building->Id.IsEmpty()) {
        building->Id = Id;
        marked.Add(building);
      }
    } else if (isMarked) {
      building->Id = Tessel::String();
    }
  }
  // Buildings that have left the map drop out with the old list.
  Marked = marked;
}

void OwnBuildingGoal::OnBuildingRemoved(MapEntity* entity) {
  for (int i = Marked.GetSize() - 1; i >= 0; --i)
    if (static_cast<MapEntity*>(Marked[i]) == entity) Marked.RemoveAt(i);
}

void OwnBuildingGoal::Evaluate(float dt) {
  RecomputeMatching();
  if (Matching >= Count) {
    if (!IsMet) {
      HoldTimer -= dt;
      if (HoldTimer <= 0) IsMet = true;
    }
  } else {
    // The buildings must be held without a break: a loss before the goal
    // is met starts the duration again too.
    IsMet = false;
    HoldTimer = Duration;
  }
}

WideString OwnBuildingGoal::GetDefaultText() const {
  if (Kind == BDK_Any) return {};
  WideString title = Tessel::GetText(GetKindTitleKey(Kind));
  if (Count <= 1) {
    if (Upgrades >= 1) return Tessel::FormatWide(u"%ls (%i stars)", title, static_cast<int>(Upgrades));
    if (IsSpecialKind(Kind)) {
      const BuildingBalance* balance = Balance::Current().FindBuilding(Kind);
      if (balance && balance->Levels[0].Value >= 1)
        return Tessel::FormatWide(u"%ls (%ls)", title, GroupedNumber(balance->Levels[0].Value));
    }
    return title;
  }
  if (Upgrades < 1) return Tessel::FormatWide(u"%ls x %i.", title, Count);
  return Tessel::FormatWide(u"%ls (%i stars) x %i", title, static_cast<int>(Upgrades), Count);
}

WideString OwnBuildingGoal::GetText() const {
  WideString text = MapGoal::GetText();
  if (IsMet || Count <= 1 || Matching <= 0) return text;
  return AppendProgress(text, MoreNeededFormat, Count - Matching);
}

void OwnBuildingGoal::Save(SaveWriter& out) const {
  MapGoal::Save(out);
  out.WriteInt32(Kind);
  out.WriteInt32(Count);
  out.WriteInt16(Upgrades);
  out.WriteInt16(How);
  out.WriteFloat(Duration);
  out.WriteInt32(Attendance);
  out.WriteInt32(IncomeBonus);
  out.WriteBool(RequiresPremium);
  for (BuildingKind kind : ServiceKinds) out.WriteBool(RequiredServices.IndexOf(kind) >= 0);
  out.WriteFloat(HoldTimer);
}

void OwnBuildingGoal::Load(SaveReader& in) {
  MapGoal::Load(in);
  Kind = in.ReadInt32();
  if (!IsGoalBuildingKind(Kind)) throw SaveFormatException("Bad goal record: no building kind.");
  Count = std::max(0, in.ReadInt32());
  Upgrades = ToUpgrades(in.ReadInt16());
  int16_t how = in.ReadInt16();
  if (how < GOALHOW_Any || how > GOALHOW_Construct) throw SaveFormatException("Bad goal record: no way to own.");
  How = static_cast<GoalHow>(how);
  Duration = in.ReadFloat();
  if (!std::isfinite(Duration)) throw SaveFormatException("Bad goal record: no duration.");
  Duration = std::max(0.0f, Duration);
  Attendance = in.ReadInt32();
  IncomeBonus = in.ReadInt32();
  RequiresPremium = in.ReadBool();
  RequiredServices.Clear();
  for (BuildingKind kind : ServiceKinds)
    if (in.ReadBool()) RequiredServices.Add(kind);
  HoldTimer = in.ReadFloat();
  if (!std::isfinite(HoldTimer)) throw SaveFormatException("Bad goal record: no hold time.");
  HoldTimer = std::min(HoldTimer, Duration);
  // The marks of the saved game stand on the buildings as ids, which the
  // goal cannot tell from ids given otherwise: it keeps them and marks anew.
  Marked.Clear();
  RecomputeMatching();
}

void OwnBuildingGoal::ReadLevelRecord(const LevelGoal& record) {
  MapGoal::ReadLevelRecord(record);
  Kind = record.Kind;
  Count = std::max(0, record.Count);
  Upgrades = ToUpgrades(record.Upgrades);
  How = record.How;
  Duration = std::isfinite(record.Duration) ? std::max(0.0f, record.Duration) : 0.0f;
  Attendance = record.Attendance;
  IncomeBonus = record.IncomeBonus;
  RequiresPremium = record.RequiresPremium;
  RequiredServices.Clear();
  for (BuildingKind kind : ServiceKinds)
    if (record.RequiredServices.IndexOf(kind) >= 0) RequiredServices.Add(kind);
  HoldTimer = Duration;
}

}  // namespace Corvanta
