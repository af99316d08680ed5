// The started IDE building a document through the window-program tool with the stand-in
// compiler driver, jumping from its error line, converting a file through the staged
// converter and opening what it wrote, and finding in files: the commands as a user runs
// them, observed through the windows.
#include "IdeFixture.h"
#include "editor/res/resource.h"
#include "editor/settings/KeyboardMacros.h"
#include "editor/settings/UserTools.h"
#include "editor/shell/DirectoryBrowser.h"
#include "framework/CommandIds.h"
#include "real_input.h"

#include <shlwapi.h>
#include <vector>
#include <gtest/gtest.h>

namespace {

constexpr int kOutputListId = 1205;

// A variable of this process, inherited by the IDE and its children, until the scope ends.
struct ScopedVariable {
    const char* name;
    ScopedVariable(const char* n, const char* value) : name(n) { ::SetEnvironmentVariableA(name, value); }
    ~ScopedVariable() { ::SetEnvironmentVariableA(name, nullptr); }
};

struct MessageBoxSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchMessageBox(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<MessageBoxSearch*>(data);
    DWORD owner = 0;
    char name[16] = {};
    ::GetWindowThreadProcessId(window, &owner);
    ::GetClassNameA(window, name, sizeof name);
    if (owner != search->processId || lstrcmpA(name, "#32770") != 0 || !::IsWindowVisible(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

class IdeBuildTest : public IdeFixture {
protected:
    void SetUp() override
    {
        IdeFixture::SetUp();
        if (HasFatalFailure())
            return;
        // The shipped tool set, the stand-in driver where start-up puts the tools on the
        // search path, and the converter with its table.
        const std::string staged = MOYU_STAGED_INSTALL_DIR;
        const std::string tools = m_install / "命令";
        ::CreateDirectoryA(tools.c_str(), nullptr);
        const std::pair<std::string, std::string> kCopies[] = {
            {staged + "\\bin\\vuze.工具", m_install / "bin\\vuze.工具"},
            {std::string(STAND_IN_DRIVER_DIR) + "\\墨语言.exe", tools + "\\墨语言.exe"},
            {staged + "\\命令\\墨转换.exe", tools + "\\墨转换.exe"},
            {staged + "\\命令\\墨转换.zhb", tools + "\\墨转换.zhb"},
            {staged + "\\命令\\环境.配置", tools + "\\环境.配置"},
        };
        for (const auto& copy : kCopies)
            ASSERT_TRUE(::CopyFileA(copy.first.c_str(), copy.second.c_str(), FALSE)) << copy.first;
    }

    // Starts the IDE on a file of the work folder and waits for its document window.
    void Start(const std::string& file)
    {
        m_main = StartIde(file);
        ASSERT_NE(m_main, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return ChildTitles(m_main).size() == 1; }));
        m_ide->WaitForIdle();
        m_list = FindDescendantById(m_main, kOutputListId);
        ASSERT_NE(m_list, nullptr);
    }

    std::vector<std::string> OutputLines() const
    {
        std::vector<std::string> lines;
        const int count = (int)::SendMessageA(m_list, LB_GETCOUNT, 0, 0);
        for (int i = 0; i < count; ++i) {
            // Across processes the list hands its text over as UTF-16.
            wchar_t wide[4096] = {};
            if ((int)::SendMessageW(m_list, LB_GETTEXTLEN, i, 0) < 4096)
                ::SendMessageW(m_list, LB_GETTEXT, i, (LPARAM)wide);
            char text[8192] = {};
            ::WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
            lines.push_back(text);
        }
        return lines;
    }
    int FindOutputLine(const std::string& wanted) const
    {
        const std::vector<std::string> lines = OutputLines();
        for (size_t i = 0; i < lines.size(); ++i)
            if (lines[i] == wanted)
                return (int)i;
        return -1;
    }
    bool WaitForOutputLine(const std::string& wanted) const
    {
        return WaitUntil([&] { return FindOutputLine(wanted) >= 0; });
    }
    // A double-click on an output line, as the list tells its bar.
    void DoubleClickOutputLine(int index) const
    {
        ::SendMessageA(m_list, LB_SETCURSEL, index, 0);
        ::SendMessageA(::GetParent(m_list), WM_COMMAND, MAKEWPARAM(kOutputListId, LBN_DBLCLK), (LPARAM)m_list);
    }
    std::string Joined() const
    {
        std::string all;
        for (const std::string& line : OutputLines())
            all += line + "\n";
        return all;
    }
    bool HasChildTitled(const std::string& tail) const
    {
        for (const std::string& title : ChildTitles(m_main))
            if (EndsWith(title, tail))
                return true;
        return false;
    }

    // The text of the message box the IDE shows, closed with OK; empty when none came.
    std::string TakeMessageBox() const
    {
        MessageBoxSearch search = {m_ide->Id(), nullptr};
        WaitUntil([&] {
            ::EnumWindows(MatchMessageBox, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        });
        if (search.found == nullptr)
            return std::string();
        std::string text;
        for (HWND child = ::GetWindow(search.found, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            char name[16] = {};
            ::GetClassNameA(child, name, sizeof name);
            if (lstrcmpiA(name, "Static") != 0)
                continue;
            wchar_t wide[1024] = {};
            ::SendMessageW(child, WM_GETTEXT, 1024, (LPARAM)wide);
            char narrow[2048] = {};
            ::WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, sizeof narrow, nullptr, nullptr);
            text += narrow;
        }
        ::PostMessageA(search.found, WM_COMMAND, IDOK, 0);
        WaitUntil([&] { return !::IsWindow(search.found); });
        return text;
    }

    HWND m_main = nullptr;
    HWND m_list = nullptr;
};

} // namespace

// Without a project the build runs the window-program tool on the document with the
// stand-in driver found on the IDE's own search path; its error line jumps to the file.
TEST_F(IdeBuildTest, BuildsTheDocumentAndJumpsFromTheDriversErrorLine)
{
    std::string lines;
    for (int i = 1; i <= 20; ++i)
        lines += "第" + std::to_string(i) + "行\r\n";
    m_install.WriteFile("work\\主程序.墨", "开始\r\n结束\r\n");
    m_install.WriteFile("work\\主程序.设置", "目标类型=视窗程序\r\n");
    m_install.WriteFile("work\\乙.墨", lines);
    ScopedVariable steering("MOYU_STAND_IN", "-lines -exit 2");
    Start("主程序.墨");

    ::PostMessageA(m_main, WM_COMMAND, ID_PROJECT_BUILD, 0);
    ASSERT_TRUE(WaitForOutputLine("> 程序终止,退出码为 2.")) << Joined();
    const std::vector<std::string> output = OutputLines();
    EXPECT_EQ(output[0], "---------- 捕获输出 ----------");
    EXPECT_EQ(output[1].rfind("> 墨语言.exe -库 墨图形.库 ", 0), 0u) << output[1];
    const int warning = FindOutputLine("[警告]乙.墨(12): 变量未用");
    ASSERT_GE(warning, 0);

    DoubleClickOutputLine(warning);
    EXPECT_TRUE(WaitUntil([&] { return HasChildTitled("\\work\\乙.墨"); }));
}

// Slot 15 of the shipped tool set converts the document through the staged converter; once
// it ends, the IDE opens the file its success line names.
TEST_F(IdeBuildTest, ConversionToolOpensWhatTheConverterWrote)
{
    m_install.WriteFile("work\\例子.墨", "#包含 “标准输入输出.接口”\n整数类型 主函数(无类型) 开始 返回 0。结束\n");
    Start("例子.墨");

    ::PostMessageA(m_main, WM_COMMAND, ToolSlotCommand(kConversionToolSlot), 0);
    ASSERT_TRUE(WaitForOutputLine("> 程序终止,退出码为 0.")) << Joined();
    EXPECT_TRUE(WaitUntil([&] { return HasChildTitled("\\work\\例子.c"); }));
    EXPECT_TRUE(::PathFileExistsA((m_install / "work\\例子.c").c_str()));
}

// Slots 11 to 15 have no menu item: their hot key is the only way to run them. F11 pressed
// in the view runs the conversion tool of slot 15, whose handler is the application's.
TEST_F(IdeBuildTest, ToolHotKeyPressedInTheViewRunsTheTool)
{
    UserToolTable tools;
    ASSERT_TRUE(LoadUserCommands((m_install / "bin\\vuze.工具").c_str(), tools));
    tools[kConversionToolSlot].vk = VK_F11;
    tools[kConversionToolSlot].modifiers = 0;
    ASSERT_TRUE(SaveUserCommands((m_install / "bin\\vuze.工具").c_str(), tools));
    m_install.WriteFile("work\\例子.墨", "整数类型 主函数(无类型) 开始 返回 0。结束\n");
    Start("例子.墨");

    HWND view = ActiveView(m_main);
    ASSERT_NE(view, nullptr);
    // The key goes to the window with the focus: the IDE comes forward with its view focused.
    GUITHREADINFO focus = {sizeof focus};
    ASSERT_TRUE(WaitUntil([&] {
        ::SetForegroundWindow(m_main);
        return ::GetGUIThreadInfo(::GetWindowThreadProcessId(m_main, nullptr), &focus) && focus.hwndFocus == view;
    }));
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_F11;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, keys, sizeof(INPUT));
    ASSERT_TRUE(WaitForOutputLine("> 程序终止,退出码为 0.")) << Joined();
    EXPECT_TRUE(WaitUntil([&] { return HasChildTitled("\\work\\例子.c"); }));
}

// While a tool's child runs, the output window's input box shows over the bottom of the
// list: a real click lands in it, and what the user types there reaches the child at Enter.
TEST_F(IdeBuildTest, OutputInputBoxShowsAndDeliversTypedLinesToTheChild)
{
    const int kSlot = 4;
    UserToolTable tools;
    tools[kSlot].name = "回声";
    tools[kSlot].command = (m_install / "命令\\墨语言.exe").c_str();
    tools[kSlot].arguments = "-echo";
    tools[kSlot].captureOutput = 1;
    ASSERT_TRUE(SaveUserCommands((m_install / "bin\\vuze.工具").c_str(), tools));
    m_install.WriteFile("work\\甲.墨", "开始\r\n");
    Start("甲.墨");

    const int kInputId = 1247;
    HWND input = FindDescendantById(m_main, kInputId);
    ASSERT_NE(input, nullptr);
    ::PostMessageA(m_main, WM_COMMAND, ToolSlotCommand(kSlot), 0);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(input) != FALSE; })) << Joined();

    RECT box = {};
    ::GetWindowRect(input, &box);
    POINT centre = {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    // Nothing of the list covers the box: the point shows the box itself.
    ASSERT_TRUE(WaitUntil([&] {
        ::SetForegroundWindow(m_main);
        return ::WindowFromPoint(centre) == input;
    }, 5000)) << "the box is covered";
    ::SetCursorPos(0, 0);
    ::SetCursorPos(centre.x, centre.y);
    PressMouseAt(centre, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
    GUITHREADINFO focus = {sizeof focus};
    ASSERT_TRUE(WaitUntil([&] {
        return ::GetGUIThreadInfo(::GetWindowThreadProcessId(m_main, nullptr), &focus) && focus.hwndFocus == input;
    }));
    std::vector<INPUT> inputs;
    for (WORD key : {WORD('H'), WORD('I'), WORD(VK_RETURN)}) {
        INPUT down = {};
        down.type = INPUT_KEYBOARD;
        down.ki.wVk = key;
        INPUT up = down;
        up.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(down);
        inputs.push_back(up);
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    EXPECT_TRUE(WaitForOutputLine("收到:hi")) << Joined();

    // Escape in the box stops the child; the box goes with it.
    INPUT escape[2] = {};
    escape[0].type = escape[1].type = INPUT_KEYBOARD;
    escape[0].ki.wVk = escape[1].ki.wVk = VK_ESCAPE;
    escape[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, escape, sizeof(INPUT));
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(input); })) << Joined();
}

// Find in files from the menu command: the dialog comes preset from the word at the caret,
// the document's types and folder; each hit is an output line that jumps to its file.
TEST_F(IdeBuildTest, FindInFilesWritesHitsThatJump)
{
    m_install.WriteFile("work\\甲.墨", "变量 = 1\r\n");
    m_install.WriteFile("work\\乙.墨", "开始\r\n  变量 = 2\r\n结束\r\n");
    m_install.WriteFile("work\\丙.c", "变量\r\n");
    Start("甲.墨");

    ::PostMessageA(m_main, WM_COMMAND, ID_FIND_IN_FILES, 0);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        dialog = ::FindWindowA("#32770", "批量文件查找");
        return dialog != nullptr && ::IsWindowVisible(dialog);
    }));
    // Another process's control text is asked for, not read from the window's caption.
    auto text = [&](int id) {
        wchar_t wide[256] = {};
        ::SendMessageW(::GetDlgItem(dialog, id), WM_GETTEXT, 256, (LPARAM)wide);
        return std::wstring(wide);
    };
    EXPECT_EQ(text(IDC_FIND_TEXT), L"变量");
    EXPECT_EQ(text(IDC_FILE_TYPES), L"*.墨");
    ::SendMessageA(::GetDlgItem(dialog, IDC_FIND_NEXT), BM_CLICK, 0, 0);

    ASSERT_TRUE(WaitForOutputLine("> 找到 2 次.")) << Joined();
    EXPECT_EQ(OutputLines()[0], "----- 多文件查找【变量】-----");
    const int hit = FindOutputLine(m_install / "work\\乙.墨" + "(2,3):   变量 = 2");
    ASSERT_GE(hit, 0) << Joined();
    DoubleClickOutputLine(hit);
    EXPECT_TRUE(WaitUntil([&] { return HasChildTitled("\\work\\乙.墨"); }));
}

// The tool-set and macro-set menus load the sets of the program's tool folder ("甲" sorts
// before "乙": set 0 is sound, set 1 a cut-off copy of another set). The sound ones replace
// the tools and the macros; the cut-off ones are refused with a message and replace nothing.
TEST_F(IdeBuildTest, ToolAndMacroSetsLoadFromTheirMenusAndACutOffSetIsRefused)
{
    const std::string sets = m_install / "bin\\工具";
    ::CreateDirectoryA(sets.c_str(), nullptr);
    const int kSlot = 4;
    auto writeSets = [&](const char* name, const char* word, bool cutOff) {
        UserToolTable tools;
        tools[kSlot].name = word;
        tools[kSlot].command = (m_install / "命令\\墨语言.exe").c_str();
        tools[kSlot].arguments = word;
        tools[kSlot].captureOutput = 1;
        MacroSlotTable macros;
        AppendMacroStep(macros[3], {kStepString, 0, 0, word});
        const std::string toolFile = sets + "\\" + name + ".工具";
        const std::string macroFile = sets + "\\" + name + ".宏";
        ASSERT_TRUE(SaveUserCommands(toolFile.c_str(), tools));
        ASSERT_TRUE(SaveUserMacros(macroFile.c_str(), macros));
        for (const std::string& file : {toolFile, macroFile}) {
            if (!cutOff)
                continue;
            const std::string bytes = TempDir::ReadFile(file);
            HANDLE handle = ::CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            ASSERT_NE(handle, INVALID_HANDLE_VALUE);
            DWORD written = 0;
            ::WriteFile(handle, bytes.data(), (DWORD)(bytes.size() * 2 / 3), &written, nullptr);
            ::CloseHandle(handle);
        }
    };
    writeSets("甲", "甲集", false);
    writeSets("乙", "乙集", true);
    m_install.WriteFile("work\\宏.墨", "开始\r\n");
    Start("宏.墨");

    auto runTool = [&] {
        ::PostMessageA(m_main, WM_COMMAND, ToolSlotCommand(kSlot), 0);
        return WaitForOutputLine("> 程序终止,退出码为 0.");
    };
    auto replayInto = [&](const std::string& expected) {
        ::PostMessageA(m_main, WM_COMMAND, MacroSlotCommand(3), 0);
        const std::string path = m_install / "work\\宏.墨";
        return WaitUntil([&] {
            return SaveActiveDocument(m_main) && TempDir::ReadFile(path).rfind(expected, 0) == 0;
        });
    };

    ::PostMessageA(m_main, WM_COMMAND, ID_TOOL_SET_FIRST, 0);
    ::PostMessageA(m_main, WM_COMMAND, ID_MACRO_SET_FIRST, 0);
    ASSERT_TRUE(runTool()) << Joined();
    EXPECT_NE(Joined().find("甲集"), std::string::npos) << Joined();
    EXPECT_TRUE(replayInto("甲集开始"));

    const std::pair<UINT, const char*> kRefused[] = {{ID_TOOL_SET_FIRST + 1, "乙.工具"},
                                                     {ID_MACRO_SET_FIRST + 1, "乙.宏"}};
    for (const auto& refused : kRefused) {
        ::PostMessageA(m_main, WM_COMMAND, refused.first, 0);
        const std::string box = TakeMessageBox();
        EXPECT_EQ(box.rfind("设置文件“", 0), 0u) << box;
        EXPECT_NE(box.find(std::string("\\工具\\") + refused.second + "”已损坏或不是本程序的格式"), std::string::npos)
            << box;
    }
    ::SendMessageA(m_list, LB_RESETCONTENT, 0, 0);
    ASSERT_TRUE(runTool()) << Joined();
    EXPECT_EQ(Joined().find("乙集"), std::string::npos) << Joined();
    EXPECT_NE(Joined().find("甲集"), std::string::npos) << Joined();
    EXPECT_TRUE(replayInto("甲集甲集开始"));
}

// The view's vocabulary search, as its context menu sends it: find in files over the
// program folder's tables for the word at the caret, whole word and match case, its hits
// in the output window.
TEST_F(IdeBuildTest, VocabularySearchListsTheTablesHoldingTheWord)
{
    m_install.WriteFile("bin\\配置\\自己.表", "独特名字 说明\r\n其他\r\n");
    m_install.WriteFile("work\\甲.墨", "独特名字\r\n");
    Start("甲.墨");

    ::PostMessageA(m_main, WM_COMMAND, ID_SEARCH_VOCABULARY, 0);
    ASSERT_TRUE(WaitForOutputLine("> 找到 1 次.")) << Joined();
    const std::vector<std::string> output = OutputLines();
    EXPECT_EQ(output[0], "----- 多文件查找【独特名字】-----");
    EXPECT_EQ(output[1], "> 查找目录: " + (m_install / "bin\\配置") + " ");
    EXPECT_GE(FindOutputLine(m_install / "bin\\配置\\自己.表" + "(1,1): 独特名字 说明"), 0) << Joined();
}

namespace {

// The names of the work folder's files that match the pattern.
std::vector<std::string> FilesLike(const std::string& pattern)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found = {};
    HANDLE search = ::FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(found.cFileName);
    while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return names;
}

} // namespace

// With "新建文件自动保存=" on, a tool that saves before it runs gives an untitled document a
// generated name in the new-file folder, without a dialog; File Save itself still asks.
TEST_F(IdeBuildTest, ToolSavingAnUntitledDocumentNamesItWithoutAsking)
{
    const int kSlot = 4;
    UserToolTable tools;
    tools[kSlot].name = "保存后运行";
    tools[kSlot].command = (m_install / "命令\\墨语言.exe").c_str();
    tools[kSlot].captureOutput = 1;
    tools[kSlot].saveBeforeRun = 1;
    ASSERT_TRUE(SaveUserCommands((m_install / "bin\\vuze.工具").c_str(), tools));
    m_install.WriteFile("bin\\用户.设置", "新建文件自动保存=1\r\n新建文件缺省保存名=草稿\r\n");
    const std::string work = m_install / "work";
    m_install.WriteFile("bin\\项目目录.文本", "缺省路径=" + work);
    Start("");
    ASSERT_TRUE(WaitUntil([&] { return HasChildTitled("新文件1"); }));
    HWND view = ActiveView(m_main);
    ASSERT_NE(view, nullptr);
    for (char ch : std::string("abc"))
        ::PostMessageA(view, WM_CHAR, static_cast<unsigned char>(ch), 1);

    ::PostMessageA(m_main, WM_COMMAND, ID_FILE_SAVE, 0);
    HWND saveAs = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (saveAs = FindProcessDialog(m_ide->Id(), IDCANCEL)) != nullptr; }));
    ::PostMessageA(saveAs, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(saveAs); }));
    EXPECT_TRUE(HasChildTitled("新文件1"));

    ::PostMessageA(m_main, WM_COMMAND, ToolSlotCommand(kSlot), 0);
    ASSERT_TRUE(WaitForOutputLine("> 程序终止,退出码为 0.")) << Joined();
    const std::vector<std::string> saved = FilesLike(work + "\\草稿*.墨");
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].size(), std::string("草稿00000_00000.墨").size()) << saved[0];
    EXPECT_EQ(TempDir::ReadFile(work + "\\" + saved[0]), "abc");
    EXPECT_TRUE(HasChildTitled("\\work\\" + saved[0]));
}

// A tool whose arguments ask for a folder: the chooser starts at the document's folder, and
// OK pressed without a click gives that folder to the tool.
TEST_F(IdeBuildTest, FolderQuestionGivesTheFolderItStartsAt)
{
    const int kSlot = 2;
    UserToolTable tools;
    tools[kSlot].name = "选目录";
    tools[kSlot].command = (m_install / "命令\\墨语言.exe").c_str();
    tools[kSlot].arguments = "-report $(选择目录1)";
    tools[kSlot].captureOutput = 1;
    ASSERT_TRUE(SaveUserCommands((m_install / "bin\\vuze.工具").c_str(), tools));
    m_install.WriteFile("work\\例子.墨", "整数类型 主函数(无类型) 开始 返回 0。结束\n");
    Start("例子.墨");

    ::PostMessageA(m_main, WM_COMMAND, ToolSlotCommand(kSlot), 0);
    HWND chooser = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (chooser = FindProcessDialog(m_ide->Id(), IDOK, m_main)) != nullptr; }));
    // OK once the chooser shows its folder, whatever its tree has selected by then.
    const CString shown = FolderChooserStatusText((m_install / "work").c_str());
    EXPECT_TRUE(WaitUntil([&] {
        for (HWND child = ::GetWindow(chooser, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
            char text[MAX_PATH] = {};
            ::GetWindowTextA(child, text, sizeof text);
            if (shown == text)
                return true;
        }
        return false;
    }));
    ::PostMessageA(chooser, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitForOutputLine("> 程序终止,退出码为 0.")) << Joined();
    const std::string expected = " -report " + (m_install / "work");
    bool named = false;
    for (const std::string& line : OutputLines())
        named = named || (line.rfind("[信息]命令行: ", 0) == 0 && EndsWith(line, expected));
    EXPECT_TRUE(named) << Joined();
}
