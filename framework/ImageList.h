#pragma once
#include <windows.h>
#include <commctrl.h>

class CBitmap;
class CDC;

// Owner of one image list: destroyed with the object unless detached. Lists the object
// only borrows (the shell's system list) are attached and detached again by their user.
class CImageList {
public:
    CImageList() = default;
    virtual ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    BOOL Attach(HIMAGELIST imageList);
    HIMAGELIST Detach();
    BOOL DeleteImageList();
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }

    // An empty list of images cx × cy with the ILC_ flags.
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    // The images of a bitmap resource laid side by side, each cx pixels wide; pixels of
    // maskColor are transparent.
    BOOL Create(UINT bitmapId, int cx, int grow, COLORREF maskColor);
    BOOL Create(LPCTSTR bitmapName, int cx, int grow, COLORREF maskColor);

    // Each returns the index of the first image added, or -1.
    int Add(CBitmap* bitmap, COLORREF maskColor);
    int Add(CBitmap* bitmap, CBitmap* mask);
    int Add(HICON icon);
    BOOL Remove(int image);

    int GetImageCount() const;
    BOOL GetImageInfo(int image, IMAGEINFO* info) const;
    // A new icon of the image, for the caller to destroy; null when out of range.
    HICON ExtractIcon(int image);
    COLORREF SetBkColor(COLORREF color);
    BOOL Draw(CDC* dc, int image, POINT point, UINT style);

    HIMAGELIST m_hImageList = nullptr;
};
