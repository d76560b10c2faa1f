// What buildings, the building site and the vans sound like: each building
// kind has a little signature when it is selected.
#include <cmath>

#include "soundsynth/SoundKit.h"
#include "soundsynth/SoundRecipes.h"

namespace SoundSynth {

using namespace Synth;

Signal MakeApartments() {  // a doorbell: ding-dong
  Signal s = Bell(NoteFrequency(76), 0.9, 0.5);
  MixInto(s, Bell(NoteFrequency(72), 1.1, 0.5), 0.32);
  return s;
}

Signal MakeCottage() {  // a friendly guitar strum
  Signal s;
  const int notes[] = {60, 64, 67, 72};
  for (int i = 0; i < 4; ++i) MixInto(s, Pluck(NoteFrequency(notes[i]), 1.0, 0.5, 30 + i), i * 0.045, 0.5);
  return s;
}

Signal MakeChateau() {  // a short herald
  Signal s;
  MixInto(s, Brass(NoteFrequency(67), 0.14), 0, 0.6);
  MixInto(s, Brass(NoteFrequency(72), 0.45), 0.17, 0.6);
  MixInto(s, Brass(NoteFrequency(76), 0.45), 0.17, 0.4);
  return Reverb(s, 0.5, 0.4, 0.3);
}

Signal MakeChineseGarden() {  // pentatonic plucks over a soft gong
  Signal s = FmNote(NoteFrequency(45), 1.4, 1.41, 2.0, 0.6, 0.01);
  Scale(s, 0.5);
  const int notes[] = {74, 76, 79, 81, 86};
  for (int i = 0; i < 5; ++i) MixInto(s, Pluck(NoteFrequency(notes[i]), 0.6, 0.8, 40 + i, 0.994), 0.05 + i * 0.09, 0.5);
  return s;
}

Signal MakeCinema() {  // the projector starts, then a bright chord
  Signal s;
  for (int i = 0; i < 10; ++i) MixInto(s, Knock(1800, 50 + i), i * 0.035, 0.25);
  MixInto(s, Chime({72, 76, 79}, 0.0, 0.9, 0.7), 0.36, 0.9);
  return s;
}

Signal MakeDealership() {  // a cheerful horn: beep beep
  Signal s;
  for (int i = 0; i < 2; ++i) {
    Signal horn = Tone(WAVE_Square, 415, 0.12, Envelope{0.005, 0.02, 0.9, 0.03});
    MixInto(horn, Tone(WAVE_Square, 523, 0.12, Envelope{0.005, 0.02, 0.9, 0.03}), 0, 0.8);
    LowPass(horn, 1800, 1.0);
    MixInto(s, horn, i * 0.18, 0.5);
  }
  return s;
}

Signal MakeFountain() {  // splashes and bubbles
  Signal s = Noise(0.8, Envelope{0.05, 0.3, 0.4, 0.3}, 800, 6000, 61);
  Scale(s, 0.35);
  Random random(62);
  for (int i = 0; i < 14; ++i) {
    double f = random.Range(500, 1400);
    MixInto(s, Tone(WAVE_Sine, f, 0.03, Envelope{0.002, 0.03, 0.0, 0.01}, f * 1.6), random.Range(0, 0.9), 0.25);
  }
  return s;
}

Signal MakeOffice() {  // typewriter clicks and the bell at the end of the line
  Signal s;
  Random random(70);
  for (int i = 0; i < 6; ++i) MixInto(s, Knock(random.Range(1400, 2000), 71 + i), i * 0.075, 0.5);
  MixInto(s, Bell(NoteFrequency(93), 0.6, 0.9), 0.5, 0.6);
  return s;
}

Signal MakePark() {  // two birds answering each other
  Signal s;
  Random random(80);
  for (int i = 0; i < 5; ++i) {
    double f = random.Range(2600, 3600);
    MixInto(s, Tone(WAVE_Sine, f, 0.06, Envelope{0.005, 0.05, 0.3, 0.02}, f * 1.4, 0.02, 30), i * 0.09, 0.35);
  }
  for (int i = 0; i < 3; ++i) {
    MixInto(s, Tone(WAVE_Sine, 3900, 0.1, Envelope{0.01, 0.08, 0.2, 0.03}, 2900), 0.55 + i * 0.14, 0.3);
  }
  return s;
}

Signal MakeShop() {  // the shop door's bell
  Signal s = Bell(NoteFrequency(88), 0.7, 1.4);
  MixInto(s, Bell(NoteFrequency(91), 0.6, 1.4), 0.06, 0.7);
  MixInto(s, Bell(NoteFrequency(88), 0.5, 1.4), 0.13, 0.5);
  return s;
}

Signal MakeStadium() {  // a cheer and a whistle
  Signal s = Crowd(1.3, 0.25, 90);
  Scale(s, 0.6);
  MixInto(s, Tone(WAVE_Sine, 2900, 0.35, Envelope{0.01, 0.1, 0.8, 0.05}, 0, 0.03, 28), 0.05, 0.3);
  return s;
}

Signal MakeWorkshop() {  // two hammer blows on metal
  Signal s = Clank(620, 100);
  MixInto(s, Clank(660, 101), 0.22, 0.9);
  return s;
}

Signal MakeAmusement() {  // a carousel organ's little tune
  Signal s;
  const int notes[] = {72, 76, 79, 84, 79, 76, 77, 74};
  for (int i = 0; i < 8; ++i) {
    Signal pipe = Tone(WAVE_Square, NoteFrequency(notes[i]), 0.13, Envelope{0.01, 0.05, 0.7, 0.05}, 0, 0.01, 6);
    LowPass(pipe, 2400);
    MixInto(pipe, Tone(WAVE_Sine, NoteFrequency(notes[i] + 12), 0.13, Envelope{0.01, 0.05, 0.5, 0.05}), 0, 0.4);
    MixInto(s, pipe, i * 0.14, 0.5);
  }
  return Reverb(s, 0.4, 0.5, 0.25);
}

Signal MakeBuildingPlaced() {
  Signal s = Thump(90, 0.2);
  MixInto(s, Knock(500, 110), 0, 0.7);
  MixInto(s, Chime({79, 86}, 0.06, 0.5, 0.7), 0.08, 0.4);
  return s;
}

Signal MakeConstruction() {  // hammering and a short saw stroke
  Signal s;
  Random random(120);
  double at = 0;
  for (int i = 0; i < 5; ++i) {
    MixInto(s, Knock(random.Range(350, 520), 121 + i), at, 0.9);
    at += random.Range(0.14, 0.22);
  }
  Signal saw = Noise(0.35, Envelope{0.05, 0.1, 0.8, 0.1}, 1500, 5000, 130);
  for (size_t i = 0; i < saw.size(); ++i) saw[i] *= float(0.6 + 0.4 * std::sin(2 * Pi * 9 * double(i) / SampleRate));
  MixInto(s, saw, at + 0.05, 0.3);
  return s;
}

Signal MakeDamage() {  // something cracks and sags
  Signal s = Noise(0.12, Envelope{0.001, 0.08, 0.1, 0.05}, 300, 5000, 140);
  MixInto(s, Thump(70, 0.3), 0.02, 0.9);
  MixInto(s, Tone(WAVE_Triangle, 330, 0.4, Envelope{0.01, 0.2, 0.5, 0.1}, 180), 0.1, 0.3);
  return s;
}

Signal MakeDemolish() {  // a rumbling collapse with falling debris
  Signal s = Noise(1.1, Envelope{0.01, 0.4, 0.3, 0.5}, 40, 900, 150);
  MixInto(s, Thump(55, 0.5), 0, 1.0);
  Random random(151);
  for (int i = 0; i < 12; ++i) MixInto(s, Knock(random.Range(250, 700), 152 + i), random.Range(0.15, 1.0), 0.35);
  return s;
}

Signal MakeDemolishLaunch() {
  Signal s = Whoosh(0.35, 300, 1200, 160);
  MixInto(s, Thump(60, 0.3), 0.3, 0.9);
  return s;
}

Signal MakeRepairCompleted() {
  Signal s = Clank(880, 170);
  Scale(s, 0.6);
  MixInto(s, Chime({76, 81, 88}, 0.07, 0.6), 0.12, 0.8);
  return s;
}

Signal MakeRoadPlaced() {  // fresh asphalt pressed down
  Signal s = Thump(80, 0.18);
  Signal grit = Noise(0.2, Envelope{0.005, 0.1, 0.3, 0.08}, 1500, 7000, 180);
  MixInto(s, grit, 0.01, 0.35);
  return s;
}

Signal MakeRoadDemolished() {  // asphalt breaking up
  Signal s;
  Random random(190);
  for (int i = 0; i < 8; ++i) MixInto(s, Knock(random.Range(200, 500), 191 + i), random.Range(0, 0.35), 0.5);
  MixInto(s, Noise(0.4, Envelope{0.01, 0.2, 0.3, 0.1}, 200, 2500, 199), 0, 0.4);
  return s;
}

Signal MakeForSale() {  // the sign goes up
  Signal s = Knock(420, 200);
  MixInto(s, Knock(460, 201), 0.1, 0.8);
  MixInto(s, Chime({79, 74}, 0.14, 0.6, 0.7), 0.18, 0.6);
  return s;
}

Signal MakeHouseBought() {
  Signal s = Coin(NoteFrequency(88));
  MixInto(s, Chime({72, 76, 79, 84}, 0.0, 1.0, 0.6), 0.12, 0.5);
  return s;
}

Signal MakeRent() {  // pay day: coins dropping into the till
  Signal s;
  Random random(210);
  for (int i = 0; i < 6; ++i) MixInto(s, Coin(random.Range(2200, 3200)), i * 0.06 + random.Range(0, 0.02), 0.35);
  MixInto(s, Bell(NoteFrequency(96), 0.8, 1.2), 0.4, 0.5);
  return s;
}

Signal MakeCheckAppear() { return Sparkle(0.45, 7, 220, 2500, 5000); }

Signal MakeCheckCollected() {
  Signal s = Coin(NoteFrequency(83));
  MixInto(s, Sparkle(0.3, 5, 230, 3500, 6500), 0.05, 0.5);
  return s;
}

Signal MakeVanAdded() {  // a new van toots hello
  Signal s;
  for (int i = 0; i < 2; ++i) {
    Signal horn = Tone(WAVE_Square, 494, 0.08, Envelope{0.005, 0.02, 0.9, 0.03});
    LowPass(horn, 1600, 1.0);
    MixInto(s, horn, i * 0.13, 0.5);
  }
  MixInto(s, Chime({79, 84}, 0.08, 0.5, 0.6), 0.3, 0.5);
  return s;
}

// A small engine: a low saw whose pitch follows the throttle.
static Signal Engine(double length, double from, double to, uint32_t seed) {
  Signal s = Tone(WAVE_Saw, from, length, Envelope{0.05, 0.1, 0.9, 0.15}, to);
  Signal rumble = Noise(length, Envelope{0.05, 0.1, 0.9, 0.15}, 60, 400, seed);
  MixInto(s, rumble, 0, 0.8);
  LowPass(s, 700, 0.9);
  return s;
}

Signal MakeVanArrive() {
  Signal s = Engine(0.4, 90, 55, 240);
  Signal squeak = Tone(WAVE_Sine, 2400, 0.12, Envelope{0.02, 0.05, 0.6, 0.05}, 2100);
  MixInto(s, squeak, 0.22, 0.15);
  return s;
}

Signal MakeVanMovesOut() { return Engine(0.6, 60, 120, 250); }

Signal MakeHaste() {
  Signal s = Whoosh(0.5, 400, 3000, 260);
  MixInto(s, Tone(WAVE_Sine, 600, 0.3, Envelope{0.01, 0.1, 0.6, 0.1}, 1800), 0.05, 0.3);
  return s;
}

Signal MakeWorkshopFrenzy() {  // the workshop's alarm bell
  Signal s;
  for (int i = 0; i < 8; ++i) MixInto(s, Bell(NoteFrequency(i % 2 ? 86 : 88), 0.2, 1.5), i * 0.07, 0.5);
  return s;
}

}  // namespace SoundSynth
