#include <gtest/gtest.h>

#include "game/shell/PlayerProfiles.h"
#include "game/shell/Trophies.h"
#include "game/shell/UserFiles.h"
#include "support/CapturedLog.h"
#include "support/TempFolder.h"
#include "tessel/Exception.h"
#include "tessel/Random.h"

using namespace Corvanta;
using Tessel::String;

namespace {

class PlayerProfilesTest : public ::testing::Test {
protected:
  void SetUp() override {
    Tessel::SeedRand(1);
    Lists.Career.Add(String("Tutorial"));
    Lists.Career.Add(String("Harbour"));
    Lists.Career.Add(String("Hills"));
    Lists.Sandbox.Add(String("Meadow"));
  }
  String Folder() const { return String(Temp.Path().c_str()); }
  void WriteProfiles(const std::string& xml) const { Temp.Write("profiles.xml", xml); }
  void Load() { Profiles.Load(Folder(), &Lists); }

  Testing::TempFolder Temp;
  LevelLists Lists;
  PlayerProfiles Profiles;
};

}  // namespace

TEST_F(PlayerProfilesTest, TheFileAsWritten) {
  PlayerProfile* ann = Profiles.FindOrCreate(u"Ann", true, 80, 60);
  ann->Id = 0x00C0FFEE;
  ann->Career.NumLevelsCompleted = 3;
  ann->Career.CurrentLevel = 2;
  ann->CompanyName = u"Ann & Co";
  ann->RewardPoints = 300;
  ann->OfficeUpgradesBought = 5;
  ann->TrophiesAcquired = 1;
  ann->Assistant = 2;
  LevelResult result;
  result.Days = 12;
  result.Population = 140;
  result.PropertyValue = 5000000000ull;
  result.IsExpertResult = true;
  ann->SetCareerResult(1, result, Lists);
  Profiles.Current = ann;
  ASSERT_TRUE(Profiles.Save(Folder()));
  EXPECT_EQ(Temp.Read("profiles.xml"),
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
            "<Profiles currentID=\"00C0FFEE\">\r\n"
            "  <Player name=\"Ann\" puid=\"00C0FFEE\" numCareerLevelsCompleted=\"3\" currentCareerLevel=\"2\" "
            "companyName=\"Ann &amp; Co\" rewardPoints=\"-301\" upgradesBought=\"4294967290\" "
            "trophiesAcquired=\"4294967294\" isWindowed=\"true\" soundVolume=\"60\" musicVolume=\"80\" "
            "assistant=\"Character02\">\r\n"
            "    <CareerRecord levelName=\"Harbour\" days=\"12\" population=\"140\" propertyValue=\"5000000000\" "
            "isExpertResult=\"true\" />\r\n"
            "  </Player>\r\n"
            "</Profiles>");
}

TEST_F(PlayerProfilesTest, ARoundTripKeepsEverything) {
  PlayerProfile* ann = Profiles.FindOrCreate(u"Ann", false, 10, 20);
  ann->Sandbox.NumLevelsCompleted = 1;
  ann->Sandbox.IsInterrupted = true;
  ann->GiftsAcquired = 3;
  ann->Flags = 0x80000001u;
  LevelResult meadow;
  meadow.Days = 40;
  ann->SetSandboxResult(0, meadow, Lists);
  PlayerProfile* bob = Profiles.FindOrCreate(u"B\u00F6b \u0416", true, 100, 100);
  Profiles.Current = bob;
  ASSERT_TRUE(Profiles.Save(Folder()));
  std::string first = Temp.Read("profiles.xml");

  PlayerProfiles again;
  again.Load(Folder(), &Lists);
  ASSERT_EQ(again.GetCount(), 2);
  EXPECT_EQ(again.Current->Name, u"B\u00F6b \u0416");
  const PlayerProfile* readAnn = again.Get(0);
  EXPECT_EQ(readAnn->Id, ann->Id);
  EXPECT_FALSE(readAnn->IsWindowed);
  EXPECT_EQ(readAnn->SoundVolume, 10);
  EXPECT_EQ(readAnn->MusicVolume, 20);
  EXPECT_EQ(readAnn->Flags, 0x80000001u);
  EXPECT_EQ(readAnn->GiftsAcquired, 3u);
  ASSERT_NE(readAnn->GetSandboxResult(0), nullptr);
  EXPECT_EQ(readAnn->GetSandboxResult(0)->Days, 40);
  ASSERT_TRUE(again.Save(Folder()));
  EXPECT_EQ(Temp.Read("profiles.xml"), first);
}

TEST_F(PlayerProfilesTest, OlderAndStrangerSpellings) {
  WriteProfiles(
      "<PROFILES current='Cid'>"
      "<player NAME='Ann' puid='1234567' maxCareerLevelAvailable='2'/>"
      "<Player name='Cid' puid='0000abcd' SoundVolume='30' musicvolume='70' assistant='character15'>"
      "<Unknown><CareerRecord levelName='Hills' days='1'/></Unknown>"
      "<careerrecord levelName='Hills' days='9' propertyValue='123456789012'/>"
      "</Player></PROFILES>");
  Load();
  ASSERT_EQ(Profiles.GetCount(), 2);
  const PlayerProfile* ann = Profiles.Get(0);
  EXPECT_NE(ann->Id, 0x1234567u) << "a puid of seven digits is no identifier";
  EXPECT_NE(ann->Id, 0u);
  EXPECT_EQ(ann->Career.NumLevelsCompleted, 2);
  const PlayerProfile* cid = Profiles.Get(1);
  EXPECT_EQ(Profiles.Current, cid) << "current by name when no currentID is given";
  EXPECT_EQ(cid->Id, 0xABCDu);
  EXPECT_EQ(cid->MusicVolume, 30);
  EXPECT_EQ(cid->SoundVolume, 70);
  EXPECT_EQ(cid->Assistant, 3);
  ASSERT_EQ(cid->CareerRecords.GetSize(), 1) << "records inside other elements are not the profile's";
  EXPECT_EQ(cid->GetCareerResult(2)->PropertyValue, 123456789012ull);
  EXPECT_EQ(cid->GetCompanyValue(), 123456789012ull);

  ASSERT_TRUE(Profiles.Save(Folder()));
  std::string saved = Temp.Read("profiles.xml");
  EXPECT_NE(saved.find("numCareerLevelsCompleted=\"2\""), std::string::npos);
  EXPECT_EQ(saved.find("maxCareerLevelAvailable"), std::string::npos);
}

// Hostile and damaged files: the game starts, and no other profile is lost.
TEST_F(PlayerProfilesTest, BadEntriesAreRepaired) {
  Testing::CapturedLog log;
  WriteProfiles(
      "<Profiles currentID='00000002'>"
      "<Player name='   ' puid='00000001' rewardPoints='5'/>"
      "<Player name='Dup' puid='00000002' soundVolume='999' musicVolume='-4' upgradesBought='0' "
      "numCareerLevelsCompleted='99999999999' assistant='Nobody' trophiesAcquired='0'/>"
      "<Player name='Dup2' puid='00000002'><CareerRecord days='3'/></Player>"
      "</Profiles>");
  Load();
  ASSERT_EQ(Profiles.GetCount(), 3);
  EXPECT_TRUE(IsUsableName(Profiles.Get(0)->Name));
  EXPECT_EQ(Profiles.Get(0)->RewardPoints, 0) << "a complemented 5 is negative";
  const PlayerProfile* dup = Profiles.Get(1);
  EXPECT_EQ(dup->MusicVolume, 100);
  EXPECT_EQ(dup->SoundVolume, 0);
  EXPECT_EQ(dup->OfficeUpgradesBought, (1u << 14) - 1) << "only the fourteen upgrades exist";
  EXPECT_EQ(dup->TrophiesAcquired, (1u << 11) - 1);
  EXPECT_EQ(dup->Career.NumLevelsCompleted, 3) << "no more levels than the career has";
  EXPECT_EQ(dup->Assistant, 0);
  const PlayerProfile* second = Profiles.Get(2);
  EXPECT_NE(second->Id, dup->Id) << "two profiles never share a folder";
  EXPECT_EQ(second->CareerRecords.GetSize(), 0) << "a result without a level is dropped";
  EXPECT_EQ(Profiles.Current, dup);
  EXPECT_NE(log.Text.find("two profiles had the identifier 00000002"), std::string::npos);
}

TEST_F(PlayerProfilesTest, AnUnreadableFileIsKeptAndTheBackupRead) {
  Temp.Write("profiles.xml.bak", "<Profiles><Player name='Safe' puid='00000010'/></Profiles>");
  const std::string damaged = "<Profiles><Player name='Ann' puid='00000020'/><Player name='Bo";
  WriteProfiles(damaged);
  Testing::CapturedLog log;
  Load();
  ASSERT_EQ(Profiles.GetCount(), 1);
  EXPECT_EQ(Profiles.Get(0)->Name, u"Safe");
  EXPECT_EQ(Temp.Read("profiles.xml.unreadable"), damaged) << "the damaged file is kept aside";

  // Without a backup, what could be read is kept.
  PlayerProfiles partial;
  Testing::TempFolder other;
  other.Write("profiles.xml", damaged);
  partial.Load(String(other.Path().c_str()), &Lists);
  ASSERT_EQ(partial.GetCount(), 1);
  EXPECT_EQ(partial.Get(0)->Name, u"Ann");
  ASSERT_TRUE(partial.Save(String(other.Path().c_str())));
  EXPECT_EQ(other.Read("profiles.xml.unreadable"), damaged) << "never overwritten by the new file";
}

TEST_F(PlayerProfilesTest, EmptyAndForeignFiles) {
  for (const char* content : {"", "<?xml version='1.0'?>", "<Records/>", "\xFF\xFE\x00\x00garbage"}) {
    Testing::TempFolder folder;
    folder.Write("profiles.xml", content);
    PlayerProfiles profiles;
    profiles.Load(String(folder.Path().c_str()), &Lists);
    EXPECT_EQ(profiles.GetCount(), 0) << content;
    EXPECT_EQ(profiles.Current, nullptr);
  }
}

TEST_F(PlayerProfilesTest, SavingKeepsThePreviousVersion) {
  Profiles.FindOrCreate(u"Ann", true, 100, 100);
  ASSERT_TRUE(Profiles.Save(Folder()));
  Profiles.FindOrCreate(u"Bob", true, 100, 100);
  ASSERT_TRUE(Profiles.Save(Folder()));
  EXPECT_EQ(Temp.Read("profiles.xml.bak").find("Bob"), std::string::npos);
  EXPECT_NE(Temp.Read("profiles.xml").find("Bob"), std::string::npos);
}

TEST_F(PlayerProfilesTest, WithNoProfilesLeftTheFileIsDeleted) {
  PlayerProfile* ann = Profiles.FindOrCreate(u"Ann", true, 100, 100);
  Profiles.Current = ann;
  ASSERT_TRUE(Profiles.Save(Folder()));
  std::string profileFolder = Temp.File(ann->GetFolderName().CStr());
  ASSERT_TRUE(MakeFolders(String(profileFolder.c_str())));
  Temp.Write(std::string(ann->GetFolderName().CStr()) + "/career.sav", "save");
  Profiles.Delete(ann, Folder());
  EXPECT_EQ(Profiles.Current, nullptr);
  EXPECT_FALSE(FileExists(String((profileFolder + "/career.sav").c_str()))) << "its folder goes with it";
  ASSERT_TRUE(Profiles.Save(Folder()));
  EXPECT_FALSE(FileExists(String(Temp.File("profiles.xml").c_str())));
}

TEST_F(PlayerProfilesTest, NamesAndIdentifiers) {
  EXPECT_EQ(Profiles.FindOrCreate(u"", true, 100, 100), nullptr);
  EXPECT_EQ(Profiles.FindOrCreate(u"  \t", true, 100, 100), nullptr);
  PlayerProfile* ann = Profiles.FindOrCreate(u"Ann", true, 100, 100);
  EXPECT_EQ(Profiles.FindOrCreate(u"Ann", false, 0, 0), ann) << "an existing name is found, not created";
  EXPECT_EQ(Profiles.FindOrCreate(u"ann", true, 100, 100) == ann, false) << "names compare exactly";
  // Identifiers from the 15-bit generator never repeat one in use.
  Tessel::SeedRand(7);
  uint32_t first = Profiles.NewIdentifier();
  Tessel::SeedRand(7);
  ann->Id = first;
  uint32_t second = Profiles.NewIdentifier();
  EXPECT_NE(second, first);
  EXPECT_NE(second, 0u);
  EXPECT_LE(first >> 16, 65534u);
}

TEST_F(PlayerProfilesTest, TrophyAndResultAccess) {
  PlayerProfile profile;
  profile.TrophiesAcquired = 1u << TROPHY_OneMillion;
  EXPECT_TRUE(profile.HasTrophy(TROPHY_OneMillion));
  EXPECT_FALSE(profile.HasTrophy(TROPHY_BestHouse));
  EXPECT_THROW(profile.HasTrophy(TROPHY_NumTrophies), Tessel::AssertionFailedException);
  EXPECT_THROW(profile.HasTrophy(TROPHY_Unknown), Tessel::AssertionFailedException);
  LevelResult first, second;
  first.Days = 30;
  second.Days = 20;
  profile.SetCareerResult(0, first, Lists);
  profile.SetCareerResult(0, second, Lists);
  EXPECT_EQ(profile.CareerRecords.GetSize(), 1) << "the most recent result replaces the older";
  EXPECT_EQ(profile.GetCareerResult(0)->Days, 20);
  EXPECT_EQ(profile.GetCareerResult(0)->LevelName, String("Tutorial"));
  EXPECT_EQ(profile.GetCareerResult(1), nullptr);
  EXPECT_THROW(profile.SetCareerResult(3, first, Lists), Tessel::AssertionFailedException);
}
