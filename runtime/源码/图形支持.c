/* Graphics support: drawing on the display's current DC with object bookkeeping. */
#include "runtime/源码/图形支持.h"
#include "runtime/源码/显示.h"

#include <math.h>
#include <stddef.h>

/* The display record when the display is open, else null. */
static DisplayState* OpenState(void)
{
    DisplayState* state = VdState();
    return state && state->open && state->currentDC ? state : NULL;
}

static void MarkDrawn(DisplayState* state)
{
    state->repaintBits |= kRepaintDrawn;
}

/* 0 for the platform's success, 1 for its failure. */
static int ShapeResult(DisplayState* state, BOOL ok)
{
    MarkDrawn(state);
    return ok ? 0 : 1;
}

/* ---- Attributes -------------------------------------------------------------------- */

#define DEFINE_DC_SETTER(name, type, call)                                                  \
    int name(type value)                                                                    \
    {                                                                                       \
        DisplayState* state = OpenState();                                                  \
        return state ? (int)call(state->currentDC, value) : -1;                             \
    }
#define DEFINE_DC_GETTER(name, call)                                                        \
    int name(void)                                                                          \
    {                                                                                       \
        DisplayState* state = OpenState();                                                  \
        return state ? (int)call(state->currentDC) : -1;                                    \
    }

DEFINE_DC_SETTER(VdSetBkColor, COLORREF, SetBkColor)
DEFINE_DC_GETTER(VdGetBkColor, GetBkColor)
DEFINE_DC_SETTER(VdSetBkMode, int, SetBkMode)
DEFINE_DC_GETTER(VdGetBkMode, GetBkMode)
DEFINE_DC_SETTER(VdSetRop2, int, SetROP2)
DEFINE_DC_GETTER(VdGetRop2, GetROP2)
DEFINE_DC_SETTER(VdSetTextColor, COLORREF, SetTextColor)
DEFINE_DC_GETTER(VdGetTextColor, GetTextColor)
DEFINE_DC_SETTER(VdSetTextAlign, UINT, SetTextAlign)
DEFINE_DC_GETTER(VdGetTextAlign, GetTextAlign)

/* ---- Object bookkeeping ------------------------------------------------------------ */

typedef enum ObjectSlot { kSlotPen, kSlotBrush, kSlotFont } ObjectSlot;

/* The kept initial object of a slot for the current DC: the canvas's or the target's. */
static HGDIOBJ* KeptInitial(DisplayState* state, ObjectSlot slot)
{
    int canvas = state->currentDC == state->memoryDC;
    switch (slot) {
    case kSlotPen:
        return canvas ? &state->initialPen : &state->targetPen;
    case kSlotBrush:
        return canvas ? &state->initialBrush : &state->targetBrush;
    default:
        return canvas ? &state->initialFont : &state->targetFont;
    }
}

static void SelectKept(DisplayState* state, HGDIOBJ object, ObjectSlot slot)
{
    HGDIOBJ displaced = SelectObject(state->currentDC, object);
    HGDIOBJ* kept = KeptInitial(state, slot);
    if (!*kept)
        *kept = displaced;
    else if (displaced)
        DeleteObject(displaced);
}

static int ResetKept(ObjectSlot slot)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    HGDIOBJ* kept = KeptInitial(state, slot);
    if (*kept) {
        HGDIOBJ displaced = SelectObject(state->currentDC, *kept);
        if (displaced)
            DeleteObject(displaced);
        *kept = NULL;
    }
    return 0;
}

int VdResetPen(void) { return ResetKept(kSlotPen); }
int VdResetBrush(void) { return ResetKept(kSlotBrush); }
int VdResetFont(void) { return ResetKept(kSlotFont); }

/* ---- Pens, brushes and fonts ------------------------------------------------------- */

int VdSetPen(int style, int width, COLORREF colour)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    HPEN pen = CreatePen(style, width, colour);
    if (!pen)
        return -2;
    SelectKept(state, pen, kSlotPen);
    return 0;
}

int VdGetPen(int* style, int* width, COLORREF* colour)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    LOGPEN pen;
    HGDIOBJ current = GetCurrentObject(state->currentDC, OBJ_PEN);
    if (!current || GetObjectA(current, sizeof pen, &pen) != sizeof pen)
        return -2;
    if (style)
        *style = (int)pen.lopnStyle;
    if (width)
        *width = pen.lopnWidth.x ? (int)pen.lopnWidth.x : 1;
    if (colour)
        *colour = pen.lopnColor;
    return 0;
}

static HBRUSH CreateRecordBrush(int style, int hatch, COLORREF colour, int* error)
{
    HBRUSH brush = NULL;
    if (style == 0)
        brush = CreateSolidBrush(colour);
    else if (style == 1)
        brush = CreateHatchBrush(hatch, colour);
    else {
        *error = -2;
        return NULL;
    }
    if (!brush)
        *error = -3;
    return brush;
}

int VdSetBrush(int style, int hatch, COLORREF colour)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    int error = 0;
    HBRUSH brush = CreateRecordBrush(style, hatch, colour, &error);
    if (!brush)
        return error;
    SelectKept(state, brush, kSlotBrush);
    return 0;
}

int VdGetBrush(int* style, int* hatch, COLORREF* colour)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    LOGBRUSH brush;
    HGDIOBJ current = GetCurrentObject(state->currentDC, OBJ_BRUSH);
    if (!current || GetObjectA(current, sizeof brush, &brush) != sizeof brush)
        return -2;
    int kind = brush.lbStyle == BS_SOLID ? 0 : brush.lbStyle == BS_HATCHED ? 1 : -1;
    if (style)
        *style = kind;
    if (hatch && kind == 1)
        *hatch = (int)brush.lbHatch;
    if (colour)
        *colour = brush.lbColor;
    return 0;
}

int VdCreateFont(const LOGFONTA* font)
{
    DisplayState* state = OpenState();
    if (!state || !font)
        return -1;
    HFONT created = CreateFontIndirectA(font);
    if (!created)
        return -1;
    SelectKept(state, created, kSlotFont);
    return 0;
}

int VdGetFont(LOGFONTA* font)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    if (!font)
        return -2;
    HGDIOBJ current = GetCurrentObject(state->currentDC, OBJ_FONT);
    if (!current || GetObjectA(current, sizeof *font, font) == 0)
        return -3;
    return 0;
}

int VdGetTextMetrics(TEXTMETRICA* metrics)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    if (!metrics)
        return -2;
    return GetTextMetricsA(state->currentDC, metrics) ? 0 : 1;
}

int VdGetTextFace(int size, char* buffer)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    if (!buffer || size <= 0)
        return 0;
    return GetTextFaceA(state->currentDC, size, buffer);
}

HFONT VdCreateFontIndirect(const LOGFONTA* font)
{
    return font ? CreateFontIndirectA(font) : NULL;
}

/* ---- Pixels, lines and shapes ------------------------------------------------------ */

int VdSetPixel(int x, int y, COLORREF colour)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    MarkDrawn(state);
    return (int)SetPixel(state->currentDC, x, y, colour);
}

int VdGetPixel(int x, int y)
{
    DisplayState* state = OpenState();
    return state ? (int)GetPixel(state->currentDC, x, y) : -1;
}

int VdMoveTo(int x, int y, POINT* old)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    return MoveToEx(state->currentDC, x, y, old) ? 0 : 1;
}

int VdGetPosition(POINT* point)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    return point && GetCurrentPositionEx(state->currentDC, point) ? 0 : 1;
}

int VdLineTo(int x, int y)
{
    DisplayState* state = OpenState();
    return state ? ShapeResult(state, LineTo(state->currentDC, x, y)) : -1;
}

int VdPolyline(const POINT* points, int count, int mode)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    if (!points || count <= 0)
        return 1;
    BOOL ok = (mode & 0xFF) ? PolylineTo(state->currentDC, points, (DWORD)count)
                            : Polyline(state->currentDC, points, count);
    return ShapeResult(state, ok);
}

int VdPolyPolyline(const POINT* points, const DWORD* counts, int n)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    if (!points || !counts || n <= 0)
        return 1;
    return ShapeResult(state, PolyPolyline(state->currentDC, points, counts, (DWORD)n));
}

typedef BOOL (WINAPI* ArcShape)(HDC, int, int, int, int, int, int, int, int);

/* An arc-like shape from a rectangle and two points, the points swapped by a direction
   whose low byte is non-zero. */
static int DrawArcShape(ArcShape shape, const RECT* rect, const POINT* point1,
                        const POINT* point2, int direction)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    if (!rect || !point1 || !point2)
        return 1;
    if (direction & 0xFF) {
        const POINT* swap = point1;
        point1 = point2;
        point2 = swap;
    }
    return ShapeResult(state, shape(state->currentDC, rect->left, rect->top, rect->right,
                                    rect->bottom, point1->x, point1->y, point2->x, point2->y));
}

int VdArc(const RECT* rect, const POINT* point1, const POINT* point2, int direction)
{
    return DrawArcShape(Arc, rect, point1, point2, direction);
}

int VdChord(const RECT* rect, const POINT* point1, const POINT* point2, int direction)
{
    return DrawArcShape(Chord, rect, point1, point2, direction);
}

int VdPie(const RECT* rect, const POINT* point1, const POINT* point2, int direction)
{
    return DrawArcShape(Pie, rect, point1, point2, direction);
}

int VdAngleArc(int x, int y, int radius, float startAngle, float endAngle, int join)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    float start = startAngle < endAngle ? startAngle : endAngle;
    float sweep = startAngle < endAngle ? endAngle - startAngle : startAngle - endAngle;
    HDC dc = state->currentDC;
    if (join)
        return ShapeResult(state, AngleArc(dc, x, y, (DWORD)radius, start, sweep));
    POINT remembered;
    GetCurrentPositionEx(dc, &remembered);
    double radians = start * 3.1415926 / 180;
    MoveToEx(dc, x + (int)(radius * cos(radians)), y - (int)(radius * sin(radians)), NULL);
    BOOL ok = AngleArc(dc, x, y, (DWORD)radius, start, sweep);
    MoveToEx(dc, remembered.x, remembered.y, NULL);
    return ShapeResult(state, ok);
}

int VdPolyBezier(const POINT* points, int count, int mode)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    if (!points || count <= 0)
        return 1;
    BOOL ok = mode ? PolyBezierTo(state->currentDC, points, (DWORD)count)
                   : PolyBezier(state->currentDC, points, (DWORD)count);
    return ShapeResult(state, ok);
}

int VdRectangle(int left, int top, int right, int bottom)
{
    DisplayState* state = OpenState();
    return state ? ShapeResult(state, Rectangle(state->currentDC, left, top, right, bottom)) : -1;
}

int VdEllipse(int left, int top, int right, int bottom)
{
    DisplayState* state = OpenState();
    return state ? ShapeResult(state, Ellipse(state->currentDC, left, top, right, bottom)) : -1;
}

int VdRoundRect(int left, int top, int right, int bottom, int rx, int ry)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    return ShapeResult(state, RoundRect(state->currentDC, left, top, right, bottom, 2 * rx, 2 * ry));
}

int VdPolygon(const POINT* points, int count)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    if (!points || count <= 0)
        return 1;
    return ShapeResult(state, Polygon(state->currentDC, points, count));
}

int VdPolyPolygon(const POINT* points, const INT* counts, int n)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    if (!points || !counts || n <= 0)
        return 1;
    return ShapeResult(state, PolyPolygon(state->currentDC, points, counts, n));
}

int VdFillRect(const RECT* rect, int style, int hatch, COLORREF colour)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    if (!rect)
        return 1;
    int error = 0;
    HBRUSH brush = CreateRecordBrush(style, hatch, colour, &error);
    if (!brush)
        return error;
    BOOL ok = FillRect(state->currentDC, rect, brush);
    DeleteObject(brush);
    return ShapeResult(state, ok);
}

int VdInvertRect(const RECT* rect)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    return rect ? ShapeResult(state, InvertRect(state->currentDC, rect)) : 1;
}

/* ---- Text -------------------------------------------------------------------------- */

int VdTextOut(int x, int y, const char* text, int length)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    if (!text || length < 0)
        return 0;
    MarkDrawn(state);
    return TextOutA(state->currentDC, x, y, text, length);
}

int VdDrawText(RECT* rect, UINT format, const char* text, int length)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    if (!rect || !text)
        return 0;
    MarkDrawn(state);
    return DrawTextA(state->currentDC, text, length, rect, format);
}

int VdGetTextExtent(const char* text, int length, int* width, int* height)
{
    DisplayState* state = OpenState();
    SIZE size;
    if (!state || !text || length < 0 || !GetTextExtentPoint32A(state->currentDC, text, length, &size))
        return 0;
    if (width)
        *width = size.cx;
    if (height)
        *height = size.cy;
    return 1;
}

/* ---- Targets ----------------------------------------------------------------------- */

static int FillWithSelectedBrush(DisplayState* state, const RECT* rect)
{
    HGDIOBJ brush = GetCurrentObject(state->currentDC, OBJ_BRUSH);
    return ShapeResult(state, FillRect(state->currentDC, rect, (HBRUSH)brush));
}

int VdClearTarget(void)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    RECT client;
    if (!GetClientRect(state->targetWindow ? state->targetWindow : state->window, &client))
        return 1;
    return FillWithSelectedBrush(state, &client);
}

int VdClearTargetRect(int left, int top, int right, int bottom)
{
    DisplayState* state = OpenState();
    if (!state)
        return -1;
    RECT rect = {left, top, right, bottom};
    return FillWithSelectedBrush(state, &rect);
}

int VdReleaseTargetWindow(void)
{
    DisplayState* state = VdState();
    if (!state)
        return 0;
    int released = 0;
    if (state->targetWindow) {
        HDC targetDC = state->currentDC;
        /* The resets act on the target's kept objects while its DC is current. */
        if (targetDC && targetDC != state->memoryDC) {
            HGDIOBJ* kept[] = {&state->targetPen, &state->targetBrush, &state->targetFont};
            for (size_t i = 0; i < sizeof kept / sizeof kept[0]; i++) {
                if (*kept[i]) {
                    HGDIOBJ displaced = SelectObject(targetDC, *kept[i]);
                    if (displaced)
                        DeleteObject(displaced);
                    *kept[i] = NULL;
                }
            }
            released = ReleaseDC(state->targetWindow, targetDC);
        }
        state->targetWindow = NULL;
    }
    state->currentDC = state->memoryDC;
    return released;
}

HDC VdSelectTargetWindow(HWND window)
{
    DisplayState* state = OpenState();
    if (!state)
        return NULL;
    if (window && window != state->window) {
        if (state->currentDC != state->memoryDC)
            VdReleaseTargetWindow();
        HDC dc = GetDC(window);
        if (dc) {
            state->currentDC = dc;
            state->targetWindow = window;
        } else {
            state->currentDC = state->memoryDC;
        }
    } else if (state->currentDC != state->memoryDC) {
        VdReleaseTargetWindow();
    }
    return state->currentDC;
}

HDC VdGetDrawDC(int which)
{
    DisplayState* state = OpenState();
    if (!state)
        return NULL;
    return which == 0 ? state->currentDC : state->memoryDC;
}

HGDIOBJ VdGetCurrentObject(void)
{
    DisplayState* state = OpenState();
    return state ? GetCurrentObject(state->currentDC, OBJ_FONT) : NULL;
}

HGDIOBJ VdGetWindowFont(HWND window)
{
    if (!window)
        window = GfxGetDisplayWindow();
    HDC dc = window ? GetDC(window) : NULL;
    if (!dc)
        return NULL;
    HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    ReleaseDC(window, dc);
    return font;
}
