#pragma once
// LevelStatistics: what a level tells the play statistics about itself when
// the player leaves it: its name and current values (the map fills it in).

#include <cstdint>

#include "tessel/Strings.h"

namespace Corvanta {

struct LevelStatistics {
  Tessel::String Name;
  bool IsOvertime = false;  // the goals were met and the player played on
  int BankAccount = 0;
  int Income = 0;
  int Population = 0;
  int Appearance = 0;
  uint64_t PropertyValue = 0;
  int Days = 0;
  uint32_t StartTime = 0;  // the game clock's milliseconds when the level started
};

}  // namespace Corvanta
