#pragma once
// XmlReader: the framework's small pull reader for the data files.
//
// The first Read loads the whole file and decodes it (UTF-8, UTF-16 or
// Windows-1251, chosen by the byte-order mark or the declaration) into one
// buffer of 16-bit units; each Read then slices out one node whose type, name,
// value and attributes are public fields. Deliberately small: no DTDs, CDATA,
// namespaces or entity expansion in text content (attribute values do decode
// references), and end tags are not matched against their start tags.
//
// The reader never throws. The first error is logged ("error: 'file'(line):
// message") and stops it; HasError() tells the loaders, which turn it into the
// exception their files call for. Every loop through the reader ends at the
// end of input: Read returns false there, and the helpers report an error.

#include <string>

#include "tessel/Array.h"
#include "tessel/Strings.h"
#include "tessel/WideText.h"
#include "tessel/xml/TextEncoding.h"

namespace Tessel {

enum XmlNodeType {
  XMLNODE_None = 0,
  XMLNODE_XmlDeclaration = 1,
  XMLNODE_ProcessingInstruction = 2,
  XMLNODE_Comment = 3,
  XMLNODE_Element = 4,
  XMLNODE_EndElement = 5,  // an end tag, or the end that follows an empty-element tag
  XMLNODE_Text = 6,
};

struct XmlAttribute {
  WideString Name;
  WideString Value;  // references decoded
};

class XmlReader {
public:
  explicit XmlReader(const String& path);
  // Reads bytes already in memory, as if they were the file; name is used in
  // error messages (tests, fuzzing, files packed elsewhere).
  static XmlReader FromBytes(std::string bytes, const String& name = String());

  XmlReader(XmlReader&&) = default;
  XmlReader& operator=(XmlReader&&) = default;

  // Advances to the next node; false at the end of input or after an error.
  bool Read();
  void ReadStartElement();
  void ReadEndElement();
  // Past the current element and everything inside it, or past one other node.
  void Skip();

  int ReadInt();
  float ReadFloat();
  WideString ReadString();
  int ReadElementInt();
  float ReadElementFloat();
  WideString ReadElementString();

  int FindAttribute(const WideString& name) const;
  int FindAttributeNoCase(const WideString& name) const;
  // The value of the named attribute, or null when there is none.
  const WideString* GetAttribute(const WideString& name) const;
  // The same with the name compared without regard to case (ASCII names).
  const WideString* GetAttributeNoCase(std::string_view name) const;

  bool HasError() const { return Failed; }
  // The logged error line without "error: " and the line feed.
  const String& GetErrorText() const { return ErrorText; }
  // True once Read has returned false without an error.
  bool IsAtEnd() const { return Loaded && !Failed && Cursor >= BufferEnd && !PendingEnd; }
  int GetLineNumber() const { return LineNumber; }
  int GetDepth() const { return Depth; }
  TextEncoding GetEncoding() const { return Encoding; }
  const String& GetPath() const { return Path; }

  int NodeType = XMLNODE_None;
  WideString Name;
  WideString Value;
  Array<XmlAttribute> Attributes;

private:
  XmlReader() = default;
  bool Load();
  bool LoadBytes(const std::string& bytes);
  TextEncoding EncodingFromDeclaration(const std::string& bytes);
  void Fail(const String& message);
  void Fail(const char* message) { Fail(String(message)); }
  char16_t At(size_t offset = 0) const { return Buffer[Cursor + offset]; }
  void MoveTo(size_t position);  // counts the line feeds passed

  // The node parsers work on the decoded buffer at the cursor.
  void SkipWhiteSpace();
  bool ReadName(WideString& into);
  bool ReadAttribute();
  bool StartsWith(const char* text) const;
  void ReadText();
  void ReadEndTag();
  void ReadInstruction();
  void ReadComment();
  void ReadStartTag();
  void DecodeAttributeValue(size_t from, size_t to, WideString& into) const;

  String Path;
  std::string MemoryBytes;  // FromBytes: the "file"
  bool FromMemory = false;
  bool Silent = false;      // the preliminary declaration read logs nothing
  TextEncoding Encoding = ENCODING_None;
  int LineNumber = 1;
  int Depth = 0;
  std::u16string Buffer;    // decoded document; the cursor indexes into it
  size_t Cursor = 0;
  size_t BufferEnd = 0;
  bool Loaded = false;
  bool Failed = false;
  bool PendingEnd = false;
  String ErrorText;
};

}  // namespace Tessel
