// What the writer writes, the reader reads back unchanged: the input, taken
// as UTF-16 units, becomes an attribute value in each of the encodings that
// can hold it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tessel/xml/XmlReader.h"
#include "tessel/xml/XmlWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string value;
  for (size_t i = 0; i + 1 < size; i += 2) value.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
  bool asciiOnly = true, hasSurrogate = false;
  for (char16_t c : value) {
    asciiOnly = asciiOnly && c < 0x80;
    hasSurrogate = hasSurrogate || (c >= 0xD800 && c <= 0xDFFF);
  }

  for (int encoding = Tessel::ENCODING_Utf8; encoding <= Tessel::ENCODING_Windows1251; ++encoding) {
    // Windows-1251 holds only its own characters; UTF-16 files cannot hold
    // surrogates that do not pair (the reader replaces them).
    if (encoding == Tessel::ENCODING_Windows1251 && !asciiOnly) continue;
    if ((encoding == Tessel::ENCODING_Utf16LE || encoding == Tessel::ENCODING_Utf16BE) && hasSurrogate) continue;
    std::FILE* file = std::tmpfile();
    if (!file) return 0;
    {
      Tessel::XmlWriterSettings settings;
      settings.Encoding = encoding;
      Tessel::XmlWriter xml(settings, file);
      xml.WriteStartElement(u"r");
      xml.WriteAttribute(u"v", value);
      xml.WriteEndElement();
      xml.Close();
    }
    std::rewind(file);
    std::string bytes;
    char chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, n);
    std::fclose(file);

    Tessel::XmlReader reader = Tessel::XmlReader::FromBytes(bytes);
    while (reader.Read() && reader.NodeType != Tessel::XMLNODE_Element) {
    }
    if (reader.HasError() || reader.Attributes.GetSize() != 1 || reader.Attributes[0].Value != value) std::abort();
  }
  return 0;
}
