// Starting the built IDE from a test or bench: a seeded copy of the program, the started
// process, and what its windows show from outside.
#pragma once
#include "editor/settings/EditorSettings.h"
#include "editor/settings/SettingsFiles.h"
#include "framework/CommandIds.h"
#include "started_program.h"
#include "temp_dir.h"
#include "wait.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>


inline const char kProgramName[] = "墨语言编辑器.exe";
inline const char kMainTitle[] = "墨语言编辑器";

inline bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

struct MainWindowSearch {
    DWORD processId;
    HWND found;
};

inline BOOL CALLBACK MatchMainWindow(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<MainWindowSearch*>(data);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    char title[256] = {};
    ::GetWindowTextA(window, title, sizeof title);
    // A maximised document window adds its title in brackets.
    const std::string shown = title;
    const bool named = shown == kMainTitle || shown.rfind(std::string(kMainTitle) + " - [", 0) == 0;
    if (owner == search->processId && named && ::IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

inline HWND FindMainWindow(DWORD processId)
{
    MainWindowSearch search = {processId, nullptr};
    ::EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The main window of the started IDE once it shows; null when the program did not start or
// no window came.
inline HWND WaitForMainWindow(const StartedProgram& ide)
{
    HWND main = nullptr;
    return ide.Started() && WaitUntil([&] { return (main = FindMainWindow(ide.Id())) != nullptr; }) ? main : nullptr;
}

// Saves the IDE's active document and returns once the save is done: a read of the file
// while the editor writes it would make the save fail (it wants the file to itself).
inline bool SaveActiveDocument(HWND main)
{
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(main, WM_COMMAND, ID_FILE_SAVE, 0, SMTO_NORMAL, 30000, &result) != 0;
}

// The titles of the document windows in the MDI client.
inline std::vector<std::string> ChildTitles(HWND main)
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

inline HWND ActiveChild(HWND main)
{
    HWND client = ::FindWindowExA(main, nullptr, "MDIClient", nullptr);
    return reinterpret_cast<HWND>(::SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
}

// True once the active document window shows the file: a file opens and moves its views to
// the line before its window answers as the active one.
inline bool ActiveChildShows(HWND main, const std::string& tail)
{
    char title[MAX_PATH * 2] = {};
    ::GetWindowTextA(ActiveChild(main), title, sizeof title);
    return EndsWith(title, tail);
}

inline std::string ClipboardText()
{
    std::string text;
    if (!::OpenClipboard(nullptr))
        return text;
    if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(::GlobalLock(data))) {
            text = bytes;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

inline HWND FindDescendant(HWND parent, const char* className)
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

// The descendant window with that control id, depth first.
inline HWND FindDescendantById(HWND parent, int id)
{
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(child) == id)
            return child;
        if (HWND found = FindDescendantById(child, id))
            return found;
    }
    return nullptr;
}

struct DialogSearch {
    DWORD processId;
    int controlId;
    HWND except;
    HWND found;
};

inline BOOL CALLBACK MatchDialog(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<DialogSearch*>(data);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || window == search->except || !::IsWindowVisible(window) ||
        ::GetDlgItem(window, search->controlId) == nullptr)
        return TRUE;
    search->found = window;
    return FALSE;
}

// The first view of the active document window.
inline HWND ActiveView(HWND main)
{
    // The splitter and its first pane share the id.
    const int kFirstPane = 0xE900;
    return FindDescendantById(FindDescendantById(ActiveChild(main), kFirstPane), kFirstPane);
}

// A visible dialog of the process, other than `except`, holding a control with that id.
inline HWND FindProcessDialog(DWORD processId, int controlId, HWND except = nullptr)
{
    DialogSearch search = {processId, controlId, except, nullptr};
    ::EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A block of memory inside another process, for control messages whose pointers the system
// does not carry across (tree item rectangles, status-bar texts).
class RemoteBlock {
public:
    RemoteBlock(HANDLE process, size_t size) : m_process(process), m_size(size)
    {
        m_address = ::VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBlock()
    {
        if (m_address != nullptr)
            ::VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    LPARAM Address() const { return reinterpret_cast<LPARAM>(m_address); }
    bool Write(const void* data, size_t size)
    {
        return size <= m_size && ::WriteProcessMemory(m_process, m_address, data, size, nullptr);
    }
    bool Read(void* data, size_t size) const
    {
        return size <= m_size && ::ReadProcessMemory(m_process, m_address, data, size, nullptr);
    }

private:
    HANDLE m_process;
    size_t m_size;
    void* m_address = nullptr;
};

// A copy of the staged program in install\bin with a configuration that starts on a new
// document instead of the welcome dialog, changed further by adjust when given; returns the
// copy's path, empty on failure.
inline std::string SeedInstallation(const TempDir& install,
                                    const std::function<void(CEditorSettings&)>& adjust = nullptr)
{
    ::CreateDirectoryA((install / "bin").c_str(), nullptr);
    std::string exe = install / "bin" + "\\" + kProgramName;
    if (!::CopyFileA((std::string(MOYU_STAGED_PROGRAM_DIR) + "\\" + kProgramName).c_str(), exe.c_str(), FALSE))
        return std::string();
    // The shipped vocabulary tables, which start-up reads from the program folder.
    ::CreateDirectoryA((install / "bin\\配置").c_str(), nullptr);
    for (const char* table : {"墨语言词汇函数", "墨语言图形函数", "墨语言视窗函数", "墨语言扩展函数"}) {
        std::string name = std::string("\\配置\\") + table + ".表";
        if (!::CopyFileA((std::string(MOYU_STAGED_PROGRAM_DIR) + name).c_str(), (install / "bin" + name).c_str(), FALSE))
            return std::string();
    }
    CEditorSettings settings;
    ResetConfigDefaults(settings);
    ResetColorDefaults(settings);
    settings.newDocumentAtStart = 1;
    if (adjust)
        adjust(settings);
    if (!SaveConfig((install / "bin\\vuze.配置").c_str(), settings) ||
        !SaveColorScheme((install / "bin\\vuze.配色").c_str(), settings.view.colors))
        return std::string();
    return exe;
}
