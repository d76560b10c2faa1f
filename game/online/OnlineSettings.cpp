#include "game/online/OnlineSettings.h"

#include <sys/stat.h>

#include "tessel/text/ValueParsers.h"
#include "tessel/xml/XmlReader.h"

namespace Corvanta {

using namespace Tessel;

// Addresses are kept as UTF-8: keeping the low byte of each unit could turn a
// letter into '/' or '@' and so name another server; UTF-8 keeps every
// non-ASCII unit visibly non-ASCII, and the services refuse it.
bool OnlineSettings::TakeProductAttribute(std::u16string_view name, const WideString& value) {
  if (EqualsNoCase(name, "submitStats")) {
    SubmitStats = StatsPageAtExit = ParseBool(value);
  } else if (EqualsNoCase(name, "postScoresEnabled")) {
    PostScoresEnabled = ParseBool(value);
  } else if (EqualsNoCase(name, "postScoresUrl")) {
    PostScoresServer = String(ToUtf8(value));
  } else if (EqualsNoCase(name, "postScoresRequest")) {
    PostScoresRequest = String(ToUtf8(value));
  } else if (EqualsNoCase(name, "globalTopScoresUrl")) {
    GlobalTopScoresUrl = String(ToUtf8(value));
  } else {
    return false;
  }
  return true;
}

OnlineSettings OnlineSettings::Load(const String& versionFile) {
  OnlineSettings settings;
  struct stat info;
  if (stat(versionFile.CStr(), &info) != 0) return settings;
  XmlReader xml(versionFile);
  while (xml.Read()) {
    if (xml.NodeType != XMLNODE_Element || !EqualsNoCase(xml.Name, "product")) continue;
    for (int i = 0; i < xml.Attributes.GetSize(); ++i)
      settings.TakeProductAttribute(xml.Attributes[i].Name, xml.Attributes[i].Value);
  }
  return settings;
}

}  // namespace Corvanta
