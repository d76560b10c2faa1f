// The game's text table: readable as the game reads it, every key the code
// looks up present in every language, format strings that take exactly what
// the code passes, tool tips with a title, button captions that fit.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/FontFile.h"
#include "content/ContentFiles.h"
#include "support/TempFolder.h"
#include "support/TextKeyList.h"
#include "tessel/text/LocalizedText.h"

using namespace Content;

namespace {

std::string Join(const std::vector<std::string>& parts) {
  std::string out;
  for (const std::string& p : parts) out += (out.empty() ? "" : " ") + p;
  return out.empty() ? "(none)" : out;
}

std::vector<std::u16string> Lines(const std::u16string& text) {
  std::vector<std::u16string> lines(1);
  for (char16_t c : text) {
    if (c == u'\n') {
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

class GameTextTable : public testing::Test {
protected:
  static void SetUpTestSuite() {
    Table = new TextTable(ReadTextTable(DataFolder() + "Text.csv"));
    Keys = new Testing::TextKeyList(Testing::ReadTextKeyList(SourceFolder() + "tests/content/TextKeys.txt"));
  }
  static void TearDownTestSuite() {
    delete Table;
    delete Keys;
  }
  static TextTable* Table;
  static Testing::TextKeyList* Keys;
};

TextTable* GameTextTable::Table = nullptr;
Testing::TextKeyList* GameTextTable::Keys = nullptr;

}  // namespace

TEST_F(GameTextTable, IsUtf8WithItsMarkSoGermanLettersSurvive) {
  // Without the mark the game would read the file as Windows-1251.
  std::string bytes = Testing::ReadFileBytes(DataFolder() + "Text.csv");
  ASSERT_GE(bytes.size(), 3u);
  EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
  ASSERT_TRUE(Table->Read);
  EXPECT_EQ(Table->Languages, (std::vector<std::string>{"English", "German"}));
}

TEST_F(GameTextTable, KeyListParses) {
  EXPECT_EQ(Join(Keys->Errors), "(none)");
  EXPECT_GT(Keys->Keys.size(), 300u);
}

TEST_F(GameTextTable, HasEveryKeyTheGameLooksUpInEveryLanguage) {
  for (const Testing::TextKey& key : Keys->Keys) {
    auto found = Table->Texts.find(key.Key);
    if (found == Table->Texts.end()) {
      ADD_FAILURE() << key.Key << " (TextKeys.txt line " << key.Line << ") is not in Text.csv";
      continue;
    }
    for (size_t language = 0; language < Table->Languages.size(); ++language) {
      EXPECT_FALSE(found->second[language].empty()) << key.Key << " has no " << Table->Languages[language] << " text";
    }
  }
}

TEST_F(GameTextTable, HasEachKeyOnce) { EXPECT_EQ(Join(Table->DuplicateKeys), "(none)"); }

TEST_F(GameTextTable, FormatStringsTakeWhatTheCodePasses) {
  for (const Testing::TextKey& key : Keys->Keys) {
    auto found = Table->Texts.find(key.Key);
    if (found == Table->Texts.end()) continue;
    for (size_t language = 0; language < Table->Languages.size(); ++language) {
      const std::u16string& text = found->second[language];
      if (key.Arguments.empty()) {
        // Shown as it is: a placeholder would reach the screen literally.
        for (const char16_t* placeholder : {u"%ls", u"%hs", u"%i"}) {
          EXPECT_EQ(text.find(placeholder), std::u16string::npos)
              << key.Key << " (" << Table->Languages[language] << ") is shown as it is but holds a placeholder";
        }
        continue;
      }
      EXPECT_EQ(Join(Testing::FormatConversions(text)), Join(key.Arguments))
          << key.Key << " (" << Table->Languages[language] << ")";
    }
  }
}

TEST_F(GameTextTable, ToolTipsHaveATitleAndADescription) {
  for (const Testing::TextKey& key : Keys->Keys) {
    if (!key.IsToolTip || !Table->Texts.count(key.Key)) continue;
    for (size_t language = 0; language < Table->Languages.size(); ++language) {
      std::vector<std::u16string> lines = Lines(Table->Texts[key.Key][language]);
      EXPECT_GE(lines.size(), 2u) << key.Key << " (" << Table->Languages[language] << ")";
      EXPECT_FALSE(lines[0].empty()) << key.Key << " (" << Table->Languages[language] << ") has no title";
    }
  }
}

TEST_F(GameTextTable, CaptionsFitTheirButtons) {
  std::map<std::string, Tools::FontFile> fonts;
  for (const Testing::TextKey& key : Keys->Keys) {
    if (!Table->Texts.count(key.Key)) continue;
    if (key.MaxWidth > 0 && !fonts.count(key.WidthFont)) {
      fonts[key.WidthFont] = Tools::ReadFontFile(DataFolder() + "fonts/" + key.WidthFont + ".xml");
      ASSERT_TRUE(fonts[key.WidthFont].Loaded) << key.WidthFont;
    }
    for (size_t language = 0; language < Table->Languages.size(); ++language) {
      std::vector<std::u16string> lines = Lines(Table->Texts[key.Key][language]);
      if (key.MaxLines > 0) {
        EXPECT_LE(int(lines.size()), key.MaxLines) << key.Key << " (" << Table->Languages[language] << ")";
      }
      if (key.MaxWidth == 0) continue;
      for (const std::u16string& line : lines) {
        EXPECT_LE(fonts[key.WidthFont].MeasureText(line), key.MaxWidth)
            << key.Key << " (" << Table->Languages[language] << ") is too wide in " << key.WidthFont;
      }
    }
  }
}

TEST_F(GameTextTable, LoadsIntoTheGamesTableInEitherLanguage) {
  struct Case {
    const char* Language;
    const char16_t* Yes;
    const char16_t* Rank;
  };
  const Case cases[] = {
      {"english", u"Yes", u"Tycoon"},
      {"German", u"Ja", u"Baulöwe"},
      {"klingon", u"Yes", u"Tycoon"},  // an unknown language reads the first column
  };
  for (const Case& c : cases) {
    Tessel::LocalizedText text;
    text.Load(Tessel::String((DataFolder() + "Text.csv").c_str()), c.Language);
    EXPECT_EQ(text.GetCount(), int(Table->Texts.size())) << c.Language;
    EXPECT_EQ(text.GetText("Dialog.Yes"), c.Yes) << c.Language;
    EXPECT_EQ(text.GetText("PlayerRank.Name4"), c.Rank) << c.Language;
  }
}

// The key list's own syntax, on small cases.
TEST(TextKeyList, ExpandsWordsNumbersAndSets) {
  struct Case {
    const char* Pattern;
    std::vector<std::string> Expected;
  };
  const std::vector<std::pair<std::string, std::vector<std::string>>> sets = {{"Kinds", {"Tree", "Park"}}};
  const Case cases[] = {
      {"Dialog.Ok", {"Dialog.Ok"}},
      {"Dialog.{Yes,No}", {"Dialog.Yes", "Dialog.No"}},
      {"Rank{0..2}", {"Rank0", "Rank1", "Rank2"}},
      {"Hud.Info.{$Kinds}.X", {"Hud.Info.Tree.X", "Hud.Info.Park.X"}},
      {"A.{x,y}.{1..2}", {"A.x.1", "A.x.2", "A.y.1", "A.y.2"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Testing::ExpandKeyPattern(c.Pattern, sets), c.Expected) << c.Pattern;
}

TEST(TextKeyList, ReadsArgumentsAndLayoutAndReportsBadLines) {
  Testing::TextKeyList list = Testing::ParseTextKeyList(
      "# comment\nset S = a b\nGoal.{$S} %i %ls\nTip.X tip lines<=2 width<=80:Font\nBad.Y %q\n");
  ASSERT_EQ(list.Keys.size(), 4u);
  EXPECT_EQ(list.Keys[1].Key, "Goal.b");
  EXPECT_EQ(list.Keys[1].Arguments, (std::vector<std::string>{"%i", "%ls"}));
  EXPECT_TRUE(list.Keys[2].IsToolTip);
  EXPECT_EQ(list.Keys[2].MaxLines, 2);
  EXPECT_EQ(list.Keys[2].MaxWidth, 80);
  EXPECT_EQ(list.Keys[2].WidthFont, "Font");
  EXPECT_EQ(Join(list.Errors), "line 5: unknown word %q");
}

TEST(TextKeyList, FindsTheConversionsOfAFormat) {
  struct Case {
    const char16_t* Text;
    const char* Expected;
  };
  const Case cases[] = {
      {u"plain", "(none)"},
      {u"%ls's Office", "%ls"},
      {u"%i%% and %03i then %hs", "%i %i %hs"},
      {u"(noch %i)", "%i"},
      {u"%I64u of %ls", "%i %ls"},
      {u"100% sure", "%s"},  // printf reads "% s" as a conversion
      {u"50%!", "bad"},
  };
  for (const Case& c : cases) EXPECT_EQ(Join(Testing::FormatConversions(c.Text)), c.Expected);
}
