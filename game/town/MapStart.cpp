// Map: the start of a level, its one-second start delay and the
// introduction of the building kinds a career level makes available.

#include "game/rules/LevelProgression.h"
#include "game/town/Building.h"
#include "game/town/Map.h"
#include "game/town/MapPresenter.h"
#include "tessel/Random.h"
#include "tessel/app/GameAppBase.h"
#include "tessel/text/LocalizedText.h"

using namespace Tessel;

namespace Corvanta {

namespace {

// The level list's record of the level played: the career level, or the
// sandbox map of that name; none when the list has neither.
const LevelProgressionRecord* FindProgressionRecord(const MapStartSettings& settings, const String& levelName) {
  const LevelProgression& levels = LevelProgression::Current();
  if (!settings.IsPlayingCareer) return levels.FindSandboxMap(levelName);
  if (settings.CareerLevel < 0 || settings.CareerLevel >= levels.Career.GetSize()) return nullptr;
  return &levels.Career[settings.CareerLevel];
}

bool IsIncomeKind(int kind) { return IsHouseKind(kind) || IsCommercialKind(kind); }

Array<WideString> SplitLines(const WideString& text) {
  Array<WideString> lines;
  size_t start = 0;
  for (size_t end = text.find(u'\n'); end != WideString::npos; end = text.find(u'\n', start)) {
    lines.Add(text.substr(start, end - start));
    start = end + 1;
  }
  lines.Add(text.substr(start));
  return lines;
}

}  // namespace

void Map::Start() {
  if (const LevelProgressionRecord* record = FindProgressionRecord(StartSettings, LevelName))
    ExpertDays = record->ExpertDays;
  InitSquareFlags();
  RecomputeTotals();
  LastPayDayIncome = TotalIncome;
  OfficeUpgrades = StartSettings.OfficeUpgrades;
  ExpertDays = GetUpgradeEffects().GetExpertDays(ExpertDays);
  AwaitingWorkersLines = SplitLines(GetText(String("Hud.Progress.AwaitingWorkers")));
  for (const Building* building : Buildings)
    if (!building->IsRival && !building->IsPreview && IsIncomeKind(building->Kind)) HasIncomeBuilding = true;
  // Every building computes its route to the office.
  Broadcast(&MapListener::OnRoadAdded, nullptr);
  // The level's own buildings are not new.
  for (Building* building : Buildings) building->ResetJustConstructedMarker();
  UpdatePedestrians(true);
  CanBeScrolled = Width > ViewSize.X || Height > ViewSize.Y;
  if (CanBeScrolled)
    CentreOnOffice();
  else
    ScrollTo(0, 0);
  if (StartSettings.IsPlayingCareer)
    RoadBuilderLocked = !LevelProgression::Current().IsUnlocked(String("RoadBuilder"), StartSettings.CareerLevel);
  GetPresenter().LevelStarted();
  for (Building* building : Buildings) building->SetSquare(building->Square);
  SortEntities();
  // The scripts start a second later, once the fade-in has shown the town
  // (a map started again keeps its one pause).
  if (!StartDelayActive) PauseScripts();
  StartDelayActive = true;
  StartDelayTimer = 0;
  StartTick = TheApp ? TheApp->Now() : 0;
  NextAmbientTime = GameTime + RandRange(5, 25);
  Started = true;
}

void Map::UpdateStartDelay(float dt) {
  if (!StartDelayActive) return;
  StartDelayTimer += dt;
  if (StartDelayTimer < 1) return;
  StartDelayActive = false;
  ResumeScripts();
  GetPresenter().StartDelayEnded();
  if (StartSettings.IsPlayingCareer) QueueUnlockedKinds();
}

void Map::QueueUnlockedKinds() {
  // Only the furthest level reached introduces its kinds: a level played
  // again knows them already.
  if (StartSettings.CareerLevel != StartSettings.FurthestCareerLevel) return;
  const LevelProgressionRecord* record = FindProgressionRecord(StartSettings, LevelName);
  if (!record) return;
  for (BuildingKind kind : record->GetUnlockedKinds()) UnlockQueue.Add(kind);
  if (UnlockQueue.IsEmpty()) return;
  SetTool(MAPTOOL_None);
  UnselectBuilding();
  PauseGame();
  PauseScripts();
  IsIntroducingUnlocks = true;
  ShowNextUnlockedKind();
}

void Map::ShowNextUnlockedKind() {
  while (!UnlockQueue.IsEmpty()) {
    BuildingKind kind = UnlockQueue[0];
    UnlockQueue.RemoveAt(0);
    if (GetPresenter().IntroduceUnlockedKind(kind)) return;
  }
  if (!IsIntroducingUnlocks) return;
  IsIntroducingUnlocks = false;
  ResumeGame();
  ResumeScripts();
}

}  // namespace Corvanta
