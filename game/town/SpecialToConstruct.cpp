#include "game/town/SpecialToConstruct.h"

#include "game/town/BridgeDeck.h"
#include "game/town/InfoRows.h"
#include "game/town/Map.h"
#include "game/town/MapPresenter.h"
#include "game/town/Office.h"
#include "tessel/Exception.h"

using namespace Tessel;

// Assertions that name NULL use TESSEL_ASSERT_AT directly: passed on through
// TESSEL_ASSERT the word would reach the text already expanded.

namespace Corvanta {

TESSEL_IMPLEMENT_CLASS(SpecialToConstruct, SpecialBuilding);

SpecialToConstruct::SpecialToConstruct() : SpecialToConstruct(BDK_Bridge) {}

SpecialToConstruct::SpecialToConstruct(BuildingKind kind) : SpecialBuilding(kind) {}

bool SpecialToConstruct::IsOperational() const { return IsBuilt && Building::IsOperational(); }

bool SpecialToConstruct::CanConstruct() const {
  if (IsBuilt || HasJob() || IsRival || !TheMap || !TheMap->TheOffice) return false;
  // Every van of the company counts, out on a job or not.
  return TheMap->BankAccount >= Balance->Levels[0].Value &&
         TheMap->TheOffice->GetVanCount() >= Balance->ConstructionVansCount;
}

// ---- people and money

int SpecialToConstruct::GetTownPopulation(bool potential) const {
  // Summed afresh, not the map's total: that is being recomputed while the
  // map asks this building for its income.
  int population = 0;
  if (TheMap)
    for (const Building* building : TheMap->Buildings)
      population += potential ? building->GetPotentialPopulation() : building->GetPopulation();
  return population;
}

int SpecialToConstruct::GetPopulation() const { return IsConstructed() && LevelBalance ? LevelBalance->Population : 0; }

int SpecialToConstruct::GetPotentialPopulation() const { return LevelBalance ? LevelBalance->Population : 0; }

int SpecialToConstruct::GetIncome() const {
  // A rival's landmark pays its owner, not the player.
  if (!HasAbility() || !IsConstructed() || IsRival || !LevelBalance) return 0;
  return GetTownPopulation(false) * LevelBalance->IncomePerVisitor;
}

int SpecialToConstruct::GetPotentialIncome() const {
  if (!HasAbility() || !LevelBalance) return 0;
  return GetTownPopulation(true) * LevelBalance->IncomePerVisitor;
}

void SpecialToConstruct::GetInfo(BuildingInfoRows& rows) const {
  SpecialBuilding::GetInfo(rows);
  auto add = [&rows](const char* key, int value) { AddInfoRow(rows, key, value); };
  if (!IsBuilt) {
    add("Hud.Info.ConstructionCost", Balance->Levels[0].Value);
    add("Hud.Info.RequiresVans", Balance->ConstructionVansCount);
  }
  if (HasAbility()) add("Hud.Info.Attendance", GetTownPopulation(!IsConstructed()));
}

// ---- the menu

void SpecialToConstruct::FillMenu(BuildingMenuButtons& buttons) {
  BuildingMenuButton button;
  if (!IsBuilt) {
    button.Id = MENU_Construct;
    button.CaptionKey = "Hud.BuildingMenu.Construct";
    button.IsEnabled = CanConstruct();
    buttons.Add(button);
  } else if (HasAbility()) {
    Ability.FillButton(*this, Kind == BDK_Stadium ? "Hud.StadiumMenu.HoldMatch" : "Hud.AirportMenu.CommercialFlight",
                       button);
    buttons.Add(button);
  }
}

void SpecialToConstruct::OnMenuButton(int id) {
  if (id == MENU_Construct) {
    TESSEL_ASSERT(CanConstruct());
    TheMap->TransferMoney(-Balance->Levels[0].Value);
    StartJob(JOB_Construct, false);
    TheMap->Broadcast(&MapListener::OnSpecialConstructionOrdered, static_cast<Building*>(this));
    RefreshMenu();
  } else if (id == MENU_SpecialAbility) {
    TESSEL_ASSERT(IsConstructed());
    const BuildingMenuButton* btnSpecialAbility = FindMenuButton(MENU_SpecialAbility);
    TESSEL_ASSERT_AT(btnSpecialAbility != NULL, __FILE__, __LINE__);
    Ability.Start(*this, nullptr);
  } else {
    SpecialBuilding::OnMenuButton(id);
  }
}

void SpecialToConstruct::OnDisabledMenuButton(int id) {
  if (!TheMap) return;
  MapPresenter& presenter = TheMap->GetPresenter();
  if (id == MENU_Construct)
    presenter.ShowHint(TheMap->BankAccount < Balance->Levels[0].Value ? "AssistantHint.NoMoneyToConstructBuilding"
                                                                       : "AssistantHint.NoVansToConstructBuilding");
  else if (id == MENU_SpecialAbility)
    presenter.ShowHint("AssistantHint.WaitRechargingAbility");
  else
    SpecialBuilding::OnDisabledMenuButton(id);
}

// The construct button follows the money and the vans.
void SpecialToConstruct::OnMoneyChanged() {
  if (!IsBuilt) RefreshMenu();
}

void SpecialToConstruct::OnVanDelivered(Office* office) {
  if (!IsBuilt) RefreshMenu();
}

// ---- running

void SpecialToConstruct::OnUpdate(float dt) {
  if (HasAbility() && IsConstructed() && !IsRival && !isForSale && TheMap && LevelBalance)
    Ability.Update(*this, dt, GetIncome());
  SpecialBuilding::OnUpdate(dt);
}

void SpecialToConstruct::PutUpForSale(int price, int percentsOfOriginalPrice) {
  SpecialBuilding::PutUpForSale(price, percentsOfOriginalPrice);
  Ability.Reset(*this);
}

void SpecialToConstruct::OnOwnerChanged() { Ability.Reset(*this); }

void SpecialToConstruct::OnJobFinished(JobKind job) {
  if (job != JOB_Construct) return;
  IsBuilt = true;
  NeedsRoad = false;
  Ability.Reset(*this);
  if (Kind == BDK_Bridge) OpenBridge();
  RefreshMenu();
}

void SpecialToConstruct::OpenBridge() {
  if (!TheMap || !Square) return;
  if (!Deck) {
    Deck = new BridgeDeck(*this);
    TheMap->AddEntity(Deck);
  }
  // A bridge built where the road already runs keeps the road as it is.
  if (Square->IsRoad) return;
  for (int i = 0; i < Width; ++i)
    if (MapSquare* square = TheMap->GetSquare(Square->X + i, Square->Y)) TheMap->SetRoad(square, true);
}

void SpecialToConstruct::OnRemovedFromMap() {
  // The deck goes with its bridge.
  if (Deck && TheMap) TheMap->RemoveEntity(Deck);
  Deck = nullptr;
  SpecialBuilding::OnRemovedFromMap();
}

}  // namespace Corvanta
