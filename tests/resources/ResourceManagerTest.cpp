#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "resources/ImageFixtures.h"
#include "support/CapturedLog.h"
#include "support/TempFolder.h"
#include "tessel/resources/AudioResources.h"
#include "tessel/resources/Bitmap.h"
#include "tessel/resources/ContentPaths.h"
#include "tessel/resources/ResourceManager.h"

using namespace Tessel;

namespace {

class ResourceManagerTest : public ::testing::Test {
protected:
  ResourceManagerTest() : Manager(String(Temp.Path().c_str())) {
    ForgetContentListings();
    Temp.Write("a.png", Testing::MakePng(Testing::PNG_Rgba, 8, 8));
  }
  ~ResourceManagerTest() override { ForgetContentListings(); }
  Testing::TempFolder Temp;
  ResourceManager Manager;
};

struct DestroyCounter : ResourceListener {
  int Destroyed = 0;
  void OnResourceDestroyed(ResourceBase*) override { ++Destroyed; }
  void OnResourceChanged(ResourceBase*) override {}
};

}  // namespace

TEST_F(ResourceManagerTest, MissingImagesArePlaceholdersOrNothing) {
  Testing::CapturedLog log;
  Bitmap* missing = Manager.LoadBitmap(String("images/none"));
  ASSERT_NE(missing, nullptr);
  EXPECT_EQ(missing->Width, 128);
  EXPECT_EQ(Manager.LoadBitmap(String("images/none"), true), nullptr);
  EXPECT_EQ(log.Text, "error: 'images/none': Image file not found.\nerror: 'images/none': Image file not found.\n");
  Bitmap* a = Manager.LoadBitmap(String("a"));
  EXPECT_EQ(a->Width, 8);
  EXPECT_NE(Manager.LoadBitmap(String("a")), a) << "every call decodes a new bitmap";
  EXPECT_EQ(Manager.GetLoadedCount(), 3u);
  EXPECT_TRUE(IsKindOf<Texture>(Manager.LoadTexture(String("a"))));
}

TEST_F(ResourceManagerTest, FindByNameAndClass) {
  Sound* sound = Manager.GetSound(String("sounds/click.ogg"), 2);
  EXPECT_EQ(Manager.FindResource(String("sounds/click.ogg")), sound);
  EXPECT_EQ(Manager.Find<Sound>(String("sounds/click.ogg")), sound);
  EXPECT_EQ(Manager.Find<AudioResource>(String("sounds/click.ogg")), sound) << "a derived class is found";
  EXPECT_EQ(Manager.Find<Music>(String("sounds/click.ogg")), nullptr);
  EXPECT_EQ(Manager.Find<Sound>(String("Sounds/Click.ogg")), nullptr) << "names are exact";
  EXPECT_EQ(Manager.FindResource(String()), nullptr);
  EXPECT_EQ(Manager.GetSound(String("sounds/click.ogg"), 4), sound);
  EXPECT_EQ(sound->ChannelCount, 4);
  Manager.GetSound(String("sounds/click.ogg"), 1);
  EXPECT_EQ(sound->ChannelCount, 4) << "never lowered";
  Music* music = Manager.GetMusic(String("music/a.ogg"));
  EXPECT_EQ(Manager.GetMusic(String("music/a.ogg")), music);
}

TEST_F(ResourceManagerTest, GroupsUnloadOnlyTheirOwn) {
  DestroyCounter listener;
  Manager.CurrentGroup = "ESCAPE_SCREEN";
  Bitmap* screen = Manager.LoadBitmap(String("a"));
  screen->Listener = &listener;
  Manager.GetMusic(String("music/shared.ogg"));
  Manager.CurrentGroup = "COMMON";
  Bitmap* common = Manager.LoadBitmap(String("a"));
  Manager.GetSound(String("sounds/x.ogg"));
  Manager.UnloadGroup(String("ESCAPE_SCREEN"));
  EXPECT_EQ(listener.Destroyed, 1) << "the listener hears of it first";
  EXPECT_EQ(Manager.GetResourceCount(), 2);
  EXPECT_EQ(Manager.Find<Bitmap>(String("a")), common) << "the same name in another group stays";
  EXPECT_EQ(Manager.Find<Music>(String("music/shared.ogg")), nullptr);
  Manager.RemoveResource(String("a"));
  EXPECT_EQ(Manager.Find<Bitmap>(String("a")), nullptr);
  Manager.Clear();
  EXPECT_EQ(Manager.GetResourceCount(), 0);
}

// The loading thread fills the table while the main thread looks things up.
TEST_F(ResourceManagerTest, LoadingFromASecondThread) {
  std::atomic<bool> done{false};
  std::thread loader([&] {
    Manager.CurrentGroup = "LOADING";
    for (int i = 0; i < 200; ++i) {
      Manager.LoadBitmap(String("a"));
      Manager.GetSound(Format("sounds/%i.ogg", i % 20));
    }
    done = true;
  });
  int seen = 0;
  while (!done) {
    if (Bitmap* b = Manager.Find<Bitmap>(String("a"))) {
      BitmapLock lock;
      b->Lock(lock);
      seen += lock.Width == 8;
      b->Unlock();
    }
  }
  loader.join();
  EXPECT_EQ(Manager.GetResourceCount(), 220);
  EXPECT_GE(seen, 0);
  Bitmap* last = Manager.Find<Bitmap>(String("a"));
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->Width, 8) << "bitmaps enter the table complete";
}
