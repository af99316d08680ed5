#pragma once
#include <windows.h>

#include "framework/Geometry.h"

class CDC;

// Owner of one GDI drawing object: the destructor deletes the handle it holds. Objects
// returned by FromHandle (and by CDC::SelectObject) only borrow their handle; they live in
// the calling thread's temporary map until DeleteTempMap, and never delete it.
class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    // Takes ownership of the handle; the object must be empty.
    BOOL Attach(HGDIOBJ object);
    // Gives up the handle without deleting it.
    HGDIOBJ Detach();
    // Deletes the handle now; FALSE when there was none.
    BOOL DeleteObject();

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }
    int GetObject(int size, LPVOID buffer) const;
    UINT GetObjectType() const { return (UINT)::GetObjectType(m_hObject); }

    static CGdiObject* FromHandle(HGDIOBJ object);
    // Frees the borrowed wrappers FromHandle made on this thread (the application calls it
    // when idle); the handles themselves are untouched.
    static void DeleteTempMap();

    HGDIOBJ m_hObject = nullptr;
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    // An empty pen when creation fails.
    CPen(int penStyle, int width, COLORREF color) { CreatePen(penStyle, width, color); }

    BOOL CreatePen(int penStyle, int width, COLORREF color);
    BOOL CreatePenIndirect(const LOGPEN* logPen);
    operator HPEN() const { return (HPEN)m_hObject; }
    int GetLogPen(LOGPEN* logPen) const { return GetObject(sizeof(LOGPEN), logPen); }

    static CPen* FromHandle(HPEN pen);
};

class CBitmap;

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }

    BOOL CreateSolidBrush(COLORREF color);
    BOOL CreateHatchBrush(int hatchStyle, COLORREF color);
    BOOL CreatePatternBrush(CBitmap* bitmap);
    BOOL CreateSysColorBrush(int colorIndex);
    BOOL CreateBrushIndirect(const LOGBRUSH* logBrush);
    operator HBRUSH() const { return (HBRUSH)m_hObject; }
    int GetLogBrush(LOGBRUSH* logBrush) const { return GetObject(sizeof(LOGBRUSH), logBrush); }

    static CBrush* FromHandle(HBRUSH brush);
};

class CFont : public CGdiObject {
public:
    BOOL CreateFontIndirect(const LOGFONT* logFont);
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight,
                    BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet,
                    BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                    BYTE pitchAndFamily, LPCTSTR faceName);
    // pointSize is in tenths of a point (90 = 9 pt), converted for dc (the screen when
    // null) and its mapping mode.
    BOOL CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc = nullptr);
    // As CreatePointFont, with lfHeight of logFont in tenths of a point.
    BOOL CreatePointFontIndirect(const LOGFONT* logFont, CDC* dc = nullptr);
    int GetLogFont(LOGFONT* logFont) const { return GetObject(sizeof(LOGFONT), logFont); }
    operator HFONT() const { return (HFONT)m_hObject; }

    static CFont* FromHandle(HFONT font);
};

class CBitmap : public CGdiObject {
public:
    // From the resource module.
    BOOL LoadBitmap(UINT resourceId);
    BOOL LoadBitmap(LPCTSTR resourceName);
    BOOL LoadOEMBitmap(UINT bitmapId);
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    int GetBitmap(BITMAP* bitmap) const { return GetObject(sizeof(BITMAP), bitmap); }
    // Width and height in pixels; (0, 0) without a bitmap.
    CSize GetBitmapSize() const;
    operator HBITMAP() const { return (HBITMAP)m_hObject; }

    static CBitmap* FromHandle(HBITMAP bitmap);
};

class CRgn : public CGdiObject {
public:
    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    BOOL CreateRectRgnIndirect(LPCRECT rect);
    BOOL CreateEllipticRgn(int left, int top, int right, int bottom);
    BOOL CreatePolygonRgn(const POINT* points, int count, int fillMode);
    // Replaces this region by the combination of a and b; this region must exist.
    int CombineRgn(const CRgn* a, const CRgn* b, int combineMode);
    // Makes this existing region a copy of source.
    int CopyRgn(const CRgn* source);
    BOOL SetRectRgn(int left, int top, int right, int bottom);
    BOOL PtInRegion(int x, int y) const { return ::PtInRegion((HRGN)m_hObject, x, y); }
    BOOL PtInRegion(POINT point) const { return PtInRegion(point.x, point.y); }
    BOOL RectInRegion(LPCRECT rect) const { return ::RectInRegion((HRGN)m_hObject, rect); }
    int GetRgnBox(LPRECT rect) const { return ::GetRgnBox((HRGN)m_hObject, rect); }
    int OffsetRgn(int dx, int dy) { return ::OffsetRgn((HRGN)m_hObject, dx, dy); }
    operator HRGN() const { return (HRGN)m_hObject; }

    static CRgn* FromHandle(HRGN region);
};
