// The game's font files: each loads by the font loader's rules, draws every
// character the text table uses, and points only into its own images.
#include <gtest/gtest.h>

#include "common/FontFile.h"
#include "common/Image.h"
#include "content/ContentFiles.h"

using namespace Content;

namespace {

std::string Describe(char16_t c) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "U+%04X", unsigned(c));
  return buffer;
}

class GameFont : public testing::TestWithParam<std::string> {
protected:
  std::string Folder() const { return DataFolder() + "fonts/"; }
};

}  // namespace

TEST_P(GameFont, LoadsWithALineHeight) {
  Tools::FontFile font = Tools::ReadFontFile(Folder() + GetParam() + ".xml");
  ASSERT_TRUE(font.Loaded) << font.Error;
  EXPECT_GT(font.Height, 5);
  EXPECT_GE(font.Spacing, 0);
}

TEST_P(GameFont, DrawsEveryCharacterOfTheTextTable) {
  Tools::FontFile font = Tools::ReadFontFile(Folder() + GetParam() + ".xml");
  ASSERT_TRUE(font.Loaded) << font.Error;
  TextTable table = ReadTextTable(DataFolder() + "Text.csv");
  ASSERT_TRUE(table.Read);
  for (char16_t c : CharactersUsed(table)) {
    ASSERT_TRUE(font.HasGlyph(c)) << GetParam() << " has no glyph for " << Describe(c);
    const Tools::FontGlyph& glyph = font.Glyphs.at(c);
    EXPECT_GT(glyph.Advance, 0) << GetParam() << " " << Describe(c);
    if (c != u' ' && c != 0xA0) {
      EXPECT_GT(glyph.Source.Width * glyph.Source.Height, 0) << GetParam() << " draws nothing for " << Describe(c);
    }
  }
}

TEST_P(GameFont, GlyphsLieInsideEveryLayerImage) {
  Tools::FontFile font = Tools::ReadFontFile(Folder() + GetParam() + ".xml");
  ASSERT_TRUE(font.Loaded) << font.Error;
  std::vector<std::string> images;
  if (font.Layers.empty()) images.push_back(GetParam());
  for (const Tools::FontLayer& layer : font.Layers) images.push_back(layer.Image);
  for (const std::string& name : images) {
    Tools::Image image = Tools::ReadPng(Folder() + name + ".png");
    for (const auto& [code, glyph] : font.Glyphs) {
      EXPECT_GE(glyph.Source.X, 0);
      EXPECT_GE(glyph.Source.Y, 0);
      EXPECT_LE(glyph.Source.X + glyph.Source.Width, image.GetWidth()) << name << " " << Describe(code);
      EXPECT_LE(glyph.Source.Y + glyph.Source.Height, image.GetHeight()) << name << " " << Describe(code);
    }
  }
}

TEST_P(GameFont, KernsOnlyCharactersItHas) {
  Tools::FontFile font = Tools::ReadFontFile(Folder() + GetParam() + ".xml");
  ASSERT_TRUE(font.Loaded) << font.Error;
  for (const auto& [pair, offset] : font.Kerning) {
    EXPECT_TRUE(font.HasGlyph(pair.second)) << GetParam() << " kerns with missing " << Describe(pair.second);
    EXPECT_LT(std::abs(offset), font.Height) << GetParam();
  }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, GameFont, testing::ValuesIn(CatalogueFonts()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

TEST(GameFonts, MoneyAndCalendarDigitsHaveShadowOutlineAndFill) {
  for (const char* name : {"MoneyBig", "MoneyMedium", "CalendarDigits"}) {
    Tools::FontFile font = Tools::ReadFontFile(DataFolder() + "fonts/" + name + ".xml");
    ASSERT_TRUE(font.Loaded) << name;
    ASSERT_EQ(font.Layers.size(), 3u) << name;
    EXPECT_EQ(font.Layers[0].Name, "shadow");
    EXPECT_EQ(font.Layers[1].Name, "outline");
    EXPECT_EQ(font.Layers[2].Name, "fill") << "the fill is drawn last, on top";
  }
}

TEST(GameFonts, KerningTightensPairsLikeAV) {
  // Kerning pairs come from the fonts themselves; at the larger sizes the
  // classic pairs must be there.
  Tools::FontFile font = Tools::ReadFontFile(DataFolder() + "fonts/TrebuchetMSBold22.xml");
  ASSERT_TRUE(font.Loaded);
  EXPECT_LT(font.MeasureText(u"AV"), font.MeasureText(u"A") + font.MeasureText(u"V") + font.Spacing);
  EXPECT_EQ(font.MeasureText(u"AB"), font.Glyphs.at(u'A').Advance + font.MeasureText(u"B") + font.Spacing);
}
