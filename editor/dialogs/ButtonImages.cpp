#include "editor/dialogs/ButtonImages.h"

#include "framework/Wnd.h"

CButtonImages::~CButtonImages()
{
    for (HICON icon : m_icons)
        ::DestroyIcon(icon);
}

bool CButtonImages::Load(UINT bitmapId, int imageWidth)
{
    return m_images.GetSafeHandle() || m_images.Create(bitmapId, imageWidth, 0, RGB(255, 0, 255));
}

void CButtonImages::Put(CWnd& dialog, int buttonId, int image)
{
    HWND button = ::GetDlgItem(dialog.m_hWnd, buttonId);
    HICON icon = button && m_images.GetSafeHandle() ? m_images.ExtractIcon(image) : nullptr;
    if (!icon)
        return;
    m_icons.push_back(icon);
    ::SetWindowLongA(button, GWL_STYLE, ::GetWindowLongA(button, GWL_STYLE) | BS_ICON);
    ::SendMessageA(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}
