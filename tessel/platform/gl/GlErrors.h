#pragma once
// The texts of failed OpenGL calls, worded like the framework's other
// renderer messages.

#include "tessel/Strings.h"

namespace Tessel {

String GlErrorText(unsigned error);

}  // namespace Tessel
