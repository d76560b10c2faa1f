#include "townart/Pictures.h"

namespace TownArt {

void AddSitePictures(Recipes&) {}

}  // namespace TownArt
