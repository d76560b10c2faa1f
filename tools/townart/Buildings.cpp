// The building pictures "images/buildings/<Kind>/NN", NN = upgrade level + 1:
// four for the houses, three for the office, one for every other kind. The
// StadiumCheap kind is drawn with the Stadium's pictures, so it has none.
#include <cstdio>

#include "townart/BuildingShapes.h"
#include "townart/Pictures.h"

namespace TownArt {

const std::vector<BuildingShape>& BuildingShapes() {
  static const std::vector<BuildingShape> shapes = {
      {"Bungalow", 3, 3, 4, 16, DrawBungalow},
      {"BrickHouse", 3, 3, 4, 24, DrawBrickHouse},
      {"TwoStorey", 3, 3, 4, 32, DrawTwoStorey},
      {"Duplex", 3, 2, 4, 28, DrawDuplex},
      {"Apartments", 3, 3, 4, 64, DrawApartments},
      {"Mansion", 4, 2, 4, 32, DrawMansion},
      {"Chateau", 4, 3, 4, 52, DrawChateau},
      {"Office", 3, 2, 3, 64, DrawOffice},
      {"Workshop", 2, 2, 1, 24, DrawWorkshop},
      {"Shop", 2, 2, 1, 24, DrawShop},
      {"AmusementPark", 3, 3, 1, 56, DrawAmusementPark},
      {"Cinema", 4, 3, 1, 40, DrawCinema},
      {"Dealership", 4, 3, 1, 32, DrawDealership},
      {"Tree", 1, 1, 1, 32, DrawTreeKind},
      {"Fountain", 1, 1, 1, 16, DrawFountain},
      {"Park", 2, 2, 1, 24, DrawPark},
      {"Statue", 2, 2, 1, 40, DrawStatue},
      {"ChineseGarden", 3, 3, 1, 40, DrawChineseGarden},
      {"Bridge", 4, 1, 1, 16, DrawBridge},
      {"Stadium", 5, 4, 1, 32, DrawStadium},
      {"SteelWorks", 5, 5, 1, 72, DrawSteelWorks},
      {"WindPowerplant", 7, 6, 1, 80, DrawWindPowerplant},
      {"Airport", 12, 3, 1, 40, DrawAirport},
      {"Hotel", 5, 4, 1, 100, DrawHotel},
  };
  return shapes;
}

const BuildingShape* FindBuildingShape(const std::string& name) {
  for (const BuildingShape& shape : BuildingShapes())
    if (shape.Name == name) return &shape;
  return nullptr;
}

Tools::Image DrawBuildingPicture(const BuildingShape& shape, int level, Landscape land) {
  Picture picture(shape.PictureWidth(), shape.PictureHeight());
  Lot lot{picture, picture.Cr(), double(SidePad), double(shape.Rise), shape.Columns * 40.0, shape.Rows * 40.0, level,
          PaletteOf(land)};
  shape.Draw(lot);
  return picture.ToImage();
}

void AddBuildingPictures(Recipes& out) {
  for (const BuildingShape& shape : BuildingShapes()) {
    for (int level = 0; level < shape.Pictures; ++level) {
      char name[96];
      std::snprintf(name, sizeof name, "images/buildings/%s/%02i", shape.Name.c_str(), level + 1);
      const BuildingShape* s = &shape;
      out.push_back({name, [s, level] { return DrawBuildingPicture(*s, level); }});
    }
  }
  AddBridgeFront(out);
}

}  // namespace TownArt
