#pragma once
// Commercial: the shop, the amusement park, the cinema and the dealership.
// Their visitors are the people of the houses they serve; they earn per
// visitor on every pay day, are worth more the more visitors they have, and
// have a timed ability (a sale, a festival, a premiere, an exhibition) that
// pays extra rounds of their income.

#include "game/town/ServiceBuilding.h"
#include "game/town/SpecialAbility.h"

namespace Corvanta {

enum CommercialMenuButtonId : int {
  MENU_Ability = MENU_FirstSubclassButton,
};

class Commercial : public ServiceBuilding {
  TESSEL_DECLARE_CLASS(Commercial)
public:
  // The class registry's factory makes a Shop.
  Commercial();
  explicit Commercial(BuildingKind kind);

  // The people of the buildings it serves.
  int GetAttendance() const;
  int GetMarketValue() const override;
  // Per visitor, while it works, is the player's and on no market.
  int GetIncome() const override;
  int GetPotentialIncome() const override;
  // The ability's tool tip by kind ("Hud.BuildingMenu.Sale").
  const char* GetAbilityKey() const;

  void GetInfo(BuildingInfoRows& rows) const override;
  void FillMenu(BuildingMenuButtons& buttons) override;
  void OnMenuButton(int id) override;
  void OnDisabledMenuButton(int id) override;
  void OnUpdate(float dt) override;
  void PutUpForSale(int price, int percentsOfOriginalPrice) override;
  void OnOwnerChanged() override;
  void OnJobFinished(JobKind job) override;

  SpecialAbility Ability{MENU_Ability};
  float AnimationPhase = 0;  // the amusement park's rides while its festival runs
  float IndicatorFade = 0;   // 0..3: the ready sign over the building

protected:
  bool CanRunAbility() const;
  void UpdateIndicator(float dt);
};

}  // namespace Corvanta
