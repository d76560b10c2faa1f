#include "synth/Signal.h"

#include <algorithm>
#include <cmath>

namespace Synth {

void MixInto(Signal& target, const Signal& source, double at, double gain) {
  size_t start = Samples(std::max(0.0, at));
  if (target.size() < start + source.size()) target.resize(start + source.size(), 0.0f);
  for (size_t i = 0; i < source.size(); ++i) target[start + i] += float(source[i] * gain);
}

void Scale(Signal& s, double gain) {
  for (float& v : s) v = float(v * gain);
}

double Peak(const Signal& s) {
  double peak = 0;
  for (float v : s) peak = std::max(peak, double(std::fabs(v)));
  return peak;
}

double LoudestWindowRms(const Signal& s, double window) {
  size_t n = std::min(s.size(), std::max<size_t>(1, Samples(window)));
  if (s.empty()) return 0;
  double sum = 0;
  for (size_t i = 0; i < n; ++i) sum += double(s[i]) * s[i];
  double best = sum;
  for (size_t i = n; i < s.size(); ++i) {
    sum += double(s[i]) * s[i] - double(s[i - n]) * s[i - n];
    best = std::max(best, sum);
  }
  return std::sqrt(std::max(0.0, best) / double(n));
}

void FadeEdges(Signal& s, double in, double out) {
  size_t a = std::min(s.size(), Samples(in)), b = std::min(s.size(), Samples(out));
  for (size_t i = 0; i < a; ++i) s[i] *= float(double(i) / double(a));
  for (size_t i = 0; i < b; ++i) s[s.size() - 1 - i] *= float(double(i) / double(b));
}

void WrapTail(Signal& s, double length) {
  size_t n = Samples(length);
  if (s.size() < n) s.resize(n, 0.0f);
  for (size_t i = n; i < s.size(); ++i) s[(i - n) % n] += s[i];
  s.resize(n);
}

double NoteFrequency(int midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0); }

}  // namespace Synth
