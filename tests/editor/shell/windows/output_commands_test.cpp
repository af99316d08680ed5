#include "ShellWindowsTestFrame.h"

#include "editor/res/resource.h"
#include "editor/settings/EditorSettings.h"
#include "editor/shell/FindInFiles.h"
#include "editor/shell/OutputCommands.h"
#include "temp_dir.h"
#include "wait.h"

#include <string>
#include <vector>

namespace {

std::string S(const CString& text)
{
    return std::string(text, text.GetLength());
}

// Plays the application: a project or an active document, the dialogs' answers, and the
// frame's timer as a function the test calls while it pumps messages.
class TestHost : public OutputCommandsHost {
public:
    CString project;
    bool haveDocument = false;
    CString document;
    CString savedAsPath;  // what Save As gives an untitled document
    CString userInput;
    bool cancelDialogs = false;
    std::vector<std::string> messages;
    std::vector<CString> settingsAsked;
    std::vector<CString> shellOpened;
    std::function<void()> poll;
    int changeChecks = 0;

    CString OpenProjectPath() override { return project; }
    bool ActiveDocumentPath(CString& path) override
    {
        path = document;
        return haveDocument;
    }
    bool IsActiveDocumentModified() override { return false; }
    void SaveActiveDocument() override { SaveActiveDocumentAs(); }
    void SaveActiveDocumentAs() override
    {
        if (document.IsEmpty())
            document = savedAsPath;
    }
    void EditProjectSettings(const CString& path) override { settingsAsked.push_back(path); }
    void ShowMessage(const CString& text, UINT) override { messages.push_back(S(text)); }
    void ShowOutputWindow() override {}
    void StartPoll(std::function<void()> p) override { poll = std::move(p); }
    void StopPoll() override { poll = nullptr; }
    void CheckChangedDocuments() override { ++changeChecks; }
    bool OpenWithShell(const CString& target, const CString&) override
    {
        shellOpened.push_back(target);
        return true;
    }
    void CaretValues(CString& lineNum, CString& currWord) override
    {
        lineNum = "7";
        currWord = "词";
    }
    bool AskUserInput(UINT, CString& text) override
    {
        text = userInput;
        return !cancelDialogs;
    }
    bool AskFile(const CString&, CString&) override { return !cancelDialogs; }
    bool AskFolder(const CString&, CString&) override { return !cancelDialogs; }
    void ShowHelp(ToolKind, const CString&, const CString&) override {}
};

struct ScopedVariable {
    const char* name;
    std::string saved;
    ScopedVariable(const char* n, const std::string& value) : name(n)
    {
        char buffer[32768] = {};
        if (::GetEnvironmentVariableA(name, buffer, sizeof buffer) > 0)
            saved = buffer;
        ::SetEnvironmentVariableA(name, value.c_str());
    }
    ~ScopedVariable() { ::SetEnvironmentVariableA(name, saved.empty() ? nullptr : saved.c_str()); }
};

std::string CurrentPath()
{
    char buffer[32768] = {};
    ::GetEnvironmentVariableA("PATH", buffer, sizeof buffer);
    return buffer;
}

class OutputCommandsTest : public ShellWindowsTest {
protected:
    void SetUp() override
    {
        ShellWindowsTest::SetUp();
        m_commands = std::make_unique<OutputCommands>(m_host, m_frame->m_wndOutput, m_tools,
                                                      CString(MOYU_STAGED_INSTALL_DIR),
                                                      CString(MOYU_STAGED_INSTALL_DIR) + "\\bin");
    }
    void TearDown() override
    {
        m_commands->KillChildProcess();
        WaitForEnd();
        m_commands.reset();
        ShellWindowsTest::TearDown();
    }
    // Ticks as the frame's timer would until the capture has ended.
    bool WaitForEnd()
    {
        WaitUntil([&] {
            PumpPending();
            if (m_host.poll)
                m_host.poll();
            return !m_host.poll;
        });
        PumpPending();
        return !m_host.poll && !m_commands->IsCaptureActive();
    }
    std::vector<std::string> Lines()
    {
        m_frame->m_wndOutput.ShowPendingLines();
        std::vector<std::string> lines;
        CListBox& list = m_frame->m_wndOutput.List();
        for (int i = 0; i < list.GetCount(); ++i) {
            CString line;
            list.GetText(i, line);
            lines.push_back(S(line));
        }
        return lines;
    }
    bool HasLine(const std::string& wanted)
    {
        for (const std::string& line : Lines())
            if (line == wanted)
                return true;
        return false;
    }

    TestHost m_host;
    UserToolTable m_tools;
    std::unique_ptr<OutputCommands> m_commands;
    ScopedVariable m_path{"PATH", std::string(STAND_IN_DRIVER_DIR) + ";" + CurrentPath()};
};

} // namespace

// A project built through the stand-in driver: its arguments and folder, the hidden
// window, the output lines with both line ends, the exit code, and the jump from its error
// line to the file at the line.
TEST_F(OutputCommandsTest, BuildsTheProjectAndJumpsFromItsErrorLine)
{
    TempDir dir;
    const std::string folder = dir / "我的 工程";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    dir.WriteFile("我的 工程\\工程.设置", "目标类型=视窗程序\n");
    dir.WriteFile("我的 工程\\甲.墨", "一\n二\n三\n");
    m_host.project = (folder + "\\工程.墨项").c_str();
    ScopedVariable steering("MOYU_STAND_IN", "-report -lines -exit 3");

    m_commands->Build();
    EXPECT_TRUE(m_commands->IsOutputBusy());
    ASSERT_TRUE(WaitForEnd());
    EXPECT_TRUE(m_host.messages.empty()) << m_host.messages[0];
    EXPECT_FALSE(m_commands->IsOutputBusy());
    EXPECT_EQ(1, m_host.changeChecks);

    const std::vector<std::string> lines = Lines();
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ("---------- 捕获输出 ----------", lines[0]);
    EXPECT_EQ("> 墨语言.exe -库 墨图形.库 \"" + folder + "\\工程.墨项\"", lines[1]);
    EXPECT_TRUE(HasLine("[信息]目录: " + folder));
    EXPECT_TRUE(HasLine("[信息]窗口: 隐藏"));
    for (const char* line : {"[错误]甲.墨(3): 缺少分号", "[警告]乙.墨(12): 变量未用", "纯文本", "下一行"})
        EXPECT_TRUE(HasLine(line)) << line;
    EXPECT_EQ("> 程序终止,退出码为 3.", lines.back());

    // The error line names a file of the project's folder, where the child ran.
    CListBox& list = m_frame->m_wndOutput.List();
    m_host.document = (folder + "\\甲.墨").c_str();
    m_frame->m_wndOutput.SetHost(&m_frame->m_outputHost);
    m_frame->m_outputHost.activeDocument = m_host.document;
    list.SetCurSel(list.FindStringExact(-1, "[错误]甲.墨(3): 缺少分号"));
    m_frame->m_wndOutput.JumpToSelectedLine();
    ASSERT_EQ(1u, m_frame->m_outputHost.opened.size());
    EXPECT_EQ(folder + "\\甲.墨", S(m_frame->m_outputHost.opened[0].first));
    EXPECT_EQ(3, m_frame->m_outputHost.opened[0].second);
}

// Run of a project never built: the build starts, and the program opens only once that
// build has ended well; a failed build says the program is missing.
TEST_F(OutputCommandsTest, RunWaitsForTheBuildItStarted)
{
    TempDir dir;
    dir.WriteFile("工程.设置", "目标类型=视窗程序\n");
    m_host.project = (dir / "工程.墨项").c_str();
    const std::string target = dir / "工程.exe";
    const struct {
        const char* steering;
        bool opened;
    } cases[] = {{"-sleep 300 -target -exit 0", true}, {"-sleep 300 -exit 2", false}};
    for (const auto& c : cases) {
        ::DeleteFileA(target.c_str());
        m_host.messages.clear();
        m_host.shellOpened.clear();
        ScopedVariable steering("MOYU_STAND_IN", c.steering);
        m_commands->Run();
        EXPECT_TRUE(m_commands->IsCaptureActive()) << c.steering;
        EXPECT_TRUE(m_host.messages.empty()) << c.steering << ": " << m_host.messages[0];
        EXPECT_TRUE(m_host.shellOpened.empty()) << c.steering;
        ASSERT_TRUE(WaitForEnd()) << c.steering;
        if (c.opened) {
            EXPECT_TRUE(m_host.messages.empty()) << c.steering;
            ASSERT_EQ(1u, m_host.shellOpened.size()) << c.steering;
            EXPECT_EQ(target, S(m_host.shellOpened[0]));
        } else {
            EXPECT_TRUE(m_host.shellOpened.empty()) << c.steering;
            ASSERT_EQ(1u, m_host.messages.size()) << c.steering;
            EXPECT_EQ("目标程序不存在!", m_host.messages[0]);
        }
    }
}

// Lines typed in the input box reach the running child, are echoed, and its answers shown.
TEST_F(OutputCommandsTest, InputLinesReachTheRunningChild)
{
    m_tools[1].command = "墨语言.exe";
    m_tools[1].arguments = "-echo -exit 5";
    m_tools[1].captureOutput = 1;
    m_tools[1].hideWindow = 1;
    ASSERT_TRUE(m_commands->RunUserTool(1));
    EXPECT_TRUE(m_frame->m_wndOutput.InputBox().IsWindowVisible());
    m_commands->QueueChildInput("你好");
    m_commands->QueueChildInput("结束");
    ASSERT_TRUE(WaitForEnd());
    EXPECT_TRUE(HasLine("你好"));
    EXPECT_TRUE(HasLine("收到:你好"));
    EXPECT_EQ("> 程序终止,退出码为 5.", Lines().back());
    EXPECT_FALSE(m_frame->m_wndOutput.InputBox().IsWindowVisible());
}

// What the commands refuse, each with its message and nothing started.
TEST_F(OutputCommandsTest, RefusalsGiveTheirMessages)
{
    TempDir dir;
    dir.WriteFile("无配置.墨", "");
    dir.WriteFile("有配置.设置", "");
    dir.WriteFile("有配置.墨", "");
    m_tools[2].command = "墨语言.exe";
    m_tools[2].arguments = "-sleep 3000";
    m_tools[2].captureOutput = 1;
    m_tools[4].command = "说明.txt";
    m_tools[5].command = "墨语言.exe";
    m_tools[5].arguments = "$(UserInput)";

    const struct {
        const char* name;
        std::function<void()> act;
        const char* message;  // null: none
    } kCases[] = {
        {"build without project or document", [&] { m_commands->Build(); }, "错误：没有打开的项目！"},
        {"run without project or document", [&] { m_commands->Run(); }, "无打开的文档"},
        {"build without settings asks for them",
         [&] {
             m_host.haveDocument = true;
             m_host.document = (dir / "无配置.墨").c_str();
             m_commands->Build();
         },
         "缺少编译配置信息"},
        {"run of a program never built", [&] { m_host.document = (dir / "有配置.墨").c_str(), m_commands->Run(); },
         "目标程序不存在!"},
        {"tool of an unknown kind", [&] { m_commands->RunUserTool(4); },
         "无法运行命令“说明.txt”\n 或后缀错误，只支持如下后缀：exe, com, bat, cmd, hlp, chm"},
        {"cancelled input dialog", [&] { m_host.cancelDialogs = true, m_commands->RunUserTool(5); }, nullptr},
        {"second child while one runs",
         [&] {
             m_commands->RunUserTool(2);
             m_commands->RunUserTool(2);
         },
         "另一个进程在运行中.\n你需要先关闭前一个进程."},
    };
    for (const auto& c : kCases) {
        m_host.messages.clear();
        c.act();
        if (c.message == nullptr) {
            EXPECT_TRUE(m_host.messages.empty()) << c.name;
            EXPECT_FALSE(m_commands->IsCaptureActive()) << c.name;
        } else {
            ASSERT_EQ(1u, m_host.messages.size()) << c.name;
            EXPECT_EQ(c.message, m_host.messages[0]) << c.name;
        }
    }
    // The settings dialog was offered once for the document without settings.
    ASSERT_EQ(1u, m_host.settingsAsked.size());
    EXPECT_EQ(dir / "无配置.墨", S(m_host.settingsAsked[0]));
    // The run of a document built by slot 3 of no tool found nothing to start.
    EXPECT_TRUE(m_host.shellOpened.empty());
}

// The shipped conversion slot run on a document: once the converter ends, the file each
// "[恭喜]" line names is handed over to be opened.
TEST_F(OutputCommandsTest, ConversionSlotOpensWhatTheConverterWrote)
{
    ASSERT_EQ(SetFileLoad::kLoaded, LoadToolFile(CString(MOYU_STAGED_INSTALL_DIR) + "\\bin\\vuze.工具", m_tools));
    TempDir dir;
    dir.WriteFile("例子.墨", "#包含 “标准输入输出.接口”\n整数类型 主函数(无类型) 开始 返回 0。结束\n");
    m_host.haveDocument = true;
    m_host.document = (dir / "例子.墨").c_str();
    m_frame->m_outputHost.activeDocument = m_host.document;
    m_frame->m_wndOutput.SetHost(&m_frame->m_outputHost);

    ASSERT_TRUE(m_commands->RunUserTool(kConversionToolSlot));
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(kConversionToolSlot, m_commands->LastToolSlot());
    ASSERT_EQ(1u, m_frame->m_outputHost.conversions.size()) << Lines().size();
    EXPECT_EQ(dir / "例子.c", S(m_frame->m_outputHost.conversions[0]));
    EXPECT_EQ("> 程序终止,退出码为 0.", Lines().back());

    // Another slot's output is not followed up, even with the same lines.
    m_frame->m_outputHost.conversions.clear();
    m_tools[1].command = "墨语言.exe";
    m_tools[1].arguments = "-exit 0";
    m_tools[1].captureOutput = 1;
    ASSERT_TRUE(m_commands->RunUserTool(1));
    ASSERT_TRUE(WaitForEnd());
    EXPECT_TRUE(m_frame->m_outputHost.conversions.empty());
}

// Find in files writes its header, one line per hit that jumps, and the count; a search
// that finds nothing says so; a pattern that does not compile writes nothing.
TEST_F(OutputCommandsTest, FindInFilesWritesHitsThatJump)
{
    TempDir dir;
    dir.WriteFile("甲.墨", "开始\n  变量 = 1\n结束\n");
    ::CreateDirectoryA((dir / "子").c_str(), nullptr);
    dir.WriteFile("子\\乙.c", "int 变量;\n");
    const CString folder = dir.Path().c_str();

    ASSERT_TRUE(m_commands->FindInFiles("变量", "*.墨;*.c", folder, kFindSubFolders, kFindMatchCase, nullptr));
    EXPECT_FALSE(m_commands->IsOutputBusy());
    std::vector<std::string> lines = Lines();
    ASSERT_EQ(5u, lines.size());
    EXPECT_EQ("----- 多文件查找【变量】-----", lines[0]);
    EXPECT_EQ("> 查找目录: " + dir.Path() + " ", lines[1]);
    EXPECT_EQ("> 找到 2 次.", lines[4]);

    m_frame->m_wndOutput.SetHost(&m_frame->m_outputHost);
    CListBox& list = m_frame->m_wndOutput.List();
    list.SetCurSel(list.FindStringExact(-1, (dir / "甲.墨" + "(2,3):   变量 = 1").c_str()));
    m_frame->m_wndOutput.JumpToSelectedLine();
    ASSERT_EQ(1u, m_frame->m_outputHost.opened.size());
    EXPECT_EQ(dir / "甲.墨", S(m_frame->m_outputHost.opened[0].first));
    EXPECT_EQ(2, m_frame->m_outputHost.opened[0].second);

    ASSERT_TRUE(m_commands->FindInFiles("没有", "*.*", folder, kFindAppend, 0, nullptr));
    lines = Lines();
    ASSERT_EQ(8u, lines.size());
    EXPECT_EQ("> 找不到字符串 '没有'.", lines.back());

    EXPECT_FALSE(m_commands->FindInFiles("(未闭合", "*.*", folder, 0, kFindRegex, nullptr));
    EXPECT_EQ(8u, Lines().size());
}
