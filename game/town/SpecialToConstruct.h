#pragma once
// SpecialToConstruct: the landmarks built on demand (Bridge, Stadium,
// WindPowerplant, Airport, Hotel and the cheap stadium). A level places
// them unbuilt; the player orders the construction from the building's
// menu once the company has the money and enough vans. A finished bridge
// lays its road; the stadium and the airport earn from the whole town and
// have an ability of their own.

#include "game/town/SpecialAbility.h"
#include "game/town/SpecialBuilding.h"

namespace Corvanta {

class BridgeDeck;

enum SpecialMenuButtonId : int {
  MENU_Construct = MENU_FirstSubclassButton,
  MENU_SpecialAbility,
};

class SpecialToConstruct : public SpecialBuilding {
  TESSEL_DECLARE_CLASS(SpecialToConstruct)
public:
  // The class registry's factory makes a Bridge.
  SpecialToConstruct();
  explicit SpecialToConstruct(BuildingKind kind);

  // Working means built.
  bool IsOperational() const override;
  bool IsConstructed() const { return IsBuilt && IsOperational(); }
  // The stadium's match and the airport's flight.
  bool HasAbility() const { return Kind == BDK_Stadium || Kind == BDK_Airport; }
  // Not built yet, the money for its price and the vans it needs.
  bool CanConstruct() const;

  int GetPopulation() const override;
  int GetPotentialPopulation() const override;
  // The stadium and the airport: the town's people times the income per visitor.
  int GetIncome() const override;
  int GetPotentialIncome() const override;

  void GetInfo(BuildingInfoRows& rows) const override;
  void FillMenu(BuildingMenuButtons& buttons) override;
  void OnMenuButton(int id) override;
  void OnDisabledMenuButton(int id) override;
  void OnUpdate(float dt) override;
  void OnRemovedFromMap() override;
  void PutUpForSale(int price, int percentsOfOriginalPrice) override;
  void OnOwnerChanged() override;
  void OnJobFinished(JobKind job) override;
  void OnMoneyChanged() override;
  void OnVanDelivered(Office* office) override;

  bool IsBuilt = false;
  SpecialAbility Ability{MENU_SpecialAbility};
  BridgeDeck* Deck = nullptr;

protected:
  // The people of the whole town, or what it would house.
  int GetTownPopulation(bool potential) const;
  // The deck over the bridge and its road along the bridge's row.
  void OpenBridge();
};

}  // namespace Corvanta
