#include "game/town/ConstructionVan.h"

#include <algorithm>

#include "game/rules/Balance.h"
#include "game/town/Building.h"
#include "game/town/Map.h"
#include "game/town/MapPresenter.h"
#include "game/town/Office.h"
#include "game/town/TownArt.h"
#include "game/town/VanManoeuvre.h"
#include "tessel/Exception.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/resources/Bitmap.h"

using namespace Tessel;

// Assertions that name NULL use TESSEL_ASSERT_AT directly: passed on through
// TESSEL_ASSERT the word would reach the text already expanded.

namespace Corvanta {

TESSEL_IMPLEMENT_ABSTRACT_CLASS(ConstructionVan, MapEntity);

namespace {

constexpr float DepartureSpacing = 0.25f;  // seconds between the vans of one crew
constexpr float FadeOutRate = 4;           // visibility per second

const Balance& Rules() { return Balance::Current(); }

Building* GetBuildingOn(const MapSquare* square) { return dynamic_cast<Building*>(square->Entity); }

}  // namespace

ConstructionVan::ConstructionVan(Office* office) : TheOffice(office), objective(office) {
  TESSEL_ASSERT_AT(office != NULL, __FILE__, __LINE__);
  TESSEL_ASSERT_AT(office->TheMap != NULL, __FILE__, __LINE__);
  Speed = Rules().ConstructionVanSpeedSlow;
  IsHitTestable = false;
  SetVisible(false);
}

ConstructionVan::~ConstructionVan() {
  if (TheMap) TheMap->RemoveListener(this);
  TheOffice->ForgetVan(this);
}

void ConstructionVan::OnAddedToMap(Map* map) {
  MapEntity::OnAddedToMap(map);
  map->AddListener(this);
}

void ConstructionVan::OnRemovedFromMap() {
  if (TheMap) TheMap->RemoveListener(this);
}

// ---- what the office asks

bool ConstructionVan::IsHomeBound() const { return objective == TheOffice; }

bool ConstructionVan::IsFree() const {
  if (!IsHomeBound()) return false;
  switch (state) {
    case STATE_Idle:
    case STATE_WaitDeparture: return true;
    case STATE_GotoObjective: return squareIdx >= 0 && squareIdx < path.GetSize() - 2;
    default: return false;
  }
}

bool ConstructionVan::HasArrivedAt(const Building* building) const {
  return state == STATE_Idle && objective == building;
}

void ConstructionVan::GoHome() { Goto(TheOffice); }

int ConstructionVan::GetFirstTurn(const SquareRoute& route) const {
  return GetTurn(Heading, GetStepDirection(*route[0], *route[1]));
}

bool ConstructionVan::FindRouteFromDeparture(Building* to, SquareRoute& route) {
  MapSquare* start = path[0];
  Building* from = GetBuildingOn(start);
  if (from == to) return false;
  // The building the van waits in may have been taken off the map meanwhile.
  if (from) return TheMap->FindRoute(from, to, route);
  return TheMap->FindRoute(start, to, route);
}

int ConstructionVan::GetDistanceTo(Building* building) {
  try {
    SquareRoute route;
    switch (state) {
      case STATE_Idle:
        if (building == objective) return 0;
        return TheMap->FindRoute(objective, building, route) ? route.GetSize() - 2 : -1;
      case STATE_WaitDeparture:
        if (path[0]->Entity == building) return 0;
        return FindRouteFromDeparture(building, route) ? route.GetSize() - 2 : -1;
      case STATE_GotoObjective: {
        // The assertion's text is its expression as written.
        // clang-format off
        TESSEL_ASSERT(squareIdx < ( path.GetSize() - 2 ));
        // clang-format on
        MapSquare* current = path[squareIdx];
        if (current->Entity == building || !TheMap->FindRoute(current, building, route)) return -1;
        MapSquare* next = path[squareIdx + 1];
        if (route[1] == next || CanChangeTurn(Turn, GetFirstTurn(route), Progress)) return route.GetSize() - 1;
        // Too far into its manoeuvre: it enters its next square first.
        return TheMap->FindRoute(next, building, route) ? route.GetSize() : -1;
      }
      default: return -1;
    }
  }
  TESSEL_TRACE("ConstructionVan::GetDistanceTo( Building* )")
}

// ---- orders

void ConstructionVan::Goto(Building* bld) {
  try {
    TESSEL_ASSERT_AT(bld != NULL, __FILE__, __LINE__);
    if (bld == objective) return;
    NeedsNewPath = false;
    switch (state) {
      case STATE_Idle: {
        SquareRoute route;
        bool havePath = TheMap->FindRoute(objective, bld, route);
        if (!havePath) {
          // A van standing where no road leads home is simply home again.
          if (bld != TheOffice) TESSEL_ASSERT(havePath);
          BeHome();
          return;
        }
        // The crew of one job leaves one van after another.
        const Building* counted = bld == TheOffice ? objective : bld;
        DepartureDelay = DepartureSpacing * static_cast<float>(counted->VansAssigned.size());
        state = STATE_WaitDeparture;
        objective = bld;
        path = route;
        squareIdx = 0;
        break;
      }
      case STATE_WaitDeparture: {
        objective = bld;
        if (path[0]->Entity == bld) {  // it has not left the building yet
          path.Clear();
          state = STATE_Idle;
          squareIdx = -1;
          break;
        }
        SquareRoute route;
        bool havePath = FindRouteFromDeparture(bld, route);
        if (!havePath) {
          if (bld != TheOffice) TESSEL_ASSERT(havePath);
          BeHome();
          return;
        }
        path = route;
        squareIdx = 0;
        break;
      }
      case STATE_GotoObjective: {
        objective = bld;
        bool havePath = GetAlternativeRoadPath(true);
        if (!havePath) {
          if (bld != TheOffice) TESSEL_ASSERT(havePath);
          Vanish();
        }
        break;
      }
      case STATE_FadeOut: TESSEL_ASSERT(!"Invalid call. Van isn't ready to go to objective.");
    }
  }
  TESSEL_TRACE("ConstructionVan::Goto( Building* )")
}

void ConstructionVan::TakePath(SquareRoute& route) {
  path = route;
  squareIdx = 0;
  NeedsNewPath = false;
}

bool ConstructionVan::GetAlternativeRoadPath(bool force) {
  try {
    TESSEL_ASSERT(state == STATE_GotoObjective);
    // clang-format off
    TESSEL_ASSERT(squareIdx < ( path.GetSize() - 1 ));
    // clang-format on
    MapSquare* current = path[squareIdx];
    MapSquare* next = path[squareIdx + 1];
    const int rest = path.GetSize() - squareIdx;
    SquareRoute route;
    if (current->Entity == objective || !TheMap->FindRoute(current, objective, route)) return false;
    if (!force && route.GetSize() >= rest) return false;
    int newTurn = GetFirstTurn(route);
    if (route[1] == next || newTurn == Turn) {
      TakePath(route);
      return true;
    }
    if (CanChangeTurn(Turn, newTurn, Progress)) {
      TakePath(route);
      Turn = newTurn;
      return true;
    }
    // Committed to its turn: the new way starts from the next square.
    if (squareIdx + 1 < path.GetSize() - 1 && next->IsRoad) {
      SquareRoute onward;
      if (TheMap->FindRoute(next, objective, onward) && (force || onward.GetSize() + 1 < rest)) {
        route.Clear();
        route.Add(current);
        for (MapSquare* square : onward) route.Add(square);
        TakePath(route);
        return true;
      }
    }
    return false;
  }
  TESSEL_TRACE("ConstructionVan::GetAlternativeRoadPath()")
}

void ConstructionVan::Vanish() {
  path.Clear();
  DepartureDelay = 0;
  state = STATE_FadeOut;
  squareIdx = -1;
  NeedsNewPath = false;
}

void ConstructionVan::BeHome() {
  path.Clear();
  state = STATE_Idle;
  objective = TheOffice;
  squareIdx = -1;
  DepartureDelay = 0;
  Visibility = 0;
  SetVisible(false);
  TheOffice->ProcessWorkersTasks();
}

void ConstructionVan::AbortObjective() {
  TESSEL_ASSERT(objective != TheOffice);
  Building* site = objective;
  {
    // The whole crew goes before the office looks at the job again.
    Office::DispatchHold hold(*TheOffice);
    while (!site->VansAssigned.empty()) site->VansAssigned.TakeFirst()->GoHome();
  }
  TheOffice->ProcessWorkersTasks();
}

// ---- motion

void ConstructionVan::StartMotion() {
  TESSEL_ASSERT(path.GetSize() >= 3);
  Progress = 0;
  squareIdx = 1;
  Speed = Rules().ConstructionVanSpeedSlow;
  Heading = GetStepDirection(*path[0], *path[1]);
  SpriteDirection = Heading;
  ComputeTurn();
}

void ConstructionVan::ComputeTurn() {
  // clang-format off
  TESSEL_ASSERT(squareIdx < ( path.GetSize() - 1 ));
  // clang-format on
  Turn = GetTurn(Heading, GetStepDirection(*path[squareIdx], *path[squareIdx + 1]));
}

void ConstructionVan::OnUpdate(float dt) {
  switch (state) {
    case STATE_Idle: break;
    case STATE_WaitDeparture:
      DepartureDelay -= dt;
      if (DepartureDelay > 0) break;
      DepartureDelay = 0;
      // Waiting where a demolished building stood, now a road beside the
      // objective: there is nothing to drive.
      if (path.GetSize() < 3) {
        Arrive();
        break;
      }
      state = STATE_GotoObjective;
      SetVisible(true);
      StartMotion();
      UpdateScreenPosition();
      if (!IsHomeBound()) TheMap->GetPresenter().PlaySound(TownSounds::VanMovesOut);
      break;
    case STATE_GotoObjective: UpdateMotion(dt); break;
    case STATE_FadeOut:
      Visibility -= FadeOutRate * dt;
      if (Visibility > 0) break;
      Visibility = 0;
      state = STATE_Idle;
      objective = TheOffice;
      squareIdx = -1;
      SetVisible(false);
      TheOffice->ProcessWorkersTasks();
      break;
  }
}

void ConstructionVan::UpdateMotion(float dt) {
  const Balance& rules = Rules();
  const float length = GetManoeuvreLength(Turn);
  if (squareIdx == 1 && GetBuildingOn(path[0]) && Progress < 0.5f)
    Visibility = Progress * 2;  // coming out of a building
  else if (squareIdx == path.GetSize() - 2 && Progress > length - 0.5f)
    Visibility = (length - Progress) * 2;  // going into one
  else
    Visibility = 1;

  const float acceleration = (rules.ConstructionVanSpeedFull - rules.ConstructionVanSpeedSlow) * 4;
  if (Turn == TURN_Straight)
    Speed = std::min(rules.ConstructionVanSpeedFull, Speed + acceleration * dt);
  else
    Speed = std::max(rules.ConstructionVanSpeedSlow, Speed - acceleration * dt);
  float speed = Speed;
  if (TheOffice->SpeedUpActive) speed *= rules.OfficeSpeedUpMultiplier;
  speed *= TheMap->GetUpgradeEffects().GetVanSpeedFactor();
  Progress += dt * speed;

  while (Progress >= GetManoeuvreLength(Turn)) {
    Progress -= GetManoeuvreLength(Turn);
    ++squareIdx;
    if (squareIdx >= path.GetSize() - 1) {
      Arrive();
      return;
    }
    Heading = (Heading + Turn) % 4;
    ComputeTurn();
  }

  UpdateScreenPosition();
  if (path[squareIdx]->IsRoad) return;
  if (IsHomeBound())
    Vanish();
  else
    AbortObjective();
}

void ConstructionVan::Arrive() {
  path.Clear();
  Visibility = 0;
  DepartureDelay = 0;
  state = STATE_Idle;
  squareIdx = -1;
  NeedsNewPath = false;
  SetVisible(false);
  if (IsHomeBound())
    TheOffice->ProcessWorkersTasks();
  else
    TheMap->GetPresenter().PlaySound(TownSounds::VanArrive);
}

void ConstructionVan::UpdateScreenPosition() {
  if (!IsVisible() || squareIdx < 0 || squareIdx >= path.GetSize()) return;
  VanPlacement placement = PlaceInSquare(Heading, Turn, Progress);
  SpriteDirection = placement.SpriteDirection;
  const MapSquare& square = *path[squareIdx];
  ScreenX = square.Position.X + MapSquare::Size * placement.U;
  ScreenY = square.Position.Y + MapSquare::Size * placement.V - 4;
  SetPosition(ScreenX, ScreenY);
  SetDrawOrder(static_cast<int>(ScreenY));
}

// ---- roads that come and go

bool ConstructionVan::IsBetweenEnds(const MapSquare* square, int from) const {
  for (int i = std::max(from, 0); i < path.GetSize() - 1; ++i)
    if (path[i] == square) return true;
  return false;
}

void ConstructionVan::OnRoadAdded(MapSquare* square) {
  if (state == STATE_WaitDeparture) {
    SquareRoute route;
    if (FindRouteFromDeparture(objective, route) && (NeedsNewPath || route.GetSize() < path.GetSize())) {
      path = route;
      squareIdx = 0;
      NeedsNewPath = false;
    }
  } else if (state == STATE_GotoObjective) {
    GetAlternativeRoadPath(NeedsNewPath);
  }
}

void ConstructionVan::OnRoadRemoved(MapSquare* square) {
  if (!square) return;
  if (state == STATE_WaitDeparture) {
    if (!IsBetweenEnds(square, 1)) return;
    if (!IsHomeBound()) {
      AbortObjective();
      return;
    }
    SquareRoute route;
    if (FindRouteFromDeparture(TheOffice, route)) {
      path = route;
      squareIdx = 0;
    } else {
      NeedsNewPath = true;  // it waits for a road to come back
    }
  } else if (state == STATE_GotoObjective) {
    if (square == path[squareIdx]) {
      if (IsHomeBound())
        Vanish();
      else
        AbortObjective();
    } else if (IsBetweenEnds(square, squareIdx + 1)) {
      if (!IsHomeBound()) {
        AbortObjective();
        return;
      }
      NeedsNewPath = true;
      GetAlternativeRoadPath(true);
    }
  }
}

// ---- drawing

void ConstructionVan::OnDraw(Canvas& canvas) {
  if (!TheMap || !TheMap->Art) return;
  const TownArt& art = *TheMap->Art;
  int diagonal = GetDiagonalPicture(Heading, Turn, Progress);
  Bitmap* image = diagonal >= 0 ? art.ConstructionVan[diagonal] : nullptr;
  if (!image) image = art.ConstructionVan[SpriteDirection & 3];
  TESSEL_ASSERT_AT(image != NULL, __FILE__, __LINE__);
  uint32_t alpha = static_cast<uint32_t>(std::clamp(Visibility * Visibility, 0.0f, 1.0f) * 255);
  uint32_t colour = alpha << 24 | 0x00FFFFFFu;
  float width = static_cast<float>(image->GetWidth()), height = static_cast<float>(image->GetHeight());
  // The widget stands at the van's centre.
  canvas.DrawImage(image, colour, -width / 2, -height / 2);
  if (TheOffice->SpeedUpActive && art.SpeedUpIcon)
    canvas.DrawImage(art.SpeedUpIcon, colour, -static_cast<float>(art.SpeedUpIcon->GetWidth()) / 2,
                     -static_cast<float>(art.SpeedUpIcon->GetHeight()));
}

}  // namespace Corvanta
