// Tool tips: their lines, columns and size, and the frame cut from 16 x 16
// pieces.
#include "game/ui/ToolTip.h"
#include "tests/ui/ControlFixture.h"

using namespace Tessel;
using namespace Corvanta;

namespace {

class ToolTipTest : public Testing::ControlFixture {};

}  // namespace

TEST_F(ToolTipTest, TheFirstLineIsTheTitleAndTheRestDescribe) {
  ToolTip tip(u"Cottage\nA small house\nfor two");
  ASSERT_EQ(tip.GetLines().size(), 3u);
  EXPECT_EQ(tip.GetLines()[0].TheFont, BoldFont);
  EXPECT_EQ(tip.GetLines()[1].TheFont, TheFont);
  EXPECT_EQ(tip.GetLines()[2].Left, u"for two");
  // Widest: "A small house" = 11 x 10 + 2 x 5 = 120; three lines of 20.
  EXPECT_EQ(tip.Width, 120 + 20);
  EXPECT_EQ(tip.Height, 60 + 16);
  EXPECT_FALSE(tip.IsHitTestable);
  EXPECT_FALSE(tip.IsOwnedByParent);
}

TEST_F(ToolTipTest, ExtraLinesWithTwoColumnsKeepThemTwentyPixelsApart) {
  ToolTip tip(u"Shop");
  tip.AddExtraLine(u"Price", u"1000");
  tip.AddExtraLine(u"Income", u"50");
  EXPECT_EQ(tip.GetSecondColumnX(), 10 + 60 + 20) << "after the widest first column, Income";
  EXPECT_EQ(tip.Width, 60 + 20 + 40 + 20);
  EXPECT_EQ(tip.Height, 3 * 20 + 16);
  tip.ClearExtraLines();
  EXPECT_EQ(tip.GetSecondColumnX(), 0);
  EXPECT_EQ(tip.Width, 48 + 20);
}

TEST_F(ToolTipTest, TheFrameIsNinePiecesOfSixteenPixels) {
  ToolTip tip(u"ABCDEFGHIJ");  // 140 x 36
  Testing::RecordingGraphicsDevice device;
  Canvas canvas(&device);
  tip.Draw(canvas);
  canvas.Finish();
  ASSERT_FALSE(device.Calls.empty());
  ASSERT_EQ(device.Calls[0].Image, TheControlResources.ToolTipFrame);
  const std::vector<Quad>& pieces = device.Calls[0].Quads;
  ASSERT_EQ(pieces.size(), 9u);
  // The bottom-right corner: its own 16 x 16 texels, unstretched, at the far corner.
  const Quad& corner = pieces[8];
  EXPECT_EQ(corner.TexCoord[0].X, 32);
  EXPECT_EQ(corner.TexCoord[0].Y, 32);
  EXPECT_EQ(corner.Position[0].X, 140 - 16);
  EXPECT_EQ(corner.Position[2].Y, 36);
  // The middle is stretched over what the corners leave.
  const Quad& middle = pieces[4];
  EXPECT_EQ(middle.Position[2].X - middle.Position[0].X, 140 - 32);
  EXPECT_EQ(middle.TexCoord[2].X - middle.TexCoord[0].X, 16);
}
