/* Block-buffered character input. */
#include "tools/converter/InputReader.h"

#include "runtime/源码/字符读写.h"
#include "runtime/源码/文件.h"

void InputReaderOpen(InputReader* reader, FILE* stream)
{
    reader->stream = stream;
    reader->position = reader->length = 0;
    reader->failed = 0;
}

static int NextByte(void* context)
{
    InputReader* reader = (InputReader*)context;
    if (reader->position >= reader->length) {
        reader->position = 0;
        reader->length = reader->stream != NULL
            ? FileRead(reader->stream, reader->bytes, 1, kInputBlockSize) : 0;
        if (reader->length <= 0) {
            reader->length = 0;
            if (FileHasError(reader->stream))
                reader->failed = 1;
            return -1;
        }
    }
    return reader->bytes[reader->position++];
}

int InputReadCharSlow(InputReader* reader, CharCode* code)
{
    CharCode joined = (CharCode)-1;
    int count = ReadJoinedChar(NextByte, reader, 0, &joined);
    if (count == 0 && reader->failed)
        count = -1;
    if (code != NULL)
        *code = joined;
    return count;
}
