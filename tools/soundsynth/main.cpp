// soundsynth: synthesises sound effects into the data folder as Ogg Vorbis,
// each brought to its family's loudness.
//   soundsynth <data folder> <sound name>...
#include <cstdio>
#include <exception>
#include <string>

#include "soundsynth/SoundRecipes.h"
#include "synth/OggWriter.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: soundsynth <data folder> <sound name>...\n");
    return 2;
  }
  try {
    for (int i = 2; i < argc; ++i) {
      bool found = false;
      for (const SoundSynth::SoundRecipe& sound : SoundSynth::AllSounds()) {
        if (sound.Name != argv[i]) continue;
        Synth::Signal s = sound.Make();
        if (sound.Level != SoundSynth::LOUD_Ambient) Synth::FadeEdges(s, 0.0, 0.01);
        Synth::Normalise(s, SoundSynth::TargetRms(sound.Level));
        Synth::WriteOgg(std::string(argv[1]) + "/sounds/" + sound.Name + ".ogg", s, {}, 0.4f);
        found = true;
      }
      if (!found) {
        std::fprintf(stderr, "soundsynth: no sound named %s\n", argv[i]);
        return 1;
      }
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "soundsynth: %s\n", e.what());
    return 1;
  }
  return 0;
}
