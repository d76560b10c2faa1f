#include "game/town/MapGoal.h"

#include "game/town/Map.h"
#include "tessel/Exception.h"

namespace Corvanta {

MapGoal::MapGoal(Map* map) : TheMap(map) {
  TESSEL_ASSERT_AT(TheMap != NULL, __FILE__, __LINE__);
  TheMap->AddListener(this);
}

MapGoal::~MapGoal() { TheMap->RemoveListener(this); }

Tessel::WideString MapGoal::GetText() const { return Text.empty() ? GetDefaultText() : Text; }

}  // namespace Corvanta
