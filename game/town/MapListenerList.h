#pragma once
// MapListenerList: the map's listeners in registration order, and the
// broadcast that calls one event on each of them.
//
// Listeners come and go while an event is being told: a demolished building
// leaves the list from inside its own OnBuildingDemolished, a new goal may
// register from a script action. A listener that leaves during a broadcast
// gets no further events from it (its slot is emptied and the list is closed
// up once the outermost broadcast is over); one that joins hears only the
// events that start after it joined.

#include <cstddef>
#include <vector>

#include "game/town/MapListener.h"

namespace Corvanta {

class MapListenerList {
public:
  // A listener already in the list is not added twice.
  void Add(MapListener* listener);
  // Ignored for a listener that is not in the list.
  void Remove(MapListener* listener);
  bool Contains(const MapListener* listener) const;
  int GetCount() const;
  // In registration order, without the ones that left.
  std::vector<MapListener*> GetListeners() const;

  template <typename... Parameters, typename... Arguments>
  void Broadcast(void (MapListener::*event)(Parameters...), Arguments... arguments) {
    ++Depth;
    std::size_t count = Listeners.size();
    try {
      for (std::size_t i = 0; i < count; ++i)
        if (MapListener* listener = Listeners[i]) (listener->*event)(arguments...);
    } catch (...) {
      EndBroadcast();
      throw;
    }
    EndBroadcast();
  }

private:
  void EndBroadcast();

  std::vector<MapListener*> Listeners;
  int Depth = 0;           // broadcasts in progress (events raise events)
  bool HasGaps = false;    // some slot was emptied during a broadcast
};

}  // namespace Corvanta
