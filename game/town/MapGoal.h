#pragma once
// MapGoal: one of the level's goals as the map sees it. The map owns its
// goals, evaluates the active ones every update until the level is won and
// is won when every active visible goal is met; the kinds of goal and what
// they test live with the level's goals. A goal hears every map event.

#include "game/town/MapListener.h"
#include "tessel/Strings.h"
#include "tessel/WideText.h"

namespace Corvanta {

class Map;

class MapGoal : public MapListener {
public:
  // Registers with the map's listeners; the map must exist.
  explicit MapGoal(Map* map);
  ~MapGoal() override;

  // Updates IsMet.
  virtual void Evaluate(float dt) = 0;
  // Text when set, else the kind's own.
  virtual Tessel::WideString GetText() const;
  virtual Tessel::WideString GetDefaultText() const { return {}; }

  Map* TheMap;
  bool IsMet = false;
  bool IsExpert = false;
  bool IsInactive = false;   // neither evaluated nor counted
  bool IsInvisible = false;  // evaluated, but neither shown, counted nor sounded
  Tessel::String Id;
  Tessel::WideString Text;
  // Seconds of the HUD's check-mark animation; 4 when the goal becomes met.
  float CheckedAnimationTime = 999;
};

}  // namespace Corvanta
