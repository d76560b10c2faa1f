#include "townart/Pictures.h"

namespace TownArt {

void AddIconPictures(Recipes&) {}

}  // namespace TownArt
