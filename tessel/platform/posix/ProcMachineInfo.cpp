#include "tessel/platform/posix/ProcMachineInfo.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace Tessel {

namespace {

// /proc files report a size of 0, so they are read until the end.
std::string ReadSmallFile(const String& path) {
  std::string text;
  std::FILE* file = std::fopen(path.CStr(), "rbe");
  if (!file) return text;
  char chunk[4096];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0 && text.size() < (1u << 20)) text.append(chunk, n);
  std::fclose(file);
  return text;
}

// The value after the ':' of the first line whose name (before the ':',
// without trailing blanks) is the given one.
std::optional<std::string_view> FindValue(std::string_view text, std::string_view name) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    size_t colon = line.find(':');
    if (colon != std::string_view::npos) {
      std::string_view key = line.substr(0, colon);
      while (!key.empty() && (key.back() == ' ' || key.back() == '\t')) key.remove_suffix(1);
      if (key == name) return line.substr(colon + 1);
    }
    start = end + 1;
  }
  return std::nullopt;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

}  // namespace

// Read by hand: strtod would follow the process locale's decimal point.
std::optional<int> ParseCpuInfoMhz(std::string_view cpuinfo) {
  std::optional<std::string_view> value = FindValue(cpuinfo, "cpu MHz");
  if (!value) return std::nullopt;
  std::string_view text = TrimBlanks(*value);
  int64_t whole = 0;
  size_t i = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    whole = whole * 10 + (text[i] - '0');
    if (whole > 1000000) return std::nullopt;
  }
  if (i == 0) return std::nullopt;
  // Halves round up, as whole MHz are reported.
  if (i + 1 < text.size() && text[i] == '.' && text[i + 1] >= '5' && text[i + 1] <= '9') ++whole;
  if (whole <= 0) return std::nullopt;
  return static_cast<int>(whole);
}

std::optional<uint64_t> ParseMemInfoTotalKb(std::string_view meminfo) {
  std::optional<std::string_view> value = FindValue(meminfo, "MemTotal");
  if (!value) return std::nullopt;
  std::string_view text = TrimBlanks(*value);
  uint64_t kb = 0;
  size_t i = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (kb > (UINT64_MAX - 9) / 10) return std::nullopt;
    kb = kb * 10 + static_cast<uint64_t>(text[i] - '0');
  }
  if (i == 0) return std::nullopt;
  return kb;
}

ProcMachineInfo::ProcMachineInfo(String procFolder, bool useSysconf)
    : ProcFolder(std::move(procFolder)), UseSysconf(useSysconf) {}

std::optional<int> ProcMachineInfo::GetProcessorMhz() const {
  return ParseCpuInfoMhz(ReadSmallFile(ProcFolder + "cpuinfo"));
}

uint32_t ProcMachineInfo::GetMemoryMb() const {
  uint64_t bytes = 0;
  if (UseSysconf) {
    long pages = sysconf(_SC_PHYS_PAGES);
    long pageSize = sysconf(_SC_PAGESIZE);
    if (pages > 0 && pageSize > 0) bytes = static_cast<uint64_t>(pages) * static_cast<uint64_t>(pageSize);
  }
  if (bytes == 0) {
    std::optional<uint64_t> kb = ParseMemInfoTotalKb(ReadSmallFile(ProcFolder + "meminfo"));
    if (kb && *kb <= (UINT64_MAX >> 10)) bytes = *kb << 10;
  }
  uint64_t mb = bytes >> 20;
  return mb > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(mb);
}

}  // namespace Tessel
