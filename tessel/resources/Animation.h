#pragma once
// Animation: a registered resource kind that the game never creates; kept so
// the class registry lists every resource kind.

#include "tessel/resources/ResourceBase.h"

namespace Tessel {

class Animation : public ResourceBase {
  TESSEL_DECLARE_CLASS(Animation)
};

}  // namespace Tessel
