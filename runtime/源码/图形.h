/* The drawing API of Moyu GUI programs: attributes, pens, brushes and fonts, pixels, lines,
   outlines and filled shapes, text, bitmaps, and saving the display as a BMP file. Drawing
   goes to the display's canvas, or to a target window the program selected. Every function
   that needs the display returns -1 while it is closed; shape and line functions return 0
   on success and 1 on failure. */
#ifndef MOYU_GUI_GRAPHICS_H
#define MOYU_GUI_GRAPHICS_H

#include <windows.h>
#include "runtime/源码/常量.h"
#include "runtime/源码/字符.h"

#ifdef __cplusplus
extern "C" {
#endif

/* A pen as programs describe it. */
typedef struct GfxPenRecord {
    int style;
    int width;
    COLORREF colour;
} GfxPenRecord;

/* style 0 solid, 1 hatched (any other brush reads as -1). */
typedef struct GfxBrushRecord {
    int style;
    int hatch;
    COLORREF colour;
} GfxBrushRecord;

int GfxSetBkColor(COLORREF colour);
int GfxGetBkColor(void);
int GfxSetBkMode(int mode);
int GfxGetBkMode(void);
int GfxSetRop2(int mode);
int GfxGetRop2(void);
int GfxSetTextColor(COLORREF colour);
int GfxGetTextColor(void);
int GfxSetTextAlign(UINT align);
int GfxGetTextAlign(void);

int GfxSetPen(const GfxPenRecord* pen);
int GfxGetPen(GfxPenRecord* pen);
int GfxSetPenColor(COLORREF colour);
int GfxGetPenColor(void);
int GfxSetBrush(const GfxBrushRecord* brush);
int GfxGetBrush(GfxBrushRecord* brush);
int GfxSetBrushColor(COLORREF colour);
int GfxGetBrushColor(void);
int GfxSetFont(const LOGFONTA* font);
int GfxGetFont(LOGFONTA* font);
int GfxGetTextMetrics(TEXTMETRICA* metrics);
int GfxGetTextFace(char* buffer, int size);
int GfxResetPen(void);
int GfxResetBrush(void);
int GfxResetFont(void);

int GfxSetPixel(int x, int y, COLORREF colour);
int GfxGetPixel(int x, int y);
int GfxMoveTo(int x, int y, POINT* old);
int GfxGetPosition(POINT* point);
int GfxLineTo(int x, int y);
int GfxDrawLine(int x1, int y1, int x2, int y2);
int GfxPolyline(const POINT* points, int count, int mode);
int GfxPolyPolyline(const POINT* points, const DWORD* counts, int n);
int GfxArc(const RECT* rect, const POINT* point1, const POINT* point2, int direction);
int GfxAngleArc(int x, int y, int radius, unsigned startAngle, unsigned endAngle, int join);
int GfxEllipseOutline(int left, int top, int right, int bottom);
int GfxCircleOutline(int x, int y, int radius);
int GfxRectangleOutline(int left, int top, int right, int bottom);
int GfxPolyBezier(const POINT* points, int count, int mode);
int GfxRectangle(int left, int top, int right, int bottom);
int GfxEllipse(int left, int top, int right, int bottom);
int GfxRoundRect(int left, int top, int right, int bottom, int rx, int ry);
int GfxChord(const RECT* rect, const POINT* point1, const POINT* point2, int direction);
int GfxPie(const RECT* rect, const POINT* point1, const POINT* point2, int direction);
int GfxCircle(int x, int y, int r);
int GfxPolygon(const POINT* points, int count);
int GfxPolyPolygon(const POINT* points, const INT* counts, int n);
int GfxFillRect(const RECT* rect, const GfxBrushRecord* brush);
int GfxInvertRect(const RECT* rect);

int GfxTextOut(int x, int y, const char* text);
int GfxCharOut(int x, int y, CharCode code);
int GfxTextOutN(int x, int y, const char* text, int length);
int GfxDrawText(RECT* rect, UINT format, const char* text);
int GfxDrawTextN(RECT* rect, UINT format, const char* text, int length);
int GfxDrawTextBox(int x, int y, int width, int height, UINT format, const char* text);
int GfxDrawTextBoxN(int x, int y, int width, int height, UINT format, const char* text,
                    int length);

int GfxClearTarget(void);
int GfxClearTargetRect(int left, int top, int right, int bottom);
HDC GfxSelectTargetWindow(HWND window);
int GfxReleaseTargetWindow(void);
HDC GfxGetDrawDC(void);
HDC GfxGetDisplayDC(void);
HGDIOBJ GfxGetCurrentObject(void);
HGDIOBJ GfxGetWindowFont(HWND window);
HFONT GfxCreateFontIndirect(const LOGFONTA* font);

/* source 资源 or 1: a bitmap resource of the program; anything else: a file name. */
int GfxGetBitmapInfo(KindWord source, const char* name, BITMAP* info);
int GfxDrawBitmap(KindWord source, const char* name, int x, int y, int width, int height,
                  DWORD rasterOp);
/* colourX < 0: colourY is the transparent colour; else the bitmap's pixel there. */
int GfxDrawBitmapTransparent(KindWord source, const char* name, int x, int y, int width,
                             int height, int loadMode, int colourX, int colourY);
int GfxSaveBitmap(const char* file, int x, int y, int width, int height);

#ifdef __cplusplus
}
#endif

#endif
