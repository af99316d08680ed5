#include <gtest/gtest.h>

#include "framework/Wnd.h"

#include <string>

namespace {

// Records how the map's entries took each message apart.
class CrackingWindow : public CWnd {
public:
    std::string last;

    void OnLButtonDown(UINT flags, CPoint point) { Record("LButtonDown", flags, point.x, point.y); }
    void OnMouseMove(UINT flags, CPoint point) { Record("MouseMove", flags, point.x, point.y); }
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point)
    {
        Record("MouseWheel", flags, delta, point.x, point.y);
        return TRUE;
    }
    void OnSize(UINT type, int cx, int cy) { Record("Size", type, cx, cy); }
    void OnMove(int x, int y) { Record("Move", x, y); }
    void OnKeyDown(UINT key, UINT repeat, UINT flags) { Record("KeyDown", key, repeat, flags); }
    void OnChar(UINT ch, UINT repeat, UINT flags) { Record("Char", ch, repeat, flags); }
    void OnTimer(UINT_PTR id) { Record("Timer", static_cast<long>(id)); }
    LRESULT OnNcHitTest(CPoint point)
    {
        Record("NcHitTest", point.x, point.y);
        return HTCAPTION;
    }
    void OnVScroll(UINT code, UINT pos, CWnd* bar) { Record("VScroll", code, pos, bar == nullptr); }
    void OnActivateApp(BOOL active, DWORD thread) { Record("ActivateApp", active, static_cast<long>(thread)); }
    void OnContextMenu(CWnd*, CPoint point) { Record("ContextMenu", point.x, point.y); }

    DECLARE_MESSAGE_MAP()

private:
    template <class... Values>
    void Record(const char* name, Values... values)
    {
        last = name;
        for (long value : {static_cast<long>(values)...})
            last += " " + std::to_string(value);
    }
};

BEGIN_MESSAGE_MAP(CrackingWindow, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_TIMER()
    ON_WM_NCHITTEST()
    ON_WM_VSCROLL()
    ON_WM_ACTIVATEAPP()
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

LPARAM Pack(int low, int high)
{
    return MAKELPARAM(static_cast<WORD>(low), static_cast<WORD>(high));
}

TEST(MessageCracking, HandlersGetTheParametersWithTheirSignsAndScrollPositionsAbove32767)
{
    CrackingWindow window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    const struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        const char* expected;
        LRESULT result;
    } cases[] = {
        {WM_LBUTTONDOWN, MK_SHIFT, Pack(-5, 7), "LButtonDown 4 -5 7", 0},
        {WM_MOUSEMOVE, MK_LBUTTON, Pack(300, -2), "MouseMove 1 300 -2", 0},
        {WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, static_cast<WORD>(-240)), Pack(-1, -1), "MouseWheel 8 -240 -1 -1", 1},
        {WM_SIZE, SIZE_MAXIMIZED, Pack(640, 480), "Size 2 640 480", 0},
        {WM_MOVE, 0, Pack(-8, -8), "Move -8 -8", 0},
        {WM_KEYDOWN, VK_F3, 0x003D0001, "KeyDown 114 1 61", 0},
        {WM_CHAR, 0xD6, 0x00000003, "Char 214 3 0", 0},
        {WM_TIMER, 32781, 0, "Timer 32781", 0},
        {WM_NCHITTEST, 0, Pack(-100, 20), "NcHitTest -100 20", HTCAPTION},
        {WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 60000), 0, "VScroll 5 60000 1", 0},
        {WM_ACTIVATEAPP, TRUE, 1234, "ActivateApp 1 1234", 0},
        {WM_CONTEXTMENU, 0, Pack(-1, -1), "ContextMenu -1 -1", 0},
    };
    for (const auto& c : cases) {
        window.last.clear();
        LRESULT result = window.SendMessage(c.message, c.wParam, c.lParam);
        EXPECT_EQ(window.last, c.expected);
        EXPECT_EQ(result, c.result) << c.expected;
    }
}

} // namespace
