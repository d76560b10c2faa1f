#include "game/rules/BuildingKind.h"

#include "game/rules/NameCompare.h"

namespace Corvanta {

using namespace Tessel;

namespace {

struct KindInfo {
  BuildingKind Kind;
  const char* Name;
  BuildingFootprint Footprint;
};

constexpr KindInfo Kinds[] = {
    {BDK_Bungalow, "Bungalow", {3, 3}},
    {BDK_BrickHouse, "BrickHouse", {3, 3}},
    {BDK_TwoStorey, "TwoStorey", {3, 3}},
    {BDK_Duplex, "Duplex", {3, 2}},
    {BDK_Apartments, "Apartments", {3, 3}},
    {BDK_Mansion, "Mansion", {4, 2}},
    {BDK_Chateau, "Chateau", {4, 3}},
    {BDK_Office, "Office", {3, 2}},
    {BDK_Workshop, "Workshop", {2, 2}},
    {BDK_Shop, "Shop", {2, 2}},
    {BDK_AmusementPark, "AmusementPark", {3, 3}},
    {BDK_Cinema, "Cinema", {4, 3}},
    {BDK_Dealership, "Dealership", {4, 3}},
    {BDK_Tree, "Tree", {1, 1}},
    {BDK_Fountain, "Fountain", {1, 1}},
    {BDK_Park, "Park", {2, 2}},
    {BDK_Statue, "Statue", {2, 2}},
    {BDK_ChineseGarden, "ChineseGarden", {3, 3}},
    {BDK_Bridge, "Bridge", {4, 1}},
    {BDK_Stadium, "Stadium", {5, 4}},
    {BDK_SteelWorks, "SteelWorks", {5, 5}},
    {BDK_WindPowerplant, "WindPowerplant", {7, 6}},
    {BDK_Airport, "Airport", {12, 3}},
    {BDK_Hotel, "Hotel", {5, 4}},
    {BDK_StadiumCheap, "StadiumCheap", {5, 4}},
};
constexpr int NumKinds = sizeof(Kinds) / sizeof(Kinds[0]);
static_assert(NumKinds == 25);

constexpr BuildingKind BalanceKinds[] = {
    BDK_Bungalow, BDK_BrickHouse, BDK_TwoStorey, BDK_Duplex, BDK_Apartments, BDK_Mansion, BDK_Chateau,
    BDK_Office, BDK_Workshop, BDK_Shop, BDK_AmusementPark, BDK_Cinema, BDK_Dealership, BDK_Tree,
    BDK_Fountain, BDK_Park, BDK_Statue, BDK_ChineseGarden, BDK_Bridge, BDK_Stadium, BDK_SteelWorks,
    BDK_WindPowerplant, BDK_Airport, BDK_Hotel, BDK_StadiumCheap,
};

const KindInfo* FindKind(int kind) {
  for (const KindInfo& info : Kinds)
    if (info.Kind == kind) return &info;
  return nullptr;
}

}  // namespace

std::span<const BuildingKind> GetBalanceKinds() { return BalanceKinds; }

BuildingKind BuildingKindFromName(std::string_view name) {
  if (EqualsNoCase(name, "Any")) return BDK_Any;
  if (EqualsNoCase(name, "TutorialMarker")) return BDK_TutorialMarker;
  for (const KindInfo& info : Kinds)
    if (EqualsNoCase(name, info.Name)) return info.Kind;
  return BDK_Unknown;
}

BuildingKind BuildingKindFromName(std::u16string_view name) {
  if (EqualsNoCase(name, "Any")) return BDK_Any;
  if (EqualsNoCase(name, "TutorialMarker")) return BDK_TutorialMarker;
  for (const KindInfo& info : Kinds)
    if (EqualsNoCase(name, info.Name)) return info.Kind;
  return BDK_Unknown;
}

BuildingKind BuildingKindFromName(const String& name) { return BuildingKindFromName(name.View()); }

const char* GetBuildingKindName(int kind) {
  if (kind == BDK_Any) return "Any";
  if (kind == BDK_TutorialMarker) return "TutorialMarker";
  const KindInfo* info = FindKind(kind);
  return info ? info->Name : nullptr;
}

bool HasBalanceRecord(int kind) { return FindKind(kind) != nullptr; }

String GetKindTitleKey(int kind) {
  const KindInfo* info = FindKind(kind == BDK_StadiumCheap ? BDK_Stadium : kind);
  return info ? String("Hud.Info.") + info->Name : String();
}

String GetKindDescriptionKey(int kind) {
  const KindInfo* info = FindKind(kind == BDK_StadiumCheap ? BDK_Stadium : kind);
  return info ? String("Hud.Info.Description.") + info->Name : String();
}

BuildingFootprint GetBuildingFootprint(int kind) {
  const KindInfo* info = FindKind(kind);
  return info ? info->Footprint : BuildingFootprint{};
}

}  // namespace Corvanta
