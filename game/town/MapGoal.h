#pragma once
// MapGoal: one of the level's goals as the map sees it. The map owns its
// goals, evaluates the active ones every update until the level is won and
// is won when every active visible goal is met. A goal hears every map
// event (some goals count repairs, demolitions or uses of abilities).
//
// The kinds of goal and what they test live with the level's goals, outside
// the town: the town saves and reads goals through the base's record and a
// factory by kind id that the game installs, so a saved game can be read
// without the town knowing any kind.

#include "game/rules/LevelGoal.h"
#include "game/town/MapListener.h"
#include "tessel/Strings.h"
#include "tessel/WideText.h"

namespace Corvanta {

class Map;
class SaveReader;
class SaveWriter;

class MapGoal : public MapListener {
public:
  // Makes a new goal of the kind id on the map, or throws ArgumentException
  // "Unknown goal kind." for an id it does not know.
  using Factory = MapGoal* (*)(int kindId, Map* map);
  static void SetFactory(Factory factory);
  // Through the installed factory; without one every id is unknown.
  static MapGoal* CreateFromKind(int kindId, Map* map);

  // Registers with the map's listeners; the map must exist. The kind id is
  // what a saved game writes before the goal's record (none for goals that
  // are never saved).
  explicit MapGoal(Map* map, GoalKind kindId = GOAL_Unknown);
  ~MapGoal() override;

  // The record of a saved game: the state flags, the id and the text, then
  // the kind's own data.
  virtual void Save(SaveWriter& out) const;
  // Throws SaveFormatException for a record the kind cannot hold.
  virtual void Load(SaveReader& in);
  // What the level file says about the goal.
  virtual void ReadLevelRecord(const LevelGoal& record);

  // Updates IsMet.
  virtual void Evaluate(float dt) = 0;
  // Text when set, else the kind's own.
  virtual Tessel::WideString GetText() const;
  virtual Tessel::WideString GetDefaultText() const { return {}; }

  // The level script's switches.
  void SetActive(bool active) { IsInactive = !active; }
  void SetVisible(bool visible) { IsInvisible = !visible; }

  Map* TheMap;
  const GoalKind KindId;
  bool IsMet = false;
  bool IsExpert = false;
  bool IsInactive = false;   // neither evaluated nor counted
  bool IsInvisible = false;  // evaluated, but neither shown, counted nor sounded
  Tessel::String Id;
  Tessel::WideString Text;
  // Seconds of the HUD's check-mark animation; 4 when the goal becomes met.
  float CheckedAnimationTime = 999;
};

// The goals of a saved game: their count, then each goal's kind id and record.
void WriteGoals(const Map& map, SaveWriter& out);
// Appends the saved goals to the map's list. A goal of an unknown kind or
// with a bad record throws, and leaves no goal of its own behind.
void ReadGoals(Map& map, SaveReader& in);

// The first goal with the id (case-insensitive), or none (none for no id).
MapGoal* FindGoal(const Map& map, const Tessel::String& id);

}  // namespace Corvanta
