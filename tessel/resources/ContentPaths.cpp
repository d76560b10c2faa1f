#include "tessel/resources/ContentPaths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <mutex>
#include <unordered_map>

namespace Tessel {

namespace {

std::string Lower(const std::string& text) {
  std::string lower = text;
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return lower;
}

bool IsRegularFile(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

struct Listings {
  std::mutex Lock;
  // folder -> (lower-case name -> name as on disk)
  std::unordered_map<std::string, std::unordered_map<std::string, std::string>> Folders;

  const std::unordered_map<std::string, std::string>& Of(const std::string& folder) {
    auto found = Folders.find(folder);
    if (found != Folders.end()) return found->second;
    auto& entries = Folders[folder];
    if (DIR* dir = opendir(folder.empty() ? "." : folder.c_str())) {
      while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        entries.emplace(Lower(name), name);  // the first spelling wins when two differ only in case
      }
      closedir(dir);
    }
    return entries;
  }
};

Listings& TheListings() {
  static Listings listings;
  return listings;
}

}  // namespace

String ResolveContentPath(const String& path) {
  std::string wanted = path.CStr();
  for (char& c : wanted)
    if (c == '\\') c = '/';
  if (wanted.empty()) return String();
  if (IsRegularFile(wanted)) return String(wanted.c_str());

  Listings& listings = TheListings();
  std::lock_guard<std::mutex> guard(listings.Lock);
  std::string resolved;
  size_t start = 0;
  if (wanted[0] == '/') {
    resolved = "/";
    start = 1;
  }
  while (start <= wanted.size()) {
    size_t slash = wanted.find('/', start);
    std::string part = wanted.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
    start = slash == std::string::npos ? wanted.size() + 1 : slash + 1;
    if (part.empty() || part == ".") {
      if (part == "." && resolved.empty()) resolved = "./";
      continue;
    }
    if (part == "..") {
      resolved += "../";
      continue;
    }
    std::string folder = resolved.empty() ? "" : resolved.substr(0, resolved.size() - (resolved.size() > 1 ? 1 : 0));
    const auto& entries = listings.Of(folder.empty() ? "." : folder);
    auto found = entries.find(Lower(part));
    if (found == entries.end()) return String();
    resolved += found->second;
    if (start <= wanted.size()) resolved += '/';
  }
  return IsRegularFile(resolved) ? String(resolved.c_str()) : String();
}

bool ContentFileExists(const String& path) { return !ResolveContentPath(path).IsEmpty(); }

void ForgetContentListings() {
  Listings& listings = TheListings();
  std::lock_guard<std::mutex> guard(listings.Lock);
  listings.Folders.clear();
}

}  // namespace Tessel
