#pragma once
// Adding to a building's information rows: what a kind tells about itself
// goes before the rows of a running job or sale, which close the cloud.

#include "game/town/BuildingInfo.h"

namespace Corvanta {

void AddInfoRow(BuildingInfoRows& rows, const char* textKey, int value);

}  // namespace Corvanta
