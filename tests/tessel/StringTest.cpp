#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "tessel/Exception.h"
#include "tessel/Strings.h"

using Tessel::String;

TEST(String, EmptyTextGivesTheNullString) {
  String fromEmpty("");
  String fromNull(static_cast<const char*>(nullptr));
  String null;
  for (const String* s : {&fromEmpty, &fromNull, &null}) {
    EXPECT_TRUE(s->IsEmpty());
    EXPECT_EQ(s->GetLength(), 0);
    EXPECT_STREQ(s->CStr(), "");
    EXPECT_EQ(s->RefCount(), 0u) << "the empty string allocates nothing";
  }
  EXPECT_TRUE(fromEmpty == null);
  EXPECT_EQ(fromEmpty.GetHash(), 0u);
}

TEST(String, CopiesShareOneBlock) {
  String a("key");
  {
    String b = a;
    String c;
    c = b;
    EXPECT_TRUE(a.SharesBlockWith(b));
    EXPECT_TRUE(a.SharesBlockWith(c));
    EXPECT_EQ(a.RefCount(), 3u);
  }
  EXPECT_EQ(a.RefCount(), 1u);
  EXPECT_EQ(a.GetLength(), 3);
  EXPECT_EQ(a.GetCapacity(), 3);
}

TEST(String, AssigningEmptyEmptiesASoleOwnerInPlace) {
  String a("text");
  const char* block = a.CStr();
  a = String();
  EXPECT_TRUE(a.IsEmpty());
  EXPECT_EQ(a.RefCount(), 1u) << "a sole owner keeps its block";
  EXPECT_EQ(a.CStr(), block);
  EXPECT_EQ(a.GetHash(), 0u);
  EXPECT_TRUE(a == String());
}

TEST(String, AssigningEmptyToASharedBlockLeavesTheOtherUntouched) {
  String a("text");
  String b = a;
  b = String();
  EXPECT_EQ(b.RefCount(), 0u) << "the target becomes null";
  EXPECT_EQ(a.RefCount(), 1u);
  EXPECT_STREQ(a.CStr(), "text");
}

TEST(String, SelfAssignmentAndMovesKeepCountsRight) {
  String a("abc");
  String& alias = a;
  a = alias;
  EXPECT_EQ(a.RefCount(), 1u);
  String b = a;
  b = std::move(a);  // both shared one block: the count falls to 1
  EXPECT_EQ(b.RefCount(), 1u);
  EXPECT_TRUE(a.IsEmpty());
  String c(std::move(b));
  EXPECT_STREQ(c.CStr(), "abc");
  EXPECT_EQ(c.RefCount(), 1u);
}

TEST(String, ConcatenationSharesWhenOneSideIsEmpty) {
  String left("left");
  String joined = left + String();
  EXPECT_TRUE(joined.SharesBlockWith(left));
  EXPECT_EQ(left.RefCount(), 2u);

  String built = String() + "text";
  EXPECT_STREQ(built.CStr(), "text");
  EXPECT_EQ(built.RefCount(), 1u);

  String sum = left + "/" + String("right") + '!';
  EXPECT_STREQ(sum.CStr(), "left/right!");
  EXPECT_EQ(sum.GetCapacity(), sum.GetLength());
  String prefix = "pre" + left;
  EXPECT_STREQ(prefix.CStr(), "preleft");

  String grown;
  grown += "a";
  grown += 'b';
  grown += String("c");
  EXPECT_STREQ(grown.CStr(), "abc");
}

TEST(String, OrderingIsByByteValueAndNoCaseFolds) {
  EXPECT_LT(String("B").Compare(String("a")), 0) << "B (0x42) sorts before a (0x61)";
  EXPECT_GT(String("B").CompareNoCase(String("a")), 0) << "case-insensitively a comes first";
  EXPECT_EQ(String("English").CompareNoCase(String("ENGLISH")), 0);
  EXPECT_LT(String().Compare(String("a")), 0);
  EXPECT_EQ(String().Compare(String("")), 0);
  EXPECT_GT(String("\xE9").Compare(String("z")), 0) << "bytes compare as unsigned";
}

TEST(String, EqualityUsesTheCachedHash) {
  String a("Hud.Info.Income");
  String b(std::string_view("Hud.Info.Income"));
  EXPECT_TRUE(a == b);
  EXPECT_FALSE(a != b);
  EXPECT_EQ(a.GetHash(), b.GetHash());
  EXPECT_FALSE(a == String("Hud.Info.Incomes"));
  EXPECT_TRUE(a == "Hud.Info.Income");
}

TEST(String, SharingFromTwoThreadsKeepsTheCount) {
  String shared("shared by the loading thread");
  auto work = [&] {
    for (int i = 0; i < 20000; ++i) {
      String copy = shared;
      String other = copy;
      (void)other.GetHash();
    }
  };
  std::thread loader(work);
  work();
  loader.join();
  EXPECT_EQ(shared.RefCount(), 1u);
}
