#include "game/town/Workshop.h"

namespace Corvanta {

TESSEL_IMPLEMENT_CLASS(Workshop, ServiceBuilding);

Workshop::Workshop() : ServiceBuilding(BDK_Workshop) { ServiceHighlightColour = 0x80FFFF00u; }

}  // namespace Corvanta
