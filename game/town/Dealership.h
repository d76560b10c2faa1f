#pragma once
// Dealership: a commercial building with a fleet of taxis, as many as its
// visitors call for, looked over every three seconds.

#include "game/town/CarFleet.h"
#include "game/town/Commercial.h"

namespace Corvanta {

class Dealership : public Commercial {
  TESSEL_DECLARE_CLASS(Dealership)
public:
  static constexpr float TaxiPeriod = 3.0f;
  static constexpr int TaxiModel = 4;

  Dealership();

  // floor(attendance x "TaxiCarsCountPerSitizenRatio").
  int GetWantedTaxis() const;
  // Taxis added or the last ones let go, to the wanted number.
  void UpdateFleet();
  // The fleet starts afresh and the ready sign shows.
  void ResetFleet();

  void OnUpdate(float dt) override;
  void OnRemovedFromMap() override;
  void OnJobFinished(JobKind job) override;

  CarFleet Taxis;
  float TaxiTimer = TaxiPeriod;
};

}  // namespace Corvanta
