#pragma once
// The device's copies of image resources, kept in a fixed table of 4096
// singly linked buckets keyed by the resource's address, so lookups during a
// frame never allocate.

#include <cstdint>
#include <functional>

namespace Tessel {

class ResourceBase;

struct CachedTexture {
  ResourceBase* Image = nullptr;
  bool IsBitmap = true;   // a plain Bitmap rather than a Texture
  bool IsFailed = false;
  bool HasMipmaps = false;
  uint32_t Handle = 0;    // the renderer's texture; 0 while empty
  int Width = 0, Height = 0;
  int Format = 0;         // the texture's format code
  int64_t UploadedBytes = 0;
  CachedTexture* Next = nullptr;
};

class TextureCache {
public:
  static constexpr int NumBuckets = 4096;

  TextureCache() = default;
  TextureCache(const TextureCache&) = delete;
  TextureCache& operator=(const TextureCache&) = delete;

  CachedTexture* Find(const ResourceBase* image) const;
  void Insert(CachedTexture* texture);  // at the head of its bucket
  // Unlinks and returns the entry of the image, or null.
  CachedTexture* Remove(const ResourceBase* image);
  // Unlinks every entry, handing each to the visitor (which deletes it).
  void RemoveAll(const std::function<void(CachedTexture*)>& visitor);
  int GetCount() const { return Count; }

  // Heap addresses are 16-byte aligned; the low bits would leave 15 of every
  // 16 buckets unused.
  static int BucketOf(const ResourceBase* image) {
    return static_cast<int>((reinterpret_cast<uintptr_t>(image) >> 4) & (NumBuckets - 1));
  }

private:
  CachedTexture* Buckets[NumBuckets] = {};
  int Count = 0;
};

}  // namespace Tessel
