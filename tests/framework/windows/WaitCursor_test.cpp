#include <gtest/gtest.h>

#include "framework/WaitCursor.h"
#include "framework/Wnd.h"

namespace {

TEST(WaitCursor, WaitsNestAndTheWindowsKeepTheHourglassMeanwhile)
{
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    LPARAM clientHit = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
    {
        CWaitCursor outer;
        window.BeginWaitCursor();
        EXPECT_EQ(WaitCursorCount(), 2);
        EXPECT_TRUE(window.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(window.m_hWnd), clientHit));
        EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_WAIT));
        window.EndWaitCursor();
        EXPECT_EQ(WaitCursorCount(), 1);
    }
    EXPECT_EQ(WaitCursorCount(), 0);
    window.EndWaitCursor();
    EXPECT_EQ(WaitCursorCount(), 0) << "an unmatched end is ignored";
}

} // namespace
