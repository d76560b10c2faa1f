#pragma once
// PlayerProfiles: the list of players in profiles.xml and the current one.
//
// Loading never trusts the file: a profile without a usable name, values out
// of range, unknown identifiers and two profiles claiming one identifier (and
// so one folder) are repaired or dropped with a log line, and the game starts.
// An unreadable file is set aside and its backup read instead.
//
// Several values are stored bit-inverted, and the attribute "soundVolume"
// holds the music volume while "musicVolume" holds the sound volume; older
// files may say "maxCareerLevelAvailable" for "numCareerLevelsCompleted".

#include <memory>
#include <vector>

#include "game/shell/LevelLists.h"
#include "game/shell/PlayerProfile.h"
#include "tessel/Strings.h"

namespace Tessel {
class XmlReader;
}

namespace Corvanta {

class PlayerProfiles {
public:
  static constexpr const char* FileName = "profiles.xml";

  // Reads folder + "profiles.xml"; a missing file is an empty start.
  // lists may be null while the level progression is not loaded yet.
  void Load(const Tessel::String& folder, const LevelLists* lists);
  // Writes the file (or deletes it when no profile is left); false when it
  // could not be written, in which case the previous file is untouched.
  bool Save(const Tessel::String& folder) const;

  // The profile of that exact name, created when there is none; null for a
  // name that is empty or only spaces.
  PlayerProfile* FindOrCreate(const Tessel::WideString& name, bool isWindowed, int soundVolume, int musicVolume);
  PlayerProfile* Find(const Tessel::WideString& name) const;
  // Removes the profile and deletes its folder under the user data folder.
  void Delete(PlayerProfile* profile, const Tessel::String& folder);
  // A new identifier from the game's random generator, never 0, never one in use.
  uint32_t NewIdentifier() const;
  // Rebuilds every profile's level indices once the level lists are loaded.
  void SortRecords(const LevelLists& lists);

  int GetCount() const { return static_cast<int>(Profiles.size()); }
  PlayerProfile* Get(int index) const { return Profiles[static_cast<size_t>(index)].get(); }
  void Clear();

  PlayerProfile* Current = nullptr;

private:
  bool ReadFile(const Tessel::String& path, const LevelLists* lists);
  void ReadPlayer(Tessel::XmlReader& xml, PlayerProfile& profile);
  void Repair(PlayerProfile& profile, const LevelLists* lists);
  bool IsIdInUse(uint32_t id, const PlayerProfile* except) const;

  std::vector<std::unique_ptr<PlayerProfile>> Profiles;
};

}  // namespace Corvanta
