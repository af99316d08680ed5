#include "ShellWindowsTestFrame.h"

#include "editor/res/resource.h"
#include "editor/shell/SystemClipboard.h"

#include <string>

namespace {

// The CF_TEXT bytes on the clipboard; "<none>" when it holds no text.
std::string ClipboardBytes()
{
    std::string bytes = "<none>";
    if (!::OpenClipboard(nullptr))
        return bytes;
    ReadTextBytes(::GetClipboardData(CF_TEXT), bytes);
    ::CloseClipboard();
    return bytes;
}

void PutMarker()
{
    CSystemClipboard clipboard(nullptr);
    ASSERT_TRUE(clipboard.PutText("旧内容", 6));
}

// The items of the popup menu the frame is asked to initialise, read once the menu waits
// for input and then closed.
struct MenuCapture {
    HMENU menu = nullptr;
    std::vector<std::pair<UINT, std::string>> items;
    int shown = 0;
};
MenuCapture* g_capture = nullptr;

LRESULT CALLBACK WatchMenu(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && g_capture != nullptr) {
        if (message->message == WM_INITMENUPOPUP) {
            g_capture->menu = reinterpret_cast<HMENU>(message->wParam);
        } else if (message->message == WM_ENTERIDLE && message->wParam == MSGF_MENU && g_capture->menu != nullptr) {
            HMENU menu = g_capture->menu;
            g_capture->menu = nullptr;
            ++g_capture->shown;
            for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
                char text[64] = {};
                ::GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
                g_capture->items.emplace_back(::GetMenuItemID(menu, i), text);
            }
            ::EndMenu();
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Closes a menu that never reports itself idle, so that a fault fails the test instead of
// hanging it.
void CALLBACK CloseStuckMenu(HWND, UINT, UINT_PTR, DWORD)
{
    ::EndMenu();
}

} // namespace

// 复制内容 puts every line joined by CR LF (none after the last, empty lines kept) as GBK text;
// 复制本行 puts the selected line, and nothing when the selection is empty or missing.
TEST_F(ShellWindowsTest, OutputCopiesItsLinesOrTheSelectedLineToTheClipboard)
{
    COutputBar& output = m_frame->m_wndOutput;
    CSystemClipboard clipboard(m_frame->m_hWnd);
    PutMarker();
    EXPECT_FALSE(output.HasLines());
    EXPECT_FALSE(output.CopyAllLines(clipboard));
    EXPECT_EQ(ClipboardBytes(), "旧内容");

    for (const char* line : {"[错误] 主程序.墨(3) : 缺少分号", "", "\t完成"})
        output.AppendMessage(line);
    EXPECT_TRUE(output.HasLines());
    ASSERT_TRUE(output.CopyAllLines(clipboard));
    EXPECT_EQ(ClipboardBytes(), "[错误] 主程序.墨(3) : 缺少分号\r\n\r\n\t完成");
    // The text is GBK, the system's double-byte code page: 错 is B4 ED.
    EXPECT_EQ(ClipboardBytes().substr(1, 2), "\xB4\xED");

    struct Case {
        int selection;
        bool copied;
        const char* clipboard;
    };
    const Case cases[] = {
        {-1, false, "旧内容"},
        {1, false, "旧内容"},
        {0, true, "[错误] 主程序.墨(3) : 缺少分号"},
        {2, true, "\t完成"},
    };
    for (const Case& c : cases) {
        PutMarker();
        output.List().SetCurSel(c.selection);
        EXPECT_EQ(output.SelectedLine().IsEmpty(), !c.copied) << c.selection;
        EXPECT_EQ(output.CopySelectedLine(clipboard), c.copied) << c.selection;
        EXPECT_EQ(ClipboardBytes(), c.clipboard) << c.selection;
    }

    output.ClearPage(TRUE);
    EXPECT_FALSE(output.HasLines());
}

// A right click in the list and the menu key both open the output menu for the frame.
TEST_F(ShellWindowsTest, OutputContextMenuOpensOnRightClickAndMenuKey)
{
    COutputBar& output = m_frame->m_wndOutput;
    output.AppendMessage("一行");
    PumpPending();
    const std::vector<std::pair<UINT, std::string>> expected = {
        {ID_OUTPUT_COPY_LINE, "复制本行"}, {ID_OUTPUT_COPY_ALL, "复制内容"}, {ID_OUTPUT_CLEAR, "清除内容"},
        {ID_SEND_CHILD_INPUT, "发送输入..."}, {ID_KILL_CHILD, "结束进程"}, {ID_OUTPUT_HIDE, "隐藏"},
    };
    MenuCapture capture;
    g_capture = &capture;
    HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROC, WatchMenu, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    UINT_PTR timer = ::SetTimer(nullptr, 0, 5000, CloseStuckMenu);

    CListBox& list = output.List();
    list.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 5));
    list.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(10, 5));
    EXPECT_EQ(capture.shown, 1);
    EXPECT_EQ(capture.items, expected);

    capture.items.clear();
    list.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list.m_hWnd), MAKELPARAM(-1, -1));
    EXPECT_EQ(capture.shown, 2);
    EXPECT_EQ(capture.items, expected);

    ::KillTimer(nullptr, timer);
    ::UnhookWindowsHookEx(hook);
    g_capture = nullptr;
}
