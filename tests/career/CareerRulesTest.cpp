#include <gtest/gtest.h>

#include "game/rules/Balance.h"
#include "game/rules/LevelProgression.h"
#include "game/rules/OfficeUpgrade.h"
#include "game/shell/CareerRules.h"
#include "tessel/Exception.h"

using namespace Corvanta;
using Tessel::Array;
using Tessel::String;

namespace {

Array<uint64_t> Thresholds(std::initializer_list<uint64_t> values) {
  Array<uint64_t> thresholds;
  for (uint64_t v : values) thresholds.Add(v);
  return thresholds;
}

}  // namespace

TEST(CareerRules, RanksByCompanyValue) {
  Array<uint64_t> thresholds = Thresholds({100, 500, 2000, 5000, 9000});
  struct Case {
    uint64_t Value;
    int Rank;
    float Progress;
  };
  const Case cases[] = {{0, 0, 0.0f}, {50, 0, 0.5f},    {100, 1, 0.0f},        {300, 1, 0.5f},
                        {8999, 4, 3999.0f / 4000}, {9000, 5, 1.0f}, {UINT64_MAX, 5, 1.0f}};
  for (const Case& c : cases) {
    EXPECT_EQ(GetRankIndex(c.Value, thresholds), c.Rank) << c.Value;
    EXPECT_FLOAT_EQ(GetRankProgress(c.Value, thresholds), c.Progress) << c.Value;
  }
  EXPECT_FLOAT_EQ(GetRankProgress(10, Array<uint64_t>()), 1.0f) << "without thresholds";
  EXPECT_EQ(GetRankIndex(10, Array<uint64_t>()), 0);
}

TEST(CareerRules, UpgradesNeedLevelsPointsAndTheirPredecessors) {
  Balance balance;
  balance.OfficeUpgrades[OFUP_Management2] = OfficeUpgradeBalance{300, 4, 1u << OFUP_Management};
  PlayerProfile profile;
  profile.RewardPoints = 500;
  profile.Career.NumLevelsCompleted = 4;
  EXPECT_FALSE(IsOfficeUpgradeAvailable(profile, OFUP_Management2, balance)) << "Management first";
  profile.OfficeUpgradesBought = 1u << OFUP_Management;
  EXPECT_TRUE(IsOfficeUpgradeAvailable(profile, OFUP_Management2, balance));
  profile.Career.NumLevelsCompleted = 3;
  EXPECT_FALSE(IsOfficeUpgradeAvailable(profile, OFUP_Management2, balance));
  EXPECT_FALSE(IsOfficeUpgradeAvailable(profile, 99, balance));

  BuyOfficeUpgrade(profile, OFUP_Management2, balance);
  EXPECT_EQ(profile.RewardPoints, 200);
  EXPECT_TRUE(profile.OfficeUpgradesBought & (1u << OFUP_Management2));
  EXPECT_THROW(BuyOfficeUpgrade(profile, OFUP_Management2, balance), Tessel::AssertionFailedException)
      << "an upgrade is bought once";
  balance.OfficeUpgrades[OFUP_Fund].Price = 201;
  EXPECT_THROW(BuyOfficeUpgrade(profile, OFUP_Fund, balance), Tessel::AssertionFailedException) << "too expensive";
}

TEST(CareerRules, RewardPointsForACompletedLevel) {
  LevelProgressionRecord level;
  level.RewardPoints = 70;
  level.RewardPointsExpertBonus = 30;
  struct Case {
    const char16_t* Company;
    uint32_t Upgrades;
    int Before, LevelIndex;
    bool Expert;
    int After;
  };
  const Case cases[] = {
      {u"", 0, 500, 4, true, 0},        {u"Homes", 0, 500, 2, true, 100},  {u"Homes", 0, 500, 3, true, 120},
      {u"Homes", 0, 0, 3, false, 100},  {u"Homes", 1, 50, 3, false, 120},  {u"Homes", 1, 50, 3, true, 150},
  };
  for (const Case& c : cases) {
    PlayerProfile profile;
    profile.CompanyName = c.Company;
    profile.OfficeUpgradesBought = c.Upgrades;
    profile.RewardPoints = c.Before;
    PayLevelReward(profile, level, c.LevelIndex, c.Expert);
    EXPECT_EQ(profile.RewardPoints, c.After) << c.LevelIndex << " " << c.Expert;
  }
  PlayerProfile skipping;
  skipping.RewardPoints = 40;
  skipping.CompanyName = u"Homes";
  skipping.OfficeUpgradesBought = 1;
  PaySkipTutorialReward(skipping);
  EXPECT_EQ(skipping.RewardPoints, 40);
}

TEST(CareerRules, GiftsArriveOneAtATime) {
  LevelProgression progression;
  progression.Career.SetSize(4);
  progression.Career[2].Unlock.Add(String("GiftFountain"));
  progression.Career[2].Unlock.Add(String("GiftSquare"));
  PlayerProfile profile;
  EXPECT_EQ(AwardGift(profile, 1, progression), GIFT_None);
  EXPECT_EQ(AwardGift(profile, 2, progression), GIFT_Fountain);
  EXPECT_EQ(AwardGift(profile, 3, progression), GIFT_Square) << "the square comes at the next new level";
  EXPECT_EQ(AwardGift(profile, 3, progression), GIFT_None);
  EXPECT_EQ(profile.GiftsAcquired, 3u);
}

TEST(CareerRules, RankTrophies) {
  struct Case {
    int From, To, Trophy;
  };
  for (const Case& c : {Case{1, 3, TROPHY_NewRank2}, Case{0, 1, TROPHY_Unknown}, Case{1, 2, TROPHY_NewRank1},
                        Case{4, 5, TROPHY_NewRank4}, Case{5, 6, TROPHY_Unknown}, Case{3, 3, TROPHY_Unknown}}) {
    PlayerProfile profile;
    EXPECT_EQ(AwardRankTrophy(profile, c.From, c.To), c.Trophy) << c.From << "->" << c.To;
  }
  PlayerProfile holder;
  holder.TrophiesAcquired = 1u << TROPHY_NewRank2;
  EXPECT_EQ(AwardRankTrophy(holder, 1, 3), TROPHY_Unknown) << "a trophy is won once";
}

TEST(CareerRules, VictoryAndStandingTrophies) {
  PlayerProfile profile;
  EXPECT_EQ(AwardVictoryTrophies(profile, 2, 10).GetSize(), 1);
  EXPECT_TRUE(profile.HasTrophy(TROPHY_TutorialFinished));
  EXPECT_EQ(AwardVictoryTrophies(profile, 2, 10).GetSize(), 0);
  EXPECT_EQ(AwardVictoryTrophies(profile, 9, 10)[0], TROPHY_CareerFinished);

  CareerStanding standing;
  standing.BankAccount = 1000000;
  standing.Population = 200;
  standing.Appearance = 150;
  standing.ShowsPopulation = false;
  standing.ShowsAppearance = true;
  Array<int> won = AwardStandingTrophies(profile, standing);
  ASSERT_EQ(won.GetSize(), 2);
  EXPECT_EQ(won[0], TROPHY_OneMillion);
  EXPECT_EQ(won[1], TROPHY_Appearance);
  EXPECT_FALSE(profile.HasTrophy(TROPHY_Population)) << "only while the panel shows it";
  EXPECT_FALSE(profile.HasTrophy(TROPHY_BestAppearance));
}
