#include "game/shell/GameRecords.h"

#include <algorithm>

#include "game/rules/Balance.h"
#include "game/shell/PlayerProfile.h"
#include "game/shell/UserFiles.h"
#include "tessel/Exception.h"
#include "tessel/Format.h"
#include "tessel/Log.h"
#include "tessel/text/LocalizedText.h"
#include "tessel/xml/XmlReader.h"
#include "tessel/xml/XmlWriter.h"

namespace Corvanta {

using namespace Tessel;

namespace {

constexpr int NumTopResults = GameRecords::NumTopResults;

WideString TextOf(const XmlReader& xml, const char* name) {
  const WideString* value = xml.GetAttributeNoCase(name);
  return value ? *value : WideString();
}

uint32_t IdentifierOf(const XmlReader& xml) {
  const WideString* text = xml.GetAttributeNoCase("playerUid");
  if (!text) text = xml.GetAttributeNoCase("bestTimePlayerUid");
  if (!text || text->size() != 8) return 0;
  return WideToHex(*text);
}

uint64_t Unsigned64Of(const XmlReader& xml, const char* name) {
  const WideString* text = xml.GetAttributeNoCase(name);
  uint64_t value = 0;
  if (!text) return 0;
  for (char16_t c : *text) {
    if (c < '0' || c > '9') break;
    uint64_t next = value * 10 + static_cast<uint64_t>(c - '0');
    if (next / 10 != value) return UINT64_MAX;
    value = next;
  }
  return value;
}

int IntOf(const XmlReader& xml, const char* name) {
  const WideString* text = xml.GetAttributeNoCase(name);
  return text ? WideToInt(*text) : 0;
}

WideString Hex8(uint32_t id) { return FormatWide(u"%08X", id); }

}  // namespace

TopResultDefaults TopResultDefaults::From(const Balance& balance) {
  TopResultDefaults defaults;
  for (int i = 0; i < NumTopResults; ++i) {
    defaults.CareerCompanyValue[i] = balance.DefaultCareerCompanyValue[static_cast<size_t>(i)];
    defaults.SandboxDays[i] = balance.DefaultSandboxDays[static_cast<size_t>(i)];
    defaults.SandboxMoney[i] = balance.DefaultSandboxMoney[static_cast<size_t>(i)];
  }
  return defaults;
}

void GameRecords::Reset(const LevelLists& lists) {
  CareerLevels.Clear();
  SandboxLevels.Clear();
  CareerLevels.SetSize(lists.Career.GetSize());
  SandboxLevels.SetSize(lists.Sandbox.GetSize());
  for (CareerTopResult& r : CareerTop) r = CareerTopResult();
  for (auto& level : SandboxTop)
    for (SandboxTopResult& r : level) r = SandboxTopResult();
}

void GameRecords::Load(const String& folder, const LevelLists& lists, const TopResultDefaults& defaults) {
  try {
    try {
      Reset(lists);
      String path = folder + FileName;
      String backup = BackupPathOf(path);
      if (FileExists(path) && !ReadFile(path, lists)) {
        SetAsideUnreadable(path);
        if (FileExists(backup)) {
          Reset(lists);
          if (ReadFile(backup, lists)) PrintLog("Game records read from '%s'\n", backup);
        }
      } else if (!FileExists(path) && FileExists(backup)) {
        ReadFile(backup, lists);
      }
      FillDefaults(defaults);
    }
    TESSEL_TRACE("GameRecords::Load")
  }
  TESSEL_TRACE("LoadGameRecords")
}

bool GameRecords::ReadFile(const String& path, const LevelLists& lists) {
  XmlReader xml(path);
  enum Section { SECTION_None, SECTION_Levels, SECTION_Career, SECTION_Sandbox } section = SECTION_None;
  bool sawRoot = false;
  while (xml.Read()) {
    if (xml.NodeType != XMLNODE_Element) continue;
    const WideString& name = xml.Name;
    if (EqualsNoCase(name, "Records")) {
      sawRoot = true;
    } else if (EqualsNoCase(name, "LevelRecords")) {
      section = SECTION_Levels;
    } else if (EqualsNoCase(name, "CareerTopResults")) {
      section = SECTION_Career;
    } else if (EqualsNoCase(name, "SandboxTopResults")) {
      section = SECTION_Sandbox;
    } else if (section == SECTION_Levels && EqualsNoCase(name, "Level")) {
      String levelName = ToNarrow(TextOf(xml, "name"));
      LevelRecord record;
      record.BestTimeDays = IntOf(xml, "bestTime");
      record.BestTimePlayerName = TextOf(xml, "bestTimePlayerName");
      record.BestTimePlayerId = IdentifierOf(xml);
      if (record.BestTimeDays < 0 || (record.BestTimeDays > 0 && !IsUsableName(record.BestTimePlayerName))) {
        PrintLog("error: '%s': the best time of level '%s' is not valid and was dropped\n", path, levelName);
        record = LevelRecord();
      }
      int career = lists.FindCareer(levelName);
      int sandbox = career < 0 ? lists.FindSandbox(levelName) : -1;
      if (career >= 0) CareerLevels[career] = record;
      if (sandbox >= 0) SandboxLevels[sandbox] = record;
    } else if (section == SECTION_Career && EqualsNoCase(name, "Result")) {
      CareerTopResult result;
      result.PlayerId = IdentifierOf(xml);
      result.PlayerName = TextOf(xml, "playerName");
      result.CompanyName = TextOf(xml, "companyName");
      result.CompanyValue = Unsigned64Of(xml, "companyValue");
      if (result.PlayerId == 0 || !IsUsableName(result.PlayerName)) continue;  // not a real player's result
      for (CareerTopResult& slot : CareerTop) {
        if (slot.PlayerId == 0) {
          slot = result;
          break;
        }
      }
    } else if (section == SECTION_Sandbox && EqualsNoCase(name, "Result")) {
      int level = lists.FindSandbox(ToNarrow(TextOf(xml, "levelName")));
      SandboxTopResult result;
      result.PlayerId = IdentifierOf(xml);
      result.PlayerName = TextOf(xml, "playerName");
      result.CompanyName = TextOf(xml, "companyName");
      result.Days = std::max(0, IntOf(xml, "days"));
      result.Money = IntOf(xml, "money");
      if (level < 0 || level >= NumSandboxLevels || result.PlayerId == 0 || !IsUsableName(result.PlayerName)) continue;
      for (SandboxTopResult& slot : SandboxTop[level]) {
        if (slot.PlayerId == 0) {
          slot = result;
          break;
        }
      }
    }
  }
  if (!sawRoot && !xml.HasError()) PrintLog("error: '%s' is not a records file\n", path);
  return sawRoot && !xml.HasError();
}

void GameRecords::FillDefaults(const TopResultDefaults& defaults) {
  LocalizedText& texts = LocalizedText::Instance();
  auto name = [&](int n) { return texts.GetText(Format("DefaultTopPlayer%i", n)); };
  auto company = [&](int n) { return texts.GetText(Format("DefaultTopPlayerCompany%i", n)); };
  int n = 0;
  for (CareerTopResult& slot : CareerTop) {
    if (slot.PlayerId != 0) continue;
    slot.PlayerName = name(n + 1);
    slot.CompanyName = company(n + 1);
    slot.CompanyValue = defaults.CareerCompanyValue[n];
    ++n;
  }
  for (auto& level : SandboxTop) {
    int filled = 0;
    for (SandboxTopResult& slot : level) {
      if (slot.PlayerId != 0) continue;
      slot.PlayerName = name(filled + 1);
      slot.CompanyName = company(filled + 1);
      slot.Days = defaults.SandboxDays[filled];
      slot.Money = defaults.SandboxMoney[filled];
      ++filled;
    }
  }
}

bool GameRecords::Save(const String& folder, const LevelLists& lists) const {
  try {
    if (CareerLevels.IsEmpty() && SandboxLevels.IsEmpty()) return true;
    TESSEL_ASSERT(lists.Career.GetSize() >= CareerLevels.GetSize());
    TESSEL_ASSERT(lists.Sandbox.GetSize() >= SandboxLevels.GetSize());
    MakeFolders(folder);
    String path = folder + FileName;
    XmlWriter xml(path);
    xml.SetBackupPath(BackupPathOf(path));
    xml.WriteStartElement(u"Records");
    xml.WriteStartElement(u"LevelRecords");
    auto writeLevel = [&](const LevelRecord& record, const String& name) {
      xml.WriteStartElement(u"Level");
      xml.WriteAttribute(u"name", ToWide(name));
      if (record.BestTimeDays > 0) {
        xml.WriteAttribute(u"bestTime", FormatWide(u"%i", record.BestTimeDays));
        xml.WriteAttribute(u"bestTimePlayerName", record.BestTimePlayerName);
        xml.WriteAttribute(u"bestTimePlayerUid", Hex8(record.BestTimePlayerId));
      }
      xml.WriteEndElement();
    };
    for (int i = 0; i < CareerLevels.GetSize(); ++i) writeLevel(CareerLevels[i], lists.Career[i]);
    for (int i = 0; i < SandboxLevels.GetSize(); ++i) writeLevel(SandboxLevels[i], lists.Sandbox[i]);
    xml.WriteEndElement();
    xml.WriteStartElement(u"CareerTopResults");
    for (const CareerTopResult& r : CareerTop) {
      if (r.PlayerId == 0) continue;
      xml.WriteStartElement(u"Result");
      xml.WriteAttribute(u"playerUid", Hex8(r.PlayerId));
      xml.WriteAttribute(u"playerName", r.PlayerName);
      xml.WriteAttribute(u"companyName", r.CompanyName);
      xml.WriteAttribute(u"companyValue", FormatWide(u"%I64u", r.CompanyValue));
      xml.WriteEndElement();
    }
    xml.WriteEndElement();
    xml.WriteStartElement(u"SandboxTopResults");
    for (int level = 0; level < NumSandboxLevels && level < lists.Sandbox.GetSize(); ++level) {
      for (const SandboxTopResult& r : SandboxTop[level]) {
        if (r.PlayerId == 0) continue;
        xml.WriteStartElement(u"Result");
        xml.WriteAttribute(u"levelName", ToWide(lists.Sandbox[level]));
        xml.WriteAttribute(u"playerUid", Hex8(r.PlayerId));
        xml.WriteAttribute(u"playerName", r.PlayerName);
        xml.WriteAttribute(u"companyName", r.CompanyName);
        xml.WriteAttribute(u"days", FormatWide(u"%i", r.Days));
        xml.WriteAttribute(u"money", FormatWide(u"%i", r.Money));
        xml.WriteEndElement();
      }
    }
    xml.WriteEndElement();
    xml.WriteEndElement();
    return xml.Close();
  }
  TESSEL_TRACE("GameRecords::Save")
}

void GameRecords::UpdateBestTime(Array<LevelRecord>& records, int level, int days, const PlayerProfile& player) {
  if (level < 0) return;
  if (records.GetSize() <= level) records.SetSize(level + 1);
  LevelRecord& record = records[level];
  if (record.BestTimeDays == 0 || days < record.BestTimeDays) {
    record.BestTimeDays = days;
    record.BestTimePlayerName = player.Name;
    record.BestTimePlayerId = player.Id;
  }
}

bool GameRecords::RecordCareerLevel(int level, int days, const PlayerProfile& player) {
  UpdateBestTime(CareerLevels, level, days, player);
  uint64_t value = player.GetCompanyValue();
  CareerTopResult* target = nullptr;
  for (CareerTopResult& r : CareerTop)
    if (r.PlayerId == player.Id) target = &r;
  if (target) {
    if (target->CompanyValue >= value) return false;
  } else {
    for (CareerTopResult& r : CareerTop)
      if (r.CompanyValue < value && (!target || r.CompanyValue < target->CompanyValue)) target = &r;
    if (!target) return false;
  }
  target->PlayerId = player.Id;
  target->PlayerName = player.Name;
  target->CompanyName = player.CompanyName;
  target->CompanyValue = value;
  return true;
}

bool GameRecords::RecordSandboxLevel(int level, int days, int money, const PlayerProfile& player) {
  UpdateBestTime(SandboxLevels, level, days, player);
  if (level < 0 || level >= NumSandboxLevels) return false;
  SandboxTopResult* target = nullptr;
  for (SandboxTopResult& r : SandboxTop[level])
    if (r.PlayerId == player.Id) target = &r;
  if (target) {
    if (days >= target->Days) return false;
  } else {
    for (SandboxTopResult& r : SandboxTop[level])
      if (r.Days > days && (!target || r.Days > target->Days)) target = &r;
    if (!target) return false;
  }
  target->PlayerId = player.Id;
  target->PlayerName = player.Name;
  target->CompanyName = player.CompanyName;
  target->Days = days;
  target->Money = money;
  return true;
}

Array<CareerTopResult> GameRecords::SortedCareerResults() const {
  Array<CareerTopResult> sorted;
  for (const CareerTopResult& r : CareerTop) sorted.Add(r);
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const CareerTopResult& a, const CareerTopResult& b) { return a.CompanyValue > b.CompanyValue; });
  return sorted;
}

Array<SandboxTopResult> GameRecords::SortedSandboxResults(int level) const {
  Array<SandboxTopResult> sorted;
  if (level < 0 || level >= NumSandboxLevels) return sorted;
  for (const SandboxTopResult& r : SandboxTop[level]) sorted.Add(r);
  std::stable_sort(sorted.begin(), sorted.end(), [](const SandboxTopResult& a, const SandboxTopResult& b) {
    return a.Days != b.Days ? a.Days < b.Days : a.Money > b.Money;
  });
  return sorted;
}

}  // namespace Corvanta
