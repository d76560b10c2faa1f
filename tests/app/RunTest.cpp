// Run's outer handler: every failure is logged and shown, never escapes.
#include <gtest/gtest.h>

#include <stdexcept>

#include "support/CapturedLog.h"
#include "support/FakeClock.h"
#include "support/TempFolder.h"
#include "tessel/app/GameAppBase.h"
#include "tessel/app/HeadlessPlatform.h"
#include "tessel/app/MessageBox.h"
#include "tessel/app/UserDataFolder.h"

using namespace Tessel;

namespace {

struct RecordedBox {
  std::string Text, Caption;
  bool IsError;
};

class BoxRecorder : public MessageBoxInterceptor {
public:
  BoxRecorder() { SetMessageBoxInterceptor(this); }
  ~BoxRecorder() override { SetMessageBoxInterceptor(nullptr); }
  void OnMessageBox(const String& text, const String& caption, bool isError) override {
    Boxes.push_back({text.CStr(), caption.CStr(), isError});
  }
  std::vector<RecordedBox> Boxes;
};

// Fails in its first frame in the way the test chooses.
class FailingApp : public GameAppBase {
public:
  using GameAppBase::GameAppBase;
  void RunFrame() override {
    Failure();
    Quit();
  }
  std::function<void()> Failure = [] {};
};

class OuterHandler : public testing::Test {
protected:
  void SetUp() override { setenv("TESSEL_USER_DATA_FOLDER", Folder.Path().c_str(), 1); }
  void TearDown() override {
    unsetenv("TESSEL_USER_DATA_FOLDER");
    IsErrorBeingShown = false;
  }

  Testing::TempFolder Folder;
  Testing::FakeClock Clock;
  HeadlessPlatform Platform{&Clock};
  BoxRecorder Recorder;
};

TEST_F(OuterHandler, ACleanRunReturnsZero) {
  FailingApp app(&Platform);
  EXPECT_EQ(app.Run(), 0);
  EXPECT_TRUE(Recorder.Boxes.empty());
}

TEST_F(OuterHandler, AnExceptionIsPrintedAndShownWithItsTrace) {
  FailingApp app(&Platform);
  app.Failure = [] {
    try {
      throw Exception(String("Balance file broken."));
    }
    TESSEL_TRACE("Balance::Load")
  };
  Testing::CapturedLog log;
  EXPECT_EQ(app.Run(), 1) << "an unattended run must see the failure";
  ASSERT_EQ(Recorder.Boxes.size(), 1u);
  EXPECT_EQ(Recorder.Boxes[0].Caption, "Unhandled exception");
  EXPECT_EQ(Recorder.Boxes[0].Text, "Message:\n  Balance file broken.\n\nOccured:\n    at Balance::Load\n");
  EXPECT_TRUE(Recorder.Boxes[0].IsError);
  EXPECT_NE(log.Text.find("error: Balance file broken.\n"), std::string::npos);
  EXPECT_TRUE(IsErrorBeingShown);
}

TEST_F(OuterHandler, AnAssertionShowsItsExpressionFileAndLine) {
  FailingApp app(&Platform);
  app.Failure = [] { throw AssertionFailedException("count > 0", "game/town/Map.cpp", 42); };
  Testing::CapturedLog log;
  app.Run();
  ASSERT_EQ(Recorder.Boxes.size(), 1u);
  EXPECT_EQ(Recorder.Boxes[0].Caption, "Assertion failed");
  EXPECT_EQ(Recorder.Boxes[0].Text, "Expression:  count > 0\nFile: game/town/Map.cpp\nLine: 42\n\nOccured:\n");
  EXPECT_NE(log.Text.find("assertion failed(game/town/Map.cpp, 42): count > 0\n"), std::string::npos);
}

TEST_F(OuterHandler, StandardAndUnknownExceptionsAreReportedToo) {
  const std::pair<std::function<void()>, std::string> cases[] = {
      {[] { throw std::runtime_error("disk full"); }, "Message:\n  disk full\n\nOccured:\n"},
      {[] { throw 7; }, "Message:\n  unknown exception\n\nOccured:\n"},
  };
  for (const auto& [failure, text] : cases) {
    Recorder.Boxes.clear();
    FailingApp app(&Platform);
    app.Failure = failure;
    EXPECT_EQ(app.Run(), 1);
    ASSERT_EQ(Recorder.Boxes.size(), 1u);
    EXPECT_EQ(Recorder.Boxes[0].Text, text);
    EXPECT_EQ(Recorder.Boxes[0].Caption, "Unhandled exception");
  }
}

TEST_F(OuterHandler, TheLogFileOfTheFirstRunIsKeptInTheNewUserFolder) {
  std::string folder = Folder.Path() + "deeper/user/";
  setenv("TESSEL_USER_DATA_FOLDER", folder.c_str(), 1);
  FailingApp app(&Platform);
  app.Failure = [] { throw Exception(String("first run")); };
  app.Run();
  EXPECT_EQ(std::string(UserDataFolder.CStr()), folder);
  std::string log = Testing::ReadFileBytes(folder + app.ExecutableName.CStr() + ".log.txt");
  EXPECT_NE(log.find("error: first run\n"), std::string::npos) << log;
}

TEST_F(OuterHandler, AMessageBoxMakesTheSystemCursorVisible) {
  GameAppBase app(&Platform);
  Platform.IsCursorVisible = false;
  app.SystemCursorVisible = false;
  app.ShowMessageBoxWide(u"Gespeichert \u00e4", u"Info");
  EXPECT_TRUE(Platform.IsCursorVisible);
  ASSERT_EQ(Recorder.Boxes.size(), 1u);
  EXPECT_EQ(Recorder.Boxes[0].Text, "Gespeichert \xC3\xA4");
  EXPECT_FALSE(Recorder.Boxes[0].IsError);
}

TEST(UserData, TheFolderFollowsXdgDataHomeThenHome) {
  unsetenv("TESSEL_USER_DATA_FOLDER");
  std::string savedHome = getenv("HOME") ? getenv("HOME") : "";
  const char* savedXdg = getenv("XDG_DATA_HOME");
  std::string xdg = savedXdg ? savedXdg : "";

  setenv("XDG_DATA_HOME", "/data/alice", 1);
  EXPECT_EQ(std::string(ComputeUserDataFolder("TesselGames", "Corvanta").CStr()),
            "/data/alice/TesselGames/Corvanta/");
  unsetenv("XDG_DATA_HOME");
  setenv("HOME", "/home/bob/", 1);
  EXPECT_EQ(std::string(ComputeUserDataFolder("TesselGames", "Corvanta").CStr()),
            "/home/bob/.local/share/TesselGames/Corvanta/");
  setenv("XDG_DATA_HOME", "relative/ignored", 1);
  EXPECT_EQ(std::string(ComputeUserDataFolder("A", "B").CStr()), "/home/bob/.local/share/A/B/");
  setenv("TESSEL_USER_DATA_FOLDER", "/tmp/override", 1);
  EXPECT_EQ(std::string(ComputeUserDataFolder("A", "B").CStr()), "/tmp/override/");

  unsetenv("TESSEL_USER_DATA_FOLDER");
  setenv("HOME", savedHome.c_str(), 1);
  if (savedXdg)
    setenv("XDG_DATA_HOME", xdg.c_str(), 1);
  else
    unsetenv("XDG_DATA_HOME");
}

}  // namespace
