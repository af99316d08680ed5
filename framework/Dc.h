#pragma once
#include <windows.h>

#include "framework/CString.h"
#include "framework/Gdi.h"
#include "framework/Geometry.h"

class CWnd;

// A device context. An object made by CreateCompatibleDC, CreateDC or Attach owns its
// handle and deletes it; CDC::FromHandle gives a borrowed wrapper that never does. Objects
// selected into the DC are the caller's to put back before they are deleted (ScopedSelectObject
// does that for a scope).
class CDC {
public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Takes ownership of dc; the object must be empty.
    BOOL Attach(HDC dc);
    HDC Detach();
    BOOL DeleteDC();
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    static CDC* FromHandle(HDC dc);
    // Frees this thread's borrowed wrappers (the application calls it when idle).
    static void DeleteTempMap();

    // A memory DC compatible with dc (the screen when null).
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL CreateDC(LPCTSTR driver, LPCTSTR device, LPCTSTR output, const DEVMODE* initData);
    int SaveDC() { return ::SaveDC(m_hDC); }
    BOOL RestoreDC(int savedDc) { return ::RestoreDC(m_hDC, savedDc); }
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }

    // Each returns the object selected before, as a borrowed wrapper (null on failure).
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    CGdiObject* SelectObject(CGdiObject* object);
    // A region selects as the clipping region; the result is the region's complexity.
    int SelectObject(CRgn* region);
    CGdiObject* SelectStockObject(int index);
    CFont* GetCurrentFont() const;
    CPen* GetCurrentPen() const;
    CBrush* GetCurrentBrush() const;
    CBitmap* GetCurrentBitmap() const;

    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
    COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
    COLORREF GetBkColor() const { return ::GetBkColor(m_hDC); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    int GetBkMode() const { return ::GetBkMode(m_hDC); }
    int SetROP2(int drawMode) { return ::SetROP2(m_hDC, drawMode); }
    int GetROP2() const { return ::GetROP2(m_hDC); }
    UINT SetTextAlign(UINT flags) { return ::SetTextAlign(m_hDC, flags); }
    int SetStretchBltMode(int mode) { return ::SetStretchBltMode(m_hDC, mode); }

    int SetMapMode(int mapMode) { return ::SetMapMode(m_hDC, mapMode); }
    int GetMapMode() const { return ::GetMapMode(m_hDC); }
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }
    CPoint GetViewportOrg() const;
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }
    CPoint GetWindowOrg() const;
    CSize SetViewportExt(int cx, int cy);
    CSize SetWindowExt(int cx, int cy);
    void DPtoLP(LPPOINT points, int count = 1) const { ::DPtoLP(m_hDC, points, count); }
    void DPtoLP(LPRECT rect) const { ::DPtoLP(m_hDC, (LPPOINT)rect, 2); }
    // A size converts as a distance: the result does not depend on the origins.
    void DPtoLP(LPSIZE size) const;
    void LPtoDP(LPPOINT points, int count = 1) const { ::LPtoDP(m_hDC, points, count); }
    void LPtoDP(LPRECT rect) const { ::LPtoDP(m_hDC, (LPPOINT)rect, 2); }
    void LPtoDP(LPSIZE size) const;

    int SelectClipRgn(CRgn* region) { return ::SelectClipRgn(m_hDC, region ? (HRGN)*region : nullptr); }
    int ExcludeClipRect(int left, int top, int right, int bottom);
    int ExcludeClipRect(LPCRECT rect) { return ExcludeClipRect(rect->left, rect->top, rect->right, rect->bottom); }
    int IntersectClipRect(int left, int top, int right, int bottom);
    int IntersectClipRect(LPCRECT rect) { return IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom); }
    int GetClipBox(LPRECT rect) const { return ::GetClipBox(m_hDC, rect); }

    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
    CPoint GetCurrentPosition() const;
    BOOL Polyline(const POINT* points, int count) { return ::Polyline(m_hDC, points, count); }
    BOOL Polygon(const POINT* points, int count) { return ::Polygon(m_hDC, points, count); }
    BOOL Arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY);
    BOOL Arc(LPCRECT rect, POINT start, POINT end);
    BOOL Rectangle(int left, int top, int right, int bottom) { return ::Rectangle(m_hDC, left, top, right, bottom); }
    BOOL Rectangle(LPCRECT rect) { return Rectangle(rect->left, rect->top, rect->right, rect->bottom); }
    BOOL Ellipse(int left, int top, int right, int bottom) { return ::Ellipse(m_hDC, left, top, right, bottom); }
    BOOL Ellipse(LPCRECT rect) { return Ellipse(rect->left, rect->top, rect->right, rect->bottom); }
    BOOL RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    COLORREF SetPixel(int x, int y, COLORREF color) { return ::SetPixel(m_hDC, x, y, color); }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

    void FillRect(LPCRECT rect, CBrush* brush) { ::FillRect(m_hDC, rect, (HBRUSH)*brush); }
    void FrameRect(LPCRECT rect, CBrush* brush) { ::FrameRect(m_hDC, rect, (HBRUSH)*brush); }
    void InvertRect(LPCRECT rect) { ::InvertRect(m_hDC, rect); }
    void DrawFocusRect(LPCRECT rect) { ::DrawFocusRect(m_hDC, rect); }
    // Fills with a solid colour without a brush; the background colour is left as it was.
    void FillSolidRect(LPCRECT rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    // Top and left edges in topLeft, bottom and right edges in bottomRight, one pixel wide.
    void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
    BOOL DrawEdge(LPRECT rect, UINT edge, UINT flags) { return ::DrawEdge(m_hDC, rect, edge, flags); }
    BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }
    BOOL FillRgn(CRgn* region, CBrush* brush) { return ::FillRgn(m_hDC, *region, *brush); }
    BOOL FrameRgn(CRgn* region, CBrush* brush, int width, int height);
    BOOL InvertRgn(CRgn* region) { return ::InvertRgn(m_hDC, *region); }

    BOOL PatBlt(int x, int y, int width, int height, DWORD rop);
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                    int sourceWidth, int sourceHeight, DWORD rop);

    BOOL TextOut(int x, int y, LPCTSTR text, int count);
    BOOL TextOut(int x, int y, const CString& text) { return TextOut(x, y, text, text.GetLength()); }
    BOOL ExtTextOut(int x, int y, UINT options, LPCRECT rect, LPCTSTR text, UINT count, const int* widths);
    BOOL ExtTextOut(int x, int y, UINT options, LPCRECT rect, const CString& text, const int* widths);
    // count -1: the text up to its terminator. Returns the height of the text drawn.
    int DrawText(LPCTSTR text, int count, LPRECT rect, UINT format);
    int DrawText(const CString& text, LPRECT rect, UINT format);
    CSize GetTextExtent(LPCTSTR text, int count) const;
    CSize GetTextExtent(const CString& text) const { return GetTextExtent(text, text.GetLength()); }
    CSize GetOutputTextExtent(LPCTSTR text, int count) const { return GetTextExtent(text, count); }
    CSize GetOutputTextExtent(const CString& text) const { return GetTextExtent(text); }
    BOOL GetTextMetrics(LPTEXTMETRIC metrics) const { return ::GetTextMetrics(m_hDC, metrics); }
    BOOL GetCharWidth(UINT firstChar, UINT lastChar, LPINT widths) const;
    int GetTextFace(CString& faceName) const;

    // Printing. IsPrinting tells drawing code that it draws a printed or previewed page;
    // the print loop and the preview set m_bPrinting on their DCs.
    int StartDoc(LPDOCINFO docInfo) { return ::StartDoc(m_hDC, docInfo); }
    // A job named documentName (its title in the printer's queue).
    int StartDoc(LPCTSTR documentName);
    int StartPage() { return ::StartPage(m_hDC); }
    int EndPage() { return ::EndPage(m_hDC); }
    int EndDoc() { return ::EndDoc(m_hDC); }
    int AbortDoc() { return ::AbortDoc(m_hDC); }
    int SetAbortProc(ABORTPROC abortProc) { return ::SetAbortProc(m_hDC, abortProc); }
    BOOL IsPrinting() const { return m_bPrinting; }

    HDC m_hDC = nullptr;
    BOOL m_bPrinting = FALSE;
};

// Selects a pen, brush, font or bitmap into a DC for a scope and puts back the one it
// replaced. (A region is no selected object: it is copied as the clipping region.)
class ScopedSelectObject {
public:
    ScopedSelectObject(CDC& dc, CGdiObject& object)
        : m_dc(dc.m_hDC), m_previous(object.GetObjectType() == OBJ_REGION ? nullptr : ::SelectObject(dc, object))
    {
    }
    // The same for a handle the caller owns or borrows (a stock object, a cached font).
    ScopedSelectObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(::SelectObject(dc, object)) {}
    ~ScopedSelectObject()
    {
        if (m_previous)
            ::SelectObject(m_dc, m_previous);
    }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// The DC of a WM_PAINT handler: BeginPaint in the constructor, EndPaint in the destructor.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};

// The client area's DC of a window (the screen for null), released in the destructor.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* window);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};

// The whole window's DC, frame included (the screen for null), released in the destructor.
class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* window);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};
