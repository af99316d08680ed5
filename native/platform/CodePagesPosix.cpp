#include "editor/document/CodePages.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <cstdint>
#include <string>
#include <vector>

// The code-page conversions for the native build of the cores, through iconv. As on
// Windows, a sequence that cannot be converted becomes a replacement (U+FFFD, or "?" in
// GBK) instead of failing the whole conversion.

namespace {

// Converts in (inLength bytes) from one encoding to another; an unconvertible sequence
// costs inStep bytes and gives replacement. Returns the bytes written, or -1 when the
// output does not fit.
long Convert(const char* from, const char* to, const char* in, size_t inLength, size_t inStep,
             const std::string& replacement, char* out, size_t capacity, bool* replaced)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == (iconv_t)-1)
        return -1;
    char* input = const_cast<char*>(in);
    size_t inLeft = inLength;
    char* output = out;
    size_t outLeft = capacity;
    long result = 0;
    while (inLeft > 0) {
        if (iconv(cd, &input, &inLeft, &output, &outLeft) != (size_t)-1)
            break;
        if (errno == E2BIG || outLeft < replacement.size()) {
            result = -1;
            break;
        }
        // An invalid or unmappable sequence, or one cut off at the end.
        size_t step = inStep < inLeft ? inStep : inLeft;
        input += step;
        inLeft -= step;
        output = (char*)memcpy(output, replacement.data(), replacement.size()) + replacement.size();
        outLeft -= replacement.size();
        if (replaced)
            *replaced = true;
    }
    iconv_close(cd);
    return result < 0 ? -1 : (long)(capacity - outLeft);
}

// UTF-16 code units kept in wchar_t, as little-endian bytes and back.
std::vector<char> UnitBytes(const wchar_t* units, int count)
{
    std::vector<char> bytes((size_t)count * 2);
    for (int i = 0; i < count; ++i) {
        bytes[(size_t)i * 2] = (char)(units[i] & 0xFF);
        bytes[(size_t)i * 2 + 1] = (char)((units[i] >> 8) & 0xFF);
    }
    return bytes;
}

int ToUnits(const char* from, const char* bytes, int length, wchar_t* units, int capacity)
{
    if (length <= 0 || capacity <= 0)
        return 0;
    std::vector<char> out((size_t)capacity * 2);
    long written = Convert(from, "UTF-16LE", bytes, (size_t)length, 1, std::string("\xFD\xFF", 2),
                           out.data(), out.size(), nullptr);
    if (written <= 0)
        return 0;
    for (long i = 0; i < written / 2; ++i)
        units[i] = (wchar_t)((unsigned char)out[(size_t)i * 2] | (unsigned char)out[(size_t)i * 2 + 1] << 8);
    return (int)(written / 2);
}

} // namespace

namespace CodePages {

int Utf8ToUtf16(const char* bytes, int length, wchar_t* units, int capacity)
{
    return ToUnits("UTF-8", bytes, length, units, capacity);
}

int GbkToUtf16(const char* bytes, int length, wchar_t* units, int capacity)
{
    return ToUnits("GBK", bytes, length, units, capacity);
}

int Utf16ToUtf8(const wchar_t* units, int count, char* bytes, int capacity)
{
    if (count <= 0 || capacity <= 0)
        return 0;
    std::vector<char> in = UnitBytes(units, count);
    long written = Convert("UTF-16LE", "UTF-8", in.data(), in.size(), 2, "\xEF\xBF\xBD", bytes,
                           (size_t)capacity, nullptr);
    return written > 0 ? (int)written : 0;
}

int Utf16ToGbk(const wchar_t* units, int count, char* bytes, int capacity, bool, bool* usedDefault)
{
    *usedDefault = false;
    if (count <= 0 || capacity <= 0)
        return 0;
    std::vector<char> in = UnitBytes(units, count);
    long written = Convert("UTF-16LE", "GBK", in.data(), in.size(), 2, "?", bytes,
                           (size_t)capacity, usedDefault);
    return written > 0 ? (int)written : 0;
}

} // namespace CodePages
