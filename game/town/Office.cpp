#include "game/town/Office.h"

#include <algorithm>
#include <exception>

#include "game/rules/Balance.h"
#include "game/town/ConstructionVan.h"
#include "game/town/InfoRows.h"
#include "game/town/Map.h"
#include "game/town/MapPresenter.h"
#include "game/town/TownArt.h"
#include "tessel/Exception.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/resources/Bitmap.h"

using namespace Tessel;

// Assertions that name NULL use TESSEL_ASSERT_AT directly: passed on through
// TESSEL_ASSERT the word would reach the text already expanded.

namespace Corvanta {

namespace {

const Balance& Rules() { return Balance::Current(); }

}  // namespace

Office::Office() : Building(BDK_Office), SpeedUpTimer(Rules().OfficeSpeedUpCooldown - 0.01f) {}

Office::~Office() {
  // A van leaves the pool as it is deleted.
  while (!Vans.IsEmpty()) delete Vans[Vans.GetSize() - 1];
}

// ---- the van pool

void Office::AddVans(int count) {
  WidgetContainer* Parent = GetParent();
  TESSEL_ASSERT_AT(Parent != NULL, __FILE__, __LINE__);
  for (int i = 0; i < count; ++i) {
    auto* van = new ConstructionVan(this);
    TheMap->AddEntity(van);
    Vans.Add(van);
  }
  ProcessWorkersTasks();
  RefreshMenu();
}

void Office::ForgetVan(ConstructionVan* van) {
  int index = Vans.IndexOf(van);
  if (index >= 0) Vans.RemoveAt(index);
}

int Office::GetFreeVanCount() const {
  return static_cast<int>(
      std::count_if(Vans.begin(), Vans.end(), [](const ConstructionVan* van) { return van->IsFree(); }));
}

int Office::GetConstructionVanCost() const {
  int cost = Rules().ConstructionVanCost;
  return TheMap ? TheMap->GetUpgradeEffects().GetConstructionVanCost(cost) : cost;
}

bool Office::CanBuyVan() const {
  return TheMap && Vans.GetSize() < MaxVans && !IsDeliveringVan && TheMap->CanTransferMoney(-GetConstructionVanCost());
}

bool Office::HasSpeedUp() const { return TheMap && TheMap->GetUpgradeEffects().HasOfficeSpeedUp(); }

// ---- dispatch

Office::DispatchHold::DispatchHold(Office& office) : Held(office) { ++Held.DispatchHolds; }

Office::DispatchHold::~DispatchHold() noexcept(false) {
  if (--Held.DispatchHolds > 0 || !Held.IsDispatchPending || std::uncaught_exceptions() > 0) return;
  Held.IsDispatchPending = false;
  Held.ProcessWorkersTasks();
}

void Office::ProcessWorkersTasks() {
  try {
    // Asked again while dispatching (a van found itself home at once): the
    // queue is looked at once more when this round is over.
    if (DispatchHolds > 0) {
      IsDispatchPending = true;
      return;
    }
    {
      DispatchHold hold(*this);
      Dispatch();
    }
  }
  TESSEL_TRACE("Office::ProcessWorkersTasks()")
}

void Office::Dispatch() {
  if (!TheMap) return;
  Array<Building*> repairs, others;
  for (Building* bld : TheMap->JobQueue) {
    TESSEL_ASSERT_AT(bld != NULL, __FILE__, __LINE__);
    TESSEL_ASSERT(bld->JobRequired != JOB_None);
    if (!bld->VansAssigned.empty()) continue;
    (bld->JobRequired == JOB_Repair ? repairs : others).Add(bld);
  }
  if (repairs.IsEmpty() && others.IsEmpty()) return;
  std::vector<ConstructionVan*> freeVans;
  for (ConstructionVan* van : Vans)
    if (van->IsFree()) freeVans.push_back(van);
  if (freeVans.empty()) return;
  for (Building* bld : repairs) {
    AssignVans(bld, 1, freeVans);
    if (freeVans.empty()) break;
  }
  for (int i = 0; i < others.GetSize() && !freeVans.empty(); ++i) {
    Building* bld = others[i];
    int needed = bld->JobRequired == JOB_Construct ? bld->Balance->ConstructionVansCount : 1;
    // A job that needs more vans than are free waits; a smaller one after
    // it may still be served.
    if (static_cast<int>(freeVans.size()) >= needed) AssignVans(bld, needed, freeVans);
  }
  RefreshMenu();
}

void Office::AssignVans(Building* building, int numVans, std::vector<ConstructionVan*>& freeVans) {
  TESSEL_ASSERT(numVans > 0);
  TESSEL_ASSERT(numVans <= (int)freeVans.size());
  struct Candidate {
    ConstructionVan* Van;
    int Distance;
  };
  std::vector<Candidate> chosen;
  for (ConstructionVan* van : freeVans) {
    int distance = van->GetDistanceTo(building);
    if (distance < 0) continue;
    if (static_cast<int>(chosen.size()) < numVans) {
      chosen.push_back({van, distance});
      continue;
    }
    auto farthest = std::max_element(chosen.begin(), chosen.end(), [](const Candidate& a, const Candidate& b) {
      return a.Distance < b.Distance;  // the first of equals stays the maximum
    });
    if (distance < farthest->Distance) *farthest = {van, distance};
  }
  if (static_cast<int>(chosen.size()) < numVans) return;  // the job waits
  for (const Candidate& candidate : chosen) {
    freeVans.erase(std::find(freeVans.begin(), freeVans.end(), candidate.Van));
    candidate.Van->Goto(building);
    building->VansAssigned.push_back(candidate.Van);
  }
}

void Office::OnBuildingRemoved(MapEntity* entity) {
  Building::OnBuildingRemoved(entity);
  if (entity == this) return;
  // A building taken off the map with its crew still on the way (a level
  // script's removal) lets its vans go home, so none keeps a pointer to it.
  std::vector<ConstructionVan*> bound;
  for (ConstructionVan* van : Vans)
    if (van->objective == entity) bound.push_back(van);
  for (ConstructionVan* van : bound) {
    van->objective->VansAssigned.erase(van);
    van->GoHome();
  }
}

void Office::OnRemovedFromMap() {
  // The vans go with their office: no building keeps waiting for them.
  for (ConstructionVan* van : Vans) {
    if (van->objective != this && TheMap && TheMap->Buildings.IndexOf(van->objective) >= 0)
      van->objective->VansAssigned.erase(van);
    van->OnRemovedFromMap();
    if (TheMap) TheMap->RemoveChild(van);
    van->TheMap = nullptr;
  }
  Building::OnRemovedFromMap();
}

// ---- the owner

int Office::GetRankLook() const {
  if (!Owner.HasProfile) return 0;
  int reached = 0;
  for (uint64_t level : Rules().CompanyValueRankLevels)
    if (level <= Owner.RecordedCompanyValues) ++reached;
  return reached >= 4 ? 2 : reached >= 2 ? 1 : 0;
}

void Office::OnBuildingPlaced(Building* building) {
  Building::OnBuildingPlaced(building);
  if (building != this) return;
  if (CustomTitle.empty() && Owner.HasProfile) CustomTitle = Owner.Title;
  SetLevel(std::min(GetRankLook(), Balance->NumUpgrades));
}

void Office::Select() {
  Building::Select();
  if (!HasSpeedUp() || !SpeedUpButton.IsEnabled || !Owner.HasProfile || Owner.HasSeenSpeedUpHint) return;
  TheMap->GetPresenter().ShowHint("AssistantHint.OfficeSpeedUpAvailable");
  Owner.HasSeenSpeedUpHint = true;
}

// ---- saved games

void Office::WriteOfficeSave(OfficeSaveRecord& record) const {
  record.VanCount = Vans.GetSize();
  record.SpeedUpActive = SpeedUpActive;
  record.SpeedUpTimer = SpeedUpTimer;
}

void Office::ReadOfficeSave(const OfficeSaveRecord& record) {
  SpeedUpActive = record.SpeedUpActive;
  SpeedUpTimer = record.SpeedUpTimer;
  SpeedUpButton.IsEnabled = false;
  SpeedUpButton.IsProgressShown = true;
  if (record.VanCount > 0) AddVans(record.VanCount);
}

// ---- update

void Office::OnUpdate(float dt) {
  AnimationFrame += 11 * dt;
  if (AnimationFrame >= 15) AnimationFrame = 0;
  if (!HasSpeedUp())
    IndicatorFade = 0;
  else if (SpeedUpButton.IsEnabled)
    IndicatorFade = std::min(3.0f, IndicatorFade + 4 * dt);
  else
    IndicatorFade = std::max(0.0f, IndicatorFade - 6 * dt);
  UpdateDelivery(dt);
  UpdateSpeedUp(dt);
  Building::OnUpdate(dt);
}

void Office::UpdateDelivery(float dt) {
  if (!IsDeliveringVan) return;
  const float supplyTime = Rules().ConstructionVanSupplyTime;
  DeliveryTimer += dt;
  DeliveryProgress = supplyTime > 0 ? std::min(1.0f, DeliveryTimer / supplyTime) : 1;
  if (DeliveryTimer < supplyTime) {
    if (MenuShown)
      for (BuildingMenuButton& button : MenuButtons)
        if (button.Id == MENU_BuyVan) button.Progress = DeliveryProgress;
    return;
  }
  IsDeliveringVan = false;
  DeliveryProgress = -1;
  AddVans(1);
  TheMap->GetPresenter().PlaySound(TownSounds::VanAdded);
  RefreshMenu();
  TheMap->Broadcast(&MapListener::OnVanDelivered, this);
}

void Office::UpdateSpeedUp(float dt) {
  const Corvanta::Balance& rules = Rules();
  if (SpeedUpActive) {
    SpeedUpTimer -= dt;
    if (SpeedUpTimer < 0) {
      SpeedUpTimer = 0;
      SpeedUpActive = false;
    }
  } else if (!SpeedUpButton.IsEnabled) {
    if (SpeedUpTimer < rules.OfficeSpeedUpCooldown) SpeedUpTimer += dt;
    // Also with no cooldown at all: the ability is ready again at once.
    if (SpeedUpTimer >= rules.OfficeSpeedUpCooldown) {
      SpeedUpButton.IsProgressShown = false;
      SpeedUpButton.IsEnabled = true;
      RefreshMenu();
      TheMap->Broadcast(&MapListener::OnSpecialAbilityReady, this);
    }
  }
  float span = SpeedUpActive ? rules.OfficeSpeedUpPeriod : rules.OfficeSpeedUpCooldown;
  SpeedUpButton.Progress = span > 0 ? std::clamp(SpeedUpTimer / span, 0.0f, 1.0f) : 1.0f;
  if (MenuShown)
    for (BuildingMenuButton& button : MenuButtons)
      if (button.Id == MENU_SpeedUp) button.Progress = SpeedUpButton.GetShownProgress();
}

// ---- menu

void Office::FillMenu(BuildingMenuButtons& buttons) {
  BuildingMenuButton buy;
  buy.Id = MENU_BuyVan;
  buy.CaptionKey = "Hud.BuildingMenu.BuyVan";
  buy.HasPrice = true;
  buy.Price = GetConstructionVanCost();
  buy.IsEnabled = CanBuyVan();
  buy.Progress = IsDeliveringVan ? DeliveryProgress : -1;
  buttons.Add(buy);
  if (!HasSpeedUp()) return;
  buttons.Add(SpeedUpButton.MakeButton(MENU_SpeedUp, "Hud.BuildingMenu.Haste"));
}

void Office::OnMenuButton(int id) {
  switch (id) {
    case MENU_BuyVan: BuyVan(); break;
    case MENU_SpeedUp: UseSpeedUp(); break;
    default: Building::OnMenuButton(id); break;
  }
}

void Office::OnDisabledMenuButton(int id) {
  MapPresenter& presenter = TheMap->GetPresenter();
  switch (id) {
    case MENU_BuyVan:
      presenter.ShowHint(IsDeliveringVan ? "AssistantHint.DeliveringVan" : "AssistantHint.NoMoneyToBuyVan");
      break;
    case MENU_SpeedUp: presenter.ShowHint("AssistantHint.WaitRechargingAbility"); break;
    default: Building::OnDisabledMenuButton(id); break;
  }
}

void Office::BuyVan() {
  // One van at a time and no more than the limit, whoever presses.
  if (IsDeliveringVan || Vans.GetSize() >= MaxVans) return;
  const int cost = GetConstructionVanCost();
  // The assertion's text is its expression as written.
  // clang-format off
  TESSEL_ASSERT(TheMap->CanTransferMoney( -GetConstructionVanCost() ));
  // clang-format on
  TheMap->TransferMoney(-cost);
  TheMap->Broadcast(&MapListener::OnVanBought, this);
  if (Rules().ConstructionVanSupplyTime > 0) {
    DeliveryTimer = 0;
    IsDeliveringVan = true;
    DeliveryProgress = 0;
    RefreshMenu();
  } else {
    AddVans(1);
    TheMap->GetPresenter().PlaySound(TownSounds::VanAdded);
  }
}

void Office::UseSpeedUp() {
  if (!SpeedUpButton.IsEnabled) return;
  SpeedUpButton.IsEnabled = false;
  SpeedUpButton.IsProgressShown = true;
  SpeedUpButton.Progress = 1;
  SpeedUpTimer = Rules().OfficeSpeedUpPeriod;
  SpeedUpActive = true;
  TheMap->Broadcast(&MapListener::OnSpecialAbilityUsed, this);
  TheMap->GetPresenter().PlaySound(TownSounds::Haste);
  RefreshMenu();
}

void Office::OnMoneyChanged() {
  // Whether a van can be paid for.
  RefreshMenu();
}

// ---- info and drawing

void Office::GetInfo(BuildingInfoRows& rows) const {
  Building::GetInfo(rows);
  AddInfoRow(rows, "Hud.Info.NumberOfVans", GetVanCount());
  AddInfoRow(rows, "Hud.Info.NumberOfFreeVans", GetFreeVanCount());
}

void Office::OnDraw(Canvas& canvas) {
  Building::OnDraw(canvas);
  if (!TheMap || !TheMap->Art) return;
  const TownArt& art = *TheMap->Art;
  // Map pixels of the interface rectangle, in the widget's own coordinates.
  const float left = InterfaceRect.X - X, top = InterfaceRect.Y - Y, bottom = top + InterfaceRect.Height;
  if (art.OfficeVanIcon && GetFreeVanCount() > 0)
    canvas.DrawImage(art.OfficeVanIcon, 0xFFFFFFFFu, left, bottom - static_cast<float>(art.OfficeVanIcon->GetHeight()));
  if (art.OfficeSpeedUpIndicator && IndicatorFade > 0) {
    // It pops up to twice its size and settles back, standing on the top edge.
    float fade = IndicatorFade;
    float scale = fade >= 3 ? 1 : fade <= 2 ? fade : 4 - fade;
    uint32_t alpha = static_cast<uint32_t>(std::min(scale, 1.0f) * 255);
    Bitmap* image = art.OfficeSpeedUpIndicator;
    float width = static_cast<float>(image->GetWidth()), height = static_cast<float>(image->GetHeight());
    float anchorX = left + InterfaceRect.Width / 2;
    canvas.DrawImage(RectF{0, 0, width, height},
                     RectF{anchorX - width * scale / 2, top - height * scale, width * scale, height * scale}, image,
                     alpha << 24 | 0x00FFFFFFu);
  }
}

}  // namespace Corvanta
