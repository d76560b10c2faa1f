#include "tessel/graphics/RenderStates.h"

namespace Tessel {

uint32_t BlendFunctionOf(int blendMode) {
  switch (blendMode) {
    case 1: return 1;
    case 2: return 4;
    default: return 0;
  }
}

uint32_t AlphaTestWord(int function, int reference) {
  uint32_t word = 0;
  if (function >= 1 && function <= 6) word |= static_cast<uint32_t>(function) << 24;
  if (function != 0) word |= (static_cast<uint32_t>(reference) & 0xFF) << 16;
  return word;
}

}  // namespace Tessel
