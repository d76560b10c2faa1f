#pragma once
// PlayerProfile: one player's progress, company, career rewards, settings and
// the last result of every level played. Profiles live in profiles.xml (see
// PlayerProfiles) and each owns a folder, named after its identifier, for its
// saved games and level thumbnails.

#include <cstdint>

#include "game/shell/LevelLists.h"
#include "tessel/Array.h"
#include "tessel/Strings.h"
#include "tessel/WideText.h"

namespace Corvanta {

struct LevelResult {
  int Days = 0;
  int Population = 0;
  uint64_t PropertyValue = 0;
  bool IsExpertResult = false;
  Tessel::String LevelName;
};

struct LevelProgress {
  int NumLevelsCompleted = 0;  // the highest level available; the ones below it are open
  int CurrentLevel = 0;
  bool IsInterrupted = false;  // a level was left unfinished and is saved
};

class PlayerProfile {
public:
  static constexpr int MaxVolume = 100;
  static constexpr int NumOfficeUpgrades = 14;
  static constexpr int NumGifts = 2;

  // The sum of the property values of the career results.
  uint64_t GetCompanyValue() const;
  // "%08X" of the identifier.
  Tessel::String GetFolderName() const;
  bool HasTrophy(int trophy) const;

  // The result of career (or sandbox) level n in the level lists; null when
  // the level has not been played.
  const LevelResult* GetCareerResult(int level) const;
  const LevelResult* GetSandboxResult(int level) const;
  // The most recent result replaces the older one.
  void SetCareerResult(int level, const LevelResult& result, const LevelLists& lists);
  void SetSandboxResult(int level, const LevelResult& result, const LevelLists& lists);
  // Matches the stored results with the levels of the lists by name.
  void SortRecords(const LevelLists& lists);

  Tessel::WideString Name;
  uint32_t Id = 0;  // never 0 once assigned
  int Assistant = 0;
  LevelProgress Career;
  LevelProgress Sandbox;
  Tessel::WideString CompanyName;
  int RewardPoints = 0;
  uint32_t OfficeUpgradesBought = 0;  // bit n: office upgrade n
  uint32_t GiftsAcquired = 0;         // bit 0 the fountain, bit 1 the square
  uint32_t TrophiesAcquired = 0;      // bit n: trophy n
  uint32_t Flags = 0;                 // kept as it was read
  bool IsWindowed = true;
  int SoundVolume = MaxVolume;
  int MusicVolume = MaxVolume;
  Tessel::Array<LevelResult> CareerRecords;
  Tessel::Array<LevelResult> SandboxRecords;
  // For each level of the lists, the index of its record or -1.
  Tessel::Array<int> CareerRecordsSorted;
  Tessel::Array<int> SandboxRecordsSorted;
};

// A name a player may give a profile (or a company): not empty, not only spaces.
bool IsUsableName(const Tessel::WideString& name);

}  // namespace Corvanta
