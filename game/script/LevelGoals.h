#pragma once
// The level's goals made from what its file says, and the factory by kind id
// that a saved game's goals are made with.
//
// The town knows goals only through MapGoal; the game installs the kinds'
// factory once at start (InstallGoalKinds) so that a saved game can be read,
// and makes a level's goals with CreateLevelGoals when the level starts.

namespace Corvanta {

class LevelFile;
class Map;
class MapGoal;

// A new goal of the kind id (GoalKind) on the map; ArgumentException
// "Unknown goal kind." for any other id.
MapGoal* CreateGoal(int kindId, Map* map);

// Makes CreateGoal the factory of MapGoal::CreateFromKind.
void InstallGoalKinds();

// Appends a goal for every goal of the level file to the map's goals, in
// file order. A goal of no known kind, or one naming no building kind,
// throws a ContentException naming the file and the line; the goals made
// before it stay with the map.
void CreateLevelGoals(Map& map, const LevelFile& level);

}  // namespace Corvanta
