#include "game/online/OnlineSettings.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

using namespace Corvanta;
using namespace Tessel;

TEST(OnlineSettings, AMissingFileLeavesEverythingOff) {
  OnlineSettings settings = OnlineSettings::Load(String("/nonexistent/version.xml"));
  EXPECT_FALSE(settings.SubmitStats);
  EXPECT_FALSE(settings.StatsPageAtExit);
  EXPECT_FALSE(settings.PostScoresEnabled);
  EXPECT_TRUE(settings.PostScoresServer.IsEmpty());
  EXPECT_TRUE(settings.PostScoresRequest.IsEmpty());
  EXPECT_TRUE(settings.GlobalTopScoresUrl.IsEmpty());
}

TEST(OnlineSettings, TheShippedVersionFileKeepsTheServicesOff) {
  OnlineSettings settings = OnlineSettings::Load(String(CORVANTA_SOURCE_DIR "/data/version.xml"));
  EXPECT_FALSE(settings.SubmitStats);
  EXPECT_FALSE(settings.PostScoresEnabled);
  EXPECT_TRUE(settings.PostScoresServer.IsEmpty());
  EXPECT_TRUE(settings.GlobalTopScoresUrl.IsEmpty());
}

TEST(OnlineSettings, NamesInAnyCaseAndProductElementsAtAnyDepth) {
  Testing::TempFolder folder;
  folder.Write("version.xml",
               "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
               "<settings><product title=\"x\" SUBMITSTATS=\"True\" postscoresenabled=\"TRUE\"\n"
               "  postScoresUrl=\"scores.example.net\" postScoresRequest=\"/post?d=\"\n"
               "  globalTopScoresUrl=\"https://scores.example.net/top?a=1&amp;b=2\" /></settings>");
  OnlineSettings settings = OnlineSettings::Load(String(folder.File("version.xml").c_str()));
  EXPECT_TRUE(settings.SubmitStats);
  EXPECT_TRUE(settings.StatsPageAtExit) << "one switch for the statistics and their page";
  EXPECT_TRUE(settings.PostScoresEnabled);
  EXPECT_EQ(settings.PostScoresServer, String("scores.example.net"));
  EXPECT_EQ(settings.PostScoresRequest, String("/post?d="));
  EXPECT_EQ(settings.GlobalTopScoresUrl, String("https://scores.example.net/top?a=1&b=2"));
}

TEST(OnlineSettings, OnlyTrueSwitchesOn) {
  for (const char16_t* value : {u"false", u"1", u"yes", u"", u"true "}) {
    OnlineSettings settings;
    EXPECT_TRUE(settings.TakeProductAttribute(u"submitStats", value));
    EXPECT_FALSE(settings.SubmitStats) << ToUtf8(value);
  }
  OnlineSettings settings;
  EXPECT_FALSE(settings.TakeProductAttribute(u"cheatsEnabled", u"true")) << "not an online setting";
}

// Keeping only the low byte of U+0140 would make '@', naming another host.
TEST(OnlineSettings, AddressesKeepNonAsciiTextRecognisable) {
  OnlineSettings settings;
  settings.TakeProductAttribute(u"postScoresUrl", u"evil.example\u0140scores.example.net");
  EXPECT_EQ(std::string(settings.PostScoresServer.CStr()).find('@'), std::string::npos);
  EXPECT_EQ(settings.PostScoresServer, String("evil.example\xC5\x80scores.example.net"));
}
