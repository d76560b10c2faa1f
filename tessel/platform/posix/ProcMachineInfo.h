#pragma once
// ProcMachineInfo: MachineInfo from Linux's /proc and sysconf: the "cpu MHz"
// of the first processor in /proc/cpuinfo (rounded), and the physical pages
// times the page size (or "MemTotal" of /proc/meminfo when sysconf cannot
// tell).

#include <optional>
#include <string_view>

#include "tessel/Strings.h"
#include "tessel/app/MachineInfo.h"

namespace Tessel {

class ProcMachineInfo : public MachineInfo {
public:
  // The folder holding "cpuinfo" and "meminfo"; tests point it elsewhere.
  explicit ProcMachineInfo(String procFolder = String("/proc/"), bool useSysconf = true);

  std::optional<int> GetProcessorMhz() const override;
  uint32_t GetMemoryMb() const override;

private:
  String ProcFolder;
  bool UseSysconf;
};

// The "cpu MHz" value of the first processor listed, rounded to whole MHz.
std::optional<int> ParseCpuInfoMhz(std::string_view cpuinfo);
// "MemTotal" in kilobytes; none when the line is missing.
std::optional<uint64_t> ParseMemInfoTotalKb(std::string_view meminfo);

}  // namespace Tessel
