/* Reading and writing one whole character through a byte source or sink, shared by the
   console, stream and descriptor routines. */
#ifndef MOYU_RUNTIME_CHAR_IO_H
#define MOYU_RUNTIME_CHAR_IO_H

#include "runtime/源码/字符.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The next byte 0-255, or a negative value when there is none. */
typedef int (*ByteReader)(void* context);
/* Writes one byte; non-zero on success. */
typedef int (*ByteWriter)(void* context, int byte);

enum { kCharStopAtNewline = 1 };

/* Joins a character: after a lead byte the next byte, after a four-byte digit in second place
   two more. Returns the bytes read; 0 when the first read gave nothing (*code = -1). A
   missing byte later ends the character with what was joined. With kCharStopAtNewline a
   newline inside a character ends it and the code is 10. */
int ReadJoinedChar(ByteReader read, void* context, int flags, CharCode* code);
/* Writes the code's bytes from its highest non-zero byte down (at least one byte); stops
   after a failed byte; returns the bytes written. */
int WriteCharBytes(ByteWriter write, void* context, CharCode code);

#ifdef __cplusplus
}
#endif

#endif
