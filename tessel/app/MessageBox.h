#pragma once
// Message boxes can be intercepted: while an interceptor is installed it
// receives every box instead of the platform (tests, unattended runs).

#include "tessel/Strings.h"

namespace Tessel {

class MessageBoxInterceptor {
public:
  virtual ~MessageBoxInterceptor() = default;
  virtual void OnMessageBox(const String& text, const String& caption, bool isError) = 0;
};

// Null removes it.
void SetMessageBoxInterceptor(MessageBoxInterceptor* interceptor);
MessageBoxInterceptor* GetMessageBoxInterceptor();

}  // namespace Tessel
