/* The name romanizer over the generated tables.

   Item encoding after "zh_": a Chinese character is its table name (letters then digits);
   a half-width letter or digit is itself, followed by "_" when more text follows; a
   full-width one is "i" and its half-width form, likewise; "_" is "_" and the full-width
   low line "vi_". A half-width digit directly after a character name or after "_" is
   preceded by "_", so that 变量1 and 变量_1 get different names and a name's own digits
   never run into the digit. */
#include "tools/converter/Romanizer.h"

#include <string.h>
#include "runtime/源码/字符串.h"
#include "tools/converter/RomanizerTable.h"
#include "tools/converter/TextHash.h"

enum { kFullLowLine = 0xA3DF, kHexCodeMinDigits = 4 };

typedef enum RomanizeStyle { kStyleShort, kStyleFull, kStylePinyin, kStyleInitial } RomanizeStyle;

static RomanizeStyle StyleOf(KindWord style)
{
    if (style == kRomanizeStyleFull || style == 1)
        return kStyleFull;
    if (style == kRomanizeStylePinyin || style == 2)
        return kStylePinyin;
    if (style == kRomanizeStyleInitial || style == 3)
        return kStyleInitial;
    return kStyleShort;
}

static int IsAsciiLetter(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
static int IsAsciiDigit(int c) { return c >= '0' && c <= '9'; }
static int ToLowerAscii(int c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; }
static int ToUpperAscii(int c) { return (c >= 'a' && c <= 'z') ? c - 32 : c; }

/* Appends one byte while it fits before the terminator. */
static int PutByte(char* out, int size, int* pos, char byte)
{
    if (*pos + 1 >= size)
        return 0;
    out[(*pos)++] = byte;
    out[*pos] = '\0';
    return 1;
}

static void WriteStyledName(const char* name, RomanizeStyle style, char* out, int size)
{
    int pos = 0;
    out[0] = '\0';
    for (int i = 0; name[i] && i < kRomanizerNameSize; ++i) {
        char c = name[i];
        if (i > 0 && style != kStyleShort && (c == 'g' || c == 'G')) {
            PutByte(out, size, &pos, 'n');
            PutByte(out, size, &pos, 'g');
            continue;
        }
        if (style == kStyleShort || style == kStyleFull) {
            PutByte(out, size, &pos, c);
        } else if (!IsAsciiDigit(c)) {
            int cased = (style == kStyleInitial && i == 0) ? ToUpperAscii(c) : ToLowerAscii(c);
            PutByte(out, size, &pos, (char)cased);
        }
    }
}

int RomanizeChar(CharCode code, char* out, int size, KindWord style)
{
    if (out == NULL || size < kRomanizeCharMinSize || !ChIsTwoByte(code) || !ChIsGbk(code, 汉字))
        return 0;
    if (!ChIsGb2312(code, 汉字) || code > 0xF7FEu)
        return MbCharToHex(code, out, size);
    int row = (int)((code >> 8) - 0xB0) * 94 + (int)((code & 0xFF) - 0xA1);
    WriteStyledName(kRomanizerCodeTable[row].name, StyleOf(style), out, size);
    return StrLen(out);
}

/* The name table by name, built at the first use: a C source names many characters, and
   a walk over a letter's rows for each would cost hundreds of comparisons. A slot holds 1 +
   the row of a name; of equal names the later row, since the walk from the end finds it. */
enum { kNameIndexSlots = 16384 };
static int16_t g_nameIndex[kNameIndexSlots];
static uint8_t g_nameLength[kRomanizerNameRows];
static int g_nameIndexBuilt;

static int RowHasName(int row, const char* text, int length)
{
    return g_nameLength[row] == length && memcmp(kRomanizerNameTable[row].name, text, (size_t)length) == 0;
}

static void BuildNameIndex(void)
{
    for (int row = 0; row < kRomanizerNameRows; ++row) {
        const char* name = kRomanizerNameTable[row].name;
        int length = 0;
        while (length < kRomanizerNameSize && name[length] != '\0')
            ++length;
        g_nameLength[row] = (uint8_t)length;
        if (length == 0)
            continue;
        for (uint32_t slot = TextHashN(name, length);; ++slot) {
            int16_t* at = &g_nameIndex[slot % kNameIndexSlots];
            if (*at == 0 || RowHasName(*at - 1, name, length)) {
                *at = (int16_t)(row + 1);
                break;
            }
        }
    }
    g_nameIndexBuilt = 1;
}

/* The row whose whole name is the first length bytes of text, or -1; hash is theirs. */
static int RowNamed(const char* text, int length, uint32_t hash)
{
    for (uint32_t slot = hash;; ++slot) {
        int row = g_nameIndex[slot % kNameIndexSlots] - 1;
        if (row < 0 || RowHasName(row, text, length))
            return row;
    }
}

int DeromanizeChar(const char* text, CharCode* code)
{
    if (text == NULL || text[0] == '\0' || text[1] == '\0')
        return 0;
    int first = (unsigned char)text[0];
    if (!IsAsciiLetter(first))
        return 0;
    int letter = first <= 'Z' ? first - 'A' : 26 + first - 'a';
    const RomanizerLetterRange* range = &kRomanizerLetterIndex[letter];
    if (range->firstRow >= 0) {
        if (!g_nameIndexBuilt)
            BuildNameIndex();
        /* The last row of the letter whose name begins the text: a longer name of a series
           lies behind its shorter prefix. */
        int found = -1;
        int foundLength = 0;
        uint32_t hash = TextHashN(text, 0);
        for (int length = 1; length <= kRomanizerNameSize && text[length - 1] != '\0'; ++length) {
            hash = TextHashStep(hash, text[length - 1]);
            int row = RowNamed(text, length, hash);
            if (row > found && row >= range->firstRow && row <= range->lastRow) {
                found = row;
                foundLength = length;
            }
        }
        if (found >= 0) {
            if (code)
                *code = kRomanizerNameTable[found].code;
            return foundLength;
        }
    }
    if (first >= 'A' && first <= 'F') {
        CharCode hexCode = 0;
        int digits = MbCharFromHex(text, &hexCode);
        if (digits >= kHexCodeMinDigits) {
            if (code)
                *code = hexCode;
            return digits;
        }
    }
    return 0;
}

/* Appends text when all of it fits; returns 1 when written. */
static int PutText(char* out, int size, int* pos, const char* text)
{
    int length = StrLen(text);
    if (*pos + length >= size)
        return 0;
    memcpy(out + *pos, text, (size_t)length + 1);
    *pos += length;
    return 1;
}

typedef enum PreviousItem { kItemNone, kItemName, kItemLowLine, kItemOther } PreviousItem;

int RomanizeName(const char* text, char* out, int size, KindWord style)
{
    if (text == NULL)
        return 0;
    if (out == NULL)
        size = 0;
    if (size > 0)
        out[0] = '\0';
    if (MbCountHanzi(text) == 0) {
        if (size > 0)
            MbStrCopyN(text, out, size);
        return StrLen(text);
    }
    int pos = 0;
    if (size - 1 > 3)
        PutText(out, size, &pos, "zh_");
    const char* p = text;
    PreviousItem previous = kItemNone;
    while (*p) {
        int length = 0;
        CharCode code = MbCharAtLen(p, &length);
        CharCode half = CvtToHalfWidth(code);
        int more = p[length] != '\0';
        char item[16];
        item[0] = '\0';
        if (ChIsAlnum(code, 0) && code < 0x80) {
            int separated = IsAsciiDigit((int)code) && (previous == kItemName || previous == kItemLowLine);
            int n = 0;
            if (separated)
                item[n++] = '_';
            item[n++] = (char)code;
            if (more)
                item[n++] = '_';
            item[n] = '\0';
            previous = kItemOther;
        } else if (ChIsAlnum(code, 0) && half < 0x80) {
            item[0] = 'i';
            item[1] = (char)half;
            item[2] = more ? '_' : '\0';
            item[3] = '\0';
            previous = kItemOther;
        } else if (ChIsGbk(code, 汉字)) {
            if (size - 1 - pos < 8)
                break;
            if (RomanizeChar(code, item, sizeof item, style) == 0)
                break;
            previous = kItemName;
        } else if (code == kFullLowLine) {
            memcpy(item, "vi_", 4);
            previous = kItemOther;
        } else if (code == '_') {
            memcpy(item, "_", 2);
            previous = kItemLowLine;
        } else {
            break;
        }
        if (size > 0 && !PutText(out, size, &pos, item))
            break;
        p += length;
    }
    return (int)(p - text);
}

static int IsItemEnd(const char* p) { return *p == '_' || *p == '\0'; }

/* One item at p: the decoded character and the bytes used, 0 when nothing decodes. */
static int DecodeItem(const char* p, CharCode* code)
{
    int c = (unsigned char)p[0];
    if (c == '_' && IsAsciiDigit((unsigned char)p[1]) && IsItemEnd(p + 2)) {
        *code = (CharCode)p[1];
        return p[2] == '_' ? 3 : 2;
    }
    if (c == '_') {
        *code = '_';
        return 1;
    }
    if ((IsAsciiLetter(c) || IsAsciiDigit(c)) && IsItemEnd(p + 1)) {
        *code = (CharCode)c;
        return p[1] == '_' ? 2 : 1;
    }
    if (c == 'v' && p[1] == 'i' && p[2] == '_') {
        *code = kFullLowLine;
        return 3;
    }
    if (c == 'i' && (IsAsciiLetter((unsigned char)p[1]) || IsAsciiDigit((unsigned char)p[1]))
        && IsItemEnd(p + 2)) {
        *code = CvtToFullWidth((CharCode)(unsigned char)p[1]);
        return p[2] == '_' ? 3 : 2;
    }
    return DeromanizeChar(p, code);
}

int DeromanizeName(const char* name, char* out, int size)
{
    if (name == NULL || out == NULL || size < 5)
        return 0;
    int usable = size - 5;
    /* The byte after the prefix is read only once the prefix is there: a shorter name
       ends before it. */
    int prefixed = strncmp(name, "zh_", 3) == 0;
    int c = prefixed ? (unsigned char)name[3] : 0;
    if (!prefixed || !(IsAsciiLetter(c) || IsAsciiDigit(c) || c == '_')) {
        MbStrCopyN(name, out, size);
        return StrLen(out);
    }
    int pos = 0;
    const char* p = name + 3;
    out[0] = '\0';
    while (*p) {
        CharCode code = 0;
        int used = DecodeItem(p, &code);
        if (used == 0 || MbPutCharAt(out, usable, pos, code) == 0)
            break;
        pos += MbCharSize(code);
        out[pos] = '\0';
        p += used;
    }
    /* Only a text with Chinese characters is ever romanized, so a zh_ name that decodes
       to none (zh_a, zh_1) is an ordinary identifier and stays as it is. */
    if (*p != '\0' || MbCountHanzi(out) == 0) {
        out[0] = '\0';
        return 0;
    }
    return (int)(p - name);
}
