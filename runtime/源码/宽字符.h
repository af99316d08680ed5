/* ANSI (GBK) text to UTF-16. */
#ifndef MOYU_RUNTIME_WIDE_TEXT_H
#define MOYU_RUNTIME_WIDE_TEXT_H

#include <wchar.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The platform's conversion in the ANSI code page: byteCount -1 includes the NUL; returns
   the UTF-16 units written (or needed when wideCount is 0), 0 on failure or a null text.
   The result ends with a NUL whenever the buffer has room for one; after a failure the
   buffer holds an empty text. */
int StrToWide(const char* text, int byteCount, wchar_t* wide, int wideCount);

#ifdef __cplusplus
}
#endif

#endif
