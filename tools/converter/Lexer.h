/* The source lexer: reads GBK text as words (identifiers, numbers, blank runs, line feeds,
   operators, punctuation) with one character of look-ahead. Every test is made on the
   half-width form of a character, so full-width ASCII forms give the same word types. */
#ifndef MOYU_CONVERTER_LEXER_H
#define MOYU_CONVERTER_LEXER_H

#include <stdio.h>
#include "runtime/源码/字符.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef enum LexWordType {
    kLexOther = 1,
    kLexIdentifier = 2,
    kLexNumber = 3,
    kLexBlanks = 4,
    kLexLineFeed = 5,
    kLexOpenSingleQuote = 6,    /* ‘ */
    kLexCloseSingleQuote = 7,   /* ’ */
    kLexApostrophe = 8,
    kLexOpenDoubleQuote = 9,    /* “ */
    kLexCloseDoubleQuote = 10,  /* ” */
    kLexDoubleQuote = 11,
    kLexSectionOpen = 12,       /* 〖 */
    kLexSectionClose = 13,      /* 〗 */
    kLexCommentOpen = 14,       /* 【 */
    kLexCommentClose = 15,      /* 】 */
    kLexLineComment = 16,       /* // */
    kLexBlockCommentOpen = 17,  /* slash star */
    kLexBlockCommentClose = 18, /* star slash */
    kLexPlus = 19,
    kLexPlusAssign = 20,
    kLexMinus = 21,
    kLexMinusAssign = 22,
    kLexStar = 23,
    kLexStarAssign = 24,
    kLexSlash = 25,
    kLexSlashAssign = 26,
    kLexPercent = 27,
    kLexPercentAssign = 28,
    kLexIncrement = 29,
    kLexDecrement = 30,
    kLexArrow = 31,
    kLexLogicalAnd = 32,
    kLexAmpersand = 33,
    kLexLogicalOr = 34,
    kLexBar = 35,
    kLexNot = 36,
    kLexTilde = 37,
    kLexCaret = 38,
    kLexAssign = 39,            /* = and := */
    kLexEqual = 40,
    kLexNotEqual = 41,
    kLexGreater = 42,
    kLexGreaterEqual = 43,
    kLexLess = 44,
    kLexLessEqual = 45,
    kLexShiftLeft = 46,
    kLexShiftRight = 47,
    kLexOpenBrace = 48,
    kLexCloseBrace = 49,
    kLexOpenBracket = 50,
    kLexCloseBracket = 51,
    kLexOpenParen = 52,
    kLexCloseParen = 53,
    kLexHash = 54,
    kLexBackslash = 55,
    kLexQuestion = 56,
    kLexColon = 57,
    kLexComma = 58,
    kLexSemicolon = 59,
    kLexDot = 60,
    kLexDollar = 61,
    kLexFullNotEqual = 62,      /* ≠ */
    kLexFullArrow = 63,         /* → */
    kLexFullGreaterEqual = 64,  /* ≥ */
    kLexFullLessEqual = 65,     /* ≤ */
    kLexFullShiftLeft = 66,     /* 《 */
    kLexFullShiftRight = 67,    /* 》 */
    kLexNotC51 = 68,            /* produced by the operator-word table only */
    kLexAddressOfC51 = 69,      /* produced by the operator-word table only */
    kLexFullStop = 70,          /* 。 */
    kLexUpArrow = 72,           /* ↑ */
    kLexAt = 73,
    /* The compound assignments whose operator has no two-character word of its own. */
    kLexShiftLeftAssign = 74,   /* <<= */
    kLexShiftRightAssign = 75,  /* >>= */
    kLexBarAssign = 76,         /* |= */
    kLexCaretAssign = 77,       /* ^= */
    kLexAmpersandAssign = 78    /* &= */
} LexWordType;

enum {
    kLexEnd = -1,
    kLexBufferTooSmall = -2,
    kLexNoRoom = -3,
    kLexReadError = -4,
    kLexMinBufferSize = 5,
    kLexUnreadSize = 64
};

/* One word into buffer (terminated; a word longer than size - 5 bytes is cut and its rest
   is the next word); firstChar receives its first character as it stands in the input.
   Returns the word type or a negative result. */
int LexReadWord(FILE* stream, char* buffer, int size, CharCode* firstChar);
/* Whether the last word read was an identifier cut short by the buffer: its rest comes as
   the next word. */
int LexIdentifierWasCut(void);
/* Drops a pending look-ahead and the input read ahead of it: the next read starts at the
   stream's position. */
void LexReset(void);
/* The pending look-ahead (result 0, -1 at the end) or a newly read character (its byte
   count, negative at the end or on an error); the look-ahead is no longer pending. */
int LexReadChar(FILE* stream, CharCode* character);
/* Gives characters back, in their reading order, to be read again before the stream: by
   LexReadChar, or as the next word's characters. At most kLexUnreadSize of them, and only
   while no look-ahead is pending (right after LexReadChar). */
void LexUnreadChars(const CharCode* characters, int count);
/* 1: c51 mode, anything else: normal. */
void LexSetC51Mode(int on);
int LexC51Mode(void);

#ifdef __cplusplus
}
#endif

#endif
