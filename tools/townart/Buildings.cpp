#include "townart/Pictures.h"

namespace TownArt {

void AddBuildingPictures(Recipes&) {}

}  // namespace TownArt
