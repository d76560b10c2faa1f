#pragma once
// The rows a building tells about itself in its information cloud, by text
// key with the number to format into it; the cloud lays them out.

#include "tessel/Array.h"
#include "tessel/Strings.h"

namespace Corvanta {

struct BuildingInfoRow {
  Tessel::String TextKey;  // "Hud.Info.Income"
  int Value = 0;
  bool HasValue = false;   // hint rows carry no number
  float Progress = -1;     // 0..1 for the job and sale rows, else -1
};

using BuildingInfoRows = Tessel::Array<BuildingInfoRow>;

}  // namespace Corvanta
