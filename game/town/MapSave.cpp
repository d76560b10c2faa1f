// Map: the saved game. The whole town that matters is one record: the level,
// its background, the money and the clock, the scripts' switches, the
// squares, the buildings, the goals and the decorations. A continued level
// runs without its scripts; vans, cars, walkers, break timers and job
// progress start afresh.

#include <algorithm>
#include <cmath>
#include <memory>

#include "game/rules/LevelFile.h"
#include "game/rules/PropCatalogue.h"
#include "game/town/Building.h"
#include "game/town/BuildingFactory.h"
#include "game/town/Map.h"
#include "game/town/MapDecor.h"
#include "game/town/MapGoal.h"
#include "game/town/Office.h"
#include "game/town/SaveStream.h"
#include "tessel/Exception.h"
#include "tessel/Format.h"
#include "tessel/resources/ResourceManager.h"

using namespace Tessel;

namespace Corvanta {

namespace {

constexpr int NumDecorSettings = 5;  // Fall, Forest, Snow, Spring, Tropic
constexpr int MaxBackgroundTiles = 4096;

// A value a saved game of this game cannot hold: the file is refused whole.
void Require(bool condition, const char* what) {
  if (!condition) throw SaveFormatException(Format("Damaged save file: %s.", what));
}

float ReadFinite(SaveReader& in, const char* what) {
  float value = in.ReadFloat();
  Require(std::isfinite(value), what);
  return value;
}

void WriteBuildingRecord(SaveWriter& out, const BuildingSaveRecord& record) {
  out.WriteStr8(record.Id);
  out.WriteInt32(record.Level);
  out.WriteInt32(record.SquareX);
  out.WriteInt32(record.SquareY);
  out.WriteInt32(record.JobRequired);
  out.WriteFloat(record.SaleTimer);
  out.WriteInt32(record.Price);
  out.WriteFloat(record.StayOfferedForSaleFixedDuration);
  out.WriteBool(record.IsPreview);
  out.WriteBool(record.IsBroken);
  out.WriteBool(record.WasBought);
  out.WriteBool(record.IsRival);
  out.WriteBool(record.IsUnmarketable);
  out.WriteBool(record.IsUndemolishable);
}

BuildingSaveRecord ReadBuildingRecord(SaveReader& in) {
  BuildingSaveRecord record;
  record.Id = in.ReadStr8();
  record.Level = in.ReadInt32();
  record.SquareX = in.ReadInt32();
  record.SquareY = in.ReadInt32();
  int job = in.ReadInt32();
  Require(job >= JOB_None && job <= JOB_Demolish, "a building's job");
  record.JobRequired = static_cast<JobKind>(job);
  record.SaleTimer = ReadFinite(in, "a building's sale timer");
  record.Price = in.ReadInt32();
  Require(record.Price >= 0 && record.Price <= Map::MaxMoney, "a building's price");
  record.StayOfferedForSaleFixedDuration = ReadFinite(in, "a building's offer duration");
  record.IsPreview = in.ReadBool();
  record.IsBroken = in.ReadBool();
  record.WasBought = in.ReadBool();
  record.IsRival = in.ReadBool();
  record.IsUnmarketable = in.ReadBool();
  record.IsUndemolishable = in.ReadBool();
  return record;
}

bool IsSavedBuildingKind(int kind) { return kind == BDK_Office || (kind >= 0 && HasBalanceRecord(kind)); }

}  // namespace

void Map::WriteSave(SaveWriter& out) const {
  out.WriteInt16(SaveVersion);
  out.WriteStr8(LevelName);
  out.WriteInt32(BackgroundColumns);
  out.WriteInt32(BackgroundRows);
  for (int i = 0; i < BackgroundColumns * BackgroundRows; ++i)
    out.WriteStr8(i < BackgroundTileNames.GetSize() ? BackgroundTileNames[i] : String());
  out.WriteFloat(X);
  out.WriteFloat(Y);
  out.WriteFloat(Width);
  out.WriteFloat(Height);
  out.WriteInt32(Playground.X);
  out.WriteInt32(Playground.Y);
  out.WriteInt32(Playground.Width);
  out.WriteInt32(Playground.Height);
  out.WriteInt32(SquaresOffset.X);
  out.WriteInt32(SquaresOffset.Y);
  out.WriteInt32(DecorSetting);

  out.WriteInt32(BankAccount);
  out.WriteInt32(WinBankAccount);
  out.WriteFloat(GameTime);
  out.WriteFloat(PayDayProgress);
  out.WriteInt32(Day);
  out.WriteInt32(ExpertDays);
  out.WriteFloat(RivalsBeforeSellTimerSpeed);
  out.WriteInt32(MaxBuildingUpgradeLevel);
  out.WriteBool(BuildingsCanGetBroken);
  out.WriteBool(HousesGenerateBonuses);
  out.WriteBool(BuildingsCanBeSelled);
  out.WriteBool(CanCancelRepair);
  out.WriteBool(CanCancelSale);
  out.WriteBool(IsWon);
  out.WriteBool(VictoryHandled);

  out.WriteInt32(Columns);
  out.WriteInt32(Rows);
  for (const MapSquare& square : Squares) {
    out.WriteBool(square.IsRoad);
    out.WriteBool(square.IsForbidden);
    out.WriteBool(square.IsPremium);
  }

  out.WriteInt32(Buildings.GetSize());
  for (const Building* building : Buildings) {
    out.WriteInt32(building->Kind);
    BuildingSaveRecord record;
    building->WriteSave(record);
    WriteBuildingRecord(out, record);
    if (const Office* office = dynamic_cast<const Office*>(building)) {
      OfficeSaveRecord tail;
      office->WriteOfficeSave(tail);
      out.WriteInt32(tail.VanCount);
      out.WriteBool(tail.SpeedUpActive);
      out.WriteFloat(tail.SpeedUpTimer);
    }
  }

  WriteGoals(*this, out);

  out.WriteInt32(Decors.GetSize());
  for (const MapDecor* decor : Decors) {
    out.WriteStr8(decor->Prop.Name);
    out.WriteInt32(decor->MapPosition.X);
    out.WriteInt32(decor->MapPosition.Y);
  }
}

void Map::ReadSave(SaveReader& in) {
  try {
    if (in.GetRemaining() < 2 || in.ReadInt16() != SaveVersion) throw Exception("Incorrect save file version.");
    LevelName = in.ReadStr8();

    int tileColumns = in.ReadInt32();
    int tileRows = in.ReadInt32();
    Require(tileColumns >= 0 && tileRows >= 0 && tileColumns <= MaxBackgroundTiles && tileRows <= MaxBackgroundTiles &&
                tileColumns * tileRows <= MaxBackgroundTiles,
            "the background's tiles");
    BackgroundColumns = tileColumns;
    BackgroundRows = tileRows;
    for (int i = 0; i < tileColumns * tileRows; ++i) {
      String name = in.ReadStr8();
      BackgroundTileNames.Add(name);
      BackgroundImages.Add(Resources && !name.IsEmpty() ? Resources->LoadBitmap(name, true) : nullptr);
    }

    float x = ReadFinite(in, "the map's position");
    float y = ReadFinite(in, "the map's position");
    float width = ReadFinite(in, "the map's size");
    float height = ReadFinite(in, "the map's size");
    Require(width >= 0 && height >= 0, "the map's size");
    Rect playground;
    playground.X = in.ReadInt32();
    playground.Y = in.ReadInt32();
    playground.Width = in.ReadInt32();
    playground.Height = in.ReadInt32();
    SquaresOffset.X = in.ReadInt32();
    SquaresOffset.Y = in.ReadInt32();
    DecorSetting = in.ReadInt32();
    Require(DecorSetting >= 0 && DecorSetting < NumDecorSettings, "the landscape");

    BankAccount = in.ReadInt32();
    Require(BankAccount >= 0 && BankAccount <= MaxMoney, "the bank account");
    WinBankAccount = in.ReadInt32();
    GameTime = ReadFinite(in, "the game time");
    PayDayProgress = ReadFinite(in, "the day's progress");
    Require(GameTime >= 0 && PayDayProgress >= 0 && PayDayProgress <= 1, "the game clock");
    Day = in.ReadInt32();
    Require(Day >= 0 && Day <= MaxDay, "the day");
    ExpertDays = in.ReadInt32();
    RivalsBeforeSellTimerSpeed = ReadFinite(in, "the rivals' speed");
    MaxBuildingUpgradeLevel = in.ReadInt32();
    BuildingsCanGetBroken = in.ReadBool();
    HousesGenerateBonuses = in.ReadBool();
    BuildingsCanBeSelled = in.ReadBool();
    CanCancelRepair = in.ReadBool();
    CanCancelSale = in.ReadBool();
    IsWon = in.ReadBool();
    VictoryHandled = in.ReadBool();

    int columns = in.ReadInt32();
    int rows = in.ReadInt32();
    Require(columns >= 1 && rows >= 1 && columns <= LevelFile::MaxGridSize && rows <= LevelFile::MaxGridSize,
            "the grid's size");
    Require(playground.X >= 0 && playground.Y >= 0 && playground.Width >= 1 && playground.Height >= 1 &&
                playground.X <= columns - playground.Width && playground.Y <= rows - playground.Height,
            "the playground");
    // Three bytes a square must still be there before the grid is made.
    Require(static_cast<size_t>(columns) * static_cast<size_t>(rows) * 3 <= in.GetRemaining(),
            "the squares are cut off");
    SetSize(columns, rows);
    Playground = playground;
    Widget::SetRect(x, y, width, height);
    for (MapSquare& square : Squares) {
      square.IsRoad = in.ReadBool();
      square.IsForbidden = in.ReadBool();
      square.IsPremium = in.ReadBool();
    }

    int buildingCount = in.ReadInt32();
    Require(buildingCount >= 0 && buildingCount <= columns * rows, "the building count");
    for (int i = 0; i < buildingCount; ++i) {
      int kindNumber = in.ReadInt32();
      Require(IsSavedBuildingKind(kindNumber), "a building's kind");
      BuildingKind kind = static_cast<BuildingKind>(kindNumber);
      BuildingSaveRecord record = ReadBuildingRecord(in);
      Require(record.Level >= 0 && record.Level <= GetNumUpgrades(kind), "a building's level");
      OfficeSaveRecord tail;
      if (kind == BDK_Office) {
        Require(!TheOffice, "a second office");
        tail.VanCount = in.ReadInt32();
        Require(tail.VanCount >= 0 && tail.VanCount <= Office::MaxVans, "the office's vans");
        tail.SpeedUpActive = in.ReadBool();
        tail.SpeedUpTimer = ReadFinite(in, "the office's speed-up");
      }
      // The anchor lies on the grid and every square of the footprint that
      // does is free (a building at the grid's edge covers what it can).
      Require(record.SquareX >= 0 && record.SquareY >= 0 && record.SquareX < columns && record.SquareY < rows,
              "a building outside the grid");
      BuildingFootprint size = GetBuildingFootprint(kind);
      for (int sy = record.SquareY; sy < std::min(rows, record.SquareY + size.Height); ++sy)
        for (int sx = record.SquareX; sx < std::min(columns, record.SquareX + size.Width); ++sx)
          Require(GetSquare(sx, sy)->Entity == nullptr, "two buildings on one square");
      Building* building = RestoreBuilding(kind, record);
      if (kind == BDK_Office) static_cast<Office*>(building)->ReadOfficeSave(tail);
    }
    Require(TheOffice != nullptr, "the town has no office");

    ReadGoals(*this, in);

    int decorCount = in.ReadInt32();
    Require(decorCount >= 0 && static_cast<size_t>(decorCount) * 12 <= in.GetRemaining(), "the decoration count");
    for (int i = 0; i < decorCount; ++i) {
      String name = in.ReadStr8();
      Point position;
      position.X = in.ReadInt32();
      position.Y = in.ReadInt32();
      // A prop the game no longer has is left out.
      const DecorProp* prop = PropCatalogue::Current().Find(name);
      if (!prop) continue;
      Bitmap* image = Resources && !prop->Image.IsEmpty() ? Resources->LoadBitmap(prop->Image, true) : nullptr;
      AddEntity(new MapDecor(*prop, position, image));
    }

    Start();
  }
  TESSEL_TRACE("Map::ReadSave")
}

}  // namespace Corvanta
