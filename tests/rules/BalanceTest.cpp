#include <gtest/gtest.h>

#include <vector>

#include "RulesTestSupport.h"
#include "game/rules/Balance.h"
#include "support/CapturedLog.h"
#include "support/TempFolder.h"

using namespace Corvanta;
using namespace Tessel;
using Testing::CapturedLog;
using Testing::ContentErrorOf;

namespace {

Balance BalanceOf(const std::string& body) {
  XmlReader xml = Testing::ReaderOf("<BalanceSettings>" + body + "</BalanceSettings>", "BalanceSettings.xml");
  return Balance::Read(xml);
}

std::string ErrorOf(const std::string& document) {
  return ContentErrorOf([&] {
    XmlReader xml = Testing::ReaderOf(document, "BalanceSettings.xml");
    Balance::Read(xml);
  });
}

std::vector<int> Values(const BuildingBalance& b) {
  return {b.Levels[0].Value, b.Levels[1].Value, b.Levels[2].Value, b.Levels[3].Value};
}
std::vector<int> Incomes(const BuildingBalance& b) {
  return {b.Levels[0].Income, b.Levels[1].Income, b.Levels[2].Income, b.Levels[3].Income};
}
std::vector<int> RepairCosts(const BuildingBalance& b) {
  return {b.Levels[0].RepairCost, b.Levels[1].RepairCost, b.Levels[2].RepairCost, b.Levels[3].RepairCost};
}
std::vector<int> UpgradeCosts(const BuildingBalance& b) {
  return {b.Levels[0].UpgradeCost, b.Levels[1].UpgradeCost, b.Levels[2].UpgradeCost, b.Levels[3].UpgradeCost};
}

}  // namespace

TEST(Balance, AnEmptyFileKeepsEveryDefaultAndDerivesEveryKind) {
  CapturedLog log;
  Balance balance = BalanceOf("");
  EXPECT_EQ(balance.StartingBankAccount, 10000);
  EXPECT_EQ(balance.PayDayTime, 10);
  EXPECT_FLOAT_EQ(balance.MarketToConstructionValueRatio, 1.2f);
  EXPECT_EQ(balance.CivilianCarRespawnDelay, (FloatRange{5, 20}));
  EXPECT_EQ(balance.RandomBonusRevenuesPercent, (FloatRange{0.05f, 0.25f}));
  EXPECT_TRUE(balance.CompanyValueRankLevels.IsEmpty());
  EXPECT_EQ(balance.DefaultSandboxDays[0], 20);
  EXPECT_EQ(balance.DefaultCareerCompanyValue[11], 30000u);
  for (BuildingKind kind : GetBalanceKinds()) {
    SCOPED_TRACE(GetBuildingKindName(kind));
    const BuildingBalance& b = balance.GetBuilding(kind);
    EXPECT_FALSE(b.IsInFile);
    EXPECT_EQ(b.Levels[0].Value, 0);
    EXPECT_EQ(b.Levels[0].Income, 0);
    EXPECT_EQ(b.ConstructionTime, 0);
    EXPECT_EQ(b.ConstructionVansCount, 1);
    EXPECT_EQ(b.Levels[0].Happiness, 0);
  }
}

TEST(Balance, NumUpgradesComesFromTheKindNotTheFile) {
  Balance balance = BalanceOf("<Office NumUpgrades='3'><Level/><Level/><Level/><Level/></Office>");
  struct Case {
    BuildingKind Kind;
    int NumUpgrades;
  };
  const Case cases[] = {{BDK_Bungalow, 3}, {BDK_Chateau, 3}, {BDK_Office, 2}, {BDK_Workshop, 0},
                        {BDK_Shop, 0},     {BDK_Tree, 0},    {BDK_Airport, 0}, {BDK_StadiumCheap, 0}};
  for (const Case& c : cases) EXPECT_EQ(balance.GetBuilding(c.Kind).NumUpgrades, c.NumUpgrades) << c.Kind;
}

// The derivation is the same for every kind, whatever its group.
TEST(Balance, AKindWithOnlyItsValueDerivesEveryLevel) {
  std::string body;
  for (BuildingKind kind : GetBalanceKinds()) body += std::string("<") + GetBuildingKindName(kind) + " value='10000'/>";
  Balance balance = BalanceOf(body);
  for (BuildingKind kind : GetBalanceKinds()) {
    SCOPED_TRACE(GetBuildingKindName(kind));
    const BuildingBalance& b = balance.GetBuilding(kind);
    EXPECT_TRUE(b.IsInFile);
    EXPECT_EQ(UpgradeCosts(b), (std::vector<int>{2000, 4000, 6000, -1}));  // the last level has no upgrade
    EXPECT_EQ(Values(b), (std::vector<int>{10000, 12000, 16000, 22000}));
    EXPECT_EQ(Incomes(b), (std::vector<int>{1500, 1800, 2400, 3300}));
    EXPECT_EQ(RepairCosts(b), (std::vector<int>{2000, 2400, 3200, 4400}));
    EXPECT_FLOAT_EQ(b.Levels[2].IncomeRatio, 15);
    EXPECT_FLOAT_EQ(b.Levels[3].RepairCostRatio, 20);
  }
}

// Incomes and repair costs are rounded to a step chosen by level 0's value:
// incomes 50 below 19500, 100 below 39500, else 500; repair costs 50 below
// 19500, 100 below 29500, else 500. Halves round away from zero.
TEST(Balance, DerivedIncomesAndRepairCostsRoundToTheStepOfTheFirstValue) {
  struct Case {
    int Value0;
    std::vector<int> Incomes, RepairCosts;
  };
  const Case cases[] = {
      // values 10100 12120 16160 22220: incomes 1515 1818 2424 3333, repairs 2020 2424 3232 4444
      {10100, {1500, 1800, 2400, 3350}, {2000, 2400, 3250, 4450}},
      // values 19499 23398 31197 42896 (upgrade costs truncate: 3899, 7799, 11699)
      {19499, {2900, 3500, 4700, 6450}, {3900, 4700, 6250, 8600}},
      // values 19500 23400 31200 42900: incomes 2925 3510 4680 6435, repairs 3900 4680 6240 8580
      {19500, {2900, 3500, 4700, 6400}, {3900, 4700, 6200, 8600}},
      {20000, {3000, 3600, 4800, 6600}, {4000, 4800, 6400, 8800}},
      // values 29500 35400 47200 64900: incomes 4425 5310 7080 9735, repairs 5900 7080 9440 12980
      {29500, {4400, 5300, 7100, 9700}, {6000, 7000, 9500, 13000}},
      // values 30000 36000 48000 66000: incomes 4500 5400 7200 9900
      {30000, {4500, 5400, 7200, 9900}, {6000, 7000, 9500, 13000}},
      // values 39500 47400 63200 86900: incomes 5925 7110 9480 13035, repairs 7900 9480 12640 17380
      {39500, {6000, 7000, 9500, 13000}, {8000, 9500, 12500, 17500}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Value0);
    Balance balance = BalanceOf("<Duplex value='" + std::to_string(c.Value0) + "'/>");
    EXPECT_EQ(Incomes(balance.GetBuilding(BDK_Duplex)), c.Incomes);
    EXPECT_EQ(RepairCosts(balance.GetBuilding(BDK_Duplex)), c.RepairCosts);
  }
}

TEST(Balance, GivenLevelZeroMoneyIsNeverRounded) {
  // Level 0's own income and repair cost were given: nothing is rounded,
  // not even the derived values of the higher levels.
  Balance balance = BalanceOf("<Bungalow value='10100' income='1234' repairCost='777'/>");
  const BuildingBalance& b = balance.GetBuilding(BDK_Bungalow);
  EXPECT_EQ(Incomes(b), (std::vector<int>{1234, 1818, 2424, 3333}));
  EXPECT_EQ(RepairCosts(b), (std::vector<int>{777, 2424, 3232, 4444}));
}

TEST(Balance, RoundingAlsoTouchesIncomesAHigherLevelGave) {
  Balance balance = BalanceOf("<Bungalow value='10000'><Level/><Level income='1830'/></Bungalow>");
  EXPECT_EQ(balance.GetBuilding(BDK_Bungalow).Levels[1].Income, 1850);
}

TEST(Balance, RatiosReplaceTheFifteenAndTwentyPercent) {
  Balance balance = BalanceOf("<Shop value='10000' incomeRatio='10' repairCostRatio='5'/>");
  const BuildingBalance& b = balance.GetBuilding(BDK_Shop);
  EXPECT_EQ(b.Levels[0].Income, 1000);
  EXPECT_EQ(b.Levels[0].RepairCost, 500);
  EXPECT_EQ(b.Levels[1].Income, 1800);  // the level's own ratio is 15 again
}

TEST(Balance, WorkTimesFollowTheConstructionTime) {
  Balance balance = BalanceOf("<TwoStorey constructionTime='10'/>");
  const BuildingBalance& b = balance.GetBuilding(BDK_TwoStorey);
  struct Expected {
    float Repair, Upgrade, Demolish;
  };
  const Expected expected[] = {{5, 4, 5}, {6, 6, 6}, {7, 8, 7}, {8, -1, 8}};
  for (int level = 0; level < 4; ++level) {
    SCOPED_TRACE(level);
    EXPECT_FLOAT_EQ(b.Levels[level].RepairTime, expected[level].Repair);
    EXPECT_FLOAT_EQ(b.Levels[level].UpgradeTime, expected[level].Upgrade);
    EXPECT_FLOAT_EQ(b.Levels[level].DemolishTime, expected[level].Demolish);
  }
}

TEST(Balance, HigherLevelsInheritPopulationBreakPeriodHappinessAndInterfaceRect) {
  Balance balance = BalanceOf(
      "<Apartments population='20' breakPeriod='60 90' happiness='3' interfaceRect='1 2 100 80'>"
      "  <Level/>"
      "  <Level population='0' interfaceRect='5 5 0 10'/>"
      "  <Level population='30' breakPeriod='70 95' happiness='0' interfaceRect='9 9 60 40'/>"
      "</Apartments>");
  const BuildingBalance& b = balance.GetBuilding(BDK_Apartments);
  EXPECT_EQ(b.Levels[1].Population, 20);  // 0 or less inherits
  EXPECT_EQ(b.Levels[3].Population, 30);
  EXPECT_EQ(b.Levels[1].BreakPeriod, (FloatRange{60, 90}));
  EXPECT_EQ(b.Levels[3].BreakPeriod, (FloatRange{70, 95}));
  EXPECT_EQ(b.Levels[1].Happiness, 3);
  EXPECT_EQ(b.Levels[2].Happiness, 0);  // 0 is a value, not a gap
  EXPECT_EQ(b.Levels[1].InterfaceRect, (RectF{1, 2, 100, 80}));  // width 0 copies the level below
  EXPECT_EQ(b.Levels[3].InterfaceRect, (RectF{9, 9, 60, 40}));
}

TEST(Balance, KindAttributesAreLevelZeroAndLevelChildrenFollowInOrder) {
  CapturedLog log;
  Balance balance = BalanceOf(
      "<Mansion constructionTime='20' constructionVansCount='2' value='40000' income='100'>"
      "  <Level income='200'/>"           // overrides the kind element's level 0
      "  <Note value='1'/>"               // not a level
      "  <Level/>"                        // level 1, no attributes, still a level
      "  <Level value='99000'/>"          // level 2
      "  <Level income='7'/>"             // level 3
      "  <Level income='8'/>"             // a fifth: ignored
      "</Mansion>");
  const BuildingBalance& b = balance.GetBuilding(BDK_Mansion);
  EXPECT_FLOAT_EQ(b.ConstructionTime, 20);
  EXPECT_EQ(b.ConstructionVansCount, 2);
  EXPECT_EQ(b.Levels[0].Income, 200);
  EXPECT_EQ(b.Levels[1].Value, 48000);
  EXPECT_EQ(b.Levels[2].Value, 99000);
  EXPECT_EQ(b.Levels[3].Income, 7);
  EXPECT_NE(log.Text.find("warning: 'BalanceSettings.xml'"), std::string::npos) << log.Text;
  EXPECT_NE(log.Text.find("Mansion has more than 4 Level elements"), std::string::npos) << log.Text;
}

TEST(Balance, ElementNamesAreExactAttributeNamesAreNot) {
  Balance balance = BalanceOf(
      "<paydaytime>3</paydaytime><STARTINGBANKACCOUNT>1</STARTINGBANKACCOUNT>"
      "<bungalow value='1'/>"
      "<BrickHouse VALUE='9000' ConstructionTIME='7' constructionvanscount='2'><level value='1'/><LEVEL/></BrickHouse>"
      "<OfficeUpgrades><fUND PRICE='5'/></OfficeUpgrades>");
  EXPECT_EQ(balance.PayDayTime, 10);
  EXPECT_EQ(balance.StartingBankAccount, 10000);
  EXPECT_FALSE(balance.GetBuilding(BDK_Bungalow).IsInFile);
  const BuildingBalance& brick = balance.GetBuilding(BDK_BrickHouse);
  EXPECT_EQ(brick.Levels[0].Value, 9000);   // "level" and "LEVEL" are no Level
  EXPECT_EQ(brick.Levels[1].Value, 10800);
  EXPECT_FLOAT_EQ(brick.ConstructionTime, 7);
  EXPECT_EQ(brick.ConstructionVansCount, 2);
  EXPECT_EQ(balance.OfficeUpgrades[OFUP_Fund].Price, 5);  // upgrade names ignore case
}

TEST(Balance, TutorialMarkerAndUnknownElementsAreSkippedWhole) {
  Balance balance = BalanceOf(
      "<TutorialMarker value='5'><PayDayTime>3</PayDayTime></TutorialMarker>"
      "<Extra><StartingBankAccount>1</StartingBankAccount></Extra>"
      "<ConstructionVanCost>777</ConstructionVanCost>");
  EXPECT_EQ(balance.PayDayTime, 10);
  EXPECT_EQ(balance.StartingBankAccount, 10000);
  EXPECT_EQ(balance.ConstructionVanCost, 777);
}

TEST(Balance, GlobalSettingsOfEveryType) {
  Balance balance = BalanceOf(
      "<StartingBankAccount> 25000 </StartingBankAccount>"
      "<PayDayTime>0x0C</PayDayTime>"  // "%i": hexadecimal
      "<OfficeSpeedUpMultiplier>2.5</OfficeSpeedUpMultiplier>"
      "<PedestriansSpeed>6.5 11</PedestriansSpeed>"
      "<CivilianCarRespawnDelay>4</CivilianCarRespawnDelay>"  // a missing number reads as 0
      "<WorkshopExtendedRadius>7</WorkshopExtendedRadius>");
  EXPECT_EQ(balance.StartingBankAccount, 25000);
  EXPECT_EQ(balance.PayDayTime, 12);
  EXPECT_FLOAT_EQ(balance.OfficeSpeedUpMultiplier, 2.5f);
  EXPECT_EQ(balance.PedestriansSpeed, (FloatRange{6.5f, 11}));
  EXPECT_EQ(balance.CivilianCarRespawnDelay, (FloatRange{4, 0}));
  EXPECT_EQ(balance.WorkshopExtendedRadius, 7);
}

TEST(Balance, LevelAttributesOfEveryType) {
  Balance balance = BalanceOf(
      "<Cinema value='38000' radius='6' incomePerVisitor='90' additionalValuePerVisitor='55' "
      "SpecialAbilityValue='2.5' SpecialAbilityPeriod='10' SpecialAbilityNumRounds='3' SpecialAbilityCooldown='75' "
      "carsTypes='1 4' carsCount='2 3' imageOffset='-4 12' interfaceRect='10 20 140.5 90' breakPeriod='30'/>");
  const BuildingLevelBalance& l = balance.GetBuilding(BDK_Cinema).Levels[0];
  EXPECT_EQ(l.Radius, 6);
  EXPECT_EQ(l.IncomePerVisitor, 90);
  EXPECT_EQ(l.AdditionalValuePerVisitor, 55);
  EXPECT_FLOAT_EQ(l.SpecialAbilityValue, 2.5f);
  EXPECT_FLOAT_EQ(l.SpecialAbilityPeriod, 10);
  EXPECT_EQ(l.SpecialAbilityNumRounds, 3);
  EXPECT_FLOAT_EQ(l.SpecialAbilityCooldown, 75);
  EXPECT_EQ(l.CarsTypes, (FloatRange{1, 4}));
  EXPECT_EQ(l.CarsCount, (FloatRange{2, 3}));
  EXPECT_EQ(l.ImageOffset, (Point{-4, 12}));
  EXPECT_EQ(l.InterfaceRect, (RectF{10, 20, 140.5f, 90}));
  EXPECT_EQ(l.BreakPeriod, (FloatRange{30, 0}));  // "%i %i": the missing second is 0
}

TEST(Balance, AHouseWithoutBreakPeriodNeverBreaksAndTheGapIsLogged) {
  CapturedLog log;
  Balance balance = BalanceOf(
      "<Bungalow value='5000' breakPeriod='60 90'/>"
      "<BrickHouse value='9000'/>"
      "<TwoStorey value='14000'><Level/><Level breakPeriod='50 80'/></TwoStorey>");
  EXPECT_TRUE(balance.GetBuilding(BDK_Bungalow).Levels[3].CanBreak());
  for (int level = 0; level < 4; ++level) EXPECT_FALSE(balance.GetBuilding(BDK_BrickHouse).Levels[level].CanBreak());
  const BuildingBalance& two = balance.GetBuilding(BDK_TwoStorey);
  EXPECT_FALSE(two.Levels[0].CanBreak());  // only level 0 lacks it
  EXPECT_TRUE(two.Levels[1].CanBreak());
  EXPECT_TRUE(two.Levels[3].CanBreak());
  EXPECT_NE(log.Text.find("BrickHouse has no breakPeriod at level 0; such houses never break."), std::string::npos)
      << log.Text;
  EXPECT_NE(log.Text.find("TwoStorey has no breakPeriod at level 0"), std::string::npos);
  EXPECT_EQ(log.Text.find("TwoStorey has no breakPeriod at level 1"), std::string::npos);
  EXPECT_EQ(log.Text.find("Bungalow has no breakPeriod"), std::string::npos);
}

TEST(Balance, OfficeUpgrades) {
  Balance balance = BalanceOf(
      "<OfficeUpgrades>"
      "  <AutoService2 price='300' needLevelsCompleted='4' requiredUpgrades='AutoService|fund, Bogus;;Social'/>"
      "  <Residence price='0x20'/>"
      "  <Castle price='9'/>"
      "</OfficeUpgrades>");
  const OfficeUpgradeBalance& a = balance.OfficeUpgrades[OFUP_AutoService2];
  EXPECT_EQ(a.Price, 300);
  EXPECT_EQ(a.NeedLevelsCompleted, 4);
  EXPECT_EQ(a.RequiredUpgrades, (1u << OFUP_AutoService) | (1u << OFUP_Fund) | (1u << OFUP_Social));
  EXPECT_EQ(balance.OfficeUpgrades[OFUP_Residence].Price, 32);
  EXPECT_EQ(balance.OfficeUpgrades[OFUP_Fund].Price, 0);
}

TEST(Balance, RankLevelsKeepPositiveSixtyFourBitValuesSorted) {
  struct Case {
    const char* Text;
    std::vector<uint64_t> Expected;
  };
  const Case cases[] = {
      {"300000 100000 0 -5 500000", {100000, 300000, 500000}},
      {"150000,600000;2500000\t6000000", {150000, 600000, 2500000, 6000000}},
      // Values beyond 32 bits are kept whole (4294967296 is 0 in 32 bits, 3000000000 negative).
      {"4294967296 3000000000 12000000000000", {3000000000ull, 4294967296ull, 12000000000000ull}},
      {"18446744073709551615 18446744073709551616 abc", {18446744073709551615ull}},
      {"\n  100\n", {100}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Text);
    CapturedLog log;
    Balance balance = BalanceOf(std::string("<CompanyValueRankLevels>") + c.Text + "</CompanyValueRankLevels>");
    std::vector<uint64_t> levels(balance.CompanyValueRankLevels.begin(), balance.CompanyValueRankLevels.end());
    EXPECT_EQ(levels, c.Expected);
  }
}

TEST(Balance, DefaultTopScoresNeedExactlyTwelveEntries) {
  CapturedLog log;
  Balance balance = BalanceOf(
      "<DefaultTopScores careerCompanyValue='50kk,30KK,15kk,10kk,5kk,3kk,1kk,500k,300k,100k,50k,7'"
      " sandboxMoney='4k,3k,2k,1k,900,800,700,600,500,400,300,2kK'"
      " sandboxDays='1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12'/>");
  EXPECT_EQ(balance.DefaultCareerCompanyValue[0], 50000000u);
  EXPECT_EQ(balance.DefaultCareerCompanyValue[1], 30000000u);
  EXPECT_EQ(balance.DefaultCareerCompanyValue[7], 500000u);
  EXPECT_EQ(balance.DefaultCareerCompanyValue[11], 7u);
  EXPECT_EQ(balance.DefaultSandboxMoney[0], 4000);
  EXPECT_EQ(balance.DefaultSandboxMoney[11], 2000000);
  // Comma and blank: 23 tokens, so the list is ignored.
  EXPECT_EQ(balance.DefaultSandboxDays[0], 20);
  EXPECT_NE(log.Text.find("sandboxDays has 23 entries instead of 12"), std::string::npos) << log.Text;
}

TEST(Balance, DefaultTopScoresCountEmptyEntriesAndRejectOverflow) {
  CapturedLog log;
  Balance balance = BalanceOf(
      "<DefaultTopScores sandboxDays='1,,3,4,5,6,7,8,9,10,11,12'"
      " sandboxMoney='9kkkk,1,2,3,4,5,6,7,8,9,10,11'"
      " careerCompanyValue='k,1,2,3,4,5,6,7,8,9,10,11'/>");
  EXPECT_EQ(balance.DefaultSandboxDays[1], 0);  // the empty entry counts and reads as 0
  EXPECT_EQ(balance.DefaultSandboxDays[11], 12);
  EXPECT_EQ(balance.DefaultSandboxMoney[0], 5000000);  // 9 * 10^12 does not fit: defaults kept
  EXPECT_EQ(balance.DefaultCareerCompanyValue[0], 0u);  // a lone "k" is no multiplier
  EXPECT_NE(log.Text.find("sandboxMoney holds '9kkkk'"), std::string::npos) << log.Text;
}

TEST(Balance, SettingsThatWouldDivideByZeroOrStallEveryVanAreRejected) {
  const char* settings[] = {"PayDayTime",           "ConstructionVanSpeedFull", "ConstructionVanSpeedSlow",
                            "WorkshopVanSpeedFull", "WorkshopVanSpeedSlow",     "CivilianCarSpeedFull",
                            "CivilianCarSpeedSlow", "OfficeSpeedUpPeriod",      "OfficeSpeedUpCooldown",
                            "WorkshopExtendedPeriod", "WorkshopExtendedCooldown"};
  for (const char* setting : settings) {
    for (const char* value : {"0", "-3"}) {
      SCOPED_TRACE(std::string(setting) + " = " + value);
      std::string element = std::string("<") + setting + ">" + value + "</" + setting + ">";
      std::string error = ErrorOf("<BalanceSettings>" + element + "</BalanceSettings>");
      EXPECT_NE(error.find("'BalanceSettings.xml'"), std::string::npos) << error;
      EXPECT_NE(error.find(setting), std::string::npos) << error;
    }
  }
}

TEST(Balance, TheStartingBankAccountIsAnAmountTheBankCanHold) {
  for (const char* value : {"-1", "1000000000"}) {
    std::string error = ErrorOf(std::string("<B><StartingBankAccount>") + value + "</StartingBankAccount></B>");
    EXPECT_NE(error.find("'BalanceSettings.xml': StartingBankAccount"), std::string::npos) << error;
  }
  EXPECT_EQ(BalanceOf("<StartingBankAccount>999999999</StartingBankAccount>").StartingBankAccount, 999999999);
}

TEST(Balance, MalformedFilesRaiseTheReadersErrorWithTheFileName) {
  struct Case {
    const char* Name;
    std::string Document;
    const char* Error;
  };
  const Case cases[] = {
      {"empty", "", "'BalanceSettings.xml': The file is empty."},
      {"no element", "<?xml version='1.0'?>\n<!-- nothing -->\n", "Start of an element expected."},
      {"integer without text", "<B><PayDayTime/></B>", "Integer value expected."},
      {"integer as a word", "<B><PayDayTime>ten</PayDayTime></B>", "PayDayTime: integer value expected, not 'ten'."},
      {"float as a word", "<B><OfficeSpeedUpMultiplier>fast</OfficeSpeedUpMultiplier></B>",
       "OfficeSpeedUpMultiplier: number expected, not 'fast'."},
      {"float not finite", "<B><OfficeSpeedUpMultiplier>inf</OfficeSpeedUpMultiplier></B>", "number expected"},
      {"attribute as a word", "<B><Shop value='lots'/></B>", "value: integer value expected, not 'lots'."},
      {"setting with an element for its text", "<B><PayDayTime><x/>5</PayDayTime></B>", "Integer value expected."},
      {"broken tag", "<B><Shop value='1'></B", "'>' expected."},
      {"unclosed attribute", "<B><Shop value='1></B>", "End of attribute value"},
      {"root never closed", "<B><PayDayTime>5</PayDayTime>", "the file ends before its root element is closed"},
      {"root only opened", "<BalanceSettings>", "the file ends before its root element is closed"},
      {"kind never closed", "<B><Shop value='1'><Level/>", "End of an element expected"},
      {"empty rank list", "<B><CompanyValueRankLevels></CompanyValueRankLevels></B>", "String value expected."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    CapturedLog log;
    std::string error = ErrorOf(c.Document);
    EXPECT_NE(error.find("'BalanceSettings.xml'"), std::string::npos) << error;
    EXPECT_NE(error.find(c.Error), std::string::npos) << error;
  }
}

// However a file is cut short, the cut is noticed: it is never taken for a
// complete file with defaults for what is missing.
TEST(Balance, EveryCutOfAFileIsAnError) {
  const std::string document =
      "<?xml version=\"1.0\"?>\n<BalanceSettings>\n  <PayDayTime>12</PayDayTime>\n"
      "  <Bungalow value=\"5000\" breakPeriod=\"60 90\">\n    <Level/>\n    <Level population=\"5\"/>\n"
      "  </Bungalow>\n  <OfficeUpgrades><Fund price=\"100\"/></OfficeUpgrades>\n</BalanceSettings>";
  size_t complete = document.size();
  {
    XmlReader xml = Testing::ReaderOf(document);
    EXPECT_EQ(Balance::Read(xml).PayDayTime, 12);
  }
  CapturedLog log;
  for (size_t cut = 0; cut < complete; ++cut) {
    SCOPED_TRACE(document.substr(0, cut));
    XmlReader xml = Testing::ReaderOf(document.substr(0, cut));
    EXPECT_THROW(Balance::Read(xml), ContentException);
  }
}

TEST(Balance, LoadNamesTheFileAndAddsItsTraceLine) {
  Testing::TempFolder folder;
  String path(folder.File("missing.xml").c_str());
  try {
    Balance::Load(path);
    FAIL() << "a missing file loaded";
  } catch (const ContentException& e) {
    EXPECT_EQ(std::string(e.Message.CStr()), "'" + folder.File("missing.xml") + "': Failed opening an XML file.");
    EXPECT_EQ(std::string(e.Trace.CStr()), "    at Balance::Load\n");
  }
  folder.Write("b.xml", "<BalanceSettings>\n<PayDayTime>7</PayDayTime>\n</BalanceSettings>\n");
  EXPECT_EQ(Balance::Load(String(folder.File("b.xml").c_str())).PayDayTime, 7);
}

TEST(Balance, LookupByKind) {
  Balance balance = BalanceOf("<StadiumCheap value='90000'/><Stadium value='160000'/>");
  EXPECT_EQ(balance.FindBuilding(BDK_StadiumCheap)->Levels[0].Value, 90000);
  EXPECT_EQ(balance.FindBuilding(BDK_Stadium)->Levels[0].Value, 160000);
  for (int kind : {-2, -1, 7, 14, 17, 19, 24, 37, 50, 1000}) EXPECT_EQ(balance.FindBuilding(kind), nullptr) << kind;
  EXPECT_THROW(balance.GetBuilding(BDK_TutorialMarker), AssertionFailedException);
}

TEST(Balance, DerivedSumsOfHugeValuesStayInRange) {
  Balance balance = BalanceOf("<Chateau value='2000000000' incomeRatio='1e30'/>");
  const BuildingBalance& b = balance.GetBuilding(BDK_Chateau);
  EXPECT_EQ(b.Levels[1].Value, 2147483647);  // 2000000000 + 400000000 does not fit
  EXPECT_GT(b.Levels[3].Value, 0);
  EXPECT_GT(b.Levels[0].Income, 0);
}

TEST(Balance, TheCurrentRulesAreInstalledAndReset) {
  Balance custom = BalanceOf("<PayDayTime>3</PayDayTime>");
  Balance::Install(custom);
  EXPECT_EQ(Balance::Current().PayDayTime, 3);
  Balance::Reset();
  EXPECT_EQ(Balance::Current().PayDayTime, 10);
  // The defaults are derived, as an empty file gives them.
  EXPECT_EQ(Balance::Current().GetBuilding(BDK_Bungalow).Levels[0].Value, 0);
  EXPECT_EQ(Balance::Current().GetBuilding(BDK_Bungalow).Levels[3].UpgradeCost, -1);
}
