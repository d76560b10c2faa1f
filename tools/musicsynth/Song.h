#pragma once
// Song: what a music track is made of. A short piece of a few phrases in
// one key and tempo, over a repeating chord progression, with four parts:
// a melody, a harmony (pad, comping or arpeggio), a bass line and a rhythm.
// The tracks are written so that the last bar leads back into the first:
// they loop without a seam.

#include <string>
#include <vector>

namespace MusicSynth {

enum ChordQuality { CHORD_Major, CHORD_Minor, CHORD_Major7, CHORD_Minor7, CHORD_Dominant7, CHORD_Sus4 };

struct Chord {
  int Root;  // semitones above the key's tonic
  ChordQuality Quality;
};

enum LeadVoice { LEAD_Flute, LEAD_Marimba, LEAD_ElectricPiano, LEAD_Glockenspiel, LEAD_Clarinet, LEAD_Pluck };
enum HarmonyStyle { HARMONY_Pad, HARMONY_Comping, HARMONY_Arpeggio, HARMONY_Waltz };
enum BassStyle { BASS_Roots, BASS_RootFifth, BASS_Walking, BASS_Syncopated };
enum RhythmStyle { RHYTHM_None, RHYTHM_Brushes, RHYTHM_Pop, RHYTHM_Shaker, RHYTHM_Groove };

struct Song {
  std::string Name;      // "MainMenu" -> Music/MainMenu.ogg
  int Tonic = 60;        // MIDI note of the key's tonic (around middle C)
  bool MinorKey = false; // dorian minor
  double Tempo = 100;    // beats per minute
  int BeatsPerBar = 4;
  double Swing = 0;      // 0 straight .. 0.33 triplet feel on off-beat eighths
  std::vector<Chord> Progression;  // one chord per bar, repeated to fill the bars
  int Bars = 16;
  // The melody's rhythm for one bar, in eighth notes (a 0 is an eighth rest).
  std::vector<int> Motif;
  LeadVoice Lead = LEAD_Flute;
  HarmonyStyle Harmony = HARMONY_Pad;
  BassStyle Bass = BASS_Roots;
  RhythmStyle Rhythm = RHYTHM_None;
  unsigned Seed = 1;     // the melody's choices
  double Brightness = 0.5;
};

const std::vector<Song>& AllSongs();

}  // namespace MusicSynth
