#include "musicsynth/Performer.h"

#include <cmath>

#include "synth/Voices.h"

namespace MusicSynth {

using namespace Synth;

namespace {

struct Bus {
  Signal Left, Right, ReverbSend;
  void Add(const Signal& s, double at, double gain, double pan, double reverb) {
    // Constant-power panning, pan -1 (left) .. 1 (right).
    double angle = (pan + 1) * Pi / 4;
    MixInto(Left, s, at, gain * std::cos(angle));
    MixInto(Right, s, at, gain * std::sin(angle));
    if (reverb > 0) MixInto(ReverbSend, s, at, gain * reverb);
  }
};

Signal LeadNote(LeadVoice voice, int pitch, double seconds, uint32_t seed) {
  double f = NoteFrequency(pitch);
  switch (voice) {
    case LEAD_Flute: {
      Signal s = Tone(WAVE_Sine, f, seconds, Envelope{0.06, 0.1, 0.85, 0.12}, 0, 0.006, 5.0);
      MixInto(s, Tone(WAVE_Sine, f * 2, seconds, Envelope{0.08, 0.1, 0.6, 0.1}), 0, 0.12);
      MixInto(s, Noise(seconds, Envelope{0.03, 0.1, 0.3, 0.1}, f, f * 3, seed), 0, 0.05);
      return s;
    }
    case LEAD_Marimba: {
      Signal s = FmNote(f, std::max(0.5, seconds), 4.0, 1.1, 0.22);
      MixInto(s, FmNote(f, std::max(0.5, seconds), 1.0, 0.2, 0.3), 0, 0.5);
      return s;
    }
    case LEAD_ElectricPiano: {
      Signal s = FmNote(f, seconds + 0.5, 1.0, 1.3, 0.7, 0.004);
      MixInto(s, FmNote(f, 0.3, 14.0, 0.6, 0.05), 0, 0.08);  // the tine's ping
      return s;
    }
    case LEAD_Glockenspiel: {
      Signal s = FmNote(f * 2, 0.8, 3.5, 1.0, 0.3);
      MixInto(s, FmNote(f * 2, 0.8, 1.0, 0.1, 0.4), 0, 0.5);
      return s;
    }
    case LEAD_Clarinet: {
      Signal s = Tone(WAVE_Square, f, seconds, Envelope{0.05, 0.1, 0.8, 0.1}, 0, 0.005, 5.0);
      LowPass(s, f * 3.0, 0.8);
      return s;
    }
    case LEAD_Pluck: return Pluck(f, seconds + 0.6, 0.75, seed, 0.995);
  }
  return {};
}

Signal BassNote(int pitch, double seconds) {
  double f = NoteFrequency(pitch);
  Envelope env{0.008, 0.15, 0.6, 0.08};
  Signal s = Tone(WAVE_Sine, f, seconds, env);
  MixInto(s, Tone(WAVE_Triangle, f, seconds, env), 0, 0.35);
  MixInto(s, Tone(WAVE_Sine, f * 2, seconds * 0.5, Envelope{0.005, 0.08, 0.1, 0.05}), 0, 0.15);
  LowPass(s, 900);
  return s;
}

Signal ChordHit(int pitch, double seconds, uint32_t seed, HarmonyStyle style, double brightness) {
  double f = NoteFrequency(pitch);
  if (style == HARMONY_Pad) return Pad(f, seconds, brightness, seed);
  if (style == HARMONY_Comping) {
    Signal s = FmNote(f, seconds + 0.3, 1.0, 0.9, 0.6, 0.004);
    return s;
  }
  return Pluck(f, seconds + 0.8, 0.55, seed, 0.997);  // arpeggios and the waltz: harp-like
}

}  // namespace

StereoMix Perform(const Song& song, const Score& score) {
  const double beat = 60.0 / song.Tempo;
  const double length = score.Beats * beat;
  Random random(song.Seed);
  // Swing delays the off-beat eighths; a little looseness keeps it human.
  auto at = [&](double beatPosition) {
    double frac = std::fmod(beatPosition, 1.0);
    double swung = beatPosition + (std::fabs(frac - 0.5) < 1e-6 ? song.Swing * 0.5 : 0.0);
    return swung * beat + random.Range(-0.004, 0.004);
  };
  Bus bus;
  uint32_t seed = song.Seed * 101;

  for (const Note& n : score.Melody) {
    bus.Add(LeadNote(song.Lead, n.Pitch, n.Length * beat, ++seed), at(n.Beat), 0.32 * n.Velocity, 0.12, 0.35);
  }
  for (const Note& n : score.Bass) bus.Add(BassNote(n.Pitch, n.Length * beat), at(n.Beat), 0.5 * n.Velocity, 0.0, 0.05);

  for (const std::vector<Note>& chord : score.Harmony) {
    if (chord.empty()) continue;
    double bar = chord[0].Beat;
    double gain = 0.13;
    switch (song.Harmony) {
      case HARMONY_Pad:
        for (const Note& n : chord) bus.Add(ChordHit(n.Pitch, n.Length * beat, ++seed, song.Harmony, song.Brightness),
                                            bar * beat, gain * 0.8, -0.25, 0.4);
        break;
      case HARMONY_Comping: {
        const double hits[][2] = {{0, 1.3}, {1.5, 0.4}, {2.5, 1.2}};
        for (const auto& hit : hits) {
          if (hit[0] >= song.BeatsPerBar) continue;
          for (const Note& n : chord) {
            bus.Add(ChordHit(n.Pitch, hit[1] * beat, ++seed, song.Harmony, song.Brightness), at(bar + hit[0]),
                    gain * (hit[0] == 0 ? 1.0 : 0.8), -0.3, 0.3);
          }
        }
        break;
      }
      case HARMONY_Arpeggio: {
        // Up and down the chord in eighths, an octave spread.
        std::vector<int> tones;
        for (const Note& n : chord) tones.push_back(n.Pitch);
        tones.push_back(chord[0].Pitch + 12);
        int steps = song.BeatsPerBar * 2;
        for (int i = 0; i < steps; ++i) {
          int cycle = int(tones.size()) * 2 - 2;
          int index = i % cycle;
          if (index >= int(tones.size())) index = cycle - index;
          bus.Add(ChordHit(tones[size_t(index)], 0.5 * beat, ++seed, song.Harmony, song.Brightness), at(bar + i * 0.5),
                  gain * (i % 2 ? 0.7 : 0.9), -0.35, 0.3);
        }
        break;
      }
      case HARMONY_Waltz:
        for (int b = 1; b < song.BeatsPerBar; ++b) {
          for (const Note& n : chord) {
            bus.Add(ChordHit(n.Pitch, 0.9 * beat, ++seed, song.Harmony, song.Brightness), at(bar + b) + 0.012 * (n.Pitch % 3),
                    gain * 0.75, -0.3, 0.35);
          }
        }
        break;
    }
  }

  const int bars = int(score.Beats) / song.BeatsPerBar;
  for (int bar = 0; bar < bars; ++bar) {
    double b0 = bar * song.BeatsPerBar;
    auto kick = [&](double b, double v) { bus.Add(Kick(v), at(b0 + b), 0.45, 0.0, 0.0); };
    auto snare = [&](double b, double v) { bus.Add(Snare(++seed, v), at(b0 + b), 0.22, 0.05, 0.2); };
    auto hat = [&](double b, double v, bool open) { bus.Add(HiHat(++seed, open, v), at(b0 + b), 0.2, 0.3, 0.1); };
    auto shaker = [&](double b, double v) { bus.Add(Shaker(++seed, v), at(b0 + b), 0.3, 0.35, 0.1); };
    switch (song.Rhythm) {
      case RHYTHM_None: break;
      case RHYTHM_Brushes:
        kick(0, 0.6);
        kick(2, 0.45);
        for (int i = 0; i < song.BeatsPerBar * 2; ++i) shaker(i * 0.5, i % 2 ? 0.5 : 0.8);
        bus.Add(Noise(0.16, Envelope{0.01, 0.1, 0.3, 0.06}, 1200, 6000, ++seed), at(b0 + 1), 0.12, 0.05, 0.2);
        bus.Add(Noise(0.16, Envelope{0.01, 0.1, 0.3, 0.06}, 1200, 6000, ++seed), at(b0 + 3), 0.12, 0.05, 0.2);
        break;
      case RHYTHM_Pop:
        kick(0, 0.9);
        kick(2, 0.8);
        snare(1, 0.7);
        snare(3, 0.7);
        for (int i = 0; i < 8; ++i) hat(i * 0.5, i % 2 ? 0.5 : 0.8, false);
        break;
      case RHYTHM_Shaker:
        kick(0, 0.7);
        kick(2, 0.5);
        for (int i = 0; i < song.BeatsPerBar * 2; ++i) shaker(i * 0.5, i % 2 ? 0.55 : 0.9);
        break;
      case RHYTHM_Groove:
        kick(0, 0.9);
        kick(1.5, 0.6);
        kick(2, 0.8);
        snare(1, 0.7);
        snare(3, 0.75);
        for (int i = 0; i < 8; ++i) hat(i * 0.5, i % 2 ? 0.45 : 0.75, i == 7);
        break;
    }
  }

  Signal room = Reverb(bus.ReverbSend, 0.7, 0.45, 1.0);
  StereoMix mix;
  mix.Left = bus.Left;
  mix.Right = bus.Right;
  MixInto(mix.Left, room, 0.0, 0.35);
  MixInto(mix.Right, room, 0.011, 0.35);  // a slightly later copy widens the room
  // Everything ringing past the end continues at the start: a seamless loop.
  WrapTail(mix.Left, length);
  WrapTail(mix.Right, length);
  return mix;
}

}  // namespace MusicSynth
