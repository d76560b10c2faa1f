// Map: the player's tools (construct, road, demolish, information) and the
// mouse that drives them.

#include <algorithm>

#include "game/town/Building.h"
#include "game/town/Map.h"
#include "game/town/MapPresenter.h"
#include "tessel/Exception.h"
#include "tessel/widgets/WidgetManager.h"

using namespace Tessel;

// Assertions that name NULL use TESSEL_ASSERT_AT directly: passed on through
// TESSEL_ASSERT the word would reach the text already expanded.

namespace Corvanta {

namespace {

constexpr uint32_t DemolishHighlight = 0xFFFF8080u;
constexpr uint32_t InfoHighlight = 0xFFC0FFC0u;

// The road bit of a towards its orthogonal neighbour b.
int BitTowards(const MapSquare* a, const MapSquare* b) {
  if (b->X == a->X - 1) return ROAD_Left;
  if (b->X == a->X + 1) return ROAD_Right;
  if (b->Y == a->Y + 1) return ROAD_Below;
  if (b->Y == a->Y - 1) return ROAD_Above;
  return 0;
}

// Each square's mask plus the bits towards its neighbours in the chain.
void ComputePreviewMasks(const SquareRoute& squares, Array<int>& masks) {
  masks.Clear();
  for (int i = 0; i < squares.GetSize(); ++i) {
    int mask = squares[i]->RoadMask;
    if (i > 0) mask |= BitTowards(squares[i], squares[i - 1]);
    if (i + 1 < squares.GetSize()) mask |= BitTowards(squares[i], squares[i + 1]);
    masks.Add(mask);
  }
}

// The centre of the HUD button a building kind is ordered from (window x).
int GetHudButtonX(int kind) {
  switch (kind) {
    case BDK_Bungalow: case BDK_Workshop: case BDK_Tree: return 48;
    case BDK_BrickHouse: case BDK_Shop: case BDK_Fountain: return 132;
    case BDK_Duplex: case BDK_Dealership: case BDK_Park: return 216;
    case BDK_TwoStorey: case BDK_AmusementPark: case BDK_Statue: return 300;
    case BDK_Mansion: case BDK_Cinema: case BDK_ChineseGarden: return 384;
    case BDK_Apartments: return 468;
    case BDK_Chateau: return 552;
    default: return -1;
  }
}

const char* GetInvalidConstructionHint(const Map& map, const Building& building) {
  if (map.FixedConstructionRectangle.IsOn) {
    if (building.Kind == BDK_Bungalow) return "AssistantHint.InvalidConstruction4";
    if (building.Kind == BDK_Fountain) return "AssistantHint.InvalidConstruction5";
    if (building.Kind == BDK_Tree) return "AssistantHint.InvalidConstruction6";
  }
  if (IsHouseKind(building.Kind)) return "AssistantHint.InvalidConstruction1";
  if (IsDecorationKind(building.Kind)) return "AssistantHint.InvalidConstruction3";
  return "AssistantHint.InvalidConstruction2";
}

const char* GetNoMoneyHint(const Building& building) {
  if (IsHouseKind(building.Kind)) return "AssistantHint.NoMoneyToConstructHouse";
  if (IsDecorationKind(building.Kind)) return "AssistantHint.NoMoneyToConstructDecor";
  return "AssistantHint.NoMoneyToConstructBuilding";
}

}  // namespace

// ---- tool selection

void Map::ClearToolState() {
  if (constructBuilding) {
    Building* preview = constructBuilding;
    constructBuilding = nullptr;
    RemoveEntity(preview);
  }
  accessRoad.Clear();
  accessRoadMasks.Clear();
  roadPath.Clear();
  roadPathMasks.Clear();
  roadStart = nullptr;
  isDraggingRoad = false;
  SetHighlighted(nullptr, 0);
  hoveredSquare = nullptr;
  isTargetValid = false;
}

void Map::SetTool(MapTool tool) {
  ClearToolState();
  activeTool = tool;
  if (tool != MAPTOOL_None) UnselectBuilding();
  // Buildings take the mouse again, or no longer do.
  if (Manager) Manager->ReevaluateHover();
}

Widget* Map::HitTest(float x, float y) {
  // The map itself takes the mouse (its container tests it next).
  if (activeTool != MAPTOOL_None) return nullptr;
  return Widget::HitTest(x, y);
}

void Map::SetHighlighted(MapEntity* entity, uint32_t colour) {
  if (highlighted && highlighted != entity) highlighted->IsHighlighted = false;
  highlighted = entity;
  if (entity) {
    entity->IsHighlighted = true;
    entity->HighlightColour = colour;
  }
}

int Map::GetPreviewRoadMask(const MapSquare* square) const {
  for (int i = 0; i < roadPath.GetSize(); ++i)
    if (roadPath[i] == square) return roadPathMasks[i];
  for (int i = 0; i < accessRoad.GetSize(); ++i)
    if (accessRoad[i] == square) return accessRoadMasks[i];
  return square ? square->RoadMask : 0;
}

// ---- construct tool

void Map::StartConstruction(Building* building, bool byDrag) {
  TESSEL_ASSERT_AT(building != NULL, __FILE__, __LINE__);
  SetTool(MAPTOOL_Construct);
  constructBuilding = building;
  constructionByDrag = byDrag;
  building->IsPreview = true;
  AddEntity(building);
  // It first appears over the HUD button it was ordered from.
  int buttonX = GetHudButtonX(building->Kind);
  if (buttonX >= 0) {
    float footprintWidth = static_cast<float>(building->Width * MapSquare::Size);
    float footprintHeight = static_cast<float>(building->Height * MapSquare::Size);
    building->SetPosition(static_cast<float>(buttonX) - footprintWidth / 2 - ScrollOffset.X,
                          655 - footprintHeight / 2 - ScrollOffset.Y);
  }
}

void Map::MoveConstruction(float x, float y) {
  TESSEL_ASSERT_AT(constructBuilding != NULL, __FILE__, __LINE__);
  Building* building = constructBuilding;
  const int w = building->Width, h = building->Height;
  int ax = static_cast<int>((x - static_cast<float>(SquaresOffset.X) - static_cast<float>((w * 40 - 40) / 2)) / 40);
  int ay = static_cast<int>((y - static_cast<float>(SquaresOffset.Y) - static_cast<float>((h * 40 - 40) / 2)) / 40);
  ax = std::clamp(ax, Playground.X, Playground.X + Playground.Width - 1);
  ay = std::clamp(ay, Playground.Y, Playground.Y + Playground.Height - 1);
  // Moved left and up so that the footprint ends inside the playground.
  ax = std::min(ax, Playground.X + Playground.Width - w);
  ay = std::min(ay, Playground.Y + Playground.Height - h);
  MapSquare* anchor = GetSquare(ax, ay);
  hoveredSquare = anchor;
  isTargetValid = false;
  accessRoad.Clear();
  accessRoadMasks.Clear();
  // A playground smaller than the footprint leaves no square to stand on.
  if (!anchor) return;
  if (anchor != building->Square) {
    building->SetSquare(anchor);
    Broadcast(&MapListener::OnPlacementMoved, building);
    if (constructBuilding != building) return;  // a listener ended the tool
  }
  bool valid = true;
  for (int j = 0; j < h && valid; ++j)
    for (int i = 0; i < w && valid; ++i) {
      const MapSquare* square = GetSquare(ax + i, ay + j);
      valid = square && square->CanBuild;
    }
  if (valid && FixedConstructionRectangle.IsOn)
    valid = ax == FixedConstructionRectangle.Area.X && ay == FixedConstructionRectangle.Area.Y;
  isTargetValid = valid;
  if (valid && building->NeedsRoad) FindAccessRoad();
}

void Map::FindAccessRoad() {
  accessRoad.Clear();
  accessRoadMasks.Clear();
  const Building* building = constructBuilding;
  const int ax = building->Square->X, ay = building->Square->Y;
  const int w = building->Width, h = building->Height;
  auto isRoad = [this](int x, int y) {
    const MapSquare* square = GetSquare(x, y);
    return square && square->IsRoad;
  };
  for (int i = 0; i < w; ++i)
    if (isRoad(ax + i, ay - 1) || isRoad(ax + i, ay + h)) return;
  for (int j = 0; j < h; ++j)
    if (isRoad(ax - 1, ay + j) || isRoad(ax + w, ay + j)) return;

  // Straight walks outward over buildable squares to the first square next
  // to a road; the first of the shortest wins, and five squares at most.
  int best = 6;
  SquareRoute walk;
  auto tryWalk = [&](int x, int y, int dx, int dy) {
    walk.Clear();
    for (;; x += dx, y += dy) {
      MapSquare* square = GetSquare(x, y);
      if (!square || !square->CanBuild) return;
      walk.Add(square);
      if (walk.GetSize() >= best) return;
      if (square->RoadMask != 0) {
        best = walk.GetSize();
        accessRoad = walk;
        return;
      }
    }
  };
  for (int j = 0; j < h; ++j) {
    tryWalk(ax - 1, ay + j, -1, 0);
    tryWalk(ax + w, ay + j, 1, 0);
  }
  for (int i = 0; i < w; ++i) {
    tryWalk(ax + i, ay + h, 0, 1);
    tryWalk(ax + i, ay - 1, 0, -1);
  }
  ComputePreviewMasks(accessRoad, accessRoadMasks);
}

void Map::CommitConstruction() {
  TESSEL_ASSERT_AT(constructBuilding != NULL, __FILE__, __LINE__);
  Building* building = constructBuilding;
  MapPresenter& presenter = GetPresenter();
  if (!isTargetValid || !building->Square) {
    presenter.ShowHint(GetInvalidConstructionHint(*this, *building));
    presenter.PlaySound(TownSounds::Error);
    return;
  }
  // The HUD only offers what the player can pay, but the money may have
  // changed since: never a building for free.
  int price = building->Balance->Levels[0].Value;
  if (price > 0 && !CanTransferMoney(-price)) {
    presenter.ShowHint(GetNoMoneyHint(*building));
    presenter.PlaySound(TownSounds::Error);
    return;
  }
  if (price > 0) TransferMoney(-price);
  constructBuilding = nullptr;
  SquareRoute stub = accessRoad;
  accessRoad.Clear();
  accessRoadMasks.Clear();
  for (MapSquare* square : stub) SetRoad(square, true);
  PlaceBuilding(building, building->Square->X, building->Square->Y, true);
  presenter.PlaySound(TownSounds::BuildingPlaced);
  SetTool(MAPTOOL_None);
}

// ---- road tool

void Map::OnRoadToolDown(MapSquare* square) {
  TESSEL_ASSERT_AT(square != NULL, __FILE__, __LINE__);
  if (!square->CanRoad) {
    GetPresenter().ShowHint("AssistantHint.InvalidRoad1");
    GetPresenter().PlaySound(TownSounds::Error);
    return;
  }
  roadStart = square;
  isDraggingRoad = true;
  OnRoadToolMove(square);
}

void Map::OnRoadToolMove(MapSquare* square) {
  TESSEL_ASSERT_AT(square != NULL, __FILE__, __LINE__);
  if (!isDraggingRoad) return;
  const int sx = roadStart->X, sy = roadStart->Y, cx = square->X, cy = square->Y;
  roadPath.Clear();
  auto addRow = [this](int y, int fromX, int toX, bool withFirst) {
    int step = toX >= fromX ? 1 : -1;
    for (int x = withFirst ? fromX : fromX + step; x != toX + step; x += step) roadPath.Add(GetSquare(x, y));
  };
  auto addColumn = [this](int x, int fromY, int toY, bool withFirst) {
    int step = toY >= fromY ? 1 : -1;
    for (int y = withFirst ? fromY : fromY + step; y != toY + step; y += step) roadPath.Add(GetSquare(x, y));
  };
  if (sy == cy) {
    addRow(sy, sx, cx, true);
    if (sx != cx) lastStraightAlongRow = true;
  } else if (sx == cx) {
    addColumn(sx, sy, cy, true);
    lastStraightAlongRow = false;
  } else if (lastStraightAlongRow) {
    addRow(sy, sx, cx, true);
    addColumn(cx, sy, cy, false);
  } else {
    addColumn(sx, sy, cy, true);
    addRow(cy, sx, cx, false);
  }
  isTargetValid = std::all_of(roadPath.begin(), roadPath.end(), [](const MapSquare* s) { return s->CanRoad; });
  ComputePreviewMasks(roadPath, roadPathMasks);
}

void Map::OnRoadToolUp() {
  if (!isDraggingRoad) return;
  SquareRoute path = roadPath;
  bool valid = isTargetValid;
  isDraggingRoad = false;
  roadStart = nullptr;
  roadPath.Clear();
  roadPathMasks.Clear();
  if (valid) {
    for (MapSquare* square : path) SetRoad(square, true);
    GetPresenter().PlaySound(TownSounds::RoadPlaced);
  } else {
    GetPresenter().ShowHint("AssistantHint.InvalidRoad2");
    GetPresenter().PlaySound(TownSounds::Error);
  }
}

// ---- demolish tool

bool Map::IsRemovableRoad(const MapSquare* square) const {
  return square && !square->Entity && square->IsRoad && !square->IsForbidden;
}

void Map::OnDemolishHover(MapSquare* square) {
  TESSEL_ASSERT(activeTool == MAPTOOL_Demolish);
  TESSEL_ASSERT_AT(square != NULL, __FILE__, __LINE__);
  hoveredSquare = square;
  Building* building = square->Entity && IsKindOf<Building>(square->Entity) ? static_cast<Building*>(square->Entity) : nullptr;
  isTargetValid = square->Entity ? building && building->CanDemolish() : IsRemovableRoad(square);
  SetHighlighted(building, DemolishHighlight);
  // Dragging with the button held erases roads.
  if (isLeftDown && !square->Entity && isTargetValid && !RoadBuilderLocked) {
    SetRoad(square, false);
    GetPresenter().PlaySound(TownSounds::RoadDemolished);
    isTargetValid = false;
  }
}

void Map::OnDemolishDown(MapSquare* square) {
  TESSEL_ASSERT(activeTool == MAPTOOL_Demolish);
  TESSEL_ASSERT_AT(square != NULL, __FILE__, __LINE__);
  if (square->Entity && IsKindOf<Building>(square->Entity)) {
    static_cast<Building*>(square->Entity)->TryDemolish();
  } else if (IsRemovableRoad(square) && !RoadBuilderLocked) {
    SetRoad(square, false);
    GetPresenter().PlaySound(TownSounds::RoadDemolished);
  } else {
    GetPresenter().PlaySound(TownSounds::Error);
  }
}

// ---- information tool

void Map::OnInfoHover(MapSquare* square) {
  TESSEL_ASSERT(activeTool == MAPTOOL_ShowInfo);
  TESSEL_ASSERT_AT(square != NULL, __FILE__, __LINE__);
  hoveredSquare = square;
  Building* building = square->Entity && IsKindOf<Building>(square->Entity) ? static_cast<Building*>(square->Entity) : nullptr;
  // Decorations and bridges tell nothing here.
  if (building && building->Kind >= 24 && building->Kind <= BDK_Bridge) building = nullptr;
  isTargetValid = building != nullptr;
  SetHighlighted(building, InfoHighlight);
}

void Map::OnInfoDown(MapSquare* square) {
  TESSEL_ASSERT(activeTool == MAPTOOL_ShowInfo);
  TESSEL_ASSERT_AT(square != NULL, __FILE__, __LINE__);
  if (!square->Entity || !IsKindOf<Building>(square->Entity)) return;
  Building* building = static_cast<Building*>(square->Entity);
  if (!building->IsBuilding() && !building->IsSpecial()) return;
  GetPresenter().OpenInfoDialog(building);
  building->BuildMenu();
}

// ---- mouse

void Map::OnMouseMove(float x, float y) {
  if (isDragScrolling) {
    // In window pixels: the map moves under the mouse while it scrolls.
    Vector2 mouse{x + X, y + Y};
    ScrollTo(dragScrollOffset.X + mouse.X - dragScrollStart.X, dragScrollOffset.Y + mouse.Y - dragScrollStart.Y);
    return;
  }
  switch (activeTool) {
    case MAPTOOL_Construct: MoveConstruction(x, y); break;
    case MAPTOOL_Road: {
      MapSquare* square = GetSquareAtPixel(x, y);
      hoveredSquare = square;
      if (isDraggingRoad) OnRoadToolMove(square);
      break;
    }
    case MAPTOOL_Demolish: OnDemolishHover(GetSquareAtPixel(x, y)); break;
    case MAPTOOL_ShowInfo: OnInfoHover(GetSquareAtPixel(x, y)); break;
    case MAPTOOL_None: break;
  }
}

void Map::OnMouseDown(float x, float y, int button) {
  if (button == 2) {
    if (activeTool != MAPTOOL_None) {
      SetTool(MAPTOOL_None);
    } else {
      isDragScrolling = true;
      dragScrollStart = Vector2{x + X, y + Y};
      dragScrollOffset = ScrollOffset;
      if (Manager) Manager->SetCapture(this);
    }
    return;
  }
  if (button != 1) return;
  isLeftDown = true;
  if (Manager && activeTool != MAPTOOL_None) Manager->SetCapture(this);
  switch (activeTool) {
    case MAPTOOL_Construct:
      MoveConstruction(x, y);
      if (!constructionByDrag) CommitConstruction();
      break;
    case MAPTOOL_Road: OnRoadToolDown(GetSquareAtPixel(x, y)); break;
    case MAPTOOL_Demolish: OnDemolishDown(GetSquareAtPixel(x, y)); break;
    case MAPTOOL_ShowInfo: OnInfoDown(GetSquareAtPixel(x, y)); break;
    case MAPTOOL_None: break;
  }
}

void Map::OnMouseUp(float x, float y, int button) {
  if (button == 2) {
    if (isDragScrolling && Manager && Manager->GetCapturedWidget() == this) Manager->SetCapture(nullptr);
    isDragScrolling = false;
    return;
  }
  if (button != 1) return;
  isLeftDown = false;
  if (Manager && Manager->GetCapturedWidget() == this) Manager->SetCapture(nullptr);
  switch (activeTool) {
    case MAPTOOL_Construct:
      if (constructionByDrag && constructBuilding) {
        MoveConstruction(x, y);
        CommitConstruction();
      }
      break;
    case MAPTOOL_Road: OnRoadToolUp(); break;
    default: break;
  }
}

}  // namespace Corvanta
