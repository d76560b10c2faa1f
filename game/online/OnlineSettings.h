#pragma once
// OnlineSettings: the product settings that switch the online services, as
// the "product" element of "./data/version.xml" gives them. Nothing is built
// in: without a server name, request prefix or page address the service
// that needs it stays off.

#include <string_view>

#include "tessel/Strings.h"
#include "tessel/WideText.h"

namespace Corvanta {

struct OnlineSettings {
  bool SubmitStats = false;       // keep stats.xml
  bool StatsPageAtExit = false;   // and show it as a page when the game ends
  bool PostScoresEnabled = false;
  Tessel::String PostScoresServer;   // a host name
  Tessel::String PostScoresRequest;  // the request path the score data is appended to
  Tessel::String GlobalTopScoresUrl;

  // Takes one attribute of the "product" element (name compared without
  // regard to case); false when it is not one of these settings. The game's
  // reader of the version file hands every attribute here.
  bool TakeProductAttribute(std::u16string_view name, const Tessel::WideString& value);

  // Reads the "product" elements of a version file at any depth; a missing
  // file leaves everything off.
  static OnlineSettings Load(const Tessel::String& versionFile);
};

}  // namespace Corvanta
