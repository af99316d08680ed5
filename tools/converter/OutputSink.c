/* The block-buffered output. */
#include "tools/converter/OutputSink.h"

#include <string.h>
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
    size_t length = strlen(text);
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

void SinkPutChar(OutputSink* sink, CharCode code)
{
    int started = 0;
    for (int shift = 24; shift >= 0; shift -= 8) {
        int byte = (int)((code >> shift) & 0xFF);
        if (!started && byte == 0 && shift > 0)
            continue;
        started = 1;
        SinkPutByte(sink, byte);
    }
}
