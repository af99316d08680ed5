#include "framework/Dc.h"

#include "framework/Debug.h"
#include "framework/TempHandleMap.h"
#include "framework/Wnd.h"

#include <cstring>

using DcTempMap = TempHandleMap<HDC, CDC, &CDC::m_hDC>;

CDC::~CDC()
{
    DeleteDC();
}

BOOL CDC::Attach(HDC dc)
{
    ASSERT(m_hDC == nullptr);
    if (!dc || m_hDC)
        return FALSE;
    m_hDC = dc;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC dc = m_hDC;
    m_hDC = nullptr;
    return dc;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    return ::DeleteDC(Detach());
}

CDC* CDC::FromHandle(HDC dc)
{
    return DcTempMap::ForThread().Find(dc);
}

void CDC::DeleteTempMap()
{
    DcTempMap::ForThread().Clear();
}

BOOL CDC::CreateCompatibleDC(CDC* dc)
{
    return Attach(::CreateCompatibleDC(dc ? dc->m_hDC : nullptr));
}

int CDC::StartDoc(LPCTSTR documentName)
{
    DOCINFO info = {};
    info.cbSize = sizeof info;
    info.lpszDocName = documentName;
    return ::StartDoc(m_hDC, &info);
}

BOOL CDC::CreateDC(LPCTSTR driver, LPCTSTR device, LPCTSTR output, const DEVMODE* initData)
{
    return Attach(::CreateDC(driver, device, output, initData));
}

CPen* CDC::SelectObject(CPen* pen)
{
    ASSERT(pen);
    return CPen::FromHandle((HPEN)::SelectObject(m_hDC, pen->m_hObject));
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    ASSERT(brush);
    return CBrush::FromHandle((HBRUSH)::SelectObject(m_hDC, brush->m_hObject));
}

CFont* CDC::SelectObject(CFont* font)
{
    ASSERT(font);
    return CFont::FromHandle((HFONT)::SelectObject(m_hDC, font->m_hObject));
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    ASSERT(bitmap);
    return CBitmap::FromHandle((HBITMAP)::SelectObject(m_hDC, bitmap->m_hObject));
}

CGdiObject* CDC::SelectObject(CGdiObject* object)
{
    ASSERT(object);
    return CGdiObject::FromHandle(::SelectObject(m_hDC, object->m_hObject));
}

int CDC::SelectObject(CRgn* region)
{
    return SelectClipRgn(region);
}

CGdiObject* CDC::SelectStockObject(int index)
{
    return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(index)));
}

CFont* CDC::GetCurrentFont() const
{
    return CFont::FromHandle((HFONT)::GetCurrentObject(m_hDC, OBJ_FONT));
}

CPen* CDC::GetCurrentPen() const
{
    return CPen::FromHandle((HPEN)::GetCurrentObject(m_hDC, OBJ_PEN));
}

CBrush* CDC::GetCurrentBrush() const
{
    return CBrush::FromHandle((HBRUSH)::GetCurrentObject(m_hDC, OBJ_BRUSH));
}

CBitmap* CDC::GetCurrentBitmap() const
{
    return CBitmap::FromHandle((HBITMAP)::GetCurrentObject(m_hDC, OBJ_BITMAP));
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT previous = {0, 0};
    ::SetViewportOrgEx(m_hDC, x, y, &previous);
    return previous;
}

CPoint CDC::GetViewportOrg() const
{
    POINT origin = {0, 0};
    ::GetViewportOrgEx(m_hDC, &origin);
    return origin;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT previous = {0, 0};
    ::SetWindowOrgEx(m_hDC, x, y, &previous);
    return previous;
}

CPoint CDC::GetWindowOrg() const
{
    POINT origin = {0, 0};
    ::GetWindowOrgEx(m_hDC, &origin);
    return origin;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    SIZE previous = {0, 0};
    ::SetViewportExtEx(m_hDC, cx, cy, &previous);
    return previous;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    SIZE previous = {0, 0};
    ::SetWindowExtEx(m_hDC, cx, cy, &previous);
    return previous;
}

void CDC::DPtoLP(LPSIZE size) const
{
    POINT points[2] = {{0, 0}, {size->cx, size->cy}};
    ::DPtoLP(m_hDC, points, 2);
    size->cx = points[1].x - points[0].x;
    size->cy = points[1].y - points[0].y;
}

void CDC::LPtoDP(LPSIZE size) const
{
    POINT points[2] = {{0, 0}, {size->cx, size->cy}};
    ::LPtoDP(m_hDC, points, 2);
    size->cx = points[1].x - points[0].x;
    size->cy = points[1].y - points[0].y;
}

int CDC::ExcludeClipRect(int left, int top, int right, int bottom)
{
    return ::ExcludeClipRect(m_hDC, left, top, right, bottom);
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom)
{
    return ::IntersectClipRect(m_hDC, left, top, right, bottom);
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT previous = {0, 0};
    ::MoveToEx(m_hDC, x, y, &previous);
    return previous;
}

CPoint CDC::GetCurrentPosition() const
{
    POINT position = {0, 0};
    ::GetCurrentPositionEx(m_hDC, &position);
    return position;
}

BOOL CDC::Arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY)
{
    return ::Arc(m_hDC, left, top, right, bottom, startX, startY, endX, endY);
}

BOOL CDC::Arc(LPCRECT rect, POINT start, POINT end)
{
    return Arc(rect->left, rect->top, rect->right, rect->bottom, start.x, start.y, end.x, end.y);
}

BOOL CDC::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    return ::RoundRect(m_hDC, left, top, right, bottom, cornerWidth, cornerHeight);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color)
{
    COLORREF previous = ::SetBkColor(m_hDC, color);
    ::ExtTextOut(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, previous);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
{
    CRect rect(x, y, x + cx, y + cy);
    FillSolidRect(&rect, color);
}

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight)
{
    int x = rect->left;
    int y = rect->top;
    int cx = rect->right - rect->left;
    int cy = rect->bottom - rect->top;
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, bottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, bottomRight);
}

BOOL CDC::FrameRgn(CRgn* region, CBrush* brush, int width, int height)
{
    return ::FrameRgn(m_hDC, *region, *brush, width, height);
}

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop)
{
    return ::PatBlt(m_hDC, x, y, width, height, rop);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop)
{
    return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX, sourceY, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                     int sourceWidth, int sourceHeight, DWORD rop)
{
    return ::StretchBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX,
                        sourceY, sourceWidth, sourceHeight, rop);
}

BOOL CDC::TextOut(int x, int y, LPCTSTR text, int count)
{
    if (!text || count < 0)
        return FALSE;
    return ::TextOut(m_hDC, x, y, text, count);
}

BOOL CDC::ExtTextOut(int x, int y, UINT options, LPCRECT rect, LPCTSTR text, UINT count, const int* widths)
{
    return ::ExtTextOut(m_hDC, x, y, options, rect, text, count, widths);
}

BOOL CDC::ExtTextOut(int x, int y, UINT options, LPCRECT rect, const CString& text, const int* widths)
{
    return ExtTextOut(x, y, options, rect, text, (UINT)text.GetLength(), widths);
}

int CDC::DrawText(LPCTSTR text, int count, LPRECT rect, UINT format)
{
    if (!text)
        return 0;
    return ::DrawText(m_hDC, text, count, rect, format);
}

int CDC::DrawText(const CString& text, LPRECT rect, UINT format)
{
    return DrawText(text, text.GetLength(), rect, format);
}

CSize CDC::GetTextExtent(LPCTSTR text, int count) const
{
    SIZE size = {0, 0};
    if (text && count > 0)
        ::GetTextExtentPoint32(m_hDC, text, count, &size);
    return size;
}

BOOL CDC::GetCharWidth(UINT firstChar, UINT lastChar, LPINT widths) const
{
    return ::GetCharWidth(m_hDC, firstChar, lastChar, widths);
}

int CDC::GetTextFace(CString& faceName) const
{
    char buffer[LF_FACESIZE] = "";
    int length = ::GetTextFace(m_hDC, LF_FACESIZE, buffer);
    faceName = buffer;
    return length;
}

CPaintDC::CPaintDC(CWnd* window) : m_hWnd(window ? window->GetSafeHwnd() : nullptr)
{
    ASSERT(m_hWnd);
    std::memset(&m_ps, 0, sizeof m_ps);
    if (m_hWnd)
        m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    if (m_hWnd && m_hDC)
        ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* window) : m_hWnd(window ? window->GetSafeHwnd() : nullptr)
{
    m_hDC = ::GetDC(m_hWnd);
}

CClientDC::~CClientDC()
{
    if (m_hDC)
        ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* window) : m_hWnd(window ? window->GetSafeHwnd() : nullptr)
{
    m_hDC = ::GetWindowDC(m_hWnd);
}

CWindowDC::~CWindowDC()
{
    if (m_hDC)
        ::ReleaseDC(m_hWnd, Detach());
}
