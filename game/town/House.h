#pragma once
// House: the town's people and the player's steady income (the kinds
// Bungalow .. Chateau). A house earns on every pay day, is upgraded up to
// three times, breaks down from time to time and must then be repaired (by
// vans, or by itself while a workshop covers it), and now and then drops a
// bonus check that the player collects with a click. The decorations around
// it and a premium square raise its income and value.

#include "game/town/Building.h"
#include "game/town/CarFleet.h"

namespace Corvanta {

class ServiceBuilding;

// The house's own menu buttons, after the base's.
enum HouseMenuButtonId : int {
  MENU_Upgrade = MENU_FirstSubclassButton,
  MENU_Repair,
};

class House : public Building {
  TESSEL_DECLARE_CLASS(House)
public:
  // The class registry's factory makes a Bungalow.
  House();
  explicit House(BuildingKind kind);
  ~House() override;

  // ---- what the house earns, houses and is worth
  int GetIncome() const override;
  int GetPotentialIncome() const override;
  int GetUpgradedIncome() const override;
  int GetPopulation() const override;
  int GetPotentialPopulation() const override;
  int GetMarketValue() const override;
  int GetUpgradedMarketValue() const override;
  // The decorations' bonuses plus the premium square's, as a fraction.
  float GetBonusFactor() const;
  // The badge over the player's idle house: round(factor x 100), 0 for none;
  // its picture by step (0 below 15, 1 below 30, 2 from 30).
  int GetBonusBadgePercent() const;
  static int GetBonusBadgeStep(int percent) { return percent < 15 ? 0 : percent < 30 ? 1 : 2; }

  // ---- services covering it
  // The workshop among its services, or none.
  ServiceBuilding* GetCoveringWorkshop() const;
  // The dealership among its services while it works, or none.
  ServiceBuilding* GetCoveringDealership() const;
  // Re-reads its services: cars, and a workshop repair of a broken house.
  void OnCoverageChanged() override;

  // ---- upgrade and repair
  bool CanUpgrade() const;
  bool CanRepair() const;
  // The upgrade button is offered at all (a next level below the script's cap).
  bool IsUpgradeOffered() const;
  void FillMenu(BuildingMenuButtons& buttons) override;
  void OnMenuButton(int id) override;
  void OnDisabledMenuButton(int id) override;

  // ---- breaking down
  // The player's house that may break: idle, working, not on the market.
  bool CanBreak() const;
  void SetBroken(bool broken) override;

  // ---- bonus checks
  // The player's idle, working house, on no market.
  bool CanGenerateBonuses() const;
  bool CanDropDonationCheck() const;
  // A level script's check; a held one never expires.
  void DropDonationCheck(bool held);
  // The click on a check that has faded in.
  bool CanCollectBonus() const { return BonusActive && BonusElapsed > 1; }
  void CollectBonus();
  // A check's money from a raw amount: in steps that grow with it.
  static int RoundBonusAmount(int amount);

  // ---- Building
  void OnUpdate(float dt) override;
  void OnAddedToMap(Map* map) override;
  void OnRemovedFromMap() override;
  void OnMouseDown(float x, float y, int button) override;
  void SetLevel(int level) override;
  void PutUpForSale(int price, int percentsOfOriginalPrice) override;
  void OnOwnerChanged() override;
  void OnJobFinished(JobKind job) override;
  void OnBuildingPlaced(Building* building) override;
  void OnActionCancelled(Building* building) override;

  // ---- data
  CarFleet Cars;
  float BreakTimer = 0;
  bool BonusActive = false;
  float BonusPeriod = 0;
  float BonusElapsed = 0;
  int BonusAmount = 0;
  bool BonusHeld = false;
  bool NeedsTrophyCheck = false;

protected:
  // On its squares and in the map's buildings (no preview, not removed).
  bool IsPlaced() const;
  // round((1 + factor) x income) at a price step.
  int GetIncomeAt(const BuildingLevelBalance* level) const;
  int GetMarketValueAt(const BuildingLevelBalance* level) const;
  int GetPopulationAt(const BuildingLevelBalance* level) const;
  void DrawBreakTimer();
  void UpdateBreaking(float dt);
  // A van repair gives way to a self repair while a workshop covers it.
  void StartWorkshopRepair();
  void RecomputeCars();
  void UpdateBonus(float dt);
  void DropCheck(bool held);
  // The check ends (expired, collected, or the house changed): a new wait.
  void EndBonusCheck();
  void DrawBonusAmount();
  // The best house of the town: a Chateau at the top level on a premium
  // square amid every kind of decoration.
  bool IsBestHouse() const;
};

}  // namespace Corvanta
