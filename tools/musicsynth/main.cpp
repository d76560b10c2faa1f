// musicsynth: composes and renders the game's music tracks into the data
// folder as stereo Ogg Vorbis loops.
//   musicsynth <data folder> <track name>...
#include <cstdio>
#include <exception>
#include <string>

#include "musicsynth/Performer.h"
#include "musicsynth/Score.h"
#include "musicsynth/Song.h"
#include "synth/OggWriter.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: musicsynth <data folder> <track name>...\n");
    return 2;
  }
  try {
    for (int i = 2; i < argc; ++i) {
      bool found = false;
      for (const MusicSynth::Song& song : MusicSynth::AllSongs()) {
        if (song.Name != argv[i]) continue;
        MusicSynth::StereoMix mix = MusicSynth::Perform(song, MusicSynth::WriteScore(song));
        // Music sits under the effects: a lower level, measured over phrases.
        Synth::NormaliseStereo(mix.Left, mix.Right, 0.09, 3.0);
        Synth::WriteOgg(std::string(argv[1]) + "/Music/" + song.Name + ".ogg", mix.Left, mix.Right, 0.3f);
        found = true;
      }
      if (!found) {
        std::fprintf(stderr, "musicsynth: no track named %s\n", argv[i]);
        return 1;
      }
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "musicsynth: %s\n", e.what());
    return 1;
  }
  return 0;
}
