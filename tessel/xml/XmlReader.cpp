#include "tessel/xml/XmlReader.h"

#include <algorithm>
#include <cstdio>

#include "tessel/Log.h"

namespace Tessel {

namespace {

constexpr size_t Padding = 4;            // zero units after the text, so peeks need no bounds check
constexpr long MaxFileSize = 256L << 20;  // data files are kilobytes; anything this big is not one

bool IsWhiteSpace(char16_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsAsciiLetter(char16_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Letters beyond ASCII, as a wide-character classification sees them:
// Latin-1 letters and everything above it except the punctuation, symbol,
// private-use and special blocks.
bool IsOtherLetter(char16_t c) {
  if (c < 0xC0) return c == 0xAA || c == 0xB5 || c == 0xBA;
  if (c < 0x100) return c != 0xD7 && c != 0xF7;
  if (c >= 0x2000 && c <= 0x2BFF) return false;
  if (c >= 0x3000 && c <= 0x303F) return false;
  if (c >= 0xD800 && c <= 0xF8FF) return false;
  if (c >= 0xFE00 && c <= 0xFE6F) return false;
  if (c >= 0xFF00 && c <= 0xFF20) return false;
  return c != 0xFEFF && c < 0xFFF0;
}

bool IsNameStart(char16_t c) { return IsAsciiLetter(c) || c == '_' || IsOtherLetter(c); }

bool IsNameCharacter(char16_t c) {
  return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

bool Equals(const char16_t* p, size_t n, const char* ascii) {
  for (size_t i = 0; i < n; ++i)
    if (ascii[i] == 0 || p[i] != static_cast<unsigned char>(ascii[i])) return false;
  return ascii[n] == 0;
}

// The unit a reference between "&" and ";" stands for, or '&' when unknown.
char16_t ResolveReference(const char16_t* name, size_t n) {
  if (Equals(name, n, "quot")) return '"';
  if (Equals(name, n, "lt")) return '<';
  if (Equals(name, n, "amp")) return '&';
  if (Equals(name, n, "gt")) return '>';
  if (Equals(name, n, "apos")) return '\'';
  if (Equals(name, n, "nbsp")) return ' ';
  if (Equals(name, n, "cr")) return '\n';
  if (n >= 2 && name[0] == '#') {
    uint32_t value = 0;
    if (name[1] == 'x') {
      if (n < 3) return '&';
      for (size_t i = 2; i < n; ++i) {
        char16_t c = name[i];
        int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (digit < 0) return '&';
        value = value * 16 + static_cast<uint32_t>(digit);
      }
    } else {
      // Decimal, as XML writes character references ("&#9;" is a tab).
      for (size_t i = 1; i < n; ++i) {
        if (name[i] < '0' || name[i] > '9') return '&';
        value = value * 10 + static_cast<uint32_t>(name[i] - '0');
      }
    }
    return static_cast<char16_t>(value & 0xFFFF);
  }
  return '&';
}

bool ReadWholeFile(const char* path, std::string& bytes) {
  std::FILE* file = std::fopen(path, "rb");
  if (!file) return false;
  bool ok = true;
  char chunk[65536];
  for (;;) {
    size_t n = std::fread(chunk, 1, sizeof chunk, file);
    bytes.append(chunk, n);
    if (bytes.size() > static_cast<size_t>(MaxFileSize)) {
      ok = false;
      break;
    }
    if (n < sizeof chunk) {
      ok = !std::ferror(file);
      break;
    }
  }
  std::fclose(file);
  return ok;
}

}  // namespace

XmlReader::XmlReader(const String& path) : Path(path) {}

XmlReader XmlReader::FromBytes(std::string bytes, const String& name) {
  XmlReader reader;
  reader.Path = name;
  reader.MemoryBytes = std::move(bytes);
  reader.FromMemory = true;
  return reader;
}

void XmlReader::Fail(const String& message) {
  if (Failed) return;
  Failed = true;
  if (!Path.IsEmpty() && Loaded) {
    ErrorText = Format("'%s'(%i): %s", Path, LineNumber, message);
  } else {
    ErrorText = message;
  }
  if (!Silent) PrintLog("error: %s\n", ErrorText);
}

void XmlReader::MoveTo(size_t position) {
  LineNumber += static_cast<int>(std::count(Buffer.begin() + static_cast<std::ptrdiff_t>(Cursor),
                                            Buffer.begin() + static_cast<std::ptrdiff_t>(position), u'\n'));
  Cursor = position;
}

bool XmlReader::Load() {
  if (FromMemory) return LoadBytes(MemoryBytes);
  if (Path.IsEmpty()) {
    Fail("");
    return false;
  }
  std::string bytes;
  if (!ReadWholeFile(Path.CStr(), bytes)) {
    Fail("Failed opening an XML file.");
    return false;
  }
  return LoadBytes(bytes);
}

bool XmlReader::LoadBytes(const std::string& bytes) {
  if (bytes.size() <= 3) {
    Fail("");
    return false;
  }
  const uint8_t* b = reinterpret_cast<const uint8_t*>(bytes.data());
  size_t skip = 0;
  TextEncoding encoding = ENCODING_None;
  if (b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) {
    encoding = ENCODING_Utf8;
    skip = 3;
  } else if (b[0] == 0xFF && b[1] == 0xFE) {
    encoding = (b[2] == 0 && b[3] == 0) ? ENCODING_None : ENCODING_Utf16LE;
    skip = 2;
  } else if (b[0] == 0xFE && b[1] == 0xFF) {
    encoding = (b[2] == 0 && b[3] == 0) ? ENCODING_None : ENCODING_Utf16BE;
    skip = 2;
  } else if (b[0] == 0x3C && b[1] == 0x00 && b[2] == 0x3F && b[3] == 0x00) {
    encoding = ENCODING_Utf16LE;
  } else if (b[0] == 0x00 && b[1] == 0x3C && b[2] == 0x00 && b[3] == 0x3F) {
    encoding = ENCODING_Utf16BE;
  } else if (b[0] == 0x00 && b[1] == 0x00) {
    encoding = ENCODING_None;
  } else {
    encoding = EncodingFromDeclaration(bytes);
    if (Failed) return false;
  }
  if (encoding == ENCODING_None) {
    Fail("Unsupported XML encoding.");
    return false;
  }
  Encoding = encoding;
  size_t size = bytes.size() - skip;
  Buffer.assign(DecodedCapacity(encoding, size) + Padding, u'\0');
  BufferEnd = DecodeText(encoding, b + skip, size, Buffer.data());
  Buffer.resize(BufferEnd + Padding);
  std::fill(Buffer.begin() + static_cast<std::ptrdiff_t>(BufferEnd), Buffer.end(), u'\0');
  Cursor = 0;
  Loaded = true;
  return true;
}

// A file without a byte-order mark is UTF-8 unless its declaration says
// windows-1251. The first node is read silently from the bytes up to the first
// ">": a broken first tag is reported by the real reading, not here.
TextEncoding XmlReader::EncodingFromDeclaration(const std::string& bytes) {
  size_t end = bytes.find('>');
  std::string head = bytes.substr(0, end == std::string::npos ? bytes.size() : end + 1);
  XmlReader probe;
  probe.Silent = true;
  probe.Buffer = DecodeText(ENCODING_Utf8, head);
  probe.BufferEnd = probe.Buffer.size();
  probe.Buffer.append(Padding, u'\0');
  probe.Loaded = true;
  probe.Read();
  if (probe.NodeType != XMLNODE_XmlDeclaration) return ENCODING_Utf8;
  int index = probe.FindAttribute(u"encoding");
  if (index < 0) return ENCODING_Utf8;
  String name = ToNarrow(probe.Attributes[index].Value);
  if (name.CompareNoCase(String("utf-8")) == 0) return ENCODING_Utf8;
  if (name.CompareNoCase(String("windows-1251")) == 0) return ENCODING_Windows1251;
  Fail("Unknown XML encoding specified.");
  return ENCODING_None;
}

bool XmlReader::Read() {
  if (Failed) return false;
  if (!Loaded && !Load()) return false;
  // The end that follows an empty-element tag comes even at the very end.
  if (Cursor >= BufferEnd && !PendingEnd) {
    NodeType = XMLNODE_None;
    return false;
  }
  if (NodeType == XMLNODE_Element) ++Depth;  // elements count once the reader moves past them
  if (PendingEnd) {
    PendingEnd = false;
    NodeType = XMLNODE_EndElement;
    Value.clear();
    Attributes.Clear();
    --Depth;
    return true;
  }
  if (Depth == 0) SkipWhiteSpace();
  NodeType = XMLNODE_None;
  Name.clear();
  Value.clear();
  Attributes.Clear();

  if (At() != '<') {
    ReadText();
  } else if (At(1) == '/') {
    ReadEndTag();
  } else if (At(1) == '?') {
    ReadInstruction();
  } else if (StartsWith("<!--")) {
    ReadComment();
  } else {
    ReadStartTag();
  }
  return !Failed;
}

bool XmlReader::StartsWith(const char* text) const {
  for (size_t i = 0; text[i]; ++i)
    if (Cursor + i >= BufferEnd || Buffer[Cursor + i] != static_cast<unsigned char>(text[i])) return false;
  return true;
}

void XmlReader::SkipWhiteSpace() {
  size_t p = Cursor;
  while (p < BufferEnd && IsWhiteSpace(Buffer[p])) ++p;
  MoveTo(p);
}

bool XmlReader::ReadName(WideString& into) {
  char16_t first = At();
  if (Cursor >= BufferEnd || !IsNameStart(first)) {
    if (first < 0x80 && first != 0) {
      Fail(Format("The character '%c' is illegal at the begining of an XML name.", static_cast<char>(first)));
    } else {
      Fail(Format("The character #x%04X is illegal at the begining of an XML name.", static_cast<unsigned>(first)));
    }
    return false;
  }
  size_t end = Cursor + 1;
  while (end < BufferEnd && IsNameCharacter(Buffer[end])) ++end;
  into.assign(Buffer.data() + Cursor, end - Cursor);
  Cursor = end;
  return true;
}

void XmlReader::ReadText() {
  size_t end = Buffer.find(u'<', Cursor);
  if (end == WideString::npos || end > BufferEnd) end = BufferEnd;
  Value.assign(Buffer.data() + Cursor, end - Cursor);
  MoveTo(end);
  NodeType = XMLNODE_Text;
}

void XmlReader::ReadEndTag() {
  Cursor += 2;
  if (!ReadName(Name)) return;
  SkipWhiteSpace();
  if (At() != '>' || Cursor >= BufferEnd) {
    Fail("'>' expected.");
    return;
  }
  ++Cursor;
  --Depth;
  NodeType = XMLNODE_EndElement;
}

void XmlReader::ReadInstruction() {
  Cursor += 2;
  if (!ReadName(Name)) return;
  SkipWhiteSpace();
  if (Name == u"xml") {
    size_t valueStart = Cursor;
    for (;;) {
      SkipWhiteSpace();
      if (Cursor >= BufferEnd) {
        Fail("Missing end of XML declaration '?>'.");
        return;
      }
      if (StartsWith("?>")) {
        Value.assign(Buffer.data() + valueStart, Cursor - valueStart);
        Cursor += 2;
        NodeType = XMLNODE_XmlDeclaration;
        return;
      }
      if (!ReadAttribute()) return;
    }
  }
  size_t end = Buffer.find(u"?>", Cursor);
  if (end == WideString::npos || end + 2 > BufferEnd) {
    MoveTo(BufferEnd);
    Fail("Missing end of instruction '?>'.");
    return;
  }
  Value.assign(Buffer.data() + Cursor, end - Cursor);
  MoveTo(end + 2);
  NodeType = XMLNODE_ProcessingInstruction;
}

void XmlReader::ReadComment() {
  Cursor += 4;
  size_t end = Buffer.find(u"--", Cursor);
  if (end == WideString::npos || end + 2 > BufferEnd) {
    MoveTo(BufferEnd);
    Fail("Missing end of comment '-->'.");
    return;
  }
  Value.assign(Buffer.data() + Cursor, end - Cursor);
  MoveTo(end);
  if (end + 2 >= BufferEnd || Buffer[end + 2] != '>') {
    Fail("Sequence '--' is illegal inside XML comments.");
    return;
  }
  Cursor = end + 3;
  NodeType = XMLNODE_Comment;
}

void XmlReader::ReadStartTag() {
  ++Cursor;
  if (!ReadName(Name)) return;
  SkipWhiteSpace();
  size_t valueStart = Cursor;
  for (;;) {
    if (StartsWith("/>")) {
      Value.assign(Buffer.data() + valueStart, Cursor - valueStart);
      Cursor += 2;
      PendingEnd = true;
      break;
    }
    if (At() == '>' && Cursor < BufferEnd) {
      Value.assign(Buffer.data() + valueStart, Cursor - valueStart);
      ++Cursor;
      break;
    }
    if (!ReadAttribute()) return;
  }
  NodeType = XMLNODE_Element;
}

bool XmlReader::ReadAttribute() {
  WideString name;
  if (!ReadName(name)) return false;
  SkipWhiteSpace();
  if (At() != '=' || Cursor >= BufferEnd) {
    Fail("Missing attribute value.");
    return false;
  }
  ++Cursor;
  SkipWhiteSpace();
  char16_t quote = At();
  if ((quote != '"' && quote != '\'') || Cursor >= BufferEnd) {
    Fail("Missing attribute value.");
    return false;
  }
  size_t start = Cursor + 1;
  size_t end = Buffer.find(quote, start);
  if (end == WideString::npos || end >= BufferEnd) {
    MoveTo(BufferEnd);
    Fail("End of attribute value '\"' expected.");
    return false;
  }
  int index = Attributes.GetSize();
  Attributes.SetSize(index + 1);
  Attributes[index].Name = std::move(name);
  DecodeAttributeValue(start, end, Attributes[index].Value);
  MoveTo(end + 1);
  SkipWhiteSpace();
  return true;
}

void XmlReader::DecodeAttributeValue(size_t from, size_t to, WideString& into) const {
  const char16_t* p = Buffer.data() + from;
  const char16_t* end = Buffer.data() + to;
  const char16_t* amp = std::find(p, end, u'&');
  if (amp == end) {
    into.assign(p, end);
    return;
  }
  into.clear();
  into.reserve(static_cast<size_t>(end - p));
  while (p < end) {
    if (*p != '&') {
      into.push_back(*p++);
      continue;
    }
    const char16_t* semicolon = std::find(p + 1, end, u';');
    if (semicolon == end) {
      into.push_back(*p++);
      continue;
    }
    into.push_back(ResolveReference(p + 1, static_cast<size_t>(semicolon - p - 1)));
    p = semicolon + 1;
  }
}

void XmlReader::ReadStartElement() {
  if (NodeType == XMLNODE_Element) {
    Read();
    return;
  }
  for (;;) {
    if (!Read() || NodeType == XMLNODE_EndElement) {
      Fail("Start of an element expected.");
      return;
    }
    if (NodeType == XMLNODE_Element) {
      Read();
      return;
    }
  }
}

void XmlReader::ReadEndElement() {
  if (NodeType == XMLNODE_EndElement) {
    Read();
    return;
  }
  for (;;) {
    if (!Read() || NodeType == XMLNODE_Element) {
      Fail("End of an element expected.");
      return;
    }
    if (NodeType == XMLNODE_EndElement) {
      Read();
      return;
    }
  }
}

void XmlReader::Skip() {
  if (NodeType != XMLNODE_Element) {
    Read();
    return;
  }
  int depth = Depth;
  while (Read()) {
    if (NodeType == XMLNODE_EndElement && Depth == depth) {
      Read();
      return;
    }
  }
  Fail("End of an element expected.");  // the file ended inside the element
}

namespace {

// Comments and instructions before a value are passed over.
bool SkipToValue(XmlReader& xml) {
  while (xml.NodeType == XMLNODE_Comment || xml.NodeType == XMLNODE_ProcessingInstruction)
    if (!xml.Read()) return false;
  return xml.NodeType == XMLNODE_Text && !xml.HasError();
}

}  // namespace

int XmlReader::ReadInt() {
  if (!SkipToValue(*this)) {
    Fail("Integer value expected.");
    return 0;
  }
  int value = WideToInt(Value);
  Read();
  return value;
}

float XmlReader::ReadFloat() {
  if (!SkipToValue(*this)) {
    Fail("Float value expected.");
    return 0.0f;
  }
  float value = WideToFloat(Value);
  Read();
  return value;
}

WideString XmlReader::ReadString() {
  if (!SkipToValue(*this)) {
    Fail("String value expected.");
    return WideString();
  }
  WideString value = Value;
  Read();
  return value;
}

int XmlReader::ReadElementInt() {
  ReadStartElement();
  int value = ReadInt();
  ReadEndElement();
  return value;
}

float XmlReader::ReadElementFloat() {
  ReadStartElement();
  float value = ReadFloat();
  ReadEndElement();
  return value;
}

WideString XmlReader::ReadElementString() {
  ReadStartElement();
  WideString value = ReadString();
  ReadEndElement();
  return value;
}

int XmlReader::FindAttribute(const WideString& name) const {
  for (int i = 0; i < Attributes.GetSize(); ++i)
    if (Attributes[i].Name == name) return i;
  return -1;
}

int XmlReader::FindAttributeNoCase(const WideString& name) const {
  auto fold = [](char16_t c) -> char16_t { return c >= 'A' && c <= 'Z' ? static_cast<char16_t>(c + 32) : c; };
  for (int i = 0; i < Attributes.GetSize(); ++i) {
    const WideString& candidate = Attributes[i].Name;
    if (candidate.size() != name.size()) continue;
    bool same = true;
    for (size_t k = 0; k < name.size() && same; ++k) same = fold(candidate[k]) == fold(name[k]);
    if (same) return i;
  }
  return -1;
}

const WideString* XmlReader::GetAttributeNoCase(std::string_view name) const {
  for (const XmlAttribute& attribute : Attributes)
    if (EqualsNoCase(attribute.Name, name)) return &attribute.Value;
  return nullptr;
}

const WideString* XmlReader::GetAttribute(const WideString& name) const {
  int index = FindAttribute(name);
  return index < 0 ? nullptr : &Attributes[index].Value;
}

}  // namespace Tessel
