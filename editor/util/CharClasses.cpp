#include "editor/util/CharClasses.h"

namespace {

constexpr unsigned int kFullWidthLowLine = 0xA3DF;

bool InRange(unsigned int code, unsigned int first, unsigned int last)
{
    return code >= first && code <= last;
}

}  // namespace

bool IsDigitChar(unsigned int code)
{
    return InRange(code, '0', '9') || InRange(code, 0xA3B0, 0xA3B9);
}

bool IsLetterChar(unsigned int code)
{
    return InRange(code, 'A', 'Z') || InRange(code, 'a', 'z') || InRange(code, 0xA3C1, 0xA3DA) ||
           InRange(code, 0xA3E1, 0xA3FA);
}

bool IsGbkHanzi(unsigned int code)
{
    if (code > 0xFFFF) return false;
    unsigned int lead = code >> 8;
    unsigned int trail = code & 0xFF;
    if (!InRange(lead, 0x81, 0xFE) || !InRange(trail, 0x40, 0xFE) || trail == 0x7F) return false;
    // Rows A1-AF hold punctuation and symbols from trail A1 on.
    return !(InRange(lead, 0xA1, 0xAF) && trail >= 0xA1);
}

bool IsWordChar(unsigned int code)
{
    return IsGbkHanzi(code) || IsLetterChar(code) || IsDigitChar(code) || code == '_' ||
           code == kFullWidthLowLine;
}
