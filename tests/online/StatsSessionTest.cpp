#include "game/online/StatsSession.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "support/CapturedLog.h"
#include "support/FakeClock.h"
#include "online/OnlineFakes.h"
#include "support/TempFolder.h"
#include "game/online/LevelStatistics.h"
#include "tessel/Random.h"

using namespace Corvanta;
using namespace Tessel;

namespace {

// The first four values of the generator seeded with 1 are 41, 18467, 6334
// and 26500; each half is round(value / 32767 * 65534), twice the value.
const char* const IdOfSeed1 = "00529046317CCF08";

class StatsSessionTest : public ::testing::Test {
protected:
  StatsSessionTest() { SeedRand(1); }

  String Path() const { return String(Folder.File("stats.xml").c_str()); }
  std::string Contents() const { return Folder.Read("stats.xml"); }

  LevelStatistics Level() const {
    LevelStatistics level;
    level.Name = "Level01";
    level.BankAccount = 150000;
    level.Income = 2500;
    level.Population = 120;
    level.Appearance = 37;
    level.PropertyValue = 12345678901ull;
    level.Days = 14;
    level.StartTime = 1500;
    return level;
  }

  Testing::TempFolder Folder;
  Testing::FakeClock Clock;  // starts at 1000 ms
  Testing::FakeMachineInfo Machine;
};

}  // namespace

TEST_F(StatsSessionTest, ASessionWithOneLevelInANewFile) {
  StatsSession session(Clock, Machine);
  ASSERT_TRUE(session.Open(Path()));
  Clock.Now = 61000;
  session.WriteLevel(u"Anna", String("VICTORY"), Level());
  session.Close();
  EXPECT_EQ(Contents(),
            std::string("<session id=\"") + IdOfSeed1 + "\" cpuMhz=\"2400\" memMb=\"7936\">\r\n"
            "  <level player=\"Anna\" exitReason=\"VICTORY\" name=\"Level01\" bankAccount=\"150000\" income=\"2500\" "
            "population=\"120\" appearance=\"37\" propertyValue=\"12345678901\" days=\"14\" startTime=\"500\" "
            "endTime=\"60000\" />\r\n"
            "</session>");
}

TEST_F(StatsSessionTest, ASessionWithoutLevelsClosesRightAfterItsStartTag) {
  StatsSession session(Clock, Machine);
  ASSERT_TRUE(session.Open(Path()));
  session.Close();
  EXPECT_EQ(Contents(), std::string("<session id=\"") + IdOfSeed1 + "\" cpuMhz=\"2400\" memMb=\"7936\"></session>");
}

TEST_F(StatsSessionTest, ANewSessionIsAppendedOnANewLineAndKeepsWhatWasThere) {
  std::string earlier = "<session id=\"0000000000000000\" memMb=\"512\"></session>";
  Folder.Write("stats.xml", earlier);
  StatsSession session(Clock, Machine);
  ASSERT_TRUE(session.Open(Path()));
  session.Close();
  EXPECT_EQ(Contents(),
            earlier + "\r\n<session id=\"" + IdOfSeed1 + "\" cpuMhz=\"2400\" memMb=\"7936\"></session>");
}

TEST_F(StatsSessionTest, TheFileHasNeitherByteOrderMarkNorDeclaration) {
  StatsSession session(Clock, Machine);
  ASSERT_TRUE(session.Open(Path()));
  session.Close();
  EXPECT_EQ(Contents().rfind("<session ", 0), 0u) << Contents();
}

TEST_F(StatsSessionTest, WithoutAProcessorSpeedTheAttributeIsLeftOut) {
  Machine.Mhz = std::nullopt;
  Machine.MemoryMb = 4294967295u;
  StatsSession session(Clock, Machine);
  ASSERT_TRUE(session.Open(Path()));
  session.Close();
  EXPECT_EQ(Contents(), std::string("<session id=\"") + IdOfSeed1 + "\" memMb=\"4294967295\"></session>");
}

TEST_F(StatsSessionTest, OvertimeMarksTheExitReasonAndTextsAreEscaped) {
  StatsSession session(Clock, Machine);
  ASSERT_TRUE(session.Open(Path()));
  LevelStatistics level = Level();
  level.IsOvertime = true;
  level.BankAccount = -5;
  level.PropertyValue = 18446744073709551615ull;
  session.WriteLevel(u"<\"J\u00FCrgen\" & 'Co'>", String("QUITGAME"), level);
  session.WriteLevel(u"Anna", String("SKIPTUTORIAL"), Level());
  session.Close();
  std::string text = Contents();
  EXPECT_NE(text.find("player=\"&lt;&quot;J\xC3\xBCrgen&quot; &amp; &apos;Co&apos;&gt;\" exitReason=\"QUITGAME+\""),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("bankAccount=\"-5\""), std::string::npos);
  EXPECT_NE(text.find("propertyValue=\"18446744073709551615\""), std::string::npos);
  EXPECT_NE(text.find("exitReason=\"SKIPTUTORIAL\" name"), std::string::npos);
}

// The clock wraps after 49 days; times stay differences of 32-bit values.
TEST_F(StatsSessionTest, TimesAreMillisecondsSinceTheSessionStartedAcrossTheClocksWrap) {
  Clock.Now = 4294967000u;
  StatsSession session(Clock, Machine);
  ASSERT_TRUE(session.Open(Path()));
  LevelStatistics level = Level();
  level.StartTime = 4294967100u;
  Clock.Now = 704;  // 1000 ms after the start
  session.WriteLevel(u"Anna", String("VICTORY"), level);
  session.Close();
  EXPECT_NE(Contents().find("startTime=\"100\" endTime=\"1000\""), std::string::npos) << Contents();
}

TEST_F(StatsSessionTest, EveryRecordIsOnTheDiskAsSoonAsItIsWritten) {
  StatsSession session(Clock, Machine);
  ASSERT_TRUE(session.Open(Path()));
  EXPECT_EQ(Contents(), std::string("<session id=\"") + IdOfSeed1 + "\" cpuMhz=\"2400\" memMb=\"7936\"");
  session.WriteLevel(u"Anna", String("VICTORY"), Level());
  EXPECT_EQ(Contents().substr(Contents().size() - 3), " />");
  session.Close();
}

TEST_F(StatsSessionTest, WritingALevelWithoutAnOpenSessionDoesNothing) {
  StatsSession session(Clock, Machine);
  session.WriteLevel(u"Anna", String("VICTORY"), Level());
  session.Close();
  EXPECT_FALSE(session.IsOpen());
  struct stat info;
  EXPECT_NE(stat(Path().CStr(), &info), 0) << "no file was made";
}

TEST_F(StatsSessionTest, ASessionACrashLeftOpenIsClosedBeforeTheNextOne) {
  std::string crashed = "<session id=\"1111111122222222\" memMb=\"512\">\r\n  <level player=\"A\" name=\"L\" />";
  Folder.Write("stats.xml", crashed);
  Testing::CapturedLog log;
  StatsSession session(Clock, Machine);
  ASSERT_TRUE(session.Open(Path()));
  session.Close();
  EXPECT_EQ(Contents(), crashed + "\r\n</session>\r\n<session id=\"" + IdOfSeed1 +
                            "\" cpuMhz=\"2400\" memMb=\"7936\"></session>");
  EXPECT_NE(log.Text.find("closed the session an earlier run left open"), std::string::npos);
}

TEST_F(StatsSessionTest, AStartTagACrashLeftOpenIsClosedBeforeTheNextOne) {
  std::string crashed = "<session id=\"1111111122222222\" memMb=\"512\"";
  Folder.Write("stats.xml", crashed);
  StatsSession session(Clock, Machine);
  ASSERT_TRUE(session.Open(Path()));
  session.Close();
  EXPECT_EQ(Contents(), crashed + "></session>\r\n<session id=\"" + IdOfSeed1 +
                            "\" cpuMhz=\"2400\" memMb=\"7936\"></session>");
}

TEST_F(StatsSessionTest, ADamagedFileIsKeptAsItIsAndTheGameGoesOn) {
  std::string damaged = std::string("<session id=\"1\">\r\n  <level player=\"A") + '\0' + "\xFF";
  Folder.Write("stats.xml", damaged);
  Testing::CapturedLog log;
  StatsSession session(Clock, Machine);
  ASSERT_TRUE(session.Open(Path()));
  session.Close();
  EXPECT_EQ(Contents().substr(0, damaged.size()), damaged);
  EXPECT_NE(log.Text.find("ends inside a record"), std::string::npos);
}

TEST_F(StatsSessionTest, AnUnwritableFileMeansNoStatisticsThisRun) {
  Testing::CapturedLog log;
  StatsSession session(Clock, Machine);
  EXPECT_FALSE(session.Open(String(Folder.File("missing-folder/stats.xml").c_str())));
  EXPECT_FALSE(session.IsOpen());
  session.WriteLevel(u"Anna", String("VICTORY"), Level());
  session.Close();
  EXPECT_NE(log.Text.find("no play statistics this time"), std::string::npos);
}

TEST_F(StatsSessionTest, AFolderInPlaceOfTheFileMeansNoStatisticsThisRun) {
  ASSERT_EQ(mkdir(Path().CStr(), 0755), 0);
  StatsSession session(Clock, Machine);
  EXPECT_FALSE(session.Open(Path()));
}

// Two copies of the game at once would interleave their sessions.
TEST_F(StatsSessionTest, ASecondCopyOfTheGameWritesNoStatistics) {
  StatsSession first(Clock, Machine);
  StatsSession second(Clock, Machine);
  ASSERT_TRUE(first.Open(Path()));
  Testing::CapturedLog log;
  EXPECT_FALSE(second.Open(Path()));
  EXPECT_NE(log.Text.find("in use by another copy of the game"), std::string::npos);
  first.Close();
  EXPECT_TRUE(second.Open(Path())) << "free again once the first has closed";
  second.Close();
}

TEST_F(StatsSessionTest, ASessionDestroyedWithoutClosingIsClosed) {
  {
    StatsSession session(Clock, Machine);
    ASSERT_TRUE(session.Open(Path()));
    session.WriteLevel(u"Anna", String("VICTORY"), Level());
  }
  EXPECT_EQ(Contents().substr(Contents().size() - 12), "\r\n</session>");
}

TEST(StatsSessionId, IsTwoNumbersOfTwoRandomHalvesEach) {
  SeedRand(1);
  EXPECT_EQ(MakeSessionId(), String(IdOfSeed1));
  SeedRand(12345);
  String id = MakeSessionId();
  EXPECT_EQ(id.GetLength(), 16);
  for (int i = 0; i < id.GetLength(); ++i) EXPECT_TRUE(std::isxdigit(static_cast<unsigned char>(id[i]))) << id.CStr();
}
