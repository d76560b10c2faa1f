#pragma once
// String: the framework's reference-counted 8-bit text.
//
// A String is one pointer to the characters of a shared heap block, or null.
// The block starts with a 16-byte header (hash, capacity, length, reference
// count) followed by the characters and a NUL. Null and a block of length 0
// are both "empty". Copying shares the block; the hash is computed once and
// cached in the header, so key comparisons usually stop at the hash.
//
// The loading thread shares Strings with the main loop, so the reference
// count (and the cached hash) are atomic.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace Tessel {

class String {
public:
  String() noexcept = default;
  String(const char* text);  // NOLINT: implicit like a literal
  String(const char* text, size_t length);
  explicit String(std::string_view text) : String(text.data(), text.size()) {}
  String(const String& other);
  String(String&& other) noexcept : _string(other._string) { other._string = nullptr; }
  ~String();

  String& operator=(const String& other);
  String& operator=(String&& other) noexcept;
  String& operator=(const char* text) { return *this = String(text); }

  bool IsEmpty() const { return _string == nullptr || GetHeader()->Length == 0; }
  int GetLength() const { return _string ? static_cast<int>(GetHeader()->Length) : 0; }
  int GetCapacity() const { return _string ? static_cast<int>(GetHeader()->Capacity) : 0; }
  // The NUL-terminated characters; "" when empty.
  const char* CStr() const { return _string ? _string : ""; }
  std::string_view View() const { return std::string_view(CStr(), GetLength()); }
  char operator[](int index) const { return CStr()[index]; }
  uint32_t RefCount() const { return _string ? GetHeader()->RefCount.load(std::memory_order_relaxed) : 0; }
  // True when both share one block (or both are null).
  bool SharesBlockWith(const String& other) const { return _string == other._string; }

  // StringHash of the characters; 0 for an empty string. Cached in the block.
  uint32_t GetHash() const;

  // Three-way comparison of the bytes as unsigned values, like strcmp;
  // empty sorts before everything else.
  int Compare(const String& other) const;
  // The same with case folded (stricmp).
  int CompareNoCase(const String& other) const;

  bool operator==(const String& other) const;
  bool operator!=(const String& other) const { return !(*this == other); }
  bool operator<(const String& other) const { return Compare(other) < 0; }

  String& operator+=(const String& other) { return *this = *this + other; }
  String& operator+=(const char* text) { return *this = *this + text; }
  String& operator+=(char c) { return *this = *this + c; }

  friend String operator+(const String& a, const String& b);
  friend String operator+(const String& a, const char* b);
  friend String operator+(const char* a, const String& b);
  friend String operator+(const String& a, char c);

private:
  struct Header {
    std::atomic<int32_t> Hash;  // 0 = not computed yet
    uint32_t Capacity;          // characters the block holds without the NUL
    uint32_t Length;            // characters in use
    std::atomic<uint32_t> RefCount;
  };
  static_assert(sizeof(Header) == 16, "the block header is 16 bytes");

  Header* GetHeader() const { return reinterpret_cast<Header*>(_string) - 1; }
  static char* Allocate(size_t length);
  static String Concatenate(const char* a, size_t lengthA, const char* b, size_t lengthB);
  void Share();
  void Release();

  char* _string = nullptr;
};

inline bool operator==(const String& a, const char* b) { return a == String(b); }

// Case-insensitive comparison of NUL-terminated texts (stricmp); null counts as "".
int CompareNoCase(const char* a, const char* b);

}  // namespace Tessel
