#pragma once
// CsvReader: the reader of the text table. The encoding comes from the
// byte-order mark (UTF-16 either way, UTF-8); a file without one is
// Windows-1251. Cells may be quoted; inside quotes commas and line feeds are
// part of the cell and a doubled quote is one quote; "" is an empty cell.

#include <string>

#include "tessel/Array.h"
#include "tessel/Strings.h"
#include "tessel/WideText.h"

namespace Tessel {

class CsvReader {
public:
  explicit CsvReader(const String& path);
  static CsvReader FromBytes(std::string bytes);

  // The next row's cells; false when the file could not be opened or its end
  // was reached before the row.
  bool ReadRow(Array<WideString>& row);
  bool IsOpen() const { return Opened; }

private:
  CsvReader() = default;
  bool Open();
  void Decode(const std::string& bytes);

  String Path;
  std::string MemoryBytes;
  bool FromMemory = false;
  bool Tried = false;
  bool Opened = false;
  bool AtEnd = false;
  std::u16string Text;
  size_t Position = 0;
  WideString Field;
};

}  // namespace Tessel
