#include "townart/Pictures.h"

namespace TownArt {

void AddPeoplePictures(Recipes&) {}

}  // namespace TownArt
