#include "tessel/platform/posix/SignalSafeWriter.h"

#include <unistd.h>

namespace Tessel {

SignalSafeWriter& SignalSafeWriter::Text(const char* text) {
  size_t length = 0;
  if (text)
    while (text[length]) ++length;
  return Text(text, length);
}

SignalSafeWriter& SignalSafeWriter::Text(const char* text, size_t length) {
  for (size_t i = 0; i < length; ++i) {
    if (Used == sizeof Buffer) Flush();
    Buffer[Used++] = text[i];
  }
  return *this;
}

SignalSafeWriter& SignalSafeWriter::Unsigned(uint64_t value) {
  char digits[24];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value);
  while (n > 0) Text(&digits[--n], 1);
  return *this;
}

SignalSafeWriter& SignalSafeWriter::Signed(int64_t value) {
  if (value < 0) {
    Text("-", 1);
    return Unsigned(0ull - static_cast<uint64_t>(value));
  }
  return Unsigned(static_cast<uint64_t>(value));
}

SignalSafeWriter& SignalSafeWriter::Hex(uint64_t value, int minDigits) {
  char digits[24];
  int n = 0;
  do {
    digits[n++] = "0123456789abcdef"[value & 15];
    value >>= 4;
  } while (value);
  while (n < minDigits && n < 16) digits[n++] = '0';
  while (n > 0) Text(&digits[--n], 1);
  return *this;
}

SignalSafeWriter& SignalSafeWriter::RightAligned(const char* text, int width) {
  int length = 0;
  while (text[length]) ++length;
  for (int i = length; i < width; ++i) Text(" ", 1);
  return Text(text, static_cast<size_t>(length));
}

void SignalSafeWriter::Flush() {
  size_t done = 0;
  while (done < Used) {
    ssize_t n = write(Fd, Buffer + done, Used - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  Used = 0;
}

}  // namespace Tessel
