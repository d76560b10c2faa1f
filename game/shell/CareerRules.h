#pragma once
// The long-term progression of a career: reward points for completed levels,
// the office upgrades they buy, ranks by company value, the two gifts that
// appear in the office, and the trophies. Everything here changes only the
// profile; the application saves it afterwards.

#include <cstdint>

#include "game/shell/PlayerProfile.h"
#include "game/shell/Trophies.h"
#include "tessel/Array.h"

namespace Corvanta {

class Balance;
class LevelProgression;
struct LevelProgressionRecord;

enum GiftKind { GIFT_Fountain = 0, GIFT_Square = 1, GIFT_None = 2 };

// The number of leading thresholds the value reaches.
int GetRankIndex(uint64_t companyValue, const Tessel::Array<uint64_t>& thresholds);
// 0..1 from the last threshold reached to the next one; 1 past the last.
float GetRankProgress(uint64_t companyValue, const Tessel::Array<uint64_t>& thresholds);

// Available: enough career levels completed and every required upgrade bought.
bool IsOfficeUpgradeAvailable(const PlayerProfile& profile, int upgrade, const Balance& balance);
// Pays the price; the profile must not hold it and must afford it.
void BuyOfficeUpgrade(PlayerProfile& profile, int upgrade, const Balance& balance);

// Reward points for completing career level levelIndex; expert means won
// within the level's expert days.
void PayLevelReward(PlayerProfile& profile, const LevelProgressionRecord& level, int levelIndex, bool expert);
void PaySkipTutorialReward(PlayerProfile& profile);

// The gift a newly reached highest career level brings: at most one per level.
GiftKind AwardGift(PlayerProfile& profile, int newHighestLevel, const LevelProgression& progression);

// Sets the trophy's bit; true when the profile did not hold it yet.
bool AwardTrophy(PlayerProfile& profile, int trophy);
// The rank trophy of a rise from oldRank to newRank (TROPHY_NewRank1 for
// rank 2 ... TROPHY_NewRank4 for rank 5), awarded when new; TROPHY_Unknown
// when there is none or the profile holds it.
int AwardRankTrophy(PlayerProfile& profile, int oldRank, int newRank);
// The trophies a career victory brings (the tutorial at level 2, the last level).
Tessel::Array<int> AwardVictoryTrophies(PlayerProfile& profile, int careerLevel, int numCareerLevels);

// What the HUD watches while a career level runs.
struct CareerStanding {
  int BankAccount = 0;
  int Population = 0;
  int Appearance = 0;
  bool ShowsPopulation = false;
  bool ShowsAppearance = false;
};
Tessel::Array<int> AwardStandingTrophies(PlayerProfile& profile, const CareerStanding& standing);

}  // namespace Corvanta
