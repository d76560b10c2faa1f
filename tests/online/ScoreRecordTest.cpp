#include "game/online/ScoreRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/shell/GameRecords.h"
#include "game/shell/PlayerProfile.h"

using namespace Corvanta;

namespace {

std::vector<std::string> Fields(const std::string& record) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t i = 0; i < record.size(); ++i) {
    if (record[i] != ScoreFieldSeparator) continue;
    fields.push_back(record.substr(start, i - start));
    start = i + 1;
  }
  EXPECT_EQ(start, record.size()) << "every field ends with the separator";
  return fields;
}

PlayerProfile Player() {
  PlayerProfile player;
  player.Name = u"Anna";
  player.Id = 0x00A1B2C3;
  player.CompanyName = u"Anna Homes";
  LevelResult first, second;
  first.PropertyValue = 1000000;
  second.PropertyValue = 234567;
  player.CareerRecords.Add(first);
  player.CareerRecords.Add(second);
  return player;
}

// Records as loading leaves them: default players (identifier 0) everywhere.
GameRecords DefaultRecords() {
  GameRecords records;
  for (int i = 0; i < GameRecords::NumTopResults; ++i) {
    records.CareerTop[i].PlayerName = u"Default";
    records.CareerTop[i].CompanyName = u"Default Company";
    records.CareerTop[i].CompanyValue = 50000000u / (i + 1);
    for (auto& level : records.SandboxTop) {
      level[i].PlayerName = u"Default";
      level[i].Days = 20 + 5 * i;
      level[i].Money = 5000000 / (i + 1);
    }
  }
  return records;
}

}  // namespace

TEST(ScoreRecord, APlayerWithoutTopResultsPostsTheProfileAndTwelveZeros) {
  std::vector<std::string> fields = Fields(BuildScoreRecord(Player(), DefaultRecords()));
  std::vector<std::string> expected = {"00A1B2C3", "Anna", "Anna Homes", "1234567", "0", "0", "0", "0",
                                       "0",        "0",    "0",          "0",       "0", "0", "0", "0"};
  EXPECT_EQ(fields, expected);
}

TEST(ScoreRecord, TheCareerTopResultGivesCompanyAndValue) {
  GameRecords records = DefaultRecords();
  records.CareerTop[4].PlayerId = 0x00A1B2C3;
  records.CareerTop[4].CompanyName = u"Anna Homes Ltd";
  records.CareerTop[4].CompanyValue = 9876543210ull;  // above 32 bits
  std::vector<std::string> fields = Fields(BuildScoreRecord(Player(), records));
  ASSERT_EQ(fields.size(), 16u);
  EXPECT_EQ(fields[2], "Anna Homes Ltd");
  EXPECT_EQ(fields[3], "9876543210");
}

TEST(ScoreRecord, EachSandboxMapGivesDaysAndMoneyInOrder) {
  GameRecords records = DefaultRecords();
  records.SandboxTop[0][3].PlayerId = 0x00A1B2C3;
  records.SandboxTop[0][3].Days = 31;
  records.SandboxTop[0][3].Money = 2500000;
  records.SandboxTop[5][11].PlayerId = 0x00A1B2C3;
  records.SandboxTop[5][11].Days = 75;
  records.SandboxTop[5][11].Money = -3;
  records.SandboxTop[2][0].PlayerId = 0x12345678;  // another player
  records.SandboxTop[2][0].Days = 9;
  std::vector<std::string> fields = Fields(BuildScoreRecord(Player(), records));
  std::vector<std::string> sandbox(fields.begin() + 4, fields.end());
  std::vector<std::string> expected = {"31", "2500000", "0", "0", "0", "0", "0", "0", "0", "0", "75", "-3"};
  EXPECT_EQ(sandbox, expected);
}

TEST(ScoreRecord, NamesAreUtf8) {
  PlayerProfile player = Player();
  player.Name = u"J\u00FCrgen \u0416";
  player.CompanyName = u"\u20AC Bau";
  std::vector<std::string> fields = Fields(BuildScoreRecord(player, DefaultRecords()));
  ASSERT_EQ(fields.size(), 16u);
  EXPECT_EQ(fields[1], "J\xC3\xBCrgen \xD0\x96");
  EXPECT_EQ(fields[2], "\xE2\x82\xAC Bau");
}

// A separator in a name would move every later field on the server.
TEST(ScoreRecord, ASeparatorInANameCannotShiftTheFields) {
  PlayerProfile player = Player();
  player.Name = u"A\u007F9999";
  player.CompanyName = u"\u007F";
  std::vector<std::string> fields = Fields(BuildScoreRecord(player, DefaultRecords()));
  ASSERT_EQ(fields.size(), 16u);
  EXPECT_EQ(fields[1], "A?9999");
  EXPECT_EQ(fields[2], "?");
}

// Identifier 0 marks the default players; a profile without one is not them.
TEST(ScoreRecord, AProfileWithoutIdentifierIsNotTakenForADefaultPlayer) {
  PlayerProfile player = Player();
  player.Id = 0;
  std::vector<std::string> fields = Fields(BuildScoreRecord(player, DefaultRecords()));
  ASSERT_EQ(fields.size(), 16u);
  EXPECT_EQ(fields[0], "00000000");
  EXPECT_EQ(fields[2], "Anna Homes");
  EXPECT_EQ(fields[3], "1234567");
  EXPECT_EQ(fields[4], "0");
}

TEST(ScoreRecord, AnEmptyProfileStillHasSixteenFields) {
  PlayerProfile player;
  player.Id = 1;
  std::string record = BuildScoreRecord(player, GameRecords());
  std::string expected = "00000001\x7F" "\x7F" "\x7F" "0\x7F";
  for (int i = 0; i < 12; ++i) expected += "0\x7F";
  EXPECT_EQ(record, expected);
}
