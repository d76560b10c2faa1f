#pragma once
// The four landscapes a level is set in, and the colours of each: the
// ground, the foliage, the pavements and the verges beside the roads.
// Forest stands for spring too (the game draws both with the same roads).

#include <string>

#include "townart/Kit.h"

namespace TownArt {

enum Landscape { LAND_Forest, LAND_Fall, LAND_Snow, LAND_Tropic };

struct LandPalette {
  Colour Grass, GrassDark, GrassLight;
  Colour Foliage, FoliageDark, FoliageLight;
  Colour Soil;
  Colour Asphalt, Pavement, PavementJoint, Kerb;
  Colour Verge;   // the worn strip where the ground meets a road
  Colour Shadow;  // what a shadow tints the ground with
  Colour Water, WaterDeep;
  bool SnowOnTop;  // roofs, pavements and verges carry snow
};

const LandPalette& PaletteOf(Landscape land);
// "Forest", "Fall", "Snow", "Tropic".
const char* LandscapeName(Landscape land);

}  // namespace TownArt
