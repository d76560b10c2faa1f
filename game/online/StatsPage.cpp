#include "game/online/StatsPage.h"

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "game/online/StatsScript.h"
#include "game/online/StatsSession.h"
#include "tessel/Log.h"
#include "tessel/app/ShellOpener.h"

namespace Corvanta {

using namespace Tessel;
namespace fs = std::filesystem;

namespace {

bool IsRegularFile(const String& path) {
  struct stat info;
  return stat(path.CStr(), &info) == 0 && S_ISREG(info.st_mode);
}

// The page's files, copied when the user's copy has no page (a copy that an
// earlier run could not finish is completed; files already there are replaced).
void CopyPageFiles(const String& from, const String& to) {
  if (IsRegularFile(to + StatsPage::PageName)) return;
  std::error_code error;
  fs::create_directories(to.CStr(), error);
  fs::copy(from.CStr(), to.CStr(), fs::copy_options::recursive | fs::copy_options::overwrite_existing, error);
  if (error) PrintLog("error: cannot copy the statistics page from '%s': %s\n", from, error.message());
}

bool ReadWholeFile(const String& path, std::string& bytes) {
  if (!IsRegularFile(path)) return false;
  std::FILE* file = std::fopen(path.CStr(), "rbe");
  if (!file) return false;
  char chunk[65536];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, n);
  bool ok = !std::ferror(file);
  std::fclose(file);
  return ok;
}

// Beside the target first, then renamed over it: the page never reads half a script.
bool WriteWholeFile(const String& path, const std::string& bytes) {
  String temporary = path + ".tmp";
  std::FILE* file = std::fopen(temporary.CStr(), "wbe");
  if (!file) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fclose(file) == 0 && ok;
  ok = ok && std::rename(temporary.CStr(), path.CStr()) == 0;
  if (!ok) std::remove(temporary.CStr());
  return ok;
}

}  // namespace

StatsPage::StatsPage(ShellOpener& opener) : Opener(opener) {}

bool StatsPage::Build(const String& userFolder, const String& gameFolder) {
  String pageFolder = userFolder + FolderName + "/";
  CopyPageFiles(gameFolder + FolderName, pageFolder);

  std::string stats;
  if (!ReadWholeFile(userFolder + StatsSession::FileName, stats) || stats.empty()) return false;

  std::error_code error;
  fs::create_directories(pageFolder.CStr(), error);
  String script = pageFolder + ScriptName;
  if (!WriteWholeFile(script, MakeStatsScript(stats))) {
    PrintLog("error: cannot write '%s'\n", script);
    return false;
  }
  return Opener.Open(FileAddressOf(pageFolder + PageName));
}

}  // namespace Corvanta
