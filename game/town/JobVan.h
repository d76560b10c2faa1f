#pragma once
// JobVan: what a building needs from the construction vans assigned to its
// job. The office's vans implement it; the building only asks whether a van
// has arrived (the work proceeds once all have) and sends vans home when the
// job ends or is cancelled.

namespace Corvanta {

class Building;

class JobVan {
public:
  virtual ~JobVan() = default;
  // The van stands in the building, its drive over.
  virtual bool HasArrivedAt(const Building* building) const = 0;
  // Back to the office the van belongs to.
  virtual void GoHome() = 0;
};

}  // namespace Corvanta

#include <algorithm>
#include <vector>

namespace Corvanta {

// The vans assigned to a building's job, in the order they were assigned.
class AssignedVans {
public:
  bool empty() const { return Vans.empty(); }
  int size() const { return static_cast<int>(Vans.size()); }
  JobVan* operator[](int index) const { return Vans[static_cast<size_t>(index)]; }
  void push_back(JobVan* van) { Vans.push_back(van); }
  // Ignored for a van that is not in the list.
  void erase(JobVan* van) {
    auto found = std::find(Vans.begin(), Vans.end(), van);
    if (found != Vans.end()) Vans.erase(found);
  }
  JobVan* TakeFirst() {
    JobVan* van = Vans.front();
    Vans.erase(Vans.begin());
    return van;
  }
  void clear() { Vans.clear(); }
  auto begin() const { return Vans.begin(); }
  auto end() const { return Vans.end(); }

private:
  std::vector<JobVan*> Vans;
};

}  // namespace Corvanta
