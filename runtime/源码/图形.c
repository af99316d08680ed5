/* The public drawing API: records and defaults on top of the graphics support. */
#include "runtime/源码/图形.h"
#include "runtime/源码/图形支持.h"
#include "runtime/源码/显示.h"
#include "runtime/源码/视窗.h"
#include "runtime/源码/视窗支持.h"

#include <string.h>

int GfxSetBkColor(COLORREF colour) { return VdSetBkColor(colour); }
int GfxGetBkColor(void) { return VdGetBkColor(); }
int GfxSetBkMode(int mode) { return VdSetBkMode(mode); }
int GfxGetBkMode(void) { return VdGetBkMode(); }
int GfxSetRop2(int mode) { return VdSetRop2(mode); }
int GfxGetRop2(void) { return VdGetRop2(); }
int GfxSetTextColor(COLORREF colour) { return VdSetTextColor(colour); }
int GfxGetTextColor(void) { return VdGetTextColor(); }
int GfxSetTextAlign(UINT align) { return VdSetTextAlign(align); }
int GfxGetTextAlign(void) { return VdGetTextAlign(); }

/* ---- Pens, brushes and fonts ------------------------------------------------------- */

/* A missing record: -1 while the display is closed, as for every drawing call, else -2. */
static int MissingRecord(void)
{
    return VdGetDrawDC(0) ? -2 : -1;
}

int GfxSetPen(const GfxPenRecord* pen)
{
    if (!pen)
        return MissingRecord();
    return VdSetPen(pen->style, pen->width, pen->colour);
}

int GfxGetPen(GfxPenRecord* pen)
{
    if (!pen)
        return MissingRecord();
    return VdGetPen(&pen->style, &pen->width, &pen->colour);
}

int GfxSetPenColor(COLORREF colour)
{
    GfxPenRecord pen;
    if (VdGetPen(&pen.style, &pen.width, &pen.colour) != 0)
        return -1;
    if (VdSetPen(pen.style, pen.width, colour) != 0)
        return -1;
    return (int)pen.colour;
}

int GfxGetPenColor(void)
{
    GfxPenRecord pen;
    return VdGetPen(&pen.style, &pen.width, &pen.colour) == 0 ? (int)pen.colour : -1;
}

int GfxSetBrush(const GfxBrushRecord* brush)
{
    if (!brush)
        return MissingRecord();
    return VdSetBrush(brush->style, brush->hatch, brush->colour);
}

int GfxGetBrush(GfxBrushRecord* brush)
{
    if (!brush)
        return MissingRecord();
    return VdGetBrush(&brush->style, &brush->hatch, &brush->colour);
}

int GfxSetBrushColor(COLORREF colour)
{
    GfxBrushRecord brush = {0, 0, 0};
    if (VdGetBrush(&brush.style, &brush.hatch, &brush.colour) != 0)
        return -1;
    if (VdSetBrush(brush.style, brush.hatch, colour) != 0)
        return -1;
    return (int)brush.colour;
}

int GfxGetBrushColor(void)
{
    GfxBrushRecord brush = {0, 0, 0};
    return VdGetBrush(&brush.style, &brush.hatch, &brush.colour) == 0 ? (int)brush.colour : -1;
}

int GfxSetFont(const LOGFONTA* font) { return VdCreateFont(font); }
int GfxGetFont(LOGFONTA* font) { return VdGetFont(font); }
int GfxGetTextMetrics(TEXTMETRICA* metrics) { return VdGetTextMetrics(metrics); }
int GfxGetTextFace(char* buffer, int size) { return VdGetTextFace(size, buffer); }
int GfxResetPen(void) { return VdResetPen(); }
int GfxResetBrush(void) { return VdResetBrush(); }
int GfxResetFont(void) { return VdResetFont(); }

/* ---- Pixels, lines and shapes ------------------------------------------------------ */

int GfxSetPixel(int x, int y, COLORREF colour) { return VdSetPixel(x, y, colour); }
int GfxGetPixel(int x, int y) { return VdGetPixel(x, y); }
int GfxMoveTo(int x, int y, POINT* old) { return VdMoveTo(x, y, old); }
int GfxGetPosition(POINT* point) { return VdGetPosition(point); }
int GfxLineTo(int x, int y) { return VdLineTo(x, y); }

int GfxDrawLine(int x1, int y1, int x2, int y2)
{
    int moved = VdMoveTo(x1, y1, NULL);
    if (moved < 0)
        return moved;
    return moved + VdLineTo(x2, y2);
}

int GfxPolyline(const POINT* points, int count, int mode)
{
    return VdPolyline(points, count, mode);
}

int GfxPolyPolyline(const POINT* points, const DWORD* counts, int n)
{
    return VdPolyPolyline(points, counts, n);
}

int GfxArc(const RECT* rect, const POINT* point1, const POINT* point2, int direction)
{
    return VdArc(rect, point1, point2, direction);
}

int GfxAngleArc(int x, int y, int radius, unsigned startAngle, unsigned endAngle, int join)
{
    return VdAngleArc(x, y, radius, (float)startAngle, (float)endAngle, join);
}

int GfxEllipseOutline(int left, int top, int right, int bottom)
{
    RECT rect = {left, top, right, bottom};
    POINT corner = {left, top};
    return VdArc(&rect, &corner, &corner, 0);
}

int GfxCircleOutline(int x, int y, int radius)
{
    return VdAngleArc(x, y, radius, 0.0f, 360.0f, 0);
}

int GfxRectangleOutline(int left, int top, int right, int bottom)
{
    int moved = VdMoveTo(left, top, NULL);
    if (moved < 0)
        return moved;
    return moved + VdLineTo(right, top) + VdLineTo(right, bottom) + VdLineTo(left, bottom)
        + VdLineTo(left, top);
}

int GfxPolyBezier(const POINT* points, int count, int mode)
{
    return VdPolyBezier(points, count, mode);
}

int GfxRectangle(int left, int top, int right, int bottom)
{
    return VdRectangle(left, top, right, bottom);
}

int GfxEllipse(int left, int top, int right, int bottom)
{
    return VdEllipse(left, top, right, bottom);
}

int GfxRoundRect(int left, int top, int right, int bottom, int rx, int ry)
{
    return VdRoundRect(left, top, right, bottom, rx, ry);
}

int GfxChord(const RECT* rect, const POINT* point1, const POINT* point2, int direction)
{
    return VdChord(rect, point1, point2, direction);
}

int GfxPie(const RECT* rect, const POINT* point1, const POINT* point2, int direction)
{
    return VdPie(rect, point1, point2, direction);
}

int GfxCircle(int x, int y, int r)
{
    return VdEllipse(x - r, y - r, x + r, y + r);
}

int GfxPolygon(const POINT* points, int count) { return VdPolygon(points, count); }
int GfxPolyPolygon(const POINT* points, const INT* counts, int n) { return VdPolyPolygon(points, counts, n); }

int GfxFillRect(const RECT* rect, const GfxBrushRecord* brush)
{
    if (!brush)
        return MissingRecord();
    return VdFillRect(rect, brush->style, brush->hatch, brush->colour);
}

int GfxInvertRect(const RECT* rect) { return VdInvertRect(rect); }

/* ---- Text -------------------------------------------------------------------------- */

int GfxTextOut(int x, int y, const char* text)
{
    return VdTextOut(x, y, text, text ? (int)strlen(text) : 0);
}

int GfxCharOut(int x, int y, CharCode code)
{
    char bytes[5];
    int length = MbCharToBytes(code, bytes, sizeof bytes);
    return VdTextOut(x, y, bytes, length);
}

int GfxTextOutN(int x, int y, const char* text, int length)
{
    return VdTextOut(x, y, text, length);
}

int GfxDrawText(RECT* rect, UINT format, const char* text)
{
    return VdDrawText(rect, format, text, -1);
}

int GfxDrawTextN(RECT* rect, UINT format, const char* text, int length)
{
    return VdDrawText(rect, format, text, length);
}

int GfxDrawTextBox(int x, int y, int width, int height, UINT format, const char* text)
{
    RECT rect = {x, y, x + width, y + height};
    return VdDrawText(&rect, format, text, -1);
}

int GfxDrawTextBoxN(int x, int y, int width, int height, UINT format, const char* text,
                    int length)
{
    RECT rect = {x, y, x + width, y + height};
    return VdDrawText(&rect, format, text, length);
}

/* ---- Targets ----------------------------------------------------------------------- */

int GfxClearTarget(void) { return VdClearTarget(); }

int GfxClearTargetRect(int left, int top, int right, int bottom)
{
    return VdClearTargetRect(left, top, right, bottom);
}

HDC GfxSelectTargetWindow(HWND window) { return VdSelectTargetWindow(window); }
int GfxReleaseTargetWindow(void) { return VdReleaseTargetWindow(); }
HDC GfxGetDrawDC(void) { return VdGetDrawDC(0); }
HDC GfxGetDisplayDC(void) { return VdGetDrawDC(1); }
HGDIOBJ GfxGetCurrentObject(void) { return VdGetCurrentObject(); }
HGDIOBJ GfxGetWindowFont(HWND window) { return VdGetWindowFont(window); }
HFONT GfxCreateFontIndirect(const LOGFONTA* font) { return VdCreateFontIndirect(font); }

/* ---- Bitmaps ----------------------------------------------------------------------- */

int GfxGetBitmapInfo(KindWord source, const char* name, BITMAP* info)
{
    if (!info)
        return 0;
    HBITMAP bitmap = WndLoadBitmap(source, name, 0, 0);
    if (!bitmap)
        return 0;
    int read = GetObjectA(bitmap, sizeof *info, info) == sizeof *info;
    DeleteObject(bitmap);
    return read;
}

/* Fills a width or height of 0 or less from the bitmap's own size; 0 when unreadable. */
static int CompleteSize(KindWord source, const char* name, int* width, int* height)
{
    if (*width > 0 && *height > 0)
        return 1;
    BITMAP info;
    if (!GfxGetBitmapInfo(source, name, &info))
        return 0;
    if (*width <= 0)
        *width = info.bmWidth;
    if (*height <= 0)
        *height = info.bmHeight;
    return 1;
}

/* The bitmap selected into a memory DC compatible with the current DC. */
typedef struct LoadedBitmap {
    HBITMAP bitmap;
    HDC dc;
    HGDIOBJ displaced;
} LoadedBitmap;

static int LoadIntoDC(KindWord source, const char* name, int width, int height,
                      int naturalSize, LoadedBitmap* loaded)
{
    HDC target = VdGetDrawDC(0);
    loaded->bitmap = WndLoadBitmap(source, name, naturalSize ? 0 : width, naturalSize ? 0 : height);
    if (!loaded->bitmap)
        return 0;
    loaded->dc = CreateCompatibleDC(target);
    if (!loaded->dc) {
        DeleteObject(loaded->bitmap);
        return 0;
    }
    loaded->displaced = SelectObject(loaded->dc, loaded->bitmap);
    return 1;
}

static void UnloadFromDC(LoadedBitmap* loaded)
{
    SelectObject(loaded->dc, loaded->displaced);
    DeleteDC(loaded->dc);
    DeleteObject(loaded->bitmap);
}

int GfxDrawBitmap(KindWord source, const char* name, int x, int y, int width, int height,
                  DWORD rasterOp)
{
    HDC target = VdGetDrawDC(0);
    if (!target)
        return -1;
    if (!CompleteSize(source, name, &width, &height))
        return 0;
    LoadedBitmap loaded;
    if (!LoadIntoDC(source, name, width, height, rasterOp == 1, &loaded))
        return 0;
    int result = BitBlt(target, x, y, width, height, loaded.dc, 0, 0,
                        rasterOp > 1 ? rasterOp : SRCCOPY);
    UnloadFromDC(&loaded);
    return result;
}

int GfxDrawBitmapTransparent(KindWord source, const char* name, int x, int y, int width,
                             int height, int loadMode, int colourX, int colourY)
{
    HDC target = VdGetDrawDC(0);
    if (!target)
        return -1;
    if (!CompleteSize(source, name, &width, &height))
        return 0;
    LoadedBitmap loaded;
    if (!LoadIntoDC(source, name, width, height, loadMode == 1, &loaded))
        return 0;
    COLORREF colour = colourX < 0 ? (COLORREF)colourY : GetPixel(loaded.dc, colourX, colourY);
    int result = WndTransparentBlt(target, x, y, width, height, loaded.dc, 0, 0, width, height,
                                   colour);
    UnloadFromDC(&loaded);
    return result;
}

int GfxSaveBitmap(const char* file, int x, int y, int width, int height)
{
    HDC canvas = VdGetDrawDC(1);
    if (!canvas)
        return -1;
    return WndSaveWindowBitmap(GfxGetDisplayWindow(), canvas, x, y, width, height, file);
}
