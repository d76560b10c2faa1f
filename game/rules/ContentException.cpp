#include "game/rules/ContentException.h"

#include "tessel/Format.h"
#include "tessel/xml/XmlReader.h"

namespace Corvanta {

using namespace Tessel;

void ThrowContentError(const String& path, int line, const String& message) {
  if (line > 0) throw ContentException(Format("'%s'(%i): %s", path, line, message));
  throw ContentException(Format("'%s': %s", path, message));
}

void ThrowIfReaderFailed(const XmlReader& xml) {
  if (!xml.HasError()) return;
  const String& text = xml.GetErrorText();
  String quotedPath = Format("'%s'", xml.GetPath());
  if (text.View().starts_with(quotedPath.View())) throw ContentException(text);
  // An empty or three-byte file stops the reader with an empty message.
  String reason = text.IsEmpty() ? String("The file is empty.") : text;
  ThrowContentError(xml.GetPath(), 0, reason);
}

}  // namespace Corvanta
