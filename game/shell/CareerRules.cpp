#include "game/shell/CareerRules.h"

#include "game/rules/Balance.h"
#include "game/rules/LevelProgression.h"
#include "game/rules/OfficeUpgrade.h"
#include "tessel/Exception.h"

namespace Corvanta {

using namespace Tessel;

namespace {

constexpr int ExpertBonusFromLevel = 3;  // the first paid levels after the tutorial
constexpr int FirstRewardPoints = 100;
constexpr int FirstExpertBonus = 20;

}  // namespace

int GetRankIndex(uint64_t companyValue, const Array<uint64_t>& thresholds) {
  int index = 0;
  while (index < thresholds.GetSize() && companyValue >= thresholds[index]) ++index;
  return index;
}

float GetRankProgress(uint64_t companyValue, const Array<uint64_t>& thresholds) {
  int next = GetRankIndex(companyValue, thresholds);
  if (next >= thresholds.GetSize()) return 1.0f;
  uint64_t previous = next > 0 ? thresholds[next - 1] : 0;
  uint64_t span = thresholds[next] - previous;
  if (span == 0) return 1.0f;
  return static_cast<float>(static_cast<double>(companyValue - previous) / static_cast<double>(span));
}

bool IsOfficeUpgradeAvailable(const PlayerProfile& profile, int upgrade, const Balance& balance) {
  if (upgrade < 0 || upgrade >= OFUP_NumUpgrades) return false;
  const OfficeUpgradeBalance& rules = balance.OfficeUpgrades[upgrade];
  return profile.Career.NumLevelsCompleted >= rules.NeedLevelsCompleted &&
         (profile.OfficeUpgradesBought & rules.RequiredUpgrades) == rules.RequiredUpgrades;
}

void BuyOfficeUpgrade(PlayerProfile& profile, int upgrade, const Balance& balance) {
  TESSEL_ASSERT(upgrade >= 0 && upgrade < OFUP_NumUpgrades);
  TESSEL_ASSERT(0 == ( profile.OfficeUpgradesBought & (1u << upgrade) ));
  TESSEL_ASSERT(profile.RewardPoints >= balance.OfficeUpgrades[upgrade].Price);
  profile.RewardPoints -= balance.OfficeUpgrades[upgrade].Price;
  profile.OfficeUpgradesBought |= 1u << upgrade;
}

void PayLevelReward(PlayerProfile& profile, const LevelProgressionRecord& level, int levelIndex, bool expert) {
  if (profile.CompanyName.empty()) {
    // Points are for a company: until it is named the player collects none.
    profile.RewardPoints = 0;
  } else if (profile.OfficeUpgradesBought == 0) {
    profile.RewardPoints = FirstRewardPoints + (expert && levelIndex >= ExpertBonusFromLevel ? FirstExpertBonus : 0);
  } else {
    profile.RewardPoints += level.RewardPoints + (expert ? level.RewardPointsExpertBonus : 0);
  }
}

void PaySkipTutorialReward(PlayerProfile& profile) {
  if (profile.CompanyName.empty()) {
    profile.RewardPoints = 0;
  } else if (profile.OfficeUpgradesBought == 0) {
    profile.RewardPoints = FirstRewardPoints;
  }
}

GiftKind AwardGift(PlayerProfile& profile, int newHighestLevel, const LevelProgression& progression) {
  if (!(profile.GiftsAcquired & 1u) && progression.IsUnlocked(String("GiftFountain"), newHighestLevel)) {
    profile.GiftsAcquired |= 1u;
    return GIFT_Fountain;
  }
  if (!(profile.GiftsAcquired & 2u) && progression.IsUnlocked(String("GiftSquare"), newHighestLevel)) {
    profile.GiftsAcquired |= 2u;
    return GIFT_Square;
  }
  return GIFT_None;
}

bool AwardTrophy(PlayerProfile& profile, int trophy) {
  if (profile.HasTrophy(trophy)) return false;
  profile.TrophiesAcquired |= 1u << trophy;
  return true;
}

int AwardRankTrophy(PlayerProfile& profile, int oldRank, int newRank) {
  if (newRank <= oldRank || newRank < 2) return TROPHY_Unknown;
  int rankTrophy = newRank - 1;
  // More thresholds than trophies: ranks above the fifth bring none.
  if (rankTrophy > TROPHY_MaxRankTrophy) return TROPHY_Unknown;
  return AwardTrophy(profile, rankTrophy) ? rankTrophy : TROPHY_Unknown;
}

Array<int> AwardVictoryTrophies(PlayerProfile& profile, int careerLevel, int numCareerLevels) {
  Array<int> won;
  if (careerLevel == 2 && AwardTrophy(profile, TROPHY_TutorialFinished)) won.Add(TROPHY_TutorialFinished);
  if (careerLevel == numCareerLevels - 1 && AwardTrophy(profile, TROPHY_CareerFinished)) won.Add(TROPHY_CareerFinished);
  return won;
}

Array<int> AwardStandingTrophies(PlayerProfile& profile, const CareerStanding& standing) {
  Array<int> won;
  auto award = [&](bool condition, int trophy) {
    if (condition && AwardTrophy(profile, trophy)) won.Add(trophy);
  };
  award(standing.BankAccount >= 1000000, TROPHY_OneMillion);
  award(standing.ShowsPopulation && standing.Population >= 150, TROPHY_Population);
  award(standing.ShowsAppearance && standing.Appearance >= 100, TROPHY_Appearance);
  award(standing.Appearance >= 200, TROPHY_BestAppearance);
  return won;
}

}  // namespace Corvanta
