#pragma once
// GameRecords: the game-wide bests in records.xml: the best time of every
// level and who made it, the twelve best companies of the career, and the
// twelve best results of each sandbox map. Empty places are taken by
// invented default players, who are never written back.

#include <cstdint>

#include "game/shell/LevelLists.h"
#include "tessel/Array.h"
#include "tessel/Strings.h"
#include "tessel/WideText.h"

namespace Corvanta {

class Balance;
class PlayerProfile;

struct LevelRecord {
  int BestTimeDays = 0;  // 0: none yet
  uint32_t BestTimePlayerId = 0;
  Tessel::WideString BestTimePlayerName;
};

struct CareerTopResult {
  uint32_t PlayerId = 0;  // 0: an empty place or a default player
  Tessel::WideString PlayerName;
  Tessel::WideString CompanyName;
  uint64_t CompanyValue = 0;
};

struct SandboxTopResult {
  uint32_t PlayerId = 0;
  Tessel::WideString PlayerName;
  Tessel::WideString CompanyName;
  int Days = 0;
  int Money = 0;
};

// What the default players achieved, place by place: the balance settings'
// default top scores.
struct TopResultDefaults {
  uint64_t CareerCompanyValue[12] = {};
  int SandboxDays[12] = {};
  int SandboxMoney[12] = {};

  static TopResultDefaults From(const Balance& balance);
};

class GameRecords {
public:
  static constexpr const char* FileName = "records.xml";
  static constexpr int NumTopResults = 12;
  static constexpr int NumSandboxLevels = 6;

  // Reads folder + "records.xml" (a missing file is an empty start) and fills
  // the empty places with the default players.
  void Load(const Tessel::String& folder, const LevelLists& lists, const TopResultDefaults& defaults);
  bool Save(const Tessel::String& folder, const LevelLists& lists) const;

  // Records a completed level; true when a top result changed.
  bool RecordCareerLevel(int level, int days, const PlayerProfile& player);
  bool RecordSandboxLevel(int level, int days, int money, const PlayerProfile& player);

  // For display: career by company value, highest first; a sandbox map's by
  // days, fewest first, then by money, highest first.
  Tessel::Array<CareerTopResult> SortedCareerResults() const;
  Tessel::Array<SandboxTopResult> SortedSandboxResults(int level) const;

  Tessel::Array<LevelRecord> CareerLevels;
  Tessel::Array<LevelRecord> SandboxLevels;
  CareerTopResult CareerTop[NumTopResults];
  SandboxTopResult SandboxTop[NumSandboxLevels][NumTopResults];

private:
  bool ReadFile(const Tessel::String& path, const LevelLists& lists);
  void Reset(const LevelLists& lists);
  void FillDefaults(const TopResultDefaults& defaults);
  void UpdateBestTime(Tessel::Array<LevelRecord>& records, int level, int days, const PlayerProfile& player);
};

}  // namespace Corvanta
