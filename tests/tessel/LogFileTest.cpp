#include <gtest/gtest.h>

#include <sstream>
#include <thread>

#include "support/TempFolder.h"
#include "tessel/LogFile.h"

using namespace Tessel;

TEST(LogFile, OpenTruncatesUnlessKept) {
  Testing::TempFolder folder;
  folder.Write("corvanta.log.txt", "old run\n");
  LogFile log;
  log.Open(String(folder.File("corvanta.log.txt").c_str()), true);
  log.Write(String("more\n"));
  EXPECT_EQ(folder.Read("corvanta.log.txt"), "old run\nmore\n");

  log.Open(String(folder.File("corvanta.log.txt").c_str()), false);
  EXPECT_EQ(folder.Read("corvanta.log.txt"), "");
}

TEST(LogFile, EveryTextIsOnDiskAtOnce) {
  Testing::TempFolder folder;
  LogFile log;
  log.Write(String("before open\n"));  // no path: dropped
  log.Open(String(folder.File("a.log").c_str()), false);
  log.Write(String("line 1\n"));
  EXPECT_EQ(folder.Read("a.log"), "line 1\n") << "nothing is buffered between calls";
  log.Write(String("line 2\n"));
  EXPECT_EQ(folder.Read("a.log"), "line 1\nline 2\n");
}

TEST(LogFile, AnUnwritableFolderDropsTextsQuietly) {
  LogFile log;
  log.Open(String("/nonexistent-folder/x/log.txt"), false);
  log.Write(String("lost\n"));
  EXPECT_EQ(log.GetPath(), String("/nonexistent-folder/x/log.txt"));
}

TEST(LogFile, TwoThreadsInterleaveWholeLines) {
  Testing::TempFolder folder;
  LogFile log;
  log.Open(String(folder.File("threads.log").c_str()), false);
  AddOutputListener(&log);
  auto work = [](char tag) {
    for (int i = 0; i < 300; ++i) PrintLog("%c%c%c%c%c%c%c%c%c%c %i\n", tag, tag, tag, tag, tag, tag, tag, tag, tag, tag, i);
  };
  std::thread loader(work, 'L');
  work('M');
  loader.join();
  RemoveOutputListener(&log);

  std::istringstream lines(folder.Read("threads.log"));
  std::string line;
  int count = 0;
  while (std::getline(lines, line)) {
    ++count;
    ASSERT_TRUE(line.rfind("LLLLLLLLLL ", 0) == 0 || line.rfind("MMMMMMMMMM ", 0) == 0) << line;
  }
  EXPECT_EQ(count, 600);
}
