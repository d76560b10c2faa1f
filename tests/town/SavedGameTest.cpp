// The saved game: a town written and read back is the same town; a file laid
// out by hand reads as its layout says; a damaged, cut-off or hostile file
// is refused whole and never crashes.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <string>

#include "game/town/MapDecor.h"
#include "game/town/MapGoal.h"
#include "game/town/SaveStream.h"
#include "game/town/SavedGameFile.h"
#include "support/TempFolder.h"
#include "tessel/Exception.h"
#include "tessel/Random.h"
#include "town/VanTestSupport.h"

using namespace Corvanta;

namespace {

std::string SaveOf(const Map& map) {
  SaveWriter out;
  map.WriteSave(out);
  return out.Bytes;
}

// The message of what reading the bytes into a fresh map throws; empty when
// it read them. Every failure leaves the reader with its trace line.
std::string ReadError(const std::string& bytes, std::unique_ptr<Map>* loaded = nullptr) {
  auto map = std::make_unique<Map>();
  try {
    SaveReader in(bytes);
    map->ReadSave(in);
  } catch (const Tessel::Exception& e) {
    std::string trace = e.Trace.CStr();
    const std::string last = "    at Map::ReadSave\n";
    EXPECT_TRUE(trace.size() >= last.size() && trace.compare(trace.size() - last.size(), last.size(), last) == 0)
        << trace;
    return e.Message.CStr();
  }
  if (loaded) *loaded = std::move(map);
  return {};
}

// A saved game laid out field by field as the format has it: a 6 x 4 grid
// with a road along row 3, and the buildings the test adds.
struct HandMadeSave {
  struct Record {
    int Kind = BDK_Office;
    int X = 0, Y = 0;
    int Level = 0;
    int Job = JOB_None;
    float SaleTimer = 0;
    int Price = 0;
    bool IsRival = false;
    int Vans = 2;  // the office's tail
    float SpeedUpTimer = 0;
  };
  std::vector<Record> Buildings{Record{}};
  int Columns = 6, Rows = 4;
  int Day = 4;
  float GameTime = 30;
  int BankAccount = 5000;
  int GoalCount = 0;
  int WrittenSquares = -1;  // all

  std::string Bytes() const {
    SaveWriter out;
    out.WriteInt16(3);
    out.WriteStr8("HandMade");
    out.WriteInt32(0);  // no background tiles
    out.WriteInt32(0);
    for (float v : {0.0f, 0.0f, 240.0f, 160.0f}) out.WriteFloat(v);
    for (int v : {0, 0, Columns, Rows}) out.WriteInt32(v);  // playground
    out.WriteInt32(0);                                      // squares offset
    out.WriteInt32(0);
    out.WriteInt32(2);  // snow
    out.WriteInt32(BankAccount);
    out.WriteInt32(0);
    out.WriteFloat(GameTime);
    out.WriteFloat(0.5f);
    out.WriteInt32(Day);
    out.WriteInt32(20);
    out.WriteFloat(1);
    out.WriteInt32(-1);
    for (bool b : {true, true, true, true, true, false, false}) out.WriteBool(b);
    out.WriteInt32(Columns);
    out.WriteInt32(Rows);
    for (int y = 0; y < Rows; ++y)
      for (int x = 0; x < Columns; ++x) {
        if (WrittenSquares >= 0 && x + y * Columns >= WrittenSquares) continue;
        out.WriteBool(y == 3);
        out.WriteBool(false);
        out.WriteBool(x == 5 && y == 0);
      }
    out.WriteInt32(static_cast<int32_t>(Buildings.size()));
    for (const Record& b : Buildings) {
      out.WriteInt32(b.Kind);
      out.WriteStr8("");
      out.WriteInt32(b.Level);
      out.WriteInt32(b.X);
      out.WriteInt32(b.Y);
      out.WriteInt32(b.Job);
      out.WriteFloat(b.SaleTimer);
      out.WriteInt32(b.Price);
      out.WriteFloat(0);
      for (bool flag : {false, false, false, b.IsRival, false, false}) out.WriteBool(flag);
      if (b.Kind == BDK_Office) {
        out.WriteInt32(b.Vans);
        out.WriteBool(false);
        out.WriteFloat(b.SpeedUpTimer);
      }
    }
    out.WriteInt32(GoalCount);
    out.WriteInt32(0);  // no decorations
    return out.Bytes;
  }
};

class SavedGameTest : public Testing::VanTest {
protected:
  // A town with something of everything the saved game keeps: roads,
  // forbidden and premium squares, the office with vans, a player's house
  // upgraded and broken, a rival's house on offer, changed switches, money
  // and a clock that has run.
  void BuildTown() {
    Build({
        "..........",
        "...x....$$",
        "##########",
        "..........",
        "..........",
        "..........",
    });
    map->LevelName = "Saved";
    PlaceRealOffice(0, 3, 3);
    house = PlaceAs<House>(BDK_BrickHouse, 4, 3);
    house->SetLevel(2);
    house->IsBroken = true;
    rival = PlaceAs<House>(BDK_Bungalow, 7, 3);
    rival->SetRival(true);
    map->MakeRivalOffer();
    map->BankAccount = 123456;
    map->Day = 7;
    map->GameTime = 321.25f;
    map->PayDayProgress = 0.75f;
    map->CanCancelRepair = false;
    map->MaxBuildingUpgradeLevel = 2;
    map->DecorSetting = 4;
  }

  House* house = nullptr;
  House* rival = nullptr;
};

TEST_F(SavedGameTest, ATownReadBackIsWrittenByteForByteAsBefore) {
  BuildTown();
  std::string first = SaveOf(*map);
  std::unique_ptr<Map> loaded;
  ASSERT_EQ(ReadError(first, &loaded), "");
  EXPECT_EQ(SaveOf(*loaded), first);

  EXPECT_TRUE(loaded->IsStarted());
  EXPECT_EQ(loaded->LevelName, "Saved");
  EXPECT_EQ(loaded->BankAccount, 123456);
  EXPECT_EQ(loaded->Day, 7);
  EXPECT_FLOAT_EQ(loaded->GameTime, 321.25f);
  EXPECT_FALSE(loaded->CanCancelRepair);
  EXPECT_EQ(loaded->MaxBuildingUpgradeLevel, 2);
  EXPECT_EQ(loaded->DecorSetting, 4);
  EXPECT_TRUE(loaded->GetSquare(3, 1)->IsForbidden);
  EXPECT_TRUE(loaded->GetSquare(9, 1)->IsPremium);
  EXPECT_TRUE(loaded->GetSquare(5, 2)->IsRoad);
  ASSERT_NE(loaded->TheOffice, nullptr);
  EXPECT_EQ(loaded->TheOffice->Vans.GetSize(), 3);
  ASSERT_EQ(loaded->Buildings.GetSize(), 3);
  const Building* savedHouse = loaded->Buildings[1];
  EXPECT_EQ(savedHouse->Kind, BDK_BrickHouse);
  EXPECT_EQ(savedHouse->Level, 2);
  EXPECT_TRUE(savedHouse->IsBroken);
}

TEST_F(SavedGameTest, ARivalsOfferKeepsItsPriceAndTimeAndStaysOnOffer) {
  BuildTown();
  ASSERT_TRUE(rival->CanBuy());
  std::unique_ptr<Map> loaded;
  ASSERT_EQ(ReadError(SaveOf(*map), &loaded), "");
  Building* offered = loaded->Buildings[2];
  EXPECT_TRUE(offered->IsRival);
  EXPECT_GT(offered->Price, 0);
  EXPECT_EQ(offered->Price, rival->Price);
  EXPECT_FLOAT_EQ(offered->SaleTimer, rival->SaleTimer);
  EXPECT_TRUE(offered->CanBuy());
  // An offer that has run out leaves no price behind, so it is not offered again.
  loaded->Update(0.1f);
  for (int i = 0; i < 10000 && offered->CanBuy(); ++i) offered->OnUpdate(1);
  ASSERT_FALSE(offered->CanBuy());
  std::unique_ptr<Map> again;
  ASSERT_EQ(ReadError(SaveOf(*loaded), &again), "");
  EXPECT_FALSE(again->Buildings[2]->CanBuy());
}

TEST_F(SavedGameTest, AnUpgradeInProgressStartsAgainAtTheOldLevelWithoutChargingTwice) {
  BuildTown();
  house->IsBroken = false;
  house->SetLevel(1);
  house->StartJob(JOB_Upgrade, false);
  std::unique_ptr<Map> loaded;
  ASSERT_EQ(ReadError(SaveOf(*map), &loaded), "");
  const Building* restored = loaded->Buildings[1];
  EXPECT_EQ(restored->Level, 1);
  EXPECT_EQ(restored->JobRequired, JOB_Upgrade);
  EXPECT_EQ(loaded->BankAccount, map->BankAccount);
  EXPECT_GE(loaded->JobQueue.IndexOf(const_cast<Building*>(restored)), 0) << "the job waits for vans again";
}

TEST_F(SavedGameTest, AHouseAWorkshopIsRepairingIsStillRepairedWhenContinued) {
  BuildTown();
  house->IsBroken = false;
  // The workshop stood first; the house broke beside it and the workshop's
  // repair began.
  map->RemoveBuilding(house);
  PlaceAs<Workshop>(BDK_Workshop, 4, 0);
  house = PlaceAs<House>(BDK_BrickHouse, 4, 3);
  house->SetBroken(true);
  ASSERT_EQ(house->JobRequired, JOB_Repair);
  std::unique_ptr<Map> loaded;
  ASSERT_EQ(ReadError(SaveOf(*map), &loaded), "");
  Building* restored = nullptr;
  for (Building* building : loaded->Buildings)
    if (building->Kind == BDK_BrickHouse) restored = building;
  ASSERT_NE(restored, nullptr);
  EXPECT_TRUE(restored->IsBroken);
  EXPECT_EQ(restored->JobRequired, JOB_Repair);
  for (int second = 0; second < 600 && restored->IsBroken; ++second) loaded->Update(1);
  EXPECT_FALSE(restored->IsBroken) << "the workshop repairs it";
}

TEST_F(SavedGameTest, ATownWithoutBuildingsGoalsOrDecorationsEndsWithThreeZeroCounts) {
  Build({"....", "####"});
  std::string bytes = SaveOf(*map);
  ASSERT_GE(bytes.size(), 12u);
  EXPECT_EQ(bytes.substr(bytes.size() - 12), std::string(12, '\0'));
  // A town must have its office to be played on.
  EXPECT_EQ(ReadError(bytes), "Damaged save file: the town has no office.");
}

TEST(SavedGame, AHandMadeFileReadsAsItsLayoutSays) {
  Balance::Install(Testing::ShippedBalance());
  HandMadeSave save;
  HandMadeSave::Record shop;
  shop.Kind = BDK_Shop;
  shop.X = 3;
  shop.Y = 1;
  shop.IsRival = true;
  save.Buildings.push_back(shop);
  std::unique_ptr<Map> map;
  ASSERT_EQ(ReadError(save.Bytes(), &map), "");
  EXPECT_EQ(map->LevelName, "HandMade");
  EXPECT_EQ(map->Columns, 6);
  EXPECT_EQ(map->DecorSetting, 2);
  EXPECT_EQ(map->BankAccount, 5000);
  EXPECT_EQ(map->Day, 4);
  EXPECT_FLOAT_EQ(map->PayDayProgress, 0.5f);
  EXPECT_TRUE(map->GetSquare(2, 3)->IsRoad);
  EXPECT_TRUE(map->GetSquare(5, 0)->IsPremium);
  EXPECT_EQ(map->TheOffice->Vans.GetSize(), 2);
  ASSERT_EQ(map->Buildings.GetSize(), 2);
  EXPECT_EQ(map->Buildings[1]->Kind, BDK_Shop);
  EXPECT_TRUE(map->Buildings[1]->IsRival);
  EXPECT_EQ(map->GetSquare(4, 2)->Entity, map->Buildings[1]);
  map.reset();
  Balance::Reset();
}

// Each case changes one thing of a good file into what this game never writes.
struct HostileCase {
  const char* Name;
  std::function<void(HandMadeSave&)> Change;
  const char* Message;
};

class HostileSave : public ::testing::TestWithParam<HostileCase> {
protected:
  void SetUp() override { Balance::Install(Testing::ShippedBalance()); }
  void TearDown() override { Balance::Reset(); }
};

HandMadeSave::Record At(int kind, int x, int y) {
  HandMadeSave::Record r;
  r.Kind = kind;
  r.X = x;
  r.Y = y;
  return r;
}

TEST_P(HostileSave, IsRefusedWithItsReason) {
  HandMadeSave save;
  GetParam().Change(save);
  EXPECT_EQ(ReadError(save.Bytes()), GetParam().Message);
}

INSTANTIATE_TEST_SUITE_P(
    SavedGame, HostileSave,
    ::testing::Values(
        HostileCase{"Overlap", [](HandMadeSave& s) { s.Buildings.push_back(At(BDK_Shop, 2, 1)); },
                    "Damaged save file: two buildings on one square."},
        HostileCase{"OutsideTheGrid", [](HandMadeSave& s) { s.Buildings.push_back(At(BDK_Shop, 6, 0)); },
                    "Damaged save file: a building outside the grid."},
        HostileCase{"UnknownKind", [](HandMadeSave& s) { s.Buildings.push_back(At(99, 4, 0)); },
                    "Damaged save file: a building's kind."},
        HostileCase{"TutorialMarker", [](HandMadeSave& s) { s.Buildings.push_back(At(BDK_TutorialMarker, 4, 0)); },
                    "Damaged save file: a building's kind."},
        HostileCase{"SecondOffice", [](HandMadeSave& s) { s.Buildings.push_back(At(BDK_Office, 3, 0)); },
                    "Damaged save file: a second office."},
        HostileCase{"NoOffice", [](HandMadeSave& s) { s.Buildings = {At(BDK_Shop, 0, 0)}; },
                    "Damaged save file: the town has no office."},
        HostileCase{"TooManyVans", [](HandMadeSave& s) { s.Buildings[0].Vans = 100000; },
                    "Damaged save file: the office's vans."},
        HostileCase{"LevelBeyondUpgrades",
                    [](HandMadeSave& s) {
                      s.Buildings.push_back(At(BDK_Shop, 3, 0));
                      s.Buildings.back().Level = 4;
                    },
                    "Damaged save file: a building's level."},
        HostileCase{"UnknownJob", [](HandMadeSave& s) { s.Buildings[0].Job = 17; },
                    "Damaged save file: a building's job."},
        HostileCase{"NegativePrice", [](HandMadeSave& s) { s.Buildings[0].Price = -5; },
                    "Damaged save file: a building's price."},
        HostileCase{"NotANumberTimer",
                    [](HandMadeSave& s) { s.Buildings[0].SaleTimer = std::numeric_limits<float>::quiet_NaN(); },
                    "Damaged save file: a building's sale timer."},
        HostileCase{"InfiniteClock", [](HandMadeSave& s) { s.GameTime = std::numeric_limits<float>::infinity(); },
                    "Damaged save file: the game time."},
        HostileCase{"DayBeyondTheCounter", [](HandMadeSave& s) { s.Day = 5000; }, "Damaged save file: the day."},
        HostileCase{"NegativeMoney", [](HandMadeSave& s) { s.BankAccount = -1; },
                    "Damaged save file: the bank account."},
        HostileCase{"HugeGrid",
                    [](HandMadeSave& s) {
                      s.Columns = 1000;
                      s.Rows = 1000;
                      s.WrittenSquares = 24;  // the squares that follow are too few
                    },
                    "Damaged save file: the squares are cut off."},
        HostileCase{"NegativeGrid", [](HandMadeSave& s) { s.Columns = -6; }, "Damaged save file: the grid's size."},
        // The decoration count after it is taken for the goal's kind.
        HostileCase{"GoalOfNoKind", [](HandMadeSave& s) { s.GoalCount = 1; }, "Unknown goal kind."},
        HostileCase{"NegativeGoalCount", [](HandMadeSave& s) { s.GoalCount = -3; }, "Bad goal count."}),
    [](const ::testing::TestParamInfo<HostileCase>& info) { return std::string(info.param.Name); });

TEST(SavedGame, AnotherVersionIsRefusedBeforeAnythingElseIsRead) {
  for (const std::string& bytes : {std::string(), std::string("\x03", 1), std::string("\x02\x00", 2),
                                   std::string("\x03\x01", 2) + std::string(200, 'x')}) {
    EXPECT_EQ(ReadError(bytes), "Incorrect save file version.") << bytes.size() << " bytes";
  }
}

TEST_F(SavedGameTest, EveryCutOffCopyIsRefused) {
  BuildTown();
  std::string bytes = SaveOf(*map);
  for (size_t length = 0; length < bytes.size(); ++length) {
    std::string error = ReadError(bytes.substr(0, length));
    ASSERT_NE(error, "") << "a file cut after " << length << " of " << bytes.size() << " bytes was read";
  }
}

// Changed bytes either read as another town, which then runs, or are
// refused; neither crashes (the sanitizer build checks the memory).
TEST_F(SavedGameTest, DamagedBytesAreReadOrRefusedButNeverCrash) {
  BuildTown();
  std::string good = SaveOf(*map);
  Tessel::SeedRand(7);
  int read = 0, refused = 0;
  for (int trial = 0; trial < 400; ++trial) {
    std::string bytes = good;
    int changes = 1 + Tessel::Rand() % 4;
    for (int i = 0; i < changes; ++i)
      bytes[static_cast<size_t>(Tessel::Rand()) % bytes.size()] = static_cast<char>(Tessel::Rand() & 0xFF);
    std::unique_ptr<Map> loaded;
    if (ReadError(bytes, &loaded).empty()) {
      ++read;
      for (int frame = 0; frame < 20; ++frame) loaded->Update(0.1f);
      EXPECT_GE(loaded->BankAccount, 0);
    } else {
      ++refused;
    }
  }
  EXPECT_GT(read, 0);
  EXPECT_GT(refused, 0);
}

TEST_F(SavedGameTest, ASaveOnDiskKeepsThePreviousOneAsItsBackup) {
  Testing::TempFolder folder;
  std::string path = folder.Path() + "/career.sav";
  BuildTown();
  ASSERT_TRUE(WriteSavedGameFile(*map, path.c_str()));
  std::string first = SaveOf(*map);
  map->BankAccount = 99;
  ASSERT_TRUE(WriteSavedGameFile(*map, path.c_str()));

  auto bytesOf = [](const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  EXPECT_EQ(bytesOf(path), SaveOf(*map));
  EXPECT_EQ(bytesOf(path + ".bak"), first);
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));

  Map continued;
  ReadSavedGameFile(continued, path.c_str());
  EXPECT_EQ(continued.BankAccount, 99);

  // A folder that cannot take the file leaves the save as it was.
  EXPECT_FALSE(WriteSavedGameFile(*map, (folder.Path() + "/missing/career.sav").c_str()));
  try {
    Map none;
    ReadSavedGameFile(none, (folder.Path() + "/sandbox.sav").c_str());
    ADD_FAILURE() << "a missing save was read";
  } catch (const Tessel::Exception& e) {
    EXPECT_STREQ(e.Message.CStr(), "Incorrect save file version.");
  }
}

}  // namespace
