#pragma once
// SpecialBuilding: the town's landmarks (kinds Bridge .. StadiumCheap): the
// steel works that can only be bought, and the buildings constructed on
// demand. The wind power plant turns its rotors.

#include "game/town/Building.h"

namespace Corvanta {

class SpecialBuilding : public Building {
  TESSEL_DECLARE_CLASS(SpecialBuilding)
public:
  static constexpr int NumRotors = 7;
  static constexpr int RotorFrames = 20;

  explicit SpecialBuilding(BuildingKind kind);
  ~SpecialBuilding() override;

  void OnUpdate(float dt) override;

  // The wind power plant's rotor frames, 0..20 (presentation).
  float RotorPhases[NumRotors] = {};
};

}  // namespace Corvanta
