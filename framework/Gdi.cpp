#include "framework/Gdi.h"

#include "framework/AppState.h"
#include "framework/Dc.h"
#include "framework/Debug.h"
#include "framework/TempHandleMap.h"

#include <cstdlib>
#include <cstring>

using GdiTempMap = TempHandleMap<HGDIOBJ, CGdiObject, &CGdiObject::m_hObject>;

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ object)
{
    ASSERT(m_hObject == nullptr);
    if (!object || m_hObject)
        return FALSE;
    m_hObject = object;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ object = m_hObject;
    m_hObject = nullptr;
    return object;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int size, LPVOID buffer) const
{
    if (!m_hObject)
        return 0;
    return ::GetObject(m_hObject, size, buffer);
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ object)
{
    return GdiTempMap::ForThread().Find<CGdiObject>(object);
}

void CGdiObject::DeleteTempMap()
{
    GdiTempMap::ForThread().Clear();
}

BOOL CPen::CreatePen(int penStyle, int width, COLORREF color)
{
    return Attach(::CreatePen(penStyle, width, color));
}

BOOL CPen::CreatePenIndirect(const LOGPEN* logPen)
{
    return Attach(::CreatePenIndirect(logPen));
}

CPen* CPen::FromHandle(HPEN pen)
{
    return GdiTempMap::ForThread().Find<CPen>(pen);
}

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    return Attach(::CreateSolidBrush(color));
}

BOOL CBrush::CreateHatchBrush(int hatchStyle, COLORREF color)
{
    return Attach(::CreateHatchBrush(hatchStyle, color));
}

BOOL CBrush::CreatePatternBrush(CBitmap* bitmap)
{
    ASSERT(bitmap && bitmap->m_hObject);
    if (!bitmap || !bitmap->m_hObject)
        return FALSE;
    return Attach(::CreatePatternBrush(*bitmap));
}

BOOL CBrush::CreateSysColorBrush(int colorIndex)
{
    // The system's colour brushes are shared and must never be deleted, so this object
    // owns a solid brush of the same colour instead.
    return CreateSolidBrush(::GetSysColor(colorIndex));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* logBrush)
{
    return Attach(::CreateBrushIndirect(logBrush));
}

CBrush* CBrush::FromHandle(HBRUSH brush)
{
    return GdiTempMap::ForThread().Find<CBrush>(brush);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont)
{
    return Attach(::CreateFontIndirect(logFont));
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet,
                       BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                       BYTE pitchAndFamily, LPCTSTR faceName)
{
    return Attach(::CreateFont(height, width, escapement, orientation, weight, italic, underline,
                               strikeOut, charSet, outPrecision, clipPrecision, quality,
                               pitchAndFamily, faceName));
}

BOOL CFont::CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc)
{
    LOGFONT logFont;
    std::memset(&logFont, 0, sizeof logFont);
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = pointSize;
    if (faceName)
        lstrcpyn(logFont.lfFaceName, faceName, LF_FACESIZE);
    return CreatePointFontIndirect(&logFont, dc);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* logFont, CDC* dc)
{
    if (!logFont)
        return FALSE;
    HDC screen = nullptr;
    HDC measure = dc ? dc->GetSafeHdc() : nullptr;
    if (!measure)
        measure = screen = ::GetDC(nullptr);
    if (!measure)
        return FALSE;

    // Tenths of a point to device pixels, then to the DC's logical units; the difference of
    // two converted points keeps the origin of the mapping out of the height.
    LOGFONT converted = *logFont;
    POINT height = {0, ::MulDiv(::GetDeviceCaps(measure, LOGPIXELSY), logFont->lfHeight, 720)};
    POINT origin = {0, 0};
    ::DPtoLP(measure, &height, 1);
    ::DPtoLP(measure, &origin, 1);
    converted.lfHeight = -std::abs(height.y - origin.y);
    if (screen)
        ::ReleaseDC(nullptr, screen);
    return CreateFontIndirect(&converted);
}

CFont* CFont::FromHandle(HFONT font)
{
    return GdiTempMap::ForThread().Find<CFont>(font);
}

BOOL CBitmap::LoadBitmap(UINT resourceId)
{
    return LoadBitmap(MAKEINTRESOURCE(resourceId));
}

BOOL CBitmap::LoadBitmap(LPCTSTR resourceName)
{
    return Attach(::LoadBitmap(AfxGetResourceHandle(), resourceName));
}

BOOL CBitmap::LoadOEMBitmap(UINT bitmapId)
{
    return Attach(::LoadBitmap(nullptr, MAKEINTRESOURCE(bitmapId)));
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
    return Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    ASSERT(dc && dc->GetSafeHdc());
    if (!dc || !dc->GetSafeHdc())
        return FALSE;
    return Attach(::CreateCompatibleBitmap(*dc, width, height));
}

CSize CBitmap::GetBitmapSize() const
{
    BITMAP info;
    if (GetBitmap(&info) == 0)
        return CSize();
    return CSize(info.bmWidth, info.bmHeight);
}

CBitmap* CBitmap::FromHandle(HBITMAP bitmap)
{
    return GdiTempMap::ForThread().Find<CBitmap>(bitmap);
}

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom)
{
    return Attach(::CreateRectRgn(left, top, right, bottom));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT rect)
{
    return Attach(::CreateRectRgnIndirect(rect));
}

BOOL CRgn::CreateEllipticRgn(int left, int top, int right, int bottom)
{
    return Attach(::CreateEllipticRgn(left, top, right, bottom));
}

BOOL CRgn::CreatePolygonRgn(const POINT* points, int count, int fillMode)
{
    return Attach(::CreatePolygonRgn(points, count, fillMode));
}

int CRgn::CombineRgn(const CRgn* a, const CRgn* b, int combineMode)
{
    ASSERT(m_hObject && a);
    if (!m_hObject || !a)
        return ERROR;
    return ::CombineRgn(*this, *a, b ? (HRGN)*b : nullptr, combineMode);
}

int CRgn::CopyRgn(const CRgn* source)
{
    return CombineRgn(source, nullptr, RGN_COPY);
}

BOOL CRgn::SetRectRgn(int left, int top, int right, int bottom)
{
    ASSERT(m_hObject);
    return m_hObject && ::SetRectRgn(*this, left, top, right, bottom);
}

CRgn* CRgn::FromHandle(HRGN region)
{
    return GdiTempMap::ForThread().Find<CRgn>(region);
}
