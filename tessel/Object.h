#pragma once
// Object and the run-time class registry.
//
// Every registered class has one static ClassRecord naming it, its base and a
// factory. Records are pushed onto the front of one of 1024 buckets chosen by
// StringHash(name) & 0x3FF during static initialisation; the registry is
// read-only once threads start. IsKindOf walks the base chain, which is how
// the map tells buildings from other entities and the resource manager tells
// resource kinds apart.

#include <cstdint>

namespace Tessel {

class Object;

struct ClassRecord {
  ClassRecord* Next;         // next record in the same bucket
  const char* Name;
  const ClassRecord* Base;   // null for Object
  Object* (*Factory)();      // null for abstract classes
};

class ClassRegistry {
public:
  static constexpr int NumBuckets = 1024;

  static int BucketOf(const char* className);
  static void Register(ClassRecord* record);
  static const ClassRecord* GetBucketHead(int bucket);
  // Nothing in the game looks classes up by name; tools and tests may.
  static const ClassRecord* Find(const char* className);
};

// Registers one record at static initialisation.
struct ClassRegistrar {
  explicit ClassRegistrar(ClassRecord* record) { ClassRegistry::Register(record); }
};

class Object {
public:
  virtual ~Object() = default;
  virtual const ClassRecord* GetClass() const { return &ClassInfo; }

  static ClassRecord ClassInfo;
};

bool IsKindOf(const Object* object, const ClassRecord* record);

template <typename T>
bool IsKindOf(const Object* object) {
  return IsKindOf(object, &T::ClassInfo);
}

}  // namespace Tessel

// In the class body.
#define TESSEL_DECLARE_CLASS(ClassName)                                       \
public:                                                                       \
  static ::Tessel::ClassRecord ClassInfo;                                     \
  const ::Tessel::ClassRecord* GetClass() const override { return &ClassInfo; }

// In one source file: a class with a default-constructing factory.
#define TESSEL_IMPLEMENT_CLASS(ClassName, BaseName)                                          \
  ::Tessel::ClassRecord ClassName::ClassInfo{nullptr, #ClassName, &BaseName::ClassInfo,       \
                                             []() -> ::Tessel::Object* { return new ClassName(); }}; \
  static ::Tessel::ClassRegistrar ClassName##Registrar_(&ClassName::ClassInfo)

// In one source file: an abstract class, registered without a factory.
#define TESSEL_IMPLEMENT_ABSTRACT_CLASS(ClassName, BaseName)                                  \
  ::Tessel::ClassRecord ClassName::ClassInfo{nullptr, #ClassName, &BaseName::ClassInfo, nullptr}; \
  static ::Tessel::ClassRegistrar ClassName##Registrar_(&ClassName::ClassInfo)
