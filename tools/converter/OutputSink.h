/* The converter's output: bytes gathered in a block and written to the stream a block at a
   time, since a source is converted in many small pieces. */
#ifndef MOYU_CONVERTER_OUTPUT_SINK_H
#define MOYU_CONVERTER_OUTPUT_SINK_H

#include <stdio.h>
#include "runtime/源码/字符.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { kOutputSinkSize = 64 * 1024 };

typedef struct OutputSink {
    FILE* stream;
    int length;
    char bytes[kOutputSinkSize];
} OutputSink;

void SinkOpen(OutputSink* sink, FILE* stream);
void SinkPutByte(OutputSink* sink, int byte);
void SinkPutText(OutputSink* sink, const char* text);
void SinkPutBytes(OutputSink* sink, const char* bytes, size_t length);
/* The character's bytes, highest non-zero byte first. */
void SinkPutChar(OutputSink* sink, CharCode code);
/* Writes what is gathered; the stream's error state tells whether all writes succeeded. */
void SinkFlush(OutputSink* sink);

#ifdef __cplusplus
}
#endif

#endif
