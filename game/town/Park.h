#pragma once
// Park: the decorations (Tree, Fountain, Park, Statue, ChineseGarden). They
// stand without a road, are complete as soon as they are placed, vanish at
// once when demolished, and raise the income and value of the houses they
// cover by their level's ability value.

#include "game/town/ServiceBuilding.h"

namespace Corvanta {

class Park : public ServiceBuilding {
  TESSEL_DECLARE_CLASS(Park)
public:
  // The class registry's factory makes a Tree.
  Park();
  explicit Park(BuildingKind kind);

  // LevelBalance.SpecialAbilityValue while it stands complete, else 0.
  float GetIncomeBonus() const override;
};

}  // namespace Corvanta
