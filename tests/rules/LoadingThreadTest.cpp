#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "game/rules/Balance.h"
#include "game/rules/ContentException.h"
#include "game/rules/LoadingThread.h"
#include "support/TempFolder.h"

using namespace Corvanta;
using namespace Tessel;

namespace {

void WaitUntilFinished(const LoadingThread& thread) {
  for (int i = 0; i < 5000 && !thread.IsFinished(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

}  // namespace

TEST(LoadingThread, AFailureOnTheLoadingThreadIsRethrownOnTheMainThreadWithItsTrace) {
  Testing::TempFolder folder;
  LoadingThread loading;
  String path(folder.File("BalanceSettings.xml").c_str());
  loading.Start([&] { Balance::Install(Balance::Load(path)); });
  WaitUntilFinished(loading);
  ASSERT_TRUE(loading.IsFinished());
  EXPECT_TRUE(loading.HasFailed());
  try {
    loading.RethrowFailure();
    FAIL() << "the failure was lost";
  } catch (Exception& e) {
    EXPECT_NE(dynamic_cast<ContentException*>(&e), nullptr);
    EXPECT_NE(std::string(e.Message.CStr()).find("Failed opening an XML file."), std::string::npos);
    EXPECT_EQ(std::string(e.Trace.CStr()), "    at Balance::Load\n");
  }
  EXPECT_NO_THROW(loading.RethrowFailure());  // handed over once
  EXPECT_EQ(Balance::Current().PayDayTime, 10);  // nothing half-loaded was installed
}

TEST(LoadingThread, WhatTheWorkFilledIsSeenOnceFinished) {
  Testing::TempFolder folder;
  folder.Write("BalanceSettings.xml", "<B><PayDayTime>4</PayDayTime></B>");
  String path(folder.File("BalanceSettings.xml").c_str());
  Balance loaded;
  {
    LoadingThread loading;
    loading.Start([&] { loaded = Balance::Load(path); });
    WaitUntilFinished(loading);
    ASSERT_TRUE(loading.IsFinished());
    EXPECT_FALSE(loading.HasFailed());
    EXPECT_NO_THROW(loading.RethrowFailure());
    EXPECT_EQ(loaded.PayDayTime, 4);
  }
}

TEST(LoadingThread, OtherExceptionsCrossToo) {
  LoadingThread loading;
  loading.Start([] { throw std::runtime_error("out of disk"); });
  loading.Join();
  EXPECT_TRUE(loading.HasFailed());
  EXPECT_THROW(loading.RethrowFailure(), std::runtime_error);
  // A second work starts clean.
  loading.Start([] {});
  loading.Join();
  EXPECT_FALSE(loading.HasFailed());
}

TEST(LoadingThread, TheDestructorWaitsForTheWork) {
  bool done = false;
  {
    LoadingThread loading;
    loading.Start([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      done = true;
    });
  }
  EXPECT_TRUE(done);
}
