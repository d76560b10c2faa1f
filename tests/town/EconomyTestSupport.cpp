#include "town/EconomyTestSupport.h"

using namespace Corvanta;

namespace Testing {

int EconomyPresenter::StartSound(const char* soundName, bool loop) {
  int handle = static_cast<int>(Sounds.size()) + 1;
  Sounds[handle] = PlayingSound{soundName, loop, true, 1};
  Log.push_back(std::string("start ") + soundName);
  return handle;
}

std::vector<int> EconomyPresenter::HandlesOf(const std::string& soundName) const {
  std::vector<int> handles;
  for (const auto& entry : Sounds)
    if (entry.second.Name == soundName) handles.push_back(entry.first);
  return handles;
}

bool EconomyPresenter::IntroduceUnlockedKind(BuildingKind kind) {
  Log.push_back(std::string("introduce ") + GetBuildingKindName(kind));
  return ShowsIntroductions;
}

void MoneyGoal::Evaluate(float dt) { IsMet = TheMap->BankAccount >= Amount; }

MapEntity* CrowdTraffic::CreatePedestrian(bool midSmile) {
  auto* pedestrian = new FakePedestrian();
  pedestrian->MidSmile = midSmile;
  ++Created;
  return pedestrian;
}

void EconomyTest::SetUp() {
  BuildingTest::SetUp();
  map->Presenter = &presenter;
}

void EconomyTest::BuildTown() {
  Build({
      "................................",
      "................................",
      "................................",
      "################################",
      "................................",
      "................................",
      "................................",
      "................................",
  });
  PlaceVanOffice(0, 1, 2);
  map->BuildingsCanGetBroken = false;
  map->Start();
}

SteeredGoal* EconomyTest::AddGoal(bool invisible) {
  auto* goal = new SteeredGoal(map.get());
  goal->IsInvisible = invisible;
  map->Goals.Add(goal);
  return goal;
}

CountingScript* EconomyTest::AddScript() {
  auto* script = new CountingScript();
  map->Scripts.Add(script);
  return script;
}

void EconomyTest::RunToPayDay() {
  int day = map->Day;
  for (int frame = 0; frame < 600 && map->Day == day; ++frame) map->Update(0.1f);
}

}  // namespace Testing
