#pragma once

#include "editor/util/CharClasses.h"

#include <cstddef>
#include <string>

// Case-insensitive comparison and lower-casing of GBK text. Only single-byte ASCII letters
// fold; the two bytes of a double-byte character always compare exactly, because a trail
// byte may lie in the ASCII letter range (0xB0 0x41 is not 0xB0 0x61).
namespace GbkCompare {

inline char FoldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// True when text (of at least prefixLength bytes) starts with prefix, ignoring the case of
// ASCII letters. The walk steps by the prefix's characters.
inline bool StartsWithNoCase(const char* text, const char* prefix, size_t prefixLength)
{
    size_t at = 0;
    while (at < prefixLength) {
        if (GbkText::IsLeadByte((unsigned char)prefix[at]) && at + 1 < prefixLength) {
            if (text[at] != prefix[at] || text[at + 1] != prefix[at + 1])
                return false;
            at += 2;
        } else {
            if (FoldAscii(text[at]) != FoldAscii(prefix[at]))
                return false;
            ++at;
        }
    }
    return true;
}

inline bool StartsWithNoCase(const std::string& text, const char* prefix, size_t prefixLength)
{
    return text.size() >= prefixLength && StartsWithNoCase(text.data(), prefix, prefixLength);
}

inline bool EqualsNoCase(const std::string& text, const char* other, size_t otherLength)
{
    return text.size() == otherLength && StartsWithNoCase(text.data(), other, otherLength);
}

// Lower-cases the ASCII letters of length bytes in place, stepping over double-byte
// characters whole.
inline void LowerInPlace(char* text, size_t length)
{
    size_t at = 0;
    while (at < length) {
        if (GbkText::IsLeadByte((unsigned char)text[at]) && at + 1 < length) {
            at += 2;
        } else {
            text[at] = FoldAscii(text[at]);
            ++at;
        }
    }
}

inline void LowerInPlace(std::string& text)
{
    if (!text.empty())
        LowerInPlace(&text[0], text.size());
}

// Index of the first occurrence of pattern in text that starts at a character boundary of
// text; npos when none. An empty pattern is found at 0.
inline size_t FindAtCharStart(const std::string& text, const std::string& pattern)
{
    if (pattern.empty())
        return 0;
    size_t at = 0;
    while (at + pattern.size() <= text.size()) {
        if (text.compare(at, pattern.size(), pattern) == 0)
            return at;
        at += GbkText::IsLeadByte((unsigned char)text[at]) && at + 1 < text.size() ? 2 : 1;
    }
    return std::string::npos;
}

} // namespace GbkCompare
