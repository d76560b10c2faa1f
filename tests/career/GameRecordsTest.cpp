#include <gtest/gtest.h>

#include "game/rules/Balance.h"
#include "game/shell/GameRecords.h"
#include "game/shell/PlayerProfile.h"
#include "support/CapturedLog.h"
#include "support/TempFolder.h"

using namespace Corvanta;
using Tessel::String;

namespace {

class GameRecordsTest : public ::testing::Test {
protected:
  void SetUp() override {
    Lists.Career.Add(String("Tutorial"));
    Lists.Career.Add(String("Harbour"));
    Lists.Sandbox.Add(String("Meadow"));
    Lists.Sandbox.Add(String("Dunes"));
    Player.Name = u"Ann";
    Player.Id = 0x11;
    Player.CompanyName = u"Ann Homes";
  }
  String Folder() const { return String(Temp.Path().c_str()); }
  void Load() { Records.Load(Folder(), Lists, TopResultDefaults::From(Balance())); }

  Testing::TempFolder Temp;
  LevelLists Lists;
  GameRecords Records;
  PlayerProfile Player;
};

}  // namespace

TEST_F(GameRecordsTest, DefaultPlayersFillTheEmptyPlacesAndAreNotWritten) {
  Temp.Write("records.xml", "<Records><LevelRecords/></Records>");
  Load();
  const uint64_t expected[] = {50000000, 30000000, 15000000, 10000000, 5000000, 3000000,
                               1000000,  500000,   300000,   100000,   50000,   30000};
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(Records.CareerTop[i].CompanyValue, expected[i]);
    EXPECT_EQ(Records.CareerTop[i].PlayerId, 0u);
  }
  EXPECT_EQ(Records.CareerTop[0].PlayerName, u"DefaultTopPlayer1") << "names come from the text table";
  EXPECT_EQ(Records.SandboxTop[1][11].Days, 75);
  EXPECT_EQ(Records.SandboxTop[1][0].Money, 5000000);
  ASSERT_TRUE(Records.Save(Folder(), Lists));
  EXPECT_EQ(Temp.Read("records.xml"),
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<Records>\r\n  <LevelRecords>\r\n"
            "    <Level name=\"Tutorial\" />\r\n    <Level name=\"Harbour\" />\r\n"
            "    <Level name=\"Meadow\" />\r\n    <Level name=\"Dunes\" />\r\n  </LevelRecords>\r\n"
            "  <CareerTopResults />\r\n  <SandboxTopResults />\r\n</Records>");
}

TEST_F(GameRecordsTest, ResultsRoundTrip) {
  Load();
  Player.CareerRecords.Add(LevelResult{10, 50, 60000000, false, String("Harbour")});
  EXPECT_TRUE(Records.RecordCareerLevel(1, 10, Player));
  EXPECT_TRUE(Records.RecordSandboxLevel(1, 22, 777, Player));
  ASSERT_TRUE(Records.Save(Folder(), Lists));

  GameRecords again;
  again.Load(Folder(), Lists, TopResultDefaults::From(Balance()));
  EXPECT_EQ(again.CareerLevels[1].BestTimeDays, 10);
  EXPECT_EQ(again.CareerLevels[1].BestTimePlayerName, u"Ann");
  EXPECT_EQ(again.CareerLevels[1].BestTimePlayerId, 0x11u);
  Tessel::Array<CareerTopResult> career = again.SortedCareerResults();
  EXPECT_EQ(career[0].PlayerId, 0x11u);
  EXPECT_EQ(career[0].CompanyValue, 60000000u);
  EXPECT_EQ(career[1].CompanyValue, 50000000u);
  Tessel::Array<SandboxTopResult> dunes = again.SortedSandboxResults(1);
  EXPECT_EQ(dunes[0].Days, 20) << "a default player is still faster";
  EXPECT_EQ(dunes[1].PlayerName, u"Ann");
  EXPECT_EQ(dunes[1].Money, 777);
}

TEST_F(GameRecordsTest, CareerTopResultsKeepEachPlayersBest) {
  Load();
  Player.CareerRecords.Add(LevelResult{5, 0, 40000, false, String("Tutorial")});
  EXPECT_TRUE(Records.RecordCareerLevel(0, 5, Player)) << "replaces the lowest value below it (30000)";
  EXPECT_EQ(Records.CareerTop[11].PlayerId, 0x11u);
  Player.CareerRecords[0].PropertyValue = 35000;
  EXPECT_FALSE(Records.RecordCareerLevel(0, 5, Player)) << "a lower value changes nothing";
  Player.CareerRecords[0].PropertyValue = 400000;
  EXPECT_TRUE(Records.RecordCareerLevel(0, 5, Player));
  int entries = 0;
  for (const CareerTopResult& r : Records.CareerTop) entries += r.PlayerId == 0x11u;
  EXPECT_EQ(entries, 1);
  PlayerProfile poor = Player;
  poor.Id = 0x22;
  poor.CareerRecords[0].PropertyValue = 10;
  EXPECT_FALSE(Records.RecordCareerLevel(0, 5, poor)) << "nothing is below 10";
}

TEST_F(GameRecordsTest, SandboxImprovementsKeepOneEntry) {
  Load();
  EXPECT_TRUE(Records.RecordSandboxLevel(0, 40, 100, Player));
  EXPECT_TRUE(Records.RecordSandboxLevel(0, 35, 90, Player));
  EXPECT_FALSE(Records.RecordSandboxLevel(0, 36, 999, Player));
  int entries = 0;
  for (const SandboxTopResult& r : Records.SandboxTop[0])
    if (r.PlayerId == 0x11u) {
      ++entries;
      EXPECT_EQ(r.Days, 35);
    }
  EXPECT_EQ(entries, 1);
  EXPECT_EQ(Records.SandboxLevels[0].BestTimeDays, 35);
  PlayerProfile slow = Player;
  slow.Id = 0x33;
  EXPECT_FALSE(Records.RecordSandboxLevel(0, 80, 0, slow)) << "no entry is slower than 80 days";
}

TEST_F(GameRecordsTest, HostileRecordsAreDroppedNotTrusted) {
  Testing::CapturedLog log;
  std::string results;
  for (int i = 0; i < 14; ++i)
    results += "<Result playerUid='000000" + std::to_string(10 + i) + "' playerName='P' companyValue='" +
               std::to_string(1000 + i) + "'/>";
  Temp.Write("records.xml",
             "<Records><LevelRecords><Level name='Tutorial' bestTime='-5'/><Level name='Harbour' bestTime='7'/>"
             "<Level name='Nowhere' bestTime='3' bestTimePlayerName='X'/></LevelRecords>"
             "<CareerTopResults>" + results + "<Result playerUid='00000000' playerName='Zero'/></CareerTopResults>"
             "<SandboxTopResults><Result levelName='Mars' playerUid='00000001' playerName='M' days='1'/>"
             "<Result levelName='Meadow' playerUid='00000002' playerName='' days='1'/></SandboxTopResults></Records>");
  Load();
  EXPECT_EQ(Records.CareerLevels[0].BestTimeDays, 0);
  EXPECT_EQ(Records.CareerLevels[1].BestTimeDays, 0) << "a best time needs the player's name";
  int real = 0;
  for (const CareerTopResult& r : Records.CareerTop) real += r.PlayerId != 0;
  EXPECT_EQ(real, 12) << "a thirteenth result is dropped";
  for (const SandboxTopResult& r : Records.SandboxTop[0]) EXPECT_EQ(r.PlayerId, 0u);
}

TEST_F(GameRecordsTest, ADamagedFileFallsBackToItsBackup) {
  Temp.Write("records.xml.bak",
             "<Records><CareerTopResults><Result playerUid='00000005' playerName='Kept' companyValue='9'/>"
             "</CareerTopResults></Records>");
  Temp.Write("records.xml", "<Records><CareerTopResults><Result playerUid='0000");
  Testing::CapturedLog log;
  Load();
  EXPECT_EQ(Records.CareerTop[0].PlayerName, u"Kept");
  EXPECT_FALSE(Temp.Read("records.xml.unreadable").empty());
}
