#include <gtest/gtest.h>

#include <thread>

#include "support/CapturedLog.h"
#include "support/TempFolder.h"
#include "tessel/text/CsvReader.h"
#include "tessel/text/LocalizedText.h"

using namespace Tessel;

namespace {

std::vector<std::vector<std::u16string>> Rows(const std::string& bytes) {
  CsvReader csv = CsvReader::FromBytes(bytes);
  std::vector<std::vector<std::u16string>> rows;
  Array<WideString> row;
  while (csv.ReadRow(row)) rows.emplace_back(row.begin(), row.end());
  return rows;
}

using Table = std::vector<std::vector<std::u16string>>;

}  // namespace

TEST(CsvReader, CellsQuotesAndLineEnds) {
  struct Case {
    const char* Name;
    std::string Bytes;
    Table Expected;
  };
  const Case cases[] = {
      {"plain", "a,b\r\nc,d", {{u"a", u"b"}, {u"c", u"d"}}},
      {"quoted comma, quote and line feed", "k,\"x, \"\"y\"\"\nz\"\n", {{u"k", u"x, \"y\"\nz"}, {u""}}},
      {"empty quoted cell", "a,\"\",b\nc,d", {{u"a", u"", u"b"}, {u"c", u"d"}}},
      {"empty quoted cell at the end of a row", "a,\"\"\nc", {{u"a", u""}, {u"c"}}},
      {"a quote alone", "\"\"\"\",x", {{u"\"", u"x"}}},
      {"a quote inside an unquoted cell is dropped", "ab\"cd,e", {{u"abcd", u"e"}}},
      {"a lone carriage return stays", "a\rb,c", {{u"a\rb", u"c"}}},
      {"a final carriage return stays", "a,b\r", {{u"a", u"b\r"}}},
      {"empty cells", ",,\n", {{u"", u"", u""}, {u""}}},
      {"empty file", "", {{u""}}},
  };
  for (const Case& c : cases) EXPECT_EQ(Rows(c.Bytes), c.Expected) << c.Name;
}

TEST(CsvReader, EncodingsByMark) {
  EXPECT_EQ(Rows("\xEF\xBB\xBFk,\xD0\x96"), (Table{{u"k", u"\u0416"}}));
  EXPECT_EQ(Rows(std::string("\xFF\xFEk\0,\0\x16\x04", 8)), (Table{{u"k", u"\u0416"}}));
  EXPECT_EQ(Rows(std::string("\xFE\xFF\0k\0,\x04\x16", 8)), (Table{{u"k", u"\u0416"}}));
  EXPECT_EQ(Rows("k,\xC6"), (Table{{u"k", u"\u0416"}})) << "no mark: Windows-1251";
  CsvReader missing(String("/nonexistent/Text.csv"));
  Array<WideString> row;
  EXPECT_FALSE(missing.ReadRow(row));
}

TEST(LocalizedText, EscapesInCells) {
  EXPECT_EQ(UnescapeText(u"a\\nb"), u"a\nb");
  EXPECT_EQ(UnescapeText(u"a\\\\b"), u"a\\b");
  EXPECT_EQ(UnescapeText(u"\\q\\t\\r"), u"q\t\r");
  EXPECT_EQ(UnescapeText(u"end\\"), u"end");
}

class LocalizedTextTest : public ::testing::Test {
protected:
  void Load(const std::string& csv, const char* language) {
    Folder.Write("Text.csv", csv);
    Texts.Load(String(Folder.File("Text.csv").c_str()), String(language));
  }
  Testing::TempFolder Folder;
  LocalizedText Texts;
};

TEST_F(LocalizedTextTest, TheLanguagePicksTheColumn) {
  const std::string csv = "Key,English,german\nMenu.Play,Play,Spielen\nMenu.Quit,Quit,Beenden\n";
  Load(csv, "German");
  EXPECT_EQ(Texts.GetText(String("Menu.Play")), u"Spielen");
  Load(csv, "klingon");
  EXPECT_EQ(Texts.GetText(String("Menu.Play")), u"Play") << "an unknown language reads column 1";
}

TEST_F(LocalizedTextTest, LookupsAndFallbacks) {
  Testing::CapturedLog log;
  Load("Key,English\nHud.Info.Income,Income:\\n%ls\nEmpty,\n,no key\nShort\nTwice,first\nTwice,second\n", "english");
  EXPECT_EQ(Texts.GetText(String("Hud.Info.Income")), u"Income:\n%ls");
  EXPECT_EQ(Texts.GetText(String("Twice")), u"second") << "the later row wins";
  EXPECT_EQ(Texts.GetText(String("Missing.Key")), u"Missing.Key");
  EXPECT_EQ(Texts.GetText(String("Empty"), u"default"), u"default") << "rows with an empty text are skipped";
  EXPECT_EQ(Texts.GetText(WideString(u"Twice")), u"second");
  EXPECT_EQ(Texts.GetText(WideString(u"Wide.Missing")), u"Wide.Missing");
  EXPECT_EQ(Texts.GetCount(), 3);
  EXPECT_EQ(log.Text, "Localized text : 3 strings [16 Kb]\n");
}

TEST_F(LocalizedTextTest, AMissingFileGivesAnEmptyTable) {
  Testing::CapturedLog log;
  Texts.Load(String(Folder.File("none.csv").c_str()), String("english"));
  EXPECT_EQ(Texts.GetCount(), 0);
  EXPECT_EQ(Texts.GetText(String("Menu.Play")), u"Menu.Play");
  EXPECT_EQ(log.Text, "Localized text : 0 strings [16 Kb]\n");
}

// The loading thread fills the table while the main thread draws and looks
// texts up: until it is published, lookups see the keys.
TEST_F(LocalizedTextTest, LookupsDuringLoadingSeeKeysOrTheWholeTable) {
  std::string csv = "Key,English\n";
  for (int i = 0; i < 3000; ++i) csv += "Key" + std::to_string(i) + ",Text" + std::to_string(i) + "\n";
  Folder.Write("Text.csv", csv);
  std::thread loader([&] { Texts.Load(String(Folder.File("Text.csv").c_str()), String("english")); });
  bool consistent = true;
  for (int round = 0; round < 2000; ++round) {
    int count = Texts.GetCount();
    WideString last = Texts.GetText(String("Key2999"));
    if (count != 0 && count != 3000) consistent = false;
    if (count == 3000 && last != u"Text2999") consistent = false;
  }
  loader.join();
  EXPECT_TRUE(consistent);
  EXPECT_EQ(Texts.GetText(String("Key1234")), u"Text1234");
}
