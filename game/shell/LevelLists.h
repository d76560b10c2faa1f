#pragma once
// The names of the career levels and the sandbox maps, in list order: what
// profiles and records need of the level progression to match their stored
// results with levels.

#include "tessel/Array.h"
#include "tessel/Strings.h"

namespace Corvanta {

class LevelProgression;

struct LevelLists {
  Tessel::Array<Tessel::String> Career;
  Tessel::Array<Tessel::String> Sandbox;

  int FindCareer(const Tessel::String& name) const { return Career.IndexOf(name); }
  int FindSandbox(const Tessel::String& name) const { return Sandbox.IndexOf(name); }

  static LevelLists From(const LevelProgression& progression);
};

}  // namespace Corvanta
