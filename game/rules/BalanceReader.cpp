// Reading "BalanceSettings.xml" into a Balance.
//
// Element names are matched exactly, the attribute names of kind records and
// office upgrades without regard to case. Everything not recognised is
// skipped whole, so a file with elements of a newer version still reads.

#include <algorithm>
#include <limits>

#include "game/rules/Balance.h"
#include "game/rules/ContentException.h"
#include "game/rules/ContentReading.h"
#include "game/rules/NameCompare.h"
#include "game/rules/TokenList.h"
#include "tessel/Format.h"
#include "tessel/Log.h"
#include "tessel/text/ValueParsers.h"
#include "tessel/xml/XmlReader.h"

namespace Corvanta {

using namespace Tessel;

namespace {

// ---- global settings ----

struct IntSetting {
  const char* Name;
  int Balance::*Field;
};
struct FloatSetting {
  const char* Name;
  float Balance::*Field;
};
struct RangeSetting {
  const char* Name;
  FloatRange Balance::*Field;
};

constexpr IntSetting IntSettings[] = {
    {"StartingBankAccount", &Balance::StartingBankAccount},
    {"PayDayTime", &Balance::PayDayTime},
    {"ConstructionVanCost", &Balance::ConstructionVanCost},
    {"ForSaleDelayTimeMin", &Balance::ForSaleDelayTimeMin},
    {"ForSaleDelayTimeMax", &Balance::ForSaleDelayTimeMax},
    {"ForSaleWaitTimeMin", &Balance::ForSaleWaitTimeMin},
    {"ForSaleWaitTimeMax", &Balance::ForSaleWaitTimeMax},
    {"WorkshopExtendedRadius", &Balance::WorkshopExtendedRadius},
};

constexpr FloatSetting FloatSettings[] = {
    {"MarketToConstructionValueRatio", &Balance::MarketToConstructionValueRatio},
    {"MapScrollSpeedMin", &Balance::MapScrollSpeedMin},
    {"MapScrollSpeedMax", &Balance::MapScrollSpeedMax},
    {"MapScrollSpeedAccel", &Balance::MapScrollSpeedAccel},
    {"ConstructionVanSupplyTime", &Balance::ConstructionVanSupplyTime},
    {"ConstructionVanSpeedFull", &Balance::ConstructionVanSpeedFull},
    {"ConstructionVanSpeedSlow", &Balance::ConstructionVanSpeedSlow},
    {"WorkshopVanSpeedFull", &Balance::WorkshopVanSpeedFull},
    {"WorkshopVanSpeedSlow", &Balance::WorkshopVanSpeedSlow},
    {"WorkshopVanTimeAtBaseMin", &Balance::WorkshopVanTimeAtBaseMin},
    {"WorkshopVanTimeAtBaseMax", &Balance::WorkshopVanTimeAtBaseMax},
    {"WorkshopVanTimeAtHouseMin", &Balance::WorkshopVanTimeAtHouseMin},
    {"WorkshopVanTimeAtHouseMax", &Balance::WorkshopVanTimeAtHouseMax},
    {"CivilianCarSpeedFull", &Balance::CivilianCarSpeedFull},
    {"CivilianCarSpeedSlow", &Balance::CivilianCarSpeedSlow},
    {"TaxiCarsCountPerSitizenRatio", &Balance::TaxiCarsCountPerSitizenRatio},
    {"BuildingAuctionTimeMin", &Balance::BuildingAuctionTimeMin},
    {"BuildingAuctionTimeNorm", &Balance::BuildingAuctionTimeNorm},
    {"BuildingAuctionTimeMax", &Balance::BuildingAuctionTimeMax},
    {"BuildingJustConstructedTime", &Balance::BuildingJustConstructedTime},
    {"PremiumSquareBonusPercent", &Balance::PremiumSquareBonusPercent},
    {"OfficeSpeedUpPeriod", &Balance::OfficeSpeedUpPeriod},
    {"OfficeSpeedUpCooldown", &Balance::OfficeSpeedUpCooldown},
    {"OfficeSpeedUpMultiplier", &Balance::OfficeSpeedUpMultiplier},
    {"WorkshopExtendedPeriod", &Balance::WorkshopExtendedPeriod},
    {"WorkshopExtendedCooldown", &Balance::WorkshopExtendedCooldown},
    {"WorkshopRepairTime", &Balance::WorkshopRepairTime},
    {"BuildingInfoShowDelay", &Balance::BuildingInfoShowDelay},
    {"BuildingInfoHideDelay", &Balance::BuildingInfoHideDelay},
    {"PedestriansPerCitizenRatio", &Balance::PedestriansPerCitizenRatio},
    {"PedestriansSmileBasePeriodicity", &Balance::PedestriansSmileBasePeriodicity},
};

constexpr RangeSetting RangeSettings[] = {
    {"CivilianCarRespawnDelay", &Balance::CivilianCarRespawnDelay},
    {"RandomBonusRevenuesPercent", &Balance::RandomBonusRevenuesPercent},
    {"RandomBonusRevenuesDuration", &Balance::RandomBonusRevenuesDuration},
    {"RandomBonusRevenuesCooldown", &Balance::RandomBonusRevenuesCooldown},
    {"PedestriansRespawnDelay", &Balance::PedestriansRespawnDelay},
    {"PedestriansLifeTime", &Balance::PedestriansLifeTime},
    {"PedestriansSpeed", &Balance::PedestriansSpeed},
    {"PedestriansWalkTime", &Balance::PedestriansWalkTime},
    {"PedestriansStayTime", &Balance::PedestriansStayTime},
};

// Settings the simulation divides by (day length, ability progress) or moves
// vehicles with: zero or less would divide by zero or stall every van.
constexpr const char* PositiveFloatSettings[] = {
    "ConstructionVanSpeedFull", "ConstructionVanSpeedSlow", "WorkshopVanSpeedFull", "WorkshopVanSpeedSlow",
    "CivilianCarSpeedFull",     "CivilianCarSpeedSlow",     "OfficeSpeedUpPeriod",  "OfficeSpeedUpCooldown",
    "WorkshopExtendedPeriod",   "WorkshopExtendedCooldown",
};

template <typename Setting, size_t N>
const Setting* FindSetting(const Setting (&table)[N], const WideString& name) {
  for (const Setting& s : table)
    if (NameEquals(name, s.Name)) return &s;
  return nullptr;
}

// ---- kind records ----

enum LevelField { FIELD_Int, FIELD_Float, FIELD_IntPairAsRange, FIELD_Point, FIELD_RectF };

struct LevelAttribute {
  const char* Name;
  LevelField Type;
  int BuildingLevelBalance::*Int = nullptr;
  float BuildingLevelBalance::*Float = nullptr;
  FloatRange BuildingLevelBalance::*Range = nullptr;
  Point BuildingLevelBalance::*PointField = nullptr;
  RectF BuildingLevelBalance::*Rect = nullptr;
};

LevelAttribute IntField(const char* name, int BuildingLevelBalance::*field) { return {name, FIELD_Int, field}; }
LevelAttribute FloatField(const char* name, float BuildingLevelBalance::*field) {
  return {name, FIELD_Float, nullptr, field};
}
LevelAttribute RangeField(const char* name, FloatRange BuildingLevelBalance::*field) {
  return {name, FIELD_IntPairAsRange, nullptr, nullptr, field};
}

const LevelAttribute LevelAttributes[] = {
    IntField("value", &BuildingLevelBalance::Value),
    IntField("income", &BuildingLevelBalance::Income),
    IntField("repairCost", &BuildingLevelBalance::RepairCost),
    IntField("upgradeCost", &BuildingLevelBalance::UpgradeCost),
    IntField("population", &BuildingLevelBalance::Population),
    IntField("radius", &BuildingLevelBalance::Radius),
    IntField("incomePerVisitor", &BuildingLevelBalance::IncomePerVisitor),
    IntField("additionalValuePerVisitor", &BuildingLevelBalance::AdditionalValuePerVisitor),
    IntField("SpecialAbilityNumRounds", &BuildingLevelBalance::SpecialAbilityNumRounds),
    IntField("happiness", &BuildingLevelBalance::Happiness),
    FloatField("incomeRatio", &BuildingLevelBalance::IncomeRatio),
    FloatField("repairCostRatio", &BuildingLevelBalance::RepairCostRatio),
    FloatField("repairTime", &BuildingLevelBalance::RepairTime),
    FloatField("upgradeTime", &BuildingLevelBalance::UpgradeTime),
    FloatField("demolishTime", &BuildingLevelBalance::DemolishTime),
    FloatField("SpecialAbilityValue", &BuildingLevelBalance::SpecialAbilityValue),
    FloatField("SpecialAbilityPeriod", &BuildingLevelBalance::SpecialAbilityPeriod),
    FloatField("SpecialAbilityCooldown", &BuildingLevelBalance::SpecialAbilityCooldown),
    RangeField("breakPeriod", &BuildingLevelBalance::BreakPeriod),
    RangeField("carsTypes", &BuildingLevelBalance::CarsTypes),
    RangeField("carsCount", &BuildingLevelBalance::CarsCount),
    {"imageOffset", FIELD_Point, nullptr, nullptr, nullptr, &BuildingLevelBalance::ImageOffset},
    {"interfaceRect", FIELD_RectF, nullptr, nullptr, nullptr, nullptr, &BuildingLevelBalance::InterfaceRect},
};

// The attributes of the current element that name level values go into the
// record; the others are left for the caller or ignored.
void ReadLevelAttributes(const XmlReader& xml, BuildingLevelBalance& level) {
  for (const XmlAttribute& a : xml.Attributes) {
    for (const LevelAttribute& field : LevelAttributes) {
      if (!EqualsNoCase(a.Name, field.Name)) continue;
      switch (field.Type) {
        case FIELD_Int: level.*field.Int = ParseIntValue(xml, a.Value, field.Name); break;
        case FIELD_Float: level.*field.Float = ParseFloatValue(xml, a.Value, field.Name); break;
        case FIELD_IntPairAsRange: {
          Point p = ParsePoint(a.Value);
          level.*field.Range = {static_cast<float>(p.X), static_cast<float>(p.Y)};
          break;
        }
        case FIELD_Point: level.*field.PointField = ParsePoint(a.Value); break;
        case FIELD_RectF: level.*field.Rect = ParseRectF(a.Value); break;
      }
      break;
    }
  }
}

void ReadKind(XmlReader& xml, int kind, BuildingBalance& record) {
  const char* name = GetBuildingKindName(kind);
  record.IsInFile = true;
  record.ConstructionVansCount = 1;
  if (const WideString* v = FindAttributeNoCase(xml, "constructionTime"))
    record.ConstructionTime = ParseFloatValue(xml, *v, "constructionTime");
  if (const WideString* v = FindAttributeNoCase(xml, "constructionVansCount"))
    record.ConstructionVansCount = ParseIntValue(xml, *v, "constructionVansCount");
  // The kind element's own attributes are level 0's; a first Level child may override them.
  ReadLevelAttributes(xml, record.Levels[0]);
  int level = 0;
  VisitChildren(xml, [&](XmlReader& child) {
    if (NameEquals(child.Name, "Level")) {
      if (level < BuildingBalance::NumLevels) {
        ReadLevelAttributes(child, record.Levels[level]);
      } else {
        PrintLog("warning: '%s'(%i): %s has more than %i Level elements; the extra ones are ignored.\n",
                 child.GetPath(), child.GetLineNumber(), name, BuildingBalance::NumLevels);
      }
      ++level;
    }
    child.Skip();
  });
}

int KindOfElement(const WideString& name) {
  // Exactly the file names; "TutorialMarker" has no record.
  for (BuildingKind kind : GetBalanceKinds())
    if (NameEquals(name, GetBuildingKindName(kind))) return kind;
  return BDK_Unknown;
}

// ---- office upgrades ----

void ReadOfficeUpgrades(XmlReader& xml, Balance& balance) {
  VisitChildren(xml, [&](XmlReader& child) {
    OfficeUpgradeId id = OfficeUpgradeFromName(std::u16string_view(child.Name));
    if (id != OFUP_None) {
      OfficeUpgradeBalance& upgrade = balance.OfficeUpgrades[id];
      if (const WideString* v = FindAttributeNoCase(child, "price")) upgrade.Price = ParseIntValue(child, *v, "price");
      if (const WideString* v = FindAttributeNoCase(child, "needLevelsCompleted"))
        upgrade.NeedLevelsCompleted = ParseIntValue(child, *v, "needLevelsCompleted");
      if (const WideString* v = FindAttributeNoCase(child, "requiredUpgrades")) {
        upgrade.RequiredUpgrades = 0;
        for (const WideString& token : SplitList(*v, u" ,;|")) {
          OfficeUpgradeId required = OfficeUpgradeFromName(std::u16string_view(token));
          if (required != OFUP_None) upgrade.RequiredUpgrades |= 1u << required;
        }
      }
    }
    child.Skip();
  });
}

// ---- numbers of the lists ----

bool IsBlank(char16_t c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// A decimal of up to 64 bits: blanks before it and text after it are passed
// over, as scanf does. False without digits, with a sign, or when it does not
// fit: such a value is never a valid company value.
bool ParseUnsigned64(std::u16string_view text, uint64_t& value) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i < text.size() && text[i] == '+') ++i;
  size_t digits = i;
  uint64_t v = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    uint64_t digit = static_cast<uint64_t>(text[i] - '0');
    if (v > (std::numeric_limits<uint64_t>::max() - digit) / 10) return false;
    v = v * 10 + digit;
  }
  if (i == digits) return false;
  value = v;
  return true;
}

// "50kk": every trailing k (not the first character) multiplies by 1000.
int CountThousands(std::u16string_view& token) {
  int count = 0;
  while (token.size() > 1 && (token.back() == 'k' || token.back() == 'K')) {
    token.remove_suffix(1);
    ++count;
  }
  return count;
}

bool MultiplyThousands(uint64_t& value, int count, uint64_t limit) {
  for (int i = 0; i < count; ++i) {
    if (value > limit / 1000) return false;
    value *= 1000;
  }
  return value <= limit;
}

void ReadRankLevels(XmlReader& xml, Balance& balance) {
  WideString text = ReadElementTextValue(xml);
  for (const WideString& token : SplitList(text, u" ,;\t")) {
    uint64_t value = 0;
    if (ParseUnsigned64(token, value) && value > 0) {
      balance.CompanyValueRankLevels.Add(value);
    } else if (!token.empty()) {
      PrintLog("warning: '%s': CompanyValueRankLevels: '%s' is no company value; it is ignored.\n", xml.GetPath(),
               ToNarrow(token));
    }
  }
  std::sort(balance.CompanyValueRankLevels.begin(), balance.CompanyValueRankLevels.end());
}

// One list of the default top scores; the table keeps its defaults unless the
// list has exactly twelve entries, all of which read.
template <typename Value, typename Parse>
void ReadTopScores(const XmlReader& xml, const char* attribute, std::array<Value, Balance::NumTopScores>& table,
                   Parse parse) {
  const WideString* text = FindAttribute(xml, attribute);
  if (!text) return;
  Array<WideString> tokens = SplitList(*text, u" ,;");
  if (tokens.GetSize() != Balance::NumTopScores) {
    PrintLog("warning: '%s': DefaultTopScores: %s has %i entries instead of %i; it is ignored.\n", xml.GetPath(),
             attribute, tokens.GetSize(), Balance::NumTopScores);
    return;
  }
  std::array<Value, Balance::NumTopScores> values{};
  for (int i = 0; i < Balance::NumTopScores; ++i) {
    if (!parse(std::u16string_view(tokens[i]), values[i])) {
      PrintLog("warning: '%s': DefaultTopScores: %s holds '%s', which does not fit; the list is ignored.\n",
               xml.GetPath(), attribute, ToNarrow(tokens[i]));
      return;
    }
  }
  table = values;
}

void ReadDefaultTopScores(XmlReader& xml, Balance& balance) {
  ReadTopScores(xml, "careerCompanyValue", balance.DefaultCareerCompanyValue, [](std::u16string_view token, uint64_t& v) {
    int thousands = CountThousands(token);
    v = 0;
    if (!token.empty() && !ParseUnsigned64(token, v)) v = 0;  // like an empty token: no number reads as 0
    return MultiplyThousands(v, thousands, std::numeric_limits<uint64_t>::max());
  });
  ReadTopScores(xml, "sandboxMoney", balance.DefaultSandboxMoney, [](std::u16string_view token, int& v) {
    int thousands = CountThousands(token);
    int64_t base = WideToInt(token);
    uint64_t magnitude = static_cast<uint64_t>(base < 0 ? -base : base);
    if (!MultiplyThousands(magnitude, thousands, std::numeric_limits<int>::max())) return false;
    v = static_cast<int>(base < 0 ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude));
    return true;
  });
  ReadTopScores(xml, "sandboxDays", balance.DefaultSandboxDays, [](std::u16string_view token, int& v) {
    v = WideToInt(token);
    return true;
  });
  xml.Skip();
}

// ---- after reading ----

void CheckSettings(const XmlReader& xml, const Balance& balance) {
  // The bank account is always an amount of 0..999999999.
  if (balance.StartingBankAccount < 0 || balance.StartingBankAccount > 999999999)
    ThrowContentError(xml.GetPath(), 0,
                      Format("StartingBankAccount %i is not an amount of 0..999999999.", balance.StartingBankAccount));
  if (balance.PayDayTime <= 0)
    ThrowContentError(xml.GetPath(), 0, Format("PayDayTime must be at least 1 second, not %i.", balance.PayDayTime));
  for (const char* name : PositiveFloatSettings) {
    float value = balance.*FindSetting(FloatSettings, Widen(name))->Field;
    if (!(value > 0)) ThrowContentError(xml.GetPath(), 0, Format("%s must be greater than 0, not %f.", name, value));
  }
}

// A house level that cannot break is a gap in the file, not a rule: say so.
void ReportHousesThatNeverBreak(const XmlReader& xml, const Balance& balance) {
  for (BuildingKind kind : GetBalanceKinds()) {
    if (!IsHouseKind(kind)) continue;
    const BuildingBalance& record = balance.GetBuilding(kind);
    for (int level = 0; level <= record.NumUpgrades; ++level) {
      if (record.Levels[level].CanBreak()) continue;
      PrintLog("warning: '%s': %s has no breakPeriod at level %i; such houses never break.\n", xml.GetPath(),
               GetBuildingKindName(kind), level);
    }
  }
}

void ReadElement(XmlReader& xml, Balance& balance) {
  const WideString& name = xml.Name;
  if (const IntSetting* s = FindSetting(IntSettings, name)) {
    balance.*s->Field = ReadElementIntValue(xml);
  } else if (const FloatSetting* s = FindSetting(FloatSettings, name)) {
    balance.*s->Field = ReadElementFloatValue(xml);
  } else if (const RangeSetting* s = FindSetting(RangeSettings, name)) {
    Vector2 v = ParseVector(ReadElementTextValue(xml));
    balance.*s->Field = {v.X, v.Y};
  } else if (int kind = KindOfElement(name); kind != BDK_Unknown) {
    ReadKind(xml, kind, balance.GetBuilding(kind));
  } else if (NameEquals(name, "OfficeUpgrades")) {
    ReadOfficeUpgrades(xml, balance);
  } else if (NameEquals(name, "CompanyValueRankLevels")) {
    ReadRankLevels(xml, balance);
  } else if (NameEquals(name, "DefaultTopScores")) {
    ReadDefaultTopScores(xml, balance);
  } else {
    xml.Skip();
  }
}

}  // namespace

Balance Balance::Read(XmlReader& xml) {
  Balance balance;
  MoveToRoot(xml);
  xml.Read();  // into the root, whatever its name
  VisitElementsToEnd(xml, [&](XmlReader& element) { ReadElement(element, balance); });
  CheckSettings(xml, balance);
  balance.CompleteBuildings();
  ReportHousesThatNeverBreak(xml, balance);
  return balance;
}

Balance Balance::Load(const String& path) {
  try {
    XmlReader xml(path);
    return Read(xml);
  }
  TESSEL_TRACE("Balance::Load")
}

}  // namespace Corvanta
