#pragma once
// ResourceBase: what every image, font, sound and music resource shares, and
// ResourceListener, through which the one party that keeps a copy of a
// resource (the graphics device keeps uploaded textures) hears that the
// original changed or is going away. A resource has at most one listener;
// deleting the resource tells it first, so the copy goes before the pixels.

#include "tessel/Object.h"
#include "tessel/Strings.h"

namespace Tessel {

class ResourceBase;
class ResourceManager;

class ResourceListener {
public:
  virtual ~ResourceListener() = default;
  virtual void OnResourceDestroyed(ResourceBase* resource) = 0;
  virtual void OnResourceChanged(ResourceBase* resource) = 0;
};

class ResourceBase : public Object {
  TESSEL_DECLARE_CLASS(ResourceBase)
public:
  ResourceBase() = default;
  ResourceBase(const ResourceBase&) = delete;
  ResourceBase& operator=(const ResourceBase&) = delete;
  ~ResourceBase() override;
  // Tells the listener that the resource's contents changed.
  virtual void NotifyChanged();

  ResourceBase* Next = nullptr;        // next in the manager's bucket
  ResourceManager* Owner = nullptr;
  ResourceListener* Listener = nullptr;
  String Name;
  String Group;
};

// Images the graphics device can draw.
class Material : public ResourceBase {
  TESSEL_DECLARE_CLASS(Material)
};

}  // namespace Tessel
