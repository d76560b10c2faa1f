#pragma once
// ResourceManager: owns every image, font, sound and music of the game, by
// name, in 4096 buckets. Each resource is stamped with the group that was
// current when it was made, and whole groups are unloaded at once.
//
// The loading thread creates resources while the main thread draws: every
// table operation runs under the manager's lock, decoding runs outside it,
// and a bitmap enters the table only once its pixels are complete.

#include <atomic>
#include <mutex>

#include "tessel/Object.h"
#include "tessel/Strings.h"
#include "tessel/resources/ResourceBase.h"

namespace Tessel {

class Bitmap;
class Font;
class Texture;
class Music;
class Sound;

class ResourceManager {
public:
  static constexpr int NumBuckets = 4096;

  explicit ResourceManager(const String& baseFolder = String("./"));
  ~ResourceManager();
  ResourceManager(const ResourceManager&) = delete;
  ResourceManager& operator=(const ResourceManager&) = delete;

  // The first resource of that exact name whose class is the given one or
  // derives from it; null for an empty name.
  ResourceBase* FindResource(const String& name, const ClassRecord* kind = &ResourceBase::ClassInfo);
  template <typename T>
  T* Find(const String& name) {
    return static_cast<T*>(FindResource(name, &T::ClassInfo));
  }

  // Decodes a new bitmap on every call. A missing or broken required image
  // becomes the checkerboard placeholder; an optional one gives null.
  Bitmap* LoadBitmap(const String& name, bool optional = false);
  // The same as a texture, which the device may mip-map and round in size.
  Texture* LoadTexture(const String& name, bool optional = false);
  // Loaded on first request; null for an empty name.
  Font* GetFont(const String& name);
  Music* GetMusic(const String& name);
  // An existing sound's channel count is raised to channelCount, never lowered.
  Sound* GetSound(const String& name, int channelCount = 1, float volume = 1.0f);

  // Inserts a resource made elsewhere (fonts), stamped with the current group.
  void Insert(ResourceBase* resource);
  void RemoveResource(const String& name);
  void UnloadGroup(const String& group);
  void Clear();

  unsigned GetLoadedCount() const { return LoadedCount.load(); }
  int GetResourceCount();

  String BaseFolder;
  // Plain: one group-loading routine runs at a time.
  String CurrentGroup;

private:
  template <typename T>
  T* MakeBitmap(const String& name, bool optional);
  void InsertLocked(ResourceBase* resource);

  std::mutex TableLock;
  ResourceBase* Buckets[NumBuckets] = {};
  std::atomic<unsigned> LoadedCount{0};
};

}  // namespace Tessel
