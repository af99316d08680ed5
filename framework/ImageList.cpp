#include "framework/ImageList.h"

#include "framework/AppState.h"
#include "framework/Dc.h"
#include "framework/Debug.h"
#include "framework/Gdi.h"

CImageList::~CImageList()
{
    DeleteImageList();
}

BOOL CImageList::Attach(HIMAGELIST imageList)
{
    ASSERT(m_hImageList == nullptr);
    if (!imageList || m_hImageList)
        return FALSE;
    m_hImageList = imageList;
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST imageList = m_hImageList;
    m_hImageList = nullptr;
    return imageList;
}

BOOL CImageList::DeleteImageList()
{
    if (!m_hImageList)
        return FALSE;
    return ImageList_Destroy(Detach());
}

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow)
{
    return Attach(ImageList_Create(cx, cy, flags, initial, grow));
}

BOOL CImageList::Create(UINT bitmapId, int cx, int grow, COLORREF maskColor)
{
    return Create(MAKEINTRESOURCE(bitmapId), cx, grow, maskColor);
}

BOOL CImageList::Create(LPCTSTR bitmapName, int cx, int grow, COLORREF maskColor)
{
    ASSERT(m_hImageList == nullptr);
    if (m_hImageList || cx <= 0)
        return FALSE;
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(bitmapName))
        return FALSE;
    CSize size = bitmap.GetBitmapSize();
    if (size.cx < cx)
        return FALSE;
    // 24-bit colour keeps every colour of the resource whatever the screen depth.
    if (!Create(cx, size.cy, ILC_COLOR24 | ILC_MASK, size.cx / cx, grow))
        return FALSE;
    if (Add(&bitmap, maskColor) < 0) {
        DeleteImageList();
        return FALSE;
    }
    return TRUE;
}

int CImageList::Add(CBitmap* bitmap, COLORREF maskColor)
{
    ASSERT(m_hImageList && bitmap);
    if (!m_hImageList || !bitmap)
        return -1;
    return ImageList_AddMasked(m_hImageList, *bitmap, maskColor);
}

int CImageList::Add(CBitmap* bitmap, CBitmap* mask)
{
    ASSERT(m_hImageList && bitmap);
    if (!m_hImageList || !bitmap)
        return -1;
    return ImageList_Add(m_hImageList, *bitmap, mask ? (HBITMAP)*mask : nullptr);
}

int CImageList::Add(HICON icon)
{
    ASSERT(m_hImageList);
    if (!m_hImageList)
        return -1;
    return ImageList_AddIcon(m_hImageList, icon);
}

BOOL CImageList::Remove(int image)
{
    return ImageList_Remove(m_hImageList, image);
}

int CImageList::GetImageCount() const
{
    return m_hImageList ? ImageList_GetImageCount(m_hImageList) : 0;
}

BOOL CImageList::GetImageInfo(int image, IMAGEINFO* info) const
{
    if (image < 0 || image >= GetImageCount())
        return FALSE;
    return ImageList_GetImageInfo(m_hImageList, image, info);
}

HICON CImageList::ExtractIcon(int image)
{
    if (image < 0 || image >= GetImageCount())
        return nullptr;
    return ImageList_GetIcon(m_hImageList, image, ILD_NORMAL);
}

COLORREF CImageList::SetBkColor(COLORREF color)
{
    return ImageList_SetBkColor(m_hImageList, color);
}

BOOL CImageList::Draw(CDC* dc, int image, POINT point, UINT style)
{
    ASSERT(dc);
    if (!dc || image < 0 || image >= GetImageCount())
        return FALSE;
    return ImageList_Draw(m_hImageList, image, *dc, point.x, point.y, style);
}
