#include "tessel/platform/sdl/SdlClock.h"

#include <SDL.h>

namespace Tessel {

uint32_t SdlClock::GetMilliseconds() { return SDL_GetTicks(); }
void SdlClock::Sleep(uint32_t milliseconds) { SDL_Delay(milliseconds); }

}  // namespace Tessel
