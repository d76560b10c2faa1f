#pragma once
// MapTool: what a press on the map does while the HUD has a tool selected.

#include <cstdint>

namespace Corvanta {

enum MapTool : int32_t {
  MAPTOOL_None = 0,
  MAPTOOL_Construct = 1,
  MAPTOOL_Road = 2,
  MAPTOOL_Demolish = 3,
  MAPTOOL_ShowInfo = 4,
};

}  // namespace Corvanta
