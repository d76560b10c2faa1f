#pragma once
// Helpers for the tests of the map's clock and economy: a presenter that
// hands out sound handles and notes what the level start and the victory
// show, goals and scripts the test steers, pedestrians the test counts, and
// a building whose market value the test sets.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game/town/MapGoal.h"
#include "game/town/MapScript.h"
#include "town/BuildingTestSupport.h"

namespace Testing {

class EconomyPresenter : public BuildingPresenter {
public:
  int StartSound(const char* soundName, bool loop) override;
  void SetSoundVolume(int handle, float volume) override { Sounds.at(handle).Volume = volume; }
  void StopSound(int handle) override { Sounds.at(handle).IsPlaying = false; }
  bool IsSoundPlaying(int handle) override { return Sounds.at(handle).IsPlaying; }
  void StartVictoryMusic() override {
    Log.push_back("victory music");
    VictoryMusicPlaying = true;
  }
  bool IsVictoryMusicPlaying() override { return VictoryMusicPlaying; }
  void SetMusicVolumeFactor(float factor) override { MusicVolumeFactor = factor; }
  void MoneyTransferred(int amount) override { Log.push_back("transferred " + std::to_string(amount)); }
  void LevelStarted() override { Log.push_back("level started"); }
  void StartDelayEnded() override { Log.push_back("start delay ended"); }
  bool IntroduceUnlockedKind(Corvanta::BuildingKind kind) override;
  void ShowVictory() override { Log.push_back("victory"); }

  struct PlayingSound {
    std::string Name;
    bool Loop = false;
    bool IsPlaying = false;
    float Volume = 1;
  };
  // By handle, from 1.
  std::map<int, PlayingSound> Sounds;
  // The handles of the sound's playbacks, first first.
  std::vector<int> HandlesOf(const std::string& soundName) const;
  bool VictoryMusicPlaying = false;
  float MusicVolumeFactor = 1;
  // Whether the introduction dialogs show (and wait for the map).
  bool ShowsIntroductions = true;
};

// A goal that is met when the test says so.
class SteeredGoal : public Corvanta::MapGoal {
public:
  explicit SteeredGoal(Corvanta::Map* map) : MapGoal(map) {}
  void Evaluate(float dt) override {
    ++Evaluations;
    IsMet = WantsMet;
  }
  bool WantsMet = false;
  int Evaluations = 0;
};

// A goal met while the bank account holds at least Amount.
class MoneyGoal : public Corvanta::MapGoal {
public:
  MoneyGoal(Corvanta::Map* map, int amount) : MapGoal(map), Amount(amount) {}
  void Evaluate(float dt) override;
  int Amount;
};

class CountingScript : public Corvanta::MapScript {
public:
  void Update(float dt) override { Seconds += dt; }
  float Seconds = 0;
};

class FakePedestrian : public Corvanta::MapEntity {
public:
  bool IsToldToLeave = false;
  bool MidSmile = false;
};

// Traffic that also makes pedestrians, which stay until the test removes them.
class CrowdTraffic : public FakeTraffic {
public:
  Corvanta::MapEntity* CreatePedestrian(bool midSmile) override;
  void SendPedestrianAway(Corvanta::MapEntity* pedestrian) override {
    static_cast<FakePedestrian*>(pedestrian)->IsToldToLeave = true;
  }
  int Created = 0;
};

// A building of a kind whose market value the test sets.
class ValuedBuilding : public Corvanta::Building {
public:
  ValuedBuilding(int value, bool rival) : Building(Corvanta::BDK_Tree), Value(value) { IsRival = rival; }
  int GetMarketValue() const override { return Value; }
  int Value;
};

class EconomyTest : public BuildingTest {
protected:
  void SetUp() override;
  // An open grid with a road along row 3 and the office at (0, 1); nothing
  // breaks down; the map started.
  void BuildTown();
  // Goals and scripts the map owns.
  SteeredGoal* AddGoal(bool invisible = false);
  CountingScript* AddScript();
  // Runs whole frames until the day counter moves on (at most a minute).
  void RunToPayDay();

  EconomyPresenter presenter;
  CrowdTraffic crowd;
};

}  // namespace Testing
