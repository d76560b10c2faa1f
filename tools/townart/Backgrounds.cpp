#include "townart/Pictures.h"

namespace TownArt {

void AddBackgroundPictures(Recipes&) {}

}  // namespace TownArt
