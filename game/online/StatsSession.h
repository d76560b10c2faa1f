#pragma once
// StatsSession: the play statistics file, stats.xml in the user data folder.
// Every run of the game appends one "session" element (an identifier, the
// processor speed and the memory), and every level the player leaves adds
// one empty "level" element to it with who played, why the level ended and
// the level's values at that moment.
//
// The file is the player's: it is only ever appended to. Each record goes to
// the disk when it is written, a session a crash left open is closed before
// the next one starts, and a file that cannot be opened (or that another
// running copy of the game is writing) means no statistics for this run,
// never a failure of the game.

#include <cstdint>
#include <cstdio>
#include <memory>

#include "tessel/Strings.h"
#include "tessel/WideText.h"

namespace Tessel {
class Clock;
class MachineInfo;
class XmlWriter;
}  // namespace Tessel

namespace Corvanta {

struct LevelStatistics;

class StatsSession {
public:
  static constexpr const char* FileName = "stats.xml";

  StatsSession(Tessel::Clock& clock, const Tessel::MachineInfo& machine);
  ~StatsSession();
  StatsSession(const StatsSession&) = delete;
  StatsSession& operator=(const StatsSession&) = delete;

  // Opens the file for appending and writes the session's start tag; false
  // (logged) when there will be no statistics this run.
  bool Open(const Tessel::String& path);
  bool IsOpen() const { return Writer != nullptr; }
  // One "level" record; nothing when the session is not open.
  void WriteLevel(const Tessel::WideString& player, const Tessel::String& exitReason, const LevelStatistics& level);
  // Writes the end tag and closes the file.
  void Close();

  // When the session started, on the clock it was given.
  uint32_t GetStartTime() const { return StartTime; }
  const Tessel::String& GetId() const { return Id; }

private:
  void WriteStartTag();
  void CloseFile();

  Tessel::Clock& TheClock;
  const Tessel::MachineInfo& Machine;
  std::FILE* File = nullptr;
  std::unique_ptr<Tessel::XmlWriter> Writer;
  uint32_t StartTime = 0;
  Tessel::String Id;
};

// "%08X%08X" of two numbers of two 16-bit halves each, high half first, each
// half round(rand() / 32767 * 65534) from the game's random generator.
Tessel::String MakeSessionId();

}  // namespace Corvanta
