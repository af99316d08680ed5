/* Character and string literals. */
#include "tools/converter/Literals.h"

#include <string.h>
#include "runtime/源码/文件.h"
#include "runtime/源码/字符串.h"
#include "tools/converter/Lexer.h"

enum {
    kFullBackslash = 0xA3DC,
    kEscapeBytes = 8,      /* an escape collects at most this many bytes */
    kCharValueBytes = 4    /* a character literal's value holds at most four bytes */
};

static int IsBackslash(CharCode code)
{
    return code == '\\' || code == kFullBackslash;
}

static void WriteByte(OutputSink* out, int byte)
{
    SinkPutByte(out, byte);
}

static void WriteText(OutputSink* out, const char* text)
{
    SinkPutText(out, text);
}

static int HexValue(CharCode code)
{
    return ChIsHexDigit(code, 0, 0) ? CvtHexDigitValue(code) : -1;
}

int ParseEscape(const char* text, CharCode* code)
{
    if (text == NULL)
        return 0;
    int length = 0;
    CharCode first = MbCharAtLen(text, &length);
    if (!IsBackslash(first))
        return 0;
    const char* p = text + length;
    CharCode value = '\\';
    if (*p != '\0') {
        int charLength = 0;
        CharCode next = CvtToHalfWidth(MbCharAtLen(p, &charLength));
        p += charLength;
        static const char kLetters[] = "abfnrtv";
        static const unsigned char kValues[] = { 7, 8, 12, 10, 13, 9, 11 };
        const char* letter = next < 0x80 && next != 0 ? strchr(kLetters, (int)next) : NULL;
        if (next == 'x') {
            value = 'x';
            int digits = 0;
            CharCode hex = 0;
            while (digits < 2 && *p) {
                int digitLength = 0;
                int digit = HexValue(MbCharAtLen(p, &digitLength));
                if (digit < 0)
                    break;
                hex = hex * 16 + (CharCode)digit;
                p += digitLength;
                ++digits;
            }
            if (digits > 0)
                value = hex;
        } else if (letter != NULL) {
            value = kValues[letter - kLetters];
        } else if (next >= '0' && next <= '7') {
            value = next - '0';
            for (int digits = 1; digits < 3 && *p; ++digits) {
                int digitLength = 0;
                CharCode digit = CvtToHalfWidth(MbCharAtLen(p, &digitLength));
                if (digit < '0' || digit > '7')
                    break;
                value = value * 8 + (digit - '0');
                p += digitLength;
            }
        } else {
            value = next;
        }
    }
    if (code)
        *code = value;
    return (int)(p - text);
}

int EscapeToCText(CharCode code, char* out, int size)
{
    if (out == NULL || size < 3)
        return -1;
    static const struct { CharCode code; const char* text; } kEscapes[] = {
        {7, "\\a"}, {8, "\\b"}, {9, "\\t"}, {10, "\\n"}, {11, "\\v"}, {12, "\\f"}, {13, "\\r"},
        {34, "\\\""}, {39, "\\'"}, {63, "\\?"}, {92, "\\\\"},
    };
    for (size_t i = 0; i < sizeof kEscapes / sizeof kEscapes[0]; ++i) {
        if (kEscapes[i].code == code) {
            StrCopyN(kEscapes[i].text, out, size);
            return StrLen(out);
        }
    }
    out[0] = '\0';
    return 0;
}

/* An escape being collected: the backslash and what follows it, whole characters. */
typedef struct Escape {
    char text[kEscapeBytes + 5];
    int length;
    int hasDoubleByte;
} Escape;

static int EscapeAppend(Escape* escape, CharCode code)
{
    if (escape->length + MbCharSize(code) > kEscapeBytes)
        return 0;
    escape->length += MbPutCharRaw(escape->text + escape->length, code);
    escape->text[escape->length] = '\0';
    if (MbCharSize(code) > 1)
        escape->hasDoubleByte = 1;
    return 1;
}

/* The characters read while a quote is tried as a character literal, to be given back to
   the lexer when it opens none. */
static struct {
    int active;
    int count;
    CharCode chars[kLexUnreadSize];
} g_tried;

/* Reads one character, or (CharCode)-1 at the end or on an error. */
static CharCode ReadChar(FILE* in)
{
    CharCode code = (CharCode)-1;
    if (LexReadChar(in, &code) < 0)
        return (CharCode)-1;
    if (g_tried.active && g_tried.count < kLexUnreadSize)
        g_tried.chars[g_tried.count++] = code;
    return code;
}

/* What stopped the collection of an escape. */
typedef enum EscapeStop { kStopFull, kStopClosing, kStopLineFeed, kStopEnd, kStopBackslash } EscapeStop;

/* Collects after a backslash: the character right after it always belongs to the escape
   (so \' and \\ are escapes); then characters up to the closing character, a line feed, a
   further backslash or the byte limit. An escaped closing character is taken as the C
   quote it stands for. */
static EscapeStop CollectEscape(FILE* in, CharCode closing, CharCode closingInC, Escape* escape)
{
    escape->text[0] = '\\';
    escape->text[1] = '\0';
    escape->length = 1;
    escape->hasDoubleByte = 0;
    CharCode c = ReadChar(in);
    if (c == (CharCode)-1)
        return kStopEnd;
    if (c == '\n')
        return kStopLineFeed;
    EscapeAppend(escape, c == closing ? closingInC : c);
    for (;;) {
        if (escape->length >= kEscapeBytes)
            return kStopFull;
        c = ReadChar(in);
        if (c == (CharCode)-1)
            return kStopEnd;
        if (c == '\n')
            return kStopLineFeed;
        if (IsBackslash(c))
            return kStopBackslash;
        if (c == closing)
            return kStopClosing;
        if (!EscapeAppend(escape, c)) {
            /* Would overrun the limit: it is an ordinary character after the escape. */
            escape->text[escape->length] = '\0';
            char rest[5] = {0};
            MbPutCharRaw(rest, c);
            memcpy(escape->text + escape->length, rest, strlen(rest) + 1);
            escape->length += (int)strlen(rest);
            return kStopFull;
        }
    }
}

/* The character to go on with after an escape: the one that stopped it, which the
   collection has already read, or a fresh one when the escape filled up. */
static CharCode CharAfterEscape(FILE* in, EscapeStop stop, CharCode closing)
{
    switch (stop) {
    case kStopClosing: return closing;
    case kStopLineFeed: return '\n';
    case kStopEnd: return (CharCode)-1;
    case kStopBackslash: return '\\';
    case kStopFull: break;
    }
    return ReadChar(in);
}

static void WriteCharValue(OutputSink* out, unsigned long value)
{
    char text[16];
    if (EscapeToCText((CharCode)value, text, sizeof text) > 0) {
        WriteByte(out, '\'');
        WriteText(out, text);
        WriteByte(out, '\'');
    } else if (value <= 9) {
        WriteByte(out, (int)('0' + value));
    } else if (value >= 32 && value <= 126) {
        WriteByte(out, '\'');
        WriteByte(out, (int)value);
        WriteByte(out, '\'');
    } else {
        WriteText(out, "0x");
        char digits[9];
        int n = 0;
        do {
            digits[n++] = (char)CvtHexDigitChar((int)(value & 0xF));
            value >>= 4;
        } while (value != 0 && n < 8);
        /* Whole bytes, as the character's hex code is written. */
        if (n % 2)
            digits[n++] = '0';
        while (n > 0)
            WriteByte(out, digits[--n]);
    }
}

/* A character literal's value as it is read: its first four bytes, and how many bytes
   its characters and escapes give in all. */
typedef struct CharValue {
    unsigned long value;
    int bytes;
} CharValue;

static void AddToValue(CharValue* literal, CharCode code)
{
    char raw[4];
    int length = MbPutCharRaw(raw, code);
    for (int i = 0; i < length; ++i, ++literal->bytes) {
        if (literal->bytes < kCharValueBytes)
            literal->value = (literal->value << 8) | (unsigned char)raw[i];
    }
}

/* The characters of an escape's text after the escape itself, added as ordinary ones. */
static void AddEscape(const Escape* escape, CharValue* literal)
{
    CharCode code = 0;
    int used = ParseEscape(escape->text, &code);
    AddToValue(literal, code);
    const char* p = escape->text + used;
    while (*p) {
        int length = 0;
        CharCode rest = MbCharAtLen(p, &length);
        AddToValue(literal, rest);
        p += length;
    }
}

/* Reads a literal's characters up to its closing character, a line feed or the end of
   input; stops early once the value has more bytes than a literal holds. */
static QuoteEnd ReadCharValue(FILE* in, CharCode closing, CharValue* literal)
{
    CharCode c = ReadChar(in);
    for (;;) {
        if (literal->bytes > kCharValueBytes)
            return kQuoteNotALiteral;
        if (c == (CharCode)-1)
            return kQuoteInputEnd;
        if (c == '\n')
            return kQuoteLineFeed;
        if (c == closing)
            return kQuoteClosed;
        if (!IsBackslash(c)) {
            AddToValue(literal, c);
            c = ReadChar(in);
            continue;
        }
        Escape escape;
        EscapeStop stop = CollectEscape(in, closing, '\'', &escape);
        AddEscape(&escape, literal);
        c = CharAfterEscape(in, stop, closing);
    }
}

/* Writes an escape with a double-byte character in a form C understands. */
static void WriteDoubleByteEscape(OutputSink* out, const Escape* escape)
{
    CharCode code = 0;
    int used = ParseEscape(escape->text, &code);
    char text[16];
    if (EscapeToCText(code, text, sizeof text) > 0) {
        WriteText(out, text);
    } else if (code >= 32 && code <= 126) {
        WriteByte(out, (int)code);
    } else if (code >= 256) {
        SinkPutChar(out, code);
    } else {
        WriteText(out, "\\x");
        WriteText(out, MbCharHexText(code));
    }
    WriteText(out, escape->text + used);
}

/* The rest of a quoted text as C text between quotes of quoteInC, the closing one
   included. */
static QuoteEnd ConvertQuotedText(FILE* in, OutputSink* out, CharCode closing, char quoteInC)
{
    CharCode c = ReadChar(in);
    for (;;) {
        if (c == (CharCode)-1)
            return kQuoteInputEnd;
        if (c == '\n') {
            WriteByte(out, '\n');
            return kQuoteLineFeed;
        }
        if (c == closing) {
            WriteByte(out, quoteInC);
            return kQuoteClosed;
        }
        if (!IsBackslash(c)) {
            /* Between full-width quotes a plain C quote is text; C would end the text there. */
            if (c == (CharCode)quoteInC && closing != (CharCode)quoteInC) {
                WriteByte(out, '\\');
                WriteByte(out, quoteInC);
            } else {
                SinkPutChar(out, c);
            }
            c = ReadChar(in);
            continue;
        }
        Escape escape;
        EscapeStop stop = CollectEscape(in, closing, (CharCode)quoteInC, &escape);
        if (escape.hasDoubleByte)
            WriteDoubleByteEscape(out, &escape);
        else
            WriteText(out, escape.text);
        c = CharAfterEscape(in, stop, closing);
    }
}

QuoteEnd ConvertStringLiteral(FILE* in, OutputSink* out, CharCode closing)
{
    return ConvertQuotedText(in, out, closing, '"');
}

QuoteEnd ConvertCharLiteral(FILE* in, OutputSink* out, CharCode closing, int prefixed)
{
    CharValue literal = { 0, 0 };
    g_tried.active = 1;
    g_tried.count = 0;
    QuoteEnd end = ReadCharValue(in, closing, &literal);
    g_tried.active = 0;
    if (end != kQuoteClosed || literal.bytes > kCharValueBytes) {
        LexUnreadChars(g_tried.chars, g_tried.count);
        return kQuoteNotALiteral;
    }
    /* A wide or Unicode literal's value is the compiler's to work out; a value that C reads
       as negative (one byte above 0x7F in a signed char, four bytes with the sign bit in an
       int) would change as a hex number. Both stay literals, in C's quotes and escapes. */
    int negativeInC = (literal.bytes == 1 && literal.value > 0x7F)
        || (literal.bytes == 4 && literal.value > 0x7FFFFFFFul);
    if (prefixed || negativeInC) {
        LexUnreadChars(g_tried.chars, g_tried.count);
        WriteByte(out, '\'');
        return ConvertQuotedText(in, out, closing, '\'');
    }
    WriteCharValue(out, literal.value);
    return kQuoteClosed;
}

QuoteEnd CopyQuoted(FILE* in, OutputSink* out, CharCode closing)
{
    for (;;) {
        CharCode c = ReadChar(in);
        if (c == (CharCode)-1)
            return kQuoteInputEnd;
        SinkPutChar(out, c);
        if (c == '\n')
            return kQuoteLineFeed;
        if (c == closing)
            return kQuoteClosed;
        if (IsBackslash(c)) {
            CharCode escaped = ReadChar(in);
            if (escaped == (CharCode)-1)
                return kQuoteInputEnd;
            SinkPutChar(out, escaped);
            if (escaped == '\n')
                return kQuoteLineFeed;
        }
    }
}
