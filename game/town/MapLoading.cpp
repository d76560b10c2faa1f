// Map: filling a new map from its level file or a saved game's buildings.

#include <utility>
#include <vector>

#include "game/rules/BackgroundTiles.h"
#include "game/rules/Balance.h"
#include "game/rules/LevelFile.h"
#include "game/town/Building.h"
#include "game/town/BuildingFactory.h"
#include "game/town/Map.h"
#include "game/town/MapDecor.h"
#include "tessel/Exception.h"
#include "tessel/resources/Bitmap.h"
#include "tessel/resources/ResourceManager.h"

using namespace Tessel;

namespace Corvanta {

void Map::LoadLevel(const LevelFile& level) {
  try {
    LevelName = level.LevelName;
    SquaresOffset = level.SquaresOffset;
    DecorSetting = level.Decor;
    BankAccount = level.GetStartingBankAccount(Balance::Current().StartingBankAccount);
    SetSize(level.Columns, level.Rows);
    Playground = level.Playground;
    float width = level.BackgroundSize.X > 0 ? static_cast<float>(level.BackgroundSize.X)
                                             : static_cast<float>(SquaresOffset.X + Columns * MapSquare::Size);
    float height = level.BackgroundSize.Y > 0 ? static_cast<float>(level.BackgroundSize.Y)
                                              : static_cast<float>(SquaresOffset.Y + Rows * MapSquare::Size);
    Widget::SetSize(width, height);

    if (Resources && !level.BackgroundImage.IsEmpty()) {
      TESSEL_ASSERT(BackgroundImages.IsEmpty());
      // Each image is decoded once: the layout asks for the tiles it keeps.
      std::vector<std::pair<String, Bitmap*>> loaded;
      auto load = [&](const String& name) -> Bitmap* {
        for (const auto& [known, image] : loaded)
          if (known == name) return image;
        loaded.emplace_back(name, Resources->LoadBitmap(name, true));
        return loaded.back().second;
      };
      BackgroundTiles tiles =
          LayOutBackgroundTiles(level.BackgroundImage, [&](const String& name) { return load(name) != nullptr; });
      BackgroundColumns = tiles.Columns;
      BackgroundRows = tiles.Rows;
      BackgroundTileNames = tiles.Names;
      for (const String& name : tiles.Names) BackgroundImages.Add(load(name));
    }

    // The level file has checked that every square lies on the grid.
    for (const Point& p : level.Roads) GetSquare(p.X, p.Y)->IsRoad = true;
    for (const Point& p : level.Forbidden) GetSquare(p.X, p.Y)->IsForbidden = true;
    for (const Point& p : level.Premium) GetSquare(p.X, p.Y)->IsPremium = true;

    for (const LevelBuilding& record : level.Buildings) {
      Building* building = CreateBuilding(record.Kind);
      if (!building) continue;
      AddEntity(building);
      building->LoadFromLevel(record);
      PlaceBuilding(building, record.Square.X, record.Square.Y, false);
      if (record.IsConstructionRequired) {
        BuildingKind Kind = building->Kind;
        TESSEL_ASSERT(Kind != BDK_Office);
        building->StartJob(JOB_Construct, false);
        // The level gave the site: a cancel refunds nothing that was not paid.
        building->JobCost = 0;
      }
    }

    for (const LevelDecor& record : level.Decors) {
      Bitmap* image =
          Resources && !record.Prop.Image.IsEmpty() ? Resources->LoadBitmap(record.Prop.Image, true) : nullptr;
      AddEntity(new MapDecor(record.Prop, record.Position, image));
    }
  }
  TESSEL_TRACE("Map::LoadFromFile")
}

Building* Map::RestoreBuilding(BuildingKind kind, const BuildingSaveRecord& record) {
  Building* building = CreateBuilding(kind);
  if (!building) return nullptr;
  AddEntity(building);
  building->ReadSave(record);
  PlaceBuilding(building, record.SquareX, record.SquareY, false);
  // A job in progress starts again from the beginning and waits for vans;
  // its money was paid before the game was saved. A job the town started
  // as the building was placed (a workshop beside a broken house repairs
  // it) stands in for the saved one.
  if (record.JobRequired != JOB_None && !building->HasJob()) building->StartJob(record.JobRequired, false);
  building->SetLevel(record.Level);
  return building;
}

}  // namespace Corvanta
