// Arbitrary bytes as profiles.xml and as records.xml: loading must repair or
// drop what is wrong without crashing, and what it kept must save and load
// back to the same file (so nothing a player has is lost on the next start).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "game/rules/Balance.h"
#include "game/shell/GameRecords.h"
#include "game/shell/PlayerProfiles.h"

namespace {

using namespace Corvanta;

const std::string& Folder() {
  static const std::string folder = [] {
    std::string path = (std::filesystem::temp_directory_path() / ("corvanta-fuzz-" + std::to_string(getpid()) + "/")).string();
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

void Write(const std::string& name, const std::string& bytes) {
  std::ofstream(Folder() + name, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Read(const std::string& name) {
  std::ifstream in(Folder() + name, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

const LevelLists& Lists() {
  static const LevelLists lists = [] {
    LevelLists l;
    l.Career.Add(Tessel::String("Meadowbrook"));
    l.Career.Add(Tessel::String("Harbourside"));
    l.Sandbox.Add(Tessel::String("Greenfield"));
    return l;
  }();
  return lists;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::filesystem::remove_all(Folder());
  std::filesystem::create_directories(Folder());
  std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  Tessel::String folder(Folder().c_str());
  if (data[0] & 1) {
    Write("profiles.xml", bytes);
    PlayerProfiles profiles;
    profiles.Load(folder, &Lists());
    if (!profiles.Save(folder)) std::abort();
    std::string first = Read("profiles.xml");
    PlayerProfiles again;
    again.Load(folder, &Lists());
    if (again.GetCount() != profiles.GetCount()) std::abort();
    if (!again.Save(folder) || Read("profiles.xml") != first) std::abort();
  } else {
    Write("records.xml", bytes);
    GameRecords records;
    TopResultDefaults defaults = TopResultDefaults::From(Balance());
    records.Load(folder, Lists(), defaults);
    if (!records.Save(folder, Lists())) std::abort();
    std::string first = Read("records.xml");
    GameRecords again;
    again.Load(folder, Lists(), defaults);
    if (!again.Save(folder, Lists()) || Read("records.xml") != first) std::abort();
  }
  return 0;
}
