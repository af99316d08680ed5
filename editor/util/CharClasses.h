#pragma once
#include "framework/Gbk.h"

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
