#pragma once
// Building: the base of everything the player can construct, own, buy,
// sell, upgrade, repair and demolish. It holds the ownership and sale state,
// the upgrade level with its balance record, the single job a building can
// have at a time (construct, repair, upgrade, demolish) and its progress, the
// route to the office, the menu, and the values the map sums up.
//
// Jobs are carried out by construction vans (JobVan) that the office sends;
// the building does the work itself once all of its vans have arrived, or at
// once for a job it does itself (a workshop's repair). Houses, the office,
// the workshop, commercial, decoration and special buildings derive from it
// and override the virtual operations below.

#include <cstdint>

#include "game/rules/Balance.h"
#include "game/rules/BuildingKind.h"
#include "game/town/BuildingInfo.h"
#include "game/town/BuildingMenu.h"
#include "game/town/JobKind.h"
#include "game/town/JobVan.h"
#include "game/town/MapEntity.h"
#include "game/town/MapListener.h"
#include "game/town/PathSearch.h"
#include "tessel/Array.h"
#include "tessel/Strings.h"
#include "tessel/WideText.h"

namespace Tessel {
class Bitmap;
}

namespace Corvanta {

struct LevelBuilding;

// What a saved game keeps of a building, in the order of its record.
struct BuildingSaveRecord {
  Tessel::String Id;
  int Level = 0;
  int SquareX = 0, SquareY = 0;
  JobKind JobRequired = JOB_None;
  float SaleTimer = 0;
  int Price = 0;
  float StayOfferedForSaleFixedDuration = 0;
  bool IsPreview = false;
  bool IsBroken = false;
  bool WasBought = false;
  bool IsRival = false;
  bool IsUnmarketable = false;
  bool IsUndemolishable = false;
};

class Building : public MapEntity, public MapListener {
  TESSEL_DECLARE_CLASS(Building)
public:
  static constexpr int MinSalePercent = 50;
  static constexpr int MaxSalePercent = 150;

  // The class registry's factory makes a Bungalow.
  Building();
  explicit Building(BuildingKind kind);
  // A building deleted while the map still knows it leaves every list
  // first, so that nothing keeps a pointer to it.
  ~Building() override;

  // ---- widget and entity
  void OnUpdate(float dt) override;
  void OnDraw(Tessel::Canvas& canvas) override;
  // Hover and clicks land in the interface rectangle.
  bool Contains(float x, float y) const override;
  void OnAddedToMap(Map* map) override;
  void OnRemovedFromMap() override;
  void OnMouseEnter() override;
  void OnMouseLeave() override;
  void OnMouseDown(float x, float y, int button) override;
  bool IsBuilding() const override;
  bool IsSpecial() const override;

  // ---- demolition
  virtual bool CanDemolish() const;
  virtual void TryDemolish();

  // ---- saved games and level files
  virtual void WriteSave(BuildingSaveRecord& record) const;
  // Stores the fields directly: no events, no placement.
  virtual void ReadSave(const BuildingSaveRecord& record);
  // The attributes of the level file's element (the map places it after).
  virtual void LoadFromLevel(const LevelBuilding& level);

  // ---- selection and menu
  virtual void Select();
  virtual void Unselect();
  bool IsSelected() const;
  // Rebuilds MenuButtons and shows them; RefreshMenu only when shown.
  void BuildMenu();
  void RefreshMenu();
  void RemoveMenu();
  // A press on a menu button: a disabled one gives its hint.
  void PressMenuButton(int id);
  const BuildingMenuButton* FindMenuButton(int id) const;
  virtual void OnMenuButton(int id);
  virtual void OnDisabledMenuButton(int id);
  // The subclass's own buttons, before the sell button of an idle building.
  virtual void FillMenu(BuildingMenuButtons& buttons) {}
  // The info cloud; not while the map's BuildingsInfoEnabled is off.
  void ShowInfo();
  void HideInfo();

  // ---- ownership and sale
  virtual void PutUpForSale(int price, int percentsOfOriginalPrice);
  // The price the sale dialog shows and asks for a percentage (50..150).
  int GetSalePrice(int percent) const;
  // The sell button: opens the sale dialog.
  void OpenSaleDialog();
  void CloseSaleDialog();
  bool CanBuy() const;
  bool CanSell() const;
  void Buy();
  void Cancel();

  // ---- state setters
  virtual void SetSquare(MapSquare* square);
  virtual void SetLevel(int level);
  virtual void SetRival(bool rival);
  virtual void SetBroken(bool broken);
  virtual void SetDisplayedForSale(bool show, int price, int discountPercent, bool fixed);
  virtual void SetUnmarketable(bool on);
  virtual void SetUndemolishable(bool on);
  virtual void SetInfoFixedVisible(bool on);

  // ---- what the building tells and is worth
  virtual void GetInfo(BuildingInfoRows& rows) const;
  // Not a preview and no construction job.
  virtual bool IsOperational() const;
  virtual int GetMarketValue() const;
  virtual int GetUpgradedMarketValue() const;
  virtual int GetIncome() const { return 0; }
  virtual int GetPotentialIncome() const { return 0; }
  virtual int GetUpgradedIncome() const { return 0; }
  virtual int GetPopulation() const { return 0; }
  virtual int GetPotentialPopulation() const { return 0; }
  virtual int GetHappiness() const;
  // The buildings whose area effect covers this one changed (also after a
  // cancel).
  virtual void OnCoverageChanged() {}
  // The picture of the current level, or none.
  virtual Tessel::Bitmap* GetImage() const;
  virtual void OnOwnerChanged() {}
  virtual void OnJobFinished(JobKind job) {}
  virtual void ResetJustConstructedMarker();

  // ---- jobs
  // time > 0 replaces the balance's duration (the cost stays the balance's).
  void StartJob(JobKind job, bool doSelf, float time = 0);
  void DoWork(float dt);
  // The work rate's factor from the office's speed-up and the upgrades.
  float GetWorkSpeed() const;
  bool HaveAllVansArrived() const;
  // Takes the vans off the job and sends them home, first van first.
  void SendVansHome();
  // Waits for vans: a job not done by itself, with no van assigned yet.
  bool IsWaitingForVans() const;

  // ---- road route to the office
  void UpdateRoadConnection();
  bool IsOnRoute(const MapSquare* square) const;

  // ---- map events
  void OnRoadAdded(MapSquare* square) override;
  void OnRoadRemoved(MapSquare* square) override;
  void OnBuildingPlaced(Building* building) override;

  // The footprint squares that lie inside the grid, row by row.
  SquareRoute GetFootprintSquares() const;
  bool HasJob() const { return JobRequired != JOB_None; }

  // ---- data, in the order of the model
  BuildingKind Kind;
  Tessel::String Id;
  Tessel::WideString CustomTitle;
  int Level = -1;
  const BuildingBalance* Balance = nullptr;
  const BuildingLevelBalance* LevelBalance = nullptr;
  const BuildingLevelBalance* NextLevelBalance = nullptr;
  Tessel::Array<Building*> LinkedBuildings;
  bool NeedsRoad = false;
  bool RivalMayOffer = false;
  bool BuildsInstantly = false;
  bool DemolishesInstantly = false;
  bool IsPreview = false;
  bool IsBroken = false;
  bool WasBought = false;
  bool IsNewShown = false;
  bool IsRival = false;
  bool IsOnPremium = false;
  bool IsUnmarketable = false;
  bool IsUndemolishable = false;
  bool isForSale = false;
  int SalePriority = 0;
  // Rival offers made of it so far (not saved): each makes the next rarer.
  int OfferCount = 0;
  float StayOfferedForSaleFixedDuration = 0;
  bool IsBeingWorked = false;
  bool IsBeingDemolished = false;
  JobKind JobRequired = JOB_None;
  AssignedVans VansAssigned;
  MapSquare* Square = nullptr;
  int Width = 0, Height = 0;
  Tessel::Point ImageOffset;
  bool IsConnected = false;
  SquareRoute RoadRoute;
  bool SellDialogOpen = false;
  float JobProgress = 0;
  bool jobDoSelf = false;
  float JobRate = 0;
  int JobCost = 0;
  float NewTimer = 0;
  bool MenuShown = false;
  bool IsInfoShown = false;  // the info cloud is open
  float HoverTimer = 0;
  bool IsInfoFixedVisible = false;
  // The HUD sets it while the mouse is over one of the menu buttons.
  bool IsMenuHovered = false;
  BuildingMenuButtons MenuButtons;
  bool IsDemolished = false;
  bool SaleFixedFlag = false;
  float SaleTimer = 0;
  int Price = 0;
  Tessel::RectF InterfaceRect;  // map pixels

protected:
  // The kind's class flags: houses, commercial buildings, the workshop and
  // special buildings want a road; houses and commercial buildings may be
  // offered by rivals; the office and decorations need no construction,
  // decorations no demolition job.
  void SetClassFlagsByKind();
  void UpdateSale(float dt);
  void UpdateWork(float dt);
  void UpdateWorkCounters();
  void UpdateJustConstructedMarker(float dt);
  void UpdateInfoCloud(float dt);
  void EndWorkCounters();
  void RecomputeInterfaceRect();
  void RecomputeTotals();
  void DrawDelayRangeSaleTimer();

  bool IsMouseOver = false;
  float OperationalTime = 0;  // a commercial preview's time standing on a square
};

}  // namespace Corvanta
