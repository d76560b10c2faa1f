#include "musicsynth/Score.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <stdexcept>

#include "synth/Signal.h"

namespace MusicSynth {

namespace {

const int MajorScale[] = {0, 2, 4, 5, 7, 9, 11};
const int DorianScale[] = {0, 2, 3, 5, 7, 9, 10};

std::vector<int> Intervals(ChordQuality q) {
  switch (q) {
    case CHORD_Major: return {0, 4, 7};
    case CHORD_Minor: return {0, 3, 7};
    case CHORD_Major7: return {0, 4, 7, 11};
    case CHORD_Minor7: return {0, 3, 7, 10};
    case CHORD_Dominant7: return {0, 4, 7, 10};
    case CHORD_Sus4: return {0, 5, 7};
  }
  return {0, 4, 7};
}

bool InScale(const Song& song, int pitch) {
  const int* scale = song.MinorKey ? DorianScale : MajorScale;
  int degree = ((pitch - song.Tonic) % 12 + 12) % 12;
  return std::find(scale, scale + 7, degree) != scale + 7;
}

// The scale note `steps` scale steps away from pitch (pitch is in the scale).
int ScaleStep(const Song& song, int pitch, int steps) {
  int direction = steps > 0 ? 1 : -1;
  for (int i = 0; i < std::abs(steps); ++i) {
    do pitch += direction;
    while (!InScale(song, pitch));
  }
  return pitch;
}

int NearestChordTone(const std::vector<int>& chord, int pitch, int bias) {
  int best = pitch, bestDistance = 1000;
  for (int octave = -2; octave <= 2; ++octave) {
    for (int tone : chord) {
      int candidate = tone + 12 * octave;
      int distance = std::abs(candidate - pitch) * 2 + (bias != 0 && (candidate - pitch) * bias < 0 ? 1 : 0);
      if (distance < bestDistance) {
        bestDistance = distance;
        best = candidate;
      }
    }
  }
  return best;
}

constexpr int MelodyLow = 67, MelodyHigh = 86;

int KeepInRange(int pitch) {
  while (pitch < MelodyLow) pitch += 12;
  while (pitch > MelodyHigh) pitch -= 12;
  return pitch;
}

// One bar of melody from a motif; `cadence` holds the last note long.
void MelodyBar(const Song& song, const std::vector<int>& chord, double barBeat, bool cadence, bool home,
               Synth::Random& random, int& pitch, std::vector<Note>& out) {
  std::vector<int> rhythm = song.Motif;
  if (cadence) {
    // Two notes of the motif, then one long note to breathe.
    int used = 0, kept = 0;
    std::vector<int> shortened;
    for (int r : rhythm) {
      if (kept == 2) break;
      shortened.push_back(r);
      used += std::max(1, r);
      if (r > 0) ++kept;
    }
    shortened.push_back(song.BeatsPerBar * 2 - used);
    rhythm = shortened;
  }
  double eighth = 0;
  for (size_t i = 0; i < rhythm.size(); ++i) {
    int length = rhythm[i];
    if (length == 0) {
      eighth += 1;
      continue;
    }
    bool strong = std::fmod(eighth, 2.0) == 0.0;
    bool last = i + 1 == rhythm.size();
    if (last && cadence) {
      // Home: the tonic nearest to where the tune is; otherwise a chord tone.
      pitch = NearestChordTone(home ? std::vector<int>{song.Tonic} : chord, pitch, random.Uniform() < 0.5 ? -1 : 1);
    } else if (strong) {
      int drift = random.Uniform() < 0.5 ? -1 : 1;
      pitch = NearestChordTone(chord, ScaleStep(song, pitch, drift * int(random.Uniform() * 3)), drift);
    } else {
      int step = random.Uniform() < 0.7 ? (random.Uniform() < 0.5 ? -1 : 1) : (random.Uniform() < 0.5 ? -2 : 2);
      if (!InScale(song, pitch)) pitch = ScaleStep(song, pitch, step > 0 ? 1 : -1);
      else pitch = ScaleStep(song, pitch, step);
    }
    pitch = KeepInRange(pitch);
    double velocity = (strong ? 0.85 : 0.7) + random.Range(-0.05, 0.05);
    out.push_back(Note{barBeat + eighth / 2, length / 2.0 * 0.92, pitch, velocity});
    eighth += length;
  }
}

}  // namespace

std::vector<int> ChordNotes(const Song& song, const Chord& chord, int root) {
  std::vector<int> notes;
  for (int interval : Intervals(chord.Quality)) notes.push_back(root + interval);
  return notes;
}

Score WriteScore(const Song& song) {
  int motifLength = std::accumulate(song.Motif.begin(), song.Motif.end(), 0,
                                    [](int sum, int r) { return sum + std::max(1, r); });
  if (motifLength != song.BeatsPerBar * 2) throw std::runtime_error(song.Name + ": the motif does not fill a bar");
  Score score;
  score.Beats = song.Bars * song.BeatsPerBar;
  // The melody: phrases A, A', A, B; A' and B differ in their second half.
  int pitch = KeepInRange(song.Tonic + 12 + 4);
  for (int bar = 0; bar < song.Bars; ++bar) {
    int phrase = bar / 4, inPhrase = bar % 4;
    unsigned variant = (phrase == 1 || phrase == 3) && inPhrase >= 2 ? unsigned(phrase) : 0u;
    Synth::Random random(song.Seed * 977 + unsigned(inPhrase) * 131 + variant * 7919);
    if (inPhrase == 0) pitch = KeepInRange(song.Tonic + 12 + (phrase == 3 ? 7 : 4));
    const Chord& chord = song.Progression[size_t(bar) % song.Progression.size()];
    std::vector<int> tones = ChordNotes(song, chord, song.Tonic + chord.Root);
    bool cadence = inPhrase == 1 || inPhrase == 3;
    bool home = bar == song.Bars - 1;
    MelodyBar(song, tones, bar * song.BeatsPerBar, cadence, home, random, pitch, score.Melody);
  }
  // Harmony voicings: chord notes moved near the middle of the keyboard.
  for (int bar = 0; bar < song.Bars; ++bar) {
    const Chord& chord = song.Progression[size_t(bar) % song.Progression.size()];
    std::vector<Note> voicing;
    for (int tone : ChordNotes(song, chord, song.Tonic + chord.Root)) {
      int p = tone;
      while (p < 53) p += 12;
      while (p > 66) p -= 12;
      voicing.push_back(Note{double(bar * song.BeatsPerBar), double(song.BeatsPerBar), p, 0.6});
    }
    std::sort(voicing.begin(), voicing.end(), [](const Note& a, const Note& b) { return a.Pitch < b.Pitch; });
    score.Harmony.push_back(voicing);
  }
  // Bass.
  for (int bar = 0; bar < song.Bars; ++bar) {
    const Chord& chord = song.Progression[size_t(bar) % song.Progression.size()];
    const Chord& next = song.Progression[size_t(bar + 1) % song.Progression.size()];
    int root = song.Tonic + chord.Root;
    while (root >= 48) root -= 12;
    while (root < 36) root += 12;
    int fifth = root + 7, third = root + Intervals(chord.Quality)[1];
    int nextRoot = song.Tonic + next.Root;
    while (nextRoot >= 48) nextRoot -= 12;
    while (nextRoot < 36) nextRoot += 12;
    double b0 = bar * song.BeatsPerBar;
    auto add = [&](double beat, double length, int p, double v) { score.Bass.push_back(Note{b0 + beat, length, p, v}); };
    switch (song.Bass) {
      case BASS_Roots:
        if (song.BeatsPerBar == 3) {
          add(0, 1.8, root, 0.9);
        } else {
          add(0, 1.5, root, 0.9);
          add(2, 0.9, root, 0.75);
          add(3, 0.45, fifth, 0.6);
        }
        break;
      case BASS_RootFifth:
        add(0, 1.6, root, 0.9);
        add(2, 1.3, fifth, 0.75);
        break;
      case BASS_Walking:
        add(0, 0.9, root, 0.9);
        add(1, 0.9, third, 0.75);
        add(2, 0.9, fifth, 0.8);
        add(3, 0.9, nextRoot + (nextRoot > root ? -1 : 1), 0.7);
        break;
      case BASS_Syncopated:
        add(0, 0.9, root, 0.9);
        add(1.5, 0.4, root, 0.7);
        add(2.5, 0.4, root + 12, 0.65);
        add(3.5, 0.4, fifth, 0.7);
        break;
    }
  }
  return score;
}

}  // namespace MusicSynth
