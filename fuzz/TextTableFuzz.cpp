// Arbitrary bytes as Text.csv: rows must come to an end, and loading the
// table from them must look texts up safely.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tessel/text/CsvReader.h"
#include "tessel/text/LocalizedText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  Tessel::CsvReader csv = Tessel::CsvReader::FromBytes(bytes);
  Tessel::Array<Tessel::WideString> row;
  size_t cells = 0;
  while (csv.ReadRow(row)) {
    cells += static_cast<size_t>(row.GetSize());
    for (const Tessel::WideString& cell : row) (void)Tessel::UnescapeText(cell);
    if (cells > size + 2) __builtin_trap();  // every cell consumes input, but one
  }
  return 0;
}
