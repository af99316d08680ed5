/* Formatted I/O with the language's Chinese directives ("%整", "%串", "%（换行）"): the
   translator into the C runtime's conversions, the console, text and stream routines built
   on it, and the unformatted console routines. Routines with directives return 0 for a null
   format (or a null text, buffer or stream where they take one); the Raw routines pass the
   format to the C runtime unchanged. */
#ifndef MOYU_RUNTIME_FORMAT_H
#define MOYU_RUNTIME_FORMAT_H

#include <stdarg.h>
#include "runtime/源码/字符.h"
#include "runtime/源码/控制台读写.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Translates a format into the C runtime's conversions; returns the translated length, 0
   (buffer untouched) for a null format or buffer or a size below 2. The last 8 bytes of the
   buffer are a reserve that only the last directive may reach. */
int FmtTranslate(const char* format, char* buffer, int size);

/* Standard output of the system module. */
int ConPrint(const char* format, ...);
int ConPrintRaw(const char* format, ...);
int ConVPrintRaw(const char* format, va_list args);

/* Bounded print: -1 when the output with its NUL does not fit; the buffer always ends with
   a NUL. */
int StrPrintN(char* buffer, int size, const char* format, ...);
int StrVPrintN(char* buffer, int size, const char* format, va_list args);
/* Unbounded print: the caller guarantees the room. */
int StrPrint(char* buffer, const char* format, ...);

int StrScan(const char* text, const char* format, ...);
int StrVScan(const char* text, const char* format, va_list args);
int StrScanRaw(const char* text, const char* format, ...);
int ConScan(const char* format, ...);
int ConScanRaw(const char* format, ...);

#ifdef __cplusplus
}
#endif

#endif
