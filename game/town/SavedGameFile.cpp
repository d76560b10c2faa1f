#include "game/town/SavedGameFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "game/town/Map.h"
#include "game/town/SaveStream.h"
#include "tessel/Exception.h"
#include "tessel/Log.h"

namespace Corvanta {

namespace {

// Far beyond the largest town (1000 x 1000 squares with a building on each).
constexpr std::streamoff MaxSavedGameBytes = 256 << 20;

}  // namespace

bool WriteSavedGameFile(const Map& map, const Tessel::String& path) {
  SaveWriter out;
  map.WriteSave(out);
  Tessel::String temporary = path + ".tmp";
  {
    std::ofstream file(temporary.CStr(), std::ios::binary | std::ios::trunc);
    file.write(out.Bytes.data(), static_cast<std::streamsize>(out.Bytes.size()));
    file.flush();
    if (!file) {
      file.close();
      std::remove(temporary.CStr());
      Tessel::PrintLog("error: the game could not be saved to '%s'\n", path);
      return false;
    }
  }
  // The previous save becomes the backup by a second name, so that the
  // rename below replaces the save in one step and there is always one.
  Tessel::String backup = path + ".bak";
  std::error_code error;
  if (std::filesystem::exists(path.CStr(), error)) {
    std::filesystem::remove(backup.CStr(), error);
    std::filesystem::create_hard_link(path.CStr(), backup.CStr(), error);
    if (error) std::filesystem::copy_file(path.CStr(), backup.CStr(), error);
    if (error) Tessel::PrintLog("warning: the previous save '%s' could not be kept as a backup\n", path);
  }
  if (std::rename(temporary.CStr(), path.CStr()) != 0) {
    std::remove(temporary.CStr());
    Tessel::PrintLog("error: the game could not be saved to '%s'\n", path);
    return false;
  }
  return true;
}

void ReadSavedGameFile(Map& map, const Tessel::String& path) {
  try {
    std::ifstream file(path.CStr(), std::ios::binary | std::ios::ate);
    if (!file) throw Tessel::Exception("Incorrect save file version.");
    std::streamoff size = file.tellg();
    if (size < 0 || size > MaxSavedGameBytes) throw SaveFormatException("Damaged save file: its size.");
    std::string bytes(static_cast<size_t>(size), '\0');
    file.seekg(0);
    file.read(bytes.data(), size);
    if (!file) throw Tessel::Exception("Incorrect save file version.");
    SaveReader in(bytes);
    map.ReadSave(in);
  }
  TESSEL_TRACE("ReadSavedGameFile")
}

}  // namespace Corvanta
