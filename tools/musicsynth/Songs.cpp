// The six tracks: the menu's welcome, and five moods for playing a level.
#include "musicsynth/Song.h"

namespace MusicSynth {

namespace {

Song Named(const char* name, int tonic, bool minorKey, double tempo) {
  Song s;
  s.Name = name;
  s.Tonic = tonic;
  s.MinorKey = minorKey;
  s.Tempo = tempo;
  return s;
}

std::vector<Song> MakeSongs() {
  std::vector<Song> songs;
  {
    // Warm and welcoming: flute over electric piano chords, brushed drums.
    Song s = Named("MainMenu", 65, false, 92);
    s.Progression = {{0, CHORD_Major7}, {9, CHORD_Minor7}, {5, CHORD_Major7}, {7, CHORD_Sus4},
                     {0, CHORD_Major7}, {9, CHORD_Minor7}, {2, CHORD_Minor7}, {7, CHORD_Dominant7}};
    s.Motif = {3, 1, 2, 2};
    s.Lead = LEAD_Flute;
    s.Harmony = HARMONY_Comping;
    s.Bass = BASS_RootFifth;
    s.Rhythm = RHYTHM_Brushes;
    s.Seed = 11;
    songs.push_back(s);
  }
  {
    // A bright morning on the building site: marimba, plucked arpeggios, light pop beat.
    Song s = Named("Track0", 60, false, 112);
    s.Progression = {{0, CHORD_Major}, {7, CHORD_Major}, {9, CHORD_Minor}, {5, CHORD_Major}};
    s.Motif = {1, 1, 2, 1, 1, 2};
    s.Lead = LEAD_Marimba;
    s.Harmony = HARMONY_Arpeggio;
    s.Bass = BASS_RootFifth;
    s.Rhythm = RHYTHM_Pop;
    s.Seed = 23;
    s.Brightness = 0.7;
    songs.push_back(s);
  }
  {
    // A lazy afternoon: swung electric piano, soft pad, walking bass.
    Song s = Named("Track1", 67, false, 84);
    s.Swing = 0.28;
    s.Progression = {{0, CHORD_Major7}, {5, CHORD_Major7}, {4, CHORD_Minor7}, {9, CHORD_Minor7},
                     {2, CHORD_Minor7}, {7, CHORD_Dominant7}, {0, CHORD_Major7}, {7, CHORD_Dominant7}};
    s.Motif = {2, 1, 1, 0, 2, 1};
    s.Lead = LEAD_ElectricPiano;
    s.Harmony = HARMONY_Pad;
    s.Bass = BASS_Walking;
    s.Rhythm = RHYTHM_Brushes;
    s.Seed = 37;
    s.Brightness = 0.35;
    songs.push_back(s);
  }
  {
    // A playful bustle: glockenspiel tune, staccato bass, shaker.
    Song s = Named("Track2", 62, false, 124);
    s.Progression = {{0, CHORD_Major}, {5, CHORD_Major}, {0, CHORD_Major}, {7, CHORD_Major},
                     {9, CHORD_Minor}, {5, CHORD_Major}, {7, CHORD_Major}, {0, CHORD_Major}};
    s.Motif = {1, 1, 1, 1, 2, 0, 1};
    s.Lead = LEAD_Glockenspiel;
    s.Harmony = HARMONY_Comping;
    s.Bass = BASS_Roots;
    s.Rhythm = RHYTHM_Shaker;
    s.Seed = 41;
    s.Brightness = 0.8;
    songs.push_back(s);
  }
  {
    // A pastoral waltz: flute and harp, no drums.
    Song s = Named("Track3", 58, false, 100);
    s.BeatsPerBar = 3;
    s.Progression = {{0, CHORD_Major}, {5, CHORD_Major}, {7, CHORD_Major}, {0, CHORD_Major},
                     {9, CHORD_Minor}, {2, CHORD_Minor}, {7, CHORD_Dominant7}, {0, CHORD_Major}};
    s.Motif = {2, 1, 1, 2};
    s.Lead = LEAD_Clarinet;
    s.Harmony = HARMONY_Waltz;
    s.Bass = BASS_Roots;
    s.Rhythm = RHYTHM_None;
    s.Seed = 53;
    s.Brightness = 0.4;
    songs.push_back(s);
  }
  {
    // An evening groove in a light minor: plucked lead, pad, syncopated bass.
    Song s = Named("Track4", 57, true, 98);
    s.Progression = {{0, CHORD_Minor7}, {5, CHORD_Dominant7}, {0, CHORD_Minor7}, {5, CHORD_Dominant7},
                     {8, CHORD_Major7}, {10, CHORD_Major}, {0, CHORD_Minor7}, {7, CHORD_Minor7}};
    s.Motif = {1, 2, 1, 0, 1, 2};
    s.Lead = LEAD_Pluck;
    s.Harmony = HARMONY_Pad;
    s.Bass = BASS_Syncopated;
    s.Rhythm = RHYTHM_Groove;
    s.Seed = 67;
    s.Brightness = 0.45;
    songs.push_back(s);
  }
  return songs;
}

}  // namespace

const std::vector<Song>& AllSongs() {
  static const std::vector<Song> songs = MakeSongs();
  return songs;
}

}  // namespace MusicSynth
