// The built IDE, started as its users start it: a copy of 墨语言编辑器.exe in a seeded
// program folder of its own, files on its command line, and a second start that hands its
// files over to the first.
#include "IdeFixture.h"
#include "real_input.h"
#include "editor/res/resource.h"
#include "framework/CommandIds.h"

#include <commctrl.h>
#include <cstddef>
#include <shlwapi.h>
#include <dlgs.h>
#include <gtest/gtest.h>

namespace {

class IdeTest : public IdeFixture {
protected:
    void SetUp() override
    {
        IdeFixture::SetUp();
        if (HasFatalFailure())
            return;
        std::string lines;
        for (int i = 1; i <= 40; ++i)
            lines += "第" + std::to_string(i) + "行\r\n";
        for (const char* name : {"甲.墨", "乙.墨", "丙.墨", "丁.墨"})
            m_install.WriteFile(std::string("work\\") + name, lines);
    }
};

// Types a character at the caret of the active document window's first view.
void TypeAtCaret(HWND main, char ch)
{
    ::PostMessageA(ActiveView(main), WM_CHAR, static_cast<unsigned char>(ch), 1);
}

// Line `line` (from 1) of the file, without its line end.
std::string FileLine(const std::string& path, int line)
{
    std::string text = TempDir::ReadFile(path);
    size_t start = 0;
    for (int i = 1; i < line && start != std::string::npos; ++i)
        start = text.find('\n', start) == std::string::npos ? std::string::npos : text.find('\n', start) + 1;
    if (start == std::string::npos)
        return std::string();
    return text.substr(start, text.find_first_of("\r\n", start) - start);
}

// Saves the active document until its line reads as expected: the view handles what was
// posted to it after the save request may have been taken.
bool SavedLineBecomes(HWND main, const std::string& path, int line, const std::string& expected)
{
    return WaitUntil([&] { return SaveActiveDocument(main) && FileLine(path, line) == expected; });
}

TEST_F(IdeTest, StartsWithItsBarsAndTakesOverASecondStartsFiles)
{
    std::string work = m_install / "work";
    StartedProgram first(m_exe, "/L:20 甲.墨", work);
    HWND main = WaitForMainWindow(first);
    ASSERT_NE(main, nullptr);
    // The window takes its document's path once the file is read.
    EXPECT_TRUE(WaitUntil([&] {
        auto titles = ChildTitles(main);
        return titles.size() == 1 && EndsWith(titles[0], "\\work\\甲.墨");
    }));
    // /L:20 put the caret on line 20.
    ASSERT_TRUE(WaitUntil([&] { return ActiveChildShows(main, "\\work\\甲.墨"); }));
    TypeAtCaret(main, 'X');
    std::string file = m_install / "work\\甲.墨";
    EXPECT_TRUE(SavedLineBecomes(main, file, 20, "X第20行")) << FileLine(file, 20);

    // Menu, status bar, tool bars and the document tabs.
    EXPECT_NE(::GetMenu(main), nullptr);
    EXPECT_NE(FindDescendant(main, "msctls_statusbar32"), nullptr);
    EXPECT_NE(FindDescendant(main, "ToolbarWindow32"), nullptr);
    HWND tabs = FindDescendant(main, "SysTabControl32");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 1);

    // A second start hands three files over and ends without a window of its own.
    StartedProgram second(m_exe, "乙.墨 \"丙.墨\" 丁.墨", work);
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(second.WaitForExit(30000), 0u);
    ASSERT_TRUE(WaitUntil([&] { return ChildTitles(main).size() == 4; }));
    EXPECT_EQ(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 4);
    EXPECT_EQ(TempDir::ReadFile(m_install / "bin\\命令行.文本"), "");

    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_NE(first.WaitForExit(30000), STILL_ACTIVE);
}

// A second start that names a missing file beginning with a Chinese character: the first
// instance creates and opens that file, not one cut down to its extension.
TEST_F(IdeTest, SecondStartHandsOverAMissingChineseNameWhole)
{
    std::string work = m_install / "work";
    StartedProgram first(m_exe, "甲.墨", work);
    HWND main = WaitForMainWindow(first);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ChildTitles(main).size() == 1; }));

    StartedProgram second(m_exe, "不存在乙.墨", work);
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(second.WaitForExit(30000), 0u);
    EXPECT_TRUE(WaitUntil([&] { return ActiveChildShows(main, "\\work\\不存在乙.墨"); }));
    EXPECT_TRUE(::PathFileExistsA((work + "\\不存在乙.墨").c_str()));
    EXPECT_FALSE(::PathFileExistsA((work + "\\.墨").c_str()));

    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_NE(first.WaitForExit(30000), STILL_ACTIVE);
}

namespace {

struct PopupMenuSearch {
    DWORD processId;
    bool found;
};

BOOL CALLBACK MatchPopupMenu(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<PopupMenuSearch*>(data);
    DWORD owner = 0;
    char name[16] = {};
    ::GetWindowThreadProcessId(window, &owner);
    ::GetClassNameA(window, name, sizeof name);
    if (owner == search->processId && lstrcmpA(name, "#32768") == 0 && ::IsWindowVisible(window))
        search->found = true;
    return !search->found;
}

// Whether a drop-down menu of the process shows.
bool MenuShows(DWORD processId)
{
    PopupMenuSearch search = {processId, false};
    ::EnumWindows(MatchPopupMenu, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool HasChild(HWND main, const std::string& tail)
{
    for (const std::string& title : ChildTitles(main))
        if (EndsWith(title, tail))
            return true;
    return false;
}

} // namespace

// A second start while the first instance has a menu open, or a modal dialog: the request is
// kept and served once the menu or the dialog closes, and the dialog, not the main window it
// disabled, is what comes forward.
TEST_F(IdeTest, SecondStartDuringAnOpenMenuOrAModalDialogIsServedWhenItCloses)
{
    std::string work = m_install / "work";
    StartedProgram first(m_exe, "甲.墨", work);
    HWND main = WaitForMainWindow(first);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ChildTitles(main).size() == 1; }));
    first.WaitForIdle();

    // The file menu, opened as its key opens it.
    ::PostMessageA(main, WM_SYSCOMMAND, SC_KEYMENU, 'f');
    ASSERT_TRUE(WaitUntil([&] { return MenuShows(first.Id()); }));
    StartedProgram duringMenu(m_exe, "乙.墨", work);
    EXPECT_EQ(duringMenu.WaitForExit(30000), 0u);
    ASSERT_TRUE(MenuShows(first.Id()));
    ::SendMessageA(main, WM_CANCELMODE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return HasChild(main, "\\work\\乙.墨"); }));

    ::PostMessageA(main, WM_COMMAND, ID_APP_ABOUT, 0);
    HWND about = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (about = FindProcessDialog(first.Id(), IDOK, main)) != nullptr; }));
    ASSERT_TRUE(WaitUntil([&] {
        ::SetForegroundWindow(about);
        return ::GetForegroundWindow() == about;
    }));
    StartedProgram duringDialog(m_exe, "丙.墨", work);
    EXPECT_EQ(duringDialog.WaitForExit(30000), 0u);
    EXPECT_EQ(::GetForegroundWindow(), about);
    EXPECT_FALSE(HasChild(main, "\\work\\丙.墨"));
    ::PostMessageA(about, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return HasChild(main, "\\work\\丙.墨"); }));
    EXPECT_EQ(TempDir::ReadFile(m_install / "bin\\命令行.文本"), "");

    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_NE(first.WaitForExit(30000), STILL_ACTIVE);
}

// Started without files it shows a new document; the status bar hides from the view menu
// and 退出 in the file menu ends it.
TEST_F(IdeTest, StartsOnANewDocumentWithoutFiles)
{
    StartedProgram ide(m_exe, "", m_install / "work");
    HWND main = WaitForMainWindow(ide);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return ChildTitles(main) == std::vector<std::string>{"新文件1"}; }));
    // 查看 > 状态栏 hides the main frame's status bar, though the document window sees it first.
    HWND status = FindDescendant(main, "msctls_statusbar32");
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(::IsWindowVisible(status));
    ::SendMessageA(main, WM_COMMAND, ID_VIEW_STATUS_BAR, 0);
    EXPECT_FALSE(::IsWindowVisible(status));
    ::PostMessageA(main, WM_COMMAND, ID_APP_EXIT, 0);  // 文件 > 退出
    EXPECT_NE(ide.WaitForExit(30000), STILL_ACTIVE);
}

// The visible state of the two panes and the workspace bar's page, as the user sees it.
struct PaneState {
    bool workspace;
    int page;
    bool output;
    bool operator==(const PaneState& other) const
    {
        return workspace == other.workspace && page == other.page && output == other.output;
    }
};

std::ostream& operator<<(std::ostream& out, const PaneState& state)
{
    return out << "{workspace " << state.workspace << ", page " << state.page << ", output " << state.output << "}";
}

PaneState PanesOf(HWND main)
{
    HWND workspace = FindDescendantById(main, ID_WORKSPACE_BAR);
    HWND output = FindDescendantById(main, ID_OUTPUT_BAR);
    HWND tabs = FindDescendantById(workspace, 1066);
    return {::IsWindowVisible(workspace) != FALSE, static_cast<int>(::SendMessageA(tabs, TCM_GETCURSEL, 0, 0)),
            ::IsWindowVisible(output) != FALSE};
}

// Drags the sizing edge of a pane docked at the left by dx pixels, with the messages the
// mouse sends (press in the non-client area, move and release captured).
void DragLeftPaneEdge(HWND pane, int dx)
{
    RECT window = {};
    ::GetWindowRect(pane, &window);
    POINT from = {window.right - 3, (window.top + window.bottom) / 2};
    ASSERT_EQ(::SendMessageA(pane, WM_NCHITTEST, 0, MAKELPARAM(from.x, from.y)), HTSIZE);
    ::SendMessageA(pane, WM_NCLBUTTONDOWN, HTSIZE, MAKELPARAM(from.x, from.y));
    POINT to = {from.x + dx, from.y};
    ::ScreenToClient(pane, &to);
    ::SendMessageA(pane, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    ::SendMessageA(pane, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
}

const int kVariableBarId = 47234;

int WidthOf(HWND window)
{
    RECT rect = {};
    ::GetWindowRect(window, &rect);
    return rect.right - rect.left;
}

TEST_F(IdeTest, PanesDockInTheFrameFollowTheirCommandsAndTheLayoutComesBackAtTheNextStart)
{
    RECT placed = {40, 30, 940, 690};
    int workspaceWidth = 0;
    {
        StartedProgram ide(m_exe, "甲.墨", m_install / "work");
        HWND main = WaitForMainWindow(ide);
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return ChildTitles(main).size() == 1; }));
        HWND workspace = FindDescendantById(main, ID_WORKSPACE_BAR);
        HWND output = FindDescendantById(main, ID_OUTPUT_BAR);
        ASSERT_NE(workspace, nullptr);
        ASSERT_NE(output, nullptr);
        // The workspace bar stands at the left of the document windows, the output window
        // under them.
        EXPECT_EQ(::GetDlgCtrlID(::GetParent(workspace)), 0xE81C);
        EXPECT_EQ(::GetDlgCtrlID(::GetParent(output)), 0xE81E);
        RECT client = {}, left = {}, bottom = {};
        ::GetWindowRect(::FindWindowExA(main, nullptr, "MDIClient", nullptr), &client);
        ::GetWindowRect(workspace, &left);
        ::GetWindowRect(output, &bottom);
        EXPECT_LE(left.right, client.left);
        EXPECT_GE(bottom.top, client.bottom);
        // Start-up ends on the vocabulary page with the output window shown.
        EXPECT_TRUE(WaitUntil([&] { return PanesOf(main) == PaneState{true, 2, true}; })) << PanesOf(main);

        const struct {
            UINT command;
            PaneState after;
        } steps[] = {
            {ID_VIEW_PROJECT_PAGE, {true, 1, true}},   // another page: switched
            {ID_VIEW_PROJECT_PAGE, {false, 1, true}},  // the page shown: hidden
            {ID_VIEW_FOLDER_PAGE, {true, 0, true}},    // hidden: shown on the page
            {ID_WORKSPACE_HIDE, {false, 0, true}},
            {ID_VIEW_FOLDER_PAGE, {true, 0, true}},
            {ID_VIEW_OUTPUT, {true, 0, false}},
            {ID_VIEW_OUTPUT, {true, 0, true}},
            {ID_OUTPUT_HIDE, {true, 0, false}},
            {ID_VIEW_VARIABLE_BAR, {true, 0, false}},
        };
        for (const auto& step : steps) {
            ::SendMessageA(main, WM_COMMAND, step.command, 0);
            EXPECT_EQ(PanesOf(main), step.after) << step.command;
        }
        EXPECT_FALSE(::IsWindowVisible(FindDescendantById(main, kVariableBarId)));

        int before = WidthOf(workspace);
        DragLeftPaneEdge(workspace, 60);
        // The frame lays itself out again when it next goes idle.
        ::PostMessageA(main, WM_NULL, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return WidthOf(workspace) == before + 60; })) << WidthOf(workspace);
        workspaceWidth = WidthOf(workspace);
        ::MoveWindow(main, placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top, TRUE);
        ::PostMessageA(main, WM_CLOSE, 0, 0);
        ASSERT_NE(ide.WaitForExit(30000), STILL_ACTIVE);
    }

    StartedProgram again(m_exe, "", m_install / "work");
    HWND main = WaitForMainWindow(again);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ChildTitles(main).size() == 1; }));
    // The bar state brings back the hidden palette; the panes are shown again as at every
    // start.
    EXPECT_FALSE(::IsWindowVisible(FindDescendantById(main, kVariableBarId)));
    EXPECT_TRUE(WaitUntil([&] { return PanesOf(main) == PaneState{true, 2, true}; })) << PanesOf(main);
    EXPECT_EQ(WidthOf(FindDescendantById(main, ID_WORKSPACE_BAR)), workspaceWidth);
    RECT window = {};
    ::GetWindowRect(main, &window);
    EXPECT_TRUE(::EqualRect(&window, &placed)) << window.left << "," << window.top << " " << window.right << ","
                                                << window.bottom;
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_NE(again.WaitForExit(30000), STILL_ACTIVE);
}

// The height of the caret the IDE's thread shows, 0 when it shows none.
int CaretHeight(HWND main)
{
    GUITHREADINFO info = {sizeof info};
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(main, nullptr), &info) || info.hwndCaret == nullptr)
        return 0;
    return info.rcCaret.bottom - info.rcCaret.top;
}

TEST_F(IdeTest, ScreenFontChosenInThePreferencesReachesTheOpenView)
{
    StartedProgram ide(m_exe, "甲.墨", m_install / "work");
    HWND main = WaitForMainWindow(ide);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ChildTitles(main).size() == 1 && CaretHeight(main) > 0; }));
    int before = CaretHeight(main);

    // 查看 > 屏幕字体 > 设置字体 opens the fonts page on its screen tab; the first row's font
    // dialog takes a much larger size.
    ::PostMessageA(main, WM_COMMAND, ID_VIEW_SET_SCREEN_FONT, 0);
    HWND preferences = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (preferences = FindProcessDialog(ide.Id(), IDC_SCREEN_FONTS)) != nullptr; }));
    HWND list = ::GetDlgItem(preferences, IDC_SCREEN_FONTS);
    ASSERT_TRUE(::IsWindowVisible(list));
    RECT header = {};
    ::GetWindowRect(::FindWindowExA(list, nullptr, "SysHeader32", nullptr), &header);
    ::PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, header.bottom - header.top + 6));
    HWND font = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (font = FindProcessDialog(ide.Id(), cmb3, preferences)) != nullptr; }));
    ::SendMessageA(::GetDlgItem(font, cmb3), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    ::SendMessageA(::GetDlgItem(font, cmb3), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("36"));
    ::PostMessageA(font, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(font); }));
    ::PostMessageA(preferences, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(preferences); }));

    // The view was laid out again in the new font: its caret is a line of the larger text.
    EXPECT_TRUE(WaitUntil([&] { return CaretHeight(main) > before * 2; })) << before << " " << CaretHeight(main);

    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_NE(ide.WaitForExit(30000), STILL_ACTIVE);
}

// The height of a line of text in the font the settings describe (height in tenths of a
// point), measured on the screen.
int SettingFontLineHeight(LOGFONTA font)
{
    HDC screen = ::GetDC(nullptr);
    font.lfHeight = -::MulDiv(font.lfHeight, ::GetDeviceCaps(screen, LOGPIXELSY), 720);
    HFONT handle = ::CreateFontIndirectA(&font);
    HGDIOBJ old = ::SelectObject(screen, handle);
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(screen, &metrics);
    ::SelectObject(screen, old);
    ::DeleteObject(handle);
    ::ReleaseDC(nullptr, screen);
    return metrics.tmHeight + metrics.tmExternalLeading;
}

// The centre of a control's rectangle that the control computes inside the IDE (message
// with an index and a RECT to fill), in the control's client coordinates.
POINT RemoteRectCentre(const StartedProgram& ide, HWND control, UINT message, int index, LONG firstField = 0)
{
    RECT rect = {firstField, 0, 0, 0};
    RemoteBlock block(ide.Process(), sizeof rect);
    block.Write(&rect, sizeof rect);
    if (::SendMessageA(control, message, index, block.Address()))
        block.Read(&rect, sizeof rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The output window starts in the output font of the configuration and takes the one the
// preferences set: its rows are as tall as a line of that font.
TEST_F(IdeTest, OutputWindowTakesTheOutputFontAtStartAndFromThePreferences)
{
    LOGFONTA large = {};
    m_exe = SeedInstallation(m_install, [&](CEditorSettings& settings) {
        settings.otherFonts[kOutputFontRow].lfHeight = 300;
        large = settings.otherFonts[kOutputFontRow];
    });
    ASSERT_FALSE(m_exe.empty());
    StartedProgram ide(m_exe, "甲.墨", m_install / "work");
    HWND main = WaitForMainWindow(ide);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ChildTitles(main).size() == 1; }));
    HWND output = FindDescendantById(FindDescendantById(main, ID_OUTPUT_BAR), 1205);
    ASSERT_NE(output, nullptr);
    const int startHeight = static_cast<int>(::SendMessageA(output, LB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(startHeight, SettingFontLineHeight(large));

    // The fonts page, its third tab (other fonts), the output font's row (the second) in the
    // font dialog at 9 points.
    ::PostMessageA(main, WM_COMMAND, ID_VIEW_SET_SCREEN_FONT, 0);
    HWND preferences = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (preferences = FindProcessDialog(ide.Id(), IDC_OTHER_FONTS)) != nullptr; }));
    HWND tabs = ::GetDlgItem(preferences, IDC_FONT_TABS);
    POINT tab = RemoteRectCentre(ide, tabs, TCM_GETITEMRECT, 2);
    ::PostMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(tab.x, tab.y));
    ::PostMessageA(tabs, WM_LBUTTONUP, 0, MAKELPARAM(tab.x, tab.y));
    HWND list = ::GetDlgItem(preferences, IDC_OTHER_FONTS);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(list) != FALSE; }));
    POINT row = RemoteRectCentre(ide, list, LVM_GETITEMRECT, kOutputFontRow, LVIR_LABEL);
    ::PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(row.x, row.y));
    HWND font = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (font = FindProcessDialog(ide.Id(), cmb3, preferences)) != nullptr; }));
    ::SendMessageA(::GetDlgItem(font, cmb3), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    ::SendMessageA(::GetDlgItem(font, cmb3), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("9"));
    ::PostMessageA(font, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(font); }));
    ::PostMessageA(preferences, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(preferences); }));

    // The configuration written by the preferences holds the font the list now shows.
    CEditorSettings saved;
    ASSERT_TRUE(LoadConfig((m_install / "bin\\vuze.配置").c_str(), saved));
    EXPECT_EQ(saved.otherFonts[kOutputFontRow].lfHeight, 90);
    const int expected = SettingFontLineHeight(saved.otherFonts[kOutputFontRow]);
    EXPECT_LT(expected, startHeight);
    EXPECT_TRUE(WaitUntil([&] { return ::SendMessageA(output, LB_GETITEMHEIGHT, 0, 0) == expected; }))
        << ::SendMessageA(output, LB_GETITEMHEIGHT, 0, 0) << " " << expected;

    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_NE(ide.WaitForExit(30000), STILL_ACTIVE);
}

// 文件 > 打印预览 shows the view's pages in the frame through the view's printing; closing
// it gives the frame its menu back.
TEST_F(IdeTest, PrintPreviewShowsTheViewsPagesAndCloses)
{
    std::string lines;
    for (int i = 1; i <= 300; ++i)
        lines += "第" + std::to_string(i) + "行\r\n";
    m_install.WriteFile("work\\长.墨", lines);
    StartedProgram ide(m_exe, "长.墨", m_install / "work");
    HWND main = WaitForMainWindow(ide);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ChildTitles(main).size() == 1 && CaretHeight(main) > 0; }));
    HMENU menu = ::GetMenu(main);

    ::PostMessageA(main, WM_COMMAND, ID_FILE_PRINT_PREVIEW, 0);
    HWND pageLine = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (pageLine = FindDescendantById(main, 0xE3FF)) != nullptr; }));
    auto text = [](HWND window) {
        char buffer[64] = {};
        ::GetWindowTextA(window, buffer, sizeof buffer);
        return std::string(buffer);
    };
    EXPECT_TRUE(WaitUntil([&] { return text(pageLine) == "第 1 页"; })) << text(pageLine);
    EXPECT_EQ(::GetMenu(main), nullptr);
    // The status bar keeps its message pane alone.
    HWND status = FindDescendant(main, "msctls_statusbar32");
    EXPECT_EQ(::SendMessageA(status, SB_GETPARTS, 0, 0), 1);
    // 300 lines take more than one page: the preview steps on to the second.
    ::PostMessageA(main, WM_COMMAND, 0xE302, 0);
    EXPECT_TRUE(WaitUntil([&] { return text(pageLine) == "第 2 页"; })) << text(pageLine);

    ::PostMessageA(main, WM_COMMAND, 0xE300, 0);
    EXPECT_TRUE(WaitUntil([&] { return ::GetMenu(main) == menu && FindDescendantById(main, 0xE3FF) == nullptr; }));
    EXPECT_EQ(::SendMessageA(status, SB_GETPARTS, 0, 0), 8);
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_NE(ide.WaitForExit(30000), STILL_ACTIVE);
}

// The label rectangle of a tree item on the screen, asked of the tree inside the IDE.
RECT TreeItemScreenRect(const StartedProgram& ide, HWND tree, HTREEITEM item)
{
    RECT rect = {};
    RemoteBlock block(ide.Process(), sizeof rect);
    block.Write(&item, sizeof item);
    if (::SendMessageA(tree, TVM_GETITEMRECT, TRUE, block.Address()))
        block.Read(&rect, sizeof rect);
    ::MapWindowPoints(tree, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Clicks (twice for a double click) at the screen point of the window with the real pointer.
void ClickWithThePointer(HWND window, POINT point, bool twice)
{
    // The real pointer lands on whatever window is on top there: bring the IDE up and wait
    // until the window is what the point shows.
    WaitUntil([&] {
        ::SetForegroundWindow(::GetAncestor(window, GA_ROOT));
        return ::WindowFromPoint(point) == window;
    }, 5000);
    // Wine moves the display's pointer only when the position changes: one left at the
    // point by an earlier click (or run) is moved away first, so the display's pointer and
    // Wine's agree on where the click lands.
    ::SetCursorPos(0, 0);
    ::SetCursorPos(point.x, point.y);
    if (twice)
        PressMouseAt(point, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
    else
        PressMouseAt(point, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
}

// Clicks (twice for a double click) on the tree item's label with button messages posted to
// the tree. The tree's handlers ask where the pointer was when the message came, and a posted
// message carries where the pointer stood when it was posted: the pointer is put on the label
// first, and stays there once the IDE has handled whatever motion its display reported.
void ClickTreeItem(const StartedProgram& ide, HWND tree, HTREEITEM item, bool twice)
{
    ::SendMessageA(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    RECT rect = TreeItemScreenRect(ide, tree, item);
    const POINT point = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    EXPECT_TRUE(WaitUntil([&] {
        ::SetCursorPos(point.x, point.y);
        DWORD_PTR result = 0;
        ::SendMessageTimeoutA(tree, WM_NULL, 0, 0, SMTO_NORMAL, kStuckMilliseconds, &result);
        POINT at = {};
        return ::GetCursorPos(&at) && at.x == point.x && at.y == point.y;
    }));
    POINT client = point;
    ::ScreenToClient(tree, &client);
    const LPARAM at = MAKELPARAM(client.x, client.y);
    ::PostMessageA(tree, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageA(tree, WM_LBUTTONUP, 0, at);
    if (twice) {
        ::PostMessageA(tree, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        ::PostMessageA(tree, WM_LBUTTONUP, 0, at);
    }
}

// A list box's texts travel between processes in their wide form: the lines as GBK.
std::vector<std::string> ListLines(HWND list)
{
    std::vector<std::string> lines;
    int count = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t wide[512] = {};
        char line[1024] = {};
        if (::SendMessageW(list, LB_GETTEXTLEN, i, 0) < 512) {
            ::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
            ::WideCharToMultiByte(CP_ACP, 0, wide, -1, line, sizeof line, nullptr, nullptr);
        }
        lines.push_back(line);
    }
    return lines;
}

void AddListLine(HWND list, const std::string& line)
{
    wchar_t wide[512] = {};
    ::MultiByteToWideChar(CP_ACP, 0, line.c_str(), -1, wide, 512);
    ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide));
}

// The IDE started on 甲.墨 with its caret in the text. Start-up ends on the vocabulary page,
// whose tree shows the graphics table; its first category's first entry is a call.
class IdeVocabularyTest : public IdeTest {
protected:
    void SetUp() override
    {
        IdeTest::SetUp();
        if (HasFatalFailure())
            return;
        m_main = StartIde("甲.墨");
        ASSERT_NE(m_main, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return ChildTitles(m_main).size() == 1 && CaretHeight(m_main) > 0; }));
        m_tree = FindDescendantById(m_main, 1179);
        ASSERT_NE(m_tree, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(m_tree) != FALSE; }));
        HTREEITEM category = Next(Next(nullptr, TVGN_ROOT), TVGN_CHILD);
        ASSERT_NE(category, nullptr);
        ::SendMessageA(m_tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(category));
        m_entry = Next(category, TVGN_CHILD);
        ASSERT_NE(m_entry, nullptr);
        m_output = FindDescendantById(FindDescendantById(m_main, ID_OUTPUT_BAR), 1205);
        ASSERT_NE(m_output, nullptr);
    }
    void TearDown() override
    {
        if (m_main != nullptr)
            CloseIde(m_main);
    }

    HTREEITEM Next(HTREEITEM item, UINT how) const
    {
        return reinterpret_cast<HTREEITEM>(::SendMessageA(m_tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
    }

    const std::vector<std::string> m_entryLines = {"GfxSetBkColor(colour)", "", "说明：", "返回 int。"};
    HWND m_main = nullptr;
    HWND m_tree = nullptr;
    HWND m_output = nullptr;
    HTREEITEM m_entry = nullptr;
};

TEST_F(IdeVocabularyTest, ClickShowsTheEntryInTheOutputWindow)
{
    ClickTreeItem(*m_ide, m_tree, m_entry, false);
    EXPECT_TRUE(WaitUntil([&] { return ListLines(m_output) == m_entryLines; })) << ListLines(m_output).size();
}

TEST_F(IdeVocabularyTest, DoubleClickTypesTheEntryAtTheCaret)
{
    ClickTreeItem(*m_ide, m_tree, m_entry, true);
    std::string file = m_install / "work\\甲.墨";
    EXPECT_TRUE(SavedLineBecomes(m_main, file, 1, "GfxSetBkColor(colour)第1行")) << FileLine(file, 1);
}

// A message line naming a file beside the active document and a line opens it with the caret
// on that line.
TEST_F(IdeVocabularyTest, OutputLineNamingAFileOpensItAtTheLine)
{
    AddListLine(m_output, "乙.墨(12): 警告");
    int index = static_cast<int>(::SendMessageA(m_output, LB_GETCOUNT, 0, 0)) - 1;
    ::SendMessageA(m_output, LB_SETCURSEL, index, 0);
    ::SendMessageA(::GetParent(m_output), WM_COMMAND, MAKEWPARAM(1205, LBN_DBLCLK), reinterpret_cast<LPARAM>(m_output));
    ASSERT_TRUE(WaitUntil([&] { return ChildTitles(m_main).size() == 2 && ActiveChildShows(m_main, "\\work\\乙.墨"); }));
    TypeAtCaret(m_main, 'X');
    std::string second = m_install / "work\\乙.墨";
    EXPECT_TRUE(SavedLineBecomes(m_main, second, 12, "X第12行")) << FileLine(second, 12);
}

TEST_F(IdeVocabularyTest, DoubleClickWithoutADocumentInsertsNowhere)
{
    ::SendMessageA(m_main, WM_COMMAND, ID_FILE_CLOSE_ALL, 0);
    ASSERT_TRUE(WaitUntil([&] { return ChildTitles(m_main).empty(); }));
    ClickTreeItem(*m_ide, m_tree, m_entry, true);
    // The tree handles its clicks in order: once a click on the next entry shows it, the
    // double click before it has been handled too.
    ASSERT_TRUE(WaitUntil([&] { return ListLines(m_output) == m_entryLines; }));
    HTREEITEM next = Next(m_entry, TVGN_NEXT);
    ASSERT_NE(next, nullptr);
    ClickTreeItem(*m_ide, m_tree, next, false);
    ASSERT_TRUE(WaitUntil([&] { return !ListLines(m_output).empty() && ListLines(m_output) != m_entryLines; }));
    EXPECT_TRUE(ChildTitles(m_main).empty());
}

}  // namespace

namespace {

// The focused window of the IDE's thread and its caret in screen coordinates.
HWND FocusedWindow(HWND main, RECT* caret = nullptr)
{
    GUITHREADINFO info = {sizeof info};
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(main, nullptr), &info))
        return nullptr;
    if (caret != nullptr && info.hwndCaret != nullptr) {
        *caret = info.rcCaret;
        ::MapWindowPoints(info.hwndCaret, nullptr, reinterpret_cast<POINT*>(caret), 2);
    }
    return info.hwndFocus;
}

}  // namespace

// After a click on the vocabulary tree the keys go to the tree; a click into the text of the
// view that stayed active gives them back to the view.
TEST_F(IdeTest, ClickIntoTheTextTakesTheKeysBackFromAPane)
{
    StartedProgram ide(m_exe, "甲.墨", m_install / "work");
    HWND main = WaitForMainWindow(ide);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ChildTitles(main).size() == 1 && CaretHeight(main) > 0; }));
    HWND tree = FindDescendantById(main, 1179);
    ASSERT_NE(tree, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(tree) != FALSE; }));
    HTREEITEM root = reinterpret_cast<HTREEITEM>(::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    ClickTreeItem(ide, tree, root, false);
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(main) == tree; }, 10000));

    HWND view = ActiveView(main);
    RECT client = {};
    ::GetClientRect(view, &client);
    POINT inText = {client.right / 2, client.bottom / 2};
    ::ClientToScreen(view, &inText);
    ClickWithThePointer(view, inText, false);
    EXPECT_TRUE(WaitUntil([&] { return FocusedWindow(main) == view; }, 10000));
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_NE(ide.WaitForExit(30000), STILL_ACTIVE);
}

// The message pane's text, read inside the IDE.
std::string MessagePaneText(const StartedProgram& ide, HWND main)
{
    HWND bar = FindDescendant(main, "msctls_statusbar32");
    char text[512] = {};
    RemoteBlock block(ide.Process(), sizeof text);
    if (bar != nullptr && LOWORD(::SendMessageA(bar, SB_GETTEXTLENGTHA, 0, 0)) < sizeof text &&
        block.Write(text, sizeof text)) {
        ::SendMessageA(bar, SB_GETTEXTA, 0, block.Address());
        block.Read(text, sizeof text - 1);
    }
    return text;
}

// Typing a library function's name and its opening parenthesis shows the function's
// parameters in the status bar, and they stay there while the caret is inside the call.
TEST_F(IdeTest, CallTipShowsAndStaysWhileTheCaretIsInTheCall)
{
    StartedProgram ide(m_exe, "甲.墨", m_install / "work");
    HWND main = WaitForMainWindow(ide);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ChildTitles(main).size() == 1 && CaretHeight(main) > 0; }));
    HWND view = ActiveView(main);
    ::PostMessageA(view, WM_KEYDOWN, VK_END, 0);
    for (const char* p = " 打印(\"x\""; *p; ++p)
        ::PostMessageA(view, WM_CHAR, static_cast<unsigned char>(*p), 0);
    EXPECT_TRUE(WaitUntil([&] { return MessagePaneText(ide, main) == "打印(格式, ...)"; }, 10000))
        << MessagePaneText(ide, main);
    ::PostMessageA(view, WM_KEYDOWN, VK_LEFT, 0);
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(view, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result);
    EXPECT_EQ(MessagePaneText(ide, main), "打印(格式, ...)") << "still inside the call";
    EXPECT_TRUE(SaveActiveDocument(main));
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_NE(ide.WaitForExit(30000), STILL_ACTIVE);
}

// Typing an abbreviation pops the vocabulary prompt up under the caret, Enter puts its word in
// place of the abbreviation, and a palette button types at the caret of the active view; the
// text goes to the companion tool named in the user settings.
TEST_F(IdeTest, VocabularyPromptAndPalettesTypeIntoTheActiveView)
{
    ::CreateDirectoryA((m_install / "bin\\配置").c_str(), nullptr);
    m_install.WriteFile("bin\\配置\\一级语法提示.墨", "0 步进循环 步进循环 bjxh\r\n0 步进 步进 bjxh\r\n");
    // The popup shows 30 ticks (1.5 s) after the request (Space accepts from tick 32) and
    // stays up to 20 s.
    m_install.WriteFile("bin\\用户.设置",
                        "词汇提示弹出延时=30\r\n词汇提示空格选择=32\r\n词汇提示超时关闭=400\r\n墨伴名称=\"测试 墨伴\"\r\n");
    StartedProgram ide(m_exe, "甲.墨", m_install / "work");
    HWND main = WaitForMainWindow(ide);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ChildTitles(main).size() == 1 && CaretHeight(main) > 0; }));
    HWND view = FocusedWindow(main);
    ASSERT_NE(view, nullptr);

    // At the end of the first line, a blank and the abbreviation.
    ::PostMessageA(view, WM_KEYDOWN, VK_END, 0);
    RECT lineEnd = {};
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(main, &lineEnd) == view && lineEnd.left > 0; }));
    const DWORD typed = ::GetTickCount();
    for (const char* p = " bjxh"; *p; ++p)
        ::PostMessageA(view, WM_CHAR, static_cast<unsigned char>(*p), 0);
    HWND popup = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (popup = FindProcessDialog(ide.Id(), IDC_PROMPT_LIST)) != nullptr; }));
    EXPECT_GE(::GetTickCount() - typed, 1000u) << "the delay of the user settings";
    HWND list = ::GetDlgItem(popup, IDC_PROMPT_LIST);
    EXPECT_EQ(2, ::SendMessageA(list, LB_GETCOUNT, 0, 0));
    RECT placed = {};
    ::GetWindowRect(popup, &placed);
    EXPECT_GT(placed.left, lineEnd.left) << "under the caret, behind the abbreviation";
    EXPECT_GE(placed.top, lineEnd.bottom);
    EXPECT_EQ(list, FocusedWindow(main)) << "the popup takes the keys while it is up";

    ::PostMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(popup); }));
    EXPECT_TRUE(WaitUntil([&] { return FocusedWindow(main) == view; })) << "the view has the keys again";
    ::PostMessageA(main, WM_COMMAND, ID_PALETTE_STEM_JIA, 0);  // the variable palette's "甲"
    ::PostMessageA(main, WM_COMMAND, ID_EDIT_SELECT_ALL, 0);  // select all
    ::PostMessageA(main, WM_COMMAND, ID_EDIT_COPY, 0);  // copy
    EXPECT_TRUE(WaitUntil([&] { return ClipboardText().rfind("第1行 步进甲\r\n", 0) == 0; }))
        << ClipboardText().substr(0, 40);
    HWND companion = ::CreateWindowExA(0, "STATIC", "测试 墨伴", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ::PostMessageA(main, WM_COMMAND, ID_SEND_TO_COMPANION, 0);  // send to the companion tool
    MSG posted = {};
    EXPECT_TRUE(WaitUntil([&] { return ::PeekMessageA(&posted, companion, 0xB0CF, 0xB0CF, PM_REMOVE) != FALSE; }));
    EXPECT_EQ(posted.wParam, 0xD3EFD1D4u);
    ::DestroyWindow(companion);

    ::PostMessageA(main, WM_CLOSE, 0, 0);
    // Closing asks whether to save the changed document: No.
    HWND question = nullptr;
    if (WaitUntil([&] { return (question = FindProcessDialog(ide.Id(), IDNO)) != nullptr; }, 10000))
        ::PostMessageA(question, WM_COMMAND, IDNO, 0);
    EXPECT_NE(ide.WaitForExit(30000), STILL_ACTIVE);
}

namespace {

// The unnamed value of a profile section of the IDE; empty when it is missing.
std::string ProfileValue(const std::string& section)
{
    char value[1024] = {};
    DWORD size = sizeof value;
    std::string key = "Software\\云杉工作室\\墨语言编辑器\\" + section;
    if (::SHGetValueA(HKEY_CURRENT_USER, key.c_str(), "", nullptr, value, &size) != ERROR_SUCCESS)
        return std::string();
    return value;
}

// The enabled states of the project tool bar's buttons (new category, add files, add the
// current file, add the open files, remove).
std::vector<bool> ProjectButtonStates(HWND main)
{
    HWND bar = FindDescendantById(main, 1208);
    std::vector<bool> states;
    for (UINT command : {ID_PROJECT_NEW_CATEGORY, ID_PROJECT_ADD_FILES, ID_PROJECT_ADD_CURRENT, ID_PROJECT_ADD_ALL_OPEN,
                         ID_PROJECT_REMOVE_ITEM})
        states.push_back(bar != nullptr && ::SendMessageA(bar, TB_ISBUTTONENABLED, command, 0) != 0);
    return states;
}

struct ToolBarButtonSearch {
    UINT command;
    HWND found;
};

BOOL CALLBACK MatchToolBarWithButton(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<ToolBarButtonSearch*>(data);
    char name[32] = {};
    ::GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, "ToolbarWindow32") != 0 || ::SendMessageA(window, TB_COMMANDTOINDEX, search->command, 0) < 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

// Whether the tool bar of the main window that holds the command's button shows it enabled.
bool MainBarButtonEnabled(HWND main, UINT command)
{
    ToolBarButtonSearch search = {command, nullptr};
    ::EnumChildWindows(main, MatchToolBarWithButton, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr && ::SendMessageA(search.found, TB_ISBUTTONENABLED, command, 0) != 0;
}

int ProjectItemCount(HWND main)
{
    return static_cast<int>(::SendMessageA(FindDescendantById(main, 1069), TVM_GETCOUNT, 0, 0));
}

} // namespace

// A project named on the command line opens with its documents; adding the open files saves
// it at once; at exit the profile names it and the next start reopens it.
TEST_F(IdeTest, ProjectOpensFromTheCommandLineAndComesBackAtTheNextStart)
{
    std::string project = m_install / "work\\演示.项目";
    m_install.WriteFile("work\\演示.项目",
                        "<项目 版本=\"2.0\">\n\t<类目 名字=\"源码\" 展开=\"是\">\n\t\t<本地文件 文件名=\"甲.墨\" />\n"
                        "\t</类目>\n</项目>\n\n<工作区 版本=\"2.0\">\n\t<本地文件 文件名=\"乙.墨\" 行号=\"12\" />\n"
                        "</工作区>\n\n");
    {
        // Without a project its buttons are off.
        StartedProgram ide(m_exe, "甲.墨", m_install / "work");
        HWND main = WaitForMainWindow(ide);
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return ChildTitles(main).size() == 1; }));
        EXPECT_EQ(ProjectButtonStates(main), std::vector<bool>(5, false));
        ::PostMessageA(main, WM_CLOSE, 0, 0);
        ASSERT_NE(ide.WaitForExit(30000), STILL_ACTIVE);
        ASSERT_TRUE(EndsWith(ProfileValue(std::string("墨语言编辑器") + "工作区"), "\\vuze.工作区"));
        // The next start would reopen 甲.墨 from the default workspace; this test starts
        // from a project instead.
        ::DeleteFileA((m_install / "bin\\vuze.工作区").c_str());
    }
    {
        StartedProgram ide(m_exe, "演示.项目", m_install / "work");
        HWND main = WaitForMainWindow(ide);
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(WaitUntil([&] {
            auto titles = ChildTitles(main);
            return titles.size() == 1 && EndsWith(titles[0], "\\work\\乙.墨");
        }));
        EXPECT_EQ(ProjectItemCount(main), 3);  // the project, 源码 and 甲.墨
        EXPECT_EQ(ProjectButtonStates(main), std::vector<bool>(5, true));
        // The main bar's build and run buttons send the project menu's commands.
        EXPECT_TRUE(WaitUntil([&] {
            return MainBarButtonEnabled(main, ID_PROJECT_BUILD) && MainBarButtonEnabled(main, ID_PROJECT_RUN);
        }));
        ::SendMessageA(main, WM_COMMAND, ID_PROJECT_ADD_ALL_OPEN, 0);
        EXPECT_EQ(ProjectItemCount(main), 4);
        std::string saved = TempDir::ReadFile(project);
        EXPECT_NE(saved.find("<本地文件 文件名=\"乙.墨\" />"), std::string::npos) << saved;
        ::PostMessageA(main, WM_CLOSE, 0, 0);
        ASSERT_NE(ide.WaitForExit(30000), STILL_ACTIVE);
    }
    EXPECT_TRUE(EndsWith(ProfileValue(std::string("墨语言编辑器") + "工作区"), "\\work\\演示.项目"));

    StartedProgram again(m_exe, "", m_install / "work");
    HWND main = WaitForMainWindow(again);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return ProjectItemCount(main) == 4; }));
    EXPECT_TRUE(WaitUntil([&] {
        auto titles = ChildTitles(main);
        return titles.size() == 1 && EndsWith(titles[0], "\\work\\乙.墨");
    }));
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_NE(again.WaitForExit(30000), STILL_ACTIVE);
}

// The first document window opens maximised; a window a workspace lists opens where the
// workspace put it.
TEST_F(IdeTest, DocumentWindowsOpenMaximisedOrAtTheirSavedPlace)
{
    {
        StartedProgram ide(m_exe, "甲.墨", m_install / "work");
        HWND main = WaitForMainWindow(ide);
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return ChildTitles(main).size() == 1; }));
        EXPECT_TRUE(WaitUntil([&] { return ::IsZoomed(ActiveChild(main)) != FALSE; }));
        ::PostMessageA(main, WM_CLOSE, 0, 0);
        ASSERT_NE(ide.WaitForExit(30000), STILL_ACTIVE);
        ::DeleteFileA((m_install / "bin\\vuze.工作区").c_str());
    }
    m_install.WriteFile("work\\放置.项目", "<项目 版本=\"2.0\">\n</项目>\n\n<工作区 版本=\"2.0\">\n"
                                           "\t<本地文件 文件名=\"乙.墨\" 行号=\"1\" 位置=\"0:1:-1:-1:-1:-1:30:40:430:340\" />\n"
                                           "</工作区>\n\n");
    StartedProgram ide(m_exe, "放置.项目", m_install / "work");
    HWND main = WaitForMainWindow(ide);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ChildTitles(main).size() == 1 && ActiveChildShows(main, "\\work\\乙.墨"); }));
    // Where the window stands inside the frame's client area.
    HWND child = ActiveChild(main);
    EXPECT_FALSE(::IsZoomed(child));
    RECT shown = {};
    ::GetWindowRect(child, &shown);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&shown), 2);
    EXPECT_EQ(shown.left, 30);
    EXPECT_EQ(shown.top, 40);
    EXPECT_EQ(shown.right, 430);
    EXPECT_EQ(shown.bottom, 340);
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_NE(ide.WaitForExit(30000), STILL_ACTIVE);
}

namespace {

// A tree item's text, asked of the tree inside the IDE.
std::string TreeItemText(const StartedProgram& ide, HWND tree, HTREEITEM item)
{
    struct Request {
        TVITEMA item;
        char text[MAX_PATH];
    };
    RemoteBlock block(ide.Process(), sizeof(Request));
    Request request = {};
    request.item.mask = TVIF_TEXT;
    request.item.hItem = item;
    request.item.pszText = reinterpret_cast<LPSTR>(block.Address() + offsetof(Request, text));
    request.item.cchTextMax = MAX_PATH;
    if (item == nullptr || !block.Write(&request, sizeof request) ||
        !::SendMessageA(tree, TVM_GETITEMA, 0, block.Address()) || !block.Read(&request, sizeof request))
        return std::string();
    request.text[MAX_PATH - 1] = '\0';
    return request.text;
}

HTREEITEM TreeItem(HWND tree, UINT how, HTREEITEM from = nullptr)
{
    return reinterpret_cast<HTREEITEM>(::SendMessageA(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(from)));
}

}  // namespace

// The output menu's commands copy the list's lines (joined by CR LF) or the selected line to
// the clipboard and clear the list; 同步 shows the active document in the directory page, and
// leaves the page alone for an untitled document.
TEST_F(IdeTest, OutputCommandsCopyAndClearAndSyncShowsTheActiveDocument)
{
    StartedProgram ide(m_exe, "甲.墨", m_install / "work");
    HWND main = WaitForMainWindow(ide);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ChildTitles(main).size() == 1 && CaretHeight(main) > 0; }));

    HWND output = FindDescendantById(FindDescendantById(main, ID_OUTPUT_BAR), 1205);
    ASSERT_NE(output, nullptr);
    ::SendMessageA(main, WM_COMMAND, ID_OUTPUT_CLEAR, 0);
    EXPECT_EQ(::SendMessageA(output, LB_GETCOUNT, 0, 0), 0);
    AddListLine(output, "[错误] 甲.墨(3) : 缺少分号");
    AddListLine(output, "第二行");
    ::SendMessageA(main, WM_COMMAND, ID_OUTPUT_COPY_ALL, 0);
    EXPECT_EQ(ClipboardText(), "[错误] 甲.墨(3) : 缺少分号\r\n第二行");
    ::SendMessageA(output, LB_SETCURSEL, 1, 0);
    ::SendMessageA(main, WM_COMMAND, ID_OUTPUT_COPY_LINE, 0);
    EXPECT_EQ(ClipboardText(), "第二行");
    ::SendMessageA(main, WM_COMMAND, ID_OUTPUT_CLEAR, 0);
    EXPECT_EQ(::SendMessageA(output, LB_GETCOUNT, 0, 0), 0);

    HWND folders = FindDescendantById(main, 1259);
    ASSERT_NE(folders, nullptr);
    ::SendMessageA(main, WM_COMMAND, ID_WORKSPACE_SYNC, 0);
    HTREEITEM selected = TreeItem(folders, TVGN_CARET);
    EXPECT_EQ(TreeItemText(ide, folders, selected), "甲.墨");
    EXPECT_EQ(TreeItemText(ide, folders, TreeItem(folders, TVGN_PARENT, selected)), "work");

    HTREEITEM root = TreeItem(folders, TVGN_ROOT);
    ::SendMessageA(folders, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(root));
    ::SendMessageA(main, WM_COMMAND, ID_FILE_NEW, 0);
    ASSERT_TRUE(WaitUntil([&] { return ChildTitles(main).size() == 2; }));
    ::SendMessageA(main, WM_COMMAND, ID_WORKSPACE_SYNC, 0);
    EXPECT_EQ(TreeItem(folders, TVGN_CARET), root);

    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_NE(ide.WaitForExit(30000), STILL_ACTIVE);
}

// Each vocabulary table button shows its shipped table in the tree and is then the one
// button disabled.
TEST_F(IdeTest, VocabularyTableButtonsShowTheirTableAndDisableTheirOwnButton)
{
    StartedProgram ide(m_exe, "甲.墨", m_install / "work");
    HWND main = WaitForMainWindow(ide);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ChildTitles(main).size() == 1 && CaretHeight(main) > 0; }));
    HWND tree = FindDescendantById(main, 1179);
    HWND buttons = FindDescendantById(main, 1220);
    ASSERT_NE(tree, nullptr);
    ASSERT_NE(buttons, nullptr);

    struct Case {
        UINT command;
        const char* table;
    };
    const Case cases[] = {
        {ID_VOCABULARY_TABLE_FIRST, "墨语言词汇函数"}, {ID_VOCABULARY_TABLE_LAST, "墨语言扩展函数"},
            {43725, "墨语言视窗函数"}, {43724, "墨语言图形函数"},
    };
    for (const Case& c : cases) {
        // As the tool bar reports a click to the bar it sits in.
        ::SendMessageA(::GetParent(buttons), WM_COMMAND, MAKEWPARAM(c.command, BN_CLICKED),
                       reinterpret_cast<LPARAM>(buttons));
        EXPECT_EQ(TreeItemText(ide, tree, TreeItem(tree, TVGN_ROOT)), c.table);
        for (UINT command = ID_VOCABULARY_TABLE_FIRST; command <= ID_VOCABULARY_TABLE_LAST; ++command)
            EXPECT_EQ(::SendMessageA(buttons, TB_ISBUTTONENABLED, command, 0) != 0, command != c.command)
                << c.command << " " << command;
    }
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_NE(ide.WaitForExit(30000), STILL_ACTIVE);
}
