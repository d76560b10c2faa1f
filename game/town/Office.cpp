#include "game/town/Office.h"

namespace Corvanta {

Office::Office() : Building(BDK_Office) {}

}  // namespace Corvanta
