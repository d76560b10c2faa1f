#include <gtest/gtest.h>

#include "tessel/Object.h"
#include "tessel/StringHash.h"

using Tessel::ClassRegistry;
using Tessel::IsKindOf;
using Tessel::Object;

namespace {

class Shape : public Object {
  TESSEL_DECLARE_CLASS(Shape)
};
class Circle : public Shape {
  TESSEL_DECLARE_CLASS(Circle)
};
class Square : public Shape {
  TESSEL_DECLARE_CLASS(Square)
};

}  // namespace

TESSEL_IMPLEMENT_ABSTRACT_CLASS(Shape, Object);
TESSEL_IMPLEMENT_CLASS(Circle, Shape);
TESSEL_IMPLEMENT_CLASS(Square, Shape);

TEST(StringHash, KnownValues) {
  struct Case {
    const char* Text;
    uint32_t Hash;
    int Bucket;
  };
  for (const Case& c : {Case{"Object", 0xC0C09366, 870}, Case{"Widget", 0x602E9EF0, 752}, Case{"", 0, 0}}) {
    EXPECT_EQ(Tessel::StringHash(c.Text), c.Hash) << c.Text;
    EXPECT_EQ(ClassRegistry::BucketOf(c.Text), c.Bucket) << c.Text;
  }
  // Trailing bytes are signed: 0xE9 adds -23, not 233.
  EXPECT_EQ(Tessel::StringHash("\xE9"), static_cast<uint32_t>(-23));
}

TEST(ClassRegistry, ObjectIsRegisteredInItsBucket) {
  const Tessel::ClassRecord* found = nullptr;
  for (const Tessel::ClassRecord* r = ClassRegistry::GetBucketHead(870); r; r = r->Next)
    if (r == &Object::ClassInfo) found = r;
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->Base, nullptr);
  EXPECT_EQ(found->Factory, nullptr);
  EXPECT_EQ(ClassRegistry::Find("Circle"), &Circle::ClassInfo);
  EXPECT_EQ(ClassRegistry::Find("Triangle"), nullptr);
}

TEST(ClassRegistry, FactoriesMakeDefaultInstances) {
  EXPECT_EQ(Shape::ClassInfo.Factory, nullptr) << "abstract classes have no factory";
  Object* made = Circle::ClassInfo.Factory();
  EXPECT_EQ(made->GetClass(), &Circle::ClassInfo);
  delete made;
}

TEST(IsKindOf, FollowsTheBaseChain) {
  Circle circle;
  Object plain;
  EXPECT_TRUE(IsKindOf<Circle>(&circle));
  EXPECT_TRUE(IsKindOf<Shape>(&circle));
  EXPECT_TRUE(IsKindOf<Object>(&circle));
  EXPECT_FALSE(IsKindOf<Square>(&circle));
  EXPECT_FALSE(IsKindOf<Shape>(&plain));
  EXPECT_FALSE(IsKindOf<Object>(nullptr));
}
