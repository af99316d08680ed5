// The started IDE keeping up with its documents: a file changed on disk while the IDE was in
// the background is checked again when the user comes back to it, and the tab bar and the
// status panes follow whichever document window is active.
#include "IdeFixture.h"
#include "real_input.h"
#include "editor/res/resource.h"
#include "framework/CommandIds.h"

#include <commctrl.h>
#include <shlwapi.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

const char kChangedQuestion[] = "\n\n此文件已被外部程序修改. 你想重新加载它吗?";
// The static control that holds a message box's text.
const int kMessageBoxText = 0xFFFF;

// Waits until the clock has left the second of the file's last write: a rewrite then gets
// another modification time even on file systems that keep whole seconds. File times come
// from a coarser clock that may lag the system time by a few milliseconds: a tenth of a
// second is left for it.
void WaitPastModificationSecond(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return;
    auto ticks = [](const FILETIME& time) { return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime; };
    const ULONGLONG kSecond = 10000000;
    EXPECT_TRUE(WaitUntil([&] {
        FILETIME now;
        ::GetSystemTimeAsFileTime(&now);
        return (ticks(now) - kSecond / 10) / kSecond > ticks(data.ftLastWriteTime) / kSecond;
    }));
}

DWORD ForegroundProcess()
{
    DWORD owner = 0;
    ::GetWindowThreadProcessId(::GetForegroundWindow(), &owner);
    return owner;
}

// The window the IDE's thread has active: null once the IDE has handled losing the
// activation (its WM_ACTIVATEAPP with false has been sent), a window once it has taken it.
HWND IdeActiveWindow(const StartedProgram& ide)
{
    GUITHREADINFO info = {sizeof info};
    return ::GetGUIThreadInfo(ide.ThreadId(), &info) ? info.hwndActive : nullptr;
}

// Returns once the window's thread has handled every message sent to it before this one:
// the activation messages the system sends when the foreground changes are among them.
bool RoundTrip(HWND window)
{
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kStuckMilliseconds, &result) != 0;
}

// A window of the test's own: activating it takes the activation away from the IDE, so
// that bringing the IDE back is an application activation, as when the user switches to it.
class OtherApplication {
public:
    OtherApplication()
    {
        m_window = ::CreateWindowExA(0, "STATIC", "其他程序", WS_POPUP | WS_BORDER | WS_VISIBLE, 1180, 960, 90, 50,
                                     nullptr, nullptr, nullptr, nullptr);
    }
    ~OtherApplication() { ::DestroyWindow(m_window); }
    OtherApplication(const OtherApplication&) = delete;
    OtherApplication& operator=(const OtherApplication&) = delete;

    // Takes the activation and returns once the IDE has handled losing it, so that its next
    // activation comes after whatever the test does now. A late focus event of the display
    // can hand the activation back to the IDE meanwhile: it is taken again.
    bool TakeActivation(const StartedProgram& ide)
    {
        return PumpUntil([&] {
            if (::GetForegroundWindow() == m_window && IdeActiveWindow(ide) == nullptr)
                return true;
            if (::GetForegroundWindow() != m_window)
                ::SetForegroundWindow(m_window);
            return false;
        }, 10000);
    }

private:
    HWND m_window = nullptr;
};

// Brings the IDE's window to the front and waits until the IDE has taken the activation in
// hand: once it has an active window and a message sent after that returns, the
// activation's handling has run or is showing its question.
bool ActivateIde(const StartedProgram& ide, HWND window)
{
    if (!PumpUntil([&] {
            if (ForegroundProcess() == ide.Id() && IdeActiveWindow(ide) != nullptr)
                return true;
            if (ForegroundProcess() != ide.Id())
                ::SetForegroundWindow(window);
            return false;
        }, 10000))
        return false;
    return RoundTrip(window);
}

struct QuestionSearch {
    DWORD processId;
    bool shownOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK MatchQuestion(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<QuestionSearch*>(data);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    char name[16] = {};
    ::GetClassNameA(window, name, sizeof name);
    if (owner == search->processId && std::strcmp(name, "#32770") == 0 &&
        (!search->shownOnly || ::IsWindowVisible(window)) && ::GetDlgItem(window, IDYES) != nullptr &&
        ::GetDlgItem(window, IDNO) != nullptr)
        search->found.push_back(window);
    return TRUE;
}

// The yes/no questions the IDE shows.
std::vector<HWND> Questions(const StartedProgram& ide)
{
    QuestionSearch search = {ide.Id(), true, {}};
    ::EnumWindows(MatchQuestion, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The yes/no questions the IDE has made, shown or still to show: a message box shows only
// once its own message loop first finds nothing to do.
size_t QuestionsMade(const StartedProgram& ide)
{
    QuestionSearch search = {ide.Id(), false, {}};
    ::EnumWindows(MatchQuestion, reinterpret_cast<LPARAM>(&search));
    return search.found.size();
}

BOOL CALLBACK LongestStaticText(HWND child, LPARAM data)
{
    char name[32] = {};
    char text[1024] = {};
    ::GetClassNameA(child, name, sizeof name);
    ::GetWindowTextA(child, text, sizeof text);
    auto* longest = reinterpret_cast<std::string*>(data);
    if (lstrcmpiA(name, "Static") == 0 && std::strlen(text) > longest->size())
        *longest = text;
    return TRUE;
}

// The message of a message box: its text control, or failing that its longest static text.
std::string QuestionText(HWND question)
{
    char text[1024] = {};
    ::GetWindowTextA(::GetDlgItem(question, kMessageBoxText), text, sizeof text);
    std::string longest = text;
    if (longest.empty())
        ::EnumChildWindows(question, LongestStaticText, reinterpret_cast<LPARAM>(&longest));
    return longest;
}

void EmptyClipboard()
{
    if (::OpenClipboard(nullptr)) {
        ::EmptyClipboard();
        ::CloseClipboard();
    }
}

// The active document's whole text, copied out by the IDE's own commands; the selection
// is then left at the end of the text.
std::string DocumentText(HWND main)
{
    EmptyClipboard();
    std::string text;
    WaitUntil([&] {
        ::PostMessageA(main, WM_COMMAND, ID_EDIT_SELECT_ALL, 0);
        ::PostMessageA(main, WM_COMMAND, ID_EDIT_COPY, 0);
        text = ClipboardText();
        return !text.empty();
    }, 10000);
    return text;
}

class IdeDocumentsTest : public IdeFixture {
protected:
    // Starts the IDE on the files of the work folder, placed where nothing covers it.
    HWND Start(const std::string& files)
    {
        HWND main = StartIde(files);
        if (main == nullptr)
            return nullptr;
        ::MoveWindow(main, 0, 0, 1100, 760, TRUE);
        return main;
    }
};

}  // namespace

// Coming back to the IDE checks its documents against the disk: an unmodified document is
// reloaded at once, a modified one asks first, a change answered No is not asked about
// again, and a deleted file leaves the document as it is.
TEST_F(IdeDocumentsTest, FileChangedOnDiskIsCheckedWhenTheIdeIsActivated)
{
    std::string path = m_install.WriteFile("work\\甲.墨", "原文\r\n");
    HWND main = Start("甲.墨");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ActiveChildShows(main, "\\work\\甲.墨") && ActiveView(main) != nullptr; }));
    OtherApplication other;

    enum Change { kNone, kRewrite, kDelete };
    enum Edit { kKeep, kType };
    const struct {
        const char* what;
        Edit edit;
        Change change;
        const char* disk;  // the file's new text
        int answer;        // 0: no question expected
        const char* shown;  // the document's text afterwards; null: as it was before
    } steps[] = {
        {"nothing changed", kKeep, kNone, nullptr, 0, "原文\r\n"},
        {"unmodified document: reloaded at once", kKeep, kRewrite, "外改一\r\n", 0, "外改一\r\n"},
        {"modified document, No: kept", kType, kRewrite, "外改二\r\n", IDNO, nullptr},
        {"the same change is not asked about again", kKeep, kNone, nullptr, 0, nullptr},
        {"changed again, Yes: reloaded", kKeep, kRewrite, "外改三\r\n", IDYES, "外改三\r\n"},
        {"deleted file: the document stays", kKeep, kDelete, nullptr, 0, "外改三\r\n"},
    };
    std::string shown = DocumentText(main);
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.edit == kType) {
            ::PostMessageA(ActiveView(main), WM_CHAR, 'x', 1);
            ASSERT_TRUE(WaitUntil([&] { return (shown = DocumentText(main)).find('x') != std::string::npos; }));
        }
        if (step.change != kNone)
            WaitPastModificationSecond(path);
        if (step.change == kRewrite)
            m_install.WriteFile("work\\甲.墨", step.disk);
        if (step.change == kDelete) {
            ASSERT_TRUE(::DeleteFileA(path.c_str()));
        }

        // The IDE loses the activation after the change and takes it back: its check then
        // sees the change, however the display hands the activation around meanwhile.
        ASSERT_TRUE(other.TakeActivation(*m_ide));
        ASSERT_TRUE(ActivateIde(*m_ide, main));
        if (step.answer == 0) {
            EXPECT_EQ(QuestionsMade(*m_ide), 0u);
        } else {
            std::vector<HWND> questions;
            ASSERT_TRUE(WaitUntil([&] { return !(questions = Questions(*m_ide)).empty(); }));
            ASSERT_EQ(questions.size(), 1u);
            EXPECT_TRUE(EndsWith(QuestionText(questions[0]), std::string("\\work\\甲.墨") + kChangedQuestion))
                << QuestionText(questions[0]);
            ::PostMessageA(questions[0], WM_COMMAND, step.answer, 0);
            ASSERT_TRUE(WaitUntil([&] { return QuestionsMade(*m_ide) == 0; }));
        }
        if (step.shown != nullptr)
            shown = step.shown;
        EXPECT_TRUE(WaitUntil([&] { return DocumentText(main) == shown; }, 10000)) << DocumentText(main);
    }

    CloseIde(main);
}

// The question is modal: the user switching away and back while it is up gets no second one.
TEST_F(IdeDocumentsTest, ActivationWhileTheQuestionIsUpDoesNotAskAgain)
{
    m_install.WriteFile("work\\乙.墨", "原文\r\n");
    HWND main = Start("乙.墨");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ActiveChildShows(main, "\\work\\乙.墨") && ActiveView(main) != nullptr; }));
    ::PostMessageA(ActiveView(main), WM_CHAR, 'x', 1);
    std::string typed;
    ASSERT_TRUE(WaitUntil([&] { return (typed = DocumentText(main)).find('x') != std::string::npos; }));
    WaitPastModificationSecond(m_install / "work\\乙.墨");
    m_install.WriteFile("work\\乙.墨", "外改\r\n");
    OtherApplication other;
    ASSERT_TRUE(other.TakeActivation(*m_ide));

    ASSERT_TRUE(ActivateIde(*m_ide, main));
    std::vector<HWND> questions;
    ASSERT_TRUE(WaitUntil([&] { return !(questions = Questions(*m_ide)).empty(); }));
    HWND question = questions[0];
    // Each activation has been handled inside the question's loop once it returns.
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(other.TakeActivation(*m_ide));
        ASSERT_TRUE(ActivateIde(*m_ide, question));
        EXPECT_EQ(QuestionsMade(*m_ide), 1u) << "round " << round;
    }
    ::PostMessageA(question, WM_COMMAND, IDNO, 0);
    ASSERT_TRUE(WaitUntil([&] { return QuestionsMade(*m_ide) == 0; }));
    ASSERT_TRUE(RoundTrip(main));
    EXPECT_EQ(QuestionsMade(*m_ide), 0u) << "asked again after No";
    EXPECT_EQ(DocumentText(main), typed);

    ::PostMessageA(main, WM_CLOSE, 0, 0);
    if (WaitUntil([&] { return (question = FindProcessDialog(m_ide->Id(), IDNO)) != nullptr; }, 10000))
        ::PostMessageA(question, WM_COMMAND, IDNO, 0);
    EXPECT_NE(m_ide->WaitForExit(30000), STILL_ACTIVE);
}

namespace {

struct TabState {
    std::string text;
    int image;
    bool operator==(const TabState& other) const { return text == other.text && image == other.image; }
};

std::ostream& operator<<(std::ostream& out, const TabState& tab)
{
    return out << "{\"" << tab.text << "\", " << tab.image << "}";
}

// The tabs' texts and images, asked of the tab control inside the IDE.
std::vector<TabState> Tabs(const StartedProgram& ide, HWND tabs)
{
    std::vector<TabState> states;
    int count = static_cast<int>(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const int kTextSize = 256;
        RemoteBlock block(ide.Process(), sizeof(TCITEMA) + kTextSize);
        TCITEMA item = {};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = reinterpret_cast<char*>(block.Address() + sizeof(TCITEMA));
        item.cchTextMax = kTextSize;
        char text[kTextSize] = {};
        block.Write(&item, sizeof item);
        if (::SendMessageA(tabs, TCM_GETITEMA, i, block.Address())) {
            std::vector<char> bytes(sizeof(TCITEMA) + kTextSize);
            block.Read(bytes.data(), bytes.size());
            std::memcpy(&item, bytes.data(), sizeof item);
            std::memcpy(text, bytes.data() + sizeof(TCITEMA), kTextSize - 1);
        }
        states.push_back({text, item.iImage});
    }
    return states;
}

// Clicks the tab with the real pointer.
void ClickTab(const StartedProgram& ide, HWND tabs, int index)
{
    RECT rect = {};
    RemoteBlock block(ide.Process(), sizeof rect);
    if (::SendMessageA(tabs, TCM_GETITEMRECT, index, block.Address()))
        block.Read(&rect, sizeof rect);
    ::MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    ::SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, inputs, sizeof(INPUT));
}

// The pixels of a rectangle of the screen as the user sees it.
std::vector<COLORREF> ScreenPixels(const RECT& rect)
{
    std::vector<COLORREF> pixels;
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return pixels;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(::GetPixel(memory, x, y));
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

// What a status pane of that size shows inside its border: the text centred in the GUI
// font, in the pane's colour on the button face, or the other way round when highlighted.
std::vector<COLORREF> PanePicture(int width, int height, const std::string& text, COLORREF colour, bool highlighted)
{
    std::vector<COLORREF> pixels;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ oldBitmap = ::SelectObject(memory, bitmap);
    HGDIOBJ oldFont = ::SelectObject(memory, ::GetStockObject(DEFAULT_GUI_FONT));
    COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    RECT all = {0, 0, width, height};
    ::SetBkColor(memory, highlighted ? colour : face);
    ::ExtTextOutA(memory, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    ::SetBkMode(memory, TRANSPARENT);
    ::SetTextColor(memory, highlighted ? face : colour);
    SIZE extent = {};
    ::GetTextExtentPoint32A(memory, text.c_str(), static_cast<int>(text.size()), &extent);
    ::TextOutA(memory, (width - extent.cx) / 2, (height - extent.cy) / 2, text.c_str(), static_cast<int>(text.size()));
    for (int y = 1; y < height - 1; ++y)
        for (int x = 1; x < width - 1; ++x)
            pixels.push_back(::GetPixel(memory, x, y));
    ::SelectObject(memory, oldFont);
    ::SelectObject(memory, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

// A status pane of the IDE's status bar as it stands on the screen.
struct StatusPanes {
    const StartedProgram& ide;
    HWND bar;

    RECT ScreenRect(int pane) const
    {
        RECT rect = {};
        RemoteBlock block(ide.Process(), sizeof rect);
        if (::SendMessageA(bar, SB_GETRECT, pane, block.Address()))
            block.Read(&rect, sizeof rect);
        ::MapWindowPoints(bar, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    bool Shows(int pane, const std::string& text, COLORREF colour, bool highlighted) const
    {
        RECT rect = ScreenRect(pane);
        RECT inside = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
        std::vector<COLORREF> seen = ScreenPixels(inside);
        return !seen.empty() &&
               seen == PanePicture(rect.right - rect.left, rect.bottom - rect.top, text, colour, highlighted);
    }
};

const COLORREF kPositionColour = RGB(0, 0, 128);
const COLORREF kOverwriteColour = RGB(64, 64, 160);
enum { kCaretPane = 1, kLinesPane = 2, kFormatPane = 3, kOverwritePane = 7 };

}  // namespace

// Switching documents with the tabs, Ctrl+Tab and the window menu, typing, closing one:
// the selected tab, the tabs' modified images and the status panes follow the active window.
TEST_F(IdeDocumentsTest, TabsAndStatusPanesFollowTheActiveDocument)
{
    std::string lines;
    for (int i = 1; i <= 40; ++i)
        lines += "第" + std::to_string(i) + "行\r\n";
    m_install.WriteFile("work\\甲.墨", lines);
    m_install.WriteFile("work\\乙.墨", "乙一\n乙二\n乙三\n");
    m_install.WriteFile("work\\丙.墨", "\xEF\xBB\xBFline1\r\nline2\r\n");
    HWND main = Start("甲.墨 乙.墨 丙.墨");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ChildTitles(main).size() == 3 && ActiveChildShows(main, "\\work\\丙.墨"); }));
    HWND tabs = FindDescendantById(FindDescendantById(main, ID_DOC_TAB_BAR), IDC_DOC_TABS);
    ASSERT_NE(tabs, nullptr);
    StatusPanes panes{*m_ide, FindDescendant(main, "msctls_statusbar32")};
    ASSERT_NE(panes.bar, nullptr);
    ASSERT_TRUE(ActivateIde(*m_ide, main));

    enum Action { kNothing, kKeys, kCtrlKeys, kClickTab, kCommand };
    const struct {
        const char* what;
        Action action;
        std::vector<WORD> keys;  // kKeys, kCtrlKeys
        int value;               // kClickTab: the tab; kCommand: the command
        const char* active;
        std::vector<TabState> tabs;
        const char* caret;
        const char* lineCount;
        const char* format;
        bool overwrite;
    } steps[] = {
        {"the last file opened", kNothing, {}, 0, "丙.墨", {{"甲.墨 ", 0}, {"乙.墨 ", 0}, {"丙.墨 ", 0}},
         "行 1,  列 1", "3", "UTF-8, DOS", false},
        {"End", kKeys, {VK_END}, 0, "丙.墨", {{"甲.墨 ", 0}, {"乙.墨 ", 0}, {"丙.墨 ", 0}},
         "行 1,  列 6", "3", "UTF-8, DOS", false},
        {"a click on the first tab", kClickTab, {}, 0, "甲.墨", {{"甲.墨 ", 0}, {"乙.墨 ", 0}, {"丙.墨 ", 0}},
         "行 1,  列 1", "41", "ASCII, DOS", false},
        {"two lines down", kKeys, {VK_DOWN, VK_DOWN}, 0, "甲.墨", {{"甲.墨 ", 0}, {"乙.墨 ", 0}, {"丙.墨 ", 0}},
         "行 3,  列 1", "41", "ASCII, DOS", false},
        {"Ctrl+Tab: the window before", kCtrlKeys, {VK_TAB}, 0, "丙.墨",
         {{"甲.墨 ", 0}, {"乙.墨 ", 0}, {"丙.墨 ", 0}}, "行 1,  列 6", "3", "UTF-8, DOS", false},
        {"Ctrl+Tab+Tab: two windows back", kCtrlKeys, {VK_TAB, VK_TAB}, 0, "乙.墨",
         {{"甲.墨 ", 0}, {"乙.墨 ", 0}, {"丙.墨 ", 0}}, "行 1,  列 1", "4", "ASCII, UNIX", false},
        {"窗口 > 下一窗口", kCommand, {}, ID_WINDOW_NEXT, "丙.墨", {{"甲.墨 ", 0}, {"乙.墨 ", 0}, {"丙.墨 ", 0}},
         "行 1,  列 6", "3", "UTF-8, DOS", false},
        {"窗口 > 上一窗口", kCommand, {}, ID_WINDOW_PREVIOUS, "乙.墨",
         {{"甲.墨 ", 0}, {"乙.墨 ", 0}, {"丙.墨 ", 0}}, "行 1,  列 1", "4", "ASCII, UNIX", false},
        {"typing marks the tab modified", kKeys, {'X'}, 0, "乙.墨", {{"甲.墨 ", 0}, {"乙.墨 ", 1}, {"丙.墨 ", 0}},
         "行 1,  列 2", "4", "ASCII, UNIX", false},
        {"Insert: overwrite", kKeys, {VK_INSERT}, 0, "乙.墨", {{"甲.墨 ", 0}, {"乙.墨 ", 1}, {"丙.墨 ", 0}},
         "行 1,  列 2", "4", "ASCII, UNIX", true},
        {"Ctrl+Tab keeps the mode and the mark", kCtrlKeys, {VK_TAB}, 0, "丙.墨",
         {{"甲.墨 ", 0}, {"乙.墨 ", 1}, {"丙.墨 ", 0}}, "行 1,  列 6", "3", "UTF-8, DOS", true},
        {"Ctrl+W closes the window", kCtrlKeys, {'W'}, 0, "乙.墨", {{"甲.墨 ", 0}, {"乙.墨 ", 1}},
         "行 1,  列 2", "4", "ASCII, UNIX", true},
        {"Insert: insert again", kKeys, {VK_INSERT}, 0, "乙.墨", {{"甲.墨 ", 0}, {"乙.墨 ", 1}},
         "行 1,  列 2", "4", "ASCII, UNIX", false},
        {"Ctrl+S clears the mark", kCtrlKeys, {'S'}, 0, "乙.墨", {{"甲.墨 ", 0}, {"乙.墨 ", 0}},
         "行 1,  列 2", "4", "ASCII, UNIX", false},
        {"Ctrl+PageUp: the tab before, though the text has the keys", kCtrlKeys, {VK_PRIOR}, 0, "甲.墨",
         {{"甲.墨 ", 0}, {"乙.墨 ", 0}}, "行 3,  列 1", "41", "ASCII, DOS", false},
        {"Ctrl+PageDown: the tab after", kCtrlKeys, {VK_NEXT}, 0, "乙.墨", {{"甲.墨 ", 0}, {"乙.墨 ", 0}},
         "行 1,  列 2", "4", "ASCII, UNIX", false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        ASSERT_TRUE(ActivateIde(*m_ide, main));
        switch (step.action) {
        case kNothing:
            break;
        case kKeys:
            PressKeys(0, step.keys);
            break;
        case kCtrlKeys:
            PressKeys(VK_CONTROL, step.keys);
            break;
        case kClickTab:
            ClickTab(*m_ide, tabs, step.value);
            break;
        case kCommand:
            ::PostMessageA(main, WM_COMMAND, static_cast<WPARAM>(step.value), 0);
            break;
        }
        std::string tail = std::string("\\work\\") + step.active;
        EXPECT_TRUE(WaitUntil([&] { return ActiveChildShows(main, tail); }, 10000));
        int selected = -1;
        for (size_t i = 0; i < step.tabs.size(); ++i)
            if (step.tabs[i].text == std::string(step.active) + " ")
                selected = static_cast<int>(i);
        EXPECT_TRUE(WaitUntil([&] { return ::SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == selected; }, 10000))
            << ::SendMessageA(tabs, TCM_GETCURSEL, 0, 0);
        std::vector<TabState> shown;
        EXPECT_TRUE(WaitUntil([&] { return (shown = Tabs(*m_ide, tabs)) == step.tabs; }, 10000))
            << ::testing::PrintToString(shown);
        EXPECT_TRUE(WaitUntil([&] { return panes.Shows(kCaretPane, step.caret, kPositionColour, false); }, 10000))
            << step.caret;
        EXPECT_TRUE(WaitUntil([&] { return panes.Shows(kLinesPane, step.lineCount, kPositionColour, false); }, 10000))
            << step.lineCount;
        EXPECT_TRUE(WaitUntil([&] { return panes.Shows(kFormatPane, step.format, kPositionColour, false); }, 10000))
            << step.format;
        EXPECT_TRUE(WaitUntil([&] { return panes.Shows(kOverwritePane, "覆盖", kOverwriteColour, step.overwrite); },
                            10000));
    }
    CloseIde(main);
}

// F3 steps on to the next match of what was looked for (here the selection) and Shift+F3
// back, with the keys going through the running IDE.
TEST_F(IdeDocumentsTest, F3FindsTheNextMatchAndShiftF3ThePrevious)
{
    std::string lines;
    for (int i = 1; i <= 5; ++i)
        lines += "第" + std::to_string(i) + "行\r\n";
    m_install.WriteFile("work\\甲.墨", lines);
    HWND main = Start("甲.墨");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ChildTitles(main).size() == 1 && ActiveChildShows(main, "\\work\\甲.墨"); }));
    StatusPanes panes{*m_ide, FindDescendant(main, "msctls_statusbar32")};
    ASSERT_NE(panes.bar, nullptr);
    const struct {
        const char* what;
        WORD modifier;
        WORD key;
        const char* caret;
    } steps[] = {
        {"Shift+Right selects 第", VK_SHIFT, VK_RIGHT, "行 1,  列 3"},
        {"F3: the next 第", 0, VK_F3, "行 2,  列 1"},
        {"F3 again", 0, VK_F3, "行 3,  列 1"},
        {"Shift+F3: the one before", VK_SHIFT, VK_F3, "行 2,  列 1"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        ASSERT_TRUE(ActivateIde(*m_ide, main));
        PressKeys(step.modifier, {step.key});
        EXPECT_TRUE(WaitUntil([&] { return panes.Shows(kCaretPane, step.caret, kPositionColour, false); }, 10000))
            << step.caret;
    }
    CloseIde(main);
}

namespace {

HWND CaptureOf(HWND window)
{
    GUITHREADINFO info = {sizeof info};
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndCapture : nullptr;
}

// Drags the edge of a docked bar with the real pointer, in steps, from one screen point to
// another: the bar has the capture once the button is down, and lets it go at the release.
bool DragBarEdge(HWND bar, POINT from, POINT to)
{
    // Wine moves the display's pointer only when the position changes: it is parked away
    // from the IDE first, and pressed only once it stands on the edge.
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    ::SetCursorPos(from.x, from.y);
    POINT at = {};
    if (!WaitUntil([&] { return ::GetCursorPos(&at) && at.x == from.x && at.y == from.y && ::WindowFromPoint(from) == bar; },
                 10000))
        return false;
    PressMouseAt(from, {MOUSEEVENTF_LEFTDOWN});
    if (!WaitUntil([&] { return CaptureOf(bar) == bar; }, 10000))
        return false;
    const int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i)
        PressMouseAt({from.x + (to.x - from.x) * i / kSteps, from.y + (to.y - from.y) * i / kSteps},
                     {MOUSEEVENTF_MOVE});
    PressMouseAt(to, {MOUSEEVENTF_LEFTUP});
    return WaitUntil([&] { return CaptureOf(bar) == nullptr; }, 10000);
}

size_t DifferentPixels(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b)
{
    size_t count = a.size() > b.size() ? a.size() - b.size() : b.size() - a.size();
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        count += a[i] != b[i];
    return count;
}

int WindowHeight(HWND window)
{
    RECT rect = {};
    ::GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

}  // namespace

// The output window's top edge dragged up and back again: the workspace bar and the
// document area show what they showed before, with nothing of the drag left on them.
TEST_F(IdeDocumentsTest, DockedBarResizedAndBackLeavesNoStalePixels)
{
    HWND main = Start("");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ChildTitles(main).size() == 1; }));
    // Without a document there is no caret blinking in the area compared.
    ::PostMessageA(ActiveChild(main), WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return ChildTitles(main).empty(); }));
    HWND output = ::GetParent(FindDescendantById(main, 1205));
    HWND client = FindDescendant(main, "MDIClient");
    ASSERT_TRUE(output != nullptr && client != nullptr);
    ASSERT_TRUE(ActivateIde(*m_ide, main));

    // The area between the tool bars and the output window: the workspace bar and the
    // document area beside it.
    RECT area = {};
    ::GetWindowRect(client, &area);
    RECT frame = {};
    ::GetWindowRect(main, &frame);
    area.left = frame.left + 8;
    // The picture once the IDE has settled: the same in two looks in a row.
    std::vector<COLORREF> before = ScreenPixels(area);
    ASSERT_TRUE(WaitUntil([&] {
        std::vector<COLORREF> again = ScreenPixels(area);
        std::swap(before, again);
        return !before.empty() && before == again;
    }, 10000));

    RECT edge = {};
    ::GetWindowRect(output, &edge);
    const int height = WindowHeight(output);
    // The middle of the edge: the tracker follows the pointer from there, so the way back
    // undoes the way up exactly.
    const POINT grip = {(edge.left + edge.right) / 2, edge.top + 3};
    const POINT raised = {grip.x, grip.y - 120};
    ASSERT_TRUE(DragBarEdge(output, grip, raised));
    ASSERT_TRUE(WaitUntil([&] { return WindowHeight(output) > height + 60; }, 10000)) << WindowHeight(output);
    ASSERT_TRUE(DragBarEdge(output, raised, grip));
    ASSERT_TRUE(WaitUntil([&] { return WindowHeight(output) == height; }, 10000)) << WindowHeight(output);

    std::vector<COLORREF> after;
    EXPECT_TRUE(WaitUntil([&] { return (after = ScreenPixels(area)) == before; }, 10000))
        << DifferentPixels(before, after) << " pixels differ";
    CloseIde(main);
}
