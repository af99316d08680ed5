/* Keyboard input of the text console: one character, an edited line with history, and
   formatted input over that line. */
#include "runtime/源码/文本控制台.h"
#include "runtime/源码/显示输入.h"
#include "runtime/源码/显示.h"
#include "runtime/源码/链表.h"
#include "runtime/源码/内存.h"
#include "runtime/源码/字符串.h"
#include "runtime/源码/系统.h"
#include "runtime/源码/格式化.h"
#include "runtime/源码/控制台读写.h"

#include <stdarg.h>
#include <string.h>

enum { kLineBlankText = 420, kLineFreeBlankText = 421, kMaxCharBytes = 4, kKeyBackspace = 8 };

/* Entered lines, oldest first; null while there is no history. */
static KeyedList* g_history;

void GfxSetInputHistory(KindWord word)
{
    if (word == 开 || word == 1) {
        if (!g_history)
            g_history = ListNew(0);
        return;
    }
    if (g_history) {
        ListFreeData(g_history);
        g_history = ListFree(g_history);
    }
}

/* Key codes that are not characters (function keys, numeric pad) and are never echoed. */
static int IsKeyCode(int key)
{
    return key > 0xFF && key < 0x8140;
}

/* Joins the bytes of one character from keys that are already waiting; pushes back what
   belongs to the next character. */
static CharCode CollectCharacter(int first)
{
    if (IsKeyCode(first))
        return (CharCode)first;
    char bytes[kMaxCharBytes + 1] = { (char)first };
    int count = 1;
    while (count < kMaxCharBytes && SysKeyPressed() == 1) {
        int key = SysGetKey();
        if (key > 0xFF || key == 0) {
            SysUngetKey(key);
            break;
        }
        bytes[count++] = (char)key;
    }
    bytes[count] = '\0';
    CharCode code = MbCharAt(bytes);
    int length = MbCharLen(bytes);
    if (length < 1)
        length = 1;
    for (int i = count - 1; i >= length; i--)
        SysUngetKey((unsigned char)bytes[i]);
    return code;
}

static void EchoCharacter(CharCode code, int echo)
{
    if (echo == 0)
        return;
    if (echo == 2) {
        GfxPutString(MbCharHexText(code), -1);
    } else if (echo == 3) {
        ConPutLine(MbCharHexText(code));
    } else if (code == '\r') {
        GfxPutChar('\n');
    } else if (!ChIsControl(code) && !IsKeyCode((int)code)) {
        GfxPutChar(code);
    }
}

CharCode GfxInputChar(int echo)
{
    GfxShowTextCursor();
    int key = SysGetKey();
    if (key == 0) {
        GfxHideTextCursor();
        return 0;
    }
    CharCode code = CollectCharacter(key);
    EchoCharacter(code, echo);
    if (code == '\r')
        code = '\n';
    GfxHideTextCursor();
    return code;
}

/* The line being edited: its start on the display, its length and caret in bytes. */
typedef struct LineEditor {
    char* buffer;
    int size;
    int length;
    int caret;
    int startX, startY;
    char* blank;             /* size spaces, made when first needed */
    KeyedListNode* history;  /* null: before the newest line */
} LineEditor;

static const char* BlankText(LineEditor* editor)
{
    if (!editor->blank) {
        editor->blank = (char*)MemAlloc((size_t)editor->size + 1, kSourceGraphicsModule,
                                        kLineBlankText);
        if (editor->blank) {
            memset(editor->blank, ' ', (size_t)editor->size);
            editor->blank[editor->size] = '\0';
        }
    }
    return editor->blank;
}

/* Prints text from the start of the line; a scroll moves the start up with the text. */
static void Redraw(LineEditor* editor, const char* text, int length)
{
    GfxSetCursorPos(editor->startX, editor->startY, 0);
    int scrolls = GfxPutString(text, length);
    if (scrolls > 0) {
        editor->startY -= scrolls * kConsoleLineHeight;
        if (editor->startY < VdConsoleScrollTop())
            editor->startY = VdConsoleScrollTop();
    }
}

static void PlaceCaret(LineEditor* editor)
{
    GfxSetCursorPos(editor->startX, editor->startY, 0);
    GfxAdvanceString(editor->buffer, editor->caret);
}

static int Finish(LineEditor* editor, int result)
{
    editor->buffer[editor->length] = '\0';
    if (editor->blank)
        MemFree(editor->blank, kSourceGraphicsModule, kLineFreeBlankText);
    return result;
}

static void Backspace(LineEditor* editor)
{
    if (editor->caret <= 0)
        return;
    const char* blank = BlankText(editor);
    if (!blank)
        return;
    Redraw(editor, blank, editor->length);
    int start = MbLastCharPos(editor->buffer, editor->caret);
    int removed = editor->caret - start;
    memmove(editor->buffer + start, editor->buffer + editor->caret,
            (size_t)(editor->length - editor->caret));
    memset(editor->buffer + editor->length - removed, ' ', (size_t)removed);
    editor->length -= removed;
    editor->caret = start;
    editor->buffer[editor->length] = '\0';
    if (editor->length > 0)
        Redraw(editor, editor->buffer, editor->length);
    /* An emptied line needs the cursor back at its start too. */
    if (editor->caret != editor->length || editor->length == 0)
        PlaceCaret(editor);
}

static void MoveLeft(LineEditor* editor)
{
    if (editor->caret <= 0)
        return;
    editor->caret = MbLastCharPos(editor->buffer, editor->caret);
    PlaceCaret(editor);
}

static void MoveRight(LineEditor* editor)
{
    if (editor->caret >= editor->length)
        return;
    int step = MbCharLen(editor->buffer + editor->caret);
    if (step < 1)
        step = 1;
    editor->caret += step;
    if (editor->caret > editor->length)
        editor->caret = editor->length;
    PlaceCaret(editor);
}

/* Up gives the newest line first, Down the oldest; past either end comes one empty line,
   then the steps wrap. */
static void RecallHistory(LineEditor* editor, int up)
{
    if (!g_history || !ListNext(g_history, NULL))
        return;
    const char* blank = BlankText(editor);
    if (!blank)
        return;
    if (editor->length > 0)
        Redraw(editor, blank, editor->length);
    editor->history = up ? ListPrev(g_history, editor->history)
                         : ListNext(g_history, editor->history);
    const char* text = editor->history ? (const char*)ListNodeData(editor->history, NULL) : "";
    MbStrCopyN(text ? text : "", editor->buffer, editor->size);
    editor->length = editor->caret = (int)strlen(editor->buffer);
    Redraw(editor, editor->buffer, editor->length);
    if (editor->length == 0)
        PlaceCaret(editor);
}

static void InsertCharacter(LineEditor* editor, CharCode code)
{
    char bytes[kMaxCharBytes + 1];
    int count = MbCharToBytes(code, bytes, sizeof bytes);
    if (count <= 0 || editor->length + count > editor->size - 1)
        return;
    memmove(editor->buffer + editor->caret + count, editor->buffer + editor->caret,
            (size_t)(editor->length - editor->caret));
    memcpy(editor->buffer + editor->caret, bytes, (size_t)count);
    editor->caret += count;
    editor->length += count;
    editor->buffer[editor->length] = '\0';
    Redraw(editor, editor->buffer, editor->length);
    if (editor->caret != editor->length)
        PlaceCaret(editor);
}

static int EndLine(LineEditor* editor, CharCode key, int echo)
{
    if (editor->length > 0 && g_history)
        ListAdd(g_history, StrDup(editor->buffer, 0, 0), 0);
    if (echo) {
        editor->buffer[editor->length++] = (char)key;
        Redraw(editor, editor->buffer, editor->length);
    }
    return Finish(editor, editor->length);
}

int GfxInputLine(char* buffer, int size, int echo)
{
    if (!buffer || size < 5)
        return 0;
    LineEditor editor = { buffer, size, 0, 0, 0, 0, NULL, NULL };
    GfxGetCursorPos(&editor.startX, &editor.startY, 0);
    buffer[0] = '\0';
    while (editor.length < size - 4) {
        CharCode key = GfxInputChar(0);
        if (key == 0)
            return Finish(&editor, -1);
        if (key == kKeyBackspace)
            Backspace(&editor);
        else if (key == kKeyArrowLeft)
            MoveLeft(&editor);
        else if (key == kKeyArrowRight)
            MoveRight(&editor);
        else if (key == kKeyArrowUp || key == kKeyArrowDown)
            RecallHistory(&editor, key == kKeyArrowUp);
        else if (key == '\r' || key == '\n')
            return EndLine(&editor, key, echo);
        else if ((key & 0xFF) >= 0x20)
            InsertCharacter(&editor, key);
    }
    return Finish(&editor, editor.length);
}

int GfxScanf(const char* format, ...)
{
    if (!format)
        return 0;
    char line[kConsoleScanBufferSize];
    if (GfxInputLine(line, sizeof line, 1) == -1)
        return -1;
    va_list args;
    va_start(args, format);
    int result = StrVScan(line, format, args);
    va_end(args);
    return result;
}
