// Interface sounds: short, soft and pitched so they never grate, however
// often they play.
#include "soundsynth/SoundKit.h"
#include "soundsynth/SoundRecipes.h"

namespace SoundSynth {

using namespace Synth;

Signal MakeClick() {
  Signal s = Knock(900, 11);
  MixInto(s, Tone(WAVE_Sine, 1500, 0.015, Envelope{0.0005, 0.012, 0.0, 0.01}), 0, 0.5);
  LowPass(s, 6000);
  return s;
}

Signal MakeClickDisabled() {
  Signal s = Tone(WAVE_Triangle, 180, 0.09, Envelope{0.002, 0.08, 0.0, 0.03}, 150);
  MixInto(s, Knock(300, 12), 0, 0.6);
  LowPass(s, 1200);
  return s;
}

Signal MakeMouseEnter() {
  Signal s = Tone(WAVE_Sine, 2100, 0.02, Envelope{0.001, 0.018, 0.0, 0.015}, 2400);
  return s;
}

Signal MakeDialogPopup() {
  Signal s = Tone(WAVE_Sine, 440, 0.12, Envelope{0.01, 0.1, 0.2, 0.06}, 880);
  MixInto(s, Bell(NoteFrequency(84), 0.5, 0.6), 0.08, 0.5);
  return s;
}

Signal MakeSpeechAppear() {
  Signal s = Tone(WAVE_Sine, 520, 0.07, Envelope{0.004, 0.06, 0.0, 0.03}, 980);
  MixInto(s, Tone(WAVE_Sine, 1300, 0.04, Envelope{0.002, 0.03, 0.0, 0.02}), 0.045, 0.35);
  return s;
}

Signal MakeInvalidAction() {
  Signal s;
  for (int i = 0; i < 2; ++i) {
    Signal note = Tone(WAVE_Square, i == 0 ? 233 : 196, 0.11, Envelope{0.004, 0.05, 0.6, 0.04});
    LowPass(note, 900, 0.8);
    MixInto(s, note, i * 0.13, 0.8);
  }
  return s;
}

Signal MakeGoalChecked() { return Chime({79, 84, 88, 91}, 0.07, 0.9); }

Signal MakeGoalUnchecked() {
  Signal s = Chime({76, 72}, 0.16, 0.7, 0.6);
  LowPass(s, 3000);
  return s;
}

Signal MakeStar() {
  Signal s = Chime({84, 88, 91, 96}, 0.05, 0.6, 1.2);
  MixInto(s, Sparkle(0.4, 8, 21, 3000, 7000), 0.1, 0.5);
  return s;
}

Signal MakeJobStart() { return Chime({72, 79}, 0.08, 0.35, 0.8); }

Signal MakeJobCanceled() {
  Signal s = Tone(WAVE_Triangle, 600, 0.18, Envelope{0.005, 0.1, 0.4, 0.06}, 300);
  LowPass(s, 2500);
  return s;
}

Signal MakeBuildingSelect() {
  Signal s = Tone(WAVE_Sine, 660, 0.05, Envelope{0.002, 0.04, 0.0, 0.03});
  MixInto(s, Tone(WAVE_Sine, 990, 0.06, Envelope{0.002, 0.05, 0.0, 0.04}), 0.05, 0.8);
  return s;
}

}  // namespace SoundSynth
