#include "tessel/Strings.h"

#include <cstring>
#include <new>

#include "tessel/Exception.h"
#include "tessel/StringHash.h"

namespace Tessel {

// Source name and line numbers under which the String assertions report.
static constexpr const char* StringsSource = "tessel/Strings";

char* String::Allocate(size_t length) {
  void* block = ::operator new(sizeof(Header) + length + 1);
  Header* header = static_cast<Header*>(block);
  new (&header->Hash) std::atomic<int32_t>(0);
  header->Capacity = static_cast<uint32_t>(length);
  header->Length = static_cast<uint32_t>(length);
  new (&header->RefCount) std::atomic<uint32_t>(1);
  char* characters = reinterpret_cast<char*>(header + 1);
  characters[length] = '\0';
  return characters;
}

String::String(const char* text) : String(text, text ? std::strlen(text) : 0) {}

String::String(const char* text, size_t length) {
  if (text == nullptr || length == 0) return;
  _string = Allocate(length);
  std::memcpy(_string, text, length);
}

String::String(const String& other) : _string(other._string) {
  if (_string) Share();
}

String::~String() {
  if (_string) Release();
}

void String::Share() {
  TESSEL_ASSERT_AT(_string != NULL, StringsSource, 1253);
  TESSEL_ASSERT_AT(RefCount() < 0xffffffff, StringsSource, 1254);
  GetHeader()->RefCount.fetch_add(1, std::memory_order_relaxed);
}

void String::Release() {
  TESSEL_ASSERT_AT(_string != NULL, StringsSource, 1260);
  TESSEL_ASSERT_AT(RefCount() > 0, StringsSource, 1261);
  if (GetHeader()->RefCount.fetch_sub(1, std::memory_order_acq_rel) == 1) {
    ::operator delete(GetHeader());
  }
  _string = nullptr;
}

String& String::operator=(const String& other) {
  if (_string == other._string) return *this;
  if (other._string) {
    // Share first: other may be the last owner of a block reachable through ours.
    char* previous = _string;
    _string = other._string;
    Share();
    if (previous) {
      String old;
      old._string = previous;
    }
    return *this;
  }
  // Assigning null: a sole owner keeps its block, emptied in place.
  if (RefCount() == 1) {
    Header* header = GetHeader();
    _string[0] = '\0';
    header->Length = 0;
    header->Hash.store(0, std::memory_order_relaxed);
  } else {
    Release();
  }
  return *this;
}

String& String::operator=(String&& other) noexcept {
  // Assigning an empty string follows the copy rules (a sole owner keeps its block).
  if (other._string == nullptr) return *this = static_cast<const String&>(other);
  if (this != &other) {
    if (_string) Release();
    _string = other._string;
    other._string = nullptr;
  }
  return *this;
}

uint32_t String::GetHash() const {
  if (IsEmpty()) return 0;
  TESSEL_ASSERT_AT(_string != NULL, StringsSource, 1140);
  Header* header = GetHeader();
  int32_t hash = header->Hash.load(std::memory_order_relaxed);
  if (hash == 0) {
    hash = static_cast<int32_t>(StringHash(_string, header->Length));
    header->Hash.store(hash, std::memory_order_relaxed);
  }
  return static_cast<uint32_t>(hash);
}

int String::Compare(const String& other) const {
  if (_string == other._string) return 0;
  bool emptyA = IsEmpty(), emptyB = other.IsEmpty();
  if (emptyA || emptyB) return emptyA == emptyB ? 0 : (emptyA ? -1 : 1);
  return std::strcmp(_string, other._string);  // strcmp compares as unsigned char
}

int String::CompareNoCase(const String& other) const {
  if (_string == other._string) return 0;
  bool emptyA = IsEmpty(), emptyB = other.IsEmpty();
  if (emptyA || emptyB) return emptyA == emptyB ? 0 : (emptyA ? -1 : 1);
  return Tessel::CompareNoCase(_string, other._string);
}

bool String::operator==(const String& other) const {
  if (GetHash() != other.GetHash()) return false;
  return Compare(other) == 0;
}

String String::Concatenate(const char* a, size_t lengthA, const char* b, size_t lengthB) {
  String result;
  result._string = Allocate(lengthA + lengthB);
  std::memcpy(result._string, a, lengthA);
  std::memcpy(result._string + lengthA, b, lengthB);
  return result;
}

String operator+(const String& a, const String& b) {
  if (a.IsEmpty()) return b;
  if (b.IsEmpty()) return a;
  return String::Concatenate(a._string, a.GetLength(), b._string, b.GetLength());
}

String operator+(const String& a, const char* b) {
  if (a.IsEmpty()) return String(b);
  if (b == nullptr || *b == '\0') return a;
  return String::Concatenate(a._string, a.GetLength(), b, std::strlen(b));
}

String operator+(const char* a, const String& b) {
  if (a == nullptr || *a == '\0') return b;
  if (b.IsEmpty()) return String(a);
  return String::Concatenate(a, std::strlen(a), b._string, b.GetLength());
}

String operator+(const String& a, char c) {
  if (a.IsEmpty()) return String(&c, 1);
  return String::Concatenate(a._string, a.GetLength(), &c, 1);
}

int CompareNoCase(const char* a, const char* b) {
  if (a == nullptr) a = "";
  if (b == nullptr) b = "";
  // ASCII folding only, as in the "C" locale, whatever locale the process has.
  auto fold = [](char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? u + ('a' - 'A') : u;
  };
  for (;; ++a, ++b) {
    int ca = fold(*a), cb = fold(*b);
    if (ca != cb || ca == 0) return ca - cb;
  }
}

}  // namespace Tessel
