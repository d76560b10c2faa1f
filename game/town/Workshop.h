#pragma once
// Workshop: the service that repairs the houses it covers. A broken house
// served by a working workshop repairs itself without vans (the house's
// side, House::OnCoverageChanged). The workshop's van and its alert ability
// that widens the area are the workshop's own rules, built on this class.

#include "game/town/ServiceBuilding.h"

namespace Corvanta {

class Workshop : public ServiceBuilding {
  TESSEL_DECLARE_CLASS(Workshop)
public:
  Workshop();
};

}  // namespace Corvanta
