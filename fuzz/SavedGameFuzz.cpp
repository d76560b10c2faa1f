// Feeds arbitrary bytes to the saved game's reader as if they were a
// "career.sav". The reader must either refuse them with the reason (another
// version, a damaged record, an unknown goal kind) or build a town that then
// runs; a crash, a hang, a sanitizer report or any other exception (an
// assertion among them) is a fault. A town it built is written again, and
// the game must be able to read what it wrote. (The bytes may differ: a
// town that starts applies its rules, a broken house beside a workshop
// begins its repair.)
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "game/rules/Balance.h"
#include "game/script/LevelGoals.h"
#include "game/town/Map.h"
#include "game/town/SaveStream.h"
#include "tessel/Exception.h"

namespace {

using namespace Corvanta;

std::string Write(const Map& map) {
  SaveWriter out;
  map.WriteSave(out);
  return out.Bytes;
}

// True when the bytes were read; false when they were refused as the
// game refuses a bad save.
bool Read(Map& map, const std::string& bytes) {
  try {
    SaveReader in(bytes);
    map.ReadSave(in);
    return true;
  } catch (const SaveFormatException&) {
  } catch (const Tessel::ArgumentException& e) {
    if (e.Message != "Unknown goal kind.") throw;
  } catch (const Tessel::AssertionFailedException&) {
    throw;
  } catch (const Tessel::Exception& e) {
    if (e.Message != "Incorrect save file version.") throw;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Balance::Install(Balance::Load(CORVANTA_SOURCE_DIR "/data/BalanceSettings.xml"));
  InstallGoalKinds();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string saved;
  {
    Map map;
    if (!Read(map, bytes)) return 0;
    saved = Write(map);
    for (int frame = 0; frame < 5; ++frame) map.Update(0.25f);
    (void)Write(map);
  }
  Map again;
  if (!Read(again, saved)) std::abort();
  (void)Write(again);
  return 0;
}
