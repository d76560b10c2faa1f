// Making the whole data folder from scratch with every generator run of the
// build, two at a time (the machine has two cores): the time a fresh build
// spends on content.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

std::vector<std::string> GeneratorCommands(const std::string& folder) {
  std::ifstream in(CORVANTA_DATA_MANIFEST);
  std::vector<std::string> commands;
  for (std::string line; std::getline(in, line);) {
    if (line.empty()) continue;
    std::string command;
    std::stringstream fields(line);
    for (std::string field; std::getline(fields, field, '\t');) {
      if (field == "@DATA@") field = folder;
      command += "'" + field + "' ";
    }
    commands.push_back(command + "> /dev/null");
  }
  return commands;
}

void GenerateDataFolder(benchmark::State& state) {
  std::string folder = (std::filesystem::temp_directory_path() / "corvanta-bench-data/").string();
  std::vector<std::string> commands = GeneratorCommands(folder);
  for (auto _ : state) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::atomic<size_t> next{0};
    std::atomic<int> failures{0};
    auto worker = [&] {
      for (size_t i; (i = next++) < commands.size();)
        if (std::system(commands[i].c_str()) != 0) ++failures;
    };
    std::thread a(worker), b(worker);
    a.join();
    b.join();
    if (failures > 0) state.SkipWithError("a generator failed");
  }
  state.counters["generator runs"] = static_cast<double>(commands.size());
  std::filesystem::remove_all(folder);
}

}  // namespace

BENCHMARK(GenerateDataFolder)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
BENCHMARK_MAIN();
