// Commands of the started IDE reached the way a user reaches them: the palette toggles from
// the view menu and DOS命令 from its key, both through the platform's input; restoring the
// default settings; a help page opened through the system's association.
#include "IdeHarness.h"
#include "editor/res/resource.h"
#include "framework/CommandIds.h"
#include "real_input.h"

#include <shlwapi.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// A variable of this process, inherited by the IDE, until the scope ends; then its old value.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : m_name(name)
    {
        char old[1024];
        const DWORD length = ::GetEnvironmentVariableA(name, old, sizeof old);
        m_had = length > 0 && length < sizeof old;
        if (m_had)
            m_old = old;
        ::SetEnvironmentVariableA(name, value);
    }
    ~ScopedVariable() { ::SetEnvironmentVariableA(m_name, m_had ? m_old.c_str() : nullptr); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* m_name;
    std::string m_old;
    bool m_had = false;
};

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

bool MenuShows(DWORD processId)
{
    PopupMenuSearch search = {processId, false};
    ::EnumWindows(MatchPopupMenu, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// How the keyboard reaches a command of a menu bar: the drop-down menu's mnemonic, then the
// Down presses from its first item (separators are passed over).
struct MenuKeys {
    char mnemonic = 0;
    int downs = -1;
};

MenuKeys KeysTo(HMENU bar, UINT command)
{
    MenuKeys keys;
    for (int top = 0; top < ::GetMenuItemCount(bar); ++top) {
        HMENU menu = ::GetSubMenu(bar, top);
        int items = 0;
        for (int i = 0; menu != nullptr && i < ::GetMenuItemCount(menu); ++i) {
            const UINT id = ::GetMenuItemID(menu, i);
            if (id == command) {
                char text[64] = {};
                ::GetMenuStringA(bar, top, text, sizeof text, MF_BYPOSITION);
                const char* amp = std::strchr(text, '&');
                keys.mnemonic = amp != nullptr ? amp[1] : 0;
                keys.downs = items;
                return keys;
            }
            if (id != 0)  // a separator has id 0; a submenu counts as an item
                ++items;
        }
    }
    return keys;
}

class IdeCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\云杉工作室\\墨语言编辑器");
        ::CreateDirectoryA((m_install / "work").c_str(), nullptr);
        m_install.WriteFile("work\\甲.墨", "第1行\r\n第2行\r\n");
        m_exe = SeedInstallation(m_install, [](CEditorSettings& settings) { settings.view.tabSize = 8; });
        ASSERT_FALSE(m_exe.empty());
    }
    void TearDown() override
    {
        if (m_main != nullptr)
            ::PostMessageA(m_main, WM_CLOSE, 0, 0);
        if (m_ide)
            EXPECT_NE(m_ide->WaitForExit(30000), STILL_ACTIVE);
    }

    // Starts the IDE on 甲.墨 and waits for its view.
    void Start()
    {
        m_ide = std::make_unique<StartedProgram>(m_exe, "甲.墨", m_install / "work");
        m_main = WaitForMainWindow(*m_ide);
        ASSERT_NE(m_main, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return ActiveChildShows(m_main, "\\work\\甲.墨") && ActiveView(m_main); }));
    }
    // Brings the IDE forward with its view holding the keys.
    bool FocusView()
    {
        HWND view = ActiveView(m_main);
        GUITHREADINFO focus = {sizeof focus};
        return WaitUntil([&] {
            ::SetForegroundWindow(m_main);
            return ::GetGUIThreadInfo(::GetWindowThreadProcessId(m_main, nullptr), &focus) && focus.hwndFocus == view;
        });
    }
    // The document window's menu bar as the program's resources give it.
    MenuKeys DocumentMenuKeysTo(UINT command)
    {
        HMODULE program = ::LoadLibraryExA(m_exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        HMENU bar = program ? ::LoadMenuA(program, MAKEINTRESOURCEA(IDR_WRENTYPE)) : nullptr;
        const MenuKeys keys = bar ? KeysTo(bar, command) : MenuKeys();
        if (bar)
            ::DestroyMenu(bar);
        if (program)
            ::FreeLibrary(program);
        return keys;
    }

    TempDir m_install;
    std::string m_exe;
    std::unique_ptr<StartedProgram> m_ide;
    HWND m_main = nullptr;
};

// 查看 > 数据类型工具栏, 数字和字母工具条 and 运算符工具条, chosen with the keyboard: each
// hides its palette and, chosen again, shows it.
TEST_F(IdeCommandsTest, PaletteTogglesHideAndShowTheirBarsFromTheViewMenu)
{
    const struct {
        UINT command;
        int bar;
    } toggles[] = {{ID_VIEW_TYPES_BAR, 47236}, {ID_VIEW_LETTERS_BAR, 47238}, {ID_VIEW_OPERATORS_BAR, 47242}};
    Start();
    for (const auto& toggle : toggles) {
        SCOPED_TRACE(toggle.command);
        const MenuKeys keys = DocumentMenuKeysTo(toggle.command);
        ASSERT_GE(keys.downs, 0) << "the command is in the document window's menu";
        HWND bar = FindDescendantById(m_main, toggle.bar);
        ASSERT_NE(bar, nullptr);
        for (bool shownAfter : {false, true}) {
            ASSERT_TRUE(FocusView());
            PressKeys(VK_MENU, {static_cast<WORD>(keys.mnemonic)});
            ASSERT_TRUE(WaitUntil([&] { return MenuShows(m_ide->Id()); }));
            std::vector<WORD> steps(static_cast<size_t>(keys.downs), VK_DOWN);
            steps.insert(steps.begin(), VK_HOME);
            steps.push_back(VK_RETURN);
            PressKeys(0, steps);
            EXPECT_TRUE(WaitUntil([&] { return !MenuShows(m_ide->Id()) && (::IsWindowVisible(bar) != FALSE) == shownAfter; }))
                << "shown " << shownAfter;
        }
    }
}

// F10 pressed in the view starts the command interpreter (the one COMSPEC names) in the
// document's folder.
TEST_F(IdeCommandsTest, F10InTheViewStartsTheCommandInterpreterInTheDocumentsFolder)
{
    ScopedVariable interpreter("COMSPEC", "C:\\windows\\system32\\cmd.exe /c cd>dos-here.txt");
    Start();
    ASSERT_TRUE(FocusView());
    PressKeys(0, {VK_F10});
    const std::string marker = m_install / "work\\dos-here.txt";
    std::string folder;
    EXPECT_TRUE(WaitUntil([&] {
        folder = TempDir::ReadFile(marker);
        return folder.find('\n') != std::string::npos;
    }));
    EXPECT_EQ(m_install / "work", folder.substr(0, folder.find_first_of("\r\n")));
}

// 恢复系统缺省配置 asks first: No keeps the settings file, Yes writes the defaults.
TEST_F(IdeCommandsTest, RestoringTheDefaultsAsksAndThenWritesThem)
{
    Start();
    const std::string config = m_install / "bin\\vuze.配置";
    for (int answer : {IDNO, IDYES}) {
        ::PostMessageA(m_main, WM_COMMAND, ID_TOOLS_RESET_DEFAULTS, 0);
        HWND question = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (question = FindProcessDialog(m_ide->Id(), IDYES)) != nullptr; }));
        ::PostMessageA(question, WM_COMMAND, answer, 0);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(question); }));
        // A message sent after the answer returns once the command has run.
        DWORD_PTR result = 0;
        ASSERT_TRUE(::SendMessageTimeoutA(m_main, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result));
        CEditorSettings saved;
        ASSERT_TRUE(LoadConfig(config.c_str(), saved));
        EXPECT_EQ(answer == IDYES ? 4 : 8, saved.view.tabSize);
        EXPECT_EQ(answer == IDYES ? 0 : 1, saved.newDocumentAtStart);
    }
}

// The class of ".html" for a scope, opening a file by writing its path into a marker file;
// the earlier class comes back at the end.
class HtmlOpener {
public:
    explicit HtmlOpener(const std::string& marker)
    {
        char old[256] = {};
        LONG size = sizeof old;
        m_hadOld = ::RegQueryValueA(HKEY_CLASSES_ROOT, ".html", old, &size) == ERROR_SUCCESS;
        m_old = old;
        const std::string command = "C:\\windows\\system32\\cmd.exe /c echo %1>\"" + marker + "\"";
        m_set = Write(".html", kClass) && Write(std::string(kClass) + "\\shell\\open\\command", command);
    }
    ~HtmlOpener()
    {
        ::SHDeleteKeyA(HKEY_CLASSES_ROOT, kClass);
        if (m_hadOld)
            Write(".html", m_old);
        else
            ::SHDeleteKeyA(HKEY_CLASSES_ROOT, ".html");
    }
    HtmlOpener(const HtmlOpener&) = delete;
    HtmlOpener& operator=(const HtmlOpener&) = delete;
    bool Set() const { return m_set; }

private:
    static bool Write(const std::string& key, const std::string& value)
    {
        return ::RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, value.c_str(), (DWORD)value.size()) ==
               ERROR_SUCCESS;
    }
    static constexpr const char* kClass = "MoyuIdeTest.htmlfile";
    std::string m_old;
    bool m_hadOld = false;
    bool m_set = false;
};

// 帮助 > 入门指南 opens the installation's page with the program the system associates.
TEST_F(IdeCommandsTest, HelpCommandOpensItsPage)
{
    ::CreateDirectoryA((m_install / "帮助").c_str(), nullptr);
    m_install.WriteFile("帮助\\入门指南.html", "<p>入门</p>\r\n");
    const std::string marker = m_install / "opened.txt";
    HtmlOpener opener(marker);
    ASSERT_TRUE(opener.Set());
    Start();
    ::PostMessageA(m_main, WM_COMMAND, ID_HELP_GUIDE, 0);
    std::string opened;
    EXPECT_TRUE(WaitUntil([&] {
        opened = TempDir::ReadFile(marker);
        return opened.find('\n') != std::string::npos;
    }));
    EXPECT_NE(std::string::npos, opened.find("帮助\\入门指南.html")) << opened;
}

} // namespace
