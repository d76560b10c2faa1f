#include "tessel/text/CsvReader.h"

#include <cstdio>

#include "tessel/xml/TextEncoding.h"

namespace Tessel {

CsvReader::CsvReader(const String& path) : Path(path) {}

CsvReader CsvReader::FromBytes(std::string bytes) {
  CsvReader reader;
  reader.MemoryBytes = std::move(bytes);
  reader.FromMemory = true;
  return reader;
}

bool CsvReader::Open() {
  Tried = true;
  if (FromMemory) {
    Decode(MemoryBytes);
    MemoryBytes.clear();
    return Opened = true;
  }
  std::FILE* file = Path.IsEmpty() ? nullptr : std::fopen(Path.CStr(), "rb");
  if (!file) return false;
  std::string bytes;
  char chunk[65536];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, n);
  bool failed = std::ferror(file);
  std::fclose(file);
  if (failed) return false;
  Decode(bytes);
  return Opened = true;
}

void CsvReader::Decode(const std::string& bytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
  std::string_view rest(bytes);
  TextEncoding encoding = ENCODING_Windows1251;
  if (bytes.size() >= 2 && b[0] == 0xFF && b[1] == 0xFE) {
    encoding = ENCODING_Utf16LE;
    rest.remove_prefix(2);
  } else if (bytes.size() >= 2 && b[0] == 0xFE && b[1] == 0xFF) {
    encoding = ENCODING_Utf16BE;
    rest.remove_prefix(2);
  } else if (bytes.size() >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) {
    encoding = ENCODING_Utf8;
    rest.remove_prefix(3);
  }
  Text = DecodeText(encoding, rest);
}

bool CsvReader::ReadRow(Array<WideString>& row) {
  if (!Tried) Open();
  if (!Opened || AtEnd) return false;
  row.Clear();
  bool quoted = false, pendingReturn = false, endOfRow = false;
  while (!endOfRow) {
    bool pendingQuote = false, endOfField = false;
    Field.clear();
    for (;;) {
      char16_t c = 0;
      bool appendCharacter = true;
      if (Position >= Text.size()) {
        AtEnd = true;
        endOfRow = endOfField = true;
        appendCharacter = false;
      } else {
        c = Text[Position++];
        if (c == '"') {
          if (!pendingQuote) {
            // The opening quote of a field, or a quote that may be the first
            // of a doubled pair or the closing one.
            if (!quoted && Field.empty()) {
              quoted = true;
            } else {
              pendingQuote = true;
            }
            continue;
          }
          pendingQuote = false;  // a doubled quote is one quote
        } else if (c == ',') {
          if (!quoted || pendingQuote) endOfField = true;
        } else if (c == '\r') {
          pendingReturn = true;
          continue;
        } else if (c == '\n') {
          pendingReturn = false;
          if (!quoted || pendingQuote) {
            endOfRow = true;
            break;
          }
          Field.push_back(c);
          continue;
        }
      }
      if (pendingReturn) {
        Field.push_back('\r');
        pendingReturn = false;
      }
      if (endOfField) break;
      if (appendCharacter) Field.push_back(c);
    }
    row.Add(Field);
    quoted = false;
  }
  return true;
}

}  // namespace Tessel
