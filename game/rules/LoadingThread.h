#pragma once
// LoadingThread: content loaded beside the main loop, with its failure
// handed back to the main thread.
//
// The game reads its text table, resources and rules files on a second
// thread while the main thread draws the loading screen. An exception thrown
// there must not end the process on the wrong thread, nor be lost with the
// loading screen waiting forever: the thread keeps it, reports itself
// finished, and the main thread, once it sees the flag, rethrows it from
// RethrowFailure, so the application's outer handler reports it with its
// trace like any other start-up failure.

#include <atomic>
#include <exception>
#include <functional>
#include <thread>

namespace Corvanta {

class LoadingThread {
public:
  LoadingThread() = default;
  LoadingThread(const LoadingThread&) = delete;
  LoadingThread& operator=(const LoadingThread&) = delete;
  // Waits for the work: the thread must not outlive what it fills.
  ~LoadingThread();

  // Runs work on a new thread; a previous work must have finished.
  void Start(std::function<void()> work);

  // Set once the work has returned or thrown; what it wrote is visible to the
  // thread that saw true here.
  bool IsFinished() const { return Finished.load(std::memory_order_acquire); }
  bool HasFailed() const { return IsFinished() && Failure != nullptr; }

  // Blocks until the work is done.
  void Join();

  // On the main thread, once finished: throws what the work threw (nothing
  // when it succeeded). The failure is handed over once.
  void RethrowFailure();

private:
  std::thread Thread;
  std::atomic<bool> Finished{false};
  std::exception_ptr Failure;
};

}  // namespace Corvanta
