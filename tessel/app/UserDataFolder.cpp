#include "tessel/app/UserDataFolder.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <string>

namespace Tessel {

String UserDataFolder("./");

static String WithSlash(const char* path) {
  String s(path);
  if (!s.IsEmpty() && s[s.GetLength() - 1] != '/') s += '/';
  return s;
}

String ComputeUserDataFolder(const String& companyName, const String& productName) {
  const char* overridden = std::getenv("TESSEL_USER_DATA_FOLDER");
  if (overridden && *overridden) return WithSlash(overridden);
  String base;
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  if (dataHome && *dataHome == '/')
    base = WithSlash(dataHome);
  else if (home && *home)
    base = WithSlash(home) + ".local/share/";
  else
    return String("./");
  return base + companyName + "/" + productName + "/";
}

bool CreateFolders(const String& path) {
  std::string p(path.CStr());
  for (size_t i = 1; i <= p.size(); ++i) {
    if (i == p.size() || p[i] == '/') {
      std::string part = p.substr(0, i);
      if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
  }
  struct stat info;
  return stat(p.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace Tessel
