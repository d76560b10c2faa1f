#include "tessel/LogFile.h"

#include <cstdio>

namespace Tessel {

void LogFile::Open(const String& path, bool keep) {
  Path = path;
  if (Path.IsEmpty() || keep) return;
  if (std::FILE* file = std::fopen(Path.CStr(), "wb")) std::fclose(file);
}

void LogFile::Write(const String& text) {
  if (Path.IsEmpty() || text.IsEmpty()) return;
  // One fwrite in append mode: texts from two threads never mix inside a line.
  std::FILE* file = std::fopen(Path.CStr(), "ab");
  if (!file) return;
  std::fwrite(text.CStr(), 1, static_cast<size_t>(text.GetLength()), file);
  std::fclose(file);
}

}  // namespace Tessel
