#pragma once
// Office: the player's company office, the home of the construction vans.
// It stands on every map and the map knows it as TheOffice. It is never
// constructed by vans, never demolished and never sold.
//
// Dispatching vans to the waiting jobs, buying vans and the speed-up belong
// to the office's own rules; the jobs ask for them through
// ProcessWorkersTasks and read SpeedUpActive.

#include "game/town/Building.h"

namespace Corvanta {

class Office : public Building {
public:
  Office();

  bool CanDemolish() const override { return false; }
  // Matches the free vans to the map's job queue. Called whenever a job is
  // queued, ends or is cancelled, and whenever a van comes home.
  virtual void ProcessWorkersTasks() {}
  // Every van the company owns, out on a job or not.
  virtual int GetVanCount() const { return 0; }

  // The speed-up ability is running: jobs advance faster.
  bool SpeedUpActive = false;
};

}  // namespace Corvanta
