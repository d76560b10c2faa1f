#include "game/town/Map.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "game/town/Building.h"
#include "game/town/MapGoal.h"
#include "game/town/MapPresenter.h"
#include "game/town/MapScript.h"
#include "game/town/Office.h"
#include "tessel/Exception.h"

using namespace Tessel;

// Assertions that name NULL use TESSEL_ASSERT_AT directly: passed on through
// TESSEL_ASSERT the word would reach the text already expanded.

namespace Corvanta {

namespace {

MapPresenter& NoPresenter() {
  static MapPresenter silent;
  return silent;
}

template <typename T>
void RemoveFrom(Array<T*>& list, T* item) {
  int index = list.IndexOf(item);
  if (index >= 0) list.RemoveAt(index);
}

}  // namespace

Map::Map() {
  SetSize(Columns, Rows);
  Widget::SetSize(static_cast<float>(Columns * MapSquare::Size), static_cast<float>(Rows * MapSquare::Size));
}

Map::~Map() {
  // The entities go first, while the map they point to is whole; none of
  // them calls back into the map on its way out.
  while (Widget* child = GetFirstChild()) delete child;
  DeleteRemovedEntities();
  for (MapScript* script : Scripts) delete script;
  // Each goal leaves the listeners as it goes.
  while (!Goals.IsEmpty()) {
    MapGoal* goal = Goals[Goals.GetSize() - 1];
    Goals.RemoveAt(Goals.GetSize() - 1);
    delete goal;
  }
  StopSounds();
}

MapPresenter& Map::GetPresenter() { return Presenter ? *Presenter : NoPresenter(); }

// ---- grid

void Map::SetSize(int newX, int newY) {
  TESSEL_ASSERT(newX > 0);
  TESSEL_ASSERT(newY > 0);
  // Placed buildings, their routes and the tools point into the old grid.
  TESSEL_ASSERT(Buildings.IsEmpty());
  Columns = newX;
  Rows = newY;
  Squares.assign(static_cast<size_t>(newX) * static_cast<size_t>(newY), MapSquare());
  for (int y = 0; y < newY; ++y) {
    for (int x = 0; x < newX; ++x) {
      MapSquare& square = Squares[static_cast<size_t>(x + y * newX)];
      square.TheMap = this;
      square.X = x;
      square.Y = y;
      square.Position = Vector2{static_cast<float>(SquaresOffset.X + MapSquare::Size * x),
                                static_cast<float>(SquaresOffset.Y + MapSquare::Size * y)};
    }
  }
  hoveredSquare = nullptr;
  roadStart = nullptr;
  accessRoad.Clear();
  roadPath.Clear();
}

MapSquare* Map::GetSquare(int x, int y) {
  if (x < 0 || y < 0 || x >= Columns || y >= Rows) return nullptr;
  return &Squares[static_cast<size_t>(x + y * Columns)];
}

const MapSquare* Map::GetSquare(int x, int y) const { return const_cast<Map*>(this)->GetSquare(x, y); }

MapSquare* Map::GetSquareClamped(int x, int y) {
  return GetSquare(std::clamp(x, 0, Columns - 1), std::clamp(y, 0, Rows - 1));
}

MapSquare* Map::GetPlaygroundSquare(int x, int y) {
  x = std::clamp(x, Playground.X, Playground.X + Playground.Width - 1);
  y = std::clamp(y, Playground.Y, Playground.Y + Playground.Height - 1);
  return GetSquareClamped(x, y);
}

MapSquare* Map::GetSquareAtPixel(float px, float py) {
  int x = static_cast<int>((px - static_cast<float>(SquaresOffset.X)) / MapSquare::Size);
  int y = static_cast<int>((py - static_cast<float>(SquaresOffset.Y)) / MapSquare::Size);
  return GetPlaygroundSquare(x, y);
}

void Map::InitSquareFlags() {
  for (MapSquare& square : Squares) {
    square.CanRoad = !square.Entity && !square.IsForbidden && square.IsInside(Playground);
    square.CanBuild = square.CanRoad && !square.IsRoad;
  }
  for (MapSquare& square : Squares) RefreshRoadPicture(square);
}

void Map::RefreshRoadPicture(MapSquare& square) {
  auto isRoad = [this](int x, int y) {
    const MapSquare* neighbour = GetSquare(x, y);
    return neighbour && neighbour->IsRoad;
  };
  const int x = square.X, y = square.Y;
  int mask = 0;
  if (isRoad(x - 1, y)) mask |= ROAD_Left;
  if (isRoad(x + 1, y)) mask |= ROAD_Right;
  if (isRoad(x, y + 1)) mask |= ROAD_Below;
  if (isRoad(x, y - 1)) mask |= ROAD_Above;
  square.RoadMask = mask;
  const int8_t* pieces = GetRoadCornerPieces(mask);
  for (int corner = 0; corner < 4; ++corner) square.Corners[corner] = pieces[corner];
  if (square.IsRoad) return;
  // A corner with no road on either side shows only the bend of a road
  // that runs past it diagonally.
  struct CornerRule {
    int Sides, DiagonalX, DiagonalY;
  };
  static constexpr CornerRule Rules[4] = {
      {ROAD_Left | ROAD_Above, -1, -1},
      {ROAD_Right | ROAD_Above, 1, -1},
      {ROAD_Left | ROAD_Below, -1, 1},
      {ROAD_Right | ROAD_Below, 1, 1},
  };
  for (int corner = 0; corner < 4; ++corner) {
    const CornerRule& rule = Rules[corner];
    if ((mask & rule.Sides) == 0 && !isRoad(x + rule.DiagonalX, y + rule.DiagonalY)) square.Corners[corner] = -1;
  }
}

void Map::SetRoad(MapSquare* square, bool on) {
  TESSEL_ASSERT_AT(square != NULL, __FILE__, __LINE__);
  if (square->IsRoad == on) return;
  square->IsRoad = on;
  square->CanBuild = !on && !square->Entity && !square->IsForbidden;
  square->CanRoad = !square->Entity && !square->IsForbidden;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (MapSquare* neighbour = GetSquare(square->X + dx, square->Y + dy)) RefreshRoadPicture(*neighbour);
  Broadcast(on ? &MapListener::OnRoadAdded : &MapListener::OnRoadRemoved, square);
}

// ---- entities

void Map::AddEntity(MapEntity* entity) {
  TESSEL_ASSERT_AT(entity != NULL, __FILE__, __LINE__);
  if (entity->GetParent() == this) return;
  AddChild(entity);
  entity->OnAddedToMap(this);
  Broadcast(&MapListener::OnBuildingAdded, entity);
  RequestEntitySort();
}

void Map::RemoveEntity(MapEntity* entity) {
  if (!entity || entity->GetParent() != this) return;
  // The entity still hears its own removal (a service building lets its
  // served houses go from there), then it leaves every list.
  Broadcast(&MapListener::OnBuildingRemoved, entity);
  if (entity == constructBuilding) constructBuilding = nullptr;
  if (entity == highlighted) highlighted = nullptr;
  RemoveFrom(Pedestrians, entity);
  entity->OnRemovedFromMap();
  RemoveChild(entity);
  RemovedEntities.push_back(entity);
}

void Map::DeleteRemovedEntities() {
  while (!RemovedEntities.empty()) {
    std::vector<MapEntity*> removed;
    removed.swap(RemovedEntities);
    for (MapEntity* entity : removed) delete entity;
  }
}

void Map::PlaceBuilding(Building* building, int x, int y, bool withJob) {
  TESSEL_ASSERT_AT(building != NULL, __FILE__, __LINE__);
  if (building->GetParent() != this) AddEntity(building);
  building->SetSquare(GetSquareClamped(x, y));
  // Only the squares inside the grid: a footprint that sticks out of it
  // covers what it can (and never meets the same edge square twice).
  for (MapSquare* sq : building->GetFootprintSquares()) {
    TESSEL_ASSERT_AT(sq->Entity == NULL, __FILE__, __LINE__);
    sq->Entity = building;
    sq->CanBuild = sq->CanRoad = false;
    RefreshRoadPicture(*sq);
  }
  building->IsPreview = false;
  if (building->Kind == BDK_Office) {
    TESSEL_ASSERT_AT(dynamic_cast<Office*>(building) != NULL, __FILE__, __LINE__);
    TheOffice = static_cast<Office*>(building);
  }
  if (Buildings.IndexOf(building) < 0) Buildings.Add(building);
  if (building->NeedsRoad) building->UpdateRoadConnection();
  if (withJob) {
    if (building->BuildsInstantly)
      building->OnJobFinished(JOB_Construct);
    else
      building->StartJob(JOB_Construct, false);
  }
  Broadcast(&MapListener::OnBuildingPlaced, building);
  NoteIncomeBuilding(building);
  RecomputeTotals();
}

void Map::RemoveBuilding(Building* building) {
  TESSEL_ASSERT_AT(building->Square != NULL, __FILE__, __LINE__);
  if (building->GetParent() != this) return;  // already gone
  if (SelectedBuilding == building) building->Unselect();
  if (building->IsBeingWorked) {
    building->IsBeingWorked = false;
    --WorkCount;
  }
  if (building->IsBeingDemolished) {
    building->IsBeingDemolished = false;
    --DemolishCount;
  }
  for (MapSquare* sq : building->GetFootprintSquares()) {
    if (sq->Entity != building) continue;
    sq->Entity = nullptr;
    if (!sq->IsRoad && !sq->IsForbidden) sq->CanBuild = sq->CanRoad = true;
    RefreshRoadPicture(*sq);
  }
  RemoveFrom(Buildings, building);
  RemoveFrom(JobQueue, building);
  if (TheOffice == building) TheOffice = nullptr;
  RemoveEntity(building);
}

void Map::ForgetBuilding(Building* building) {
  RemoveFrom(Buildings, building);
  RemoveFrom(JobQueue, building);
  RemoveFrom(AreaMembers, building);
  Listeners.Remove(building);
  if (SelectedBuilding == building) SelectedBuilding = nullptr;
  if (TheOffice == building) TheOffice = nullptr;
  if (constructBuilding == building) constructBuilding = nullptr;
  if (highlighted == building) highlighted = nullptr;
  for (MapSquare* square : building->GetFootprintSquares())
    if (square->Entity == building) square->Entity = nullptr;
  RemovedEntities.erase(std::remove(RemovedEntities.begin(), RemovedEntities.end(), building), RemovedEntities.end());
}

void Map::SortEntities() {
  NeedsEntitySort = false;
  SortChildren();
}

// ---- path search

bool Map::FindRoute(MapSquare* from, Building* to, SquareRoute& route) { return Paths.FindRoute(*this, from, to, route); }

bool Map::FindRoute(Building* from, Building* to, SquareRoute& route) { return Paths.FindRoute(*this, from, to, route); }

// ---- selection and scrolling

void Map::UnselectBuilding() {
  if (SelectedBuilding) SelectedBuilding->Unselect();
  SelectedBuilding = nullptr;
}

void Map::ScrollTo(float x, float y) {
  ScrollOffset.X = std::min(0.0f, std::max(x, ViewSize.X - Width));
  ScrollOffset.Y = std::min(0.0f, std::max(y, ViewSize.Y - Height));
  SetPosition(std::round(ScrollOffset.X), std::round(ScrollOffset.Y));
}

void Map::CentreOnOffice() {
  if (!TheOffice || !TheOffice->Square) return;
  const MapSquare& square = *TheOffice->Square;
  ScrollTo(ViewSize.X / 2 - (square.Position.X + static_cast<float>(TheOffice->Width * MapSquare::Size / 2)),
           ViewSize.Y / 2 - (square.Position.Y + static_cast<float>(TheOffice->Height * MapSquare::Size / 2)));
}

// ---- pauses, switches, jobs, totals

void Map::ResumeGame() {
  TESSEL_ASSERT(pauseGameCount > 0);
  --pauseGameCount;
}

void Map::ResumeScripts() {
  TESSEL_ASSERT(pauseScriptCount > 0);
  --pauseScriptCount;
}

MapSwitch& Map::FindSwitch(const String& switchName) {
  TESSEL_ASSERT(!switchName.IsEmpty());
  for (const std::unique_ptr<MapSwitch>& existing : Switches)
    if (existing->Name.CompareNoCase(switchName) == 0) return *existing;
  Switches.push_back(std::make_unique<MapSwitch>());
  Switches.back()->Name = switchName;
  return *Switches.back();
}

void Map::EnqueueJob(Building* building) {
  if (JobQueue.IndexOf(building) < 0) JobQueue.Add(building);
}

void Map::DequeueJob(Building* building) { RemoveFrom(JobQueue, building); }

void Map::DispatchVans() {
  if (TheOffice) TheOffice->ProcessWorkersTasks();
}

void Map::RecomputeTotals() {
  // Summed wide and held in range: a town of rich buildings must not wrap
  // into a negative income.
  int64_t income = 0, potentialIncome = 0, population = 0, potentialPopulation = 0, appearance = 0;
  for (const Building* building : Buildings) {
    income += building->GetIncome();
    potentialIncome += building->GetPotentialIncome();
    population += building->GetPopulation();
    potentialPopulation += building->GetPotentialPopulation();
    appearance += building->GetHappiness();
  }
  auto clamped = [](int64_t sum) {
    return static_cast<int>(std::clamp<int64_t>(sum, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
  };
  TotalIncome = clamped(income);
  TotalPotentialIncome = clamped(potentialIncome);
  Population = clamped(population);
  PotentialPopulation = clamped(potentialPopulation);
  Appearance = clamped(appearance);
}

// ---- update

void Map::Update(float dt) {
  UpdateGameLogic(dt);
  if (!AreScriptsPaused()) UpdateScripts(dt);
  if (!IsGamePaused()) Widget::Update(dt);
  UpdateSounds(dt);
  if (NeedsEntitySort) SortEntities();
  DeleteRemovedEntities();
}

}  // namespace Corvanta
