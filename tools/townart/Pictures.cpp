#include "townart/Pictures.h"

namespace TownArt {

const Recipes& AllPictures() {
  static const Recipes pictures = [] {
    Recipes all;
    AddRoadPictures(all);
    AddGroundPictures(all);
    AddBackgroundPictures(all);
    AddBuildingPictures(all);
    AddSitePictures(all);
    AddIconPictures(all);
    AddPropPictures(all);
    AddVehiclePictures(all);
    AddPeoplePictures(all);
    AddEffectPictures(all);
    return all;
  }();
  return pictures;
}

}  // namespace TownArt
