#pragma once
// SaveWriter and SaveReader: the binary encoding of saved games.
//
// Little-endian, no padding: int16, int32, float32 (IEEE single), uint8
// flags, and two kinds of string that carry their length first: str8 (a
// count of bytes, then 8-bit text) and str16 (a count of UTF-16 units, then
// the units); a count of 0 or less is the empty string. The writer appends
// to a byte buffer the caller writes out as a whole; the reader works on
// bytes already read in, so that a file cut short, or a string count larger
// than what is left, is an error at the point it is found and never a read
// past the end or a huge allocation.

#include <cstdint>
#include <string>
#include <string_view>

#include "tessel/Exception.h"
#include "tessel/Strings.h"
#include "tessel/WideText.h"

namespace Corvanta {

// A saved game that cannot be read as it stands.
class SaveFormatException : public Tessel::Exception {
public:
  using Tessel::Exception::Exception;
};

class SaveWriter {
public:
  void WriteInt16(int16_t value);
  void WriteInt32(int32_t value);
  void WriteFloat(float value);
  void WriteBool(bool value) { WriteUInt8(value ? 1 : 0); }
  void WriteUInt8(uint8_t value) { Bytes.push_back(static_cast<char>(value)); }
  void WriteStr8(const Tessel::String& text);
  void WriteStr16(const Tessel::WideString& text);

  std::string Bytes;
};

class SaveReader {
public:
  // The bytes must outlive the reader.
  explicit SaveReader(std::string_view bytes) : Bytes(bytes) {}

  // Each throws SaveFormatException "Truncated save file." when the bytes end first.
  int16_t ReadInt16();
  int32_t ReadInt32();
  float ReadFloat();
  uint8_t ReadUInt8();
  // Any byte but 0 reads as true.
  bool ReadBool() { return ReadUInt8() != 0; }
  Tessel::String ReadStr8();
  Tessel::WideString ReadStr16();

  size_t GetPosition() const { return Position; }
  bool IsAtEnd() const { return Position >= Bytes.size(); }
  size_t GetRemaining() const { return Bytes.size() - Position; }

private:
  const char* Take(size_t count);

  std::string_view Bytes;
  size_t Position = 0;
};

}  // namespace Corvanta
