#include "tessel/Random.h"

namespace Tessel {

RandomGenerator& ThreadRandom() {
  thread_local RandomGenerator generator(1);
  return generator;
}

}  // namespace Tessel
