#pragma once
// The building kinds the town draws: each kind's folder name, footprint in
// squares, number of pictures (upgrade levels) and how far its tallest
// picture rises above the footprint.
//
// A building picture is (Columns x 40 + 2 x SidePad) x (Rows x 40 + 2 x
// Rise) pixels with the footprint in its middle: the map centres a
// building's picture on its footprint, so what rises above the footprint is
// balanced by as much room below it, where the shadow falls.

#include <string>
#include <vector>

#include "townart/Architecture.h"
#include "townart/Pictures.h"

namespace TownArt {

constexpr int SidePad = 6;

struct BuildingShape {
  std::string Name;  // the folder under images/buildings/
  int Columns, Rows, Pictures, Rise;
  void (*Draw)(Lot& lot);
  int PictureWidth() const { return Columns * 40 + 2 * SidePad; }
  int PictureHeight() const { return Rows * 40 + 2 * Rise; }
};

const std::vector<BuildingShape>& BuildingShapes();
const BuildingShape* FindBuildingShape(const std::string& name);

// Draws the kind's picture for an upgrade level (0-based) in a landscape.
Tools::Image DrawBuildingPicture(const BuildingShape& shape, int level, Landscape land = LAND_Forest, double phase = 0);

// The kinds' drawings, by family.
void DrawBungalow(Lot& lot);
void DrawBrickHouse(Lot& lot);
void DrawTwoStorey(Lot& lot);
void DrawDuplex(Lot& lot);
void DrawApartments(Lot& lot);
void DrawMansion(Lot& lot);
void DrawChateau(Lot& lot);
void DrawOffice(Lot& lot);
void DrawWorkshop(Lot& lot);
void DrawShop(Lot& lot);
void DrawAmusementPark(Lot& lot);
void DrawCinema(Lot& lot);
void DrawDealership(Lot& lot);
void DrawTreeKind(Lot& lot);
void DrawFountain(Lot& lot);
void DrawPark(Lot& lot);
void DrawStatue(Lot& lot);
void DrawChineseGarden(Lot& lot);
void DrawBridge(Lot& lot);
void DrawStadium(Lot& lot);
void DrawSteelWorks(Lot& lot);
void DrawWindPowerplant(Lot& lot);
void DrawAirport(Lot& lot);
void DrawHotel(Lot& lot);
// The bridge's front parapet, "images/buildings/Bridge/Front" (Specials.cpp).
void AddBridgeFront(Recipes& out);

}  // namespace TownArt
