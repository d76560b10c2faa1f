#include "tessel/resources/ResourceBase.h"

namespace Tessel {

TESSEL_IMPLEMENT_CLASS(ResourceBase, Object);
TESSEL_IMPLEMENT_ABSTRACT_CLASS(Material, ResourceBase);

ResourceBase::~ResourceBase() {
  if (Listener) Listener->OnResourceDestroyed(this);
}

void ResourceBase::NotifyChanged() {
  if (Listener) Listener->OnResourceChanged(this);
}

}  // namespace Tessel
