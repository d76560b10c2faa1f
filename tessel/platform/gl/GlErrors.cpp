#include "tessel/platform/gl/GlErrors.h"

#include "tessel/platform/gl/GlFunctions.h"

namespace Tessel {

String GlErrorText(unsigned error) {
  switch (error) {
    case GL_OUT_OF_MEMORY: return "OpenGL could not allocate sufficient memory to complete the call.";
    case GL_INVALID_ENUM:
    case GL_INVALID_VALUE: return "One or more arguments are invalid.";
    case GL_INVALID_OPERATION: return "The method call is invalid. For example, a method's parameter might not be valid.";
    case GL_INVALID_FRAMEBUFFER_OPERATION: return "Internal driver error.";
    default: return "Unspecified error.";
  }
}

}  // namespace Tessel
