#pragma once
// JobKind: the one job a building can have at a time. Saved games store the
// numbers, so they never change.

#include <cstdint>

namespace Corvanta {

enum JobKind : int32_t {
  JOB_None = 0,
  JOB_Construct = 1,
  JOB_Repair = 2,
  JOB_Upgrade = 3,
  JOB_Demolish = 4,
};

}  // namespace Corvanta
