#include "game/online/ScoreEncoding.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace Corvanta;

namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s += static_cast<char>(v);
  return s;
}

}  // namespace

TEST(ScoreEncoding, TheSubstitutionTableIsAPermutationOfAllByteValues) {
  std::set<int> values(std::begin(ScoreSubstitutionTable), std::end(ScoreSubstitutionTable));
  EXPECT_EQ(values.size(), 256u);
  EXPECT_EQ(*values.begin(), 0);
  EXPECT_EQ(*values.rbegin(), 255);
}

// The server reverses these very values; a changed entry breaks every posting.
TEST(ScoreEncoding, TheSubstitutionTableKeepsTheAgreedEntries) {
  struct Case {
    int From, To;
  } cases[] = {{0x00, 0x63}, {0x01, 0x9D}, {0x30, 0xB8}, {0x41, 0xDC}, {0x61, 0x1F},
               {0x7F, 0x2F}, {0x80, 0xEA}, {0xC3, 0xF5}, {0xFE, 0x9B}, {0xFF, 0xFC}};
  for (const Case& c : cases) EXPECT_EQ(ScoreSubstitutionTable[c.From], c.To) << c.From;
}

TEST(ScoreEncoding, ScramblingReplacesEveryByteByItsEntry) {
  struct Case {
    std::string Plain, Scrambled;
  } cases[] = {
      {"", ""},
      {"0", Bytes({0xB8})},
      {"A1a", Bytes({0xDC, 0x4F, 0x1F})},
      {Bytes({0x7F, 0x00, 0xFF}), Bytes({0x2F, 0x63, 0xFC})},
  };
  for (const Case& c : cases) {
    std::string data = c.Plain;
    ScrambleScoreData(data);
    EXPECT_EQ(data, c.Scrambled) << c.Plain;
  }
}

TEST(ScoreEncoding, TheChecksumIsTheByteSumModulo192Plus32) {
  struct Case {
    std::string Scrambled;
    char Checksum;
  } cases[] = {
      {"", ' '},                                    // 0 -> 32
      {Bytes({0xFF, 0xFF, 0xFF, 0xEB}), 'H'},  // 1000 mod 192 = 40 -> 72
      {Bytes({191}), static_cast<char>(223)},       // the largest character
      {Bytes({192}), ' '},
      {Bytes({0x80, 0x80}), static_cast<char>(256 % 192 + 32)},  // bytes count as unsigned
  };
  for (const Case& c : cases) EXPECT_EQ(ScoreChecksum(c.Scrambled), c.Checksum) << c.Scrambled.size();

  std::string longRecord(100000, static_cast<char>(0xFF));  // no overflow on long records
  EXPECT_EQ(static_cast<unsigned char>(ScoreChecksum(longRecord)), 25500000 % 192 + 32);
}

TEST(ScoreEncoding, PercentEncodingKeepsOnlyLettersAndDigits) {
  struct Case {
    std::string Bytes, Encoded;
  } cases[] = {
      {"", ""},
      {"Az09", "Az09"},
      {" ", "%20"},
      {"\x7F", "%7F"},
      {"a-b_c.d~e", "a%2Db%5Fc%2Ed%7Ee"},
      {"%", "%25"},
      {Bytes({0x00, 0x0A, 0xFF}), "%00%0A%FF"},
      {"\xC3\xA9", "%C3%A9"},
      {"/?&=+", "%2F%3F%26%3D%2B"},
  };
  for (const Case& c : cases) EXPECT_EQ(PercentEncode(c.Bytes), c.Encoded) << c.Bytes;
}

TEST(ScoreEncoding, EncodingScramblesThenAppendsTheChecksumThenPercentEncodes) {
  // "0" -> B8; checksum 0xB8 = 184 -> 184 + 32 = 216 = 0xD8.
  EXPECT_EQ(EncodeScoreData("0"), "%B8%D8");
  // "AB": 0xDC 0x22, sum 254 mod 192 = 62 -> 94, '^'.
  EXPECT_EQ(EncodeScoreData("AB"), "%DC%22%5E");
  EXPECT_EQ(EncodeScoreData(""), "%20");
}
