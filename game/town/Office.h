#pragma once
// Office: the player's company office, the home of the construction vans.
// It stands on every map and the map knows it as TheOffice. It is never
// constructed by vans, never demolished and never sold.
//
// The office owns the van pool, sells further vans (delivered after a
// delay), offers the timed speed-up that makes vans drive and jobs advance
// faster, and decides which van goes to which job (ProcessWorkersTasks):
// repairs first, then the other jobs in queue order, each served by the
// nearest free vans that can reach it.

#include <cstdint>
#include <vector>

#include "game/town/Building.h"
#include "tessel/Array.h"

namespace Corvanta {

class ConstructionVan;

enum OfficeMenuButtonId : int {
  MENU_BuyVan = MENU_FirstSubclassButton,
  MENU_SpeedUp,
};

// What a saved game keeps of the office after the building's record.
struct OfficeSaveRecord {
  int VanCount = 0;
  bool SpeedUpActive = false;
  float SpeedUpTimer = 0;
};

// The player who runs the company, as the game tells the office before the
// level is built. Without a profile (tests, bots) the office keeps its
// level's title and its first look.
struct OfficeOwner {
  bool HasProfile = false;
  // "Hud.Info.OfficeOf" with the player's name, for an office without title.
  Tessel::WideString Title;
  // The company values of the profile's level results, summed: the rank
  // that picks the office's look.
  uint64_t RecordedCompanyValues = 0;
  // The assistant has told the player about the speed-up; the game keeps
  // it in the profile.
  bool HasSeenSpeedUpHint = false;
};

class Office : public Building {
public:
  static constexpr int MaxVans = 99;

  Office();
  ~Office() override;

  bool CanDemolish() const override { return false; }

  // ---- the van pool
  // New vans at home; then the office dispatches.
  void AddVans(int count);
  // Every van the company owns, out on a job or not.
  virtual int GetVanCount() const { return Vans.GetSize(); }
  int GetFreeVanCount() const;
  int GetConstructionVanCost() const;
  bool CanBuyVan() const;
  // A van being deleted leaves the pool.
  void ForgetVan(ConstructionVan* van);

  // ---- dispatch
  // Matches the free vans to the map's job queue. Called whenever a job is
  // queued, ends or is cancelled, and whenever a van comes home.
  virtual void ProcessWorkersTasks();
  // While one is held, dispatch waits; the last one to go runs what was
  // asked meanwhile.
  class DispatchHold {
  public:
    explicit DispatchHold(Office& office);
    // Runs the waiting dispatch unless an error is on its way out.
    ~DispatchHold() noexcept(false);
    DispatchHold(const DispatchHold&) = delete;
    DispatchHold& operator=(const DispatchHold&) = delete;

  private:
    Office& Held;
  };

  // ---- saved games
  void WriteOfficeSave(OfficeSaveRecord& record) const;
  // On an office placed on its map: the saved vans start at home.
  void ReadOfficeSave(const OfficeSaveRecord& record);

  // ---- building
  void OnUpdate(float dt) override;
  void OnDraw(Tessel::Canvas& canvas) override;
  void OnRemovedFromMap() override;
  void FillMenu(BuildingMenuButtons& buttons) override;
  void OnMenuButton(int id) override;
  void OnDisabledMenuButton(int id) override;
  void GetInfo(BuildingInfoRows& rows) const override;
  void OnMoneyChanged() override;
  void OnBuildingRemoved(MapEntity* entity) override;
  // Its own placement gives it the owner's title and look.
  void OnBuildingPlaced(Building* building) override;
  void Select() override;
  // The look by the owner's rank: 0, 1 from the second rank level, 2 from
  // the fourth.
  int GetRankLook() const;

  OfficeOwner Owner;

  // ---- data, in the order of the model
  Tessel::Array<ConstructionVan*> Vans{32};
  // The speed-up ability is running: jobs advance and vans drive faster.
  bool SpeedUpActive = false;
  bool IsDeliveringVan = false;
  float DeliveryTimer = 0;
  // Running: counts down the period; recharging: counts up to the cooldown.
  float SpeedUpTimer;
  // The speed-up's button: enabled when ready, with its progress bar.
  AbilityButtonState SpeedUpButton;
  // The delivery's progress, shown on the buy-van button.
  float DeliveryProgress = -1;
  float IndicatorFade = 3;
  float AnimationFrame = 0;

private:
  void Dispatch();
  void AssignVans(Building* building, int numVans, std::vector<ConstructionVan*>& freeVans);
  void BuyVan();
  void UseSpeedUp();
  void UpdateDelivery(float dt);
  void UpdateSpeedUp(float dt);
  bool HasSpeedUp() const;

  int DispatchHolds = 0;
  bool IsDispatchPending = false;
};

}  // namespace Corvanta
