// Feeds arbitrary bytes to the XML reader in one encoding (FUZZ_ENCODING:
// 1 UTF-8, 2 UTF-16 LE, 3 UTF-16 BE, 4 Windows-1251), walking the document
// the ways the loaders do: node by node, with the typed readers and Skip.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tessel/xml/XmlReader.h"

namespace {

std::string WithEncoding(const uint8_t* data, size_t size) {
  std::string bytes;
#if FUZZ_ENCODING == 2
  bytes = "\xFF\xFE";
#elif FUZZ_ENCODING == 3
  bytes = "\xFE\xFF";
#elif FUZZ_ENCODING == 4
  bytes = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>";
#endif
  bytes.append(reinterpret_cast<const char*>(data), size);
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes = WithEncoding(data, size);
  {
    Tessel::XmlReader xml = Tessel::XmlReader::FromBytes(bytes, Tessel::String("fuzz.xml"));
    while (xml.Read()) {
      for (const Tessel::XmlAttribute& a : xml.Attributes) (void)xml.FindAttributeNoCase(a.Name);
    }
  }
  {
    // The first byte picks the walk; every walk must end.
    Tessel::XmlReader xml = Tessel::XmlReader::FromBytes(bytes);
    int choice = size > 0 ? data[0] : 0;
    for (int step = 0; step < 100000 && !xml.HasError() && !xml.IsAtEnd(); ++step) {
      switch ((choice + step) % 6) {
        case 0: xml.Skip(); break;
        case 1: xml.ReadElementInt(); break;
        case 2: xml.ReadElementString(); break;
        case 3: xml.ReadStartElement(); break;
        case 4: xml.ReadEndElement(); break;
        default: xml.ReadElementFloat(); break;
      }
    }
  }
  return 0;
}
