#include "editor/app/ColorStatusBar.h"

#include "framework/CommandIds.h"
#include "framework/Dc.h"
#include "framework/Gdi.h"
#include "framework/WinApp.h"

namespace {

// A memory DC with a compatible bitmap selected, released on every path.
class MemoryCanvas {
public:
    MemoryCanvas(HDC screen, int width, int height)
        : m_dc(::CreateCompatibleDC(screen)), m_bitmap(::CreateCompatibleBitmap(screen, width, height))
    {
        m_oldBitmap = ::SelectObject(m_dc, m_bitmap);
    }
    ~MemoryCanvas()
    {
        ::SelectObject(m_dc, m_oldBitmap);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;
    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_oldBitmap;
};

void FillSolid(HDC dc, const RECT& rect, COLORREF colour)
{
    ::SetBkColor(dc, colour);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

}  // namespace

BEGIN_MESSAGE_MAP(CColorStatusBar, CStatusBar)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CColorStatusBar::SetPaneTextColor(int pane, COLORREF colour)
{
    if (!InRange(pane) || m_colours[pane] == colour)
        return;
    m_colours[pane] = colour;
    InvalidatePane(pane);
}

void CColorStatusBar::SetPaneHighlight(int pane, bool on)
{
    if (!InRange(pane) || (m_highlight[pane] != 0) == on)
        return;
    m_highlight[pane] = on;
    InvalidatePane(pane);
}

void CColorStatusBar::SetPaneTextIfChanged(int pane, const CString& text)
{
    if (pane < GetCount() && GetPaneText(pane) != text) {
        SetPaneText(pane, text, FALSE);
        InvalidatePane(pane);
    }
}

void CColorStatusBar::InvalidatePane(int pane)
{
    if (m_hWnd == nullptr || pane >= GetCount())
        return;
    RECT rect;
    GetItemRect(pane, &rect);
    ::InvalidateRect(m_hWnd, &rect, FALSE);
}

void CColorStatusBar::DrawCentredText(HDC dc, const RECT& rect, const CString& text, COLORREF colour)
{
    SIZE extent = {};
    ::GetTextExtentPoint32A(dc, text, text.GetLength(), &extent);
    ::SetTextColor(dc, colour);
    ::TextOutA(dc, rect.left + (rect.right - extent.cx - rect.left) / 2,
               rect.top + (rect.bottom - extent.cy - rect.top) / 2, text, text.GetLength());
}

void CColorStatusBar::OnPaint()
{
    Default();
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    if (client.right <= 0 || client.bottom <= 0)
        return;
    HDC screen = ::GetDC(m_hWnd);
    {
        MemoryCanvas canvas(screen, client.right, client.bottom);
        HDC dc = canvas.Get();
        ScopedSelectObject font(dc, ::GetStockObject(DEFAULT_GUI_FONT));
        ::SetBkMode(dc, TRANSPARENT);
        COLORREF face = ::GetSysColor(COLOR_BTNFACE);
        for (int pane = 1; pane < GetCount(); ++pane) {
            RECT rect;
            GetItemRect(pane, &rect);
            bool on = m_highlight[pane] != 0;
            FillSolid(dc, rect, on ? m_colours[pane] : face);
            ::SetBkMode(dc, TRANSPARENT);
            DrawCentredText(dc, rect, GetPaneText(pane), on ? face : m_colours[pane]);
            ::BitBlt(screen, rect.left + 1, rect.top + 1, rect.right - rect.left - 2, rect.bottom - rect.top - 2, dc,
                     rect.left + 1, rect.top + 1, SRCCOPY);
        }
    }
    ::ReleaseDC(m_hWnd, screen);
}

void CColorStatusBar::BeginProgress(const char* label, bool waitCursor)
{
    SetPaneText(0, "", FALSE);
    m_progressLabel = label;
    m_drawnPercent = -1;
    m_waitCursor = waitCursor;
    if (waitCursor && AfxGetApp() != nullptr)
        AfxGetApp()->DoWaitCursor(1);
}

void CColorStatusBar::DrawProgress(int percent)
{
    if (m_hWnd == nullptr)
        return;
    percent = percent < 0 ? 0 : percent > 100 ? 100 : percent;
    if (percent == m_drawnPercent)
        return;
    m_drawnPercent = percent;
    RECT pane;
    GetItemRect(0, &pane);
    int width = kProgressWidth;
    int height = pane.bottom - pane.top;
    if (height <= 0)
        return;
    HDC screen = ::GetDC(m_hWnd);
    {
        MemoryCanvas canvas(screen, width, height);
        HDC dc = canvas.Get();
        ScopedSelectObject font(dc, ::GetStockObject(ANSI_VAR_FONT));
        RECT box = {0, 0, width, height};
        FillSolid(dc, box, ::GetSysColor(COLOR_BTNFACE));
        RECT edge = {0, 0, width, 1};
        FillSolid(dc, edge, ::GetSysColor(COLOR_3DSHADOW));
        edge = {0, 0, 1, height};
        FillSolid(dc, edge, ::GetSysColor(COLOR_3DSHADOW));
        edge = {0, height - 1, width, height};
        FillSolid(dc, edge, ::GetSysColor(COLOR_3DHILIGHT));
        edge = {width - 1, 0, width, height};
        FillSolid(dc, edge, ::GetSysColor(COLOR_3DHILIGHT));
        CString text;
        text.Format("%s %i%%", (LPCTSTR)m_progressLabel, percent);
        ::SetBkMode(dc, TRANSPARENT);
        DrawCentredText(dc, box, text, RGB(0, 0, 0));
        int fill = ProgressFill(percent, width);
        HRGN clip = ::CreateRectRgn(0, 0, fill, height);
        ::SelectClipRgn(dc, clip);
        RECT inside = {1, 1, width - 1, height - 1};
        FillSolid(dc, inside, RGB(0, 0, 180));
        ::SetBkMode(dc, TRANSPARENT);
        DrawCentredText(dc, box, text, RGB(255, 255, 255));
        ::SelectClipRgn(dc, nullptr);
        ::DeleteObject(clip);
        ::BitBlt(screen, pane.left, pane.top, width, height, dc, 0, 0, SRCCOPY);
    }
    ::ReleaseDC(m_hWnd, screen);
}

void CColorStatusBar::EndProgress()
{
    CString idle;
    if (!idle.LoadString(AFX_IDS_IDLEMESSAGE))
        idle = "就绪";
    m_progressLabel = idle;
    SetPaneText(0, idle, FALSE);
    if (m_waitCursor && AfxGetApp() != nullptr)
        AfxGetApp()->DoWaitCursor(-1);
    m_waitCursor = false;
    if (m_hWnd != nullptr)
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
}
