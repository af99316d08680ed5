#pragma once

// Character classes over 16-bit GBK character codes (lead byte * 256 + trail byte for a
// double-byte character, the byte itself for a single byte), as whole-word search, the
// lexer and the case helpers see them. Codes above 0xFFFF belong to no class.

// '0'-'9' and the full-width digits A3B0-A3B9.
bool IsDigitChar(unsigned int code);
// 'A'-'Z', 'a'-'z' and the full-width letters A3C1-A3DA, A3E1-A3FA.
bool IsLetterChar(unsigned int code);
// A GBK code outside the symbol rows A1A1-AFFE: lead 0x81-0xFE, trail 0x40-0xFE but not 0x7F.
bool IsGbkHanzi(unsigned int code);
// What whole-word search treats as part of a word: hanzi, letters, digits, '_' and the
// full-width low line A3DF.
bool IsWordChar(unsigned int code);

// A byte that starts a double-byte character in code page 936.
inline bool IsGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// Length in bytes (1 or 2) of the character that starts at text, which must not be at the
// terminating zero. A lead byte followed by the terminator counts as a single byte, so a
// walk never steps past the end of a truncated string.
inline int GbkCharLength(const char* text)
{
    return IsGbkLeadByte(static_cast<unsigned char>(text[0])) && text[1] != '\0' ? 2 : 1;
}
