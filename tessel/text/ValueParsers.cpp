#include "tessel/text/ValueParsers.h"

#include "tessel/Scan.h"

namespace Tessel {

namespace {

// Fills the targets in order and stops at the first that does not read.
template <typename T, typename Scanner, size_t N>
void ScanAll(const WideString& text, Scanner scan, T* (&targets)[N]) {
  std::string ascii = AsciiPrefix(text);
  size_t position = 0;
  for (T* target : targets)
    if (!scan(ascii, position, *target)) return;
}

}  // namespace

bool ParseBool(const WideString& text) {
  if (text.size() != 4) return false;
  for (size_t i = 0; i < 4; ++i) {
    char16_t c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char16_t>(text[i] + 32) : text[i];
    if (c != "true"[i]) return false;
  }
  return true;
}

Point ParsePoint(const WideString& text) {
  Point p;
  int32_t* targets[] = {&p.X, &p.Y};
  ScanAll(text, ScanInt, targets);
  return p;
}

Vector2 ParseVector(const WideString& text) {
  Vector2 v;
  float* targets[] = {&v.X, &v.Y};
  ScanAll(text, ScanFloat, targets);
  return v;
}

Rect ParseRect(const WideString& text) {
  Rect r;
  int32_t* targets[] = {&r.X, &r.Y, &r.Width, &r.Height};
  ScanAll(text, ScanInt, targets);
  return r;
}

RectF ParseRectF(const WideString& text) {
  RectF r;
  float* targets[] = {&r.X, &r.Y, &r.Width, &r.Height};
  ScanAll(text, ScanFloat, targets);
  return r;
}

}  // namespace Tessel
