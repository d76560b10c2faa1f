#include "townart/Pictures.h"

namespace TownArt {

void AddEffectPictures(Recipes&) {}

}  // namespace TownArt
