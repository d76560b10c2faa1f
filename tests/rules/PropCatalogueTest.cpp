#include <gtest/gtest.h>

#include "RulesTestSupport.h"
#include "game/rules/PropCatalogue.h"
#include "support/CapturedLog.h"

using namespace Corvanta;
using namespace Tessel;

namespace {

PropCatalogue Read(const std::string& document) {
  XmlReader xml = Testing::ReaderOf(document, "Props.xml");
  return PropCatalogue::Read(xml);
}

}  // namespace

TEST(PropCatalogue, DecorsAnywhereBelowTheRoot) {
  PropCatalogue props = Read(
      "<Props><Decor name='Rock' image='images/decor/Rock'/>"
      "<Group><Sub><Decor name='Pond' image='images/decor/Pond' zorder='-1' origin='10 20'/></Sub></Group>"
      "<decor name='Lower'/></Props>");
  EXPECT_EQ(props.GetCount(), 2);
  const DecorProp* rock = props.Find(String("Rock"));
  ASSERT_NE(rock, nullptr);
  EXPECT_EQ(rock->Image, "images/decor/Rock");
  EXPECT_EQ(rock->Origin, (Point{-1, -1}));
  EXPECT_FALSE(rock->IsUnderlay());
  const DecorProp* pond = props.Find(String("Pond"));
  ASSERT_NE(pond, nullptr);
  EXPECT_TRUE(pond->IsUnderlay());
  EXPECT_EQ(pond->Origin, (Point{10, 20}));
  EXPECT_EQ(props.Find(String("Lower")), nullptr);  // names are exact: "decor" is no Decor
  EXPECT_EQ(props.Find(String("rock")), nullptr);
}

TEST(PropCatalogue, ALaterDuplicateShadowsTheEarlierOne) {
  PropCatalogue props = Read("<P><Decor name='Tree' image='a'/><Decor name='Tree' image='b'/></P>");
  EXPECT_EQ(props.Find(String("Tree"))->Image, "b");
}

TEST(PropCatalogue, ADecorWithoutANameIsDiscarded) {
  Testing::CapturedLog log;
  PropCatalogue props = Read("<P>\n<Decor image='a'/>\n</P>");
  EXPECT_EQ(props.GetCount(), 0);
  EXPECT_NE(log.Text.find("'Props.xml'(2): a Decor without a name is ignored."), std::string::npos) << log.Text;
}

TEST(PropCatalogue, TheOriginIsTheImageCentreUntilGiven) {
  DecorProp prop;
  EXPECT_EQ(prop.GetOrigin(81, 40), (Point{40, 20}));
  // One number given: the other stays -1, and the origin counts as given.
  PropCatalogue props = Read("<P><Decor name='Half' origin='5'/></P>");
  EXPECT_EQ(props.Find(String("Half"))->Origin, (Point{5, -1}));
  EXPECT_EQ(props.Find(String("Half"))->GetOrigin(80, 40), (Point{5, -1}));
}

TEST(PropCatalogue, BrokenFilesRaise) {
  Testing::CapturedLog log;
  EXPECT_NE(Testing::ContentErrorOf([] { Read("<P><Decor name='a'/>"); }).find("'Props.xml'"), std::string::npos);
  EXPECT_NE(Testing::ContentErrorOf([] { Read("<P><Decor name='a' zorder='low'/></P>"); }).find("zorder"),
            std::string::npos);
  EXPECT_NE(Testing::ContentErrorOf([] { PropCatalogue::Load(String("/nonexistent/Props.xml")); })
                .find("'/nonexistent/Props.xml': Failed opening an XML file."),
            std::string::npos);
}
