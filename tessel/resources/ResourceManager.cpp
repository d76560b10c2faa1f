#include "tessel/resources/ResourceManager.h"

#include "tessel/graphics/Font.h"
#include "tessel/resources/Animation.h"
#include "tessel/resources/AudioResources.h"
#include "tessel/resources/Bitmap.h"
#include "tessel/resources/ImageFile.h"

namespace Tessel {

TESSEL_IMPLEMENT_CLASS(Animation, ResourceBase);

namespace {

int BucketOf(const String& name) { return static_cast<int>(name.GetHash() & (ResourceManager::NumBuckets - 1)); }

}  // namespace

ResourceManager::ResourceManager(const String& baseFolder) : BaseFolder(baseFolder) {}

ResourceManager::~ResourceManager() { Clear(); }

ResourceBase* ResourceManager::FindResource(const String& name, const ClassRecord* kind) {
  if (name.IsEmpty()) return nullptr;
  std::lock_guard<std::mutex> guard(TableLock);
  uint32_t hash = name.GetHash();
  for (ResourceBase* r = Buckets[BucketOf(name)]; r; r = r->Next)
    if (r->Name.GetHash() == hash && r->Name.Compare(name) == 0 && IsKindOf(r, kind)) return r;
  return nullptr;
}

void ResourceManager::InsertLocked(ResourceBase* resource) {
  resource->Owner = this;
  int bucket = BucketOf(resource->Name);
  resource->Next = Buckets[bucket];
  Buckets[bucket] = resource;
  ++LoadedCount;
}

void ResourceManager::Insert(ResourceBase* resource) {
  resource->Group = CurrentGroup;
  std::lock_guard<std::mutex> guard(TableLock);
  InsertLocked(resource);
}

template <typename T>
T* ResourceManager::MakeBitmap(const String& name, bool optional) {
  ImageData image;
  if (!LoadImageFile(BaseFolder, name, image)) {
    if (optional) return nullptr;
    image = MakePlaceholderImage();
  }
  T* bitmap = new T(image);
  bitmap->Name = name;
  Insert(bitmap);
  return bitmap;
}

Bitmap* ResourceManager::LoadBitmap(const String& name, bool optional) { return MakeBitmap<Bitmap>(name, optional); }

Texture* ResourceManager::LoadTexture(const String& name, bool optional) { return MakeBitmap<Texture>(name, optional); }

Font* ResourceManager::GetFont(const String& name) {
  if (name.IsEmpty()) return nullptr;
  if (Font* existing = Find<Font>(name)) return existing;
  // Loaded before it enters the table, so another thread never sees it half read.
  Font* font = new Font();
  font->Name = name;
  font->Group = CurrentGroup;
  font->Load(*this);
  Insert(font);
  return font;
}

Music* ResourceManager::GetMusic(const String& name) {
  if (Music* existing = Find<Music>(name)) return existing;
  Music* music = new Music();
  music->Name = name;
  Insert(music);
  return music;
}

Sound* ResourceManager::GetSound(const String& name, int channelCount, float volume) {
  if (Sound* existing = Find<Sound>(name)) {
    if (channelCount > existing->ChannelCount) existing->ChannelCount = channelCount;
    return existing;
  }
  Sound* sound = new Sound();
  sound->Name = name;
  sound->ChannelCount = channelCount;
  sound->Volume = volume;
  Insert(sound);
  return sound;
}

void ResourceManager::RemoveResource(const String& name) {
  ResourceBase* removed = nullptr;
  {
    std::lock_guard<std::mutex> guard(TableLock);
    for (ResourceBase** link = &Buckets[BucketOf(name)]; *link; link = &(*link)->Next) {
      if ((*link)->Name == name) {
        removed = *link;
        *link = removed->Next;
        break;
      }
    }
  }
  delete removed;
}

void ResourceManager::UnloadGroup(const String& group) {
  std::lock_guard<std::mutex> guard(TableLock);
  for (ResourceBase*& head : Buckets) {
    for (ResourceBase** link = &head; *link;) {
      ResourceBase* r = *link;
      if (r->Group == group) {
        *link = r->Next;
        delete r;
      } else {
        link = &r->Next;
      }
    }
  }
}

void ResourceManager::Clear() {
  std::lock_guard<std::mutex> guard(TableLock);
  for (ResourceBase*& head : Buckets) {
    while (head) {
      ResourceBase* r = head;
      head = r->Next;
      delete r;
    }
  }
}

int ResourceManager::GetResourceCount() {
  std::lock_guard<std::mutex> guard(TableLock);
  int count = 0;
  for (ResourceBase* head : Buckets)
    for (ResourceBase* r = head; r; r = r->Next) ++count;
  return count;
}

}  // namespace Tessel
