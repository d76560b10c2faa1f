#pragma once
// The progress that a goal's text shows while it is not met ("(2 left)",
// "(1 more)"), appended to the goal's own text as "%ls %ls".
//
// What is left is only shown while something is left: a goal whose count is
// already reached (waiting out its duration, or not evaluated yet) shows no
// progress rather than "(0 left)" or a negative number.

#include "tessel/WideText.h"

namespace Corvanta {

// progressFormat takes the one number; text may be empty (a goal without a
// default text), then the progress stands alone.
Tessel::WideString AppendProgress(const Tessel::WideString& text, const Tessel::WideString& progressFormat, int left);

// The number as the goal texts group it: the locale's thousands groups.
Tessel::WideString GroupedNumber(int number);

}  // namespace Corvanta
