// Building: jobs, their work and their end; cancelling; demolition.

#include "game/rules/OfficeUpgrade.h"
#include "game/town/Building.h"
#include "game/town/Map.h"
#include "game/town/MapPresenter.h"
#include "game/town/Office.h"
#include "tessel/Exception.h"

using namespace Tessel;

namespace Corvanta {

void Building::StartJob(JobKind job, bool doSelf, float time) {
  TESSEL_ASSERT(JobRequired == JOB_None);
  TESSEL_ASSERT(VansAssigned.empty());
  if (job == JOB_None) return;
  JobRequired = job;
  JobProgress = 0;
  jobDoSelf = doSelf;
  float duration = 0;
  int cost = 0;
  switch (job) {
    case JOB_Construct:
      duration = Balance->ConstructionTime;
      cost = Balance->Levels[0].Value;
      break;
    case JOB_Repair:
      duration = LevelBalance->RepairTime;
      cost = LevelBalance->RepairCost;
      TheMap->Broadcast(&MapListener::OnRepairStarted, this);
      break;
    case JOB_Upgrade:
      duration = LevelBalance->UpgradeTime;
      cost = LevelBalance->UpgradeCost;
      TheMap->Broadcast(&MapListener::OnUpgradeStarted, this);
      break;
    case JOB_Demolish:
      duration = LevelBalance->DemolishTime;
      break;
    case JOB_None: break;
  }
  if (time > 0) duration = time;
  JobCost = cost;
  // A job of no duration is done on its first step of work (1 / 0 would
  // make the progress NaN after a frame of no time, and the job endless).
  JobRate = duration > 0 ? 1 / duration : 0;
  if (!doSelf) {
    TheMap->EnqueueJob(this);
    TheMap->DispatchVans();
  }
  RecomputeTotals();
  RefreshMenu();
}

bool Building::HaveAllVansArrived() const {
  for (JobVan* van : VansAssigned)
    if (!van->HasArrivedAt(this)) return false;
  return true;
}

bool Building::IsWaitingForVans() const { return HasJob() && !jobDoSelf && VansAssigned.empty(); }

float Building::GetWorkSpeed() const {
  float speed = 1;
  if (TheMap->TheOffice && TheMap->TheOffice->SpeedUpActive) speed = Corvanta::Balance::Current().OfficeSpeedUpMultiplier;
  return speed * TheMap->GetUpgradeEffects().GetWorkSpeedFactor();
}

void Building::UpdateWork(float dt) {
  if (!HasJob()) return;
  if (jobDoSelf)
    DoWork(dt);
  // A job waiting for its vans does nothing until they are all there.
  else if (!VansAssigned.empty() && HaveAllVansArrived())
    DoWork(dt * GetWorkSpeed());
}

void Building::UpdateWorkCounters() {
  if (JobProgress <= 0 || !TheMap) return;
  if (JobRequired == JOB_Demolish) {
    if (!IsBeingDemolished) {
      IsBeingDemolished = true;
      ++TheMap->DemolishCount;
    }
  } else if (!IsBeingWorked) {
    IsBeingWorked = true;
    ++TheMap->WorkCount;
  }
}

void Building::EndWorkCounters() {
  if (!TheMap) return;
  if (IsBeingWorked) {
    IsBeingWorked = false;
    --TheMap->WorkCount;
  }
  if (IsBeingDemolished) {
    IsBeingDemolished = false;
    --TheMap->DemolishCount;
  }
}

void Building::SendVansHome() {
  while (!VansAssigned.empty()) VansAssigned.TakeFirst()->GoHome();
}

void Building::DoWork(float dt) {
  TESSEL_ASSERT(JobRequired != JOB_None);
  TESSEL_ASSERT(!VansAssigned.empty() || jobDoSelf);
  if (JobRequired == JOB_Construct)
    TESSEL_ASSERT(( VansAssigned.size() == Balance->ConstructionVansCount ) || jobDoSelf);
  JobProgress = JobRate > 0 ? JobProgress + dt * JobRate : 1;
  if (TheMap->InstantJobs) JobProgress = 1;
  if (JobProgress < 1) {
    UpdateWorkCounters();
    return;
  }
  JobKind job = JobRequired;
  JobProgress = 0;
  JobRequired = JOB_None;
  jobDoSelf = false;
  EndWorkCounters();
  TheMap->DequeueJob(this);
  SendVansHome();
  TheMap->DispatchVans();
  OnJobFinished(job);
  for (Building* linked : LinkedBuildings) TheMap->GetPresenter().RefreshInfoCloud(linked);
  switch (job) {
    case JOB_Construct:
      TheMap->NoteIncomeBuilding(this);
      TheMap->Broadcast(&MapListener::OnBuildingConstructed, this);
      break;
    case JOB_Repair: SetBroken(false); break;
    case JOB_Upgrade:
      SetLevel(Level + 1);
      TheMap->Broadcast(&MapListener::OnBuildingUpgraded, this);
      break;
    case JOB_Demolish: {
      int refund = TheMap->GetUpgradeEffects().GetDemolitionRefund(GetMarketValue());
      if (refund >= 1) {
        TheMap->TransferMoney(refund);
        TheMap->GetPresenter().ShowMoneyPopup(this, refund);
      }
      TheMap->GetPresenter().CloseInfoDialog(this);
      IsDemolished = true;
      TheMap->Broadcast(&MapListener::OnBuildingDemolished, this);
      TheMap->RemoveBuilding(this);
      break;
    }
    case JOB_None: break;
  }
  RecomputeTotals();
  RefreshMenu();
}

void Building::Cancel() {
  MapPresenter& presenter = TheMap->GetPresenter();
  if (JobRequired == JOB_Repair && !TheMap->CanCancelRepair) {
    presenter.ShowHint("AssistantHint.CantCancelRepair");
    Unselect();
    return;
  }
  if (!HasJob() && !TheMap->CanCancelSale) {
    presenter.ShowHint("AssistantHint.CantCancelSale");
    Unselect();
    return;
  }
  Unselect();
  TheMap->Broadcast(&MapListener::OnActionCancelled, this);
  presenter.PlaySound(TownSounds::Cancel);
  if (HasJob()) {
    JobKind job = JobRequired;
    TheMap->DequeueJob(this);
    if (!jobDoSelf) {
      SendVansHome();
      TheMap->DispatchVans();
    }
    if (JobCost > 0) TheMap->TransferMoney(JobCost);
    EndWorkCounters();
    JobRequired = JOB_None;
    JobProgress = 0;
    jobDoSelf = false;
    // A special building stays where it was ordered, only without its job.
    if (job == JOB_Construct && !IsSpecial()) TheMap->RemoveBuilding(this);
    OnCoverageChanged();
  } else {
    TESSEL_ASSERT(isForSale);
    isForSale = false;
    SaleTimer = 0;
    Price = 0;
  }
  RecomputeTotals();
  RefreshMenu();
}

// ---- demolition

bool Building::CanDemolish() const { return !IsRival && !IsUndemolishable && JobRequired == JOB_None; }

void Building::TryDemolish() {
  MapPresenter& presenter = TheMap->GetPresenter();
  if (!CanDemolish()) {
    if (Kind == BDK_Office)
      presenter.ShowHint("AssistantHint.InvalidDemolish1");
    else if (IsRival)
      presenter.ShowHint("AssistantHint.InvalidDemolish2");
    else if (JobRequired == JOB_Demolish)
      presenter.ShowHint("AssistantHint.InvalidDemolish4");
    else
      presenter.ShowHint("AssistantHint.InvalidDemolish3");
    return;
  }
  float footprintWidth = static_cast<float>(Width * MapSquare::Size);
  float footprintHeight = static_cast<float>(Height * MapSquare::Size);
  float scale = Width == 1 ? 1.0f : Width == 2 ? 1.25f : 2.0f;
  presenter.StartExplosion(Square->Position.X + footprintWidth / 2, Square->Position.Y + 0.6f * footprintHeight, scale);
  presenter.PlaySound(TownSounds::Demolition);
  if (DemolishesInstantly) {
    OnJobFinished(JOB_Demolish);
    IsDemolished = true;
    TheMap->RemoveBuilding(this);
    TheMap->Broadcast(&MapListener::OnBuildingDemolished, this);
    RecomputeTotals();
  } else {
    StartJob(JOB_Demolish, false);
  }
}

}  // namespace Corvanta
