#include "tessel/Log.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

namespace Tessel {

namespace {

struct Listeners {
  std::mutex Lock;
  std::vector<OutputListener*> List;
  std::atomic<int> Count{0};
};

Listeners& GetListeners() {
  static Listeners listeners;
  return listeners;
}

}  // namespace

void AddOutputListener(OutputListener* listener) {
  Listeners& l = GetListeners();
  std::lock_guard<std::mutex> guard(l.Lock);
  l.List.push_back(listener);
  l.Count = static_cast<int>(l.List.size());
}

void RemoveOutputListener(OutputListener* listener) {
  Listeners& l = GetListeners();
  std::lock_guard<std::mutex> guard(l.Lock);
  l.List.erase(std::remove(l.List.begin(), l.List.end(), listener), l.List.end());
  l.Count = static_cast<int>(l.List.size());
}

bool HasOutputListeners() { return GetListeners().Count.load(std::memory_order_relaxed) > 0; }

void WriteLog(const String& text) {
  Listeners& l = GetListeners();
  std::lock_guard<std::mutex> guard(l.Lock);
  for (OutputListener* listener : l.List) listener->Write(text);
}

}  // namespace Tessel
