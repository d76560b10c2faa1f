#include "game/town/Dealership.h"

#include <cmath>

#include "game/town/Map.h"
#include "game/town/TownTraffic.h"

namespace Corvanta {

TESSEL_IMPLEMENT_CLASS(Dealership, Commercial);

Dealership::Dealership() : Commercial(BDK_Dealership) {}

int Dealership::GetWantedTaxis() const {
  return static_cast<int>(std::floor(GetAttendance() * static_cast<double>(Balance::Current().TaxiCarsCountPerSitizenRatio)));
}

void Dealership::UpdateFleet() {
  TownTraffic* traffic = TheMap ? TheMap->Traffic : nullptr;
  if (!traffic) return;
  int wanted = GetWantedTaxis();
  if (Taxis.GetSize() > wanted) Taxis.ShrinkTo(wanted);
  while (Taxis.GetSize() < wanted)
    if (!Taxis.Add(*traffic, this, TaxiModel)) break;
}

void Dealership::ResetFleet() {
  IndicatorFade = 3.0f;
  Taxis.RestartAll();
  UpdateFleet();
}

void Dealership::OnUpdate(float dt) {
  Commercial::OnUpdate(dt);
  if (IsPreview || IsDemolished || !TheMap || GetParent() != TheMap) return;
  TaxiTimer -= dt;
  if (TaxiTimer > 0) return;
  TaxiTimer += TaxiPeriod;
  if (TaxiTimer <= 0) TaxiTimer = TaxiPeriod;  // a frame longer than the period
  UpdateFleet();
}

void Dealership::OnRemovedFromMap() {
  Taxis.ReleaseAll();
  Commercial::OnRemovedFromMap();
}

void Dealership::OnJobFinished(JobKind job) {
  Commercial::OnJobFinished(job);
  if (job == JOB_Construct) ResetFleet();
}

}  // namespace Corvanta
