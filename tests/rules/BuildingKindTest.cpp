#include <gtest/gtest.h>

#include "game/rules/BuildingKind.h"
#include "game/rules/Character.h"
#include "game/rules/OfficeUpgrade.h"
#include "tessel/Exception.h"
#include "tessel/WideText.h"

using namespace Corvanta;

TEST(BuildingKind, NamesConvertWithoutRegardToCase) {
  struct Case {
    const char* Name;
    BuildingKind Kind;
  };
  const Case cases[] = {
      {"Bungalow", BDK_Bungalow},   {"bungalow", BDK_Bungalow},        {"BRICKHOUSE", BDK_BrickHouse},
      {"Chateau", BDK_Chateau},     {"Office", BDK_Office},            {"Workshop", BDK_Workshop},
      {"Dealership", BDK_Dealership}, {"ChineseGarden", BDK_ChineseGarden}, {"StadiumCheap", BDK_StadiumCheap},
      {"Any", BDK_Any},             {"ANY", BDK_Any},                  {"TutorialMarker", BDK_TutorialMarker},
      {"", BDK_Unknown},            {"Castle", BDK_Unknown},           {"Bungalow ", BDK_Unknown},
      {"Bungalo", BDK_Unknown},     {"Bungalows", BDK_Unknown},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BuildingKindFromName(std::string_view(c.Name)), c.Kind) << c.Name;
    Tessel::WideString wide = Tessel::Widen(c.Name);
    EXPECT_EQ(BuildingKindFromName(std::u16string_view(wide)), c.Kind) << c.Name;
  }
  // A wide unit whose low byte is a letter is no letter.
  EXPECT_EQ(BuildingKindFromName(std::u16string_view(u"Tre\u0165")), BDK_Unknown);
}

TEST(BuildingKind, EveryKindWithARecordHasANameThatConvertsBack) {
  EXPECT_EQ(GetBalanceKinds().size(), 25u);
  for (BuildingKind kind : GetBalanceKinds()) {
    ASSERT_NE(GetBuildingKindName(kind), nullptr) << kind;
    EXPECT_EQ(BuildingKindFromName(std::string_view(GetBuildingKindName(kind))), kind);
    EXPECT_TRUE(HasBalanceRecord(kind));
    EXPECT_LT(kind, BDK_NumTableKinds);
    EXPECT_GT(GetBuildingFootprint(kind).Width, 0);
  }
  for (int kind : {-2, -1, 7, 14, 17, 18, 19, 24, 37, 50}) EXPECT_FALSE(HasBalanceRecord(kind)) << kind;
  EXPECT_EQ(GetBuildingKindName(12), nullptr);
}

TEST(BuildingKind, Groups) {
  struct Case {
    BuildingKind Kind;
    bool House, Commercial, CommercialOrWorkshop, Decoration, Special;
  };
  const Case cases[] = {
      {BDK_Bungalow, true, false, false, false, false},     {BDK_Chateau, true, false, false, false, false},
      {BDK_Office, false, false, false, false, false},      {BDK_Workshop, false, false, true, false, false},
      {BDK_Shop, false, true, true, false, false},          {BDK_Dealership, false, true, true, false, false},
      {BDK_Tree, false, false, false, true, false},         {BDK_ChineseGarden, false, false, false, true, false},
      {BDK_Bridge, false, false, false, false, true},       {BDK_StadiumCheap, false, false, false, false, true},
      {BDK_TutorialMarker, false, false, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(GetBuildingKindName(c.Kind));
    EXPECT_EQ(IsHouseKind(c.Kind), c.House);
    EXPECT_EQ(IsCommercialKind(c.Kind), c.Commercial);
    EXPECT_EQ(IsCommercialOrWorkshopKind(c.Kind), c.CommercialOrWorkshop);
    EXPECT_EQ(IsDecorationKind(c.Kind), c.Decoration);
    EXPECT_EQ(IsSpecialKind(c.Kind), c.Special);
  }
}

TEST(BuildingKind, FootprintsAndTexts) {
  EXPECT_EQ(GetBuildingFootprint(BDK_Duplex), (BuildingFootprint{3, 2}));
  EXPECT_EQ(GetBuildingFootprint(BDK_Mansion), (BuildingFootprint{4, 2}));
  EXPECT_EQ(GetBuildingFootprint(BDK_Airport), (BuildingFootprint{12, 3}));
  EXPECT_EQ(GetBuildingFootprint(BDK_StadiumCheap), GetBuildingFootprint(BDK_Stadium));
  EXPECT_EQ(GetBuildingFootprint(BDK_TutorialMarker), (BuildingFootprint{0, 0}));
  EXPECT_EQ(GetKindTitleKey(BDK_Bungalow), "Hud.Info.Bungalow");
  EXPECT_EQ(GetKindDescriptionKey(BDK_Bungalow), "Hud.Info.Description.Bungalow");
  EXPECT_EQ(GetKindTitleKey(BDK_StadiumCheap), "Hud.Info.Stadium");  // it has no texts of its own
  EXPECT_TRUE(GetKindTitleKey(BDK_TutorialMarker).IsEmpty());
}

TEST(OfficeUpgrade, NamesAndIdentifiers) {
  EXPECT_EQ(OfficeUpgradeFromName(std::string_view("Fund")), OFUP_Fund);
  EXPECT_EQ(OfficeUpgradeFromName(std::string_view("autoservice3")), OFUP_AutoService3);
  EXPECT_EQ(OfficeUpgradeFromName(std::u16string_view(u"RESIDENCE")), OFUP_Residence);
  EXPECT_EQ(OfficeUpgradeFromName(std::string_view("AutoService4")), OFUP_None);
  for (int id = 0; id < OFUP_NumUpgrades; ++id)
    EXPECT_EQ(OfficeUpgradeFromName(std::string_view(GetOfficeUpgradeName(id))), id);
  try {
    GetOfficeUpgradeName(OFUP_NumUpgrades);
    FAIL() << "no assertion";
  } catch (const Tessel::AssertionFailedException& e) {
    EXPECT_STREQ(e.Message.CStr(), "!\"Invalid office upgrade id\"");
  }
}

TEST(Character, NamesAndNumbers) {
  EXPECT_EQ(CharacterFromName(std::string_view("Assistant")), CHARACTER_Assistant);
  EXPECT_EQ(CharacterFromName(std::string_view("unknown")), CHARACTER_Unknown);
  EXPECT_EQ(CharacterFromName(std::string_view("Character12")), 1);
  EXPECT_EQ(CharacterFromName(std::string_view("character01")), 4);
  EXPECT_EQ(CharacterFromName(std::u16string_view(u"Character18")), 18);
  EXPECT_EQ(CharacterFromName(std::string_view("Character19")), CHARACTER_Unknown);
  EXPECT_STREQ(GetCharacterName(-1), "Character12");  // the assistant shows as assistant 1
  EXPECT_STREQ(GetCharacterName(0), "Unknown");
  EXPECT_STREQ(GetCharacterName(19), "Unknown");
  EXPECT_STREQ(GetCharacterName(-2), "Unknown");
  for (int id = 1; id < CHARACTER_NumCharacters; ++id)
    EXPECT_EQ(CharacterFromName(std::string_view(GetCharacterName(id))), id);
}
