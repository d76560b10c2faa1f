// The building pictures "images/buildings/<Kind>/NN", NN = upgrade level + 1:
// four for the houses, three for the office, one for every other kind. The
// StadiumCheap kind is drawn with the Stadium's pictures, so it has none.
// Each picture also comes as it looks in the fall and under snow,
// "<Kind>/Decor/FallNN" and "<Kind>/Decor/SnowNN", of the same size (the
// picture itself is the spring and forest one). The amusement park, the
// cinema, the fountain and the wind farm also come as animation frames,
// "<Kind>/Animation/NN" (the cinema's "NNNN"), each the whole picture.
#include <cstdio>

#include "townart/BuildingShapes.h"
#include "townart/Pictures.h"

namespace TownArt {

namespace {

// What the season leaves on every plot: fallen leaves along the front in the
// fall, a bank of swept snow along the front in winter.
void SeasonTouches(Lot& lot, Landscape land, uint64_t seed) {
  cairo_t* cr = lot.Cr;
  Rng rng(seed);
  const double bandTop = lot.Y + lot.H * 0.78, bandBottom = lot.Y + lot.H - 2;
  if (land == LAND_Fall) {
    const LandPalette& pal = lot.Pal;
    for (int i = 0; i < int(lot.W * 0.35); ++i) {
      double x = rng.Range(lot.X + 2, lot.X + lot.W - 2), y = rng.Range(bandTop, bandBottom), rot = rng.Range(0, Pi);
      Colour c = rng.Next() < 0.3 ? Hex(0xC8452A) : Mix(pal.Foliage, pal.FoliageLight, rng.Next());
      cairo_save(cr);
      cairo_translate(cr, x, y);
      cairo_rotate(cr, rot);
      Fill(
          cr, [](cairo_t* k) { Ellipse(k, 0, 0, 1.7, 1.0); }, c, 0.95);
      cairo_restore(cr);
    }
    return;
  }
  for (double x = lot.X + 3; x < lot.X + lot.W - 6; x += rng.Range(8, 14)) {
    double w = rng.Range(6, 12), h = rng.Range(2.5, 4);
    Shade(
        cr, [=](cairo_t* k) { RoundedRect(k, x, bandBottom - h, w, h, h / 2); }, Hex(0xF4F8FC), 0.5, 0.1, 0.12);
  }
  for (int i = 0; i < int(lot.W * 0.3); ++i) {
    double x = rng.Range(lot.X + 2, lot.X + lot.W - 2), y = rng.Range(lot.Y + 2, lot.Y + lot.H - 2);
    Fill(
        cr, [=](cairo_t* k) { Ellipse(k, x, y, 0.9, 0.9); }, Hex(0xFFFFFF), 0.8);
  }
}

}  // namespace

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

Tools::Image DrawBuildingPicture(const BuildingShape& shape, int level, Landscape land, double phase) {
  Picture picture(shape.PictureWidth(), shape.PictureHeight());
  SetSnowyRoofs(PaletteOf(land).SnowOnTop);
  Lot lot{picture,
          picture.Cr(),
          double(SidePad),
          double(shape.Rise),
          shape.Columns * 40.0,
          shape.Rows * 40.0,
          level,
          PaletteOf(land),
          phase};
  shape.Draw(lot);
  if (land == LAND_Fall || land == LAND_Snow)
    SeasonTouches(lot, land, uint64_t(shape.Columns * 31 + shape.Rows * 7 + level));
  return picture.ToImage();
}

void AddBuildingPictures(Recipes& out) {
  for (const BuildingShape& shape : BuildingShapes()) {
    for (int level = 0; level < shape.Pictures; ++level) {
      char name[96];
      std::snprintf(name, sizeof name, "images/buildings/%s/%02i", shape.Name.c_str(), level + 1);
      const BuildingShape* s = &shape;
      out.push_back({name, [s, level] { return DrawBuildingPicture(*s, level); }});
      // The same building in the fall and under snow.
      for (Landscape land : {LAND_Fall, LAND_Snow}) {
        std::snprintf(name, sizeof name, "images/buildings/%s/Decor/%s%02i", shape.Name.c_str(), LandscapeName(land),
                      level + 1);
        out.push_back({name, [s, level, land] { return DrawBuildingPicture(*s, level, land); }});
      }
    }
  }
  AddBridgeFront(out);
  // The buildings that move: each frame is the whole picture at a moment of
  // the loop, of the picture's size, so it is drawn where the picture is.
  struct Animation {
    const char* Kind;
    const char* Format;
    int Frames;
  };
  const Animation animations[] = {
      {"AmusementPark", "images/buildings/AmusementPark/Animation/%02i", 15},
      {"Cinema", "images/buildings/Cinema/Animation/%04i", 40},
      {"Fountain", "images/buildings/Fountain/Animation/%02i", 14},
      {"WindPowerplant", "images/buildings/WindPowerplant/Animation/%02i", 20},
  };
  for (const Animation& animation : animations) {
    const BuildingShape* s = FindBuildingShape(animation.Kind);
    for (int f = 0; f < animation.Frames; ++f) {
      char name[96];
      std::snprintf(name, sizeof name, animation.Format, f);
      double phase = f / double(animation.Frames);
      out.push_back({name, [s, phase] { return DrawBuildingPicture(*s, 0, LAND_Forest, phase); }});
    }
  }
}

}  // namespace TownArt
