// Maps filled from level files: the shipped levels and small ones written
// here; the start of a level; the same run twice ends the same way.

#include "game/rules/LevelFile.h"
#include "game/rules/PropCatalogue.h"
#include "game/town/MapDecor.h"
#include "tessel/text/LocalizedText.h"
#include "tessel/xml/XmlReader.h"
#include "town/TownTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class LevelMap : public TownTest {
protected:
  static void SetUpTestSuite() {
    Props = new PropCatalogue(PropCatalogue::Load(CORVANTA_DATA_DIR "/Props.xml"));
    Texts = new Tessel::LocalizedText();
    Texts->Load(CORVANTA_DATA_DIR "/Text.csv", "English");
  }
  static void TearDownTestSuite() {
    delete Props;
    delete Texts;
  }
  LevelFile LoadShipped(const char* name) {
    return LevelFile::Load(Tessel::String(CORVANTA_DATA_DIR "/levels/") + name + ".xml", *Props, *Texts);
  }
  LevelFile ReadLevel(const std::string& text) {
    Tessel::XmlReader xml = Tessel::XmlReader::FromBytes(text, Tessel::String("levels/Test.xml"));
    return LevelFile::Read(xml, *Props, *Texts);
  }
  void LoadAndStart(const LevelFile& level) {
    map->LoadLevel(level);
    map->Start();
  }
  Building* FindById(const char* id) {
    for (Building* building : map->Buildings)
      if (building->Id == id) return building;
    return nullptr;
  }

  static PropCatalogue* Props;
  static Tessel::LocalizedText* Texts;
};

PropCatalogue* LevelMap::Props = nullptr;
Tessel::LocalizedText* LevelMap::Texts = nullptr;

TEST_F(LevelMap, MeadowbrookStandsAsItsFileDescribesIt) {
  LoadAndStart(LoadShipped("Meadowbrook"));
  EXPECT_EQ(map->LevelName, "Meadowbrook");
  EXPECT_EQ(map->Columns, 25);
  EXPECT_EQ(map->Rows, 17);
  EXPECT_EQ(map->Playground, (Tessel::Rect{1, 1, 23, 15}));
  EXPECT_EQ(map->BankAccount, 20000);
  EXPECT_EQ(map->GetRect(), (Tessel::RectF{0, 0, 1024, 768}));
  ASSERT_NE(map->TheOffice, nullptr);
  EXPECT_EQ(map->TheOffice->Square, map->GetSquare(2, 6));
  EXPECT_EQ(map->Buildings.GetSize(), 4);
  EXPECT_EQ(map->Decors.GetSize(), 6);
  EXPECT_TRUE(map->GetSquare(12, 2)->IsRoad);
  EXPECT_TRUE(map->GetSquare(19, 2)->IsForbidden);
  EXPECT_FALSE(map->GetSquare(19, 2)->CanRoad);
  EXPECT_TRUE(map->GetSquare(17, 5)->IsPremium);
  EXPECT_FALSE(map->GetSquare(0, 0)->CanBuild);  // outside the playground
  Building* neighbour = FindById("neighbour");
  ASSERT_NE(neighbour, nullptr);
  EXPECT_TRUE(neighbour->IsRival);
  EXPECT_EQ(neighbour->SalePriority, 2);
  EXPECT_TRUE(neighbour->IsConnected);
  EXPECT_FALSE(neighbour->IsNewShown);
  EXPECT_FLOAT_EQ(neighbour->NewTimer, 0);
  EXPECT_TRUE(map->TheOffice->IsUndemolishable);
  EXPECT_FALSE(map->CanBeScrolled);
}

TEST_F(LevelMap, HarboursideIsLargerThanTheWindowAndCentredOnTheOffice) {
  LoadAndStart(LoadShipped("Harbourside"));
  EXPECT_TRUE(map->CanBeScrolled);
  // The office at 4 4 lies near the top-left corner: centring it would
  // scroll past the map's edge (512 - 232, 384 - 236), so the view stays at 0 0.
  EXPECT_EQ(map->ScrollOffset, (Tessel::Vector2{0, 0}));
  Building* rivalHouse = FindById("rivalHouse");
  ASSERT_NE(rivalHouse, nullptr);
  EXPECT_EQ(rivalHouse->Level, 1);
  EXPECT_TRUE(rivalHouse->IsBroken);
  EXPECT_TRUE(rivalHouse->IsRival);
  Building* park = nullptr;
  for (Building* building : map->Buildings)
    if (building->Kind == BDK_Park) park = building;
  ASSERT_NE(park, nullptr);
  EXPECT_TRUE(park->IsUndemolishable);
  // The level's buildings beside a road reach the office.
  for (const char* id : {"workshop", "rivalDuplex", "rivalHouse", "harbourShop"}) {
    ASSERT_NE(FindById(id), nullptr) << id;
    EXPECT_TRUE(FindById(id)->IsConnected) << id;
  }
  // Decorations want no road.
  for (Building* building : map->Buildings) {
    if (IsDecorationKind(building->Kind)) {
      EXPECT_FALSE(building->NeedsRoad);
    }
  }
}

TEST_F(LevelMap, EntitiesAreSortedByDrawOrderWithUnderlayPropsFirst) {
  LoadAndStart(LoadShipped("Meadowbrook"));
  int previous = INT32_MIN;
  int underlays = 0;
  bool sawOther = false;
  for (Tessel::Widget* child = map->GetFirstChild(); child; child = child->GetNextSibling()) {
    auto* entity = static_cast<MapEntity*>(child);
    EXPECT_LE(previous, entity->GetDrawOrder());
    previous = entity->GetDrawOrder();
    auto* decor = dynamic_cast<MapDecor*>(entity);
    if (decor && decor->Prop.IsUnderlay()) {
      ++underlays;
      EXPECT_FALSE(sawOther) << decor->Prop.Name.CStr();
    } else {
      sawOther = true;
    }
  }
  EXPECT_GT(underlays, 0);  // the pond
}

TEST_F(LevelMap, AConstructionSiteOfTheLevelWaitsForVansAndRefundsNothing) {
  LevelFile level = ReadLevel(
      "<Map size='12 6'><Roads>12 0 3 1 3 2 3 3 3 4 3 5 3 6 3 7 3 8 3 9 3 10 3 11 3</Roads>"
      "<Building type='Office' square='0 1'/>"
      "<Building type='Bungalow' id='site' square='5 0' isConstructionRequired='true'/></Map>");
  map->LoadLevel(level);
  map->Start();
  Building* site = FindById("site");
  ASSERT_NE(site, nullptr);
  EXPECT_EQ(site->JobRequired, JOB_Construct);
  EXPECT_EQ(map->JobQueue.IndexOf(site), 0);
  int money = map->BankAccount;
  site->Cancel();
  EXPECT_EQ(map->BankAccount, money);
  EXPECT_EQ(map->Buildings.IndexOf(site), -1);
}

TEST_F(LevelMap, AnOfficeCannotBeALevelsConstructionSite) {
  // The level file refuses it already; a description made elsewhere meets the map's check.
  LevelFile level;
  LevelBuilding office;
  office.Kind = BDK_Office;
  office.IsConstructionRequired = true;
  level.Buildings.Add(office);
  try {
    map->LoadLevel(level);
    FAIL() << "no assertion";
  } catch (const Tessel::AssertionFailedException& e) {
    EXPECT_EQ(e.Message, "Kind != BDK_Office");
    EXPECT_EQ(e.Trace, "    at Map::LoadFromFile\n");
  }
}

TEST_F(LevelMap, TheTutorialMarkerIsNoBuilding) {
  LevelFile level = ReadLevel(
      "<Map><Building type='Office' square='0 0'/><Building type='TutorialMarker' square='5 5'/></Map>");
  map->LoadLevel(level);
  EXPECT_EQ(map->Buildings.GetSize(), 1);
}

TEST_F(LevelMap, TheFactoryMakesEveryKindWithItsFootprint) {
  for (BuildingKind kind : GetBalanceKinds()) {
    std::unique_ptr<Building> building(CreateBuilding(kind));
    ASSERT_NE(building, nullptr) << kind;
    EXPECT_EQ(building->Width, GetBuildingFootprint(kind).Width) << kind;
    EXPECT_EQ(building->Height, GetBuildingFootprint(kind).Height) << kind;
    EXPECT_EQ(building->GetRect(), (Tessel::RectF{0, 0, building->Width * 40.0f, building->Height * 40.0f}));
  }
  std::unique_ptr<Building> cheap(CreateBuilding(BDK_StadiumCheap));
  EXPECT_EQ(cheap->Kind, BDK_Stadium);
  EXPECT_EQ(cheap->Balance, &Balance::Current().GetBuilding(BDK_StadiumCheap));
  EXPECT_EQ(CreateBuilding(BDK_TutorialMarker), nullptr);
  try {
    CreateBuilding(static_cast<BuildingKind>(9));
    FAIL() << "no assertion";
  } catch (const Tessel::AssertionFailedException& e) {
    EXPECT_EQ(e.Message, "!\"Bad building kind.\"");
  }
}

TEST_F(LevelMap, BuildingsAreMapEntitiesInTheClassRegistry) {
  const Tessel::ClassRecord* record = Tessel::ClassRegistry::Find("Building");
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->Base, &MapEntity::ClassInfo);
  EXPECT_EQ(MapEntity::ClassInfo.Base, &Tessel::Widget::ClassInfo);
  std::unique_ptr<Tessel::Object> made(record->Factory());
  ASSERT_TRUE(Tessel::IsKindOf<Building>(made.get()));
  EXPECT_EQ(static_cast<Building*>(made.get())->Kind, BDK_Bungalow);
}

TEST_F(LevelMap, ClassFlagsFollowTheKind) {
  struct Case {
    BuildingKind Kind;
    bool NeedsRoad, RivalMayOffer, BuildsInstantly, DemolishesInstantly, IsBuilding, IsSpecial;
  };
  const Case cases[] = {
      {BDK_Bungalow, true, true, false, false, true, false},
      {BDK_Office, false, false, true, false, true, false},
      {BDK_Workshop, true, false, false, false, true, false},
      {BDK_Cinema, true, true, false, false, true, false},
      {BDK_Fountain, false, false, true, true, false, false},
      {BDK_Airport, true, false, false, false, false, true},
  };
  for (const Case& c : cases) {
    std::unique_ptr<Building> b(CreateBuilding(c.Kind));
    EXPECT_EQ(b->NeedsRoad, c.NeedsRoad) << c.Kind;
    EXPECT_EQ(b->RivalMayOffer, c.RivalMayOffer) << c.Kind;
    EXPECT_EQ(b->BuildsInstantly, c.BuildsInstantly) << c.Kind;
    EXPECT_EQ(b->DemolishesInstantly, c.DemolishesInstantly) << c.Kind;
    EXPECT_EQ(b->IsBuilding(), c.IsBuilding) << c.Kind;
    EXPECT_EQ(b->IsSpecial(), c.IsSpecial) << c.Kind;
  }
}

TEST_F(LevelMap, TheSameRunFromTheSameSeedEndsInTheSameState) {
  auto play = [&](uint32_t seed) {
    map = std::make_unique<Map>();
    Tessel::SeedRand(seed);
    LoadAndStart(LoadShipped("Harbourside"));
    Building* duplex = FindById("rivalDuplex");
    duplex->isForSale = true;
    duplex->Price = 20000;
    duplex->SaleTimer = 3;
    Building* shop = FindById("harbourShop");
    shop->PutUpForSale(shop->GetSalePrice(120), 120);
    for (int frame = 0; frame < 600; ++frame) map->Update(1.0f / 60 + (frame % 7) * 0.001f);
    return map->ComputeChecksum();
  };
  uint64_t first = play(7);
  EXPECT_EQ(play(7), first);
  EXPECT_NE(play(8), first);
}

}  // namespace
