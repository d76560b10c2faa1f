#include "game/town/Building.h"

#include <cmath>

#include "game/rules/LevelFile.h"
#include "game/town/Map.h"
#include "game/town/MapPresenter.h"
#include "game/town/Office.h"
#include "game/town/TownArt.h"
#include "tessel/Exception.h"
#include "tessel/Random.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/text/MoneyFormat.h"

using namespace Tessel;

// Assertions that name NULL use TESSEL_ASSERT_AT directly: passed on through
// TESSEL_ASSERT the word would reach the text already expanded.

namespace Corvanta {

TESSEL_IMPLEMENT_CLASS(Building, MapEntity);

namespace {

const Balance& Rules() { return Balance::Current(); }

bool TakesAreaEffects(int kind) {
  return IsHouseKind(kind) || IsCommercialOrWorkshopKind(kind) || kind == BDK_Fountain || kind == BDK_Park ||
         kind == BDK_ChineseGarden;
}

template <typename T>
void RemoveFrom(Array<T*>& list, T* item) {
  int index = list.IndexOf(item);
  if (index >= 0) list.RemoveAt(index);
}

}  // namespace

Building::Building() : Building(BDK_Bungalow) {}

Building::Building(BuildingKind kind) : Kind(kind == BDK_StadiumCheap ? BDK_Stadium : kind) {
  BuildingFootprint footprint = GetBuildingFootprint(kind);
  if (footprint.Width <= 0 || footprint.Height <= 0) TESSEL_ASSERT(!"Bad house ID.");
  Width = footprint.Width;
  Height = footprint.Height;
  // A cheap stadium is a Stadium that keeps its own prices.
  Balance = &Rules().GetBuilding(kind);
  ImageOffset = Balance->Levels[0].ImageOffset;
  NewTimer = Rules().BuildingJustConstructedTime;
  SetClassFlagsByKind();
  SetSize(static_cast<float>(Width * MapSquare::Size), static_cast<float>(Height * MapSquare::Size));
}

Building::~Building() {
  if (TheMap) TheMap->ForgetBuilding(this);
}

void Building::SetClassFlagsByKind() {
  NeedsRoad = IsHouseKind(Kind) || IsCommercialOrWorkshopKind(Kind) || IsSpecialKind(Kind);
  RivalMayOffer = IsHouseKind(Kind) || IsCommercialKind(Kind);
  BuildsInstantly = Kind == BDK_Office || IsDecorationKind(Kind);
  DemolishesInstantly = IsDecorationKind(Kind);
}

bool Building::IsBuilding() const { return !IsDecorationKind(Kind) && !IsSpecialKind(Kind); }
bool Building::IsSpecial() const { return IsSpecialKind(Kind); }
bool Building::IsSelected() const { return TheMap && TheMap->SelectedBuilding == this; }

// ---- on the map

void Building::OnAddedToMap(Map* map) {
  MapEntity::OnAddedToMap(map);
  SetLevel(0);
  map->AddListener(this);
  if (TakesAreaEffects(Kind) && map->AreaMembers.IndexOf(this) < 0) map->AreaMembers.Add(this);
}

void Building::OnRemovedFromMap() {
  HideInfo();
  RemoveMenu();
  if (!TheMap) return;
  TheMap->RemoveListener(this);
  RemoveFrom(TheMap->AreaMembers, this);
  TheMap->RecomputeTotals();
}

SquareRoute Building::GetFootprintSquares() const {
  SquareRoute squares;
  if (!TheMap || !Square) return squares;
  for (int j = 0; j < Height; ++j)
    for (int i = 0; i < Width; ++i)
      if (MapSquare* square = TheMap->GetSquare(Square->X + i, Square->Y + j)) squares.Add(square);
  return squares;
}

void Building::SetSquare(MapSquare* square) {
  Square = square;
  if (!square) return;
  Bitmap* image = GetImage();
  float footprintWidth = static_cast<float>(Width * MapSquare::Size);
  float footprintHeight = static_cast<float>(Height * MapSquare::Size);
  float imageWidth = image ? static_cast<float>(image->GetWidth()) : footprintWidth;
  float imageHeight = image ? static_cast<float>(image->GetHeight()) : footprintHeight;
  float x = std::round(square->Position.X + (footprintWidth - imageWidth) / 2 + static_cast<float>(ImageOffset.X));
  float y = std::round(square->Position.Y + (footprintHeight - imageHeight) / 2 + static_cast<float>(ImageOffset.Y));
  SetRect(x, y, imageWidth, imageHeight);
  SetDrawOrder(static_cast<int>(square->Position.Y + footprintHeight));
  IsOnPremium = false;
  for (MapSquare* covered : GetFootprintSquares()) IsOnPremium = IsOnPremium || covered->IsPremium;
  RecomputeInterfaceRect();
}

void Building::RecomputeInterfaceRect() {
  RectF rect = LevelBalance ? LevelBalance->InterfaceRect : RectF{};
  float x = Square ? Square->Position.X : X;
  float y = Square ? Square->Position.Y : Y;
  InterfaceRect.X = x + rect.X;
  InterfaceRect.Y = y + rect.Y;
  InterfaceRect.Width = rect.Width > 0 ? rect.Width : static_cast<float>(Width * MapSquare::Size);
  InterfaceRect.Height = rect.Height > 0 ? rect.Height : static_cast<float>(Height * MapSquare::Size);
}

bool Building::Contains(float x, float y) const {
  if (!Square) return MapEntity::Contains(x, y);
  float mapX = X + x, mapY = Y + y;
  return mapX >= InterfaceRect.X && mapX <= InterfaceRect.X + InterfaceRect.Width && mapY >= InterfaceRect.Y &&
         mapY <= InterfaceRect.Y + InterfaceRect.Height;
}

void Building::RecomputeTotals() {
  if (TheMap) TheMap->RecomputeTotals();
}

// ---- state setters

void Building::SetLevel(int level) {
  if (level == Level) return;
  TESSEL_ASSERT(level >= 0);
  TESSEL_ASSERT(level <= Balance->NumUpgrades);
  Level = level;
  LevelBalance = &Balance->Levels[level];
  NextLevelBalance = level < Balance->NumUpgrades ? &Balance->Levels[level + 1] : nullptr;
  RecomputeTotals();
  // The level's picture may have another size.
  if (Square) SetSquare(Square);
  RecomputeInterfaceRect();
}

void Building::DrawDelayRangeSaleTimer() {
  SaleTimer = RandRange(static_cast<float>(Rules().ForSaleDelayTimeMin), static_cast<float>(Rules().ForSaleDelayTimeMax));
}

void Building::SetRival(bool rival) {
  IsRival = rival;
  // Whichever way it went, the sale is over: a price is only kept while
  // the building is on offer (a saved game knows the offer by it).
  isForSale = false;
  Price = 0;
  if (rival) {
    // Stored and saved, never counted down: the map picks the offers.
    DrawDelayRangeSaleTimer();
    if (TheMap) TheMap->Broadcast(&MapListener::OnBuildingSoldToRival, this);
  } else if (TheMap) {
    TheMap->NoteIncomeBuilding(this);
    TheMap->Broadcast(&MapListener::OnBuildingBought, this);
  }
  OnOwnerChanged();
  RecomputeTotals();
  RefreshMenu();
}

void Building::SetBroken(bool broken) {
  if (broken == IsBroken) return;
  IsBroken = broken;
  if (TheMap) TheMap->Broadcast(broken ? &MapListener::OnBuildingBroken : &MapListener::OnBuildingRepaired, this);
  RecomputeTotals();
}

void Building::SetDisplayedForSale(bool show, int price, int discountPercent, bool fixed) {
  if (price == 0) price = GetMarketValue();
  if (discountPercent > 0)
    price = RoundPrice(static_cast<int>((1.0 - discountPercent / 100.0) * static_cast<double>(price)));
  SaleFixedFlag = fixed;
  if (show) {
    PutUpForSale(price, 100);
  } else {
    isForSale = false;
    SaleTimer = 0;
    Price = 0;
    RecomputeTotals();
    RefreshMenu();
  }
}

void Building::SetUnmarketable(bool on) {
  IsUnmarketable = on;
  if (on) {
    isForSale = false;
    Price = 0;
  }
  DrawDelayRangeSaleTimer();
  RecomputeTotals();
  RefreshMenu();
}

void Building::SetUndemolishable(bool on) { IsUndemolishable = on; }

void Building::SetInfoFixedVisible(bool on) {
  IsInfoFixedVisible = on;
  if (on) ShowInfo();
}

// ---- values

bool Building::IsOperational() const { return !IsPreview && JobRequired != JOB_Construct; }

int Building::GetMarketValue() const {
  if (!LevelBalance) return 0;
  return RoundPrice(static_cast<int>(LevelBalance->Value * static_cast<double>(Rules().MarketToConstructionValueRatio)));
}

int Building::GetUpgradedMarketValue() const {
  if (!NextLevelBalance) return GetMarketValue();
  return RoundPrice(
      static_cast<int>(NextLevelBalance->Value * static_cast<double>(Rules().MarketToConstructionValueRatio)));
}

int Building::GetHappiness() const { return IsOperational() && LevelBalance ? LevelBalance->Happiness : 0; }

Bitmap* Building::GetImage() const {
  if (!TheMap || !TheMap->Art) return nullptr;
  return TheMap->Art->GetBuildingImage(Kind, Level < 0 ? 0 : Level);
}

void Building::GetInfo(BuildingInfoRows& rows) const {
  auto add = [&rows](const char* key, int value, bool hasValue, float progress = -1) {
    BuildingInfoRow row;
    row.TextKey = key;
    row.Value = value;
    row.HasValue = hasValue;
    row.Progress = progress;
    rows.Add(row);
  };
  if (!IsRival && IsBroken && JobRequired != JOB_Repair) add("Hud.Info.Hint.RepairRequired", 0, false);
  if (!IsRival && !IsPreview && Square && NeedsRoad && !IsConnected) add("Hud.Info.Hint.RoadRequired", 0, false);
  if (IsOperational()) {
    if (GetIncome() > 0 || GetPotentialIncome() > 0) add("Hud.Info.Income", GetIncome(), true);
  } else if (GetPotentialIncome() > 0) {
    add("Hud.Info.PotentialIncome", GetPotentialIncome(), true);
  }
  if (NextLevelBalance && GetUpgradedIncome() > 0) add("Hud.Info.UpgradedIncome", GetUpgradedIncome(), true);
  if (GetPotentialPopulation() > 0) add("Hud.Info.Population", GetPopulation(), true);
  if (LevelBalance && LevelBalance->Happiness > 0) add("Hud.Info.AppearanceBonus", LevelBalance->Happiness, true);
  switch (JobRequired) {
    case JOB_Construct: add("Hud.Progress.Construct", 0, false, JobProgress); break;
    case JOB_Repair: add("Hud.Progress.Repair", 0, false, JobProgress); break;
    case JOB_Upgrade: add("Hud.Progress.Upgrade", 0, false, JobProgress); break;
    case JOB_Demolish: add("Hud.Progress.Demolish", 0, false, JobProgress); break;
    case JOB_None:
      if (isForSale) add("Hud.Progress.ForSale", Price, true);
      break;
  }
}

// ---- just-constructed marker

void Building::ResetJustConstructedMarker() {
  NewTimer = 0;
  IsNewShown = false;
}

void Building::UpdateJustConstructedMarker(float dt) {
  if (NewTimer <= 0 || !IsOperational()) return;
  IsNewShown = true;
  NewTimer -= dt;
  if (NewTimer <= 0) ResetJustConstructedMarker();
}

// ---- saved games and level files

void Building::WriteSave(BuildingSaveRecord& record) const {
  record.Id = Id;
  record.Level = Level;
  record.SquareX = Square ? Square->X : 0;
  record.SquareY = Square ? Square->Y : 0;
  record.JobRequired = JobRequired;
  record.SaleTimer = SaleTimer;
  record.Price = Price;
  record.StayOfferedForSaleFixedDuration = StayOfferedForSaleFixedDuration;
  record.IsPreview = IsPreview;
  record.IsBroken = IsBroken;
  record.WasBought = WasBought;
  record.IsRival = IsRival;
  record.IsUnmarketable = IsUnmarketable;
  record.IsUndemolishable = IsUndemolishable;
}

void Building::ReadSave(const BuildingSaveRecord& record) {
  Id = record.Id;
  SaleTimer = record.SaleTimer;
  Price = record.Price;
  // A building is on offer exactly while it has a price.
  isForSale = Price > 0;
  StayOfferedForSaleFixedDuration = record.StayOfferedForSaleFixedDuration;
  IsPreview = record.IsPreview;
  IsBroken = record.IsBroken;
  WasBought = record.WasBought;
  IsRival = record.IsRival;
  IsUnmarketable = record.IsUnmarketable;
  IsUndemolishable = record.IsUndemolishable;
}

void Building::LoadFromLevel(const LevelBuilding& level) {
  Id = level.Id;
  CustomTitle = level.CustomTitle;
  // A level's rivals own their buildings from the start: no ownership event.
  IsRival = level.IsRival;
  if (IsRival) DrawDelayRangeSaleTimer();
  IsUnmarketable = level.IsUnmarketable;
  IsUndemolishable = level.IsUndemolishable;
  SalePriority = level.SalePriority > 0 ? level.SalePriority : 0;
  SetLevel(level.Upgrade);
  SetBroken(level.IsBroken);
}

// ---- update and drawing

void Building::OnUpdate(float dt) {
  if (IsPreview) {
    UpdateInfoCloud(dt);
    return;
  }
  UpdateWork(dt);
  // A finished demolition has taken the building off the map.
  if (IsDemolished || GetParent() != TheMap) return;
  UpdateSale(dt);
  UpdateJustConstructedMarker(dt);
  UpdateInfoCloud(dt);
}

void Building::OnDraw(Canvas& canvas) {
  uint32_t colour = IsHighlighted ? HighlightColour : 0xFFFFFFFFu;
  if (Bitmap* image = GetImage()) canvas.DrawImage(image, colour, 0, 0);
  if (!IsPreview || !Square || !TheMap) return;
  // The preview tints each footprint square: green where it may stand.
  for (MapSquare* square : GetFootprintSquares()) {
    RectF rect{square->Position.X - X, square->Position.Y - Y, MapSquare::Size, MapSquare::Size};
    canvas.DrawRect(rect, square->CanBuild ? 0x6000FF00u : 0x60FF0000u);
  }
}

// ---- mouse

void Building::OnMouseEnter() { IsMouseOver = true; }

void Building::OnMouseLeave() {
  IsMouseOver = false;
  if (!IsSelected()) {
    HoverTimer = 0;
    if (!IsInfoFixedVisible) HideInfo();
  }
}

void Building::OnMouseDown(float x, float y, int button) {
  if (button != 1 || IsPreview || !TheMap || TheMap->GetTool() != MAPTOOL_None) return;
  if (!IsSelected()) Select();
}

void Building::UpdateInfoCloud(float dt) {
  if (!TheMap) return;
  if (IsPreview) {
    // A commercial building's preview shows what it would earn there.
    if (IsCommercialKind(Kind) && Square) {
      OperationalTime += dt;
      if (OperationalTime >= 0.45f) ShowInfo();
    }
    return;
  }
  bool over = IsMouseOver || IsMenuHovered;
  if (IsSelected()) {
    if (over) {
      HoverTimer = 0;
      ShowInfo();
    } else if (IsInfoShown && !IsInfoFixedVisible) {
      HoverTimer += dt;
      if (HoverTimer >= Rules().BuildingInfoHideDelay) HideInfo();
    }
  } else if (over) {
    HoverTimer += dt;
    if (HoverTimer >= Rules().BuildingInfoShowDelay) ShowInfo();
  }
}

void Building::ShowInfo() {
  if (!TheMap || !TheMap->BuildingsInfoEnabled || IsInfoShown) return;
  IsInfoShown = true;
  TheMap->GetPresenter().ShowInfoCloud(this, true);
  TheMap->Broadcast(&MapListener::OnBuildingInfoShown, this);
}

void Building::HideInfo() {
  if (!IsInfoShown) return;
  IsInfoShown = false;
  HoverTimer = 0;
  if (TheMap) TheMap->GetPresenter().ShowInfoCloud(this, false);
}

// ---- selection and menu

void Building::Select() {
  if (!TheMap || IsSelected()) return;
  if (TheMap->SelectedBuilding) TheMap->SelectedBuilding->Unselect();
  TESSEL_ASSERT_AT(TheMap->SelectedBuilding == NULL, __FILE__, __LINE__);
  TheMap->SelectedBuilding = this;
  ShowInfo();
  TheMap->GetPresenter().PlaySound(TownSounds::Select);
  BuildMenu();
  TheMap->Broadcast(&MapListener::OnBuildingSelected, this);
}

void Building::Unselect() {
  if (SellDialogOpen) CloseSaleDialog();
  if (!IsInfoFixedVisible) HideInfo();
  RemoveMenu();
  if (IsSelected()) TheMap->SelectedBuilding = nullptr;
}

void Building::BuildMenu() {
  MenuButtons.Clear();
  auto add = [this](int id, const char* caption, bool enabled, bool hasPrice = false, int price = 0) {
    BuildingMenuButton button;
    button.Id = id;
    button.CaptionKey = caption;
    button.IsEnabled = enabled;
    button.HasPrice = hasPrice;
    button.Price = price;
    MenuButtons.Add(button);
  };
  if (IsRival) {
    add(MENU_Buy, "Hud.BuildingMenu.Buy", CanBuy(), true, RoundPrice(Price));
  } else if (HasJob()) {
    // A job the building does itself (a workshop's repair) cannot be called off.
    if (!jobDoSelf) add(MENU_Cancel, "Hud.BuildingMenu.Cancel", true);
  } else if (isForSale) {
    add(MENU_Cancel, "Hud.BuildingMenu.Cancel", true);
  } else {
    FillMenu(MenuButtons);
    if (RivalMayOffer && TheMap && TheMap->BuildingsCanBeSelled && !IsUnmarketable)
      add(MENU_Sell, "Hud.BuildingMenu.Sell", CanSell());
  }
  MenuShown = true;
  if (TheMap) TheMap->GetPresenter().MenuChanged(this);
}

void Building::RefreshMenu() {
  if (MenuShown) BuildMenu();
}

void Building::RemoveMenu() {
  if (!MenuShown) return;
  MenuButtons.Clear();
  MenuShown = false;
  IsMenuHovered = false;
  if (TheMap) TheMap->GetPresenter().MenuChanged(this);
}

const BuildingMenuButton* Building::FindMenuButton(int id) const {
  for (const BuildingMenuButton& button : MenuButtons)
    if (button.Id == id) return &button;
  return nullptr;
}

void Building::PressMenuButton(int id) {
  const BuildingMenuButton* button = FindMenuButton(id);
  if (!button) return;
  if (button->IsEnabled)
    OnMenuButton(id);
  else
    OnDisabledMenuButton(id);
}

void Building::OnMenuButton(int id) {
  switch (id) {
    case MENU_Cancel: Cancel(); break;
    case MENU_Buy: Buy(); break;
    case MENU_Sell: OpenSaleDialog(); break;
    default: break;
  }
}

void Building::OnDisabledMenuButton(int id) {
  if (id == MENU_Buy && TheMap)
    TheMap->GetPresenter().ShowHint(IsHouseKind(Kind) ? "AssistantHint.NoMoneyToBuyHouse"
                                                      : "AssistantHint.NoMoneyToBuyBuilding");
}

// ---- ownership and sale

bool Building::CanBuy() const {
  return IsRival && isForSale && TheMap && static_cast<int64_t>(TheMap->BankAccount) - Price >= 0;
}

bool Building::CanSell() const {
  return TheMap && TheMap->BuildingsCanBeSelled && !IsUnmarketable && !IsRival && !IsBroken && !HasJob();
}

void Building::Buy() {
  TESSEL_ASSERT(CanBuy());
  TheMap->TransferMoney(-Price);
  WasBought = true;
  SetRival(false);
  TheMap->GetPresenter().PlaySound(TownSounds::Coin);
}

int Building::GetSalePrice(int percent) const {
  return RoundPrice(static_cast<int>(static_cast<int64_t>(GetMarketValue()) * percent / 100));
}

void Building::OpenSaleDialog() {
  TESSEL_ASSERT(CanSell());
  SellDialogOpen = true;
  TheMap->GetPresenter().OpenSaleDialog(this);
  TheMap->Broadcast(&MapListener::OnSellDialogOpened, this);
}

void Building::CloseSaleDialog() {
  if (!SellDialogOpen) return;
  SellDialogOpen = false;
  if (TheMap) TheMap->GetPresenter().CloseSaleDialog(this);
}

void Building::PutUpForSale(int price, int percentsOfOriginalPrice) {
  TESSEL_ASSERT(percentsOfOriginalPrice >= 50);
  TESSEL_ASSERT(percentsOfOriginalPrice <= 150);
  Price = price;
  isForSale = true;
  const Corvanta::Balance& rules = Rules();
  float duration;
  if (StayOfferedForSaleFixedDuration > 0)
    duration = StayOfferedForSaleFixedDuration;
  else if (percentsOfOriginalPrice > 100)
    duration = rules.BuildingAuctionTimeNorm + (rules.BuildingAuctionTimeMax - rules.BuildingAuctionTimeNorm) *
                                                   static_cast<float>(percentsOfOriginalPrice - 100) / 50;
  else
    duration = rules.BuildingAuctionTimeMin + (rules.BuildingAuctionTimeNorm - rules.BuildingAuctionTimeMin) *
                                                  static_cast<float>(percentsOfOriginalPrice - 50) / 50;
  SaleTimer = duration * (1 + 0.25f * (2 * RandUnit() - 1));
  if (TheMap) TheMap->GetPresenter().PlaySound(TownSounds::ForSale);
  RecomputeTotals();
  RefreshMenu();
  if (TheMap) TheMap->Broadcast(&MapListener::OnBuildingPutUpForSale, this);
}

void Building::UpdateSale(float dt) {
  if (!isForSale) return;
  if (!IsRival) {
    SaleTimer -= dt;
    if (SaleTimer >= 0) return;
    int price = Price;
    TheMap->TransferMoney(price);
    TheMap->GetPresenter().ShowMoneyPopup(this, price);
    TheMap->GetPresenter().PlaySound(TownSounds::Coin);
    SetRival(true);
  } else if (RivalMayOffer && !IsUnmarketable && !SaleFixedFlag) {
    SaleTimer -= dt;
    if (SaleTimer >= 0) return;
    isForSale = false;
    Price = 0;
    DrawDelayRangeSaleTimer();
    RecomputeTotals();
    RefreshMenu();
  }
}

// ---- road route to the office

bool Building::IsOnRoute(const MapSquare* square) const {
  for (int i = 1; i + 1 < RoadRoute.GetSize(); ++i)
    if (RoadRoute[i] == square) return true;
  return false;
}

void Building::UpdateRoadConnection() {
  if (!TheMap || !Square || IsPreview || !NeedsRoad || Kind == BDK_Office) return;
  if (IsConnected && RoadRoute.GetSize() > 2) {
    bool stillValid = true;
    for (int i = 1; i + 1 < RoadRoute.GetSize() && stillValid; ++i) stillValid = RoadRoute[i]->IsRoad;
    if (stillValid) return;
  }
  Office* office = TheMap->TheOffice;
  if (office && office->Square) {
    IsConnected = TheMap->FindRoute(office, this, RoadRoute);
    if (IsConnected) TheMap->Broadcast(&MapListener::OnBuildingConnected, this);
  }
  TheMap->GetPresenter().RefreshInfoCloud(this);
}

void Building::OnRoadAdded(MapSquare* square) {
  if (!NeedsRoad || IsConnected) return;
  UpdateRoadConnection();
  if (IsWaitingForVans()) TheMap->DispatchVans();
}

void Building::OnRoadRemoved(MapSquare* square) {
  if (!square || !IsOnRoute(square)) return;
  IsConnected = false;
  UpdateRoadConnection();
}

void Building::OnBuildingPlaced(Building* building) {
  if (building == this || (TheMap && building == TheMap->TheOffice)) UpdateRoadConnection();
}

}  // namespace Corvanta
