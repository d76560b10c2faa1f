#pragma once
// A fresh folder under the system's temporary folder, removed with its
// contents when the test ends.

#include <string>

namespace Testing {

class TempFolder {
public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's path, ending in "/".
  const std::string& Path() const { return Folder; }
  std::string File(const std::string& name) const { return Folder + name; }
  void Write(const std::string& name, const std::string& bytes) const;
  std::string Read(const std::string& name) const;

private:
  std::string Folder;
};

// The whole file as bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace Testing
