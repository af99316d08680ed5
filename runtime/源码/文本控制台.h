/* The text console on the virtual display: printing at a pixel cursor with a fixed line
   height, wrapping at the right edge and scrolling below a settable top line, a blinking
   2-pixel cursor mark, and line input with editing and an optional history. The runtime
   library's print and key calls reach it while the display is open. */
#ifndef MOYU_GUI_TEXT_CONSOLE_H
#define MOYU_GUI_TEXT_CONSOLE_H

#include <windows.h>
#include "runtime/源码/字符.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The console font: a 60-byte LOGFONT record. */
typedef LOGFONTA ConsoleFont;

enum {
    kConsoleCellUnit = 8,
    kConsoleLineHeight = 2 * kConsoleCellUnit + 2,
    kConsoleCursorHeight = 2 * kConsoleCellUnit,
    /* Below this height every line prints on row 0. */
    kConsoleMinScrollHeight = 4 * kConsoleCellUnit + 2,
    kConsolePrintBufferSize = 512,
    kConsoleScanBufferSize = 512
};

/* Console area, cursor (0, 0) and the console font ("新宋体", height 16, the rest from the
   font of the current drawing DC, zero while the display is closed). */
void VdResetConsole(int width, int height);

void GfxShowTextCursor(void);
void GfxHideTextCursor(void);
void VdSetTextCursor(int show, int x, int y, int height);
/* cells non-zero: x in columns of 8 and y in lines of 18 pixels. Returns the pixel y. */
int GfxSetCursorPos(int x, int y, int cells);
void GfxGetCursorPos(int* x, int* y, int cells);
void GfxMarkScrollTop(void);
/* The pixel row of the first line that scrolls. */
int VdConsoleScrollTop(void);
void GfxSetConsoleFont(const ConsoleFont* font);

/* A length of -1 means up to the NUL; a null text or a length of 0 does nothing. */
int GfxAdvanceText(const char* text, int length);
int GfxAdvanceString(const char* text, int length);
/* 1 when it scrolled, else 0. */
int GfxPutText(const char* text, int length);
int GfxPutChar(CharCode code);
/* The number of scrolls. */
int GfxPutString(const char* text, int length);
int GfxPrintf(const char* format, ...);

/* One character from the keyboard, 0 when input has ended. */
CharCode GfxInputChar(int echo);
/* The line's length, -1 when input ended. */
int GfxInputLine(char* buffer, int size, int echo);
int GfxScanf(const char* format, ...);
/* 开 or 1 creates the history; any other value frees it. */
void GfxSetInputHistory(KindWord word);

int GfxScroll(int srcX, int srcY, int width, int height, int dstX, int dstY);
void GfxClearDisplay(void);
void GfxClearRect(int left, int top, int right, int bottom);

#ifdef __cplusplus
}
#endif

#endif
