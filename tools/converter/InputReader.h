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
/* InputReadChar near the block's end: the bytes one at a time through the runtime's joiner. */
int InputReadCharSlow(InputReader* reader, CharCode* code);

/* As FileReadChar: the bytes read (1-4), 0 at the end and -1 on a read error, both with
   code -1. A character that lies whole in the block is joined here, by the same rules,
   without a call per byte. */
static inline int InputReadChar(InputReader* reader, CharCode* code)
{
    if (reader->position + 4 > reader->length || code == NULL)
        return InputReadCharSlow(reader, code);
    const unsigned char* p = reader->bytes + reader->position;
    int count = 1;
    if (MbByteClassTable[p[0]] & kMbLeadByte)
        count = (MbByteClassTable[p[1]] & kMbFourByteDigit) ? 4 : 2;
    CharCode joined = p[0];
    for (int i = 1; i < count; ++i)
        joined = (joined << 8) | p[i];
    reader->position += count;
    *code = joined;
    return count;
}

#ifdef __cplusplus
}
#endif

#endif
