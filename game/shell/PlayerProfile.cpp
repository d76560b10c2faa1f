#include "game/shell/PlayerProfile.h"

#include "game/shell/Trophies.h"
#include "tessel/Exception.h"
#include "tessel/Format.h"

namespace Corvanta {

using namespace Tessel;

namespace {

void Sort(const Array<LevelResult>& records, const Array<String>& names, Array<int>& sorted) {
  sorted.SetSize(names.GetSize(), -1);
  for (int level = 0; level < names.GetSize(); ++level) {
    sorted[level] = -1;
    for (int i = 0; i < records.GetSize(); ++i) {
      if (records[i].LevelName == names[level]) {
        sorted[level] = i;
        break;
      }
    }
  }
}

const LevelResult* Find(const Array<LevelResult>& records, const Array<int>& sorted, int level) {
  if (level < 0 || level >= sorted.GetSize() || sorted[level] < 0) return nullptr;
  return &records[sorted[level]];
}

void Store(Array<LevelResult>& records, Array<int>& sorted, int level, const LevelResult& result,
           const String& levelName) {
  if (sorted[level] < 0) {
    sorted[level] = records.GetSize();
    records.Add(LevelResult());
  }
  LevelResult& record = records[sorted[level]];
  record = result;
  record.LevelName = levelName;
}

}  // namespace

uint64_t PlayerProfile::GetCompanyValue() const {
  uint64_t value = 0;
  for (const LevelResult& r : CareerRecords) value += r.PropertyValue;
  return value;
}

String PlayerProfile::GetFolderName() const { return Format("%08X", Id); }

bool PlayerProfile::HasTrophy(int trophy) const {
  TESSEL_ASSERT(( trophy > TROPHY_Unknown ) && ( trophy < TROPHY_NumTrophies ));
  return (TrophiesAcquired >> trophy) & 1u;
}

const LevelResult* PlayerProfile::GetCareerResult(int level) const {
  return Find(CareerRecords, CareerRecordsSorted, level);
}

const LevelResult* PlayerProfile::GetSandboxResult(int level) const {
  return Find(SandboxRecords, SandboxRecordsSorted, level);
}

void PlayerProfile::SetCareerResult(int level, const LevelResult& result, const LevelLists& lists) {
  if (CareerRecordsSorted.GetSize() != lists.Career.GetSize()) SortRecords(lists);
  TESSEL_ASSERT(level >= 0 && level < CareerRecordsSorted.GetSize());
  Store(CareerRecords, CareerRecordsSorted, level, result, lists.Career[level]);
}

void PlayerProfile::SetSandboxResult(int level, const LevelResult& result, const LevelLists& lists) {
  if (SandboxRecordsSorted.GetSize() != lists.Sandbox.GetSize()) SortRecords(lists);
  TESSEL_ASSERT(level >= 0 && level < SandboxRecordsSorted.GetSize());
  Store(SandboxRecords, SandboxRecordsSorted, level, result, lists.Sandbox[level]);
}

void PlayerProfile::SortRecords(const LevelLists& lists) {
  Sort(CareerRecords, lists.Career, CareerRecordsSorted);
  Sort(SandboxRecords, lists.Sandbox, SandboxRecordsSorted);
}

bool IsUsableName(const WideString& name) {
  for (char16_t c : name)
    if (c != ' ' && c != '\t' && c != 0xA0 && c != '\r' && c != '\n') return true;
  return false;
}

}  // namespace Corvanta
