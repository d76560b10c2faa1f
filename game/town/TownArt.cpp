#include "game/town/TownArt.h"

#include "tessel/Format.h"
#include "tessel/resources/ResourceManager.h"

using namespace Tessel;

namespace Corvanta {

Bitmap* TownArt::GetRoadImage(int decorSetting) const {
  switch (decorSetting) {
    case DECOR_Fall: return Roads[DECOR_Fall];
    case DECOR_Snow: return Roads[DECOR_Snow];
    case DECOR_Tropic: return Roads[DECOR_Tropic];
    default: return Roads[DECOR_Forest];
  }
}

Bitmap* TownArt::GetBuildingImage(int kind, int level) const {
  if (kind < 0 || kind >= BDK_NumTableKinds) return nullptr;
  for (int picture = level < MaxPictures ? level : MaxPictures - 1; picture >= 0; --picture)
    if (Buildings[kind][picture]) return Buildings[kind][picture];
  return nullptr;
}

void LoadTownArt(ResourceManager& manager, TownArt& art) {
  art.Roads[DECOR_Fall] = manager.LoadBitmap("images/Roads/Fall");
  art.Roads[DECOR_Forest] = manager.LoadBitmap("images/Roads/Forest");
  art.Roads[DECOR_Snow] = manager.LoadBitmap("images/Roads/Snow");
  art.Roads[DECOR_Spring] = art.Roads[DECOR_Forest];
  art.Roads[DECOR_Tropic] = manager.LoadBitmap("images/Roads/Tropic");
  for (BuildingKind kind : GetBalanceKinds()) {
    if (kind == BDK_StadiumCheap) continue;  // drawn with the Stadium's pictures
    int count = IsHouseKind(kind) ? 4 : kind == BDK_Office ? 3 : 1;
    bool optional = IsDecorationKind(kind);
    String folder = String("images/buildings/") + GetBuildingKindName(kind) + "/";
    for (int n = 1; n <= count; ++n)
      art.Buildings[kind][n - 1] = manager.LoadBitmap(Format("%s%02i", folder.CStr(), n), optional);
  }
  for (int n = 0; n < TownArt::MaxPictures; ++n) art.Buildings[BDK_StadiumCheap][n] = art.Buildings[BDK_Stadium][n];
  for (int frame = 0; frame < 8; ++frame) {
    art.ConstructionVan[frame] = manager.LoadBitmap(Format("images/cars/ConstructionVan/%02i", frame));
    art.WorkshopVan[frame] = manager.LoadBitmap(Format("images/cars/WorkshopVan/%02i", frame));
  }
  art.SpeedUpIcon = manager.LoadBitmap("images/IconAcceleration", true);
  art.OfficeVanIcon = manager.LoadBitmap("images/hud/InfoVan", true);
  art.OfficeSpeedUpIndicator = manager.LoadBitmap("images/buildings/IconSpeed", true);
}

}  // namespace Corvanta
