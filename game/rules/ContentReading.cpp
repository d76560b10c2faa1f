#include "game/rules/ContentReading.h"

#include <cmath>

#include "game/rules/ContentException.h"
#include "game/rules/NameCompare.h"
#include "tessel/Format.h"
#include "tessel/Scan.h"

namespace Corvanta {

using namespace Tessel;

namespace {

// Shown in messages: the value as written, shortened.
String Quoted(const WideString& text) {
  String narrow = ToNarrow(text.substr(0, 40));
  return Format(text.size() > 40 ? "'%s...'" : "'%s'", narrow);
}

}  // namespace

void ThrowAtReader(const XmlReader& xml, const String& message) {
  ThrowContentError(xml.GetPath(), xml.GetLineNumber(), message);
}

void MoveToRoot(XmlReader& xml) {
  while (xml.NodeType != XMLNODE_Element) {
    if (!xml.Read()) {
      ThrowIfReaderFailed(xml);
      ThrowAtReader(xml, "Start of an element expected.");
    }
  }
}

void ThrowIfIncomplete(XmlReader& xml, bool rootClosed) {
  ThrowIfReaderFailed(xml);
  if (!rootClosed) ThrowAtReader(xml, "End of an element expected; the file ends before its root element is closed.");
}

bool NameEquals(std::u16string_view name, std::string_view ascii) {
  if (name.size() != ascii.size()) return false;
  for (size_t i = 0; i < name.size(); ++i)
    if (name[i] != static_cast<unsigned char>(ascii[i])) return false;
  return true;
}

const WideString* FindAttribute(const XmlReader& xml, std::string_view name) {
  for (const XmlAttribute& a : xml.Attributes)
    if (NameEquals(a.Name, name)) return &a.Value;
  return nullptr;
}

const WideString* FindAttributeNoCase(const XmlReader& xml, std::string_view name) {
  return xml.GetAttributeNoCase(name);
}

int ParseIntValue(const XmlReader& xml, const WideString& text, const char* where) {
  std::string ascii = AsciiPrefix(text);
  size_t position = 0;
  int32_t value = 0;
  if (!ScanInt(ascii, position, value)) ThrowAtReader(xml, Format("%s: integer value expected, not %s.", where, Quoted(text)));
  return value;
}

float ParseFloatValue(const XmlReader& xml, const WideString& text, const char* where) {
  std::string ascii = AsciiPrefix(text);
  size_t position = 0;
  float value = 0;
  if (!ScanFloat(ascii, position, value) || !std::isfinite(value))
    ThrowAtReader(xml, Format("%s: number expected, not %s.", where, Quoted(text)));
  return value;
}

namespace {

// The element's name for messages, and its text; the reader moves past it.
// An element without text fails with the reader's own message ("Integer
// value expected.").
enum ValueKind { VALUE_Int, VALUE_Float, VALUE_String };

WideString ReadElementText(XmlReader& xml, String& name, ValueKind kind) {
  name = ToNarrow(xml.Name);
  xml.ReadStartElement();
  while (xml.NodeType == XMLNODE_Comment || xml.NodeType == XMLNODE_ProcessingInstruction)
    if (!xml.Read()) break;
  WideString text;
  if (xml.NodeType == XMLNODE_Text) {
    text = xml.Value;
    xml.Read();
  } else if (kind == VALUE_Float) {
    xml.ReadFloat();  // fails with the reader's message
  } else if (kind == VALUE_Int) {
    xml.ReadInt();
  } else {
    xml.ReadString();
  }
  xml.ReadEndElement();
  ThrowIfReaderFailed(xml);
  return text;
}

}  // namespace

int ReadElementIntValue(XmlReader& xml) {
  String name;
  WideString text = ReadElementText(xml, name, VALUE_Int);
  return ParseIntValue(xml, text, name.CStr());
}

float ReadElementFloatValue(XmlReader& xml) {
  String name;
  WideString text = ReadElementText(xml, name, VALUE_Float);
  return ParseFloatValue(xml, text, name.CStr());
}

WideString ReadElementTextValue(XmlReader& xml) {
  String name;
  return ReadElementText(xml, name, VALUE_String);
}

WideString ReadElementContent(XmlReader& xml) {
  WideString text;
  int depth = xml.GetDepth();
  bool more = xml.Read();
  for (;;) {
    if (!more || xml.HasError()) ThrowIfIncomplete(xml, false);
    if (xml.NodeType == XMLNODE_EndElement && xml.GetDepth() <= depth) {
      xml.Read();
      return text;
    }
    if (xml.NodeType == XMLNODE_Element) {
      xml.Skip();
      more = !xml.HasError();
      continue;
    }
    if (xml.NodeType == XMLNODE_Text) text += xml.Value;
    more = xml.Read();
  }
}

void ScanIntsInto(const WideString& text, std::initializer_list<int*> targets) {
  std::string ascii = AsciiPrefix(text);
  size_t position = 0;
  for (int* target : targets) {
    int32_t value;
    if (!ScanInt(ascii, position, value)) return;
    *target = value;
  }
}

}  // namespace Corvanta
