#include "townart/Pictures.h"

namespace TownArt {

void AddVehiclePictures(Recipes&) {}

}  // namespace TownArt
