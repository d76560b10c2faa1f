#include "game/shell/PlayerProfiles.h"

#include <cmath>
#include <cstdio>

#include "game/rules/Character.h"
#include "game/shell/UserFiles.h"
#include "tessel/Exception.h"
#include "tessel/Format.h"
#include "tessel/Log.h"
#include "tessel/Random.h"
#include "tessel/text/ValueParsers.h"
#include "tessel/xml/XmlReader.h"
#include "tessel/xml/XmlWriter.h"

namespace Corvanta {

using namespace Tessel;

namespace {

constexpr uint32_t UpgradeMask = (1u << PlayerProfile::NumOfficeUpgrades) - 1;
constexpr uint32_t GiftMask = (1u << PlayerProfile::NumGifts) - 1;
constexpr uint32_t TrophyMask = (1u << 11) - 1;

// Decimal digits as an unsigned 64-bit value; stops at the first other character.
uint64_t ParseUnsigned64(const WideString& text) {
  uint64_t value = 0;
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    uint64_t next = value * 10 + static_cast<uint64_t>(text[i] - '0');
    if (next / 10 != value) return UINT64_MAX;  // saturate instead of wrapping
    value = next;
  }
  return value;
}

// An identifier is eight hexadecimal digits; anything else is no identifier.
uint32_t ParseIdentifier(const WideString* text) {
  if (!text || text->size() != 8) return 0;
  for (char16_t c : *text)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))) return 0;
  return WideToHex(*text);
}

int ReadInt(const XmlReader& xml, const char* name, int fallback = 0) {
  const WideString* value = xml.GetAttributeNoCase(name);
  return value ? WideToInt(*value) : fallback;
}

uint32_t ReadComplemented(const XmlReader& xml, const char* name) {
  const WideString* value = xml.GetAttributeNoCase(name);
  return value ? ~WideToUnsigned(*value) : 0u;
}

bool ReadBool(const XmlReader& xml, const char* name, bool fallback = false) {
  const WideString* value = xml.GetAttributeNoCase(name);
  return value ? ParseBool(*value) : fallback;
}

LevelResult ReadResult(const XmlReader& xml) {
  LevelResult result;
  if (const WideString* name = xml.GetAttributeNoCase("levelName")) result.LevelName = ToNarrow(*name);
  result.Days = ReadInt(xml, "days");
  result.Population = ReadInt(xml, "population");
  if (const WideString* value = xml.GetAttributeNoCase("propertyValue")) result.PropertyValue = ParseUnsigned64(*value);
  result.IsExpertResult = ReadBool(xml, "isExpertResult");
  return result;
}

int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

void WriteResults(XmlWriter& xml, const char16_t* element, const Array<LevelResult>& results) {
  for (const LevelResult& r : results) {
    xml.WriteStartElement(element);
    xml.WriteAttribute(u"levelName", ToWide(r.LevelName));
    xml.WriteAttribute(u"days", FormatWide(u"%i", r.Days));
    xml.WriteAttribute(u"population", FormatWide(u"%i", r.Population));
    xml.WriteAttribute(u"propertyValue", FormatWide(u"%I64u", r.PropertyValue));
    xml.WriteAttribute(u"isExpertResult", r.IsExpertResult ? u"true" : u"false");
    xml.WriteEndElement();
  }
}

}  // namespace

void PlayerProfiles::Clear() {
  Profiles.clear();
  Current = nullptr;
}

bool PlayerProfiles::IsIdInUse(uint32_t id, const PlayerProfile* except) const {
  for (const auto& p : Profiles)
    if (p.get() != except && p->Id == id) return true;
  return false;
}

uint32_t PlayerProfiles::NewIdentifier() const {
  for (;;) {
    uint32_t high = static_cast<uint32_t>(std::round(Rand() / 32767.0 * 65534));
    uint32_t low = static_cast<uint32_t>(std::round(Rand() / 32767.0 * 65534));
    uint32_t id = high * 65536 + low;
    if (id != 0 && !IsIdInUse(id, nullptr)) return id;
  }
}

PlayerProfile* PlayerProfiles::Find(const WideString& name) const {
  for (const auto& p : Profiles)
    if (p->Name == name) return p.get();
  return nullptr;
}

PlayerProfile* PlayerProfiles::FindOrCreate(const WideString& name, bool isWindowed, int soundVolume, int musicVolume) {
  if (!IsUsableName(name)) return nullptr;
  if (PlayerProfile* existing = Find(name)) return existing;
  auto profile = std::make_unique<PlayerProfile>();
  profile->Name = name;
  profile->Id = NewIdentifier();
  profile->IsWindowed = isWindowed;
  profile->SoundVolume = Clamp(soundVolume, 0, PlayerProfile::MaxVolume);
  profile->MusicVolume = Clamp(musicVolume, 0, PlayerProfile::MaxVolume);
  Profiles.push_back(std::move(profile));
  return Profiles.back().get();
}

void PlayerProfiles::Delete(PlayerProfile* profile, const String& folder) {
  for (size_t i = 0; i < Profiles.size(); ++i) {
    if (Profiles[i].get() != profile) continue;
    if (Current == profile) Current = nullptr;
    if (profile->Id != 0) RemoveFolder(folder + profile->GetFolderName());
    Profiles.erase(Profiles.begin() + static_cast<std::ptrdiff_t>(i));
    return;
  }
}

void PlayerProfiles::SortRecords(const LevelLists& lists) {
  for (const auto& p : Profiles) p->SortRecords(lists);
}

void PlayerProfiles::Load(const String& folder, const LevelLists* lists) {
  try {
    Clear();
    String path = folder + FileName;
    String backup = BackupPathOf(path);
    if (!FileExists(path) && !FileExists(backup)) return;
    if (FileExists(path) && ReadFile(path, lists)) return;
    // Damaged or missing: keep what it was aside and fall back to the backup
    // when that reads through; otherwise keep what could be read.
    std::vector<std::unique_ptr<PlayerProfile>> partial;
    partial.swap(Profiles);
    PlayerProfile* partialCurrent = Current;
    if (FileExists(path)) SetAsideUnreadable(path);
    Current = nullptr;
    if (FileExists(backup) && ReadFile(backup, lists) && !Profiles.empty()) {
      PrintLog("Player profiles read from '%s'\n", backup);
      return;
    }
    Profiles.swap(partial);
    Current = partialCurrent;
  }
  TESSEL_TRACE("LoadPlayerProfiles")
}

bool PlayerProfiles::ReadFile(const String& path, const LevelLists* lists) {
  Profiles.clear();
  Current = nullptr;
  XmlReader xml(path);
  while (xml.Read() && xml.NodeType != XMLNODE_Element) {
  }
  if (xml.NodeType != XMLNODE_Element || !EqualsNoCase(xml.Name, "Profiles")) {
    if (!xml.HasError()) PrintLog("error: '%s' is not a profiles file\n", path);
    return false;
  }
  WideString currentName;
  if (const WideString* name = xml.GetAttributeNoCase("current")) currentName = *name;
  uint32_t currentId = ParseIdentifier(xml.GetAttributeNoCase("currentID"));

  PlayerProfile* byId = nullptr;
  PlayerProfile* byName = nullptr;
  while (xml.Read()) {
    if (xml.NodeType != XMLNODE_Element || !EqualsNoCase(xml.Name, "Player")) continue;
    auto profile = std::make_unique<PlayerProfile>();
    ReadPlayer(xml, *profile);
    if (xml.HasError()) break;
    Repair(*profile, lists);
    if (!byId && currentId != 0 && profile->Id == currentId) byId = profile.get();
    if (!byName && !currentName.empty() && profile->Name == currentName) byName = profile.get();
    Profiles.push_back(std::move(profile));
  }
  Current = byId ? byId : byName;
  if (!Current && !Profiles.empty()) Current = Profiles.front().get();
  if (xml.HasError()) return false;
  return true;
}

void PlayerProfiles::ReadPlayer(XmlReader& xml, PlayerProfile& profile) {
  TESSEL_ASSERT(xml.NodeType == XMLNODE_Element);
  if (const WideString* name = xml.GetAttributeNoCase("name")) profile.Name = *name;
  profile.Id = ParseIdentifier(xml.GetAttributeNoCase("puid"));
  profile.Career.NumLevelsCompleted = ReadInt(xml, "numCareerLevelsCompleted", ReadInt(xml, "maxCareerLevelAvailable"));
  profile.Career.CurrentLevel = ReadInt(xml, "currentCareerLevel");
  profile.Career.IsInterrupted = ReadBool(xml, "careerLevelInterrupted");
  profile.Sandbox.NumLevelsCompleted =
      ReadInt(xml, "numSandboxLevelsCompleted", ReadInt(xml, "maxSandboxLevelAvailable"));
  profile.Sandbox.CurrentLevel = ReadInt(xml, "currentSandboxLevel");
  profile.Sandbox.IsInterrupted = ReadBool(xml, "sandboxLevelInterrupted");
  if (const WideString* company = xml.GetAttributeNoCase("companyName")) profile.CompanyName = *company;
  if (const WideString* points = xml.GetAttributeNoCase("rewardPoints")) profile.RewardPoints = ~WideToInt(*points);
  profile.OfficeUpgradesBought = ReadComplemented(xml, "upgradesBought");
  profile.GiftsAcquired = ReadComplemented(xml, "giftsAcquired");
  profile.TrophiesAcquired = ReadComplemented(xml, "trophiesAcquired");
  profile.Flags = ReadComplemented(xml, "flags");
  profile.IsWindowed = ReadBool(xml, "isWindowed", true);
  profile.MusicVolume = ReadInt(xml, "soundVolume", PlayerProfile::MaxVolume);  // the two names are swapped
  profile.SoundVolume = ReadInt(xml, "musicVolume", PlayerProfile::MaxVolume);
  if (const WideString* assistant = xml.GetAttributeNoCase("assistant")) profile.Assistant = CharacterFromName(*assistant);

  // The records inside the element; other children are passed over whole.
  int depth = xml.GetDepth();
  xml.Read();
  while (!xml.HasError() && !xml.IsAtEnd()) {
    if (xml.NodeType == XMLNODE_EndElement && xml.GetDepth() == depth) return;
    if (xml.NodeType != XMLNODE_Element) {
      xml.Read();
      continue;
    }
    bool career = EqualsNoCase(xml.Name, "CareerRecord");
    if (career || EqualsNoCase(xml.Name, "SandboxRecord")) {
      LevelResult result = ReadResult(xml);
      if (result.LevelName.IsEmpty()) {
        PrintLog("error: a level result without a level name was dropped from '%s'\n", xml.GetPath());
      } else {
        (career ? profile.CareerRecords : profile.SandboxRecords).Add(result);
      }
    }
    xml.Skip();
  }
}

// A file is only ever a suggestion: values the game could not work with are
// brought back into range, and every profile gets a folder of its own.
void PlayerProfiles::Repair(PlayerProfile& profile, const LevelLists* lists) {
  if (!IsUsableName(profile.Name)) {
    WideString name;
    for (int n = GetCount() + 1; name.empty() || Find(name); ++n) name = FormatWide(u"Player %i", n);
    PrintLog("error: a profile without a name was renamed '%ls'\n", name);
    profile.Name = name;
  }
  if (profile.Id == 0 || IsIdInUse(profile.Id, &profile)) {
    if (profile.Id != 0) PrintLog("error: two profiles had the identifier %08X\n", profile.Id);
    profile.Id = NewIdentifier();
  }
  int careerLimit = lists ? lists->Career.GetSize() : INT32_MAX;
  int sandboxLimit = lists ? lists->Sandbox.GetSize() : INT32_MAX;
  profile.Career.NumLevelsCompleted = Clamp(profile.Career.NumLevelsCompleted, 0, careerLimit);
  profile.Career.CurrentLevel = Clamp(profile.Career.CurrentLevel, 0, careerLimit > 0 ? careerLimit - 1 : 0);
  profile.Sandbox.NumLevelsCompleted = Clamp(profile.Sandbox.NumLevelsCompleted, 0, sandboxLimit);
  profile.Sandbox.CurrentLevel = Clamp(profile.Sandbox.CurrentLevel, 0, sandboxLimit > 0 ? sandboxLimit - 1 : 0);
  if (profile.RewardPoints < 0) profile.RewardPoints = 0;
  profile.OfficeUpgradesBought &= UpgradeMask;
  profile.GiftsAcquired &= GiftMask;
  profile.TrophiesAcquired &= TrophyMask;
  profile.SoundVolume = Clamp(profile.SoundVolume, 0, PlayerProfile::MaxVolume);
  profile.MusicVolume = Clamp(profile.MusicVolume, 0, PlayerProfile::MaxVolume);
  if (profile.Assistant < 0) profile.Assistant = 0;
  for (LevelResult& r : profile.CareerRecords) {
    r.Days = r.Days < 0 ? 0 : r.Days;
    r.Population = r.Population < 0 ? 0 : r.Population;
  }
  for (LevelResult& r : profile.SandboxRecords) {
    r.Days = r.Days < 0 ? 0 : r.Days;
    r.Population = r.Population < 0 ? 0 : r.Population;
  }
  if (lists) profile.SortRecords(*lists);
}

bool PlayerProfiles::Save(const String& folder) const {
  try {
    String path = folder + FileName;
    if (Profiles.empty()) {
      if (FileExists(path)) std::remove(path.CStr());
      return true;
    }
    MakeFolders(folder);
    XmlWriter xml(path);
    xml.SetBackupPath(BackupPathOf(path));
    xml.WriteStartElement(u"Profiles");
    if (Current) xml.WriteAttribute(u"currentID", ToWide(Current->GetFolderName()));
    for (const auto& p : Profiles) {
      if (!IsUsableName(p->Name)) continue;
      xml.WriteStartElement(u"Player");
      xml.WriteAttribute(u"name", p->Name);
      if (p->Id != 0) xml.WriteAttribute(u"puid", ToWide(p->GetFolderName()));
      if (p->Career.NumLevelsCompleted > 0)
        xml.WriteAttribute(u"numCareerLevelsCompleted", FormatWide(u"%i", p->Career.NumLevelsCompleted));
      if (p->Career.CurrentLevel > 0) xml.WriteAttribute(u"currentCareerLevel", FormatWide(u"%i", p->Career.CurrentLevel));
      if (p->Career.IsInterrupted) xml.WriteAttribute(u"careerLevelInterrupted", u"true");
      if (p->Sandbox.NumLevelsCompleted > 0)
        xml.WriteAttribute(u"numSandboxLevelsCompleted", FormatWide(u"%i", p->Sandbox.NumLevelsCompleted));
      if (p->Sandbox.CurrentLevel > 0)
        xml.WriteAttribute(u"currentSandboxLevel", FormatWide(u"%i", p->Sandbox.CurrentLevel));
      if (p->Sandbox.IsInterrupted) xml.WriteAttribute(u"sandboxLevelInterrupted", u"true");
      if (!p->CompanyName.empty()) xml.WriteAttribute(u"companyName", p->CompanyName);
      if (p->RewardPoints > 0) xml.WriteAttribute(u"rewardPoints", FormatWide(u"%i", ~p->RewardPoints));
      if (p->OfficeUpgradesBought != 0) xml.WriteAttribute(u"upgradesBought", FormatWide(u"%u", ~p->OfficeUpgradesBought));
      if (p->GiftsAcquired != 0) xml.WriteAttribute(u"giftsAcquired", FormatWide(u"%u", ~p->GiftsAcquired));
      if (p->TrophiesAcquired != 0) xml.WriteAttribute(u"trophiesAcquired", FormatWide(u"%u", ~p->TrophiesAcquired));
      if (p->Flags != 0) xml.WriteAttribute(u"flags", FormatWide(u"%u", ~p->Flags));
      xml.WriteAttribute(u"isWindowed", p->IsWindowed ? u"true" : u"false");
      xml.WriteAttribute(u"soundVolume", FormatWide(u"%i", p->MusicVolume));  // the two names are swapped
      xml.WriteAttribute(u"musicVolume", FormatWide(u"%i", p->SoundVolume));
      if (p->Assistant != 0) xml.WriteAttribute(u"assistant", ToWide(GetCharacterName(p->Assistant)));
      WriteResults(xml, u"CareerRecord", p->CareerRecords);
      WriteResults(xml, u"SandboxRecord", p->SandboxRecords);
      xml.WriteEndElement();
    }
    xml.WriteEndElement();
    return xml.Close();
  }
  TESSEL_TRACE("MyGameApp::SavePlayerProfiles")
}

}  // namespace Corvanta
