/* The text console on the display: cursor, printing with wrap and scroll, and the cursor
   mark. Line input lives in 文本输入.c. */
#include "runtime/源码/文本控制台.h"
#include "runtime/源码/显示.h"
#include "runtime/源码/格式化.h"

#include <stdarg.h>
#include <string.h>

static int g_consoleWidth;
static int g_consoleHeight;
static int g_cursorX;
static int g_cursorY;
static int g_scrollTop;
static ConsoleFont g_consoleFont;

/* The DC that console drawing goes to, null while the display is closed. */
static HDC DrawingDC(void)
{
    DisplayState* display = VdState();
    if (!display || !display->open || !display->currentDC)
        return NULL;
    return display->currentDC;
}

static HDC CanvasDC(void)
{
    DisplayState* display = VdState();
    if (!display || !display->open || !display->memoryDC)
        return NULL;
    return display->memoryDC;
}

void VdResetConsole(int width, int height)
{
    g_consoleWidth = width;
    g_consoleHeight = height;
    g_cursorX = 0;
    g_cursorY = 0;
    memset(&g_consoleFont, 0, sizeof g_consoleFont);
    HDC dc = DrawingDC();
    if (dc) {
        HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
        if (font)
            GetObjectA(font, sizeof g_consoleFont, &g_consoleFont);
    }
    strncpy(g_consoleFont.lfFaceName, "新宋体", LF_FACESIZE - 1);
    g_consoleFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    g_consoleFont.lfHeight = kConsoleCursorHeight;
}

void VdSetTextCursor(int show, int x, int y, int height)
{
    DisplayState* display = VdState();
    if (!display || !display->open)
        return;
    show = show ? kCursorShown : kCursorOff;
    if (display->textCursorState == kCursorShown ||
        display->textCursorState == kCursorBlinkHidden) {
        display->textCursorState = kCursorMoving;
        display->cursorX = x;
        display->cursorY = y;
        display->cursorHeight = height;
        display->textCursorState = (unsigned char)show;
        InvalidateRect(display->window, NULL, FALSE);
        return;
    }
    display->cursorX = x;
    display->cursorY = y;
    display->cursorHeight = height;
    display->textCursorState = (unsigned char)show;
    if (show)
        InvalidateRect(display->window, NULL, FALSE);
}

void GfxShowTextCursor(void)
{
    VdSetTextCursor(1, g_cursorX, g_cursorY, kConsoleCursorHeight);
}

void GfxHideTextCursor(void)
{
    VdSetTextCursor(0, g_cursorX, g_cursorY, kConsoleCursorHeight);
}

int GfxSetCursorPos(int x, int y, int cells)
{
    if (cells) {
        x *= kConsoleCellUnit;
        y *= kConsoleLineHeight;
    }
    g_cursorX = x;
    g_cursorY = y;
    return y;
}

void GfxGetCursorPos(int* x, int* y, int cells)
{
    if (x)
        *x = cells ? g_cursorX / kConsoleCellUnit : g_cursorX;
    if (y)
        *y = cells ? g_cursorY / kConsoleLineHeight : g_cursorY;
}

void GfxMarkScrollTop(void)
{
    g_scrollTop = g_cursorY;
}

int VdConsoleScrollTop(void)
{
    return g_scrollTop;
}

void GfxSetConsoleFont(const ConsoleFont* font)
{
    if (font)
        memcpy(&g_consoleFont, font, sizeof g_consoleFont);
}

int GfxScroll(int srcX, int srcY, int width, int height, int dstX, int dstY)
{
    HDC dc = DrawingDC();
    if (!dc)
        return -1;
    return BitBlt(dc, dstX, dstY, width, height, dc, srcX, srcY, SRCCOPY);
}

void GfxClearRect(int left, int top, int right, int bottom)
{
    HDC dc = CanvasDC();
    if (!dc)
        return;
    RECT area = { left, top, right, bottom };
    FillRect(dc, &area, (HBRUSH)GetCurrentObject(dc, OBJ_BRUSH));
}

void GfxClearDisplay(void)
{
    DisplayState* display = VdState();
    if (display)
        GfxClearRect(0, 0, display->canvasWidth, display->canvasHeight);
    g_cursorX = 0;
    g_cursorY = 0;
}

/* Moves the region below the scroll top up one line and clears the last line. */
static void ScrollOneLine(void)
{
    GfxScroll(0, g_scrollTop + kConsoleLineHeight, g_consoleWidth, g_cursorY, 0, g_scrollTop);
    GfxClearRect(0, g_cursorY, g_consoleWidth, g_cursorY + kConsoleLineHeight);
}

/* Advances the cursor a line; at the last line it stays there and, when allowed, the
   console scrolls. Returns 1 when it scrolled. */
static int AdvanceLine(int mayScroll)
{
    g_cursorX = 0;
    if (g_consoleHeight < kConsoleMinScrollHeight) {
        g_cursorY = 0;
        return 0;
    }
    g_cursorY += kConsoleLineHeight;
    if (g_cursorY + kConsoleCursorHeight <= g_consoleHeight)
        return 0;
    g_cursorY -= kConsoleLineHeight;
    if (!mayScroll)
        return 0;
    ScrollOneLine();
    return 1;
}

static int TextLength(const char* text, int length)
{
    if (!text)
        return 0;
    return length < 0 ? (int)strlen(text) : length;
}

/* Selects a font made from the console font into dc for one piece; RestoreFont puts back what was
   selected before and deletes it. */
typedef struct ConsoleFontSelection {
    HDC dc;
    HFONT font;
    HGDIOBJ previous;
} ConsoleFontSelection;

static ConsoleFontSelection SelectConsoleFont(HDC dc)
{
    ConsoleFontSelection selection = { dc, CreateFontIndirectA(&g_consoleFont), NULL };
    if (selection.font)
        selection.previous = SelectObject(dc, selection.font);
    return selection;
}

static void RestoreFont(ConsoleFontSelection* selection)
{
    if (!selection->font)
        return;
    SelectObject(selection->dc, selection->previous);
    DeleteObject(selection->font);
}

/* The width of a piece in the console font; 0 while the display is closed. */
static int MeasurePiece(const char* text, int length)
{
    HDC dc = DrawingDC();
    if (!dc)
        return 0;
    ConsoleFontSelection selection = SelectConsoleFont(dc);
    SIZE size = { 0, 0 };
    GetTextExtentPoint32A(dc, text, length, &size);
    RestoreFont(&selection);
    return size.cx;
}

int GfxAdvanceText(const char* text, int length)
{
    length = TextLength(text, length);
    if (length <= 0)
        return 0;
    int width = MeasurePiece(text, length);
    if (g_cursorX + width > g_consoleWidth)
        AdvanceLine(0);
    g_cursorX += width;
    return width;
}

int GfxPutText(const char* text, int length)
{
    length = TextLength(text, length);
    HDC dc = DrawingDC();
    if (length <= 0 || !dc)
        return 0;
    ConsoleFontSelection selection = SelectConsoleFont(dc);
    SIZE size = { 0, 0 };
    GetTextExtentPoint32A(dc, text, length, &size);
    int scrolled = 0;
    if (g_cursorX + size.cx > g_consoleWidth)
        scrolled = AdvanceLine(1);
    TextOutA(dc, g_cursorX, g_cursorY, text, length);
    g_cursorX += size.cx;
    RestoreFont(&selection);
    VdState()->repaintBits |= kRepaintDrawn;
    return scrolled;
}

int GfxPutChar(CharCode code)
{
    if (code == '\n')
        return AdvanceLine(1);
    if (code == '\r') {
        g_cursorX = 0;
        return 0;
    }
    char bytes[8];
    int count = MbCharToBytes(code, bytes, sizeof bytes);
    return count > 0 ? GfxPutText(bytes, count) : 0;
}

/* Bytes of the character at pos, never past the end of the text. */
static int PieceLength(const char* text, int pos, int length)
{
    int piece = MbCharLen(text + pos);
    if (piece <= 0)
        piece = 1;
    return piece > length - pos ? length - pos : piece;
}

/* Goes through text one character at a time, line feeds and carriage returns moving the
   cursor; with draw set it puts the characters and lets the console scroll, else it only
   moves the cursor. The number of scrolls. */
static int WalkString(const char* text, int length, int draw)
{
    int scrolls = 0;
    int pos = 0;
    while (pos < length) {
        if (text[pos] == '\n') {
            scrolls += AdvanceLine(draw);
            pos++;
        } else if (text[pos] == '\r') {
            g_cursorX = 0;
            pos++;
        } else {
            int piece = PieceLength(text, pos, length);
            if (draw)
                scrolls += GfxPutText(text + pos, piece);
            else
                GfxAdvanceText(text + pos, piece);
            pos += piece;
        }
    }
    return scrolls;
}

int GfxPutString(const char* text, int length)
{
    return WalkString(text, TextLength(text, length), 1);
}

int GfxAdvanceString(const char* text, int length)
{
    length = TextLength(text, length);
    WalkString(text, length, 0);
    return length;
}

int GfxPrintf(const char* format, ...)
{
    if (!format)
        return 0;
    char buffer[kConsolePrintBufferSize];
    va_list args;
    va_start(args, format);
    StrVPrintN(buffer, sizeof buffer, format, args);
    va_end(args);
    buffer[sizeof buffer - 1] = '\0';
    int length = (int)strlen(buffer);
    GfxPutString(buffer, length);
    return length;
}
