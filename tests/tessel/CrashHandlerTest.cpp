#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <regex>
#include <string>
#include <vector>

#include "support/TempFolder.h"
#include "tessel/platform/posix/CrashHandler.h"

#if defined(__SANITIZE_ADDRESS__)
#define CORVANTA_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CORVANTA_SANITIZED 1
#endif
#endif

namespace {

// Faults on purpose, past the sanitizers' own checks.
volatile int Sink;

__attribute__((noinline, no_sanitize("undefined"))) void ReadAddressZero() {
  volatile int* volatile address = nullptr;
  Sink = *address;
}

__attribute__((noinline, no_sanitize("undefined"))) void DivideByZero() {
  volatile int zero = 0;
  Sink = 100 / zero;
}

__attribute__((noinline, no_sanitize("undefined"))) void WriteTo(uintptr_t at) {
  volatile int* volatile address = reinterpret_cast<int*>(at);
  *address = 1;
}

#pragma GCC diagnostic ignored "-Winfinite-recursion"
__attribute__((noinline)) int Recurse(int depth) {
  volatile char frame[1024];
  frame[0] = static_cast<char>(depth);
  return Recurse(depth + 1) + frame[0];
}

struct ChildResult {
  int Status = 0;
  std::string Report;
  std::string ReportName;
};

// Runs fault() in a child process with the crash handler installed and
// returns how it ended and the report it left.
template <typename Fault>
ChildResult CrashChild(Fault fault, bool withGraphics = false) {
  Testing::TempFolder folder;
  pid_t child = fork();
  if (child == 0) {
    Tessel::InstallCrashHandler(folder.Path().c_str());
    Tessel::SetCrashDesktopSize(1920, 1080);
    if (withGraphics) {
      Tessel::CrashGraphicsInfo info{"OpenGL 4.5 (Core Profile) Mesa 22.3.6", "llvmpipe", "Mesa", 8192, 8192, 8,
                                     0x0101, 0x0300};
      Tessel::SetCrashGraphicsInfo(&info);
    }
    fault();
    _exit(0);
  }
  ChildResult result;
  waitpid(child, &result.Status, 0);
  if (DIR* dir = opendir(folder.Path().c_str())) {
    while (dirent* entry = readdir(dir)) {
      std::string name = entry->d_name;
      if (name.rfind("Crash-", 0) == 0) {
        result.ReportName = name;
        result.Report = folder.Read(name);
      }
    }
    closedir(dir);
  }
  return result;
}

void ExpectDiedOf(int status, int signal) {
#ifdef CORVANTA_SANITIZED
  // The sanitizer's handler runs after ours and ends the process itself.
  EXPECT_TRUE(WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) != 0));
#else
  ASSERT_TRUE(WIFSIGNALED(status)) << "status " << status;
  EXPECT_EQ(WTERMSIG(status), signal);
#endif
}

}  // namespace

TEST(CrashHandler, ReadingAddressZeroIsAnAccessViolation) {
  ChildResult r = CrashChild([] { ReadAddressZero(); });
  ExpectDiedOf(r.Status, SIGSEGV);
  EXPECT_TRUE(std::regex_match(r.ReportName, std::regex(R"(Crash-\d{4}\.\d{1,2}\.\d{1,2}-\d{1,2}h\d{1,2}m\d{1,2}s\.log)")))
      << r.ReportName;
  EXPECT_TRUE(std::regex_search(r.Report, std::regex("^Unhandled exception at address 0x[0-9a-f]{8,16}: "
                                                     "Access violation: Thread attempted to read the data at "
                                                     "inaccessible address 0x00000000\\.\n")))
      << r.Report;
  EXPECT_NE(r.Report.find("\nContext:\n    Rdi=0x"), std::string::npos);
  EXPECT_TRUE(std::regex_search(r.Report, std::regex("\n    Rip=0x[0-9a-f]+ Rbp=0x[0-9a-f]+ SegCs=0x[0-9a-f]{8}\n"
                                                     "    EFlags=0x[0-9a-f]+ Rsp=0x[0-9a-f]+ SegSs=0x[0-9a-f]{8}\n")));
  EXPECT_TRUE(std::regex_search(r.Report, std::regex("\nModules:\n(.*\n)*\\s*libc\\.so\\.6: 0x[0-9a-f]+ - 0x[0-9a-f]+ "
                                                     "'/[^']*libc\\.so\\.6'\n")))
      << r.Report;
  EXPECT_NE(r.Report.find("\nSystem information:\n    Processor architecture : AMD64\n    Number of processors   : "),
            std::string::npos);
  EXPECT_TRUE(std::regex_search(r.Report, std::regex("    OS version             : Linux [^\n]+\n")));
  EXPECT_NE(r.Report.find("    Desktop resolution     : 1920 x 1080\n\nGraphics: information unavailable\n"),
            std::string::npos);
}

TEST(CrashHandler, WritingNamesTheWriteAndTheAddress) {
  ChildResult r = CrashChild([] { WriteTo(0x10); }, true);
  ExpectDiedOf(r.Status, SIGSEGV);
  EXPECT_NE(r.Report.find("Access violation: Thread attempted to write to an inaccessible address 0x00000010.\n"),
            std::string::npos)
      << r.Report;
  EXPECT_NE(r.Report.find("\nGraphics:\n    API     : OpenGL 4.5 (Core Profile) Mesa 22.3.6\n    Adapter : llvmpipe\n"
                          "    Driver  : Mesa\n    Max texture dimensions    : 8192 x 8192\n"
                          "    Max simultaneous textures : 8\n    Max pixel shader version  : 1.1\n"
                          "    Max vertex shader version : 3.0\n"),
            std::string::npos)
      << r.Report;
}

TEST(CrashHandler, IntegerDivisionByZero) {
  ChildResult r = CrashChild([] { DivideByZero(); });
  ExpectDiedOf(r.Status, SIGFPE);
  EXPECT_NE(r.Report.find(": Integer divide by zero.\n\nContext:\n"), std::string::npos) << r.Report;
}

TEST(CrashHandler, StackOverflowIsCaughtOnTheAlternateStack) {
  ChildResult r = CrashChild([] { Recurse(0); });
  ExpectDiedOf(r.Status, SIGSEGV);
  EXPECT_NE(r.Report.find(": Stack overflow.\n\nContext:\n"), std::string::npos) << r.Report.substr(0, 300);
}

TEST(CrashHandler, OtherSignalsLeaveNoReport) {
  ChildResult r = CrashChild([] { raise(SIGABRT); });
  ASSERT_TRUE(WIFSIGNALED(r.Status));
  EXPECT_EQ(WTERMSIG(r.Status), SIGABRT);
  EXPECT_TRUE(r.Report.empty());
}
