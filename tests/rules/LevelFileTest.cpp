#include <gtest/gtest.h>

#include "RulesTestSupport.h"
#include "game/rules/LevelFile.h"
#include "game/rules/LevelProgression.h"
#include "support/CapturedLog.h"
#include "support/TempFolder.h"
#include "tessel/text/LocalizedText.h"

using namespace Corvanta;
using namespace Tessel;

namespace {

constexpr const char* Office = "<Building type='Office' square='0 0'/>";

class LevelFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    XmlReader xml = Testing::ReaderOf(
        "<Props><Decor name='Rock' image='images/decor/Rock'/><Decor name='Pond' zorder='-1'/></Props>");
    Props = PropCatalogue::Read(xml);
    Folder.Write("Text.csv", "Key,English\nTitle.Inn,The Old Inn\n");
    Texts.Load(String(Folder.File("Text.csv").c_str()), String("English"));
  }

  LevelFile Read(const std::string& document) {
    XmlReader xml = Testing::ReaderOf(document, "levels/Test.xml");
    return LevelFile::Read(xml, Props, Texts);
  }
  // A 25 x 17 map with an office at 0 0 and the given content.
  LevelFile ReadMap(const std::string& body, const std::string& attributes = "") {
    return Read("<Map " + attributes + ">" + Office + body + "</Map>");
  }
  std::string ErrorOf(const std::string& body, const std::string& attributes = "") {
    return Testing::ContentErrorOf([&] { ReadMap(body, attributes); });
  }

  PropCatalogue Props;
  Testing::TempFolder Folder;
  LocalizedText Texts;
};

}  // namespace

TEST_F(LevelFileTest, RootDefaults) {
  LevelFile level = ReadMap("");
  EXPECT_EQ(level.Path, "levels/Test.xml");
  EXPECT_EQ(level.LevelName, "Test");
  EXPECT_EQ(level.Columns, 25);
  EXPECT_EQ(level.Rows, 17);
  EXPECT_EQ(level.BackgroundSize, (Point{0, 0}));
  EXPECT_EQ(level.Playground, (Rect{0, 0, 25, 17}));  // the whole grid when not given
  EXPECT_EQ(level.Decor, DECOR_Forest);
  EXPECT_FALSE(level.HasInitialBankAccount);
  EXPECT_EQ(level.GetStartingBankAccount(10000), 10000);
  LevelProgressionRecord record;
  record.Vans = 3;
  EXPECT_EQ(level.GetStartingVans(record), 3);
  EXPECT_EQ(level.ScriptPath, "levels/Test.script.xml");
  EXPECT_FALSE(level.HasScript);
}

TEST_F(LevelFileTest, RootAttributesIgnoreCase) {
  LevelFile level = ReadMap("",
                            "SIZE='30 20' backgroundsize='1240 840' BackgroundImage='images/levels/Bay' "
                            "squaresOffset='12 40' PLAYGROUND='1 2 28 17' initialBankAccount='20000' "
                            "initialVans='4' decorSetting='snow'");
  EXPECT_EQ(level.Columns, 30);
  EXPECT_EQ(level.Rows, 20);
  EXPECT_EQ(level.BackgroundSize, (Point{1240, 840}));
  EXPECT_EQ(level.BackgroundImage, "images/levels/Bay");
  EXPECT_EQ(level.SquaresOffset, (Point{12, 40}));
  EXPECT_EQ(level.Playground, (Rect{1, 2, 28, 17}));
  EXPECT_EQ(level.GetStartingBankAccount(10000), 20000);
  EXPECT_EQ(level.GetStartingVans(LevelProgressionRecord()), 4);
  EXPECT_EQ(level.Decor, DECOR_Snow);
}

TEST_F(LevelFileTest, DecorSettings) {
  struct Case {
    const char* Value;
    DecorSetting Setting;
  };
  const Case cases[] = {{"Fall", DECOR_Fall},     {"FOREST", DECOR_Forest}, {"Snow", DECOR_Snow},
                        {"spring", DECOR_Spring}, {"Tropic", DECOR_Tropic}, {"Winter", DECOR_Forest}};
  for (const Case& c : cases) EXPECT_EQ(ReadMap("", std::string("decorSetting='") + c.Value + "'").Decor, c.Setting);
}

TEST_F(LevelFileTest, SizeGivenAsOneNumberKeepsTheRows) {
  EXPECT_EQ(ReadMap("", "size='30'").Rows, 17);
}

TEST_F(LevelFileTest, GridAndPlaygroundMustMakeSense) {
  Testing::CapturedLog log;
  const char* bad[] = {"size='0 17'", "size='25 -1'", "size='1001 17'", "playground='0 0 26 17'",
                       "playground='-1 0 5 5'", "playground='3 3 0 5'", "backgroundSize='-5 10'",
                       "initialBankAccount='-1'", "initialBankAccount='1000000000'"};
  for (const char* attributes : bad) {
    std::string error = ErrorOf("", attributes);
    EXPECT_NE(error.find("'levels/Test.xml'(1): Map:"), std::string::npos) << attributes << ": " << error;
  }
}

TEST_F(LevelFileTest, SquareLists) {
  LevelFile level = ReadMap(
      "<Roads>2 3 4 5 4</Roads>"
      "<forbidden>\n  1\n  7 8\n</forbidden>"
      "<PREMIUM>0</PREMIUM>"
      "<Roads></Roads><Roads/>"
      "<Premium>1 <!-- the shore --> 9 9</Premium>");
  ASSERT_EQ(level.Roads.GetSize(), 2);
  EXPECT_EQ(level.Roads[0], (Point{3, 4}));
  EXPECT_EQ(level.Roads[1], (Point{5, 4}));
  ASSERT_EQ(level.Forbidden.GetSize(), 1);
  EXPECT_EQ(level.Forbidden[0], (Point{7, 8}));
  ASSERT_EQ(level.Premium.GetSize(), 1);
  EXPECT_EQ(level.Premium[0], (Point{9, 9}));
}

TEST_F(LevelFileTest, SquareListsOfTheWrongLengthOrOffTheGridAreContentErrors) {
  struct Case {
    const char* Body;
    const char* Error;
  };
  const Case cases[] = {
      {"\n<Roads>2 3 4 5</Roads>", "(2): Roads: the list starts with the count 2, so it must hold 5 numbers in all, not 4."},
      {"\n<Forbidden>1 3 4 5</Forbidden>", "(2): Forbidden: the list starts with the count 1"},
      {"\n<Premium>-1</Premium>", "(2): Premium: the list starts with the count -1"},
      {"\n<Roads>2147483647 1 1</Roads>", "must hold 4294967295 numbers"},
      {"\n<Roads>1 25 0</Roads>", "(2): Roads: square 25 0 is outside the 25 x 17 grid."},
      {"\n<Roads>1 0 -1</Roads>", "square 0 -1 is outside"},
      {"\n<Roads>1 two 3</Roads>", "Roads: integer value expected, not 'two'."},
  };
  for (const Case& c : cases) {
    std::string error = ErrorOf(c.Body);
    EXPECT_NE(error.find("'levels/Test.xml'"), std::string::npos) << error;
    EXPECT_NE(error.find(c.Error), std::string::npos) << c.Body << ": " << error;
  }
}

TEST_F(LevelFileTest, BuildingAttributes) {
  LevelFile level = ReadMap(
      "<Building TYPE='bungalow' ID='home' Square='5 6' isRival='TRUE' isUnmarketable='true' isUndemolishable='yes'"
      " isBroken='true' UPGRADE='3' salePriority='4' title='Title.Inn'/>"
      "<Building type='Shop' square='10 10' isConstructionRequired='true' salePriority='-3' Title='Title.Inn'/>");
  ASSERT_EQ(level.Buildings.GetSize(), 3);
  EXPECT_EQ(level.Buildings[0].Kind, BDK_Office);
  const LevelBuilding& home = level.Buildings[1];
  EXPECT_EQ(home.Kind, BDK_Bungalow);
  EXPECT_EQ(home.Id, "home");
  EXPECT_EQ(home.Square, (Point{5, 6}));
  EXPECT_TRUE(home.IsRival);
  EXPECT_TRUE(home.IsUnmarketable);
  EXPECT_FALSE(home.IsUndemolishable);  // only "true" is true
  EXPECT_TRUE(home.IsBroken);
  EXPECT_FALSE(home.IsConstructionRequired);
  EXPECT_EQ(home.Upgrade, 3);
  EXPECT_EQ(home.SalePriority, 4);
  EXPECT_EQ(home.CustomTitle, u"The Old Inn");
  const LevelBuilding& shop = level.Buildings[2];
  EXPECT_TRUE(shop.IsConstructionRequired);
  EXPECT_EQ(shop.SalePriority, 0);  // negative priorities become 0
  EXPECT_TRUE(shop.CustomTitle.empty());  // "Title" is not "title"
  EXPECT_EQ(shop.Upgrade, 0);
  EXPECT_EQ(level.FindOffice(), &level.Buildings[0]);
}

TEST_F(LevelFileTest, TutorialMarkersAndBuildingsWithoutTypeAddNothing) {
  Testing::CapturedLog log;
  LevelFile level = ReadMap("<Building type='TutorialMarker' square='3 3'/><Building square='1 1'/>");
  EXPECT_EQ(level.Buildings.GetSize(), 1);
  EXPECT_NE(log.Text.find("a Building without a type is ignored"), std::string::npos) << log.Text;
}

TEST_F(LevelFileTest, BuildingsTheMapCouldNotPlaceAreContentErrors) {
  struct Case {
    const char* Body;
    const char* Error;
  };
  const Case cases[] = {
      {"\n<Building type='Castle'/>", "(2): Building: 'Castle' is no building kind."},
      {"\n<Building type='Bungalow' square='1 1'/>",
       "(2): Building Bungalow at 1 1 overlaps the Office at 0 0 (line 1) on square 1 1."},
      {"\n<Building type='Tree' square='5 5'/>\n<Building type='Park' square='4 4'/>",
       "(3): Building Park at 4 4 overlaps the Tree at 5 5 (line 2) on square 5 5."},
      {"\n<Building type='Bungalow' square='23 0'/>",
       "(2): Building Bungalow at 23 0: its 3 x 3 squares do not fit in the 25 x 17 grid."},
      {"\n<Building type='Tree' square='-1 3'/>", "Building Tree at -1 3: its 1 x 1 squares do not fit"},
      {"\n<Building type='Airport' square='10 15'/>", "Building Airport at 10 15: its 12 x 3 squares do not fit"},
      {"\n<Building type='Bungalow' square='5 5' upgrade='4'/>", "(2): Building Bungalow: upgrade 4 is out of range 0..3."},
      {"\n<Building type='Bungalow' square='5 5' upgrade='-1'/>", "upgrade -1 is out of range 0..3."},
      {"\n<Building type='Office' square='5 5' upgrade='3'/>", "Building Office: upgrade 3 is out of range 0..2."},
      {"\n<Building type='Shop' square='5 5' upgrade='1'/>", "Building Shop: upgrade 1 is out of range 0..0."},
      {"\n<Building type='Office' square='5 5' isConstructionRequired='true'/>",
       "(2): Building Office: the office stands from the start; it cannot require construction."},
      {"\n<Building type='Shop' square='5 5' upgrade='first'/>", "upgrade: integer value expected"},
  };
  for (const Case& c : cases) {
    std::string error = ErrorOf(c.Body);
    EXPECT_NE(error.find("'levels/Test.xml'"), std::string::npos) << error;
    EXPECT_NE(error.find(c.Error), std::string::npos) << c.Body << ": " << error;
  }
}

TEST_F(LevelFileTest, ALevelWithoutAnOfficeIsAContentError) {
  std::string error = Testing::ContentErrorOf([&] { Read("<Map><Building type='Bungalow' square='3 3'/></Map>"); });
  EXPECT_EQ(error, "'levels/Test.xml': Map: the level has no Office building.");
}

TEST_F(LevelFileTest, AFileWhoseRootIsNotMapIsAContentError) {
  std::string error = Testing::ContentErrorOf([&] { Read("<?xml version='1.0'?><map>" + std::string(Office) + "</map>"); });
  EXPECT_EQ(error, "'levels/Test.xml': Missing root element 'Map'.");
}

TEST_F(LevelFileTest, Decors) {
  Testing::CapturedLog log;
  LevelFile level = ReadMap(
      "<Decor name='Rock' position='100 200'/><DECOR NAME='Pond' Position='5'/><Decor name='Castle' position='1 1'/>");
  ASSERT_EQ(level.Decors.GetSize(), 2);
  EXPECT_EQ(level.Decors[0].Prop.Name, "Rock");
  EXPECT_EQ(level.Decors[0].Prop.Image, "images/decor/Rock");
  EXPECT_EQ(level.Decors[0].Position, (Point{100, 200}));
  EXPECT_TRUE(level.Decors[1].Prop.IsUnderlay());
  EXPECT_EQ(level.Decors[1].Position, (Point{5, 0}));
  EXPECT_NE(log.Text.find("warning: 'levels/Test.xml': Referenced decor 'Castle' not found.\n"), std::string::npos)
      << log.Text;
}

TEST_F(LevelFileTest, GoalsInFileOrderWithTheirDefaults) {
  Testing::CapturedLog log;
  LevelFile level = ReadMap(
      "<Goals>"
      "<Goal type='BankAccount' count='50000' expert='TRUE' id='money' text='Save up'/>"
      "<goal TYPE='ownbuilding' kind='Bungalow' count='3' duration='10' upgrades='1' how='Buy'"
      " attendance='5' incomeBonus='20' services='Park, Fountain,premium,Airport,Nowhere' invisible='true'/>"
      "<Goal type='RepairBuilding' buildingId='inn'/>"
      "<Goal type='UseSpecialAbility' simultaneously='true'/>"
      "<Goal type='Teleport' count='1'/>"
      "<Goal count='1'/>"
      "<Note type='Income'/>"
      "<Goal type='NoRivals' inactive='true'/>"
      "<Goal type='DemolishBuilding' building='20' kind='any'/>"
      "</Goals>"
      "<Goal type='Income' count='1'/>");  // outside Goals: not a goal
  ASSERT_EQ(level.Goals.GetSize(), 6);
  const LevelGoal& money = level.Goals[0];
  EXPECT_EQ(money.Type, GOAL_BankAccount);
  EXPECT_EQ(money.Count, 50000);
  EXPECT_TRUE(money.IsExpert);
  EXPECT_EQ(money.Id, "money");
  EXPECT_EQ(money.Text, u"Save up");
  EXPECT_EQ(money.Attributes.GetSize(), 5);

  const LevelGoal& own = level.Goals[1];
  EXPECT_EQ(own.Type, GOAL_OwnBuilding);
  EXPECT_EQ(own.Kind, BDK_Bungalow);
  EXPECT_EQ(own.Count, 3);
  EXPECT_FLOAT_EQ(own.Duration, 10);
  EXPECT_EQ(own.Upgrades, 1);
  EXPECT_EQ(own.How, GOALHOW_Buy);
  EXPECT_EQ(own.Attendance, 5);
  EXPECT_EQ(own.IncomeBonus, 20);
  EXPECT_TRUE(own.RequiresPremium);
  ASSERT_EQ(own.RequiredServices.GetSize(), 2);  // Airport is no service, Nowhere no kind
  EXPECT_EQ(own.RequiredServices[0], BDK_Park);
  EXPECT_EQ(own.RequiredServices[1], BDK_Fountain);
  EXPECT_TRUE(own.IsInvisible);
  EXPECT_FALSE(own.IsExpert);

  const LevelGoal& repair = level.Goals[2];
  EXPECT_EQ(repair.Count, 1);
  EXPECT_EQ(repair.Kind, BDK_Any);
  EXPECT_EQ(repair.BuildingId, "inn");

  const LevelGoal& ability = level.Goals[3];
  EXPECT_EQ(ability.Count, 1);
  EXPECT_EQ(ability.Kind, 0);  // kind 0 unless given
  EXPECT_TRUE(ability.Simultaneously);

  EXPECT_EQ(level.Goals[4].Type, GOAL_NoRivals);
  EXPECT_TRUE(level.Goals[4].IsInactive);
  EXPECT_EQ(level.Goals[4].Count, 0);
  EXPECT_EQ(level.Goals[5].Kind, BDK_Any);  // "kind" comes after "building" and wins
  EXPECT_NE(log.Text.find("a Goal of type 'Teleport' is no goal; it is ignored."), std::string::npos) << log.Text;
}

TEST_F(LevelFileTest, AGoalKindThatNamesNoBuildingIsAContentError) {
  // By name, and by number: a number in a gap of the kinds, or beyond them,
  // is no kind either.
  const char* goals[] = {"<Goal type='OwnBuilding' kind='Bungalo'/>", "<Goal type='OwnBuilding' building='9'/>",
                         "<Goal type='OwnBuilding' building='999'/>", "<Goal type='OwnBuilding' building='-2'/>"};
  for (const char* goal : goals) {
    std::string error = ErrorOf(std::string("<Goals>\n") + goal + "</Goals>");
    EXPECT_NE(error.find("(2): Goal OwnBuilding: its kind names no building kind."), std::string::npos) << goal;
  }
}

TEST_F(LevelFileTest, UnknownElementsAreSkippedWhole) {
  LevelFile level = ReadMap("<Notes><Roads>1 2 2</Roads><Building type='Castle'/></Notes><Roads>1 3 3</Roads>");
  ASSERT_EQ(level.Roads.GetSize(), 1);
  EXPECT_EQ(level.Roads[0], (Point{3, 3}));
}

TEST_F(LevelFileTest, EveryCutOfALevelIsAnError) {
  const std::string document =
      "<?xml version='1.0'?>\n<Map size='20 12'>\n  <Roads>2 3 2 4 2</Roads>\n"
      "  <Building type='Office' square='3 3'/>\n  <Decor name='Rock' position='5 5'/>\n"
      "  <Goals>\n    <Goal type='BankAccount' count='100'/>\n  </Goals>\n</Map>";
  EXPECT_EQ(Read(document).Goals.GetSize(), 1);
  Testing::CapturedLog log;
  for (size_t cut = 0; cut < document.size(); ++cut) {
    SCOPED_TRACE(document.substr(0, cut));
    EXPECT_THROW(Read(document.substr(0, cut)), ContentException);
  }
}

TEST_F(LevelFileTest, PathsWrittenWithBackslashesOpen) {
  Folder.Write("Bay.xml", std::string("<Map>") + Office + "</Map>");
  Folder.Write("Bay.script.xml", "<LevelScripts/>");
  std::string path = Folder.Path() + "Bay.xml";
  std::string backslashed = path;
  for (char& c : backslashed)
    if (c == '/') c = '\\';
  LevelFile level = LevelFile::Load(String(backslashed.c_str()), Props, Texts);
  EXPECT_EQ(std::string(level.Path.CStr()), path);
  EXPECT_EQ(level.LevelName, "Bay");
  EXPECT_EQ(std::string(level.ScriptPath.CStr()), Folder.Path() + "Bay.script.xml");
  EXPECT_TRUE(level.HasScript);
}

TEST_F(LevelFileTest, AMissingLevelFileNamesIt) {
  std::string error = Testing::ContentErrorOf([&] { LevelFile::Load(String("data\\levels\\Nowhere.xml"), Props, Texts); });
  EXPECT_EQ(error, "'data/levels/Nowhere.xml': Failed opening an XML file.");
}
