/* Character classes and conversions between widths, cases, digits and numbers. */
#include "runtime/源码/字符.h"
#include "runtime/源码/字符串.h"

#include <stddef.h>
#include <stdlib.h>

enum {
    kFullDigitZero = 0xA3B0, kFullDigitNine = 0xA3B9,
    kFullUpperA = 0xA3C1, kFullUpperZ = 0xA3DA,
    kFullLowerA = 0xA3E1, kFullLowerZ = 0xA3FA,
    kFullFormFirst = 0xA3A1, kFullFormLast = 0xA3FE,
    kFullSpace = 0xA1A1,
    kFullWidthOffset = 0xA380
};

/* 零 一 二 … 十, then the financial forms 零 壹 贰 … 拾, each indexed by value. */
static const CharCode kSimplifiedNumerals[11] = {
    0xC1E3, 0xD2BB, 0xB6FE, 0xC8FD, 0xCBC4, 0xCEE5, 0xC1F9, 0xC6DF, 0xB0CB, 0xBEC5, 0xCAAE
};
static const CharCode kFinancialNumerals[11] = {
    0xC1E3, 0xD2BC, 0xB7A1, 0xC8FE, 0xCBC1, 0xCEE9, 0xC2BD, 0xC6E2, 0xB0C6, 0xBEC1, 0xCAB0
};
/* The numeral words ChIsDigit accepts: 一 … 十 百 千 万 亿, and 零 壹 … 拾 佰 仟. */
static const CharCode kSimplifiedDigitWords[] = {
    0xD2BB, 0xB6FE, 0xC8FD, 0xCBC4, 0xCEE5, 0xC1F9, 0xC6DF, 0xB0CB, 0xBEC5, 0xCAAE,
    0xB0D9, 0xC7A7, 0xCDF2, 0xD2DA
};
static const CharCode kFinancialDigitWords[] = {
    0xC1E3, 0xD2BC, 0xB7A1, 0xC8FE, 0xCBC1, 0xCEE9, 0xC2BD, 0xC6E2, 0xB0C6, 0xBEC1, 0xCAB0,
    0xB0DB, 0xC7AA
};

static int InList(CharCode code, const CharCode* list, size_t count)
{
    for (size_t i = 0; i < count; i++) {
        if (list[i] == code)
            return 1;
    }
    return 0;
}

#define COUNT_OF(a) (sizeof(a) / sizeof((a)[0]))

static int InRange(CharCode code, CharCode first, CharCode last)
{
    return code >= first && code <= last;
}

static int IsHalfDigit(CharCode code) { return InRange(code, '0', '9'); }
static int IsFullDigit(CharCode code) { return InRange(code, kFullDigitZero, kFullDigitNine); }

int ChIsDigit(CharCode code, KindWord kind)
{
    if (kind == 0 || kind == 半全 || kind == 全半)
        return IsHalfDigit(code) || IsFullDigit(code);
    if (kind == 半角)
        return IsHalfDigit(code);
    if (kind == 全角)
        return IsFullDigit(code);
    int simplified = InList(code, kSimplifiedDigitWords, COUNT_OF(kSimplifiedDigitWords));
    int financial = InList(code, kFinancialDigitWords, COUNT_OF(kFinancialDigitWords));
    if (kind == 简体)
        return simplified;
    if (kind == 繁体)
        return financial;
    if (kind == 简繁)
        return simplified || financial;
    return 0;
}

/* Letters of one width and case selection; -1 when the width or case word is not known. */
static int LetterOfWidth(CharCode code, CharCode upperA, CharCode upperZ, CharCode lowerA,
                         CharCode lowerZ, KindWord letterCase)
{
    if (letterCase == 大写)
        return InRange(code, upperA, upperZ);
    if (letterCase == 小写)
        return InRange(code, lowerA, lowerZ);
    return InRange(code, upperA, upperZ) || InRange(code, lowerA, lowerZ);
}

static int KnownCase(KindWord letterCase)
{
    return letterCase == 0 || letterCase == 大写 || letterCase == 小写;
}

int ChIsLetter(CharCode code, KindWord width, KindWord letterCase)
{
    if (!KnownCase(letterCase))
        return 0;
    int half = LetterOfWidth(code, 'A', 'Z', 'a', 'z', letterCase);
    int full = LetterOfWidth(code, kFullUpperA, kFullUpperZ, kFullLowerA, kFullLowerZ, letterCase);
    if (width == 半角)
        return half;
    if (width == 全角)
        return full;
    if (width == 0)
        return half || full;
    return 0;
}

int ChIsAlnum(CharCode code, KindWord width)
{
    if (width != 0 && width != 半角 && width != 全角)
        return 0;
    return ChIsLetter(code, width, 0) || ChIsDigit(code, width);
}

int ChIsHexDigit(CharCode code, KindWord width, KindWord letterCase)
{
    if (!KnownCase(letterCase))
        return 0;
    int half = IsHalfDigit(code) || LetterOfWidth(code, 'A', 'F', 'a', 'f', letterCase);
    int full = IsFullDigit(code)
        || LetterOfWidth(code, kFullUpperA, kFullUpperA + 5, kFullLowerA, kFullLowerA + 5, letterCase);
    if (width == 半角)
        return half;
    if (width == 全角)
        return full;
    if (width == 0)
        return half || full;
    return 0;
}

int ChIsTwoByte(CharCode code) { return code < 0x10000u && (code & 0xFF00u) != 0; }
int ChIsPrint(CharCode code) { return InRange(code, 32, 126); }
int ChIsFullWidth(CharCode code)
{
    return code == kFullSpace || InRange(code, kFullFormFirst, kFullFormLast);
}
int ChIsSpace(CharCode code) { return InRange(code, 9, 13) || code == 32 || code == kFullSpace; }
int ChIsBlank(CharCode code) { return code == 32 || code == kFullSpace; }
int ChIsBlankTab(CharCode code) { return code == 9 || code == 32 || code == kFullSpace; }
int ChIsControl(CharCode code) { return code < 32 || code == 127; }
int ChIsNonControl(CharCode code) { return code >= 32; }

int ChIsGb2312(CharCode code, KindWord kind)
{
    CharCode trail = code & 0xFFu;
    CharCode lead = code >> 8;
    if (!InRange(trail, 0xA1, 0xFE))
        return 0;
    if (kind == 0)
        return InRange(lead, 0xA1, 0xFE);
    if (kind == 符号)
        return InRange(lead, 0xA1, 0xAF);
    if (kind == 汉字)
        return InRange(lead, 0xB0, 0xFE);
    return 0;
}

static int IsTwoByteGbk(CharCode code)
{
    CharCode trail = code & 0xFFu;
    return InRange(code, 0x8100, 0xFEFF) && (InRange(trail, 0x40, 0x7E) || InRange(trail, 0x80, 0xFE));
}

static int IsGbkSymbol(CharCode code)
{
    return IsTwoByteGbk(code) && InRange(code >> 8, 0xA1, 0xAF) && InRange(code & 0xFFu, 0xA1, 0xFE);
}

static int IsFourByteGbk(CharCode code)
{
    return InRange(code >> 24, 0x81, 0xFE) && InRange((code >> 16) & 0xFFu, 0x30, 0x39)
        && InRange((code >> 8) & 0xFFu, 0x81, 0xFE) && InRange(code & 0xFFu, 0x30, 0x39);
}

int ChIsGbk(CharCode code, KindWord kind)
{
    int twoByte = IsTwoByteGbk(code);
    int fourByte = IsFourByteGbk(code);
    if (kind == 汉字)
        return (twoByte && !IsGbkSymbol(code)) || fourByte;
    if (kind == 双汉)
        return twoByte && !IsGbkSymbol(code);
    if (kind == 双字)
        return twoByte;
    if (kind == 四字)
        return fourByte;
    if (kind == 0)
        return twoByte || fourByte;
    return 0;
}

int ChIsHanzi(CharCode code) { return ChIsGbk(code, 汉字); }
int ChIsIdentStart(CharCode code) { return ChIsHanzi(code) || ChIsLetter(code, 0, 0); }
int ChIsIdentChar(CharCode code) { return ChIsIdentStart(code) || ChIsDigit(code, 0); }

int CvtHexDigitChar(int value)
{
    if (value < 0 || value > 15)
        return 0;
    return value < 10 ? '0' + value : 'A' + value - 10;
}

int CvtHexDigitValue(CharCode code)
{
    if (IsHalfDigit(code))
        return (int)(code - '0');
    if (IsFullDigit(code))
        return (int)(code - kFullDigitZero);
    if (InRange(code, 'A', 'F'))
        return (int)(code - 'A' + 10);
    if (InRange(code, 'a', 'f'))
        return (int)(code - 'a' + 10);
    if (InRange(code, kFullUpperA, kFullUpperA + 5))
        return (int)(code - kFullUpperA + 10);
    if (InRange(code, kFullLowerA, kFullLowerA + 5))
        return (int)(code - kFullLowerA + 10);
    return 0;
}

CharCode CvtToHalfWidth(CharCode code)
{
    if (code == kFullSpace)
        return 32;
    if (InRange(code, kFullFormFirst, kFullFormLast))
        return code - kFullWidthOffset;
    return code;
}

CharCode CvtToFullWidth(CharCode code)
{
    if (code == 32)
        return kFullSpace;
    if (InRange(code, 33, 126))
        return code + kFullWidthOffset;
    return code;
}

CharCode CvtToUpper(CharCode code)
{
    return ChIsLetter(code, 0, 小写) ? code & ~0x20u : code;
}

CharCode CvtToLower(CharCode code)
{
    return ChIsLetter(code, 0, 大写) ? code | 0x20u : code;
}

/* Converts character by character until the first one that does not fit in size-1 bytes. */
static int ConvertString(const char* source, char* buffer, int size, CharCode (*convert)(CharCode))
{
    if (!source || !buffer || size <= 0)
        return 0;
    int pos = 0;
    const char* p = source;
    while (*p) {
        CharCode code = MbReadChar(&p);
        int written = MbPutCharAt(buffer, size - 1, pos, convert(code));
        if (written == 0)
            break;
        pos += written;
    }
    buffer[pos] = '\0';
    return pos;
}

int CvtStrToHalfWidth(const char* source, char* buffer, int size)
{
    return ConvertString(source, buffer, size, CvtToHalfWidth);
}

int CvtStrToFullWidth(const char* source, char* buffer, int size)
{
    return ConvertString(source, buffer, size, CvtToFullWidth);
}

CharCode CvtDigitToChinese(int value, KindWord kind)
{
    if (value < 0 || value > 10)
        return 0;
    return (kind == 0 || kind == 简体) ? kSimplifiedNumerals[value] : kFinancialNumerals[value];
}

int CvtChineseToDigit(CharCode code)
{
    for (int value = 0; value <= 10; value++) {
        if (kSimplifiedNumerals[value] == code || kFinancialNumerals[value] == code)
            return value;
    }
    return -1;
}

/* Moves end to the character of text that corresponds to the converted text's position
   consumed; the half-width copy has one character for each character of text. */
static void SetEnd(const char* text, const char* half, const char* halfEnd, char** end)
{
    if (!end)
        return;
    int chars = 0;
    for (const char* p = half; p < halfEnd && *p; p += MbCharLen(p))
        chars++;
    *end = MbSkipChars(text, chars);
}

long CvtStrToLong(const char* text, int radix, char** end)
{
    if (end)
        *end = (char*)text;
    if (!text)
        return 0;
    char half[50];
    CvtStrToHalfWidth(text, half, sizeof half);
    char* halfEnd = half;
    long value = strtol(half, &halfEnd, radix);
    SetEnd(text, half, halfEnd, end);
    return value;
}

unsigned long CvtStrToULong(const char* text, int radix, char** end)
{
    if (end)
        *end = (char*)text;
    if (!text)
        return 0;
    char half[50];
    CvtStrToHalfWidth(text, half, sizeof half);
    char* halfEnd = half;
    unsigned long value = strtoul(half, &halfEnd, radix);
    SetEnd(text, half, halfEnd, end);
    return value;
}

double CvtStrToDouble(const char* text, char** end)
{
    if (end)
        *end = (char*)text;
    if (!text)
        return 0.0;
    char half[102];
    CvtStrToHalfWidth(text, half, sizeof half);
    char* halfEnd = half;
    double value = strtod(half, &halfEnd);
    SetEnd(text, half, halfEnd, end);
    return value;
}

enum { kIntegerTextSize = 36 };

static int ValidRadix(int radix) { return radix >= 2 && radix <= 36; }

char* CvtLongToStr(long value, char* buffer, int size, int radix)
{
    if (!buffer || size <= 0 || !ValidRadix(radix))
        return NULL;
    if (size >= kIntegerTextSize)
        return _ltoa(value, buffer, radix);
    char text[kIntegerTextSize];
    _ltoa(value, text, radix);
    StrCopyN(text, buffer, size);
    return buffer;
}

char* CvtULongToStr(unsigned long value, char* buffer, int size, int radix)
{
    if (!buffer || size <= 0 || !ValidRadix(radix))
        return NULL;
    if (size >= kIntegerTextSize)
        return _ultoa(value, buffer, radix);
    char text[kIntegerTextSize];
    _ultoa(value, text, radix);
    StrCopyN(text, buffer, size);
    return buffer;
}

char* CvtDoubleToStr(double value, char* buffer, int size, int digits)
{
    /* Room for sign, point, an exponent such as "e+308" and the NUL beside the digits. */
    if (!buffer || digits < 1 || size < digits + 8)
        return NULL;
    return _gcvt(value, digits, buffer);
}

enum { kMaxFixedDigits = 347 };

char* CvtDoubleToDigits(double value, int digits, int* point, int* sign)
{
    int pointStore, signStore;
    if (!point)
        point = &pointStore;
    if (!sign)
        sign = &signStore;
    /* Keep integer digits plus fraction digits within the static buffer. */
    int integerDigits = 0;
    for (double magnitude = value < 0 ? -value : value; magnitude >= 1.0 && integerDigits < 400;
         magnitude /= 10.0)
        integerDigits++;
    if (digits > kMaxFixedDigits - integerDigits)
        digits = kMaxFixedDigits - integerDigits;
    if (digits < 0)
        digits = 0;
    return _fcvt(value, digits, point, sign);
}
