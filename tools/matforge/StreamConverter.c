/* The read-convert-write loop. Lines are read whole into a growing buffer, so a long line
   is neither split into pieces nor cut. */
#include "tools/matforge/StreamConverter.h"

#include "runtime/源码/文件.h"
#include "tools/matforge/LineConverter.h"
#include "tools/matforge/TextBuffer.h"

typedef enum LineRead {
    kLineRead,
    kInputEnded,
    kLineHasZeroByte,
    kLineReadFailed,
    kLineTooLong
} LineRead;

/* One line without its line feed; the last line of a file need not end with one. */
static LineRead ReadLine(FILE* input, TextBuffer* line)
{
    TextBufferClear(line);
    for (;;) {
        int byte = FileGetByte(input);
        if (byte == EOF) {
            if (FileHasError(input))
                return kLineReadFailed;
            return line->length > 0 ? kLineRead : kInputEnded;
        }
        if (byte == '\n')
            return kLineRead;
        if (byte == 0)
            return kLineHasZeroByte;
        if (!TextBufferAppendByte(line, byte))
            return kLineTooLong;
    }
}

static ConvertStatus StatusOfRead(LineRead read)
{
    switch (read) {
    case kLineHasZeroByte:
        return kConvertZeroByte;
    case kLineReadFailed:
        return kConvertReadFailed;
    case kLineTooLong:
        return kConvertOutOfMemory;
    default:
        return kConvertDone;
    }
}

static ConvertStatus ConvertLines(FILE* input, FILE* output, TextBuffer* line, TextBuffer* converted,
                                  long* lineNumber)
{
    BlockState state = {kNoBlock, 0};
    for (long number = 1;; number++) {
        if (lineNumber)
            *lineNumber = number;
        LineRead read = ReadLine(input, line);
        if (read == kInputEnded)
            return kConvertDone;
        if (read != kLineRead)
            return StatusOfRead(read);
        /* An empty line has no block yet; give it one so the converter can cut in place. */
        if (!line->text && !TextBufferAppend(line, "", 0))
            return kConvertOutOfMemory;
        TextBufferClear(converted);
        if (!ConvertLine(line->text, &state, converted))
            return kConvertOutOfMemory;
        if (FilePutString(output, TextBufferText(converted)) < 0 || FilePutByte(output, '\n') < 0)
            return kConvertWriteFailed;
    }
}

ConvertStatus ConvertStream(FILE* input, FILE* output, long* lineNumber)
{
    TextBuffer line, converted;
    TextBufferInit(&line);
    TextBufferInit(&converted);
    ConvertStatus status = ConvertLines(input, output, &line, &converted, lineNumber);
    TextBufferFree(&line);
    TextBufferFree(&converted);
    if (status == kConvertDone && FileFlush(output) != 0)
        status = kConvertWriteFailed;
    return status;
}
