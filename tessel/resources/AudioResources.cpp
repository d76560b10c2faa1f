#include "tessel/resources/AudioResources.h"

namespace Tessel {

TESSEL_IMPLEMENT_CLASS(AudioResource, ResourceBase);
TESSEL_IMPLEMENT_CLASS(Music, AudioResource);
TESSEL_IMPLEMENT_CLASS(Sound, AudioResource);

}  // namespace Tessel
