#pragma once

// Character stepping over GBK text for the framework's own string code. The platform's
// _mbs* functions are not used: some of them match on trail bytes.
namespace GbkText {

// A lead byte starts a double-byte character; its trail byte may be any byte, including
// ASCII letters (0xB0 0x41), which is why case folding must step by character.
inline bool IsLeadByte(unsigned char byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}

// Length in bytes (1 or 2) of the character starting at text[index]. A lead byte with no
// byte after it (end of text or a zero byte) counts as a single-byte character.
inline int CharLength(const char* text, int length, int index)
{
    if (IsLeadByte((unsigned char)text[index]) && index + 1 < length && text[index + 1] != '\0')
        return 2;
    return 1;
}

inline bool IsAsciiUpper(char c) { return c >= 'A' && c <= 'Z'; }
inline bool IsAsciiLower(char c) { return c >= 'a' && c <= 'z'; }
inline char AsciiToLower(char c) { return IsAsciiUpper(c) ? char(c - 'A' + 'a') : c; }
inline char AsciiToUpper(char c) { return IsAsciiLower(c) ? char(c - 'a' + 'A') : c; }

} // namespace GbkText
