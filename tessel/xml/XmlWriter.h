#pragma once
// XmlWriter: forward-only writer for every file the game writes (profiles,
// records, saved games, statistics).
//
// Layout: a declaration line, CR LF line ends, two spaces of indentation per
// open element, " />" for empty elements, text kept on its element's line.
// Output encodings: UTF-8, UTF-16 LE ("utf-16"), UTF-16 BE ("unicodeFFFE")
// and Windows-1251, each with its byte-order mark.
//
// A writer given a path never leaves a half-written file behind: it writes a
// temporary file beside the target and renames it over the target when it is
// closed (or destroyed) normally. If it is destroyed while an exception is
// unwinding, or a write failed, the target keeps its previous contents.

#include <cstdio>
#include <exception>
#include <string>

#include "tessel/Array.h"
#include "tessel/Strings.h"
#include "tessel/WideText.h"
#include "tessel/xml/TextEncoding.h"

namespace Tessel {

struct XmlWriterSettings {
  int Encoding = ENCODING_Utf8;  // 1 UTF-8, 2 UTF-16 LE, 3 UTF-16 BE, 4 windows-1251
  bool Indent = true;
  WideString IndentChars = u"  ";
  WideString NewLineChars = u"\r\n";
  bool NewLineOnAttributes = false;
  bool OmitXmlDeclaration = false;
  // False leaves out the byte-order mark of every encoding (for a file that
  // is read as plain text too, like the play statistics).
  bool WriteByteOrderMark = true;
};

class XmlWriter {
public:
  explicit XmlWriter(const String& path);
  XmlWriter(const String& path, const XmlWriterSettings& settings);
  // Appends to a file the caller opened; a file that already has content
  // gets neither a byte-order mark nor a declaration.
  XmlWriter(const XmlWriterSettings& settings, std::FILE* openFile);
  ~XmlWriter();
  XmlWriter(const XmlWriter&) = delete;
  XmlWriter& operator=(const XmlWriter&) = delete;

  void WriteStartElement(const WideString& name);
  void WriteStartAttribute(const WideString& name);
  void WriteString(const WideString& text);
  void WriteEndAttribute();
  void WriteAttribute(const WideString& name, const WideString& value);
  void WriteEndElement();
  void WriteFullEndElement();

  // Writes everything out and, for a path, puts the file in place.
  // False when anything could not be written; the target is then unchanged.
  bool Close();
  bool HasFailed() const { return Failed; }
  // Hands everything written so far to the file, so that it survives a crash
  // of the game; false when it could not be written.
  bool FlushToFile();
  // When set, the file this writer replaces is kept under this name.
  void SetBackupPath(const String& path) { BackupPath = path; }

private:
  enum WriterState { STATE_Start = 0, STATE_Attribute = 1, STATE_StartTag = 2, STATE_Content = 3 };

  void WriteRaw(std::u16string_view text);
  void WriteEscaped(std::u16string_view text);
  void WriteNewLine();
  void EndAttribute();
  void Flush();
  void Discard();
  void KeepPreviousVersion();

  String Path;             // empty when writing into a file the caller opened
  String TemporaryPath;
  String BackupPath;
  std::FILE* File = nullptr;
  bool OwnsFile = false;
  bool Closed = false;
  bool Failed = false;
  XmlWriterSettings Settings;
  int State = STATE_Start;
  Array<WideString> OpenElements;
  bool FirstAttribute = true;
  bool TextWritten = false;
  std::string Pending;     // encoded bytes not yet written
  int ExceptionsAtStart = std::uncaught_exceptions();
};

}  // namespace Tessel
