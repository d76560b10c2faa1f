#include "game/shell/UserFiles.h"

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>

#include "tessel/Log.h"

namespace Corvanta {

using namespace Tessel;

String BackupPathOf(const String& path) { return path + ".bak"; }

bool FileExists(const String& path) {
  struct stat info;
  return stat(path.CStr(), &info) == 0 && S_ISREG(info.st_mode);
}

bool MakeFolders(const String& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder.CStr(), error);
  return std::filesystem::is_directory(folder.CStr(), error);
}

void SetAsideUnreadable(const String& path) {
  String aside = path + ".unreadable";
  if (std::rename(path.CStr(), aside.CStr()) == 0) {
    PrintLog("error: '%s' cannot be read; it was kept as '%s'\n", path, aside);
  } else {
    PrintLog("error: '%s' cannot be read\n", path);
  }
}

void RemoveFolder(const String& folder) {
  std::error_code error;
  std::filesystem::remove_all(folder.CStr(), error);
}

}  // namespace Corvanta
