#include <gtest/gtest.h>

#include "RulesTestSupport.h"
#include "game/rules/LevelProgression.h"
#include "support/CapturedLog.h"
#include "support/TempFolder.h"
#include "tessel/text/LocalizedText.h"

using namespace Corvanta;
using namespace Tessel;

namespace {

class LevelProgressionTest : public ::testing::Test {
protected:
  void SetUp() override {
    Folder.Write("Text.csv",
                 "Key,English\n"
                 "LevelName.Meadow,Meadow Village\n"
                 "LevelEnd.Meadow,Well done!\n");
    Texts.Load(String(Folder.File("Text.csv").c_str()), String("English"));
  }

  LevelProgression Read(const std::string& document) {
    XmlReader xml = Testing::ReaderOf(document, "LevelProgression.xml");
    return LevelProgression::Read(xml, Texts);
  }

  Testing::TempFolder Folder;
  LocalizedText Texts;
};

}  // namespace

TEST_F(LevelProgressionTest, RecordsKeepTheirOrderAndDefaults) {
  LevelProgression levels = Read(
      "<LevelProgression>"
      "<Career><Level name='First'/><Level name='Second' vans='3'/></Career>"
      "<Sandbox><Level name='Free'/></Sandbox>"
      "</LevelProgression>");
  EXPECT_TRUE(levels.IsLoaded());
  ASSERT_EQ(levels.Career.GetSize(), 2);
  ASSERT_EQ(levels.Sandbox.GetSize(), 1);
  EXPECT_EQ(levels.Career[0].Name, "First");
  EXPECT_EQ(levels.Career[1].Vans, 3);
  const LevelProgressionRecord& free = levels.Sandbox[0];
  EXPECT_EQ(free.Name, "Free");
  EXPECT_EQ(free.InitialBankAccount, -1);
  EXPECT_EQ(free.Vans, 2);
  EXPECT_EQ(free.ExpertDays, 20);
  EXPECT_EQ(free.RewardPoints, 0);
  EXPECT_EQ(free.RewardPointsExpertBonus, 0);
  EXPECT_TRUE(free.Unlock.IsEmpty());
  EXPECT_EQ(free.MapPosition, (Point{0, 0}));
  EXPECT_EQ(free.CustomCharacterAtEnd, -1);
  EXPECT_EQ(levels.FindSandboxMap(String("Free")), &levels.Sandbox[0]);
  EXPECT_EQ(levels.FindCareerLevel(String("Free")), nullptr);
}

TEST_F(LevelProgressionTest, EveryAttribute) {
  LevelProgression levels = Read(
      "<L><Career><Level name='Meadow' initialBankAccount='0x100' vans='4' expertDays='12' rewardPoints='100'"
      " rewardPointsExpertBonus='40' unlock='Bungalow, RoadBuilder' mp='236 412' mname='LevelName.Meadow'"
      " customCharacterAtEnd='character04' customSpeechAtEnd='LevelEnd.Meadow'/></Career></L>");
  const LevelProgressionRecord& r = levels.Career[0];
  EXPECT_EQ(r.InitialBankAccount, 256);
  EXPECT_EQ(r.Vans, 4);
  EXPECT_EQ(r.ExpertDays, 12);
  EXPECT_EQ(r.RewardPoints, 100);
  EXPECT_EQ(r.RewardPointsExpertBonus, 40);
  ASSERT_EQ(r.Unlock.GetSize(), 2);  // the empty token between comma and blank is dropped
  EXPECT_EQ(r.Unlock[0], "Bungalow");
  EXPECT_EQ(r.Unlock[1], "RoadBuilder");
  EXPECT_EQ(r.MapPosition, (Point{236, 412}));
  EXPECT_EQ(r.DisplayName, u"Meadow Village");
  EXPECT_EQ(r.CustomSpeechAtEnd, u"Well done!");
  EXPECT_EQ(r.CustomCharacterAtEnd, 6);
  ASSERT_EQ(r.GetUnlockedKinds().GetSize(), 1);
  EXPECT_EQ(r.GetUnlockedKinds()[0], BDK_Bungalow);
}

TEST_F(LevelProgressionTest, KeysWithoutTextAndCharacterNames) {
  LevelProgression levels = Read(
      "<L><Career>"
      "<Level mname='LevelName.Nowhere' customCharacterAtEnd='Assistant'/>"
      "<Level customCharacterAtEnd='Nobody'/>"
      "</Career></L>");
  EXPECT_EQ(levels.Career[0].DisplayName, u"LevelName.Nowhere");  // a key without text stays
  EXPECT_EQ(levels.Career[0].CustomCharacterAtEnd, -1);
  EXPECT_EQ(levels.Career[1].CustomCharacterAtEnd, 0);
}

TEST_F(LevelProgressionTest, NamesAreExact) {
  LevelProgression levels = Read(
      "<L>"
      "<career><Level name='a'/></career>"
      "<Career><level name='b'/><Level NAME='c' Vans='9'/><Bonus><Level name='d'/></Bonus></Career>"
      "<Extra><Career><Level name='e'/></Career></Extra>"
      "</L>");
  ASSERT_EQ(levels.Career.GetSize(), 1);  // only the Level directly inside Career
  EXPECT_TRUE(levels.Career[0].Name.IsEmpty());
  EXPECT_EQ(levels.Career[0].Vans, 2);
}

TEST_F(LevelProgressionTest, IsUnlockedLooksAtEveryLevelUpToTheGivenOne) {
  LevelProgression levels = Read(
      "<L><Career>"
      "<Level unlock='Bungalow'/><Level unlock='RoadBuilder,Tree'/><Level unlock='GiftFountain'/>"
      "</Career></L>");
  struct Case {
    const char* Id;
    int Level;
    bool Unlocked;
  };
  const Case cases[] = {
      {"Bungalow", 0, true},     {"RoadBuilder", 0, false}, {"RoadBuilder", 1, true},
      {"Tree", 2, true},         {"GiftFountain", 1, false}, {"GiftFountain", 2, true},
      {"GiftFountain", 99, true},  // beyond the last level: all levels count
      {"Bungalow", -1, false},   {"GiftSquare", 2, false},  {"roadbuilder", 2, false},
  };
  for (const Case& c : cases) EXPECT_EQ(levels.IsUnlocked(String(c.Id), c.Level), c.Unlocked) << c.Id << " " << c.Level;
}

TEST_F(LevelProgressionTest, BrokenFilesRaiseWithTheFileAndTheLoadTrace) {
  Testing::CapturedLog log;
  EXPECT_NE(Testing::ContentErrorOf([&] { Read("<L><Career><Level name='a'></Career>"); }).find("'LevelProgression.xml'"),
            std::string::npos);
  EXPECT_NE(Testing::ContentErrorOf([&] { Read("<L><Career><Level vans='many'/></Career></L>"); })
                .find("vans: integer value expected"),
            std::string::npos);
  try {
    LevelProgression::Load(String(Folder.File("none.xml").c_str()), Texts);
    FAIL();
  } catch (const ContentException& e) {
    EXPECT_NE(std::string(e.Message.CStr()).find("Failed opening an XML file."), std::string::npos);
    EXPECT_EQ(std::string(e.Trace.CStr()), "    at Balance::Load\n");
  }
}

TEST_F(LevelProgressionTest, TheCurrentListIsInstalledAndReset) {
  EXPECT_FALSE(LevelProgression::Current().IsLoaded());
  LevelProgression::Install(Read("<L><Career><Level name='x'/></Career></L>"));
  EXPECT_TRUE(LevelProgression::Current().IsLoaded());
  EXPECT_EQ(LevelProgression::Current().Career.GetSize(), 1);
  LevelProgression::Reset();
  EXPECT_FALSE(LevelProgression::Current().IsLoaded());
  EXPECT_TRUE(LevelProgression::Current().Career.IsEmpty());
}
