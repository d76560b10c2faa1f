#include "tessel/platform/posix/ProcMachineInfo.h"

#include <gtest/gtest.h>

#include <clocale>

#include "support/TempFolder.h"

using namespace Tessel;

TEST(ProcMachineInfo, ProcessorSpeedOfTheFirstProcessor) {
  struct Case {
    const char* CpuInfo;
    std::optional<int> Mhz;
  } cases[] = {
      {"processor\t: 0\nmodel name\t: X\ncpu MHz\t\t: 2394.454\n\nprocessor\t: 1\ncpu MHz\t\t: 3000.000\n", 2394},
      {"cpu MHz\t\t: 2399.500\n", 2400},
      {"cpu MHz : 800\n", 800},
      {"cpu MHz\t\t: 1999.999\r\n", 2000},
      {"processor\t: 0\nBogoMIPS\t: 48.00\n", std::nullopt},  // no speed listed (many ARM systems)
      {"cpu MHz\t\t: unknown\n", std::nullopt},
      {"cpu MHz\t\t: 0.000\n", std::nullopt},
      {"", std::nullopt},
      {"cpu MHz\t\t: 99999999999999999999\n", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseCpuInfoMhz(c.CpuInfo), c.Mhz) << c.CpuInfo;
}

TEST(ProcMachineInfo, TotalMemory) {
  struct Case {
    const char* MemInfo;
    std::optional<uint64_t> Kb;
  } cases[] = {
      {"MemTotal:       16303132 kB\nMemFree:         1000 kB\n", 16303132u},
      {"MemFree: 5 kB\nMemTotal: 8 kB\n", 8u},
      {"MemTotal: kB\n", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseMemInfoTotalKb(c.MemInfo), c.Kb) << c.MemInfo;
}

TEST(ProcMachineInfo, ReadsTheFilesOfTheFolderItIsGiven) {
  Testing::TempFolder folder;
  folder.Write("cpuinfo", "processor\t: 0\ncpu MHz\t\t: 3600.012\n");
  folder.Write("meminfo", "MemTotal:        8126464 kB\n");
  ProcMachineInfo machine(String(folder.Path().c_str()), false);
  EXPECT_EQ(machine.GetProcessorMhz(), 3600);
  EXPECT_EQ(machine.GetMemoryMb(), 7936u);  // 8126464 kB >> 10
}

TEST(ProcMachineInfo, MissingFilesGiveNoSpeedAndNoMemory) {
  ProcMachineInfo machine(String("/nonexistent/"), false);
  EXPECT_EQ(machine.GetProcessorMhz(), std::nullopt);
  EXPECT_EQ(machine.GetMemoryMb(), 0u);
}

TEST(ProcMachineInfo, ThisMachineHasMemory) {
  ProcMachineInfo machine;
  EXPECT_GT(machine.GetMemoryMb(), 0u);
}

// A locale with a decimal comma must not change what is read.
TEST(ProcMachineInfo, TheProcessLocaleDoesNotMatter) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  std::string saved = previous ? previous : "C";
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  EXPECT_EQ(ParseCpuInfoMhz("cpu MHz\t\t: 2399.700\n"), 2400);
  std::setlocale(LC_NUMERIC, saved.c_str());
}
