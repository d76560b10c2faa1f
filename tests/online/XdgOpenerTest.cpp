#include "tessel/platform/posix/XdgOpener.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <string>

#include "support/CapturedLog.h"
#include "support/TempFolder.h"

using namespace Tessel;

namespace {

// Stands in for xdg-open: writes its arguments, one per line in brackets,
// and what it read from its input, then ends with the given code.
class XdgOpenerTest : public ::testing::Test {
protected:
  String Program(const std::string& name, const std::string& body) {
    Folder.Write(name, "#!/bin/sh\n" + body);
    chmod(Folder.File(name).c_str(), 0755);
    return String(Folder.File(name).c_str());
  }
  String Recorder(int exitCode = 0) {
    return Program("recorder",
                   "out='" + Folder.File("arguments") + "'\n"
                   ": > \"$out\"\n"
                   "for a in \"$@\"; do printf '[%s]\\n' \"$a\" >> \"$out\"; done\n"
                   "cat > '" + Folder.File("input") + "'\n"
                   "exit " + std::to_string(exitCode) + "\n");
  }
  bool Exists(const std::string& name) const {
    struct stat info;
    return stat(Folder.File(name).c_str(), &info) == 0;
  }

  Testing::TempFolder Folder;
};

}  // namespace

TEST_F(XdgOpenerTest, TheAddressIsTheOneArgumentAsItIs) {
  XdgOpener opener(Recorder(), 5000);
  std::string address = "http://scores.example.net/top?$(touch${IFS}" + Folder.File("ran") + ")&a=;b|c*";
  EXPECT_TRUE(opener.Open(String(address.c_str())));
  EXPECT_EQ(Folder.Read("arguments"), "[" + address + "]\n");
  EXPECT_FALSE(Exists("ran")) << "nothing in the address runs as a command";
  EXPECT_EQ(Folder.Read("input"), "") << "the program reads nothing of the game's input";
}

TEST_F(XdgOpenerTest, AddressesThatCouldReadAsOptionsOrFilesAreNotPassedOn) {
  XdgOpener opener(Recorder(), 5000);
  Testing::CapturedLog log;
  for (const char* address : {"", "--help", "-x", "/etc/passwd", "http://a b", "javascript:x", "http://a\nb"}) {
    EXPECT_FALSE(opener.Open(String(address))) << address;
  }
  EXPECT_FALSE(Exists("arguments")) << "the program never started";
  EXPECT_NE(log.Text.find("is not an address to open"), std::string::npos);
}

TEST_F(XdgOpenerTest, AProgramThatFailsAtOnceIsAFailure) {
  XdgOpener opener(Recorder(3), 5000);
  Testing::CapturedLog log;
  EXPECT_FALSE(opener.Open(String("https://scores.example.net/")));
  EXPECT_NE(log.Text.find("ended with exit code 3"), std::string::npos) << log.Text;
}

TEST_F(XdgOpenerTest, AMissingProgramIsAFailure) {
  XdgOpener opener(String(Folder.File("no-such-program").c_str()), 5000);
  Testing::CapturedLog log;
  EXPECT_FALSE(opener.Open(String("https://scores.example.net/")));
  EXPECT_NE(log.Text.find("cannot start"), std::string::npos) << log.Text;
}

// A browser started in the foreground must not hold up the game.
TEST_F(XdgOpenerTest, AProgramStillBusyAfterTheWaitIsASuccess) {
  XdgOpener opener(Program("slow", "sleep 3\n"), 200);
  auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(opener.Open(String("https://scores.example.net/")));
  auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_LT(waited, std::chrono::milliseconds(1500));
}
