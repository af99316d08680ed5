#pragma once
#include <cstddef>

// The platform's conversions between UTF-16 code units (held in wchar_t), UTF-8 and GBK
// (code page 936), which the text decoder and encoder build on. Each writes at most
// capacity units or bytes and returns how many it wrote, 0 when it failed (the output then
// holds nothing of use).
namespace CodePages {

int Utf8ToUtf16(const char* bytes, int length, wchar_t* units, int capacity);
int GbkToUtf16(const char* bytes, int length, wchar_t* units, int capacity);
int Utf16ToUtf8(const wchar_t* units, int count, char* bytes, int capacity);
// With exactOnly, a unit GBK has no character for fails the conversion instead of taking a
// look-alike; *usedDefault tells whether the default character stands for one.
int Utf16ToGbk(const wchar_t* units, int count, char* bytes, int capacity, bool exactOnly,
               bool* usedDefault);

} // namespace CodePages
