#pragma once
// MapScript: a level script as the map runs it. The map owns its scripts
// and updates them every frame unless the scripts are paused (the start
// delay, dialogs, the victory); what a script does lives with the scripts.

namespace Corvanta {

class MapScript {
public:
  virtual ~MapScript() = default;
  virtual void Update(float dt) = 0;
};

}  // namespace Corvanta
