// The built IDE, started as its users start it: a copy of 墨语言编辑器.exe in a seeded
// program folder of its own, files on its command line, and a second start that hands its
// files over to the first.
#include "editor/shell/EditorSettings.h"
#include "editor/shell/SettingsFiles.h"
#include "temp_dir.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

const char kProgramName[] = "墨语言编辑器.exe";
const char kMainTitle[] = "墨语言编辑器";

bool WaitFor(const std::function<bool()>& condition, int milliseconds = 30000)
{
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return condition();
}

// A started program, ended (if it still runs) when the object goes.
class StartedProgram {
public:
    StartedProgram(const std::string& exe, const std::string& arguments, const std::string& folder)
    {
        std::string commandLine = "\"" + exe + "\" " + arguments;
        STARTUPINFOA startup = {sizeof startup};
        m_started = ::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                     folder.c_str(), &startup, &m_info) != 0;
    }
    ~StartedProgram()
    {
        if (!m_started)
            return;
        if (::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(m_info.hProcess, 1);
            ::WaitForSingleObject(m_info.hProcess, 5000);
        }
        ::CloseHandle(m_info.hThread);
        ::CloseHandle(m_info.hProcess);
    }
    bool Started() const { return m_started; }
    DWORD Id() const { return m_info.dwProcessId; }
    // The exit code, or STILL_ACTIVE when it has not ended within the time.
    DWORD WaitForExit(int milliseconds)
    {
        ::WaitForSingleObject(m_info.hProcess, milliseconds);
        DWORD code = STILL_ACTIVE;
        ::GetExitCodeProcess(m_info.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION m_info = {};
    bool m_started = false;
};

struct MainWindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchMainWindow(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<MainWindowSearch*>(data);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    char title[256] = {};
    ::GetWindowTextA(window, title, sizeof title);
    if (owner == search->processId && std::string(title) == kMainTitle && ::IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindMainWindow(DWORD processId)
{
    MainWindowSearch search = {processId, nullptr};
    ::EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The titles of the document windows in the MDI client.
std::vector<std::string> ChildTitles(HWND main)
{
    std::vector<std::string> titles;
    HWND client = ::FindWindowExA(main, nullptr, "MDIClient", nullptr);
    for (HWND child = ::GetWindow(client, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char title[MAX_PATH * 2] = {};
        ::GetWindowTextA(child, title, sizeof title);
        titles.push_back(title);
    }
    return titles;
}

HWND FindDescendant(HWND parent, const char* className)
{
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char name[64] = {};
        ::GetClassNameA(child, name, sizeof name);
        if (lstrcmpiA(name, className) == 0)
            return child;
        if (HWND found = FindDescendant(child, className))
            return found;
    }
    return nullptr;
}

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

class IdeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::CreateDirectoryA((m_install / "bin").c_str(), nullptr);
        ::CreateDirectoryA((m_install / "work").c_str(), nullptr);
        m_exe = m_install / "bin" + "\\" + kProgramName;
        ASSERT_TRUE(::CopyFileA((std::string(MOYU_STAGED_PROGRAM_DIR) + "\\" + kProgramName).c_str(), m_exe.c_str(), FALSE));
        // A configuration that starts on a new document instead of the welcome dialog.
        CEditorSettings settings;
        ResetConfigDefaults(settings);
        ResetColorDefaults(settings);
        settings.newDocumentAtStart = 1;
        ASSERT_TRUE(SaveConfig((m_install / "bin\\vuze.配置").c_str(), settings));
        ASSERT_TRUE(SaveColorScheme((m_install / "bin\\vuze.配色").c_str(), settings.view.colors));
        std::string lines;
        for (int i = 1; i <= 40; ++i)
            lines += "第" + std::to_string(i) + "行\r\n";
        for (const char* name : {"甲.墨", "乙.墨", "丙.墨", "丁.墨"})
            m_install.WriteFile(std::string("work\\") + name, lines);
    }

    TempDir m_install;
    std::string m_exe;
};

TEST_F(IdeTest, StartsWithItsBarsAndTakesOverASecondStartsFiles)
{
    std::string work = m_install / "work";
    StartedProgram first(m_exe, "/L:20 甲.墨", work);
    ASSERT_TRUE(first.Started());
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = FindMainWindow(first.Id())) != nullptr; }));
    // The window takes its document's path once the file is read.
    EXPECT_TRUE(WaitFor([&] {
        auto titles = ChildTitles(main);
        return titles.size() == 1 && EndsWith(titles[0], "\\work\\甲.墨");
    }));

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
    ASSERT_TRUE(WaitFor([&] { return ChildTitles(main).size() == 4; }));
    EXPECT_EQ(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 4);
    EXPECT_EQ(TempDir::ReadFile(m_install / "bin\\命令行.文本"), "");

    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_NE(first.WaitForExit(30000), STILL_ACTIVE);
}

TEST_F(IdeTest, StartsOnANewDocumentWithoutFiles)
{
    StartedProgram ide(m_exe, "", m_install / "work");
    ASSERT_TRUE(ide.Started());
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = FindMainWindow(ide.Id())) != nullptr; }));
    EXPECT_TRUE(WaitFor([&] { return ChildTitles(main) == std::vector<std::string>{"新文件1"}; }));
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_NE(ide.WaitForExit(30000), STILL_ACTIVE);
}

}  // namespace
