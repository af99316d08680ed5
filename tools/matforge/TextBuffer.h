/* A NUL-terminated text on the tracked heap that grows as bytes are appended, so a line of
   any length is held whole and no append can run past the block. */
#ifndef MOYU_MATFORGE_TEXT_BUFFER_H
#define MOYU_MATFORGE_TEXT_BUFFER_H

#ifdef __cplusplus
extern "C" {
#endif

typedef struct TextBuffer {
    char* text;   /* null until the first append; else NUL-terminated */
    int length;   /* bytes before the NUL */
    int capacity; /* bytes in the block */
    int failed;   /* an append could not grow the block; sticky until TextBufferClear */
} TextBuffer;

void TextBufferInit(TextBuffer* buffer);
void TextBufferFree(TextBuffer* buffer);
/* Empties the text, keeping the block. */
void TextBufferClear(TextBuffer* buffer);
/* Appends count bytes (count >= 0); 1, or 0 (and the failed flag) when the block cannot
   grow, in which case the text is left as it was. */
int TextBufferAppend(TextBuffer* buffer, const char* bytes, int count);
int TextBufferAppendText(TextBuffer* buffer, const char* text);
int TextBufferAppendByte(TextBuffer* buffer, int byte);
/* The text; an empty text while nothing was appended. */
const char* TextBufferText(const TextBuffer* buffer);

#ifdef __cplusplus
}
#endif

#endif
