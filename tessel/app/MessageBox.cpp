#include "tessel/app/MessageBox.h"

#include <atomic>

namespace Tessel {

static std::atomic<MessageBoxInterceptor*> Interceptor{nullptr};

void SetMessageBoxInterceptor(MessageBoxInterceptor* interceptor) { Interceptor = interceptor; }
MessageBoxInterceptor* GetMessageBoxInterceptor() { return Interceptor; }

}  // namespace Tessel
