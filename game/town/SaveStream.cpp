#include "game/town/SaveStream.h"

#include <cstring>

namespace Corvanta {

namespace {

void AppendLittleEndian(std::string& bytes, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

uint32_t LittleEndian(const char* bytes, int size) {
  uint32_t value = 0;
  for (int i = 0; i < size; ++i) value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
  return value;
}

}  // namespace

void SaveWriter::WriteInt16(int16_t value) { AppendLittleEndian(Bytes, static_cast<uint16_t>(value), 2); }

void SaveWriter::WriteInt32(int32_t value) { AppendLittleEndian(Bytes, static_cast<uint32_t>(value), 4); }

void SaveWriter::WriteFloat(float value) {
  uint32_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  AppendLittleEndian(Bytes, bits, 4);
}

void SaveWriter::WriteStr8(const Tessel::String& text) {
  WriteInt32(text.GetLength());
  Bytes.append(text.CStr(), static_cast<size_t>(text.GetLength()));
}

void SaveWriter::WriteStr16(const Tessel::WideString& text) {
  WriteInt32(static_cast<int32_t>(text.size()));
  for (char16_t unit : text) AppendLittleEndian(Bytes, unit, 2);
}

const char* SaveReader::Take(size_t count) {
  if (count > Bytes.size() - Position) throw SaveFormatException("Truncated save file.");
  const char* start = Bytes.data() + Position;
  Position += count;
  return start;
}

int16_t SaveReader::ReadInt16() { return static_cast<int16_t>(LittleEndian(Take(2), 2)); }

int32_t SaveReader::ReadInt32() { return static_cast<int32_t>(LittleEndian(Take(4), 4)); }

float SaveReader::ReadFloat() {
  uint32_t bits = LittleEndian(Take(4), 4);
  float value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

uint8_t SaveReader::ReadUInt8() { return static_cast<uint8_t>(*Take(1)); }

Tessel::String SaveReader::ReadStr8() {
  int32_t count = ReadInt32();
  if (count <= 0) return {};
  const char* text = Take(static_cast<size_t>(count));
  return Tessel::String(text, static_cast<size_t>(count));
}

Tessel::WideString SaveReader::ReadStr16() {
  int32_t count = ReadInt32();
  if (count <= 0) return {};
  // Checked whole before anything is allocated.
  const char* units = Take(static_cast<size_t>(count) * 2);
  Tessel::WideString text(static_cast<size_t>(count), u'\0');
  for (int32_t i = 0; i < count; ++i)
    text[static_cast<size_t>(i)] = static_cast<char16_t>(LittleEndian(units + 2 * i, 2));
  return text;
}

}  // namespace Corvanta
