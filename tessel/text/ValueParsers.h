#pragma once
// The small tuples that XML attributes carry, read as scanf reads them;
// numbers that are missing stay 0.

#include "tessel/Geometry.h"
#include "tessel/WideText.h"

namespace Tessel {

// "true" in any case is true; everything else false.
bool ParseBool(const WideString& text);
Point ParsePoint(const WideString& text);      // "%i %i"
Vector2 ParseVector(const WideString& text);   // "%f %f"
Rect ParseRect(const WideString& text);        // "%i %i %i %i"
RectF ParseRectF(const WideString& text);      // "%f %f %f %f"

}  // namespace Tessel
