#include "framework/Dc.h"
#include "framework/Wnd.h"

#include <gtest/gtest.h>

namespace {

// Paints its update region in one colour and remembers what it was asked to paint.
class PaintedWindow : public CWnd {
public:
    PaintedWindow()
    {
        CreateEx(0, nullptr, "绘制", WS_POPUP | WS_VISIBLE, 0, 0, 100, 80, nullptr, nullptr);
    }
    ~PaintedWindow() override { DestroyWindow(); }

    int m_paints = 0;
    CRect m_painted;
    HDC m_paintDc = nullptr;

protected:
    void OnPaint()
    {
        CPaintDC dc(this);
        ++m_paints;
        m_painted = dc.m_ps.rcPaint;
        m_paintDc = dc.GetSafeHdc();
        dc.FillSolidRect(&dc.m_ps.rcPaint, RGB(0, 0, 255));
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PaintedWindow, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

} // namespace

TEST(WindowDcTest, PaintDcPaintsTheUpdateRegionAndValidatesIt)
{
    PaintedWindow window;
    ASSERT_NE(nullptr, window.GetSafeHwnd());
    window.UpdateWindow();
    int before = window.m_paints;
    CRect dirty(10, 10, 30, 20);
    window.InvalidateRect(&dirty, FALSE);
    window.UpdateWindow();
    EXPECT_EQ(before + 1, window.m_paints);
    EXPECT_EQ(dirty, window.m_painted);
    EXPECT_NE(nullptr, window.m_paintDc);
    CRect remaining;
    EXPECT_FALSE(::GetUpdateRect(window, &remaining, FALSE));
}

TEST(WindowDcTest, ClientAndWindowDcsReleaseTheirHandles)
{
    PaintedWindow window;
    HDC client;
    {
        CClientDC dc(&window);
        client = dc.GetSafeHdc();
        ASSERT_NE(nullptr, client);
        CRect area;
        window.GetClientRect(&area);
        // The client DC's origin is the client area's top-left corner.
        EXPECT_EQ(CPoint(0, 0), dc.GetViewportOrg());
        EXPECT_NE(ERROR, dc.GetClipBox(&area));
    }
    // A released window DC is no longer the window's.
    EXPECT_EQ(nullptr, ::WindowFromDC(client));
    {
        CWindowDC dc(&window);
        EXPECT_NE(nullptr, dc.GetSafeHdc());
    }
    CClientDC screen(nullptr);
    EXPECT_GT(screen.GetDeviceCaps(HORZRES), 0);
}
