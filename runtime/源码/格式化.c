/* The directive translator and the formatted console and text routines. */
#include "runtime/源码/格式化.h"

#include <stdio.h>
#include <string.h>
#include "runtime/源码/内存.h"
#include "runtime/源码/格式化内部.h"
#include "runtime/源码/系统.h"

/* The translator keeps this many bytes at the end of its buffer for the last directive. */
enum { kFmtReserve = 8 };
/* Flag, width, precision and size of one directive; longer ones are cut, not overrun. */
enum { kFmtDirectiveCapacity = 48 };

typedef struct DirectiveEntry {
    const char* word;
    const char* conversion;
} DirectiveEntry;

static const DirectiveEntry kDirectiveLetters[] = {
    {"整", "d"}, {"自", "u"}, {"六", "x"}, {"陆", "X"}, {"八", "o"},
    {"小", "f"}, {"浮", "f"}, {"双", "lf"}, {"科", "E"}, {"词", "s"},
    {"串", "s"}, {"字", "c"}, {"行", "\n"}, {"格", "\t"}, {"回", "\r"},
};

/* Longer names first, so that 字符串 wins over 字符; 串 and 八 match on their first
   character, every other name on all of its characters. */
static const DirectiveEntry kDirectiveNames[] = {
    {"自然数", "u"}, {"浮点数", "f"}, {"双精度", "lf"}, {"字符串", "s"},
    {"整数", "d"}, {"十六", "x"}, {"拾陆", "X"}, {"小数", "f"}, {"科学", "E"},
    {"词语", "s"}, {"字符", "c"}, {"换行", "\n"}, {"回车", "\r"}, {"跳格", "\t"},
    {"串", "s"}, {"八", "o"},
};

enum { kFullPercent = 0xA3A5, kFullOpenParen = 0xA3A8, kFullCloseParen = 0xA3A9 };

typedef struct TranslateOutput {
    char* buffer;
    int written;
    int softLimit; /* size - reserve: no new directive starts at or past it */
    int hardLimit; /* size - 1: never written, it holds the NUL */
} TranslateOutput;

/* One directive's flag, width, precision and size letters, as the C runtime writes them. */
typedef struct FormatDirective {
    char text[kFmtDirectiveCapacity];
    int length;
} FormatDirective;

static int IsIntroducer(CharCode code)
{
    return code == '%' || code == kFullPercent;
}

static CharCode WordCode(const char* word)
{
    return MbCharAt(word);
}

static void PutOutputByte(TranslateOutput* out, char byte)
{
    if (out->written < out->hardLimit)
        out->buffer[out->written++] = byte;
}

static void PutOutputText(TranslateOutput* out, const char* text)
{
    for (; *text; ++text)
        PutOutputByte(out, *text);
}

/* A whole character under the soft limit, or nothing. */
static void PutOutputChar(TranslateOutput* out, CharCode code)
{
    out->written += MbPutCharAt(out->buffer, out->softLimit, out->written, code);
}

/* The letter that ends a directive may use the reserve, so a directive is never left open. */
static void PutDirectiveEndChar(TranslateOutput* out, CharCode code)
{
    out->written += MbPutCharAt(out->buffer, out->hardLimit, out->written, code);
}

/* Writes a conversion; "lf" gets its "l" only when the size word did not write one. */
static void PutConversion(TranslateOutput* out, const char* conversion)
{
    if (conversion[0] == 'l' && out->written > 0 && out->buffer[out->written - 1] == 'l')
        ++conversion;
    PutOutputText(out, conversion);
}

static int IsBareControl(const char* conversion)
{
    return conversion[0] == '\n' || conversion[0] == '\t' || conversion[0] == '\r';
}

static void DirectiveAdd(FormatDirective* directive, char byte)
{
    if (directive->length < kFmtDirectiveCapacity - 1)
        directive->text[directive->length++] = byte;
    directive->text[directive->length] = '\0';
}

static CharCode HalfWidthAt(const char* p)
{
    return CvtToHalfWidth(MbCharAt(p));
}

static int IsAsciiDigit(CharCode code)
{
    return code >= '0' && code <= '9';
}

/* Reads flag, width, precision and size word (either width, 短 and 长 as h and l). */
static const char* ReadFormatDirective(const char* p, FormatDirective* directive)
{
    CharCode code = HalfWidthAt(p);
    directive->length = 0;
    directive->text[0] = '\0';
    if (code != 0 && code < 128 && strchr("-+0 #*", (int)code) != NULL) {
        DirectiveAdd(directive, (char)code);
        p += MbCharLen(p);
    }
    while (IsAsciiDigit(HalfWidthAt(p))) {
        DirectiveAdd(directive, (char)HalfWidthAt(p));
        p += MbCharLen(p);
    }
    if (HalfWidthAt(p) == '.') {
        DirectiveAdd(directive, '.');
        p += MbCharLen(p);
        while (IsAsciiDigit(HalfWidthAt(p))) {
            DirectiveAdd(directive, (char)HalfWidthAt(p));
            p += MbCharLen(p);
        }
    }
    code = MbCharAt(p);
    if (HalfWidthAt(p) == 'h' || code == WordCode("短")) {
        DirectiveAdd(directive, 'h');
        p += MbCharLen(p);
    } else if (HalfWidthAt(p) == 'l' || code == WordCode("长")) {
        DirectiveAdd(directive, 'l');
        p += MbCharLen(p);
    }
    return p;
}

static const char* FindLetterConversion(CharCode code)
{
    for (size_t i = 0; i < sizeof kDirectiveLetters / sizeof kDirectiveLetters[0]; ++i)
        if (WordCode(kDirectiveLetters[i].word) == code)
            return kDirectiveLetters[i].conversion;
    return NULL;
}

static const char* FindNameConversion(const char* p)
{
    for (size_t i = 0; i < sizeof kDirectiveNames / sizeof kDirectiveNames[0]; ++i) {
        const char* name = kDirectiveNames[i].word;
        if (strncmp(p, name, strlen(name)) == 0)
            return kDirectiveNames[i].conversion;
    }
    return NULL;
}

/* The bracket form "%（-10整数）"; p is past the introducer and the opening bracket. */
static const char* TranslateBracketDirective(const char* p, TranslateOutput* out)
{
    FormatDirective directive;
    p = ReadFormatDirective(p, &directive);
    const char* conversion = FindNameConversion(p);
    if (conversion != NULL && IsBareControl(conversion)) {
        PutOutputByte(out, conversion[0]);
    } else if (conversion != NULL) {
        PutOutputByte(out, '%');
        PutOutputText(out, directive.text);
        PutConversion(out, conversion);
    }
    while (*p) {
        CharCode code = MbCharAt(p);
        p += MbCharLen(p);
        if (code == ')' || code == kFullCloseParen)
            break;
    }
    return p;
}

/* The single-character form "%５整"; p is past the introducer. */
static const char* TranslateLetterDirective(const char* p, TranslateOutput* out)
{
    FormatDirective directive;
    PutOutputByte(out, '%');
    p = ReadFormatDirective(p, &directive);
    PutOutputText(out, directive.text);
    CharCode code = MbCharAt(p);
    if (code == 0)
        return p;
    const char* conversion = FindLetterConversion(code);
    if (conversion != NULL)
        PutConversion(out, conversion);
    else
        PutDirectiveEndChar(out, code);
    return p + MbCharLen(p);
}

int FmtTranslate(const char* format, char* buffer, int size)
{
    if (format == NULL || buffer == NULL || size < 2)
        return 0;
    TranslateOutput out = {buffer, 0, size - kFmtReserve, size - 1};
    const char* p = format;
    while (*p && out.written < out.softLimit) {
        CharCode code = MbCharAt(p);
        if (!IsIntroducer(code)) {
            PutOutputChar(&out, code);
            p += MbCharLen(p);
            continue;
        }
        p += MbCharLen(p);
        CharCode next = MbCharAt(p);
        if (next == 0) {
            PutOutputByte(&out, '%');
            break;
        }
        if (IsIntroducer(next)) {
            PutOutputText(&out, "%%");
            p += MbCharLen(p);
        } else if (next == WordCode("行") || next == WordCode("格") || next == WordCode("回")) {
            PutOutputByte(&out, FindLetterConversion(next)[0]);
            p += MbCharLen(p);
        } else if (next == '(' || next == kFullOpenParen) {
            p = TranslateBracketDirective(p + MbCharLen(p), &out);
        } else {
            p = TranslateLetterDirective(p, &out);
        }
    }
    buffer[out.written] = '\0';
    return out.written;
}

const char* FmtTranslateScratch(const char* format, char* own, int ownSize, const char* source,
                                int line)
{
    /* The translation is never longer than the format; the reserve comes on top. */
    size_t needed = strlen(format) + 1 + kFmtReserve;
    size_t size = 0;
    char* buffer = (char*)MemTempAlloc(own, (size_t)ownSize, needed, &size, source, line);
    FmtTranslate(format, buffer, (int)size);
    return buffer;
}

void FmtReleaseScratch(char* own, const char* translated, const char* source, int line)
{
    MemTempFree(own, (void*)translated, source, line);
}

int FmtTranslatedStreamCall(FmtStreamRoutine routine, FILE* stream, const char* format,
                            va_list args, const char* source, int allocLine, int freeLine)
{
    char own[kFmtOwnBufferSize];
    const char* translated = FmtTranslateScratch(format, own, sizeof own, source, allocLine);
    int result = routine(stream, translated, args);
    FmtReleaseScratch(own, translated, source, freeLine);
    return result;
}

FILE* FmtStdOut(void)
{
    return SysStdOut != NULL ? SysStdOut : stdout;
}

FILE* FmtStdIn(void)
{
    return SysStdIn != NULL ? SysStdIn : stdin;
}

int ConPrint(const char* format, ...)
{
    if (format == NULL)
        return 0;
    va_list args;
    va_start(args, format);
    int result =
        FmtTranslatedStreamCall(vfprintf, FmtStdOut(), format, args, kSourceFormatModule, 270, 277);
    va_end(args);
    return result;
}

int ConPrintRaw(const char* format, ...)
{
    if (format == NULL)
        return 0;
    va_list args;
    va_start(args, format);
    int result = vfprintf(FmtStdOut(), format, args);
    va_end(args);
    return result;
}

/* Checked as well: the C runtime crashes on a null format. */
int ConVPrintRaw(const char* format, va_list args)
{
    if (format == NULL)
        return 0;
    return vfprintf(FmtStdOut(), format, args);
}

/* The C runtime's bounded print leaves no NUL when the output fills the buffer exactly or
   is cut; both count as not fitting. */
static int BoundedPrint(char* buffer, int size, const char* format, va_list args)
{
    if (size <= 0)
        return -1;
    int result = _vsnprintf(buffer, (size_t)size, format, args);
    if (result < 0 || result >= size) {
        buffer[size - 1] = '\0';
        return -1;
    }
    return result;
}

static int TranslatedBoundedPrint(char* buffer, int size, const char* format, va_list args,
                                  int allocLine, int freeLine)
{
    char own[kFmtOwnBufferSize];
    const char* translated =
        FmtTranslateScratch(format, own, sizeof own, kSourceFormatModule, allocLine);
    int result = BoundedPrint(buffer, size, translated, args);
    FmtReleaseScratch(own, translated, kSourceFormatModule, freeLine);
    return result;
}

int StrPrintN(char* buffer, int size, const char* format, ...)
{
    if (buffer == NULL || format == NULL)
        return 0;
    va_list args;
    va_start(args, format);
    int result = TranslatedBoundedPrint(buffer, size, format, args, 318, 325);
    va_end(args);
    return result;
}

int StrVPrintN(char* buffer, int size, const char* format, va_list args)
{
    if (buffer == NULL || format == NULL)
        return 0;
    return TranslatedBoundedPrint(buffer, size, format, args, 360, 365);
}

int StrPrint(char* buffer, const char* format, ...)
{
    if (buffer == NULL || format == NULL)
        return 0;
    char own[kFmtOwnBufferSize];
    const char* translated = FmtTranslateScratch(format, own, sizeof own, kSourceFormatModule, 340);
    va_list args;
    va_start(args, format);
    int result = vsprintf(buffer, translated, args);
    va_end(args);
    FmtReleaseScratch(own, translated, kSourceFormatModule, 347);
    return result;
}

static int TranslatedTextScan(const char* text, const char* format, va_list args, int allocLine,
                              int freeLine)
{
    char own[kFmtOwnBufferSize];
    const char* translated =
        FmtTranslateScratch(format, own, sizeof own, kSourceFormatModule, allocLine);
    int result = vsscanf(text, translated, args);
    FmtReleaseScratch(own, translated, kSourceFormatModule, freeLine);
    return result;
}

int StrScan(const char* text, const char* format, ...)
{
    if (text == NULL || format == NULL)
        return 0;
    va_list args;
    va_start(args, format);
    int result = TranslatedTextScan(text, format, args, 429, 440);
    va_end(args);
    return result;
}

int StrVScan(const char* text, const char* format, va_list args)
{
    if (text == NULL || format == NULL)
        return 0;
    return TranslatedTextScan(text, format, args, 480, 489);
}

int StrScanRaw(const char* text, const char* format, ...)
{
    if (text == NULL || format == NULL)
        return 0;
    va_list args;
    va_start(args, format);
    int result = vsscanf(text, format, args);
    va_end(args);
    return result;
}

int ConScan(const char* format, ...)
{
    if (format == NULL)
        return 0;
    va_list args;
    va_start(args, format);
    int result =
        FmtTranslatedStreamCall(vfscanf, FmtStdIn(), format, args, kSourceFormatModule, 506, 513);
    va_end(args);
    return result;
}

int ConScanRaw(const char* format, ...)
{
    if (format == NULL)
        return 0;
    va_list args;
    va_start(args, format);
    int result = vfscanf(FmtStdIn(), format, args);
    va_end(args);
    return result;
}
