// The frame timer: each Update gets the previous frame's duration, at least
// the minimum frame time (slept off in whole milliseconds) and at most 0.1 s.
#include <gtest/gtest.h>

#include "support/FakeClock.h"
#include "tessel/app/GameAppBase.h"
#include "tessel/app/HeadlessPlatform.h"

using namespace Tessel;

namespace {

// An application whose frames take as long as the test says.
class TimedApp : public GameAppBase {
public:
  TimedApp(AppPlatform* platform, Testing::FakeClock& clock) : GameAppBase(platform), Clock(clock) {}
  void Update(float dt) override {
    Steps.push_back(dt);
    Clock.Now += WorkMilliseconds;
  }
  void Draw() override {}
  void PresentFrame() override {}

  Testing::FakeClock& Clock;
  uint32_t WorkMilliseconds = 0;
  std::vector<float> Steps;
};

class FrameLoop : public testing::Test {
protected:
  Testing::FakeClock Clock;
  HeadlessPlatform Platform{&Clock};
  TimedApp App{&Platform, Clock};
};

struct FrameCase {
  uint32_t Work;
  bool Inactive;
  std::vector<uint32_t> Sleeps;
  float NextStep;
};

TEST_F(FrameLoop, SleepsOffTheMinimumFrameTimeInWholeMilliseconds) {
  const FrameCase cases[] = {
      {4, false, {6}, 0.01f},          // a float formula would sleep 5
      {4, true, {29}, 1.0f / 30},      // 33 ms while in the background
      {9, false, {1}, 0.01f},
      {10, false, {}, 0.010f},         // exactly the minimum: no sleep
      {15, false, {}, 0.015f},
      {250, false, {}, 0.1f},          // a stall passes at most 0.1 s
      {100, false, {}, 0.1f},
      {0, false, {10}, 0.01f},
  };
  for (const FrameCase& c : cases) {
    Clock.Sleeps.clear();
    App.Steps.clear();
    App.Inactive = c.Inactive;
    App.WorkMilliseconds = c.Work;
    App.RunFrame();
    EXPECT_EQ(Clock.Sleeps, c.Sleeps) << "work " << c.Work << " ms";
    App.WorkMilliseconds = 0;
    App.RunFrame();
    ASSERT_EQ(App.Steps.size(), 2u);
    EXPECT_FLOAT_EQ(App.Steps[1], c.NextStep) << "work " << c.Work << " ms";
  }
}

TEST_F(FrameLoop, TheFirstUpdateReceivesZero) {
  App.WorkMilliseconds = 30;
  App.RunFrame();
  ASSERT_EQ(App.Steps.size(), 1u);
  EXPECT_EQ(App.Steps[0], 0.0f);
}

TEST_F(FrameLoop, ElapsedTimeCountsFromTheRunStart) {
  App.RunStartTime = Clock.Now;
  App.WorkMilliseconds = 4;
  App.RunFrame();
  App.RunFrame();
  EXPECT_EQ(App.ElapsedTime, 10u);
}

TEST_F(FrameLoop, TheClockMayWrapAroundBetweenFrames) {
  Clock.Now = 0xFFFFFFFE;
  App.WorkMilliseconds = 4;  // the frame ends at 2 after the wrap
  App.RunFrame();
  ASSERT_EQ(Clock.Sleeps.size(), 1u);
  EXPECT_EQ(Clock.Sleeps[0], 6u);
}

TEST_F(FrameLoop, MainLoopRunsUntilQuitIsRequested) {
  struct QuittingApp : TimedApp {
    using TimedApp::TimedApp;
    void Update(float dt) override {
      TimedApp::Update(dt);
      if (Steps.size() == 3) Quit();
    }
  } app(&Platform, Clock);
  app.MainLoop();
  EXPECT_EQ(app.Steps.size(), 3u);
}

// Frame statistics: a window of frames closes once more than 200 ms have gathered.
class FrameStatistics : public testing::Test {
protected:
  void SetUp() override {
    App.Initialize();
    Clock.Sleeps.clear();
  }
  void TearDown() override { App.Uninitialize(); }
  // One Update after the given milliseconds.
  void UpdateAfter(uint32_t milliseconds) {
    Clock.Now += milliseconds;
    App.Update(0);
  }

  Testing::FakeClock Clock;
  HeadlessPlatform Platform{&Clock};
  GameAppBase App{&Platform};
};

TEST_F(FrameStatistics, ExactlyTwoHundredMillisecondsKeepTheWindowOpen) {
  EXPECT_EQ(App.LowestFrameRate, 99999.0f);
  for (int i = 0; i < 10; ++i) UpdateAfter(20);
  EXPECT_EQ(App.StatsMillisecondsInWindow, 200u);
  EXPECT_EQ(App.FrameRate, 0.0f);
  UpdateAfter(50);
  EXPECT_EQ(App.StatsMillisecondsInWindow, 0u);
  EXPECT_FLOAT_EQ(App.FrameRate, 11 * 1000.0f / 250);
  EXPECT_FLOAT_EQ(App.AverageFrameRate, 44.0f);
  EXPECT_FLOAT_EQ(App.LowestFrameRate, 44.0f);
  EXPECT_FLOAT_EQ(App.HighestFrameRate, 44.0f);
}

TEST_F(FrameStatistics, TheAverageCoversEveryClosedWindow) {
  UpdateAfter(201);  // 1 frame in 201 ms
  for (int i = 0; i < 21; ++i) UpdateAfter(10);  // 21 frames in 210 ms
  EXPECT_FLOAT_EQ(App.FrameRate, 100.0f);
  EXPECT_FLOAT_EQ(App.AverageFrameRate, 22 * 1000.0f / 411);
  EXPECT_FLOAT_EQ(App.LowestFrameRate, 1000.0f / 201);
  EXPECT_FLOAT_EQ(App.HighestFrameRate, 100.0f);
}

}  // namespace
