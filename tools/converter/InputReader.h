/* Whole characters from a stream, read a block at a time and joined by the runtime
   library's rules (FileReadChar's), since a source is read a character at a time and a
   stream call per byte would dominate the conversion. */
#ifndef MOYU_CONVERTER_INPUT_READER_H
#define MOYU_CONVERTER_INPUT_READER_H

#include <stdio.h>
#include "runtime/源码/字符.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { kInputBlockSize = 64 * 1024 };

typedef struct InputReader {
    FILE* stream;
    int position;
    int length;
    int failed;
    unsigned char bytes[kInputBlockSize];
} InputReader;

/* Starts reading the stream from its current position. */
void InputReaderOpen(InputReader* reader, FILE* stream);
/* As FileReadChar: the bytes read (1-4), 0 at the end and -1 on a read error, both with
   code -1. */
int InputReadChar(InputReader* reader, CharCode* code);

#ifdef __cplusplus
}
#endif

#endif
