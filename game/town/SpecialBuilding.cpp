#include "game/town/SpecialBuilding.h"

#include <cmath>

#include "game/town/ServiceBuilding.h"
#include "tessel/Random.h"

namespace Corvanta {

TESSEL_IMPLEMENT_ABSTRACT_CLASS(SpecialBuilding, Building);

SpecialBuilding::SpecialBuilding(BuildingKind kind) : Building(kind) {
  if (Kind == BDK_WindPowerplant)
    for (float& phase : RotorPhases) phase = static_cast<float>(Tessel::Rand() % RotorFrames);
}

SpecialBuilding::~SpecialBuilding() { ServiceBuilding::LeaveServices(this); }

void SpecialBuilding::OnUpdate(float dt) {
  Building::OnUpdate(dt);
  if (Kind != BDK_WindPowerplant) return;
  for (float& phase : RotorPhases) phase = std::fmod(phase + RotorFrames * dt, static_cast<float>(RotorFrames));
}

}  // namespace Corvanta
