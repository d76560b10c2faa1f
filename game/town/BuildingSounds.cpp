#include "game/town/BuildingSounds.h"

#include "game/rules/BuildingKind.h"

namespace Corvanta {

const char* GetKindSound(int kind) {
  switch (kind) {
    case BDK_Bungalow:
    case BDK_BrickHouse:
    case BDK_TwoStorey:
    case BDK_Duplex: return "sounds/cottage.ogg";
    case BDK_Apartments: return "sounds/apartments.ogg";
    case BDK_Mansion:
    case BDK_Chateau: return "sounds/chateau.ogg";
    case BDK_Office: return "sounds/office.ogg";
    case BDK_Workshop: return "sounds/workshop.ogg";
    case BDK_Shop: return "sounds/shop.ogg";
    case BDK_AmusementPark: return "sounds/amusement.ogg";
    case BDK_Cinema: return "sounds/cinema.ogg";
    case BDK_Dealership: return "sounds/dealership.ogg";
    case BDK_Fountain: return "sounds/fountain.ogg";
    case BDK_Tree:
    case BDK_Park:
    case BDK_Statue: return "sounds/park.ogg";
    case BDK_ChineseGarden: return "sounds/chineseGarden.ogg";
    case BDK_Stadium:
    case BDK_StadiumCheap: return "sounds/stadium.ogg";
    default: return nullptr;
  }
}

}  // namespace Corvanta
