#pragma once
#include <cstddef>

#include "framework/Gbk.h"

// Cutting GBK text at character boundaries for the input aids, on the common character steps;
// a lead byte with nothing (or a zero byte) behind it stands alone, so no scan ever reads past
// the end of its text.
namespace GbkBytes {

using GbkText::IsLeadByte;

// Length (1 or 2) of the character at text[index] within a text of the given length.
inline size_t CharLength(const char* text, size_t length, size_t index)
{
    return IsLeadByte((unsigned char)text[index]) && index + 1 < length && text[index + 1] != '\0' ? 2 : 1;
}

// The longest leading part of the text, at most maxBytes long, that ends on a character
// boundary: a double-byte character that would straddle the limit is left out whole.
inline size_t CutAtCharBoundary(const char* text, size_t length, size_t maxBytes)
{
    size_t index = 0;
    while (index < length) {
        size_t step = CharLength(text, length, index);
        if (index + step > maxBytes)
            break;
        index += step;
    }
    return index;
}

// Length of the leading part that holds whole characters only: a lead byte at the end,
// whose trail byte was cut off, is left out.
inline size_t WholeCharsLength(const char* text, size_t length)
{
    size_t index = 0;
    while (index < length) {
        size_t step = IsLeadByte((unsigned char)text[index]) ? 2 : 1;
        if (index + step > length)
            break;
        index += step;
    }
    return index;
}

} // namespace GbkBytes
