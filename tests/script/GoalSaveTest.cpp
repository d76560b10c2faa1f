// Goals in a saved game: each kind's record as it is laid out, read back
// into goals that test what the saved ones tested, and records that cannot
// be trusted turned away before they become goals.

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

#include "game/script/BuildingEventGoals.h"
#include "game/script/CountGoals.h"
#include "game/script/LevelGoals.h"
#include "game/script/OwnBuildingGoal.h"
#include "game/script/UseSpecialAbilityGoal.h"
#include "game/town/SaveStream.h"
#include "script/GoalTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

std::string Bytes(std::initializer_list<int> bytes) {
  std::string text;
  for (int b : bytes) text.push_back(static_cast<char>(b));
  return text;
}

std::string FloatBytes(float value) {
  std::string text(4, '\0');
  std::memcpy(text.data(), &value, 4);  // the machines we build for are little-endian
  return text;
}

// ---- the encoding

TEST(SaveStream, WritesLittleEndianValuesAndCountedStrings) {
  SaveWriter out;
  out.WriteInt16(-2);
  out.WriteInt32(0x01020304);
  out.WriteBool(true);
  out.WriteStr8("ab");
  out.WriteStr16(u"\u00e9z");
  out.WriteStr8("");
  out.WriteFloat(1.5f);
  EXPECT_EQ(out.Bytes, Bytes({0xFE, 0xFF, 0x04, 0x03, 0x02, 0x01, 0x01, 2, 0, 0, 0, 'a', 'b',
                              2,    0,    0,    0,    0xE9, 0,    'z',  0, 0, 0, 0, 0}) +
                           FloatBytes(1.5f));
  SaveReader in(out.Bytes);
  EXPECT_EQ(in.ReadInt16(), -2);
  EXPECT_EQ(in.ReadInt32(), 0x01020304);
  EXPECT_TRUE(in.ReadBool());
  EXPECT_EQ(in.ReadStr8(), "ab");
  EXPECT_EQ(in.ReadStr16(), u"\u00e9z");
  EXPECT_EQ(in.ReadStr8(), "");
  EXPECT_EQ(in.ReadFloat(), 1.5f);
  EXPECT_TRUE(in.IsAtEnd());
}

TEST(SaveStream, ANegativeStringCountIsTheEmptyString) {
  std::string bytes = Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x80, 0, 0, 0x80});
  SaveReader in(bytes);
  EXPECT_EQ(in.ReadStr8(), "");
  EXPECT_EQ(in.ReadStr16(), u"");
  EXPECT_TRUE(in.IsAtEnd());
}

TEST(SaveStream, ReadingPastTheEndIsAnErrorNotAGuess) {
  struct Case {
    std::string Bytes;
    std::function<void(SaveReader&)> Read;
  };
  const Case cases[] = {
      {"", [](SaveReader& in) { in.ReadUInt8(); }},
      {Bytes({1}), [](SaveReader& in) { in.ReadInt16(); }},
      {Bytes({1, 2, 3}), [](SaveReader& in) { in.ReadInt32(); }},
      {Bytes({1, 2, 3}), [](SaveReader& in) { in.ReadFloat(); }},
      {Bytes({5, 0, 0, 0, 'a', 'b'}), [](SaveReader& in) { in.ReadStr8(); }},
      // A count that would need gigabytes is found out before anything is allocated.
      {Bytes({0xFF, 0xFF, 0xFF, 0x7F, 'a', 'b'}), [](SaveReader& in) { in.ReadStr16(); }},
      {Bytes({0xFF, 0xFF, 0xFF, 0x7F}), [](SaveReader& in) { in.ReadStr8(); }},
  };
  for (const Case& c : cases) {
    SaveReader in(c.Bytes);
    try {
      c.Read(in);
      ADD_FAILURE() << "read " << c.Bytes.size() << " bytes without an error";
    } catch (const SaveFormatException& e) {
      EXPECT_STREQ(e.Message.CStr(), "Truncated save file.");
    }
  }
}

// ---- the goals' records

class GoalSave : public GoalTest {
protected:
  // The map's goals from `from` on, as a saved game holds them.
  std::string SaveGoals(int from = 0) {
    SaveWriter out;
    out.WriteInt32(map->Goals.GetSize() - from);
    for (int i = from; i < map->Goals.GetSize(); ++i) {
      out.WriteInt32(map->Goals[i]->KindId);
      map->Goals[i]->Save(out);
    }
    return out.Bytes;
  }
  // Reads saved goals into the map; the goals read, first first.
  std::vector<MapGoal*> Read(const std::string& bytes) {
    int first = map->Goals.GetSize();
    SaveReader in(bytes);
    ReadGoals(*map, in);
    EXPECT_TRUE(in.IsAtEnd());
    std::vector<MapGoal*> goals;
    for (int i = first; i < map->Goals.GetSize(); ++i) goals.push_back(map->Goals[i]);
    return goals;
  }
  // The message of the exception that reading the bytes raises.
  std::string ErrorReading(const std::string& bytes) {
    SaveReader in(bytes);
    try {
      ReadGoals(*map, in);
    } catch (const Tessel::Exception& e) {
      return std::string(e.Message.CStr()) + "|" + e.Trace.CStr();
    }
    ADD_FAILURE() << "no error";
    return "";
  }
};

TEST_F(GoalSave, ACountGoalsRecordIsItsStateItsNamesAndItsCount) {
  MapGoal* goal = AddGoals("<Goal type='BankAccount' count='50000' id='money' text='Save' inactive='true'/>")[0];
  goal->IsMet = true;
  std::string bytes = SaveGoals();
  EXPECT_EQ(bytes, Bytes({1,   0,   0, 0, 4, 0, 0,   0, 1,   0, 1,   5, 0,   0, 0,    'm',  'o', 'n',
                          'e', 'y', 4, 0, 0, 0, 'S', 0, 'a', 0, 'v', 0, 'e', 0, 0x50, 0xC3, 0,   0}));
}

TEST_F(GoalSave, AnOwnBuildingRecordHoldsItsWholeDescription) {
  AddGoals(
      "<Goal type='OwnBuilding' kind='Duplex' count='2' upgrades='1' how='buy' duration='12.5' attendance='7' "
      "incomeBonus='15' services='premium,Park,Dealership,Tree'/>");
  std::string bytes = SaveGoals();
  std::string tail = Bytes({3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 1, 0}) + FloatBytes(12.5f) +
                     Bytes({7, 0, 0, 0, 15, 0, 0, 0,
                            // premium, Tree, Fountain, Park, Statue, ChineseGarden, Workshop, Shop,
                            // AmusementPark, Cinema, Dealership
                            1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1}) +
                     FloatBytes(12.5f);
  ASSERT_GE(bytes.size(), tail.size());
  EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
  EXPECT_EQ(bytes.size(), 4 + 4 + 3 + 4 + 4 + tail.size());
}

TEST_F(GoalSave, EveryKindReadsBackWhatItSaved) {
  std::vector<MapGoal*> saved = AddGoals(
      "<Goal type='OwnBuilding' kind='Bungalow' count='2' upgrades='1' how='construct' duration='8' attendance='3' "
      "incomeBonus='5' services='Fountain,Workshop' id='homes' expert='true'/>"
      "<Goal type='RepairBuilding' count='3' kind='Duplex' buildingId='inn'/>"
      "<Goal type='DemolishBuilding' count='2' kind='Tree'/>"
      "<Goal type='BankAccount' count='40000' text='Rich'/>"
      "<Goal type='Income' count='4000'/>"
      "<Goal type='Population' count='20' inactive='true'/>"
      "<Goal type='Happiness' count='25'/>"
      "<Goal type='NoRivals' expert='true'/>"
      "<Goal type='ConstructionVans' count='4'/>"
      "<Goal type='UseSpecialAbility' kind='Shop' count='2' simultaneously='true'/>");
  static_cast<BuildingEventGoal*>(saved[1])->Counter = 2;
  static_cast<OwnBuildingGoal*>(saved[0])->HoldTimer = 3.25f;
  saved[3]->IsMet = true;
  std::string bytes = SaveGoals();
  std::vector<MapGoal*> loaded = Read(bytes);
  ASSERT_EQ(loaded.size(), saved.size());
  for (size_t i = 0; i < saved.size(); ++i) {
    EXPECT_EQ(loaded[i]->KindId, saved[i]->KindId) << i;
    EXPECT_EQ(loaded[i]->IsMet, saved[i]->IsMet) << i;
    EXPECT_EQ(loaded[i]->IsExpert, saved[i]->IsExpert) << i;
    EXPECT_EQ(loaded[i]->IsInactive, saved[i]->IsInactive) << i;
    EXPECT_EQ(loaded[i]->Id, saved[i]->Id) << i;
    EXPECT_EQ(loaded[i]->GetText(), saved[i]->GetText()) << i;
  }
  auto* own = static_cast<OwnBuildingGoal*>(loaded[0]);
  EXPECT_EQ(own->Kind, BDK_Bungalow);
  EXPECT_EQ(own->Count, 2);
  EXPECT_EQ(own->Upgrades, 1);
  EXPECT_EQ(own->How, GOALHOW_Construct);
  EXPECT_FLOAT_EQ(own->Duration, 8);
  EXPECT_FLOAT_EQ(own->HoldTimer, 3.25f);
  EXPECT_EQ(own->Attendance, 3);
  EXPECT_EQ(own->IncomeBonus, 5);
  EXPECT_FALSE(own->RequiresPremium);
  EXPECT_EQ(own->RequiredServices.GetSize(), 2);
  auto* repair = static_cast<BuildingEventGoal*>(loaded[1]);
  EXPECT_EQ(repair->Count, 3);
  EXPECT_EQ(repair->Kind, BDK_Duplex);
  EXPECT_EQ(repair->BuildingId, "inn");
  EXPECT_EQ(repair->Counter, 2);
  EXPECT_EQ(static_cast<CountGoal*>(loaded[8])->Count, 4);
  auto* ability = static_cast<UseSpecialAbilityGoal*>(loaded[9]);
  EXPECT_EQ(ability->Kind, BDK_Shop);
  EXPECT_EQ(ability->Count, 2);
  EXPECT_TRUE(ability->Simultaneously);
  // Saved again, the goals read back give the same bytes.
  EXPECT_EQ(SaveGoals(static_cast<int>(saved.size())), bytes);
}

TEST_F(GoalSave, ALoadedGoalIsVisibleAndCountsAfresh) {
  MapGoal* hidden = AddGoals("<Goal type='UseSpecialAbility' kind='Shop' count='3' invisible='true'/>")[0];
  static_cast<UseSpecialAbilityGoal*>(hidden)->Counter = 2;
  AddGoals("<Goal type='OwnBuilding' kind='Bungalow' count='2'/>");
  PlaceHouse(4, 4);
  PlaceHouse(8, 4);
  std::vector<MapGoal*> loaded = Read(SaveGoals());
  EXPECT_FALSE(loaded[0]->IsInvisible);
  EXPECT_EQ(static_cast<UseSpecialAbilityGoal*>(loaded[0])->Counter, 0);
  EXPECT_EQ(static_cast<OwnBuildingGoal*>(loaded[1])->Matching, 2);  // recounted at once
}

TEST_F(GoalSave, AnUnknownKindIsAnErrorThatLeavesNoGoalBehind) {
  AddGoals("<Goal type='NoRivals'/>");
  std::string good = SaveGoals();
  for (int kind : {0, 11, -1, 1000}) {
    SaveWriter out;
    out.WriteInt32(2);
    out.WriteInt32(GOAL_NoRivals);
    map->Goals[0]->Save(out);
    out.WriteInt32(kind);
    map->Goals[0]->Save(out);
    int before = map->Goals.GetSize();
    EXPECT_EQ(ErrorReading(out.Bytes), "Unknown goal kind.|    at MapGoal::CreateFromKind\n    at MapGoal::ReadGoals\n")
        << kind;
    // The goal read before the unknown one stays; nothing of the unknown one.
    EXPECT_EQ(map->Goals.GetSize(), before + 1) << kind;
  }
}

TEST_F(GoalSave, WithoutTheGoalKindsInstalledEveryKindIsUnknown) {
  AddGoals("<Goal type='NoRivals'/>");
  std::string bytes = SaveGoals();
  MapGoal::SetFactory(nullptr);
  std::string error = ErrorReading(bytes);
  InstallGoalKinds();
  EXPECT_EQ(error.substr(0, error.find('|')), "Unknown goal kind.");
}

TEST_F(GoalSave, RecordsThatCannotBeTrustedAreTurnedAway) {
  AddGoals(
      "<Goal type='OwnBuilding' kind='Bungalow' duration='8'/><Goal type='RepairBuilding'/>"
      "<Goal type='UseSpecialAbility' kind='Shop'/>");
  // Byte offsets into a one-goal list: count, kind id, flags, empty id, empty text.
  const size_t tailStart = 4 + 4 + 3 + 4 + 4;
  auto one = [&](int index) {
    SaveWriter out;
    out.WriteInt32(1);
    out.WriteInt32(map->Goals[index]->KindId);
    map->Goals[index]->Save(out);
    return out.Bytes;
  };
  auto patched = [&](int index, size_t offset, const std::string& bytes) {
    std::string record = one(index);
    record.replace(tailStart + offset, bytes.size(), bytes);
    return record;
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    const char* What;
    std::string Bytes;
    const char* Error;
  };
  const Case cases[] = {
      {"an own-building kind that is no kind", patched(0, 0, Bytes({9, 0, 0, 0})),
       "Bad goal record: no building kind."},
      {"a way to own that is none", patched(0, 10, Bytes({3, 0})), "Bad goal record: no way to own."},
      {"a duration that is no number", patched(0, 12, FloatBytes(nan)), "Bad goal record: no duration."},
      {"a hold time that is no number", patched(0, 35, FloatBytes(nan)), "Bad goal record: no hold time."},
      {"a repair kind that is no kind", patched(1, 4, Bytes({99, 0, 0, 0})), "Bad goal record: no building kind."},
      {"an ability kind that is no kind", patched(2, 0, Bytes({0xFE, 0xFF, 0xFF, 0xFF})),
       "Bad goal record: no building kind."},
      {"a record cut short", one(0).substr(0, one(0).size() - 1), "Truncated save file."},
      {"a negative goal count", Bytes({0xFF, 0xFF, 0xFF, 0xFF}), "Bad goal count."},
      {"a goal count beyond any level", Bytes({0, 0, 0, 0x10}), "Bad goal count."},
  };
  for (const Case& c : cases) {
    int before = map->Goals.GetSize();
    std::string error = ErrorReading(c.Bytes);
    EXPECT_EQ(error.substr(0, error.find('|')), c.Error) << c.What;
    EXPECT_EQ(map->Goals.GetSize(), before) << c.What;
  }
}

TEST_F(GoalSave, OutOfRangeValuesAreHeldWithinTheirRange) {
  SaveWriter out;
  out.WriteInt32(3);
  auto base = [&](GoalKind kind) {
    out.WriteInt32(kind);
    out.WriteBool(false);
    out.WriteBool(false);
    out.WriteBool(false);
    out.WriteStr8("");
    out.WriteStr16(u"");
  };
  base(GOAL_OwnBuilding);
  out.WriteInt32(BDK_Bungalow);
  out.WriteInt32(-3);  // count
  out.WriteInt16(-4);  // upgrades
  out.WriteInt16(0);   // how
  out.WriteFloat(-2);  // duration
  out.WriteInt32(0);   // attendance
  out.WriteInt32(0);   // income bonus
  for (int flag = 0; flag < 11; ++flag) out.WriteBool(false);
  out.WriteFloat(50);  // hold timer, beyond the duration
  base(GOAL_BankAccount);
  out.WriteInt32(-7);
  base(GOAL_RepairBuilding);
  out.WriteInt32(-1);  // count
  out.WriteInt32(BDK_Any);
  out.WriteStr8("");
  out.WriteInt32(-5);  // counter
  std::vector<MapGoal*> loaded = Read(out.Bytes);
  ASSERT_EQ(loaded.size(), 3u);
  auto* own = static_cast<OwnBuildingGoal*>(loaded[0]);
  EXPECT_EQ(own->Count, 0);
  EXPECT_EQ(own->Upgrades, 0);
  EXPECT_EQ(own->Duration, 0);
  EXPECT_LE(own->HoldTimer, 0);
  EXPECT_EQ(static_cast<CountGoal*>(loaded[1])->Count, 0);
  EXPECT_EQ(TextOf(*loaded[1]), "Have $0 in the bank");
  auto* repair = static_cast<BuildingEventGoal*>(loaded[2]);
  EXPECT_EQ(repair->Count, 0);
  EXPECT_EQ(repair->Counter, 0);
  own->Evaluate(0.1f);
  EXPECT_TRUE(own->IsMet);
}

}  // namespace
