#include "tessel/xml/XmlWriter.h"

#include <unistd.h>

#include <cstdio>
#include <exception>

#include "tessel/Exception.h"
#include "tessel/Format.h"
#include "tessel/Log.h"

namespace Tessel {

namespace {

constexpr size_t FlushThreshold = 64 * 1024;

const char16_t* EncodingName(int encoding) {
  switch (encoding) {
    case ENCODING_Utf16LE: return u"utf-16";
    case ENCODING_Utf16BE: return u"unicodeFFFE";
    case ENCODING_Windows1251: return u"windows-1251";
    default: return u"utf-8";
  }
}

}  // namespace

XmlWriter::XmlWriter(const String& path) : XmlWriter(path, XmlWriterSettings()) {}

XmlWriter::XmlWriter(const String& path, const XmlWriterSettings& settings) : Path(path), Settings(settings) {
  if (Settings.Encoding < ENCODING_Utf8 || Settings.Encoding > ENCODING_Windows1251) Settings.Encoding = ENCODING_Utf8;
}

XmlWriter::XmlWriter(const XmlWriterSettings& settings, std::FILE* openFile) : File(openFile), Settings(settings) {
  if (Settings.Encoding < ENCODING_Utf8 || Settings.Encoding > ENCODING_Windows1251) Settings.Encoding = ENCODING_Utf8;
  if (File && std::fseek(File, 0, SEEK_END) == 0 && std::ftell(File) > 0) State = STATE_Content;
}

XmlWriter::~XmlWriter() {
  // A writer abandoned by an exception must not replace a good file with half of one.
  if (std::uncaught_exceptions() > ExceptionsAtStart && OwnsFile) {
    Discard();
    return;
  }
  Close();
}

void XmlWriter::WriteRaw(std::u16string_view text) {
  if (State == STATE_Start) {
    if (!File && !Path.IsEmpty() && !Failed) {
      TemporaryPath = Path + ".tmp";
      File = std::fopen(TemporaryPath.CStr(), "wb");
      OwnsFile = File != nullptr;
      if (!File) {
        Failed = true;
        PrintLog("error: cannot write '%s'\n", Path);
      }
    }
    switch (Settings.WriteByteOrderMark ? Settings.Encoding : 0) {
      case ENCODING_Utf16LE: Pending += "\xFF\xFE"; break;
      case ENCODING_Utf16BE: Pending += "\xFE\xFF"; break;
      case ENCODING_Utf8:
        if (Settings.OmitXmlDeclaration) Pending += "\xEF\xBB\xBF";
        break;
    }
    State = STATE_Content;
    if (!Settings.OmitXmlDeclaration) {
      WideString declaration = u"<?xml version=\"1.0\" encoding=\"";
      declaration += EncodingName(Settings.Encoding);
      declaration += u"\"?>";
      EncodeText(static_cast<TextEncoding>(Settings.Encoding), declaration, Pending);
      EncodeText(static_cast<TextEncoding>(Settings.Encoding), Settings.NewLineChars, Pending);
    }
  }
  EncodeText(static_cast<TextEncoding>(Settings.Encoding), text, Pending);
  if (Pending.size() >= FlushThreshold) Flush();
}

void XmlWriter::WriteEscaped(std::u16string_view text) {
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    const char16_t* replacement = nullptr;
    WideString reference;
    switch (c) {
      case '"': replacement = u"&quot;"; break;
      case '&': replacement = u"&amp;"; break;
      case '\'': replacement = u"&apos;"; break;
      case '<': replacement = u"&lt;"; break;
      case '>': replacement = u"&gt;"; break;
      default:
        // Control characters other than tab, line feed and carriage return
        // cannot stand in XML as they are.
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') {
          reference = FormatWide(u"&#%i;", static_cast<int>(c));
          replacement = reference.c_str();
        }
        break;
    }
    if (!replacement) continue;
    WriteRaw(text.substr(start, i - start));
    WriteRaw(replacement);
    start = i + 1;
  }
  WriteRaw(text.substr(start));
}

void XmlWriter::WriteNewLine() {
  if (!Settings.NewLineChars.empty()) WriteRaw(Settings.NewLineChars);
  if (Settings.Indent)
    for (int i = 0; i < OpenElements.GetSize(); ++i) WriteRaw(Settings.IndentChars);
}

void XmlWriter::EndAttribute() {
  WriteRaw(u"\"");
  State = STATE_StartTag;
}

void XmlWriter::WriteStartElement(const WideString& name) {
  try {
    if (State == STATE_Attribute) EndAttribute();
    if (State == STATE_StartTag) {
      WriteRaw(u">");
      State = STATE_Content;
      TextWritten = false;
    }
    if (!TextWritten && State != STATE_Start) WriteNewLine();
    WriteRaw(u"<");
    WriteRaw(name);
    OpenElements.Add(name);
    State = STATE_StartTag;
    FirstAttribute = true;
  }
  TESSEL_TRACE("XmlWriter::WriteStartElement")
}

void XmlWriter::WriteStartAttribute(const WideString& name) {
  try {
    if (!Settings.NewLineOnAttributes || FirstAttribute) {
      WriteRaw(u" ");
    } else {
      WriteNewLine();
    }
    WriteRaw(name);
    WriteRaw(u"=\"");
    State = STATE_Attribute;
    FirstAttribute = false;
  }
  TESSEL_TRACE("XmlWriter::WriteStartAttribute")
}

void XmlWriter::WriteString(const WideString& text) {
  if (text.empty()) return;
  if (State == STATE_StartTag) {
    WriteRaw(u">");
    State = STATE_Content;
    TextWritten = false;
  }
  WriteEscaped(text);
  if (State == STATE_Content) TextWritten = true;
}

void XmlWriter::WriteEndAttribute() {
  try {
    EndAttribute();
  }
  TESSEL_TRACE("XmlWriter::WriteEndAttribute")
}

void XmlWriter::WriteAttribute(const WideString& name, const WideString& value) {
  try {
    WriteStartAttribute(name);
    WriteString(value);
    WriteEndAttribute();
  }
  TESSEL_TRACE("XmlWriter::WriteAttribute")
}

void XmlWriter::WriteEndElement() {
  try {
    if (State == STATE_StartTag) {
      TESSEL_ASSERT(!OpenElements.IsEmpty());
      WriteRaw(u" />");
      OpenElements.RemoveAt(OpenElements.GetSize() - 1);
      State = STATE_Content;
      TextWritten = false;
    } else {
      WriteFullEndElement();
    }
  }
  TESSEL_TRACE("XmlWriter::WriteEndElement")
}

void XmlWriter::WriteFullEndElement() {
  try {
    int state = State;
    if (State == STATE_Attribute) EndAttribute();
    if (State == STATE_StartTag) {
      WriteRaw(u">");
      State = STATE_Content;
      TextWritten = false;
    }
    TESSEL_ASSERT(!OpenElements.IsEmpty());
    WideString name = OpenElements[OpenElements.GetSize() - 1];
    OpenElements.RemoveAt(OpenElements.GetSize() - 1);
    if (!TextWritten && state != STATE_StartTag) WriteNewLine();
    WriteRaw(u"</");
    WriteRaw(name);
    WriteRaw(u">");
    State = STATE_Content;
    TextWritten = false;
  }
  TESSEL_TRACE("XmlWriter::WriteFullEndElement")
}

void XmlWriter::Flush() {
  if (Pending.empty()) return;
  if (File && !Failed) {
    if (std::fwrite(Pending.data(), 1, Pending.size(), File) != Pending.size()) Failed = true;
  }
  Pending.clear();
}

bool XmlWriter::FlushToFile() {
  if (Closed) return !Failed;
  Flush();
  if (File && std::fflush(File) != 0) Failed = true;
  return !Failed;
}

void XmlWriter::Discard() {
  if (OwnsFile && File) {
    std::fclose(File);
    std::remove(TemporaryPath.CStr());
  }
  File = nullptr;
  Closed = true;
  Pending.clear();
}

// The file being replaced becomes the backup. A hard link keeps the target in
// place until the new version is renamed over it.
void XmlWriter::KeepPreviousVersion() {
  if (access(Path.CStr(), F_OK) != 0) return;
  std::remove(BackupPath.CStr());
  if (link(Path.CStr(), BackupPath.CStr()) == 0) return;
  std::FILE* from = std::fopen(Path.CStr(), "rb");
  std::FILE* to = from ? std::fopen(BackupPath.CStr(), "wb") : nullptr;
  char chunk[65536];
  size_t n;
  bool ok = from && to;
  while (ok && (n = std::fread(chunk, 1, sizeof chunk, from)) > 0) ok = std::fwrite(chunk, 1, n, to) == n;
  if (to && std::fclose(to) != 0) ok = false;
  if (from) std::fclose(from);
  if (!ok) std::remove(BackupPath.CStr());
}

bool XmlWriter::Close() {
  if (Closed) return !Failed;
  Closed = true;
  Flush();
  if (!File) return !Failed;
  if (!OwnsFile) {
    if (std::fflush(File) != 0) Failed = true;
    return !Failed;
  }
  if (std::fflush(File) != 0 || fsync(fileno(File)) != 0) Failed = true;
  if (std::fclose(File) != 0) Failed = true;
  File = nullptr;
  if (!Failed && !BackupPath.IsEmpty()) KeepPreviousVersion();
  if (Failed || std::rename(TemporaryPath.CStr(), Path.CStr()) != 0) {
    Failed = true;
    std::remove(TemporaryPath.CStr());
    PrintLog("error: cannot write '%s'\n", Path);
  }
  return !Failed;
}

}  // namespace Tessel
