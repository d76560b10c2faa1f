// The town's own sounds: the season's ambient sound, the work loops that
// follow the map's work counters, the music drawn back under the victory.

#include "game/rules/LevelFile.h"
#include "town/EconomyTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class TownSoundsTest : public EconomyTest {
protected:
  void SetUp() override {
    EconomyTest::SetUp();
    BuildTown();
  }
  const EconomyPresenter::PlayingSound& Only(const char* name) {
    std::vector<int> handles = presenter.HandlesOf(name);
    EXPECT_EQ(handles.size(), 1u) << name;
    return presenter.Sounds[handles.empty() ? 0 : handles.front()];
  }
};

TEST_F(TownSoundsTest, TheSeasonsAmbientSoundComesFiveToTwentyFiveSecondsIn) {
  struct Case {
    DecorSetting Decor;
    const char* Sound;
  };
  const Case cases[] = {
      {DECOR_Snow, "sounds/ambientSnow.ogg"},     {DECOR_Tropic, "sounds/ambientTropics.ogg"},
      {DECOR_Forest, "sounds/ambientForest.ogg"}, {DECOR_Fall, "sounds/ambientForest.ogg"},
      {DECOR_Spring, "sounds/ambientForest.ogg"},
  };
  for (const Case& c : cases) {
    map = std::make_unique<Map>();
    presenter.Sounds.clear();
    map->Presenter = &presenter;
    map->DecorSetting = c.Decor;
    map->Start();
    Run(4.9f);
    EXPECT_TRUE(presenter.Sounds.empty()) << c.Decor;
    Run(20.2f);
    ASSERT_EQ(presenter.Sounds.size(), 1u) << c.Decor;
    EXPECT_EQ(presenter.Sounds.begin()->second.Name, c.Sound);
    EXPECT_FALSE(presenter.Sounds.begin()->second.Loop);
  }
}

TEST_F(TownSoundsTest, TheNextAmbientSoundWaitsForTheLastToEndAndThenFifteenToFortyFive) {
  Run(25.1f);
  ASSERT_EQ(presenter.Sounds.size(), 1u);
  Run(120);  // still playing: no second one
  EXPECT_EQ(presenter.Sounds.size(), 1u);
  presenter.Sounds.begin()->second.IsPlaying = false;
  Run(14.9f);
  EXPECT_EQ(presenter.Sounds.size(), 1u);
  Run(30.2f);
  EXPECT_EQ(presenter.Sounds.size(), 2u);
}

TEST_F(TownSoundsTest, WorkFadesTheConstructionLoopInAndOut) {
  map->WorkCount = 1;
  Run(1, 0.25f);
  const EconomyPresenter::PlayingSound& loop = Only("sounds/construction.ogg");
  EXPECT_TRUE(loop.Loop);
  EXPECT_FLOAT_EQ(loop.Volume, 0.5f);
  Run(2, 0.25f);
  EXPECT_FLOAT_EQ(loop.Volume, 1);
  map->WorkCount = 0;
  Run(0.5f, 0.25f);
  EXPECT_FLOAT_EQ(loop.Volume, 0.5f);
  EXPECT_TRUE(loop.IsPlaying);
  Run(0.5f, 0.25f);
  EXPECT_FALSE(loop.IsPlaying);
  // Work that starts again starts the loop again, from silence.
  map->WorkCount = 2;
  Run(0.5f, 0.25f);
  std::vector<int> loops = presenter.HandlesOf("sounds/construction.ogg");
  ASSERT_EQ(loops.size(), 2u);
  EXPECT_FLOAT_EQ(presenter.Sounds[loops[1]].Volume, 0.25f);
  EXPECT_TRUE(presenter.HandlesOf("sounds/demolish.ogg").empty());
}

TEST_F(TownSoundsTest, ADemolitionHasItsOwnLoopAndAPausedTownFallsSilent) {
  map->DemolishCount = 1;
  Run(2, 0.25f);
  const EconomyPresenter::PlayingSound& loop = Only("sounds/demolish.ogg");
  EXPECT_FLOAT_EQ(loop.Volume, 1);
  map->PauseGame();
  Run(1, 0.25f);
  EXPECT_FALSE(loop.IsPlaying);
  map->ResumeGame();
  Run(0.25f, 0.25f);
  EXPECT_EQ(presenter.HandlesOf("sounds/demolish.ogg").size(), 2u);
}

TEST_F(TownSoundsTest, TheMusicIsDrawnBackUnderTheVictoryMusic) {
  Run(1, 0.25f);  // the start delay
  AddGoal(true);
  map->Update(0.25f);
  ASSERT_TRUE(presenter.VictoryMusicPlaying);
  EXPECT_FLOAT_EQ(presenter.MusicVolumeFactor, 0.75f);
  Run(0.25f, 0.25f);
  EXPECT_FLOAT_EQ(presenter.MusicVolumeFactor, 0.5f);
  Run(2, 0.25f);
  EXPECT_FLOAT_EQ(presenter.MusicVolumeFactor, 0.25f);
  presenter.VictoryMusicPlaying = false;
  Run(0.5f, 0.25f);
  EXPECT_FLOAT_EQ(presenter.MusicVolumeFactor, 0.75f);
  Run(2, 0.25f);
  EXPECT_FLOAT_EQ(presenter.MusicVolumeFactor, 1);
}

TEST_F(TownSoundsTest, TheVictoryFadesTheWorkOut) {
  Run(1, 0.25f);
  map->WorkCount = 1;
  Run(2, 0.25f);
  AddGoal(true);
  Run(1, 0.25f);
  EXPECT_FALSE(Only("sounds/construction.ogg").IsPlaying);
}

TEST_F(TownSoundsTest, AMapThatGoesStopsTheSoundsItStarted) {
  map->WorkCount = 1;
  Run(25.1f);
  ASSERT_EQ(presenter.Sounds.size(), 2u);
  map.reset();
  for (const auto& entry : presenter.Sounds) EXPECT_FALSE(entry.second.IsPlaying) << entry.second.Name;
}

}  // namespace
