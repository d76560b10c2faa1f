#pragma once
// Every town picture the tool can draw, by its name in the game
// ("images/Roads/Forest", "images/buildings/Bungalow/01"). Names are written
// as the game's catalogue spells them, folder case included. Each family of
// pictures adds its recipes from its own file.

#include <functional>
#include <string>
#include <vector>

#include "common/Image.h"

namespace TownArt {

struct PictureRecipe {
  std::string Name;
  std::function<Tools::Image()> Draw;
};

using Recipes = std::vector<PictureRecipe>;

const Recipes& AllPictures();

void AddRoadPictures(Recipes& out);        // Roads.cpp
void AddGroundPictures(Recipes& out);      // Ground.cpp: grass, water, premium, borders, pits
void AddBackgroundPictures(Recipes& out);  // Backgrounds.cpp: the levels' landscapes
void AddBuildingPictures(Recipes& out);    // Buildings.cpp: every kind and level
void AddSitePictures(Recipes& out);        // Sites.cpp: construction and demolition frames
void AddIconPictures(Recipes& out);        // Icons.cpp: status icons and overlays
void AddPropPictures(Recipes& out);        // Props.cpp: the levels' decoration props
void AddVehiclePictures(Recipes& out);     // Vehicles.cpp: vans, cars, the taxi
void AddPeoplePictures(Recipes& out);      // People.cpp: pedestrians
void AddEffectPictures(Recipes& out);      // Effects.cpp: explosion, fireworks, dollar

}  // namespace TownArt
