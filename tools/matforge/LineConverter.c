/* Word-by-word conversion of one line. A line is cut into runs with MbRunLength class 0:
   runs of blanks, full-width blanks and tabs alternate with words. */
#include "tools/matforge/LineConverter.h"

#include <string.h>
#include "runtime/源码/字符串.h"
#include "tools/matforge/WordTables.h"

/* 已定义( : a defined() test written without a blank. */
static const char kDefinedCall[] = "已定义(";
static const char kDefinedWritten[] = "defined";

static void CutAtLineEnd(char* line)
{
    line[strcspn(line, "\r\n")] = '\0';
}

/* Copies a run of blanks at *p, if there is one. */
static void CopyBlanks(const char** p, TextBuffer* out)
{
    int kind = 0;
    int length = MbRunLength(*p, 0, &kind);
    if (length > 0 && kind == 1) {
        TextBufferAppend(out, *p, length);
        *p += length;
    }
}

/* Length of the word at p; 0 at the end of the line. */
static int WordLength(const char* p)
{
    int kind = 1;
    int length = MbRunLength(p, 0, &kind);
    return kind == 0 ? length : 0;
}

static void WriteWord(const ResourceWord* entry, const char* word, int length,
                      BlockState* state, LineFlags* flags, TextBuffer* out)
{
    if (entry) {
        TextBufferAppendText(out, entry->written);
        ApplyWordEffect(entry->effect, state, flags);
    } else {
        TextBufferAppend(out, word, length);
    }
}

static int IsDefinedCall(const char* word, int length)
{
    int prefix = (int)sizeof kDefinedCall - 1;
    return length >= prefix && memcmp(word, kDefinedCall, (size_t)prefix) == 0;
}

static void ConvertSecondWord(const char* word, int length, BlockState* state, LineFlags* flags,
                              TextBuffer* out)
{
    if (IsDefinedCall(word, length)) {
        int parenthesis = (int)sizeof kDefinedCall - 2;
        TextBufferAppendText(out, kDefinedWritten);
        TextBufferAppend(out, word + parenthesis, length - parenthesis);
        return;
    }
    WriteWord(FindSecondWord(word, length, state, flags), word, length, state, flags, out);
}

/* A menu item's later runs: its flag words become CHECKED and GRAYED. */
static void ConvertMenuItemRest(const char* p, TextBuffer* out)
{
    while (*p) {
        int kind = 0;
        int length = MbRunLength(p, 0, &kind);
        const char* flag = kind == 0 ? FindMenuItemFlag(p, length) : NULL;
        if (flag)
            TextBufferAppendText(out, flag);
        else
            TextBufferAppend(out, p, length);
        p += length;
    }
}

int ConvertLine(char* line, BlockState* state, TextBuffer* out)
{
    CutAtLineEnd(line);
    LineFlags flags = {0, 0, 0};
    const char* p = line;

    CopyBlanks(&p, out);
    int length = WordLength(p);
    WriteWord(FindFirstWord(p, length, state, &flags), p, length, state, &flags, out);
    p += length;

    CopyBlanks(&p, out);
    length = WordLength(p);
    if (length > 0)
        ConvertSecondWord(p, length, state, &flags, out);
    p += length;

    CopyBlanks(&p, out);
    length = WordLength(p);
    WriteWord(FindThirdWord(p, length, state, &flags), p, length, state, &flags, out);
    p += length;

    if (flags.menuItem)
        ConvertMenuItemRest(p, out);
    else
        TextBufferAppendText(out, p);
    return !out->failed;
}
