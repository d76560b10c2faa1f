#pragma once
// BuildingKind: what a building is, shared by the whole simulation.
//
// The numbers are written into saved games and index the per-kind tables
// (images, balance records), so they never change; the gaps are unused.
// The file names are the names that balance, level, goal and script files
// use for the kinds.

#include <cstdint>
#include <span>
#include <string_view>

#include "tessel/Strings.h"

namespace Corvanta {

enum BuildingKind : int32_t {
  BDK_Unknown = -2,
  BDK_Any = -1,  // wildcard of goals and scripts
  BDK_Bungalow = 0,
  BDK_BrickHouse = 1,
  BDK_TwoStorey = 2,
  BDK_Duplex = 3,
  BDK_Apartments = 4,
  BDK_Mansion = 5,
  BDK_Chateau = 6,
  BDK_Office = 15,
  BDK_Workshop = 16,
  BDK_Shop = 20,
  BDK_AmusementPark = 21,
  BDK_Cinema = 22,
  BDK_Dealership = 23,
  BDK_Tree = 25,
  BDK_Fountain = 26,
  BDK_Park = 27,
  BDK_Statue = 28,
  BDK_ChineseGarden = 29,
  BDK_Bridge = 30,
  BDK_Stadium = 31,
  BDK_SteelWorks = 32,
  BDK_WindPowerplant = 33,
  BDK_Airport = 34,
  BDK_Hotel = 35,
  BDK_StadiumCheap = 36,
  BDK_TutorialMarker = 50,
};

// Kinds 0..36 index the per-kind tables (images, balance records).
constexpr int BDK_NumTableKinds = 37;

// The 25 kinds that have a name below 37: each has a balance record.
std::span<const BuildingKind> GetBalanceKinds();

// Case-insensitive; "Any" gives BDK_Any, "TutorialMarker" BDK_TutorialMarker,
// anything that is no kind's name BDK_Unknown.
BuildingKind BuildingKindFromName(std::string_view name);
BuildingKind BuildingKindFromName(std::u16string_view name);
BuildingKind BuildingKindFromName(const Tessel::String& name);

// The file name of a kind ("Bungalow"), or null for a number that is no kind
// (BDK_Any gives "Any").
const char* GetBuildingKindName(int kind);

// The groups the simulation tests kinds against.
constexpr bool IsHouseKind(int kind) { return kind >= BDK_Bungalow && kind <= BDK_Chateau; }
constexpr bool IsCommercialKind(int kind) { return kind >= BDK_Shop && kind <= BDK_Dealership; }
constexpr bool IsCommercialOrWorkshopKind(int kind) { return IsCommercialKind(kind) || kind == BDK_Workshop; }
constexpr bool IsDecorationKind(int kind) { return kind >= BDK_Tree && kind <= BDK_ChineseGarden; }
constexpr bool IsSpecialKind(int kind) { return kind >= BDK_Bridge && kind <= BDK_StadiumCheap; }

// True for the kinds with a balance record (the named kinds 0..36).
bool HasBalanceRecord(int kind);

// The highest upgrade level of a kind: 3 for houses, 2 for the office, else 0.
constexpr int GetNumUpgrades(int kind) { return IsHouseKind(kind) ? 3 : kind == BDK_Office ? 2 : 0; }

// The text keys of a kind's title and description ("Hud.Info.Bungalow",
// "Hud.Info.Description.Bungalow"); StadiumCheap uses the Stadium texts.
// Empty for kinds without texts.
Tessel::String GetKindTitleKey(int kind);
Tessel::String GetKindDescriptionKey(int kind);

// The squares a building of the kind covers, from its anchor square to the
// right and down; 0 x 0 for kinds that are no building.
struct BuildingFootprint {
  int Width = 0;
  int Height = 0;
  bool operator==(const BuildingFootprint&) const = default;
};
BuildingFootprint GetBuildingFootprint(int kind);

}  // namespace Corvanta
