#include "synth/Voices.h"

#include <algorithm>
#include <cmath>

namespace Synth {

namespace {

// Transposed direct form II biquad; coefficients after the cookbook formulas.
struct Biquad {
  double B0, B1, B2, A1, A2, Z1 = 0, Z2 = 0;
  float Run(float x) {
    double y = B0 * x + Z1;
    Z1 = B1 * x - A1 * y + Z2;
    Z2 = B2 * x - A2 * y;
    return float(y);
  }
};

Biquad MakeBiquad(int kind, double frequency, double q) {
  frequency = std::clamp(frequency, 10.0, SampleRate * 0.45);
  double w = 2 * Pi * frequency / SampleRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
  double b0, b1, b2, a0 = 1 + alpha, a1 = -2 * c, a2 = 1 - alpha;
  if (kind == 0) {  // low-pass
    b0 = (1 - c) / 2; b1 = 1 - c; b2 = (1 - c) / 2;
  } else if (kind == 1) {  // high-pass
    b0 = (1 + c) / 2; b1 = -(1 + c); b2 = (1 + c) / 2;
  } else {  // band-pass, peak gain 1
    b0 = alpha; b1 = 0; b2 = -alpha;
  }
  return Biquad{b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0};
}

void RunBiquad(Signal& s, Biquad f) {
  for (float& v : s) v = f.Run(v);
}

// Band-limited steps (polyBLEP) keep saws and squares from aliasing.
double PolyBlep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1;
  }
  if (t > 1 - dt) {
    t = (t - 1) / dt;
    return t * t + t + t + 1;
  }
  return 0;
}

double Oscillator(Wave wave, double phase, double dt) {
  switch (wave) {
    case WAVE_Sine: return std::sin(2 * Pi * phase);
    case WAVE_Triangle: return 1 - 4 * std::fabs(phase - 0.5);
    case WAVE_Saw: return 2 * phase - 1 - PolyBlep(phase, dt);
    case WAVE_Square: {
      double v = phase < 0.5 ? 1 : -1;
      v += PolyBlep(phase, dt);
      v -= PolyBlep(std::fmod(phase + 0.5, 1.0), dt);
      return v;
    }
  }
  return 0;
}

}  // namespace

double Envelope::Level(double t, double noteLength) const {
  double level;
  if (t < Attack) {
    level = t / Attack;
  } else if (t < Attack + Decay) {
    level = 1 - (1 - Sustain) * (t - Attack) / Decay;
  } else {
    level = Sustain;
  }
  if (t > noteLength) {
    double r = (t - noteLength) / std::max(1e-4, Release);
    level *= std::max(0.0, 1 - r);
  }
  return level;
}

Signal Tone(Wave wave, double frequency, double length, const Envelope& env, double toFrequency, double vibratoDepth,
            double vibratoRate) {
  Signal s(Samples(length + env.Release));
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = double(i) / SampleRate;
    double f = frequency;
    if (toFrequency > 0) f = frequency * std::pow(toFrequency / frequency, std::min(1.0, t / length));
    if (vibratoDepth > 0) f *= 1 + vibratoDepth * std::sin(2 * Pi * vibratoRate * t) * std::min(1.0, t * 4);
    double dt = f / SampleRate;
    s[i] = float(Oscillator(wave, phase, dt) * env.Level(t, length));
    phase = std::fmod(phase + dt, 1.0);
  }
  return s;
}

Signal FmNote(double frequency, double length, double ratio, double index, double decay, double attack) {
  Signal s(Samples(length));
  for (size_t i = 0; i < s.size(); ++i) {
    double t = double(i) / SampleRate;
    double env = std::exp(-t / decay) * std::min(1.0, t / attack);
    double modIndex = index * std::exp(-t / (decay * 0.6));
    double mod = std::sin(2 * Pi * frequency * ratio * t) * modIndex;
    s[i] = float(std::sin(2 * Pi * frequency * t + mod) * env);
  }
  FadeEdges(s, 0, std::min(0.02, length / 4));
  return s;
}

Signal Pluck(double frequency, double length, double brightness, uint32_t seed, double damping) {
  Random random(seed);
  size_t period = std::max<size_t>(2, size_t(SampleRate / frequency + 0.5));
  std::vector<float> line(period);
  for (float& v : line) v = float(random.Bipolar());
  // Softer excitation for darker plucks.
  for (int pass = 0; pass < int((1 - brightness) * 4); ++pass) {
    for (size_t i = 1; i < period; ++i) line[i] = 0.5f * (line[i] + line[i - 1]);
  }
  Signal s(Samples(length));
  size_t index = 0;
  float previous = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    float current = line[index];
    float next = float(damping * 0.5 * (current + previous));
    previous = current;
    line[index] = next;
    s[i] = current;
    index = (index + 1) % period;
  }
  HighPass(s, 40);
  FadeEdges(s, 0.001, std::min(0.05, length / 4));
  return s;
}

Signal Noise(double length, const Envelope& env, double lowCut, double highCut, uint32_t seed) {
  Random random(seed);
  Signal s(Samples(length + env.Release));
  for (size_t i = 0; i < s.size(); ++i) s[i] = float(random.Bipolar());
  if (lowCut > 0) HighPass(s, lowCut);
  if (highCut > 0) LowPass(s, highCut);
  for (size_t i = 0; i < s.size(); ++i) s[i] *= float(env.Level(double(i) / SampleRate, length));
  return s;
}

Signal Pad(double frequency, double length, double brightness, uint32_t seed) {
  Random random(seed);
  Envelope env{0.35, 0.3, 0.8, 0.6};
  Signal s(Samples(length + env.Release));
  const double detune[] = {-0.011, -0.004, 0.004, 0.012};
  for (double d : detune) {
    double phase = random.Uniform();
    double f = frequency * (1 + d), dt = f / SampleRate;
    for (size_t i = 0; i < s.size(); ++i) {
      s[i] += float(0.25 * Oscillator(WAVE_Saw, phase, dt));
      phase = std::fmod(phase + dt, 1.0);
    }
  }
  LowPass(s, frequency * (2 + 6 * brightness), 0.6);
  for (size_t i = 0; i < s.size(); ++i) s[i] *= float(env.Level(double(i) / SampleRate, length));
  return s;
}

Signal Kick(double level) {
  Signal s(Samples(0.32));
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = double(i) / SampleRate;
    double f = 48 + 90 * std::exp(-t * 30);
    phase += f / SampleRate;
    s[i] = float(level * std::sin(2 * Pi * phase) * std::exp(-t * 9) * std::min(1.0, t * 800));
  }
  return s;
}

Signal Snare(uint32_t seed, double level) {
  Signal s = Noise(0.18, Envelope{0.001, 0.05, 0.25, 0.1}, 900, 7000, seed);
  Signal body = Tone(WAVE_Triangle, 190, 0.08, Envelope{0.001, 0.06, 0.0, 0.02}, 160);
  MixInto(s, body, 0, 0.8);
  for (size_t i = 0; i < s.size(); ++i) s[i] *= float(level * std::exp(-double(i) / SampleRate * 14));
  return s;
}

Signal HiHat(uint32_t seed, bool open, double level) {
  double length = open ? 0.22 : 0.05;
  Signal s = Noise(length, Envelope{0.001, length * 0.5, 0.3, 0.03}, 7000, 0, seed);
  Scale(s, level * 0.6);
  return s;
}

Signal Shaker(uint32_t seed, double level) {
  Signal s = Noise(0.06, Envelope{0.012, 0.03, 0.2, 0.03}, 4500, 11000, seed);
  Scale(s, level * 0.5);
  return s;
}

void LowPass(Signal& s, double cutoff, double resonance) { RunBiquad(s, MakeBiquad(0, cutoff, resonance)); }
void HighPass(Signal& s, double cutoff, double resonance) { RunBiquad(s, MakeBiquad(1, cutoff, resonance)); }
void BandPass(Signal& s, double centre, double q) { RunBiquad(s, MakeBiquad(2, centre, q)); }

Signal Reverb(const Signal& s, double size, double damping, double wet) {
  // Four damped combs in parallel, two all-passes in series (Schroeder).
  const double combTimes[] = {0.0297, 0.0371, 0.0411, 0.0437};
  const double allpassTimes[] = {0.005, 0.0017};
  size_t tail = Samples(1.2 * size + 0.2);
  Signal out(s.size() + tail, 0.0f);
  for (double ct : combTimes) {
    size_t delay = std::max<size_t>(1, Samples(ct * (0.6 + size)));
    std::vector<float> buffer(delay, 0.0f);
    size_t index = 0;
    float filtered = 0;
    double feedback = 0.72 + 0.2 * size;
    for (size_t i = 0; i < out.size(); ++i) {
      float in = i < s.size() ? s[i] : 0.0f;
      float delayed = buffer[index];
      filtered = float(delayed * (1 - damping) + filtered * damping);
      buffer[index] = float(in + filtered * feedback);
      out[i] += delayed * 0.25f;
      index = (index + 1) % delay;
    }
  }
  for (double at : allpassTimes) {
    size_t delay = std::max<size_t>(1, Samples(at));
    std::vector<float> buffer(delay, 0.0f);
    size_t index = 0;
    for (float& v : out) {
      float delayed = buffer[index];
      float input = v;
      buffer[index] = float(input + delayed * 0.5);
      v = float(delayed - input * 0.5);
      index = (index + 1) % delay;
    }
  }
  for (size_t i = 0; i < out.size(); ++i) {
    float dry = i < s.size() ? s[i] : 0.0f;
    out[i] = float(dry * (1 - wet * 0.5) + out[i] * wet);
  }
  return out;
}

}  // namespace Synth
