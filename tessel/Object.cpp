#include "tessel/Object.h"

#include <cstring>

#include "tessel/StringHash.h"

namespace Tessel {

// Zero-initialised before any dynamic initialisation runs, so registrars in
// other translation units may push onto it whatever their order.
static ClassRecord* Buckets[ClassRegistry::NumBuckets];

ClassRecord Object::ClassInfo{nullptr, "Object", nullptr, nullptr};
static ClassRegistrar ObjectRegistrar_(&Object::ClassInfo);

int ClassRegistry::BucketOf(const char* className) {
  return static_cast<int>(StringHash(className) & (NumBuckets - 1));
}

void ClassRegistry::Register(ClassRecord* record) {
  int bucket = BucketOf(record->Name);
  record->Next = Buckets[bucket];
  Buckets[bucket] = record;
}

const ClassRecord* ClassRegistry::GetBucketHead(int bucket) {
  return bucket >= 0 && bucket < NumBuckets ? Buckets[bucket] : nullptr;
}

const ClassRecord* ClassRegistry::Find(const char* className) {
  for (const ClassRecord* r = Buckets[BucketOf(className)]; r; r = r->Next)
    if (std::strcmp(r->Name, className) == 0) return r;
  return nullptr;
}

bool IsKindOf(const Object* object, const ClassRecord* record) {
  if (object == nullptr) return false;
  for (const ClassRecord* c = object->GetClass(); c; c = c->Base)
    if (c == record) return true;
  return false;
}

}  // namespace Tessel
