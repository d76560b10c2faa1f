#pragma once
// SpecialSteelWorks: a landmark that is never constructed, only bought when
// it is offered; it tells its value.

#include "game/town/SpecialBuilding.h"

namespace Corvanta {

class SpecialSteelWorks : public SpecialBuilding {
  TESSEL_DECLARE_CLASS(SpecialSteelWorks)
public:
  SpecialSteelWorks();

  void OnMenuButton(int id) override;
  void GetInfo(BuildingInfoRows& rows) const override;

  // The player bought it.
  bool IsBought = false;
};

}  // namespace Corvanta
