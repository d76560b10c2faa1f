#pragma once
// MapStartSettings: what the start of a level takes from the player's
// profile and the level list. The game fills it before Map::Start; a map
// started without it plays a sandbox level with no office upgrades.

#include <cstdint>

namespace Corvanta {

struct MapStartSettings {
  // Bit n: office upgrade n bought (the profile's set).
  uint32_t OfficeUpgrades = 0;
  bool IsPlayingCareer = false;
  // The career level played, and the furthest one the profile has reached.
  int CareerLevel = -1;
  int FurthestCareerLevel = -1;
};

}  // namespace Corvanta
