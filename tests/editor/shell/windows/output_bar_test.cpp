#include "ShellWindowsTestFrame.h"

#include "framework/Dc.h"
#include "temp_dir.h"

namespace {

CString ListLine(CListBox& list, int index)
{
    CString text;
    list.GetText(index, text);
    return text;
}

// Draws one line of the list into a bitmap as the list would, and tells whether any pixel
// has the colour.
bool DrawsInColour(COutputBar& bar, const char* line, COLORREF colour)
{
    CListBox& list = bar.List();
    list.ResetContent();
    list.AddString(line);
    const int width = 300;
    const int height = 20;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_LISTBOX;
    item.CtlID = COutputBar::kListId;
    item.itemID = 0;
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = list.m_hWnd;
    item.hDC = memory;
    item.rcItem = {0, 0, width, height};
    bar.SendMessage(WM_DRAWITEM, COutputBar::kListId, reinterpret_cast<LPARAM>(&item));
    bool found = false;
    for (int y = 0; y < height && !found; ++y)
        for (int x = 0; x < width && !found; ++x)
            found = ::GetPixel(memory, x, y) == colour;
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return found;
}

} // namespace

TEST_F(ShellWindowsTest, OutputKeepsTheNewest2048LinesWithTheLastOneVisible)
{
    COutputBar& output = m_frame->m_wndOutput;
    CListBox& list = output.List();
    for (int i = 1; i <= OutputLog::kMaxLines + 1; ++i) {
        CString line;
        line.Format("第 %d 行", i);
        ASSERT_TRUE(output.AppendMessage(line));
    }
    PumpPending();
    ASSERT_EQ(list.GetCount(), OutputLog::kMaxLines);
    EXPECT_EQ(ListLine(list, 0), CString("第 2 行"));
    EXPECT_EQ(ListLine(list, OutputLog::kMaxLines - 1), CString("第 2049 行"));
    CRect client;
    list.GetClientRect(&client);
    int rows = client.Height() / list.GetItemHeight(0);
    ASSERT_GT(rows, 0);
    EXPECT_EQ(list.GetTopIndex(), OutputLog::kMaxLines - rows);
}

TEST_F(ShellWindowsTest, OutputLinesTakeTheColourOfTheirLevel)
{
    struct Case {
        const char* line;
        OutputLevel level;
    };
    const Case cases[] = {
        {"[错误] 主程序.墨(3) : 缺少分号", OutputLevel::error},
        {"[警告] 主程序.墨(9) : 变量未用", OutputLevel::warning},
        {"[致命] 无法打开包含文件", OutputLevel::fatal},
        {"[恭喜] 主程序.c(1) 成功生成！", OutputLevel::success},
    };
    COutputBar& output = m_frame->m_wndOutput;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        COLORREF colour = OutputLevelColor(c.level);
        ASSERT_NE(colour, ::GetSysColor(COLOR_WINDOWTEXT));
        EXPECT_TRUE(DrawsInColour(output, c.line, colour));
    }
    EXPECT_FALSE(DrawsInColour(output, "链接完成", OutputLevelColor(OutputLevel::error)));
}

TEST_F(ShellWindowsTest, DoubleClickOnAMessageLineJumpsToItsFileAndLine)
{
    TempDir dir;
    ASSERT_TRUE(::CreateDirectoryA((dir / "程序 (x86)").c_str(), nullptr));
    std::string source = dir.WriteFile("主程序.墨", "");
    dir.WriteFile("程序 (x86)\\图形.接口", "");
    std::string header = dir / "程序 (x86)\\图形.接口";
    dir.WriteFile("旁边.墨", "");
    struct Case {
        std::string line;
        std::string file;  // empty: no jump
        int lineNumber;
    };
    const Case cases[] = {
        {"[错误]" + source + "(12) : 缺少分号", source, 12},
        {"包含于 " + header + "(40)", header, 40},
        {header + "(7) : 类型不符 (1)", header, 7},
        {"[警告]旁边.墨(5) : 相对名字", dir / "旁边.墨", 5},
        {"[错误]" + source + "(0) : 第 0 行", "", 0},
        {"[错误]" + source + "(12 : 没有右括号", "", 0},
        {"[错误]" + dir / "不存在.墨" + "(3) : 找不到", "", 0},
    };
    COutputBar& output = m_frame->m_wndOutput;
    RecordingOutputHost& host = m_frame->m_outputHost;
    host.activeDocument = (dir / "活动.墨").c_str();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        host.opened.clear();
        output.ClearPage(FALSE);
        output.AppendMessage(c.line.c_str());
        PumpPending();
        output.List().SetCurSel(0);
        output.SendMessage(WM_COMMAND, MAKEWPARAM(COutputBar::kListId, LBN_DBLCLK),
                           reinterpret_cast<LPARAM>(output.List().m_hWnd));
        if (c.file.empty()) {
            EXPECT_TRUE(host.opened.empty());
            continue;
        }
        ASSERT_EQ(host.opened.size(), 1u);
        EXPECT_EQ(host.opened[0].first.CompareNoCase(c.file.c_str()), 0) << host.opened[0].first;
        EXPECT_EQ(host.opened[0].second, c.lineNumber);
    }
    EXPECT_EQ(host.positionsPushed, 4);
}

TEST_F(ShellWindowsTest, OutputPagesStepBackAndForth)
{
    COutputBar& output = m_frame->m_wndOutput;
    CListBox& list = output.List();
    output.AppendMessage("第一次编译");
    output.ClearPage(TRUE);
    output.AppendMessage("第二次编译");
    output.ShowPreviousPage();
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(ListLine(list, 0), CString("第一次编译"));
    output.ShowNextPage();
    EXPECT_EQ(ListLine(list, 0), CString("第二次编译"));
    // The newest page is shown: there is nothing after it.
    output.ShowNextPage();
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(ListLine(list, 0), CString("第二次编译"));
}

TEST_F(ShellWindowsTest, InputBoxSendsLinesOnlyWhileAChildRuns)
{
    COutputBar& output = m_frame->m_wndOutput;
    RecordingOutputHost& host = m_frame->m_outputHost;
    auto press = [&](UINT key) {
        MSG msg = {output.InputBox().m_hWnd, WM_KEYDOWN, key, 0};
        EXPECT_TRUE(output.PreTranslateMessage(&msg));
    };
    output.InputBox().SetWindowText("不该发送");
    press(VK_RETURN);
    press(VK_ESCAPE);
    EXPECT_TRUE(host.childInput.empty());
    EXPECT_EQ(host.kills, 0);

    output.ShowInput(TRUE);
    EXPECT_TRUE(output.InputBox().IsWindowVisible() || !m_frame->IsWindowVisible());
    output.InputBox().SetWindowText("张三");
    press(VK_RETURN);
    ASSERT_EQ(host.childInput.size(), 1u);
    EXPECT_EQ(host.childInput[0], CString("张三"));
    EXPECT_EQ(output.InputBox().GetWindowTextLength(), 0);
    press(VK_ESCAPE);
    EXPECT_EQ(host.kills, 1);
    output.ShowInput(FALSE);
    EXPECT_TRUE(output.InputBox().GetStyle() & ES_READONLY);
}

namespace {

// The font a window was given, as the system describes it.
LOGFONTA WindowFont(CWnd& window)
{
    LOGFONTA font = {};
    auto handle = reinterpret_cast<HFONT>(window.SendMessage(WM_GETFONT));
    if (handle != nullptr)
        ::GetObject(handle, sizeof font, &font);
    return font;
}

} // namespace

// The list and the input box take the output font, whose height is kept in tenths of a
// point; the list's rows are as tall as that font's lines, so no row is cut or overlaps.
TEST_F(ShellWindowsTest, OutputListAndInputTakeTheOutputFont)
{
    struct Case {
        const char* face;
        int tenths;
    };
    const Case cases[] = {{"宋体", 90}, {"Courier New", 240}, {"Arial", 60}, {"", 0}};
    COutputBar& output = m_frame->m_wndOutput;
    output.AppendMessage("[错误] 主程序.墨(3) : 缺少分号");
    output.AppendMessage("链接完成");
    PumpPending();
    CClientDC screen(nullptr);
    const int dpi = screen.GetDeviceCaps(LOGPIXELSY);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.face);
        LOGFONTA setting = {};
        lstrcpynA(setting.lfFaceName, c.face, LF_FACESIZE);
        setting.lfHeight = c.tenths;
        setting.lfCharSet = DEFAULT_CHARSET;
        output.SetListFont(setting, TRUE);
        LOGFONTA shown = WindowFont(output.List());
        EXPECT_STREQ(shown.lfFaceName, c.face);
        EXPECT_EQ(shown.lfHeight, -::MulDiv(c.tenths, dpi, 720));
        LOGFONTA input = WindowFont(output.InputBox());
        EXPECT_STREQ(input.lfFaceName, c.face);
        EXPECT_EQ(input.lfHeight, shown.lfHeight);

        TEXTMETRICA metrics = {};
        ScopedSelectObject selected(screen.m_hDC, reinterpret_cast<HGDIOBJ>(output.List().SendMessage(WM_GETFONT)));
        ::GetTextMetricsA(screen.m_hDC, &metrics);
        CRect first, second;
        ASSERT_NE(output.List().SendMessage(LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first)), LB_ERR);
        ASSERT_NE(output.List().SendMessage(LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second)), LB_ERR);
        EXPECT_EQ(first.Height(), metrics.tmHeight + metrics.tmExternalLeading);
        EXPECT_EQ(second.top, first.bottom);
    }
}
