#include "townart/Pictures.h"

namespace TownArt {

void AddPropPictures(Recipes&) {}

}  // namespace TownArt
