#pragma once

#include <cstdint>

// The 32-bit hash of the keyword and dictionary tables: h = h * 33 + byte over the unsigned
// bytes, starting at 0 and wrapping at 32 bits. Callers reduce it modulo their bucket count.
// A null string hashes like the empty one.
uint32_t HashString(const char* text);
