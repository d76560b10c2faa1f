#include "game/town/House.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "game/town/BuildingSounds.h"
#include "game/town/Map.h"
#include "game/town/MapPresenter.h"
#include "game/town/ServiceBuilding.h"
#include "game/town/TownTraffic.h"
#include "tessel/Exception.h"
#include "tessel/Random.h"
#include "tessel/text/MoneyFormat.h"

using namespace Tessel;

namespace Corvanta {

TESSEL_IMPLEMENT_CLASS(House, Building);

namespace {

const Balance& Rules() { return Balance::Current(); }

// The decorations a best house stands amid, one of each.
constexpr BuildingKind BestHouseDecorations[] = {BDK_Tree, BDK_Fountain, BDK_Park, BDK_Statue, BDK_ChineseGarden};

}  // namespace

House::House() : House(BDK_Bungalow) {}

House::House(BuildingKind kind) : Building(kind) {
  if (!IsHouseKind(Kind)) TESSEL_ASSERT(!"Bad house ID.");
}

House::~House() { ServiceBuilding::LeaveServices(this); }

bool House::IsPlaced() const {
  return TheMap && Square && !IsPreview && !IsDemolished && TheMap->Buildings.IndexOf(const_cast<House*>(this)) >= 0;
}

// ---- income, people, value

float House::GetBonusFactor() const {
  float factor = 0;
  for (const Building* service : LinkedBuildings)
    if (IsKindOf<ServiceBuilding>(service)) factor += static_cast<const ServiceBuilding*>(service)->GetAreaBonus();
  if (IsOnPremium) factor += Rules().PremiumSquareBonusPercent;
  return factor;
}

int House::GetBonusBadgePercent() const {
  if (IsRival || HasJob()) return 0;
  int percent = static_cast<int>(std::lround(GetBonusFactor() * 100.0));
  return percent > 0 ? percent : 0;
}

int House::GetIncomeAt(const BuildingLevelBalance* level) const {
  if (!level) return 0;
  return RoundPrice(static_cast<int>(std::lround((1.0 + GetBonusFactor()) * level->Income)));
}

int House::GetMarketValueAt(const BuildingLevelBalance* level) const {
  if (!level) return 0;
  int base = RoundPrice(static_cast<int>(level->Value * static_cast<double>(Rules().MarketToConstructionValueRatio)));
  return RoundPrice(static_cast<int>(std::lround((1.0 + GetBonusFactor()) * base)));
}

int House::GetPopulationAt(const BuildingLevelBalance* level) const {
  if (!level) return 0;
  return level->Population + (TheMap ? TheMap->GetUpgradeEffects().GetExtraInhabitants() : 0);
}

int House::GetIncome() const {
  // An upgrade keeps the old income coming until the new level is there.
  if (IsPreview || IsRival || IsBroken || isForSale || (HasJob() && JobRequired != JOB_Upgrade)) return 0;
  return GetIncomeAt(LevelBalance);
}

int House::GetPotentialIncome() const {
  return GetIncomeAt(JobRequired == JOB_Upgrade && NextLevelBalance ? NextLevelBalance : LevelBalance);
}

int House::GetUpgradedIncome() const { return GetIncomeAt(NextLevelBalance ? NextLevelBalance : LevelBalance); }

int House::GetPopulation() const {
  // A rival's house on offer is still lived in; the player's is emptied for the buyer.
  if (!IsOperational() || IsBroken || (isForSale && !IsRival)) return 0;
  return GetPopulationAt(LevelBalance);
}

int House::GetPotentialPopulation() const {
  return GetPopulationAt(JobRequired == JOB_Upgrade && NextLevelBalance ? NextLevelBalance : LevelBalance);
}

int House::GetMarketValue() const { return GetMarketValueAt(LevelBalance); }

int House::GetUpgradedMarketValue() const {
  return NextLevelBalance ? GetMarketValueAt(NextLevelBalance) : GetMarketValue();
}

// ---- services

ServiceBuilding* House::GetCoveringWorkshop() const { return ServiceBuilding::FindService(this, BDK_Workshop); }

ServiceBuilding* House::GetCoveringDealership() const {
  ServiceBuilding* dealership = ServiceBuilding::FindService(this, BDK_Dealership);
  return dealership && dealership->IsOperational() ? dealership : nullptr;
}

void House::OnCoverageChanged() {
  NeedsTrophyCheck = true;
  // A house on its way off the map hears its services let go: nothing starts.
  if (!IsPlaced()) return;
  StartWorkshopRepair();
  RecomputeCars();
}

void House::StartWorkshopRepair() {
  if (!IsPlaced() || !IsBroken) return;
  ServiceBuilding* workshop = GetCoveringWorkshop();
  if (!workshop || !workshop->IsOperational()) return;
  bool vanRepair = JobRequired == JOB_Repair && !jobDoSelf;
  if (HasJob() && !vanRepair) return;
  if (vanRepair) {
    // The vans are called off; what the repair cost stays paid.
    TheMap->DequeueJob(this);
    EndWorkCounters();
    SendVansHome();
    JobRequired = JOB_None;
    JobProgress = 0;
    TheMap->DispatchVans();
  }
  StartJob(JOB_Repair, true, Rules().WorkshopRepairTime);
}

void House::RecomputeCars() {
  TownTraffic* traffic = TheMap ? TheMap->Traffic : nullptr;
  if (!traffic || !LevelBalance) return;
  // Nobody drives to a site or a preview.
  if (!IsPlaced() || !IsOperational()) {
    Cars.ReleaseAll();
    return;
  }
  const bool dealership = GetCoveringDealership() != nullptr;
  const FloatRange& counts = LevelBalance->CarsCount;
  int count = static_cast<int>(std::lround(RandRange(counts.Min + (dealership ? 0.25f : 0.0f), counts.Max)));
  Cars.ShrinkTo(count);
  const FloatRange& types = LevelBalance->CarsTypes;
  // The better models only come with a dealership nearby.
  const int bestModel = dealership ? 3 : 2;
  while (Cars.GetSize() < count) {
    int model = std::clamp(static_cast<int>(std::lround(RandRange(types.Min, types.Max))), 0, bestModel);
    if (!Cars.Add(*traffic, this, model)) break;
  }
}

// ---- breaking down

bool House::CanBreak() const {
  if (!TheMap || !LevelBalance || !LevelBalance->CanBreak()) return false;
  if (IsRival || isForSale || SellDialogOpen || IsPreview || IsBroken || HasJob()) return false;
  ServiceBuilding* workshop = GetCoveringWorkshop();
  return !workshop || !workshop->IsOperational();
}

void House::DrawBreakTimer() {
  if (!LevelBalance || !LevelBalance->CanBreak()) {
    BreakTimer = 0;
    return;
  }
  BreakTimer = RandRange(LevelBalance->BreakPeriod.Min, LevelBalance->BreakPeriod.Max);
}

void House::UpdateBreaking(float dt) {
  if (!TheMap->BuildingsCanGetBroken || !CanBreak()) return;
  BreakTimer -= dt;
  if (BreakTimer > 0) return;
  SetBroken(true);
  TheMap->GetPresenter().PlaySound(TownSounds::Damage);
}

void House::SetBroken(bool broken) {
  bool before = IsBroken;
  Building::SetBroken(broken);
  if (IsBroken == before) return;
  DrawBreakTimer();
  if (IsBroken && BonusActive) EndBonusCheck();
  NeedsTrophyCheck = true;
  // A house that breaks under a working workshop is seen to at once.
  if (IsBroken) StartWorkshopRepair();
  RefreshMenu();
}

// ---- Building

void House::OnAddedToMap(Map* map) {
  Building::OnAddedToMap(map);
  DrawBreakTimer();
}

void House::OnRemovedFromMap() {
  Cars.ReleaseAll();
  Building::OnRemovedFromMap();
}

void House::OnMouseDown(float x, float y, int button) {
  // A click on a check that has faded in collects it instead of selecting.
  if (button == 1 && !IsPreview && TheMap && TheMap->GetTool() == MAPTOOL_None && CanCollectBonus()) {
    CollectBonus();
    return;
  }
  Building::OnMouseDown(x, y, button);
}

void House::SetLevel(int level) {
  int before = Level;
  Building::SetLevel(level);
  if (Level == before) return;
  EndBonusCheck();
  NeedsTrophyCheck = true;
  if (IsPlaced()) RecomputeCars();
}

void House::PutUpForSale(int price, int percentsOfOriginalPrice) {
  Building::PutUpForSale(price, percentsOfOriginalPrice);
  EndBonusCheck();
}

void House::OnOwnerChanged() {
  DrawBreakTimer();
  EndBonusCheck();
  NeedsTrophyCheck = true;
}

void House::OnJobFinished(JobKind job) {
  NeedsTrophyCheck = true;
  if (job == JOB_Construct) {
    MapPresenter& presenter = TheMap->GetPresenter();
    if (const char* sound = GetKindSound(Kind)) presenter.PlaySound(sound);
    presenter.StartFireworks(this);
    DrawBreakTimer();
    RecomputeCars();
    if (TheMap->Traffic) TheMap->Traffic->SendNewCitizen(this);
  } else if (job == JOB_Repair || job == JOB_Upgrade) {
    DrawBreakTimer();
  }
}

void House::OnBuildingPlaced(Building* building) {
  Building::OnBuildingPlaced(building);
  if (building != this) return;
  NeedsTrophyCheck = true;
  RecomputeCars();
}

void House::OnActionCancelled(Building* building) {
  if (building == this) NeedsTrophyCheck = true;
}

void House::OnUpdate(float dt) {
  Building::OnUpdate(dt);
  if (IsPreview || IsDemolished || !TheMap || GetParent() != TheMap) return;
  UpdateBreaking(dt);
  UpdateBonus(dt);
  if (NeedsTrophyCheck) {
    NeedsTrophyCheck = false;
    if (IsBestHouse()) TheMap->GetPresenter().ReportBestHouse(this);
  }
}

bool House::IsBestHouse() const {
  if (Kind != BDK_Chateau || Level < 3 || IsRival || !IsOperational() || IsBroken || isForSale || SellDialogOpen ||
      !IsOnPremium)
    return false;
  // Decorations that stand there, not one the player is still placing.
  for (BuildingKind decoration : BestHouseDecorations) {
    ServiceBuilding* service = ServiceBuilding::FindService(this, decoration);
    if (!service || service->IsPreview) return false;
  }
  return true;
}

}  // namespace Corvanta
