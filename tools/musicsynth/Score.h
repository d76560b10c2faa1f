#pragma once
// Score: the notes of a song, worked out from its description. The melody
// follows the chords (chord tones on strong beats, steps between them) and
// is built in four-bar phrases, A A' A B, each phrase ending on a longer
// note; the last phrase comes home to the tonic, so the loop closes.

#include <vector>

#include "musicsynth/Song.h"

namespace MusicSynth {

struct Note {
  double Beat;    // from the start of the song
  double Length;  // in beats
  int Pitch;      // MIDI
  double Velocity;  // 0..1
};

struct Score {
  std::vector<Note> Melody;
  std::vector<std::vector<Note>> Harmony;  // one chord (several notes) per entry
  std::vector<Note> Bass;
  double Beats = 0;
};

// The notes of a chord (MIDI), root position from `root`.
std::vector<int> ChordNotes(const Song& song, const Chord& chord, int root);

Score WriteScore(const Song& song);

}  // namespace MusicSynth
