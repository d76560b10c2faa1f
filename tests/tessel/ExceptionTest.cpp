#include <gtest/gtest.h>

#include "support/CapturedLog.h"
#include "tessel/Array.h"
#include "tessel/Exception.h"
#include "tessel/Log.h"

using namespace Tessel;

namespace {

void LoadBalance() {
  try {
    Array<int> values;
    values.SetSize(-1);
  }
  TESSEL_TRACE("Balance::Load")
}

void InitializeApplication() {
  try {
    LoadBalance();
  }
  TESSEL_TRACE("GameAppBase::Initialize")
}

}  // namespace

TEST(Exception, TraceListsTheInnermostOperationFirst) {
  try {
    InitializeApplication();
    FAIL() << "nothing thrown";
  } catch (const AssertionFailedException& e) {
    EXPECT_STREQ(e.Trace.CStr(), "    at Balance::Load\n    at GameAppBase::Initialize\n");
    EXPECT_STREQ(e.Message.CStr(), "newSize >= 0");
    EXPECT_STREQ(e.SourceFile, "tessel/Array");
    EXPECT_EQ(e.Line, 165);
  }
}

TEST(Exception, PrintWritesTheMessage) {
  Testing::CapturedLog log;
  Exception().Print();
  Exception(String("Level number out of range.")).Print();
  ArgumentException(String("Unknown goal kind.")).Print();
  EXPECT_EQ(log.Text, "error: \nerror: Level number out of range.\nerror: Unknown goal kind.\n");
}

TEST(Exception, AssertionsCarryExpressionSourceAndLine) {
  Testing::CapturedLog log;
  int line = 0;
  try {
    line = __LINE__ + 1;
    TESSEL_ASSERT(1 + 1 == 3);
  } catch (const Exception& e) {
    e.Print();  // virtual: the assertion's own layout
  }
  EXPECT_EQ(log.Text, "assertion failed(tests/tessel/ExceptionTest.cpp, " + std::to_string(line) + "): 1 + 1 == 3\n");
}

TEST(Exception, CopiesShareTheirTexts) {
  Exception original(String("message"));
  Exception copy = original;
  EXPECT_TRUE(copy.Message.SharesBlockWith(original.Message));
}

TEST(PrintLog, WithoutListenersNothingIsWritten) {
  EXPECT_FALSE(HasOutputListeners());
  PrintLog("dropped %i\n", 1);  // must not crash or leak into a later listener
  Testing::CapturedLog log;
  PrintLog("kept %s %i\n", "line", 2);
  EXPECT_EQ(log.Text, "kept line 2\n");
}

TEST(PrintLog, ListenersReceiveTextsInRegistrationOrder) {
  std::string order;
  struct Tagged : OutputListener {
    std::string* Order;
    char Tag;
    void Write(const String& text) override { *Order += Tag + std::string(text.CStr()); }
  } first, second;
  first.Order = second.Order = &order;
  first.Tag = '1';
  second.Tag = '2';
  AddOutputListener(&first);
  AddOutputListener(&second);
  PrintLog("x");
  RemoveOutputListener(&first);
  PrintLog("y");
  RemoveOutputListener(&second);
  EXPECT_EQ(order, "1x2x2y");
}
