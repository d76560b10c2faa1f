#include "game/town/WorkshopVan.h"

#include <algorithm>

#include "game/rules/Balance.h"
#include "game/town/Building.h"
#include "game/town/Map.h"
#include "game/town/TownArt.h"
#include "game/town/VanManoeuvre.h"
#include "game/town/Workshop.h"
#include "tessel/Exception.h"
#include "tessel/Random.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/resources/Bitmap.h"

using namespace Tessel;

// Assertions that name NULL use TESSEL_ASSERT_AT directly: passed on through
// TESSEL_ASSERT the word would reach the text already expanded.

// The steps of a path are told in the model's words (a square's column i
// and row j); the text is the assertion as the model writes it.
#define WORKSHOP_VAN_ASSERT_TEXT(expression, text)                                         \
  do {                                                                                     \
    if (!(expression)) throw ::Tessel::AssertionFailedException(text, __FILE__, __LINE__); \
  } while (0)

namespace Corvanta {

TESSEL_IMPLEMENT_ABSTRACT_CLASS(WorkshopVan, MapEntity);

namespace {

constexpr float FastFadeFactor = 3;  // a fast fade goes three times as fast
// Below this the van would never arrive (speeds of zero or less are refused
// by the balance reader; rules made by hand may still give them).
constexpr float LeastSpeed = 0.05f;

const Balance& Rules() { return Balance::Current(); }

float RandomBaseWait() { return RandRange(Rules().WorkshopVanTimeAtBaseMin, Rules().WorkshopVanTimeAtBaseMax); }
float RandomHouseWait() { return RandRange(Rules().WorkshopVanTimeAtHouseMin, Rules().WorkshopVanTimeAtHouseMax); }

}  // namespace

WorkshopVan::WorkshopVan(Workshop* home) {
  TESSEL_ASSERT_AT(home != NULL, __FILE__, __LINE__);
  Map* map = home->TheMap;
  TESSEL_ASSERT_AT(map != NULL, __FILE__, __LINE__);
  this->home = home;
  IsHitTestable = false;
  SetSize(EntitySize, EntitySize);
  SetVisible(false);
  WaitTimer = RandomBaseWait();
  Speed = Rules().WorkshopVanSpeedSlow;
  // As an entity and, through OnAddedToMap, as a listener.
  map->AddEntity(this);
}

WorkshopVan::~WorkshopVan() {
  if (TheMap) TheMap->RemoveListener(this);
  if (Workshop* workshop = home) workshop->ForgetVan(this);
}

void WorkshopVan::OnAddedToMap(Map* map) {
  MapEntity::OnAddedToMap(map);
  map->AddListener(this);
}

void WorkshopVan::OnRemovedFromMap() {
  if (TheMap) TheMap->RemoveListener(this);
}

void WorkshopVan::LoseHome() {
  home = nullptr;
  target = nullptr;
}

// ---- what happens on the map

void WorkshopVan::OnBuildingRemoved(MapEntity* building) {
  TESSEL_ASSERT_AT(building != NULL, __FILE__, __LINE__);
  if (!home) return;
  if (building == static_cast<MapEntity*>(home.Get())) {
    LoseHome();  // it goes on its next update
    return;
  }
  Building* house = target;
  if (house && building == static_cast<MapEntity*>(house)) LoseTarget();
}

void WorkshopVan::LoseTarget() {
  target = nullptr;
  if (!IsVisible())
    WaitTimer = RandomBaseWait();  // it was inside: home at once
  else
    Leaving = true;  // it fades out where it is
}

void WorkshopVan::CheckLinks() {
  if (home.WasLost()) LoseHome();
  // Deleted without the map's event: as if it had been removed.
  if (target.WasLost()) LoseTarget();
}

bool WorkshopVan::IsHomePlaced() const {
  Workshop* workshop = home;
  return workshop && TheMap && workshop->TheMap == TheMap && workshop->Square && !workshop->IsPreview &&
         TheMap->Buildings.IndexOf(workshop) >= 0;
}

// ---- update

void WorkshopVan::OnUpdate(float dt) {
  CheckLinks();
  if (!home) {
    // The workshop is gone, and so is its van.
    if (TheMap && GetParent() == TheMap)
      TheMap->RemoveEntity(this);
    else if (TheMap)
      TheMap->RemoveListener(this);
    return;
  }
  if (!IsHomePlaced()) return;
  if (!IsVisible()) {
    Wait(dt);
    if (!IsVisible()) return;
  }
  Drive(dt);
}

bool WorkshopVan::MayVisit(Building* building) {
  if (!building || !IsHouseKind(building->Kind) || building->HasJob()) return false;
  // Placed: not the construct tool's preview, not on its way off the map.
  if (!building->Square || building->IsPreview || building->IsDemolished || TheMap->Buildings.IndexOf(building) < 0)
    return false;
  SquareRoute route;
  return TheMap->FindRoute(home.Get(), building, route);
}

void WorkshopVan::Wait(float dt) {
  TESSEL_ASSERT(!IsVisible());
  Workshop* workshop = home;
  const Balance& rules = Rules();
  WaitTimer -= dt;
  Building* house = target;
  if (house && (workshop->HasJob() || house->HasJob())) {
    // A job calls the visit off: the van counts as home at once.
    target = nullptr;
    WaitTimer = RandomBaseWait();
    return;
  }
  if (!house && workshop->HasJob()) {
    WaitTimer = std::max(WaitTimer, rules.WorkshopVanTimeAtBaseMin);
    return;
  }
  if (WaitTimer >= 0) return;
  if (house) {
    // Time to go home.
    target = nullptr;
    if (TheMap->FindRoute(house, workshop, pathSquares))
      StartDriving();
    else
      WaitTimer = RandomBaseWait();  // no way back: it counts as home
    return;
  }
  // Time to go out, to one of the houses the workshop serves now.
  Array<Building*> houses;
  const Array<Building*> served = workshop->Served;
  for (Building* building : served)
    if (MayVisit(building)) houses.Add(building);
  if (houses.IsEmpty()) {
    WaitTimer = rules.WorkshopVanTimeAtBaseMin;
    return;
  }
  Building* chosen = houses[Rand() % houses.GetSize()];
  target = chosen;
  bool mustHavePath = TheMap->FindRoute(workshop, chosen, pathSquares);
  TESSEL_ASSERT(mustHavePath);
  StartDriving();
}

// ---- driving

void WorkshopVan::CheckStep(int from) const {
  const MapSquare* a = pathSquares[from];
  const MapSquare* b = pathSquares[from + 1];
  if (from == 0) {
    if (a->X != b->X)
      WORKSHOP_VAN_ASSERT_TEXT(a->Y == b->Y, "pathSquares[0]->j == pathSquares[1]->j");
    else
      WORKSHOP_VAN_ASSERT_TEXT(a->Y != b->Y, "pathSquares[0]->j != pathSquares[1]->j");
  } else {
    if (a->X != b->X)
      WORKSHOP_VAN_ASSERT_TEXT(a->Y == b->Y, "pathSquares[pathSquareIdx]->j == pathSquares[pathSquareIdx+1]->j");
    else
      WORKSHOP_VAN_ASSERT_TEXT(a->Y != b->Y, "pathSquares[pathSquareIdx]->j != pathSquares[pathSquareIdx+1]->j");
  }
}

void WorkshopVan::StartDriving() {
  TESSEL_ASSERT(pathSquares.GetSize() >= 3);
  Leaving = false;
  FastFade = false;
  SetVisible(true);
  Speed = Rules().WorkshopVanSpeedSlow;
  pathSquareIdx = 1;
  CheckStep(0);
  Heading = GetStepDirection(*pathSquares[0], *pathSquares[1]);
  ComputeTurn();
}

void WorkshopVan::ComputeTurn() {
  TESSEL_ASSERT(pathSquareIdx >= 1);
  // clang-format off
  TESSEL_ASSERT(pathSquareIdx < ( pathSquares.GetSize() - 1 ));
  // clang-format on
  CheckStep(pathSquareIdx);
  const int direction = GetStepDirection(*pathSquares[pathSquareIdx], *pathSquares[pathSquareIdx + 1]);
  Turn = (direction - Heading + 8) % 4;
  Progress = 0;
  SpriteDirection = Heading;
}

void WorkshopVan::AdvanceSquare() {
  ++pathSquareIdx;
  Heading = (Heading + Turn) % 4;
  ComputeTurn();
}

void WorkshopVan::Disappear() {
  Visibility = 0;
  SetVisible(false);
  pathSquares.Clear();
  pathSquareIdx = -1;
}

void WorkshopVan::Drive(float dt) {
  TESSEL_ASSERT(IsVisible());
  const Balance& rules = Rules();
  Workshop* workshop = home;
  // 1. A job on the workshop or on the house calls the trip off.
  if (workshop->HasJob()) Leaving = true;
  if (Building* house = target; house && house->HasJob()) {
    target = nullptr;
    Leaving = true;
  }
  // 2. Fading in, or out while leaving.
  if (Leaving) {
    Visibility -= dt;
    if (FastFade) Visibility -= (FastFadeFactor - 1) * dt;
    if (Visibility < 0) {
      Disappear();
      WaitTimer = target ? RandomHouseWait() : RandomBaseWait();
      return;
    }
    if (FastFade) return;  // vanishing where it stands
  } else {
    Visibility = std::min(1.0f, Visibility + dt);
  }
  // 3. Arrived, or no path in use.
  if (pathSquareIdx < 0 || pathSquareIdx >= pathSquares.GetSize() - 1) return;
  // 4. The road under it is gone: it vanishes and is home again.
  if (!pathSquares[pathSquareIdx]->IsRoad) {
    target = nullptr;
    Leaving = true;
    FastFade = true;
    return;
  }
  // 5. Slower in turns, faster on the straight.
  const float slow = rules.WorkshopVanSpeedSlow, full = rules.WorkshopVanSpeedFull;
  const float least = std::min(slow, full), most = std::max(slow, full);
  const float acceleration = (most - least) * 4;
  if (Turn != TURN_Straight)
    Speed = std::max(slow, Speed - acceleration * dt);
  else
    Speed = std::min(full, Speed + acceleration * dt);
  Speed = std::clamp(Speed, least, most);
  // 6. Along the manoeuvre; the last one ends inside the destination.
  Progress += dt * std::max(Speed, LeastSpeed);
  while (Progress >= GetManoeuvreLength(Turn)) {
    Progress -= GetManoeuvreLength(Turn);
    if (pathSquares.GetSize() == pathSquareIdx + 2) {
      // Arrived: it vanishes in a third of a second, then waits.
      Leaving = true;
      FastFade = true;
      pathSquareIdx = -1;
      return;
    }
    AdvanceSquare();
  }
  // 7. Where it is on the screen.
  UpdateScreenPosition();
}

void WorkshopVan::UpdateScreenPosition() {
  if (pathSquareIdx < 0 || pathSquareIdx >= pathSquares.GetSize()) return;
  const VanPlacement placement = PlaceInSquare(Heading, Turn, Progress);
  SpriteDirection = placement.SpriteDirection;
  const MapSquare& square = *pathSquares[pathSquareIdx];
  ScreenX = square.Position.X + MapSquare::Size * placement.U;
  ScreenY = square.Position.Y + MapSquare::Size * placement.V;
  // The widget stands at the van's centre.
  SetPosition(ScreenX, ScreenY);
  SetDrawOrder(static_cast<int>(ScreenY) + 7);
}

// ---- drawing

void WorkshopVan::OnDraw(Canvas& canvas) {
  if (!TheMap || !TheMap->Art) return;
  const TownArt& art = *TheMap->Art;
  const int diagonal = GetDiagonalPicture(Heading, Turn, Progress);
  Bitmap* image = diagonal >= 0 ? art.WorkshopVan[diagonal] : nullptr;
  if (!image) image = art.WorkshopVan[SpriteDirection & 3];
  TESSEL_ASSERT_AT(image != NULL, __FILE__, __LINE__);
  // Linear, unlike the construction van's square.
  const uint32_t alpha = Visibility > 0.99f ? 255u : static_cast<uint32_t>(std::clamp(Visibility, 0.0f, 1.0f) * 255);
  const float width = static_cast<float>(image->GetWidth()), height = static_cast<float>(image->GetHeight());
  canvas.DrawImage(image, alpha << 24 | 0x00FFFFFFu, -width / 2, -height / 2);
}

}  // namespace Corvanta
