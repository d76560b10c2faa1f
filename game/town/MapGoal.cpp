#include "game/town/MapGoal.h"

#include <memory>

#include "game/town/Map.h"
#include "game/town/SaveStream.h"
#include "tessel/Exception.h"

namespace Corvanta {

namespace {

MapGoal::Factory InstalledFactory = nullptr;

// More goals than any level lists: a count beyond it is no goal list.
constexpr int32_t MaxSavedGoals = 4096;

}  // namespace

void MapGoal::SetFactory(Factory factory) { InstalledFactory = factory; }

MapGoal* MapGoal::CreateFromKind(int kindId, Map* map) {
  try {
    if (!InstalledFactory) throw Tessel::ArgumentException("Unknown goal kind.");
    return InstalledFactory(kindId, map);
  }
  TESSEL_TRACE("MapGoal::CreateFromKind")
}

MapGoal::MapGoal(Map* map, GoalKind kindId) : TheMap(map), KindId(kindId) {
  TESSEL_ASSERT_AT(TheMap != NULL, __FILE__, __LINE__);
  TheMap->AddListener(this);
}

MapGoal::~MapGoal() { TheMap->RemoveListener(this); }

void MapGoal::Save(SaveWriter& out) const {
  out.WriteBool(IsMet);
  out.WriteBool(IsExpert);
  out.WriteBool(IsInactive);
  out.WriteStr8(Id);
  out.WriteStr16(Text);
}

void MapGoal::Load(SaveReader& in) {
  IsMet = in.ReadBool();
  IsExpert = in.ReadBool();
  IsInactive = in.ReadBool();
  Id = in.ReadStr8();
  Text = in.ReadStr16();
  // Not part of the record: a continued level shows every goal it kept.
  IsInvisible = false;
  CheckedAnimationTime = 999;
}

void MapGoal::ReadLevelRecord(const LevelGoal& record) {
  IsExpert = record.IsExpert;
  IsInactive = record.IsInactive;
  IsInvisible = record.IsInvisible;
  Id = record.Id;
  Text = record.Text;
}

Tessel::WideString MapGoal::GetText() const { return Text.empty() ? GetDefaultText() : Text; }

void WriteGoals(const Map& map, SaveWriter& out) {
  out.WriteInt32(map.Goals.GetSize());
  for (const MapGoal* goal : map.Goals) {
    TESSEL_ASSERT(goal->KindId != GOAL_Unknown);
    out.WriteInt32(goal->KindId);
    goal->Save(out);
  }
}

void ReadGoals(Map& map, SaveReader& in) {
  try {
    int32_t count = in.ReadInt32();
    if (count < 0 || count > MaxSavedGoals) throw SaveFormatException("Bad goal count.");
    for (int32_t i = 0; i < count; ++i) {
      int32_t kindId = in.ReadInt32();
      std::unique_ptr<MapGoal> goal(MapGoal::CreateFromKind(kindId, &map));
      goal->Load(in);
      map.Goals.Add(goal.release());
    }
  }
  TESSEL_TRACE("MapGoal::ReadGoals")
}

MapGoal* FindGoal(const Map& map, const Tessel::String& id) {
  if (id.IsEmpty()) return nullptr;
  for (MapGoal* goal : map.Goals)
    if (goal->Id.CompareNoCase(id) == 0) return goal;
  return nullptr;
}

}  // namespace Corvanta
