#include "game/online/StatsSession.h"

#include <sys/file.h>
#include <sys/stat.h>

#include <cmath>
#include <string>

#include "game/online/LevelStatistics.h"
#include "game/online/SessionTail.h"
#include "tessel/Exception.h"
#include "tessel/Format.h"
#include "tessel/Log.h"
#include "tessel/Random.h"
#include "tessel/app/Clock.h"
#include "tessel/app/MachineInfo.h"
#include "tessel/xml/XmlWriter.h"

namespace Corvanta {

using namespace Tessel;

namespace {

// How much of the end of the file is read to find an open session: far more
// than any session takes.
constexpr long TailBytes = 4 << 20;

uint32_t RandomHalf() { return static_cast<uint32_t>(std::lround(Rand() / 32767.0 * 65534)); }

uint32_t RandomNumber() {
  uint32_t high = RandomHalf();
  uint32_t low = RandomHalf();
  return high << 16 | low;
}

std::string ReadTail(std::FILE* file, long size) {
  long from = size > TailBytes ? size - TailBytes : 0;
  std::string tail;
  if (std::fseek(file, from, SEEK_SET) != 0) return tail;
  tail.resize(static_cast<size_t>(size - from));
  tail.resize(std::fread(tail.data(), 1, tail.size(), file));
  return tail;
}

XmlWriterSettings StatsFileSettings() {
  XmlWriterSettings settings;
  settings.OmitXmlDeclaration = true;
  settings.WriteByteOrderMark = false;
  return settings;
}

}  // namespace

String MakeSessionId() {
  uint32_t first = RandomNumber();
  uint32_t second = RandomNumber();
  return Format("%08X%08X", first, second);
}

StatsSession::StatsSession(Clock& clock, const MachineInfo& machine) : TheClock(clock), Machine(machine) {}

StatsSession::~StatsSession() {
  try {
    Close();
  } catch (const Exception&) {
    // What was written is on the disk; the next run closes the session.
  }
  CloseFile();
}

bool StatsSession::Open(const String& path) {
  if (IsOpen()) return true;
  // Reading and appending, never truncating; not inherited by programs the game starts.
  File = std::fopen(path.CStr(), "a+be");
  if (!File) {
    PrintLog("error: cannot open '%s'; no play statistics this time\n", path);
    return false;
  }
  struct stat info;
  if (fstat(fileno(File), &info) != 0 || !S_ISREG(info.st_mode)) {
    PrintLog("error: '%s' is not a file; no play statistics this time\n", path);
    CloseFile();
    return false;
  }
  // Two copies of the game writing at once would interleave their sessions.
  if (flock(fileno(File), LOCK_EX | LOCK_NB) != 0) {
    PrintLog("error: '%s' is in use by another copy of the game; no play statistics this time\n", path);
    CloseFile();
    return false;
  }
  SessionTail tail = FindSessionTail(ReadTail(File, static_cast<long>(info.st_size)));
  std::string_view closing = ClosingOf(tail);
  if (!closing.empty()) {
    if (std::fseek(File, 0, SEEK_END) != 0 || std::fwrite(closing.data(), 1, closing.size(), File) != closing.size() ||
        std::fflush(File) != 0) {
      PrintLog("error: cannot write '%s'; no play statistics this time\n", path);
      CloseFile();
      return false;
    }
    PrintLog("'%s': closed the session an earlier run left open\n", path);
  } else if (tail == SESSIONTAIL_Torn) {
    PrintLog("error: '%s' ends inside a record; it is kept as it is\n", path);
  }
  Writer = std::make_unique<XmlWriter>(StatsFileSettings(), File);
  StartTime = TheClock.GetMilliseconds();
  Id = MakeSessionId();
  try {
    WriteStartTag();
  }
  TESSEL_TRACE("StatsSession::Open")
  return true;
}

void StatsSession::WriteStartTag() {
  Writer->WriteStartElement(u"session");
  Writer->WriteAttribute(u"id", ToWide(Id));
  if (std::optional<int> mhz = Machine.GetProcessorMhz()) Writer->WriteAttribute(u"cpuMhz", FormatWide(u"%i", *mhz));
  Writer->WriteAttribute(u"memMb", FormatWide(u"%u", Machine.GetMemoryMb()));
  Writer->FlushToFile();
}

void StatsSession::WriteLevel(const WideString& player, const String& exitReason, const LevelStatistics& level) {
  if (!IsOpen()) return;
  try {
    String reason = level.IsOvertime ? exitReason + "+" : exitReason;
    uint32_t now = TheClock.GetMilliseconds();
    Writer->WriteStartElement(u"level");
    Writer->WriteAttribute(u"player", player);
    Writer->WriteAttribute(u"exitReason", ToWide(reason));
    Writer->WriteAttribute(u"name", ToWide(level.Name));
    Writer->WriteAttribute(u"bankAccount", FormatWide(u"%i", level.BankAccount));
    Writer->WriteAttribute(u"income", FormatWide(u"%i", level.Income));
    Writer->WriteAttribute(u"population", FormatWide(u"%i", level.Population));
    Writer->WriteAttribute(u"appearance", FormatWide(u"%i", level.Appearance));
    Writer->WriteAttribute(u"propertyValue", FormatWide(u"%I64u", level.PropertyValue));
    Writer->WriteAttribute(u"days", FormatWide(u"%i", level.Days));
    Writer->WriteAttribute(u"startTime", FormatWide(u"%u", level.StartTime - StartTime));
    Writer->WriteAttribute(u"endTime", FormatWide(u"%u", now - StartTime));
    Writer->WriteEndElement();
    if (!Writer->FlushToFile()) PrintLog("error: cannot write the play statistics\n");
  }
  TESSEL_TRACE("StatsSession::WriteLevel")
}

void StatsSession::Close() {
  if (!IsOpen()) return;
  try {
    Writer->WriteFullEndElement();
    if (!Writer->Close()) PrintLog("error: cannot write the play statistics\n");
  }
  TESSEL_TRACE("StatsSession::Close")
  CloseFile();
}

void StatsSession::CloseFile() {
  Writer.reset();
  if (File) std::fclose(File);
  File = nullptr;
}

}  // namespace Corvanta
