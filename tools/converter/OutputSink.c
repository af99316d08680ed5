/* The block-buffered output. */
#include "tools/converter/OutputSink.h"

#include <string.h>
#include "runtime/源码/字符读写.h"
#include "runtime/源码/文件.h"

void SinkOpen(OutputSink* sink, FILE* stream)
{
    sink->stream = stream;
    sink->length = 0;
}

void SinkFlush(OutputSink* sink)
{
    if (sink->length > 0)
        FileWrite(sink->stream, sink->bytes, 1, sink->length);
    sink->length = 0;
}

void SinkPutByte(OutputSink* sink, int byte)
{
    if (sink->length >= kOutputSinkSize)
        SinkFlush(sink);
    sink->bytes[sink->length++] = (char)byte;
}

void SinkPutText(OutputSink* sink, const char* text)
{
    /* Most texts are a few bytes: copied as they are measured. */
    for (; *text != '\0'; ++text) {
        if (sink->length >= kOutputSinkSize)
            SinkFlush(sink);
        sink->bytes[sink->length++] = *text;
    }
}

void SinkPutBytes(OutputSink* sink, const char* text, size_t length)
{
    while (length > 0) {
        if (sink->length >= kOutputSinkSize)
            SinkFlush(sink);
        size_t room = (size_t)(kOutputSinkSize - sink->length);
        size_t part = length < room ? length : room;
        memcpy(sink->bytes + sink->length, text, part);
        sink->length += (int)part;
        text += part;
        length -= part;
    }
}

/* The sink as the runtime's byte writer: a put byte never fails, it is flushed later. */
static int PutByteOf(void* sink, int byte)
{
    SinkPutByte((OutputSink*)sink, byte);
    return 1;
}

void SinkPutChar(OutputSink* sink, CharCode code)
{
    WriteCharBytes(PutByteOf, sink, code);
}
