#include "game/rules/LevelPaths.h"

#include <sys/stat.h>

#include <string>

#include "game/rules/NameCompare.h"

namespace Corvanta {

using namespace Tessel;

namespace {

// The path without a final ".xml" in any case.
std::string_view WithoutXmlExtension(std::string_view path) {
  if (path.size() >= 4 && EqualsNoCase(path.substr(path.size() - 4), ".xml")) path.remove_suffix(4);
  return path;
}

}  // namespace

String GetLevelFilePath(const String& levelName) { return String("data/levels/") + levelName + ".xml"; }

String ToContentPath(const String& path) {
  std::string text(path.View());
  for (char& c : text)
    if (c == '\\') c = '/';
  return String(text);
}

String GetLevelScriptPath(const String& levelFilePath) {
  std::string text(WithoutXmlExtension(ToContentPath(levelFilePath).View()));
  return String(text + ".script.xml");
}

String GetLevelNameFromPath(const String& levelFilePath) {
  String path = ToContentPath(levelFilePath);
  std::string_view name = WithoutXmlExtension(path.View());
  size_t slash = name.rfind('/');
  if (slash != std::string_view::npos) name.remove_prefix(slash + 1);
  return String(name);
}

bool ContentFileExists(const String& path) {
  struct stat info;
  return stat(ToContentPath(path).CStr(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace Corvanta
