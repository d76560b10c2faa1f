#pragma once
// Map: one level's town. A widget of the size of the level's picture that
// holds the square grid, the road network, every entity on the map (as its
// children), the player's tools, the path search, the event broadcast to the
// map's listeners, selection, scrolling and the company's money.
//
// The simulation runs without a window, a device or audio: what the player
// would see or hear goes through the presenter (none by default) and the
// pictures come from the art handles (none by default). Everything random
// draws from the game's own 15-bit generator, and every walk over squares,
// buildings and listeners goes in a fixed order, so a map driven by the same
// frame times from the same seed ends in the same state (see ComputeChecksum).

#include <cstdint>
#include <memory>
#include <vector>

#include "game/rules/BuildingKind.h"
#include "game/rules/OfficeUpgrade.h"
#include "game/rules/OfficeUpgradeEffects.h"
#include "game/town/MapListenerList.h"
#include "game/town/MapSquare.h"
#include "game/town/MapStartSettings.h"
#include "game/town/MapTool.h"
#include "game/town/PathSearch.h"
#include "tessel/Array.h"
#include "tessel/Geometry.h"
#include "tessel/Strings.h"
#include "tessel/WideText.h"
#include "tessel/widgets/Widget.h"

namespace Tessel {
class Bitmap;
class GameAppBase;
class ResourceManager;
}  // namespace Tessel

namespace Corvanta {

class Building;
struct BuildingSaveRecord;
class Hud;
class LevelFile;
class MapDecor;
class MapEntity;
class MapGoal;
class MapPresenter;
class MapScript;
class Office;
class SaveReader;
class SaveWriter;
struct TownArt;
class TownTraffic;

// A named on/off value that level scripts set and test.
struct MapSwitch {
  Tessel::String Name;
  bool Value = false;
};

// The level script's restriction of the construct tool to one anchor.
struct ConstructionRectangle {
  bool IsOn = false;
  Tessel::Rect Area;  // x, y is the only anchor allowed; the size is drawn
};

class Map : public Tessel::Widget {
public:
  static constexpr int MaxMoney = 999999999;

  Map();
  ~Map() override;

  // ---- grid
  // Replaces the squares by a new, empty grid: only on a map without placed
  // buildings, which keep pointers into the grid.
  void SetSize(int newX, int newY);
  // None outside the grid.
  MapSquare* GetSquare(int x, int y);
  const MapSquare* GetSquare(int x, int y) const;
  MapSquare* GetSquareClamped(int x, int y);
  // Clamped to the playground: the form every tool uses.
  MapSquare* GetPlaygroundSquare(int x, int y);
  // The square under a map pixel, clamped to the playground.
  MapSquare* GetSquareAtPixel(float px, float py);
  int GetSquareCount() const { return static_cast<int>(Squares.size()); }
  MapSquare& GetSquareAt(int index) { return Squares[index]; }
  const MapSquare& GetSquareAt(int index) const { return Squares[index]; }

  // CanBuild and CanRoad of every square from the entities, the forbidden
  // flags and the playground, and every road picture: once at the start.
  void InitSquareFlags();
  void SetRoad(MapSquare* square, bool on);
  // RoadMask and corner pieces of one square from its neighbours.
  void RefreshRoadPicture(MapSquare& square);

  // ---- entities
  // Makes the entity a child of the map; broadcasts OnBuildingAdded.
  void AddEntity(MapEntity* entity);
  // Broadcasts OnBuildingRemoved, lets the entity go and deletes it after
  // the current update (it may be removing itself from inside its own
  // update or event handler).
  void RemoveEntity(MapEntity* entity);
  // Puts the building on its squares (see Building::SetSquare for the
  // picture) and, with withJob, starts its construction.
  void PlaceBuilding(Building* building, int x, int y, bool withJob);
  // Takes a placed building off its squares and out of the map.
  void RemoveBuilding(Building* building);
  // Drops every pointer the map holds to a building that is being deleted.
  void ForgetBuilding(Building* building);
  // The map re-sorts its entities by draw order after the update.
  void RequestEntitySort() { NeedsEntitySort = true; }
  void SortEntities();

  // ---- path search
  bool FindRoute(MapSquare* from, Building* to, SquareRoute& route);
  bool FindRoute(Building* from, Building* to, SquareRoute& route);
  PathSearch& GetPathSearch() { return Paths; }

  // ---- events
  void AddListener(MapListener* listener) { Listeners.Add(listener); }
  void RemoveListener(MapListener* listener) { Listeners.Remove(listener); }
  template <typename... Parameters, typename... Arguments>
  void Broadcast(void (MapListener::*event)(Parameters...), Arguments... arguments) {
    Listeners.Broadcast(event, arguments...);
  }

  // ---- tools
  void SetTool(MapTool tool);
  MapTool GetTool() const { return activeTool; }
  // The construct tool with a new building as its preview (the map takes
  // it). byDrag: dragged from the HUD, so the release commits.
  void StartConstruction(Building* building, bool byDrag);
  Building* GetConstructBuilding() const { return constructBuilding; }
  bool IsToolTargetValid() const { return isTargetValid; }
  MapSquare* GetHoveredSquare() const { return hoveredSquare; }
  // The squares of the construct tool's access road, from the footprint out.
  const SquareRoute& GetAccessRoad() const { return accessRoad; }
  // The road being dragged, in laying order.
  const SquareRoute& GetRoadDrag() const { return roadPath; }
  // The preview mask of a square of the access road or the dragged road.
  int GetPreviewRoadMask(const MapSquare* square) const;

  // Mouse handlers of the tools (map pixels); buttons 1 left, 2 right.
  void OnMouseMove(float x, float y) override;
  void OnMouseDown(float x, float y, int button) override;
  void OnMouseUp(float x, float y, int button) override;
  // With a tool active the map takes the mouse itself: buildings ignore it.
  Tessel::Widget* HitTest(float x, float y) override;

  // ---- selection
  Building* SelectedBuilding = nullptr;
  void UnselectBuilding();

  // ---- scrolling
  void ScrollTo(float x, float y);
  // The view centred on the office, when the map is larger than the window.
  void CentreOnOffice();

  // ---- pauses: each increment is paired with a decrement
  void PauseGame() { ++pauseGameCount; }
  void ResumeGame();
  void PauseScripts() { ++pauseScriptCount; }
  void ResumeScripts();
  bool IsGamePaused() const { return pauseGameCount > 0; }
  bool AreScriptsPaused() const { return pauseScriptCount > 0; }

  // ---- named switches of the level scripts (case-insensitive)
  MapSwitch& FindSwitch(const Tessel::String& switchName);

  // ---- money
  bool CanTransferMoney(int amount) const { return static_cast<int64_t>(BankAccount) + amount >= 0; }
  // Refused (false) when the account would go negative; capped at MaxMoney.
  bool TransferMoney(int amount);
  // The market values of the player's buildings, grown by the money stores.
  uint64_t GetCompanyValue() const;

  // ---- switches of the level scripts that do more than store a value
  // Both rebuild every open building menu.
  void SetMaxBuildingUpgradeLevel(int level);
  void SetBuildingsCanBeSelled(bool on);
  // Rescales the pending rival offer and the intervals after it; 0 (or
  // less) holds the offers until a positive speed is set.
  void SetRivalsBeforeSellTimerSpeed(float speed);
  // "x y width height": the construct tool may only use that anchor; the
  // restriction is off unless width and height are above 0.
  void SetFixedConstructionRectangle(const Tessel::String& text);

  // ---- office upgrades copied from the profile when the level starts
  bool HasOfficeUpgrade(int upgrade) const { return GetUpgradeEffects().Has(static_cast<OfficeUpgradeId>(upgrade)); }
  OfficeUpgradeEffects GetUpgradeEffects() const { return OfficeUpgradeEffects(OfficeUpgrades); }

  // ---- jobs
  void EnqueueJob(Building* building);
  void DequeueJob(Building* building);
  // The office matches its free vans to the waiting jobs.
  void DispatchVans();

  // ---- totals: fresh sums over the buildings
  virtual void RecomputeTotals();
  // A player's house or commercial building stands (or an income landmark
  // is finished): pay days run from now on.
  void NoteIncomeBuilding(const Building* building);

  // ---- level
  // Fills a freshly created map from a level file: grid, flags, buildings
  // and decorations. Throws with "    at Map::LoadFromFile\n" on failure.
  void LoadLevel(const LevelFile& level);
  // Once the level file or the saved game is in: expert days and office
  // upgrades from StartSettings, square flags, totals, every building's
  // route, no just-constructed markers, pedestrians, the view on the office,
  // entity order; then the start delay holds the scripts for a second. The
  // economy (pay days, offers, goals) runs only on a started map.
  void Start();
  bool IsStarted() const { return Started; }
  // The goals-completed dialog's "play on": the town runs again, the
  // scripts stay paused, the day counter stays where the victory left it.
  void PlayOvertime();
  // The introduction dialog of an unlocked kind closed: the next one, or the
  // town runs again after the last.
  void ShowNextUnlockedKind();
  // A building of a saved game: created by kind, added, its record stored,
  // placed without a job, a saved job started again, its level set.
  Building* RestoreBuilding(BuildingKind kind, const BuildingSaveRecord& record);

  // ---- saved games
  static constexpr int SaveVersion = 3;
  // The whole town as one record: level, background, money and clock, the
  // scripts' switches, squares, buildings, goals and decorations.
  void WriteSave(SaveWriter& out) const;
  // Fills a freshly created map from a saved game, then starts it. Another
  // version throws "Incorrect save file version."; a record this game
  // cannot have written (cut off, out of range, overlapping) throws
  // SaveFormatException; either leaves with "    at Map::ReadSave\n" and
  // the map is to be thrown away.
  void ReadSave(SaveReader& in);

  // ---- update: game logic, scripts (unless paused), entities (unless
  // paused), sounds, then whatever was removed during it is deleted.
  void Update(float dt) override;
  // The economy's part of the frame: the clock, the start delay, rival
  // offers, pay days, pedestrians, goals and the victory.
  virtual void UpdateGameLogic(float dt);
  virtual void UpdateScripts(float dt);
  // One rival building, chosen by weight, goes on offer.
  void MakeRivalOffer();
  // The pedestrians the town's population calls for.
  static int GetPedestrianTarget(int population);

  // ---- presentation
  MapPresenter& GetPresenter();
  void OnDraw(Tessel::Canvas& canvas) override;

  // A digest of everything the simulation decides: squares, buildings,
  // money and counters. Equal maps give equal sums.
  uint64_t ComputeChecksum() const;

  // ---- members used across the town
  Tessel::GameAppBase* TheApp = nullptr;
  Hud* TheHud = nullptr;
  Office* TheOffice = nullptr;
  MapPresenter* Presenter = nullptr;
  const TownArt* Art = nullptr;
  // Used for background tiles and decorations when set.
  Tessel::ResourceManager* Resources = nullptr;
  // The cars of the houses and dealerships; none by default (no cars).
  TownTraffic* Traffic = nullptr;

  // What the start takes from the profile and the level list.
  MapStartSettings StartSettings;

  Tessel::String LevelName;
  int Columns = 25;
  int Rows = 17;
  Tessel::Rect Playground{0, 0, 25, 17};
  Tessel::Point SquaresOffset;
  Tessel::Vector2 ScrollOffset;
  bool CanBeScrolled = false;
  // The window the map is seen in.
  Tessel::Vector2 ViewSize{1024, 768};
  int DecorSetting = 1;  // DECOR_Forest

  int BackgroundColumns = 0, BackgroundRows = 0;
  Tessel::Array<Tessel::String> BackgroundTileNames;  // row by row; empty for a missing tile
  Tessel::Array<Tessel::Bitmap*> BackgroundImages;

  // Every placed building, in placement order.
  Tessel::Array<Building*> Buildings;
  Tessel::Array<MapDecor*> Decors;
  Tessel::Array<MapGoal*> Goals;
  Tessel::Array<MapScript*> Scripts;
  Tessel::Array<MapEntity*> Pedestrians;
  MapListenerList Listeners;
  // Buildings that give or take area effects.
  Tessel::Array<Building*> AreaMembers;
  // Buildings waiting for construction vans, in the order their jobs started.
  Tessel::Array<Building*> JobQueue;

  ConstructionRectangle FixedConstructionRectangle;
  bool RoadBuilderLocked = false;

  int BankAccount = 0;
  int WinBankAccount = 0;       // the money when the goals were met
  uint32_t OfficeUpgrades = 0;  // bit n: office upgrade n bought
  int WorkCount = 0;            // constructions, repairs, upgrades in progress
  int DemolishCount = 0;        // demolitions in progress
  int TotalIncome = 0, TotalPotentialIncome = 0;
  int Population = 0, PotentialPopulation = 0;
  int Appearance = 0;
  int LastPayDayIncome = 0;  // TotalIncome at the last pay day

  // ---- the game clock
  static constexpr int MaxDay = 999;
  float GameTime = 0;        // seconds since the map started
  float PayDayProgress = 0;  // 0..1 of the current day
  int Day = 1;               // +1 per pay day until the level is won
  int ExpertDays = 20;       // won within this many days counts as expert

  // ---- rival offers
  float RivalOfferRate = 1.5f;    // offers per minute
  float NextRivalOfferTime = -1;  // GameTime of the next; the first comes at once

  // ---- the start
  bool StartDelayActive = false;
  float StartDelayTimer = 0;
  uint32_t StartTick = 0;  // the application's milliseconds at the start
  // What a building whose job waits for vans shows over itself, line by line.
  Tessel::Array<Tessel::WideString> AwaitingWorkersLines;
  // Unlocked kinds still to be introduced, first first.
  Tessel::Array<BuildingKind> UnlockQueue;

  // Switches of the level scripts.
  bool BuildingsInfoEnabled = true;
  bool IncomeCollectionEnabled = true;
  bool HasIncomeBuilding = false;
  float RivalsBeforeSellTimerSpeed = 1;
  bool BuildingsCanBeSelled = true;
  bool CanCancelRepair = true;
  bool CanCancelSale = true;
  bool BuildingsCanGetBroken = true;
  bool HousesGenerateBonuses = true;
  int MaxBuildingUpgradeLevel = -1;
  bool IsWon = false;
  bool VictoryHandled = false;
  // Developer switch: every job completes on its next work step.
  bool InstantJobs = false;
  // The player plays on after the goals were met.
  bool IsPlayingOvertime = false;

private:
  void DeleteRemovedEntities();
  // The parts of the frame, in their order.
  void UpdateStartDelay(float dt);
  void UpdateRivalOffers();
  void UpdatePayDay(float dt);
  void UpdatePedestrians(bool midSmile);
  // True when every active visible goal was met before this evaluation.
  bool EvaluateGoals(float dt);
  void HandleVictory();
  void UpdateSounds(float dt);
  void UpdateAmbientSound();
  void UpdateVictoryMusic(float dt);
  void UpdateLoop(int& handle, float& volume, const char* soundName, bool working, float dt);
  void StopSounds();
  void QueueUnlockedKinds();
  void RebuildOpenMenus();
  void ClearToolState();
  // Tools.
  void MoveConstruction(float x, float y);
  void CommitConstruction();
  void FindAccessRoad();
  void OnRoadToolDown(MapSquare* square);
  void OnRoadToolMove(MapSquare* square);
  void OnRoadToolUp();
  void OnDemolishHover(MapSquare* square);
  void OnDemolishDown(MapSquare* square);
  void OnInfoHover(MapSquare* square);
  void OnInfoDown(MapSquare* square);
  void SetHighlighted(MapEntity* entity, uint32_t colour);
  bool IsRemovableRoad(const MapSquare* square) const;
  void DrawRoads(Tessel::Canvas& canvas);

  std::vector<MapSquare> Squares;
  PathSearch Paths;
  std::vector<std::unique_ptr<MapSwitch>> Switches;
  // Entities removed during an update, deleted at its end.
  std::vector<MapEntity*> RemovedEntities;
  bool NeedsEntitySort = false;

  MapTool activeTool = MAPTOOL_None;
  Building* constructBuilding = nullptr;
  bool constructionByDrag = false;
  MapSquare* hoveredSquare = nullptr;
  bool isTargetValid = false;
  SquareRoute accessRoad;
  Tessel::Array<int> accessRoadMasks;
  SquareRoute roadPath;
  Tessel::Array<int> roadPathMasks;
  MapSquare* roadStart = nullptr;
  bool isDraggingRoad = false;
  bool lastStraightAlongRow = true;  // how an L-shaped road bends
  bool isLeftDown = false;
  MapEntity* highlighted = nullptr;
  bool isDragScrolling = false;
  Tessel::Vector2 dragScrollStart;
  Tessel::Vector2 dragScrollOffset;

  int pauseGameCount = 0;
  int pauseScriptCount = 0;

  bool Started = false;
  bool IsIntroducingUnlocks = false;
  // Offers held by a speed of 0 keep their wait, in seconds at speed 1.
  float HeldRivalOfferDelay = 0;

  // Sounds: the ambient sound once at a time, the work loops while work
  // runs, the music's volume under the victory music.
  float NextAmbientTime = -1;  // GameTime; drawn when the map starts
  int AmbientSound = 0;        // presenter handles, 0 for none
  int WorkSound = 0;
  int DemolishSound = 0;
  float WorkVolume = 0, DemolishVolume = 0;
  bool VictoryMusicStarted = false;
  float MusicVolumeFactor = 1;
};

}  // namespace Corvanta
