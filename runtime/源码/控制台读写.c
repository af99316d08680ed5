/* Unformatted console routines on the system module's standard streams. */
#include "runtime/源码/控制台读写.h"

#include <stdio.h>
#include "runtime/源码/格式化.h"
#include "runtime/源码/格式化内部.h"
#include "runtime/源码/字符读写.h"

enum { kFullPercent = 0xA3A5 };
enum { kNumberTextSize = 32, kDoubleTextSize = 100 };
/* A 32-bit word in binary takes 32 digits and the NUL: a 32-byte buffer would cut one. */
enum { kIntegerPrintSize = 36 };
/* DBL_MAX with seven decimals: sign, 309 digits, point, 7 digits and the NUL. */
enum { kDoublePrintSize = 320 };

static int StreamByteReader(void* stream)
{
    return fgetc((FILE*)stream);
}

static int StreamByteWriter(void* stream, int byte)
{
    return fputc(byte, (FILE*)stream) != EOF;
}

static int IsIntroducer(CharCode code)
{
    return code == '%' || code == kFullPercent;
}

int ConPutByte(int byte)
{
    return fputc(byte, FmtStdOut());
}

int ConPutChar(CharCode code)
{
    return WriteCharBytes(StreamByteWriter, FmtStdOut(), code);
}

int ConPutString(const char* text)
{
    if (text == NULL)
        return 0;
    FILE* out = FmtStdOut();
    const char* p = text;
    while (*p) {
        CharCode code = MbCharAt(p);
        int length = MbCharLen(p);
        if (IsIntroducer(code)) {
            CharCode next = MbCharAt(p + length);
            if (next == MbCharAt("行")) {
                fputc('\n', out);
                p += length + MbCharLen(p + length);
                continue;
            }
            if (IsIntroducer(next)) {
                fputc('%', out);
                p += length + MbCharLen(p + length);
                continue;
            }
        }
        fwrite(p, 1, (size_t)length, out);
        p += length;
    }
    return 0;
}

int ConPutLine(const char* text)
{
    int result = ConPutString(text);
    fputc('\n', FmtStdOut());
    return result;
}

int ConNewLineText(const char* text)
{
    fputc('\n', FmtStdOut());
    return ConPutString(text);
}

int ConPrintLong(long value, int radix)
{
    char text[kIntegerPrintSize];
    return ConPutString(CvtLongToStr(value, text, sizeof text, radix));
}

int ConPrintULong(unsigned long value, int radix)
{
    char text[kIntegerPrintSize];
    return ConPutString(CvtULongToStr(value, text, sizeof text, radix));
}

int ConPrintDouble(double value)
{
    char text[kDoublePrintSize];
    StrPrintN(text, sizeof text, "%.7双", value);
    return ConPutString(text);
}

int ConPrintDoubleDigits(double value, int digits)
{
    char text[kDoubleTextSize];
    return ConPutString(CvtDoubleToStr(value, text, sizeof text, digits));
}

int ConGetByte(void)
{
    return fgetc(FmtStdIn());
}

CharCode ConGetChar(void)
{
    CharCode code;
    ReadJoinedChar(StreamByteReader, FmtStdIn(), kCharStopAtNewline, &code);
    return code;
}

/* Bytes of a joined code from its highest non-zero byte down: a character cut short by the
   end of input has fewer than its size says. */
static int JoinedLength(CharCode code)
{
    return code > 0xFFFFFFu ? 4 : code > 0xFFFFu ? 3 : code > 0xFFu ? 2 : 1;
}

static void PutJoinedBytes(char* buffer, CharCode code, int length)
{
    for (int i = 0; i < length; i++)
        buffer[i] = (char)(code >> (8 * (length - 1 - i)));
}

/* Stores characters while stored + length < limit; a newline ends the line and is kept
   when keepNewline is set. */
static int ReadConsoleLine(char* buffer, int limit, int keepNewline)
{
    int stored = 0;
    for (;;) {
        CharCode code = ConGetChar();
        if (code == (CharCode)-1)
            break;
        if (code == '\n') {
            if (keepNewline)
                buffer[stored++] = '\n';
            break;
        }
        int length = JoinedLength(code);
        if (stored + length >= limit)
            break;
        PutJoinedBytes(buffer + stored, code, length);
        stored += length;
    }
    buffer[stored] = '\0';
    return stored;
}

int ConReadLine(char* buffer, int size)
{
    if (buffer == NULL || size < 2)
        return 0;
    return ReadConsoleLine(buffer, size - 2, 1);
}

int ConReadText(char* buffer, int size)
{
    if (buffer == NULL || size <= 0)
        return 0;
    return ReadConsoleLine(buffer, size - 1, 0);
}

long ConReadInt(void)
{
    char text[kNumberTextSize];
    ConReadText(text, sizeof text);
    return CvtStrToLong(text, 10, NULL);
}

double ConReadDouble(void)
{
    char text[kDoubleTextSize];
    ConReadText(text, sizeof text);
    return CvtStrToDouble(text, NULL);
}
