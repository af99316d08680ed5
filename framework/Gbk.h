#pragma once

// Character steps over GBK text, the one set every part of the editor uses: the framework's
// strings, the document, the view and the input aids. The platform's _mbs* functions are not
// used: some of them match on trail bytes.
namespace GbkText {

// A lead byte starts a double-byte character (code page 936: 0x81-0xFE); its trail byte may
// be any byte, including ASCII letters (0xB0 0x41), which is why case folding and searches
// must step by character. 0x80 and 0xFF are single bytes.
inline bool IsLeadByte(unsigned char byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}

// Two rules of their own, named where they apply:
// the text searches take any byte with its high bit set as the start of a pair, so that
// neither a match nor a whole-word neighbour ever starts on a trail byte;
inline bool HasHighBit(unsigned char byte)
{
    return (byte & 0x80) != 0;
}
// set strings (full-width delimiters, keyword prefixes) pair every byte above 0x80.
inline bool StartsSetPair(unsigned char byte)
{
    return byte > 0x80;
}

// Length in bytes (1 or 2) of the character starting at text[index]. A lead byte with no
// byte after it (end of text or a zero byte) counts as a single-byte character, so a walk
// never steps past the end of a truncated string.
inline int CharLength(const char* text, int length, int index)
{
    if (IsLeadByte((unsigned char)text[index]) && index + 1 < length && text[index + 1] != '\0')
        return 2;
    return 1;
}

// The same for a zero-terminated text; text must not point at its terminator.
inline int CharLength(const char* text)
{
    return IsLeadByte((unsigned char)text[0]) && text[1] != '\0' ? 2 : 1;
}

// Length in bytes (1 or 2) of the character that ends just before text[index]; 0 at the
// start. A byte outside the lead range always ends a character, so only the run of lead-range
// bytes before the last byte decides: they pair up from the run's start, and an odd run makes
// the last byte a trail byte. The cost is that run, not the text before it.
inline int CharLengthBefore(const char* text, int index)
{
    if (index <= 0)
        return 0;
    if (index == 1 || text[index - 1] == '\0')
        return 1;
    int run = 0;
    while (run < index - 1 && IsLeadByte((unsigned char)text[index - 2 - run]))
        ++run;
    return run % 2 == 1 ? 2 : 1;
}

inline bool IsAsciiUpper(char c) { return c >= 'A' && c <= 'Z'; }
inline bool IsAsciiLower(char c) { return c >= 'a' && c <= 'z'; }
inline char AsciiToLower(char c) { return IsAsciiUpper(c) ? char(c - 'A' + 'a') : c; }
inline char AsciiToUpper(char c) { return IsAsciiLower(c) ? char(c - 'a' + 'A') : c; }

} // namespace GbkText
