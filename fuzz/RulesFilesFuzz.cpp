// Feeds arbitrary bytes to every rules loader as if they were its file: the
// balance settings, the level progression, the props and a level map. Each
// must either return a complete result or raise a ContentException; a crash,
// a hang, a sanitizer report or any other exception (an assertion among
// them) is a fault.
#include <cstddef>
#include <cstdint>
#include <string>

#include "game/rules/Balance.h"
#include "game/rules/ContentException.h"
#include "game/rules/LevelFile.h"
#include "game/rules/LevelProgression.h"
#include "game/rules/PropCatalogue.h"
#include "tessel/text/LocalizedText.h"
#include "tessel/xml/XmlReader.h"

namespace {

using namespace Corvanta;

const PropCatalogue& Props() {
  static const PropCatalogue props = [] {
    Tessel::XmlReader xml = Tessel::XmlReader::FromBytes("<Props><Decor name='Rock'/><Decor name='Pond' zorder='-1'/></Props>");
    return PropCatalogue::Read(xml);
  }();
  return props;
}

template <typename Load>
void Try(const std::string& bytes, Load load) {
  Tessel::XmlReader xml = Tessel::XmlReader::FromBytes(bytes, Tessel::String("fuzz.xml"));
  try {
    load(xml);
  } catch (const ContentException&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  const Tessel::LocalizedText& texts = Tessel::LocalizedText::Instance();
  Try(bytes, [](Tessel::XmlReader& xml) {
    Balance balance = Balance::Read(xml);
    for (BuildingKind kind : GetBalanceKinds()) (void)balance.GetBuilding(kind).Levels[3].Income;
  });
  Try(bytes, [&](Tessel::XmlReader& xml) {
    LevelProgression levels = LevelProgression::Read(xml, texts);
    (void)levels.IsUnlocked(Tessel::String("RoadBuilder"), 1000);
  });
  Try(bytes, [](Tessel::XmlReader& xml) { PropCatalogue::Read(xml); });
  Try(bytes, [&](Tessel::XmlReader& xml) { LevelFile::Read(xml, Props(), texts); });
  return 0;
}
