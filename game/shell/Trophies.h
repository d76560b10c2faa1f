#pragma once
// The trophies a career can win; bit n of a profile's trophy mask is trophy n.

namespace Corvanta {

enum Trophy {
  TROPHY_Unknown = -1,
  TROPHY_TutorialFinished = 0,
  TROPHY_NewRank1 = 1,
  TROPHY_NewRank2 = 2,
  TROPHY_NewRank3 = 3,
  TROPHY_NewRank4 = 4,
  TROPHY_BestHouse = 5,
  TROPHY_OneMillion = 6,
  TROPHY_Population = 7,
  TROPHY_Appearance = 8,
  TROPHY_BestAppearance = 9,
  TROPHY_CareerFinished = 10,
  TROPHY_NumTrophies = 11,
  TROPHY_MaxRankTrophy = TROPHY_NewRank4,
};

}  // namespace Corvanta
