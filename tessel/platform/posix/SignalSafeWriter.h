#pragma once
// Text output that a signal handler may use: a fixed buffer flushed with
// write(2), no allocation, no locale, no stdio.

#include <cstddef>
#include <cstdint>

namespace Tessel {

class SignalSafeWriter {
public:
  explicit SignalSafeWriter(int fd) : Fd(fd) {}
  ~SignalSafeWriter() { Flush(); }

  SignalSafeWriter& Text(const char* text);
  SignalSafeWriter& Text(const char* text, size_t length);
  // Like "%u" / "%i".
  SignalSafeWriter& Unsigned(uint64_t value);
  SignalSafeWriter& Signed(int64_t value);
  // Like "0x%.8x": at least minDigits lower-case hexadecimal digits.
  SignalSafeWriter& Hex(uint64_t value, int minDigits = 8);
  // Like "%16s": right-aligned in width columns.
  SignalSafeWriter& RightAligned(const char* text, int width);
  void Flush();

private:
  int Fd;
  size_t Used = 0;
  char Buffer[4096];
};

}  // namespace Tessel
