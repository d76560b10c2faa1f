// Labels: breaking text into lines and placing the lines by the alignment
// flags. The test font's glyphs are 10 pixels wide, the space 5, lines 20
// high.
#include <gtest/gtest.h>

#include "support/RecordingGraphicsDevice.h"
#include "support/TestFonts.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/widgets/Label.h"
#include "tessel/widgets/WidgetManager.h"

using namespace Tessel;

namespace {

class LabelTest : public testing::Test {
protected:
  LabelTest() : TheFont(Fonts.Make("Plain")) {}

  // The top-left corner of each glyph drawn, in order.
  std::vector<Vector2> DrawnGlyphs(Label& label) {
    Testing::RecordingGraphicsDevice device;
    Canvas canvas(&device);
    label.Draw(canvas);
    canvas.Finish();
    std::vector<Vector2> corners;
    for (const auto& call : device.Calls)
      for (const Quad& q : call.Quads) corners.push_back(Vector2{q.Position[0].X, q.Position[0].Y});
    return corners;
  }

  Testing::TestFonts Fonts;
  Font* TheFont;
};

}  // namespace

struct LineCase {
  const char16_t* Text;
  float Width;
  std::vector<std::u16string> Lines;
};
void PrintTo(const LineCase& c, std::ostream* os) {
  *os << '"';
  for (char16_t ch : std::u16string_view(c.Text))
    *os << (ch == u'\n' ? "\\n" : ch == u'\t' ? "\\t" : std::string(1, static_cast<char>(ch)));
  *os << "\" in " << c.Width;
}

class LabelLayout : public LabelTest, public testing::WithParamInterface<LineCase> {};

TEST_P(LabelLayout, BreaksAtLineFeedsAndBetweenWordsThatWouldReachTheWidth) {
  const LineCase& c = GetParam();
  Label label(TheFont, c.Text);
  label.SetSize(c.Width, 200);
  std::vector<std::u16string> lines;
  for (const Label::Line& line : label.GetLines()) lines.push_back(label.GetText().substr(line.Start, line.Count));
  EXPECT_EQ(lines, c.Lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LabelLayout,
    testing::Values(LineCase{u"one two three", 80, {u"one two", u"three"}},  // 65 fits, 65 + 55 does not
                    LineCase{u"ab cd", 45, {u"ab", u"cd"}},                  // exactly the width breaks
                    LineCase{u"ab cd", 46, {u"ab cd"}}, LineCase{u"ab   cd", 30, {u"ab", u"cd"}},
                    LineCase{u"ab\tcd", 30, {u"ab", u"cd"}},  // tabs separate words too
                    LineCase{u"\nab", 300, {u"", u"ab"}}, LineCase{u"ab\n", 300, {u"ab", u""}},
                    LineCase{u"ab\n\ncd", 300, {u"ab", u"", u"cd"}},
                    LineCase{u"unbreakable word", 50, {u"unbreakable", u"word"}},  // a long first word stays
                    LineCase{u"", 300, {}}));

TEST_F(LabelTest, WrappingCountsAdvancesWithoutSpacing) {
  Font* spaced = Fonts.Make("Spaced", 10, 3);
  Label label(spaced, u"ab cd");
  label.SetSize(46, 100);
  EXPECT_EQ(label.GetLines().size(), 1u) << "45 pixels of advances fit in 46 whatever the spacing";
  EXPECT_EQ(label.GetLines()[0].Width, 45);
}

TEST_F(LabelTest, ANewWidthLaysTheTextOutAgain) {
  Label label(TheFont, u"one two three");
  label.SetSize(300, 100);
  EXPECT_EQ(label.GetLines().size(), 1u);
  label.SetSize(40, 100);
  EXPECT_EQ(label.GetLines().size(), 3u);
  label.SetText(u"one");
  EXPECT_EQ(label.GetLines().size(), 1u);
  label.SetFont(nullptr);
  EXPECT_TRUE(label.GetLines().empty());
  EXPECT_TRUE(DrawnGlyphs(label).empty()) << "without a font nothing is drawn";
}

struct AlignCase {
  int Flags;
  float Width;
  Vector2 FirstGlyph;
};
void PrintTo(const AlignCase& c, std::ostream* os) { *os << "flags " << c.Flags << " width " << c.Width; }

class LabelAlignment : public LabelTest, public testing::WithParamInterface<AlignCase> {};

// "abc" is 30 wide and one line of 20 in a label of width x 100.
TEST_P(LabelAlignment, PlacesTheBlockAndEachLineInWholePixels) {
  const AlignCase& c = GetParam();
  Label label(TheFont, u"abc", 0xFF102030, c.Flags);
  label.SetSize(c.Width, 100);
  std::vector<Vector2> glyphs = DrawnGlyphs(label);
  ASSERT_EQ(glyphs.size(), 3u);
  EXPECT_EQ(glyphs[0], c.FirstGlyph);
  EXPECT_EQ(glyphs[1].X - glyphs[0].X, 10);
}

INSTANTIATE_TEST_SUITE_P(Flags, LabelAlignment,
                         testing::Values(AlignCase{15, 200, {85, 40}}, AlignCase{15, 201, {85, 40}},
                                         AlignCase{ALIGN_Left | ALIGN_Top, 200, {0, 0}},
                                         AlignCase{ALIGN_Right | ALIGN_Top, 200, {170, 0}},
                                         AlignCase{ALIGN_Left | ALIGN_Bottom, 200, {0, 80}},
                                         AlignCase{ALIGN_HorizontalCentre | ALIGN_Bottom, 200, {85, 80}},
                                         AlignCase{ALIGN_Left | ALIGN_VerticalCentre, 200, {0, 40}},
                                         AlignCase{0, 200, {0, 0}}));

TEST_F(LabelTest, LinesAreOneFontHeightApartAndEachIsAlignedByItsOwnWidth) {
  Label label(TheFont, u"abcd\nab", 0xFFFFFFFF, 15);
  label.SetSize(100, 100);
  std::vector<Vector2> glyphs = DrawnGlyphs(label);
  ASSERT_EQ(glyphs.size(), 6u);
  EXPECT_EQ(glyphs[0], (Vector2{30, 30})) << "two lines of 20 centred in 100";
  EXPECT_EQ(glyphs[4], (Vector2{40, 50}));
}

TEST_F(LabelTest, DrawsInTheLabelsColourAndLetsTheMouseThrough) {
  Label label(TheFont, u"a", 0x80FF0000);
  EXPECT_FALSE(label.IsHitTestable);
  Testing::RecordingGraphicsDevice device;
  Canvas canvas(&device);
  label.Draw(canvas);
  canvas.Finish();
  ASSERT_EQ(device.TotalQuads(), 1);
  EXPECT_EQ(device.Calls[0].Quads[0].Diffuse, 0x80FF0000u);

  WidgetManager manager(nullptr);
  auto* labelOnTop = new Label(TheFont, u"over");
  labelOnTop->SetSize(1024, 768);
  manager.AddChild(labelOnTop);
  EXPECT_EQ(manager.HitTest(10, 10), nullptr);
}
