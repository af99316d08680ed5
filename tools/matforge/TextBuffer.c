/* Growing heap text. */
#include "tools/matforge/TextBuffer.h"

#include <limits.h>
#include <string.h>
#include "runtime/源码/内存.h"
#include "runtime/源码/字符串.h"

enum { kFirstCapacity = 1000 };

void TextBufferInit(TextBuffer* buffer)
{
    buffer->text = NULL;
    buffer->length = 0;
    buffer->capacity = 0;
    buffer->failed = 0;
}

void TextBufferFree(TextBuffer* buffer)
{
    if (buffer->text)
        MOYU_FREE(buffer->text);
    TextBufferInit(buffer);
}

void TextBufferClear(TextBuffer* buffer)
{
    buffer->length = 0;
    buffer->failed = 0;
    if (buffer->text)
        buffer->text[0] = '\0';
}

/* Makes room for needed bytes besides the NUL, doubling so appends stay cheap. */
static int Reserve(TextBuffer* buffer, int needed)
{
    if (needed < 0 || needed > INT_MAX - 1)
        return 0;
    if (needed + 1 <= buffer->capacity)
        return 1;
    int capacity = buffer->capacity > 0 ? buffer->capacity : kFirstCapacity;
    while (capacity < needed + 1)
        capacity = capacity > INT_MAX / 2 ? INT_MAX : capacity * 2;
    char* grown = (char*)MOYU_REALLOC(buffer->text, (size_t)capacity);
    if (!grown)
        return 0;
    buffer->text = grown;
    buffer->capacity = capacity;
    return 1;
}

int TextBufferAppend(TextBuffer* buffer, const char* bytes, int count)
{
    if (count < 0 || count > INT_MAX - 1 - buffer->length || !Reserve(buffer, buffer->length + count)) {
        buffer->failed = 1;
        return 0;
    }
    if (count > 0)
        memcpy(buffer->text + buffer->length, bytes, (size_t)count);
    buffer->length += count;
    buffer->text[buffer->length] = '\0';
    return 1;
}

int TextBufferAppendText(TextBuffer* buffer, const char* text)
{
    return TextBufferAppend(buffer, text, StrLen(text));
}

int TextBufferAppendByte(TextBuffer* buffer, int byte)
{
    char value = (char)byte;
    return TextBufferAppend(buffer, &value, 1);
}

const char* TextBufferText(const TextBuffer* buffer)
{
    return buffer->text ? buffer->text : "";
}
