#pragma once
// NoRivalsGoal: met while no building in town belongs to a rival. Its text
// tells how many rival buildings are left.

#include "game/town/MapGoal.h"

namespace Corvanta {

class NoRivalsGoal : public MapGoal {
public:
  explicit NoRivalsGoal(Map* map);

  // The rival buildings on the map now.
  int CountRivals() const;

  void Evaluate(float dt) override;
  Tessel::WideString GetDefaultText() const override;
  // "(n left)" while not met.
  Tessel::WideString GetText() const override;

  int RivalCount = 0;  // at the last evaluation

protected:
  Tessel::WideString LeftFormat;
};

}  // namespace Corvanta
