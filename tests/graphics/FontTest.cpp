#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "resources/ImageFixtures.h"
#include "support/CapturedLog.h"
#include "support/RecordingGraphicsDevice.h"
#include "support/TempFolder.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/graphics/Font.h"
#include "tessel/resources/Bitmap.h"
#include "tessel/resources/ContentPaths.h"
#include "tessel/resources/ResourceManager.h"

using namespace Tessel;

namespace {

// Glyphs: every letter 10 wide with spacing 1; "A" has pairs with "V" (-3)
// a pair "VA" comes before "V" has a glyph, so it is dropped.
const char* FontXml =
    "<font height='20' spacing='1'>"
    "<char code='A' width='10' rect='0 0 10 20' offset='0 1'/>"
    "<kerning pair='VA' offset='-4'/>"
    "<char code='V' width='10' rect='10 0 10 20'/>"
    "<char code='B' width='10' rect='20 0 10 20'/>"
    "<char code='W' width='12' rect='30 0 12 20'/>"
    "<char code=' ' width='5' rect='0 0 0 0'/>"
    "<char code='o' width='8' rect='40 0 8 20'/><char code='n' width='8' rect='48 0 8 20'/>"
    "<char code='e' width='8' rect='56 0 8 20'/><char code='t' width='6' rect='64 0 6 20'/>"
    "<char code='w' width='10' rect='70 0 10 20'/><char code='h' width='8' rect='80 0 8 20'/>"
    "<char code='r' width='6' rect='88 0 6 20'/>"
    "<kerning pair='AV' offset='-3'/>"
    "<layers><layer name='outline' image='glyphs' color='0 0 0'/>"
    "<layer name='fill' color='255 0 0 255'/></layers>"
    "</font>";

class FontTest : public ::testing::Test {
protected:
  FontTest() : Manager(String(Temp.Path().c_str())), TheCanvas(&Device) {
    ForgetContentListings();
    std::filesystem::create_directories(Temp.File("fonts"));
    Temp.Write("fonts/Test.xml", FontXml);
    Temp.Write("fonts/glyphs.png", Testing::MakePng(Testing::PNG_Rgba, 96, 20));
    TheFont = Manager.GetFont(String("fonts/Test"));
  }
  ~FontTest() override { ForgetContentListings(); }

  Testing::TempFolder Temp;
  ResourceManager Manager;
  Testing::RecordingGraphicsDevice Device;
  Canvas TheCanvas;
  Font* TheFont = nullptr;
};

}  // namespace

TEST_F(FontTest, KerningAndMeasuring) {
  ASSERT_NE(TheFont, nullptr);
  EXPECT_EQ(TheFont->Height, 20);
  EXPECT_EQ(TheFont->GetAdvance(u'A', u'V'), 7);
  EXPECT_EQ(TheFont->GetAdvance(u'V', u'A'), 10) << "a pair before its first character's glyph is dropped";
  EXPECT_EQ(TheFont->GetAdvance(u'?', u'A'), 0);
  EXPECT_EQ(TheFont->MeasureText(u"AV"), TheFont->MeasureText(u"A") + TheFont->MeasureText(u"V") + 1 - 3);
  EXPECT_EQ(TheFont->MeasureText(u"AB"), 10 + 1 + 10);
  EXPECT_EQ(TheFont->MeasureText(u""), 0);
  EXPECT_EQ(TheFont->MeasureText(u"W"), 12) << "one character: its advance, no spacing";
  EXPECT_EQ(TheFont->MeasureText(u"A?B"), 21) << "characters without a glyph count nothing";
  EXPECT_EQ(TheFont->Layers.size(), 2u);
  EXPECT_EQ(TheFont->Layers[1].Image, TheFont->Layers[0].Image) << "a layer without an image keeps the previous";
  EXPECT_EQ(TheFont->Layers[0].Color, 0xFF000000u);
}

TEST_F(FontTest, LayersDrawInOrderWithTheTextsAlpha) {
  TheFont->DrawText(TheCanvas, 10, 5, u"AV", 0x80FFFFFF);
  TheCanvas.Finish();
  ASSERT_EQ(Device.Summary(), "quads:4") << "both layers use one image: one batch";
  const auto& quads = Device.Calls[0].Quads;
  EXPECT_EQ(quads[0].Diffuse, 0x80FFFFFFu) << "the first layer takes the given colour";
  EXPECT_EQ(quads[2].Diffuse, 0x80FF0000u) << "later layers their own colour with the text's alpha";
  EXPECT_FLOAT_EQ(quads[0].Position[0].Y, 6) << "the glyph offset";
  EXPECT_FLOAT_EQ(quads[1].Position[0].X, 10 + 10 + 1 - 3) << "advance, spacing and kerning";
}

TEST_F(FontTest, WrappingBreaksAtWordsAndDropsTheSpace) {
  // "one two" is 3*8+1*3 + 5+1 + 6+10+8+1*3 = ..., measured by the font itself.
  float fits = static_cast<float>(TheFont->MeasureText(u"one two")) + 8;
  std::vector<Font::Line> lines = TheFont->BreakLines(u"one two three", fits);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].Count, 7u);
  EXPECT_EQ(std::u16string(u"one two three").substr(lines[1].Start, lines[1].Count), u"three");

  std::vector<Font::Line> feed = TheFont->BreakLines(u"\none", 500);
  ASSERT_EQ(feed.size(), 2u);
  EXPECT_EQ(feed[0].Count, 0u) << "a line feed first gives an empty first line";
  std::vector<Font::Line> wide = TheFont->BreakLines(u"WWWW", 10);
  EXPECT_EQ(wide.size(), 1u) << "a first word wider than the line stays on it";
}

TEST_F(FontTest, AlignmentInARectangle) {
  struct Case {
    int Flags;
    float X, Y;
  };
  int width = TheFont->MeasureText(u"AB");
  for (const Case& c : {Case{ALIGN_Left | ALIGN_Top, 0, 0}, Case{ALIGN_Right | ALIGN_Top, 100.0f - width - 1, 0},
                        Case{ALIGN_HorizontalCentre | ALIGN_VerticalCentre, std::round((100.0f - width - 1) / 2), 40},
                        Case{ALIGN_Left | ALIGN_Bottom, 0, 80}}) {
    Device.Calls.clear();
    TheFont->DrawTextInRect(TheCanvas, RectF{0, 0, 100, 100}, u"AB", 0xFFFFFFFF, c.Flags);
    TheCanvas.Finish();
    ASSERT_FALSE(Device.Calls.empty());
    EXPECT_FLOAT_EQ(Device.Calls[0].Quads[0].Position[0].X, c.X) << c.Flags;
    EXPECT_FLOAT_EQ(Device.Calls[0].Quads[0].Position[0].Y, c.Y + 1) << c.Flags;
  }
}

TEST_F(FontTest, BrokenFontFilesDrawNothing) {
  Temp.Write("fonts/Bad.xml", "<notfont/>");
  Testing::CapturedLog log;
  Font* bad = Manager.GetFont(String("fonts/Bad"));
  ASSERT_NE(bad, nullptr);
  EXPECT_NE(log.Text.find("The root element 'font' expected."), std::string::npos);
  bad->DrawText(TheCanvas, 0, 0, u"A", 0xFFFFFFFF);
  TheCanvas.Finish();
  EXPECT_TRUE(Device.Calls.empty());
  EXPECT_EQ(Manager.GetFont(String("fonts/Test")), TheFont) << "fonts load once";
  EXPECT_EQ(Manager.GetFont(String()), nullptr);
}
