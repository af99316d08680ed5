/* Unformatted console input and output on the system module's standard streams: bytes,
   whole characters, lines and numbers. */
#ifndef MOYU_RUNTIME_CONSOLE_IO_H
#define MOYU_RUNTIME_CONSOLE_IO_H

#include "runtime/源码/字符.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The byte written, or -1. */
int ConPutByte(int byte);
/* Writes the code's bytes from its highest non-zero byte down; returns the bytes written. */
int ConPutChar(CharCode code);
/* "%行" (either percent sign) becomes a newline and "%%" in any width mix one "%"; 0. */
int ConPutString(const char* text);
int ConPutLine(const char* text);
int ConNewLineText(const char* text);
int ConPrintLong(long value, int radix);
int ConPrintULong(unsigned long value, int radix);
int ConPrintDouble(double value);
int ConPrintDoubleDigits(double value, int digits);

/* The next byte, or -1 at the end of input. */
int ConGetByte(void);
/* The next character; (CharCode)-1 at the end of input; a newline met inside a character
   returns 10. */
CharCode ConGetChar(void);
/* Reads one line, its newline kept, while the text stays below size - 2 bytes; a character
   that does not fit ends the line and is dropped. Returns the bytes stored; 0 for size < 2. */
int ConReadLine(char* buffer, int size);
/* As ConReadLine with the limit size - 1 and without the newline; 0 for size <= 0. */
int ConReadText(char* buffer, int size);
long ConReadInt(void);
double ConReadDouble(void);

#ifdef __cplusplus
}
#endif

#endif
