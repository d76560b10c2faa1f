#include "tessel/platform/posix/XdgOpener.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "tessel/Log.h"

extern char** environ;

namespace Tessel {

namespace {

// Waits for the child up to waitMs; false once it has ended with a failure.
bool DidNotFail(pid_t child, int waitMs, const String& program) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
  for (;;) {
    int status = 0;
    pid_t done = waitpid(child, &status, WNOHANG);
    if (done == child) {
      if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return true;
      if (WIFEXITED(status))
        PrintLog("error: %s ended with exit code %i\n", program, WEXITSTATUS(status));
      else
        PrintLog("error: %s ended with signal %i\n", program, WTERMSIG(status));
      return false;
    }
    // Children reaped elsewhere (SIGCHLD ignored) cannot be asked: they started.
    if (done < 0 && errno != EINTR) return true;
    if (std::chrono::steady_clock::now() >= deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  std::thread([child] {
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
  return true;
}

}  // namespace

XdgOpener::XdgOpener(String program, int failureWaitMs) : Program(std::move(program)), FailureWaitMs(failureWaitMs) {}

bool XdgOpener::Open(const String& address) {
  if (!IsOpenableAddress(address.View())) {
    PrintLog("error: '%s' is not an address to open\n", address);
    return false;
  }
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  if (posix_spawn_file_actions_init(&actions) != 0) return false;
  if (posix_spawnattr_init(&attributes) != 0) {
    posix_spawn_file_actions_destroy(&actions);
    return false;
  }
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  sigset_t none, defaults;
  sigemptyset(&none);
  sigfillset(&defaults);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

  char* argv[] = {const_cast<char*>(Program.CStr()), const_cast<char*>(address.CStr()), nullptr};
  pid_t child = 0;
  int error = posix_spawnp(&child, Program.CStr(), &actions, &attributes, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  if (error != 0) {
    PrintLog("error: cannot start %s: %s\n", Program, std::strerror(error));
    return false;
  }
  return DidNotFail(child, FailureWaitMs, Program);
}

}  // namespace Tessel
