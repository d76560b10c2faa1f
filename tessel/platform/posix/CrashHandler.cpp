#include "tessel/platform/posix/CrashHandler.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/utsname.h>
#include <ucontext.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "tessel/platform/posix/SignalSafeWriter.h"

namespace Tessel {

namespace {

// The fault kinds of the report, by their Windows exception codes.
constexpr uint32_t CodeAccessViolation = 0xC0000005;
constexpr uint32_t CodeInPageError = 0xC0000006;
constexpr uint32_t CodeFloatDivideByZero = 0xC000008E;
constexpr uint32_t CodeIntegerDivideByZero = 0xC0000094;
constexpr uint32_t CodeStackOverflow = 0xC00000FD;
constexpr uint32_t CodeNotReported = 0;

constexpr int HandledSignals[] = {SIGSEGV, SIGBUS, SIGFPE};
constexpr size_t AlternateStackSize = 64 * 1024;

struct FaultRecord {
  uint32_t Code = CodeNotReported;
  uint64_t Address = 0;  // the faulting instruction
  int NumParameters = 0;
  uint64_t Parameters[2] = {};
};

// Gathered before any fault: a handler can only copy them out.
struct CrashState {
  char Folder[4096];
  char Architecture[128];
  long NumProcessors;
  char OsVersion[512];
  std::atomic<int> DesktopWidth{0}, DesktopHeight{0};
  char GraphicsText[2048];
  std::atomic<bool> HasGraphics{false};
  struct sigaction Previous[3];
  std::atomic<bool> Installed{false};
  std::atomic<bool> InHandler{false};
  char MapsBuffer[256 * 1024];
};

CrashState& State() {
  static CrashState state;
  return state;
}

void CopyText(char* to, size_t size, const char* from) {
  size_t n = from ? strnlen(from, size - 1) : 0;
  std::memcpy(to, from, n);
  to[n] = '\0';
}

// The distribution's name from os-release, e.g. "Debian GNU/Linux 12 (bookworm)".
void ReadDistribution(char* out, size_t size) {
  out[0] = '\0';
  std::FILE* file = std::fopen("/etc/os-release", "r");
  if (!file) return;
  char line[512];
  while (std::fgets(line, sizeof line, file)) {
    if (std::strncmp(line, "PRETTY_NAME=", 12) != 0) continue;
    char* value = line + 12;
    size_t n = std::strcspn(value, "\r\n");
    value[n] = '\0';
    if (*value == '"' || *value == '\'') {
      ++value;
      n = std::strlen(value);
      if (n > 0 && (value[n - 1] == '"' || value[n - 1] == '\'')) value[n - 1] = '\0';
    }
    CopyText(out, size, value);
    break;
  }
  std::fclose(file);
}

void GatherSystemInformation(CrashState& s) {
  struct utsname names;
  if (uname(&names) == 0) {
    if (std::strcmp(names.machine, "x86_64") == 0) {
      CopyText(s.Architecture, sizeof s.Architecture, "AMD64");
    } else if (std::strcmp(names.machine, "i386") == 0 || std::strcmp(names.machine, "i686") == 0) {
      CopyText(s.Architecture, sizeof s.Architecture, "Intel");
    } else if (std::strcmp(names.machine, "ia64") == 0) {
      CopyText(s.Architecture, sizeof s.Architecture, "IA64");
    } else {
      std::snprintf(s.Architecture, sizeof s.Architecture, "Unknown (%s)", names.machine);
    }
    char distribution[200];
    ReadDistribution(distribution, sizeof distribution);
    if (distribution[0]) {
      std::snprintf(s.OsVersion, sizeof s.OsVersion, "%s %s %s, %s\n", names.sysname, names.release, names.machine,
                    distribution);
    } else {
      std::snprintf(s.OsVersion, sizeof s.OsVersion, "%s %s %s\n", names.sysname, names.release, names.machine);
    }
  } else {
    CopyText(s.Architecture, sizeof s.Architecture, "Unknown (0xffff)");
    CopyText(s.OsVersion, sizeof s.OsVersion, "information unavailable\n");
  }
  s.NumProcessors = sysconf(_SC_NPROCESSORS_ONLN);
  if (s.NumProcessors < 1) s.NumProcessors = 1;
}

// A fault far from the stack pointer is an access violation; one just below
// it (the guard page of a stack that ran out) is a stack overflow.
bool LooksLikeStackOverflow(uint64_t faultAddress, uint64_t stackPointer) {
  constexpr uint64_t Window = 256 * 1024;
  return faultAddress + Window >= stackPointer && faultAddress <= stackPointer + Window;
}

FaultRecord DescribeFault(int signal, const siginfo_t* info, const ucontext_t* context) {
  FaultRecord record;
  const auto& regs = context->uc_mcontext.gregs;
  record.Address = static_cast<uint64_t>(regs[REG_RIP]);
  uint64_t faultAddress = reinterpret_cast<uint64_t>(info->si_addr);
  // The page-fault error code: bit 1 a write, bit 4 an instruction fetch.
  uint64_t error = static_cast<uint64_t>(regs[REG_ERR]);
  uint64_t readWrite = (error & 0x10) ? 8 : (error & 0x2) ? 1 : 0;
  switch (signal) {
    case SIGSEGV:
      if (info->si_code == SEGV_MAPERR && LooksLikeStackOverflow(faultAddress, regs[REG_RSP])) {
        record.Code = CodeStackOverflow;
      } else {
        record.Code = CodeAccessViolation;
        record.NumParameters = 2;
        record.Parameters[0] = readWrite;
        record.Parameters[1] = faultAddress;
      }
      break;
    case SIGBUS:
      record.Code = CodeInPageError;
      record.NumParameters = 2;
      record.Parameters[0] = readWrite;
      record.Parameters[1] = faultAddress;
      break;
    case SIGFPE:
      if (info->si_code == FPE_INTDIV) record.Code = CodeIntegerDivideByZero;
      if (info->si_code == FPE_FLTDIV) record.Code = CodeFloatDivideByZero;
      break;
  }
  return record;
}

void WriteFault(SignalSafeWriter& out, const FaultRecord& record) {
  out.Text("Unhandled exception at address 0x").Hex(record.Address).Text(": ");
  if (record.Code == CodeAccessViolation) {
    out.Text("Access violation: ");
    if (record.Parameters[0] == 0) {
      out.Text("Thread attempted to read the data at");
    } else if (record.Parameters[0] == 1) {
      out.Text("Thread attempted to write to an");
    } else {
      out.Text("Thread attempted to do read/write operation at");
    }
    out.Text(" inaccessible address 0x").Hex(record.Parameters[1]).Text(".\n");
    return;
  }
  switch (record.Code) {
    case CodeInPageError: out.Text("In page error.\n"); break;
    case CodeFloatDivideByZero: out.Text("Float divide by zero.\n"); break;
    case CodeIntegerDivideByZero: out.Text("Integer divide by zero.\n"); break;
    case CodeStackOverflow: out.Text("Stack overflow.\n"); break;
    default: out.Text("Unknown error with code '").Unsigned(record.Code).Text("'.\n"); break;
  }
  if (record.NumParameters > 0) {
    out.Text("    Additional parameters:");
    for (int i = 0; i < record.NumParameters; ++i) out.Text(" ").Signed(i).Text("=0x").Hex(record.Parameters[i]);
    out.Text("\n");
  }
}

void WriteRegisters(SignalSafeWriter& out, const ucontext_t* context) {
  const auto& r = context->uc_mcontext.gregs;
  // cs, gs, fs and (on kernels that save it) ss share one word.
  uint64_t segments = static_cast<uint64_t>(r[REG_CSGSFS]);
  auto reg = [&](const char* name, uint64_t value) -> SignalSafeWriter& {
    return out.Text(name).Text("=0x").Hex(value);
  };
  out.Text("\nContext:\n    ");
  reg("Rdi", r[REG_RDI]).Text(" ");
  reg("Rsi", r[REG_RSI]).Text(" ");
  reg("Rax", r[REG_RAX]).Text("\n    ");
  reg("Rbx", r[REG_RBX]).Text(" ");
  reg("Rcx", r[REG_RCX]).Text(" ");
  reg("Rdx", r[REG_RDX]).Text("\n    ");
  reg("Rip", r[REG_RIP]).Text(" ");
  reg("Rbp", r[REG_RBP]).Text(" ");
  reg("SegCs", segments & 0xFFFF).Text("\n    ");
  reg("EFlags", r[REG_EFL]).Text(" ");
  reg("Rsp", r[REG_RSP]).Text(" ");
  reg("SegSs", (segments >> 48) & 0xFFFF).Text("\n    ");
  reg("R8", r[REG_R8]).Text(" ");
  reg("R9", r[REG_R9]).Text(" ");
  reg("R10", r[REG_R10]).Text("\n    ");
  reg("R11", r[REG_R11]).Text(" ");
  reg("R12", r[REG_R12]).Text(" ");
  reg("R13", r[REG_R13]).Text("\n    ");
  reg("R14", r[REG_R14]).Text(" ");
  reg("R15", r[REG_R15]).Text("\n");
}

uint64_t ParseHex(const char*& p, const char* end) {
  uint64_t value = 0;
  for (; p < end; ++p) {
    char c = *p;
    int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    if (digit < 0) break;
    value = value * 16 + static_cast<uint64_t>(digit);
  }
  return value;
}

// Prints one module, its first mapping's start to its last mapping's end.
void WriteModule(SignalSafeWriter& out, const char* path, size_t pathLength, uint64_t base, uint64_t end) {
  char full[1024];
  size_t n = pathLength < sizeof full - 1 ? pathLength : sizeof full - 1;
  std::memcpy(full, path, n);
  full[n] = '\0';
  const char* name = full;
  for (const char* p = full; *p; ++p)
    if (*p == '/') name = p + 1;
  out.RightAligned(name, 16).Text(": 0x").Hex(base).Text(" - 0x").Hex(end).Text(" '").Text(full).Text("'\n");
}

// The loaded shared objects, read from /proc/self/maps.
void WriteModules(SignalSafeWriter& out, CrashState& s) {
  int fd = open("/proc/self/maps", O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    out.Text("\nFailed to enumerate process modules.\n");
    return;
  }
  size_t used = 0;
  for (;;) {
    ssize_t n = read(fd, s.MapsBuffer + used, sizeof s.MapsBuffer - used);
    if (n <= 0) break;
    used += static_cast<size_t>(n);
    if (used == sizeof s.MapsBuffer) break;
  }
  close(fd);
  out.Text("\nModules:\n");
  const char* current = nullptr;
  size_t currentLength = 0;
  uint64_t base = 0, top = 0;
  const char* p = s.MapsBuffer;
  const char* end = s.MapsBuffer + used;
  while (p < end) {
    const char* lineEnd = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
    if (!lineEnd) lineEnd = end;
    const char* q = p;
    uint64_t start = ParseHex(q, lineEnd);
    if (q < lineEnd && *q == '-') ++q;
    uint64_t stop = ParseHex(q, lineEnd);
    const char* path = static_cast<const char*>(std::memchr(q, '/', static_cast<size_t>(lineEnd - q)));
    if (path) {
      size_t length = static_cast<size_t>(lineEnd - path);
      if (current && length == currentLength && std::memcmp(path, current, length) == 0) {
        top = stop;
      } else {
        if (current) WriteModule(out, current, currentLength, base, top);
        current = path;
        currentLength = length;
        base = start;
        top = stop;
      }
    }
    p = lineEnd + 1;
  }
  if (current) WriteModule(out, current, currentLength, base, top);
}

void WriteSystem(SignalSafeWriter& out, CrashState& s) {
  out.Text("\nSystem information:\n    Processor architecture : ").Text(s.Architecture);
  out.Text("\n    Number of processors   : ").Unsigned(static_cast<uint64_t>(s.NumProcessors)).Text("\n");
  out.Text("    OS version             : ").Text(s.OsVersion);
  out.Text("    Desktop resolution     : ").Signed(s.DesktopWidth.load()).Text(" x ").Signed(s.DesktopHeight.load());
  out.Text("\n");
  out.Text("\nGraphics:");
  if (s.HasGraphics.load()) {
    out.Text(s.GraphicsText);
  } else {
    out.Text(" information unavailable\n");
  }
}

// Civil date from days since 1970-01-01 (gmtime may lock).
void CivilFromDays(int64_t days, int& year, int& month, int& day) {
  days += 719468;
  int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  int64_t dayOfEra = days - era * 146097;
  int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

int OpenReport(CrashState& s) {
  int64_t now = static_cast<int64_t>(time(nullptr));
  int64_t days = now >= 0 ? now / 86400 : (now - 86399) / 86400;
  int64_t seconds = now - days * 86400;
  int year, month, day;
  CivilFromDays(days, year, month, day);
  char name[4200];
  size_t used = 0;
  auto append = [&](const char* text) {
    while (*text && used < sizeof name - 1) name[used++] = *text++;
  };
  auto number = [&](int64_t value) {
    char digits[24];
    int n = 0;
    do {
      digits[n++] = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value);
    while (n > 0 && used < sizeof name - 1) name[used++] = digits[--n];
  };
  append(s.Folder);
  append("Crash-");
  number(year), append("."), number(month), append("."), number(day), append("-");
  number(seconds / 3600), append("h"), number(seconds / 60 % 60), append("m"), number(seconds % 60), append("s.log");
  name[used] = '\0';
  return open(name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
}

int SignalIndex(int signal) {
  for (int i = 0; i < 3; ++i)
    if (HandledSignals[i] == signal) return i;
  return 0;
}

// Runs the handler that was installed before ours; the default one kills the
// process with the same signal.
void PassOn(int signal, siginfo_t* info, void* context) {
  const struct sigaction& previous = State().Previous[SignalIndex(signal)];
  if ((previous.sa_flags & SA_SIGINFO) && previous.sa_sigaction) {
    previous.sa_sigaction(signal, info, context);
    return;
  }
  if (previous.sa_handler != SIG_DFL && previous.sa_handler != SIG_IGN) {
    previous.sa_handler(signal);
    return;
  }
  struct sigaction fallback;
  std::memset(&fallback, 0, sizeof fallback);
  fallback.sa_handler = SIG_DFL;
  sigaction(signal, &fallback, nullptr);
  // Delivered when the handler returns; a fault would recur anyway.
  raise(signal);
}

void OnFault(int signal, siginfo_t* info, void* rawContext) {
  CrashState& s = State();
  const ucontext_t* context = static_cast<const ucontext_t*>(rawContext);
  if (!s.InHandler.exchange(true)) {
    FaultRecord record = DescribeFault(signal, info, context);
    if (record.Code != CodeNotReported) {
      int fd = OpenReport(s);
      if (fd >= 0) {
        {
          SignalSafeWriter out(fd);
          WriteFault(out, record);
          WriteRegisters(out, context);
          WriteModules(out, s);
          WriteSystem(out, s);
        }
        close(fd);
      }
    }
  }
  PassOn(signal, info, rawContext);
}

}  // namespace

void PrepareThreadForCrashReports() {
  stack_t current;
  if (sigaltstack(nullptr, &current) == 0 && !(current.ss_flags & SS_DISABLE) && current.ss_size >= AlternateStackSize)
    return;
  void* memory = mmap(nullptr, AlternateStackSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (memory == MAP_FAILED) return;
  stack_t stack;
  stack.ss_sp = memory;
  stack.ss_size = AlternateStackSize;
  stack.ss_flags = 0;
  sigaltstack(&stack, nullptr);
}

void InstallCrashHandler(const char* folder) {
  CrashState& s = State();
  CopyText(s.Folder, sizeof s.Folder, folder);
  if (s.Installed.exchange(true)) return;
  GatherSystemInformation(s);
  PrepareThreadForCrashReports();
  for (int i = 0; i < 3; ++i) {
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_sigaction = OnFault;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    sigaction(HandledSignals[i], &action, &s.Previous[i]);
  }
}

void SetCrashDesktopSize(int width, int height) {
  State().DesktopWidth = width;
  State().DesktopHeight = height;
}

void SetCrashGraphicsInfo(const CrashGraphicsInfo* info) {
  CrashState& s = State();
  if (!info) {
    s.HasGraphics = false;
    return;
  }
  s.HasGraphics = false;
  std::snprintf(s.GraphicsText, sizeof s.GraphicsText,
                "\n    API     : %s\n    Adapter : %s\n    Driver  : %s\n"
                "    Max texture dimensions    : %i x %i\n    Max simultaneous textures : %i\n"
                "    Max pixel shader version  : %u.%u\n    Max vertex shader version : %u.%u\n",
                info->Api ? info->Api : "", info->Adapter ? info->Adapter : "", info->Driver ? info->Driver : "",
                info->MaxTextureWidth, info->MaxTextureHeight, info->MaxSimultaneousTextures,
                (info->PixelShaderVersion >> 8) & 0xFF, info->PixelShaderVersion & 0xFF,
                (info->VertexShaderVersion >> 8) & 0xFF, info->VertexShaderVersion & 0xFF);
  s.HasGraphics = true;
}

}  // namespace Tessel
