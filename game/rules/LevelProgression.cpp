#include "game/rules/LevelProgression.h"

#include "game/rules/Character.h"
#include "game/rules/ContentException.h"
#include "game/rules/ContentReading.h"
#include "game/rules/TokenList.h"
#include "tessel/Exception.h"
#include "tessel/text/LocalizedText.h"
#include "tessel/xml/XmlReader.h"

namespace Corvanta {

using namespace Tessel;

namespace {

LevelProgression& CurrentLevels() {
  static LevelProgression current;
  return current;
}

// Attribute names are exact here.
LevelProgressionRecord ReadLevel(const XmlReader& xml, const LocalizedText& texts) {
  LevelProgressionRecord record;
  for (const XmlAttribute& a : xml.Attributes) {
    const WideString& v = a.Value;
    if (NameEquals(a.Name, "name")) {
      record.Name = ToNarrow(v);
    } else if (NameEquals(a.Name, "unlock")) {
      for (const WideString& token : SplitList(v, u", ", TOKENS_DropEmpty)) record.Unlock.Add(ToNarrow(token));
    } else if (NameEquals(a.Name, "initialBankAccount")) {
      record.InitialBankAccount = ParseIntValue(xml, v, "initialBankAccount");
    } else if (NameEquals(a.Name, "vans")) {
      record.Vans = ParseIntValue(xml, v, "vans");
    } else if (NameEquals(a.Name, "expertDays")) {
      record.ExpertDays = ParseIntValue(xml, v, "expertDays");
    } else if (NameEquals(a.Name, "rewardPoints")) {
      record.RewardPoints = ParseIntValue(xml, v, "rewardPoints");
    } else if (NameEquals(a.Name, "rewardPointsExpertBonus")) {
      record.RewardPointsExpertBonus = ParseIntValue(xml, v, "rewardPointsExpertBonus");
    } else if (NameEquals(a.Name, "mp")) {
      ScanIntsInto(v, {&record.MapPosition.X, &record.MapPosition.Y});
    } else if (NameEquals(a.Name, "mname")) {
      record.DisplayName = texts.GetText(v);
    } else if (NameEquals(a.Name, "customSpeechAtEnd")) {
      record.CustomSpeechAtEnd = texts.GetText(v);
    } else if (NameEquals(a.Name, "customCharacterAtEnd")) {
      record.CustomCharacterAtEnd = CharacterFromName(std::u16string_view(v));
    }
  }
  return record;
}

void ReadLevelList(XmlReader& xml, Array<LevelProgressionRecord>& list, const LocalizedText& texts) {
  VisitChildren(xml, [&](XmlReader& child) {
    if (NameEquals(child.Name, "Level")) list.Add(ReadLevel(child, texts));
    child.Skip();
  });
}

const LevelProgressionRecord* FindByName(const Array<LevelProgressionRecord>& list, const String& name) {
  for (const LevelProgressionRecord& record : list)
    if (record.Name == name) return &record;
  return nullptr;
}

}  // namespace

Array<BuildingKind> LevelProgressionRecord::GetUnlockedKinds() const {
  Array<BuildingKind> kinds;
  for (const String& id : Unlock) {
    BuildingKind kind = BuildingKindFromName(id);
    if (HasBalanceRecord(kind)) kinds.Add(kind);
  }
  return kinds;
}

bool LevelProgression::IsUnlocked(const String& identifier, int careerLevel) const {
  int last = careerLevel < Career.GetSize() ? careerLevel : Career.GetSize() - 1;
  for (int level = 0; level <= last; ++level)
    for (const String& id : Career[level].Unlock)
      if (id == identifier) return true;
  return false;
}

const LevelProgressionRecord* LevelProgression::FindCareerLevel(const String& name) const {
  return FindByName(Career, name);
}

const LevelProgressionRecord* LevelProgression::FindSandboxMap(const String& name) const {
  return FindByName(Sandbox, name);
}

LevelProgression LevelProgression::Read(XmlReader& xml, const LocalizedText& texts) {
  LevelProgression levels;
  MoveToRoot(xml);
  xml.Read();
  VisitElementsToEnd(xml, [&](XmlReader& element) {
    if (NameEquals(element.Name, "Career")) {
      ReadLevelList(element, levels.Career, texts);
    } else if (NameEquals(element.Name, "Sandbox")) {
      ReadLevelList(element, levels.Sandbox, texts);
    } else {
      element.Skip();
    }
  });
  levels.Loaded = true;
  return levels;
}

LevelProgression LevelProgression::Load(const String& path, const LocalizedText& texts) {
  try {
    XmlReader xml(path);
    return Read(xml, texts);
  }
  TESSEL_TRACE("Balance::Load")
}

const LevelProgression& LevelProgression::Current() { return CurrentLevels(); }
void LevelProgression::Install(LevelProgression levels) { CurrentLevels() = std::move(levels); }
void LevelProgression::Reset() { CurrentLevels() = LevelProgression(); }

}  // namespace Corvanta
