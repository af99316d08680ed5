/* Recognising, reading and writing GBK / GB18030 characters as CharCode values. */
#include "runtime/源码/字符.h"

#include <stddef.h>

#define U(b) ((unsigned char)(b))

const unsigned char MbByteClassTable[256] = {
#define R16(v) v, v, v, v, v, v, v, v, v, v, v, v, v, v, v, v
    /* 0x00-0x2F single bytes */
    R16(1), R16(1), R16(1),
    /* 0x30-0x39 single bytes that are also four-byte digits; 0x3A-0x3F single bytes */
    9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 1, 1, 1, 1, 1, 1,
    /* 0x40-0x7E single bytes that are also trail bytes; 0x7F single byte */
    R16(5), R16(5), R16(5), 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 1,
    /* 0x80 trail only; 0x81-0xFE lead and trail; 0xFF nothing */
    4, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6,
    R16(6), R16(6), R16(6), R16(6), R16(6), R16(6),
    6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 0
#undef R16
};

int MbByteClass(unsigned char byte)
{
    return MbByteClassTable[byte];
}

/* Length of the character at p (p not null): 2, 4, or 1 for everything else, the NUL
   included. Reads a following byte only while the bytes before it are not NUL. */
static int CharLenAt(const unsigned char* p)
{
    if (!(MbByteClassTable[p[0]] & kMbLeadByte))
        return 1;
    if (MbByteClassTable[p[1]] & kMbTrailByte)
        return 2;
    if ((MbByteClassTable[p[1]] & kMbFourByteDigit) && (MbByteClassTable[p[2]] & kMbLeadByte)
        && (MbByteClassTable[p[3]] & kMbFourByteDigit))
        return 4;
    return 1;
}

static CharCode CodeOf(const unsigned char* p, int len)
{
    CharCode code = 0;
    for (int i = 0; i < len; i++)
        code = (code << 8) | p[i];
    return code;
}

static CharCode ReadAt(const char* p, int* length)
{
    int len = CharLenAt((const unsigned char*)p);
    if (length)
        *length = len;
    return CodeOf((const unsigned char*)p, len);
}

/* Bytes a reader moves over: the character's length, but never past the terminating NUL. */
static int StepAt(const char* p)
{
    return *p ? CharLenAt((const unsigned char*)p) : 0;
}

/* Sign-extended single bytes and byte pairs become their low byte or low 16 bits. */
static CharCode Normalize(CharCode code)
{
    if (code >= 0xFFFFFF00u)
        return code & 0xFFu;
    if (code >= 0xFFFF0000u)
        return code & 0xFFFFu;
    return code;
}

static int SizeOfNormalized(CharCode code)
{
    if (code >= 0x10000u)
        return 4;
    return (code & 0xFF00u) ? 2 : 1;
}

int MbCharSize(CharCode code)
{
    return SizeOfNormalized(Normalize(code));
}

int MbCharLen(const char* p)
{
    return p ? CharLenAt((const unsigned char*)p) : 0;
}

CharCode MbCharAt(const char* p)
{
    return p ? ReadAt(p, NULL) : 0;
}

CharCode MbCharAtLen(const char* p, int* length)
{
    if (!p) {
        if (length)
            *length = 0;
        return 0;
    }
    return ReadAt(p, length);
}

char* MbCharAndNext(const char* p, CharCode* code)
{
    if (!p)
        return NULL;
    if (code)
        *code = ReadAt(p, NULL);
    return (char*)p + StepAt(p);
}

CharCode MbReadChar(const char** text)
{
    if (!text || !*text)
        return 0;
    CharCode code = ReadAt(*text, NULL);
    *text += StepAt(*text);
    return code;
}

CharCode MbReadCharAt(const char* text, int* offset)
{
    if (!text || !offset || *offset < 0)
        return 0;
    CharCode code = ReadAt(text + *offset, NULL);
    *offset += StepAt(text + *offset);
    return code;
}

CharCode MbNextChar(const char** text)
{
    if (!text || !*text)
        return 0;
    *text += StepAt(*text);
    return ReadAt(*text, NULL);
}

CharCode MbNextCharAt(const char* text, int* offset)
{
    if (!text || !offset || *offset < 0)
        return 0;
    *offset += StepAt(text + *offset);
    return ReadAt(text + *offset, NULL);
}

int MbLastCharPos(const char* text, int n)
{
    if (!text || n <= 0)
        return 0;
    int pos = 0;
    for (;;) {
        if (!text[pos])
            return pos;
        int len = CharLenAt((const unsigned char*)text + pos);
        if (pos + len >= n)
            return pos;
        pos += len;
    }
}

CharCode MbCharAtStepBack(const char* text, int* offset)
{
    if (!text || !offset || *offset < 0)
        return 0;
    CharCode code = ReadAt(text + *offset, NULL);
    *offset = MbLastCharPos(text, *offset);
    return code;
}

CharCode MbPrevChar(const char* text, int* offset)
{
    if (!text || !offset || *offset <= 0)
        return 0;
    *offset = MbLastCharPos(text, *offset);
    return ReadAt(text + *offset, NULL);
}

int MbLastCharLenPos(const char* text, int n, int* offset)
{
    int pos = MbLastCharPos(text, n);
    if (offset)
        *offset = pos;
    if (!text || n <= 0)
        return 0;
    return CharLenAt((const unsigned char*)text + pos);
}

int MbLastCharLen(const char* text, int n)
{
    return MbLastCharLenPos(text, n, NULL);
}

CharCode MbLastCharCodePos(const char* text, int n, int* offset)
{
    int pos = MbLastCharPos(text, n);
    if (offset)
        *offset = pos;
    if (!text || n <= 0)
        return 0;
    return ReadAt(text + pos, NULL);
}

CharCode MbLastCharCode(const char* text, int n)
{
    return MbLastCharCodePos(text, n, NULL);
}

int MbCharLenAt(const char* text, int offset)
{
    return (text && offset >= 0) ? CharLenAt((const unsigned char*)text + offset) : 0;
}

CharCode MbCharAtOffset(const char* text, int offset)
{
    return (text && offset >= 0) ? ReadAt(text + offset, NULL) : 0;
}

CharCode MbCharAtOffsetLen(const char* text, int offset, int* length)
{
    if (!text || offset < 0) {
        if (length)
            *length = 0;
        return 0;
    }
    return ReadAt(text + offset, length);
}

int MbCharsToBytes(const char* text, int n)
{
    if (!text || n <= 0)
        return 0;
    int pos = 0;
    for (int i = 0; i < n && text[pos]; i++)
        pos += CharLenAt((const unsigned char*)text + pos);
    return pos;
}

int MbIndexToOffset(const char* text, int n)
{
    return MbCharsToBytes(text, n);
}

CharCode MbCharAtIndex(const char* text, int n)
{
    if (!text || n < 0)
        return 0;
    return ReadAt(text + MbCharsToBytes(text, n), NULL);
}

int MbCharLenAtIndex(const char* text, int n)
{
    if (!text || n < 0)
        return 0;
    return CharLenAt((const unsigned char*)text + MbCharsToBytes(text, n));
}

char* MbSkipChars(const char* text, int n)
{
    return text ? (char*)text + MbCharsToBytes(text, n) : NULL;
}

int MbAdvanceChars(const char** text, int n)
{
    if (!text || !*text)
        return 0;
    int bytes = MbCharsToBytes(*text, n);
    *text += bytes;
    return bytes;
}

int MbMoveChars(const char* text, int* offset, int n)
{
    if (!text || !offset || *offset < 0)
        return 0;
    int old = *offset;
    if (n >= 0) {
        *offset += MbCharsToBytes(text + old, n);
    } else {
        for (int i = 0; i < -n && *offset > 0; i++)
            *offset = MbLastCharPos(text, *offset);
    }
    return *offset - old;
}

int MbCountChars(const char* text)
{
    int count = 0;
    if (text) {
        for (const char* p = text; *p; p += CharLenAt((const unsigned char*)p))
            count++;
    }
    return count;
}

int MbCountHanzi(const char* text)
{
    int count = 0;
    if (text) {
        const char* p = text;
        while (*p) {
            int len;
            CharCode code = ReadAt(p, &len);
            count += ChIsGbk(code, 汉字);
            p += len;
        }
    }
    return count;
}

int MbPutCharRaw(char* buffer, CharCode code)
{
    if (!buffer)
        return 0;
    code = Normalize(code);
    int len = SizeOfNormalized(code);
    for (int i = 0; i < len; i++)
        buffer[i] = (char)(code >> (8 * (len - 1 - i)));
    return len;
}

char* MbPutCharRawEnd(char* buffer, CharCode code)
{
    return buffer ? buffer + MbPutCharRaw(buffer, code) : NULL;
}

int MbCharToBytes(CharCode code, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    code = Normalize(code);
    int len = SizeOfNormalized(code);
    int room = size - 1;
    if (len > room) {
        /* Keep the low bytes that fit: a four-byte code's low pair, or the low byte. */
        if (len == 4 && room >= 2) {
            code &= 0xFFFFu;
            len = 2;
        } else if (room >= 1) {
            code &= 0xFFu;
            len = 1;
        } else {
            len = 0;
        }
    }
    for (int i = 0; i < len; i++)
        buffer[i] = (char)(code >> (8 * (len - 1 - i)));
    buffer[len] = '\0';
    return len;
}

int MbPutCharAt(char* buffer, int size, int pos, CharCode code)
{
    if (!buffer || pos < 0)
        return 0;
    int len = MbCharSize(code);
    if (size != -1 && pos + len > size)
        return 0;
    return MbPutCharRaw(buffer + pos, code);
}

int MbPutCharAdvance(char** buffer, int* room, int pos, CharCode code)
{
    if (!buffer || !*buffer)
        return 0;
    int written = MbPutCharAt(*buffer, room ? *room : -1, pos, code);
    if (written > 0) {
        *buffer += written;
        if (room)
            *room = *room > written ? *room - written : 0;
    }
    return written;
}

int MbAppendChar(char* text, int size, int* pos, CharCode code)
{
    if (!pos)
        return 0;
    int written = MbPutCharAt(text, size, *pos, code);
    *pos += written;
    return written;
}

int MbOverwriteChar(char* p, int byte)
{
    /* The terminating NUL is not a character to overwrite. */
    if (!p || !*p)
        return 0;
    int len = CharLenAt((const unsigned char*)p);
    for (int i = 0; i < len; i++)
        p[i] = (char)byte;
    return len;
}

const char* MbCharText(CharCode code)
{
    static char buffers[8][5];
    static int next;
    char* buffer = buffers[next];
    next = (next + 1) % 8;
    MbCharToBytes(code, buffer, sizeof buffers[0]);
    return buffer;
}

int MbCharToHex(CharCode code, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    code = Normalize(code);
    int len = SizeOfNormalized(code);
    /* Digit groups from the high end: 4+2+2 digits, 2+2 or 2. */
    static const int kGroups4[] = { 4, 2, 2, 0 };
    static const int kGroups2[] = { 2, 2, 0 };
    static const int kGroups1[] = { 2, 0 };
    const int* groups = len == 4 ? kGroups4 : len == 2 ? kGroups2 : kGroups1;
    int total = len * 2;
    int written = 0;
    for (const int* g = groups; *g && written + *g <= size - 1; g++) {
        for (int i = 0; i < *g; i++, written++) {
            int shift = 4 * (total - 1 - written);
            buffer[written] = (char)CvtHexDigitChar((int)((code >> shift) & 0xFu));
        }
    }
    buffer[written] = '\0';
    return written;
}

const char* MbCharHexText(CharCode code)
{
    static char buffer[9];
    MbCharToHex(code, buffer, sizeof buffer);
    return buffer;
}

static int HalfHexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

/* The byte of two hex digits at p, or -1. Never reads past a NUL. */
static int HexPair(const char* p)
{
    int high = HalfHexValue(p[0]);
    if (high < 0)
        return -1;
    int low = HalfHexValue(p[1]);
    return low < 0 ? -1 : high * 16 + low;
}

int MbCharFromHex(const char* text, CharCode* code)
{
    if (!text)
        return 0;
    int bytes[4];
    int count = 0;
    bytes[0] = HexPair(text);
    if (bytes[0] < 0)
        return 0;
    count = 1;
    if (MbByteClassTable[bytes[0]] & kMbLeadByte) {
        bytes[1] = HexPair(text + 2);
        if (bytes[1] >= 0) {
            count = 2;
            if (MbByteClassTable[bytes[1]] & kMbFourByteDigit) {
                bytes[2] = HexPair(text + 4);
                if (bytes[2] >= 0 && (MbByteClassTable[bytes[2]] & kMbLeadByte)) {
                    count = 3;
                    bytes[3] = HexPair(text + 6);
                    if (bytes[3] >= 0)
                        count = 4;
                }
            }
        }
    }
    if (code) {
        CharCode value = 0;
        for (int i = 0; i < count; i++)
            value = (value << 8) | (CharCode)bytes[i];
        *code = value;
    }
    return count * 2;
}

char* MbStrCopyN(const char* source, char* buffer, int size)
{
    if (!source || !buffer || size <= 0)
        return NULL;
    int pos = 0;
    while (source[pos]) {
        int len = CharLenAt((const unsigned char*)source + pos);
        if (pos + len > size - 1)
            break;
        for (int i = 0; i < len; i++)
            buffer[pos + i] = source[pos + i];
        pos += len;
    }
    buffer[pos] = '\0';
    return buffer;
}
