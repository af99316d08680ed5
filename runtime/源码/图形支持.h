/* Graphics support: the drawing calls behind the Gfx drawing API, on the current drawing DC
   of the display (the canvas, or a target window's DC), with the bookkeeping of the pens,
   brushes and fonts that programs select: the first object a program's own displaces is
   kept as the initial one and put back by a reset; every later displaced object is the
   program's previous one and is deleted. */
#ifndef MOYU_GUI_GRAPHICS_SUPPORT_H
#define MOYU_GUI_GRAPHICS_SUPPORT_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

int VdSetBkColor(COLORREF colour);
int VdGetBkColor(void);
int VdSetBkMode(int mode);
int VdGetBkMode(void);
int VdSetRop2(int mode);
int VdGetRop2(void);
int VdSetTextColor(COLORREF colour);
int VdGetTextColor(void);
int VdSetTextAlign(UINT align);
int VdGetTextAlign(void);

/* 0, -1 closed, -2 creation failed (the previous pen stays). */
int VdSetPen(int style, int width, COLORREF colour);
/* 0, -1 closed, -2 unreadable. A width of 0 reads as 1. */
int VdGetPen(int* style, int* width, COLORREF* colour);
/* 0; -2 for a style other than 0 (solid) or 1 (hatched); -3 creation failed. */
int VdSetBrush(int style, int hatch, COLORREF colour);
int VdGetBrush(int* style, int* hatch, COLORREF* colour);
/* 0, -1 closed or failed. */
int VdCreateFont(const LOGFONTA* font);
/* 0, -1 closed, -2 null record, -3 unreadable. */
int VdGetFont(LOGFONTA* font);
int VdGetTextMetrics(TEXTMETRICA* metrics);
int VdGetTextFace(int size, char* buffer);
int VdResetPen(void);
int VdResetBrush(void);
int VdResetFont(void);

int VdSetPixel(int x, int y, COLORREF colour);
int VdGetPixel(int x, int y);
int VdMoveTo(int x, int y, POINT* old);
int VdGetPosition(POINT* point);
int VdLineTo(int x, int y);
int VdPolyline(const POINT* points, int count, int mode);
int VdPolyPolyline(const POINT* points, const DWORD* counts, int n);
int VdArc(const RECT* rect, const POINT* point1, const POINT* point2, int direction);
/* Always counter-clockwise from the smaller angle (degrees). join 0 draws no line from the
   current position and leaves it where it was. */
int VdAngleArc(int x, int y, int radius, float startAngle, float endAngle, int join);
int VdPolyBezier(const POINT* points, int count, int mode);
int VdRectangle(int left, int top, int right, int bottom);
int VdEllipse(int left, int top, int right, int bottom);
int VdRoundRect(int left, int top, int right, int bottom, int rx, int ry);
int VdChord(const RECT* rect, const POINT* point1, const POINT* point2, int direction);
int VdPie(const RECT* rect, const POINT* point1, const POINT* point2, int direction);
int VdPolygon(const POINT* points, int count);
int VdPolyPolygon(const POINT* points, const INT* counts, int n);
int VdFillRect(const RECT* rect, int style, int hatch, COLORREF colour);
int VdInvertRect(const RECT* rect);

/* TextOut's result. */
int VdTextOut(int x, int y, const char* text, int length);
/* DrawText's result (the text height). */
int VdDrawText(RECT* rect, UINT format, const char* text, int length);
/* 1, or 0 when closed or failed. */
int VdGetTextExtent(const char* text, int length, int* width, int* height);

int VdClearTarget(void);
int VdClearTargetRect(int left, int top, int right, int bottom);
HDC VdSelectTargetWindow(HWND window);
int VdReleaseTargetWindow(void);
/* which 0: the current DC; otherwise the canvas memory DC. */
HDC VdGetDrawDC(int which);
HGDIOBJ VdGetCurrentObject(void);
HGDIOBJ VdGetWindowFont(HWND window);
HFONT VdCreateFontIndirect(const LOGFONTA* font);

#ifdef __cplusplus
}
#endif

#endif
