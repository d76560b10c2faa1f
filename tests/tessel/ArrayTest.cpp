#include <gtest/gtest.h>

#include <string>

#include "tessel/Array.h"
#include "tessel/Exception.h"
#include "tessel/Strings.h"
#include "tessel/WideText.h"

using Tessel::Array;

TEST(Array, GrowsByTheGrowthStep) {
  Array<int> a;
  EXPECT_TRUE(a.IsEmpty());
  a.SetSize(33);
  EXPECT_EQ(a.GetCapacity(), 64);
  EXPECT_EQ(a.GetSize(), 33);
  a.SetSize(10);
  EXPECT_EQ(a.GetCapacity(), 64) << "shrinking keeps the block";

  Array<int> stepped(5);
  stepped.SetSize(11, 7);
  EXPECT_EQ(stepped.GetCapacity(), 15);
  for (int v : stepped) EXPECT_EQ(v, 7);
}

TEST(Array, NegativeSizeFailsTheAssertion) {
  Array<int> a;
  try {
    a.SetSize(-1);
    FAIL() << "no assertion";
  } catch (const Tessel::AssertionFailedException& e) {
    EXPECT_STREQ(e.Message.CStr(), "newSize >= 0");
    EXPECT_STREQ(e.SourceFile, "tessel/Array");
    EXPECT_EQ(e.Line, 165);
  }
}

// libstdc++ strings point into themselves: relocating their bytes would
// leave them pointing into the freed block.
TEST(Array, RelocatesSelfReferencingElementsSafely) {
  Array<Tessel::WideString> texts(1);
  Array<std::string> narrow(1);
  for (int i = 0; i < 100; ++i) {
    texts.Add(Tessel::Widen(std::to_string(i)));
    narrow.Add(std::to_string(i));
  }
  for (int i = 0; i < 100; ++i) {
    EXPECT_EQ(texts[i], Tessel::Widen(std::to_string(i)));
    EXPECT_EQ(narrow[i], std::to_string(i));
  }
}

TEST(Array, AddingAnElementOfItselfWhileGrowing) {
  Array<Tessel::String> keys(1);
  keys.Add(Tessel::String("first"));
  keys.Add(keys[0]);  // the fill value lives in the block being replaced
  keys.Add(keys[1]);
  ASSERT_EQ(keys.GetSize(), 3);
  EXPECT_STREQ(keys[2].CStr(), "first");
  EXPECT_EQ(keys[0].RefCount(), 3u);
}

TEST(Array, ShrinkingDestroysTheRemovedElements) {
  Tessel::String shared("text");
  Array<Tessel::String> a;
  a.SetSize(4, shared);
  EXPECT_EQ(shared.RefCount(), 5u);
  a.SetSize(1);
  EXPECT_EQ(shared.RefCount(), 2u);
  a.Clear();
  EXPECT_EQ(shared.RefCount(), 1u);
}

TEST(Array, CopyRemoveAndFind) {
  Array<int> a;
  for (int i = 0; i < 5; ++i) a.Add(i * 10);
  Array<int> b = a;
  b.RemoveAt(1);
  EXPECT_EQ(b.GetSize(), 4);
  EXPECT_EQ(b[1], 20);
  EXPECT_EQ(a[1], 10) << "copies are independent";
  EXPECT_EQ(b.IndexOf(40), 3);
  EXPECT_EQ(b.IndexOf(10), -1);
  Array<int> moved = std::move(b);
  EXPECT_EQ(moved.GetSize(), 4);
  EXPECT_TRUE(b.IsEmpty());
}
