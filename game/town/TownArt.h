#pragma once
// TownArt: the pictures the map draws, as handles the game fills in from its
// resource catalogue. A map without art (tests, bots, benchmarks) draws
// nothing of its own and runs just the same.

#include "game/rules/BuildingKind.h"
#include "game/rules/LevelFile.h"
#include "tessel/resources/Bitmap.h"

namespace Tessel {
class ResourceManager;
}

namespace Corvanta {

struct TownArt {
  static constexpr int MaxPictures = 4;

  // By DecorSetting: 16 road tiles on the left, 16 corner pieces from x 160.
  Tessel::Bitmap* Roads[5] = {};
  // By kind and picture (the upgrade level's picture).
  Tessel::Bitmap* Buildings[BDK_NumTableKinds][MaxPictures] = {};
  // The construction van: east, north, west, south, then the diagonals
  // between each of them and the next to its left.
  Tessel::Bitmap* ConstructionVan[8] = {};
  // The workshop's van, in the same order.
  Tessel::Bitmap* WorkshopVan[8] = {};
  // Drawn over every van while the office's speed-up runs.
  Tessel::Bitmap* SpeedUpIcon = nullptr;
  // The office's mark of free vans, and its sign of a ready speed-up.
  Tessel::Bitmap* OfficeVanIcon = nullptr;
  Tessel::Bitmap* OfficeSpeedUpIndicator = nullptr;

  // "images/Roads/Fall" for Fall, "Snow", "Tropic", "Forest" otherwise.
  Tessel::Bitmap* GetRoadImage(int decorSetting) const;
  // The picture of the level, or of the highest level that has one.
  Tessel::Bitmap* GetBuildingImage(int kind, int level) const;
};

// The road images and the building pictures ("images/buildings/<Kind>/NN")
// under the names of the game's catalogue; decorations' pictures are
// optional.
void LoadTownArt(Tessel::ResourceManager& manager, TownArt& art);

}  // namespace Corvanta
