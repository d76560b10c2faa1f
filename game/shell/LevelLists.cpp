#include "game/shell/LevelLists.h"

#include "game/rules/LevelProgression.h"

namespace Corvanta {

LevelLists LevelLists::From(const LevelProgression& progression) {
  LevelLists lists;
  for (const LevelProgressionRecord& level : progression.Career) lists.Career.Add(level.Name);
  for (const LevelProgressionRecord& level : progression.Sandbox) lists.Sandbox.Add(level.Name);
  return lists;
}

}  // namespace Corvanta
