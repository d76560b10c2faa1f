#pragma once
// The hash shared by String and the class registry: h = h*65 + w over the
// little-endian 32-bit groups of the text, then h = h*65 + c over the
// remaining bytes taken as signed values. Saved class buckets and text-table
// buckets depend on these exact values.

#include <cstddef>
#include <cstdint>

namespace Tessel {

uint32_t StringHash(const char* text, size_t length);
uint32_t StringHash(const char* text);  // NUL-terminated; null hashes to 0

}  // namespace Tessel
