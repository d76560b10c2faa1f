#include "game/town/MapListenerList.h"

#include <algorithm>

namespace Corvanta {

void MapListenerList::Add(MapListener* listener) {
  if (!listener || Contains(listener)) return;
  Listeners.push_back(listener);
}

void MapListenerList::Remove(MapListener* listener) {
  auto found = std::find(Listeners.begin(), Listeners.end(), listener);
  if (!listener || found == Listeners.end()) return;
  if (Depth > 0) {
    *found = nullptr;
    HasGaps = true;
  } else {
    Listeners.erase(found);
  }
}

bool MapListenerList::Contains(const MapListener* listener) const {
  return listener && std::find(Listeners.begin(), Listeners.end(), listener) != Listeners.end();
}

int MapListenerList::GetCount() const {
  return static_cast<int>(std::count_if(Listeners.begin(), Listeners.end(), [](MapListener* l) { return l; }));
}

std::vector<MapListener*> MapListenerList::GetListeners() const {
  std::vector<MapListener*> listeners;
  for (MapListener* listener : Listeners)
    if (listener) listeners.push_back(listener);
  return listeners;
}

void MapListenerList::EndBroadcast() {
  if (--Depth > 0 || !HasGaps) return;
  Listeners.erase(std::remove(Listeners.begin(), Listeners.end(), nullptr), Listeners.end());
  HasGaps = false;
}

}  // namespace Corvanta
