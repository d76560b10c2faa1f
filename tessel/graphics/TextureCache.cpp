#include "tessel/graphics/TextureCache.h"

namespace Tessel {

CachedTexture* TextureCache::Find(const ResourceBase* image) const {
  for (CachedTexture* t = Buckets[BucketOf(image)]; t; t = t->Next)
    if (t->Image == image) return t;
  return nullptr;
}

void TextureCache::Insert(CachedTexture* texture) {
  int bucket = BucketOf(texture->Image);
  texture->Next = Buckets[bucket];
  Buckets[bucket] = texture;
  ++Count;
}

CachedTexture* TextureCache::Remove(const ResourceBase* image) {
  for (CachedTexture** link = &Buckets[BucketOf(image)]; *link; link = &(*link)->Next) {
    if ((*link)->Image == image) {
      CachedTexture* found = *link;
      *link = found->Next;
      found->Next = nullptr;
      --Count;
      return found;
    }
  }
  return nullptr;
}

void TextureCache::RemoveAll(const std::function<void(CachedTexture*)>& visitor) {
  for (CachedTexture*& head : Buckets) {
    while (head) {
      CachedTexture* t = head;
      head = t->Next;
      t->Next = nullptr;
      --Count;
      visitor(t);
    }
  }
}

}  // namespace Tessel
