/* The character model of GBK text with the four-byte GB18030 forms: recognising a
   character in a byte string, holding it as one CharCode, writing it back, character
   classes and width, case, digit and number conversions. Every function here walks whole
   characters and never splits a double- or four-byte one; null texts give 0 or null. */
#ifndef MOYU_RUNTIME_CHARACTER_H
#define MOYU_RUNTIME_CHARACTER_H

#include <stdint.h>
#include "runtime/源码/常量.h"

#ifdef __cplusplus
extern "C" {
#endif

/* One character, its 1, 2 or 4 bytes packed first byte highest. */
typedef uint32_t CharCode;

/* Bits of MbByteClassTable. */
enum {
    kMbSingleByte = 1,   /* 0x00-0x7F */
    kMbLeadByte = 2,     /* 0x81-0xFE */
    kMbTrailByte = 4,    /* 0x40-0x7E, 0x80-0xFE */
    kMbFourByteDigit = 8 /* 0x30-0x39, second and fourth byte of a four-byte character */
};

extern const unsigned char MbByteClassTable[256];
int MbByteClass(unsigned char byte);

/* Reading characters. Offsets and counts are in bytes unless the name says characters. */
int MbCharSize(CharCode code);
int MbCharLen(const char* p);
CharCode MbCharAt(const char* p);
CharCode MbCharAtLen(const char* p, int* length);
char* MbCharAndNext(const char* p, CharCode* code);
CharCode MbReadChar(const char** text);
CharCode MbReadCharAt(const char* text, int* offset);
CharCode MbNextChar(const char** text);
CharCode MbNextCharAt(const char* text, int* offset);
CharCode MbCharAtStepBack(const char* text, int* offset);
CharCode MbPrevChar(const char* text, int* offset);
int MbLastCharPos(const char* text, int n);
int MbLastCharLen(const char* text, int n);
int MbLastCharLenPos(const char* text, int n, int* offset);
CharCode MbLastCharCode(const char* text, int n);
CharCode MbLastCharCodePos(const char* text, int n, int* offset);
int MbCharLenAt(const char* text, int offset);
CharCode MbCharAtOffset(const char* text, int offset);
CharCode MbCharAtOffsetLen(const char* text, int offset, int* length);
CharCode MbCharAtIndex(const char* text, int n);
int MbCharLenAtIndex(const char* text, int n);
int MbIndexToOffset(const char* text, int n);
int MbCharsToBytes(const char* text, int n);
char* MbSkipChars(const char* text, int n);
int MbAdvanceChars(const char** text, int n);
int MbMoveChars(const char* text, int* offset, int n);
int MbCountChars(const char* text);
int MbCountHanzi(const char* text);

/* Writing characters. */
int MbCharToBytes(CharCode code, char* buffer, int size);
int MbPutCharRaw(char* buffer, CharCode code);
char* MbPutCharRawEnd(char* buffer, CharCode code);
/* size -1 means unlimited. */
int MbPutCharAt(char* buffer, int size, int pos, CharCode code);
/* room may be null (unlimited). */
int MbPutCharAdvance(char** buffer, int* room, int pos, CharCode code);
int MbAppendChar(char* text, int size, int* pos, CharCode code);
int MbOverwriteChar(char* p, int byte);
/* The character as text in one of 8 static buffers used in turn. */
const char* MbCharText(CharCode code);
int MbCharToHex(CharCode code, char* buffer, int size);
/* One static buffer. */
const char* MbCharHexText(CharCode code);
int MbCharFromHex(const char* text, CharCode* code);
char* MbStrCopyN(const char* source, char* buffer, int size);

/* Character classes: 1 or 0. */
int ChIsDigit(CharCode code, KindWord kind);
int ChIsLetter(CharCode code, KindWord width, KindWord letterCase);
int ChIsAlnum(CharCode code, KindWord width);
int ChIsHexDigit(CharCode code, KindWord width, KindWord letterCase);
int ChIsTwoByte(CharCode code);
int ChIsPrint(CharCode code);
int ChIsFullWidth(CharCode code);
int ChIsSpace(CharCode code);
int ChIsBlank(CharCode code);
int ChIsBlankTab(CharCode code);
int ChIsControl(CharCode code);
int ChIsNonControl(CharCode code);
int ChIsGb2312(CharCode code, KindWord kind);
int ChIsGbk(CharCode code, KindWord kind);
int ChIsHanzi(CharCode code);
int ChIsIdentStart(CharCode code);
int ChIsIdentChar(CharCode code);

/* Conversions. */
int CvtHexDigitChar(int value);
int CvtHexDigitValue(CharCode code);
CharCode CvtToHalfWidth(CharCode code);
CharCode CvtToFullWidth(CharCode code);
CharCode CvtToUpper(CharCode code);
CharCode CvtToLower(CharCode code);
int CvtStrToHalfWidth(const char* source, char* buffer, int size);
int CvtStrToFullWidth(const char* source, char* buffer, int size);
CharCode CvtDigitToChinese(int value, KindWord kind);
int CvtChineseToDigit(CharCode code);
long CvtStrToLong(const char* text, int radix, char** end);
unsigned long CvtStrToULong(const char* text, int radix, char** end);
double CvtStrToDouble(const char* text, char** end);
char* CvtLongToStr(long value, char* buffer, int size, int radix);
char* CvtULongToStr(unsigned long value, char* buffer, int size, int radix);
char* CvtDoubleToStr(double value, char* buffer, int size, int digits);
/* The digits lie in a static buffer. */
char* CvtDoubleToDigits(double value, int digits, int* point, int* sign);

#ifdef __cplusplus
}
#endif

#endif
