#include "game/rules/LoadingThread.h"

#include "tessel/Exception.h"

namespace Corvanta {

LoadingThread::~LoadingThread() { Join(); }

void LoadingThread::Start(std::function<void()> work) {
  if (Thread.joinable()) {
    TESSEL_ASSERT(IsFinished());
    Thread.join();
  }
  Finished.store(false, std::memory_order_relaxed);
  Failure = nullptr;
  Thread = std::thread([this, work = std::move(work)]() {
    try {
      work();
    } catch (...) {
      Failure = std::current_exception();
    }
    Finished.store(true, std::memory_order_release);
  });
}

void LoadingThread::Join() {
  if (Thread.joinable()) Thread.join();
}

void LoadingThread::RethrowFailure() {
  TESSEL_ASSERT(IsFinished());
  if (!Failure) return;
  std::exception_ptr failure = std::move(Failure);
  Failure = nullptr;
  std::rethrow_exception(failure);
}

}  // namespace Corvanta
