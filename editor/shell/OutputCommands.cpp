#include "editor/shell/OutputCommands.h"

#include "editor/res/resource.h"
#include "editor/settings/EditorSettings.h"
#include "editor/shell/FindInFiles.h"
#include "editor/shell/OutputBar.h"
#include "editor/settings/ProjectSettingsFile.h"
#include "editor/util/PathUtil.h"
#include "editor/util/ScopedFlag.h"
#include "framework/WaitCursor.h"

namespace {

const char kMissingSettings[] = "缺少编译配置信息";
const char kTargetMissing[] = "目标程序不存在!";

CString Formatted(UINT id, const char* value)
{
    CString text;
    text.Format(id, value);
    return text;
}

// The hits and problems of a search as output lines.
class OutputFindSink : public FindInFilesSink {
public:
    explicit OutputFindSink(COutputBar& output) : m_output(output) {}
    void HitLine(const char* line) override { m_output.AppendMessage(line); }
    void CannotOpen(const char* path) override { m_output.AppendMessage(Formatted(IDS_FIND_CANNOT_OPEN, path)); }
    void LineTooLong(const char* path, int lineNumber) override
    {
        CString text;
        text.Format(IDS_FIND_LINE_TOO_LONG, kMaxSearchedLine, path, lineNumber);
        m_output.AppendMessage(text);
    }

private:
    COutputBar& m_output;
};

} // namespace

OutputCommands::OutputCommands(OutputCommandsHost& host, COutputBar& output, UserToolTable& tools,
                               const CString& installFolder, const CString& programFolder)
    : m_host(host), m_output(output), m_tools(tools), m_installFolder(installFolder),
      m_programFolder(programFolder), m_process(*this)
{
}

bool OutputCommands::HaveBuildSettings(const CString& path)
{
    const CString settings = ProjectSettingsPath(path);
    if (FileExists(settings))
        return true;
    m_host.EditProjectSettings(path);
    if (FileExists(settings))
        return true;
    Message(kMissingSettings, MB_ICONINFORMATION);
    return false;
}

bool OutputCommands::SavedActiveDocument(const char* missingMessage, CString& path)
{
    if (!m_host.ActiveDocumentPath(path)) {
        Message(missingMessage);
        return false;
    }
    if (path.IsEmpty()) {
        m_host.SaveActiveDocumentAs();
        m_host.ActiveDocumentPath(path);
    }
    return !path.IsEmpty();
}

void OutputCommands::Build()
{
    const CString project = m_host.OpenProjectPath();
    if (project.IsEmpty()) {
        CString document;
        if (!SavedActiveDocument("错误：没有打开的项目！", document))
            return;
        if (HaveBuildSettings(document))
            RunUserTool(kBuildToolSlot);
        return;
    }
    if (!HaveBuildSettings(project))
        return;
    if (m_process.IsCaptureActive() || m_process.buildGuard) {
        Message(LoadResourceText(IDS_ANOTHER_PROCESS));
        return;
    }
    m_process.buildGuard = true;
    const CString folder = GetDirectoryPart(project);
    ::SetCurrentDirectoryA(folder);
    StartStatus status = m_process.Start(kCompilerDriver, DriverArguments(project), folder, true, true);
    if (status != kStartOk)
        ReportStartFailure(status, kCompilerDriver, false);
    m_process.buildGuard = false;
}

void OutputCommands::Run()
{
    CString target;
    const bool busy = m_process.IsCaptureActive();
    const CString project = m_host.OpenProjectPath();
    if (!project.IsEmpty()) {
        target = StripExtension(project) + ".exe";
        if (!FileExists(target))
            Build();
    } else {
        CString document;
        if (!SavedActiveDocument("无打开的文档", document))
            return;
        target = StripExtension(document) + ".exe";
        if (!FileExists(target)) {
            if (!HaveBuildSettings(document))
                return;
            RunUserTool(kBuildToolSlot);
        }
    }
    // A build this command started runs on; the target opens when it has ended well.
    if (!busy && m_process.IsCaptureActive()) {
        m_runAfterBuild = target;
        return;
    }
    OpenTarget(target);
}

void OutputCommands::OpenTarget(const CString& target)
{
    if (!FileExists(target)) {
        Message(kTargetMissing, MB_ICONINFORMATION);
        return;
    }
    if (!m_host.OpenWithShell(target, GetDirectoryPart(target))) {
        CString text;
        text.Format("文件：“%s” 打开或执行失败，可能权限不足或杀毒软件干扰。", (LPCTSTR)target);
        Message(text);
    }
}

bool OutputCommands::RunUserTool(int slot)
{
    if (slot < kFirstToolSlot || slot > kLastToolSlot || m_tools[slot].command.IsEmpty())
        return false;
    if (m_process.IsCaptureActive() || m_toolRunning[slot]) {
        Message(LoadResourceText(IDS_ANOTHER_PROCESS));
        return false;
    }
    if (m_tools[slot].captureOutput && IsOutputBusy()) {
        Message(LoadResourceText(IDS_OUTPUT_BUSY));
        return false;
    }
    CString document;
    bool haveDocument = m_host.ActiveDocumentPath(document);
    if (haveDocument && m_tools[slot].saveBeforeRun && (document.IsEmpty() || m_host.IsActiveDocumentModified())) {
        m_host.SaveActiveDocument();
        haveDocument = m_host.ActiveDocumentPath(document);
    }
    if (haveDocument && document.IsEmpty()) {
        Message("当前文件保存失败！");
        return false;
    }
    m_toolRunning[slot] = true;
    bool started = false;
    try {
        started = ExecuteUserTool(slot);
    } catch (...) {
        m_toolRunning[slot] = false;
        throw;
    }
    m_toolRunning[slot] = false;
    return started;
}

bool OutputCommands::AskToolDialogs(const CString& arguments, const CString& documentFolder, ToolMacroValues& values)
{
    const unsigned needed = ToolDialogsNeeded(arguments);
    if (needed & kAskUserInput) {
        CString text = m_lastUserInput;
        if (!m_host.AskUserInput(IDS_ASK_USER_ARGUMENTS, text))
            return false;
        m_lastUserInput = values.userInput = text;
    }
    if ((needed & kAskPath1) && !m_host.AskFile(documentFolder, values.selectPath1))
        return false;
    if ((needed & kAskPath2) && !m_host.AskFile(documentFolder, values.selectPath2))
        return false;
    if ((needed & kAskDir1) && !m_host.AskFolder(documentFolder, values.selectDir1))
        return false;
    if ((needed & kAskDir2) && !m_host.AskFolder(documentFolder, values.selectDir2))
        return false;
    return true;
}

bool OutputCommands::ExecuteUserTool(int slot)
{
    m_lastToolSlot = slot;
    const CUserCommand& tool = m_tools[slot];
    ToolMacroValues values;
    m_host.ActiveDocumentPath(values.filePath);
    const CString documentFolder = GetDirectoryPart(values.filePath);
    if (tool.shortNames && !values.filePath.IsEmpty()) {
        char shortPath[MAX_PATH] = {};
        DWORD length = ::GetShortPathNameA(values.filePath, shortPath, sizeof shortPath);
        if (length > 0 && length < sizeof shortPath)
            values.filePath = shortPath;
    }
    m_host.CaretValues(values.lineNum, values.currWord);
    if (!AskToolDialogs(tool.arguments, documentFolder, values))
        return false;

    const PreparedTool prepared = PrepareTool(tool, values, m_installFolder, m_programFolder, m_environment);
    switch (prepared.kind) {
    case kToolProgram:
    case kToolBatch: {
        StartStatus status = m_process.Start(prepared.command, prepared.arguments, prepared.folder,
                                             tool.captureOutput != 0, tool.hideWindow != 0);
        if (status == kStartOk)
            return true;
        ReportStartFailure(status, prepared.command, true);
        return false;
    }
    case kToolWinHelp:
    case kToolHtmlHelp:
        m_host.ShowHelp(prepared.kind, prepared.command, prepared.arguments);
        return true;
    case kToolUnknown:
        break;
    }
    Message(Formatted(IDS_BAD_TOOL_SUFFIX, prepared.command) +
            "\n 或后缀错误，只支持如下后缀：exe, com, bat, cmd, hlp, chm");
    return false;
}

void OutputCommands::ReportStartFailure(StartStatus status, const CString& program, bool tool)
{
    CString text;
    if (status == kStartCommandTooLong)
        text.Format("错误：命令“%s”的命令行超出系统允许的长度。", (LPCTSTR)program);
    else if (!tool)
        text.Format(FileExists(program) ? "错误：命令“%s”执行失败,可能权限不足，请以管理员身份运行。"
                                        : "错误：未找到可执行文件“%s”",
                    (LPCTSTR)program);
    else if (FileExists(program))
        text.Format("命令“%s”执行失败,可能无效命令或权限不足，可以尝试在资源管理器里找到此命令文件，点击右键，"
                    "选择‘以管理员身份运行’。",
                    (LPCTSTR)program);
    else
        text.Format("未找到可执行文件“%s”，可能为无效命令请检查。  若你打开的是程序文件直接点击‘运行’出现的此提示，"
                    "请先点击‘编译连接’查看输出窗口，在成功生成目标后再点击‘运行’。  "
                    "如果成功生成后运行还有此提示，那就很可能是被杀毒软件误删，请关闭杀毒软件再实验一下。",
                    (LPCTSTR)program);
    Message(text);
}

bool OutputCommands::FindInFiles(const char* text, const char* types, const CString& folder, int scope, int mode,
                                 const CStringArray* projectFiles)
{
    CWaitCursor wait;
    FileSearch probe;
    if (!probe.Prepare(text, mode))
        return false;
    ScopedFlag busy(m_searching);
    m_host.ShowOutputWindow();
    m_output.ShowInput(FALSE);
    if ((scope & kFindAppend) == 0)
        m_output.ClearPage(TRUE);
    m_output.AppendMessage(Formatted(IDS_FIND_HEADER, text));
    m_output.AppendMessage(Formatted(IDS_FIND_FOLDER, folder));
    OutputFindSink sink(m_output);
    int hits = 0;
    ::FindInFiles(text, types, folder, scope, mode, projectFiles, sink, hits);
    if (hits > 0) {
        CString count;
        count.Format(IDS_FIND_COUNT, hits);
        m_output.AppendMessage(count);
    } else {
        m_output.AppendMessage(Formatted(IDS_FIND_NONE, text));
    }
    m_output.ShowPendingLines();
    return true;
}

void OutputCommands::BeginReport()
{
    m_reporting = true;
    m_host.ShowOutputWindow();
    m_output.ShowInput(FALSE);
    m_output.ClearPage(TRUE);
}

void OutputCommands::EndReport()
{
    m_output.ShowPendingLines();
    m_reporting = false;
}

void OutputCommands::AppendLine(const char* line)
{
    m_output.AppendMessage(line);
}

void OutputCommands::CaptureStarted(const char* commandLine)
{
    m_host.ShowOutputWindow();
    m_output.ShowInput(TRUE);
    m_output.ClearPage(TRUE);
    m_output.AppendMessage(LoadResourceText(IDS_CAPTURE_BANNER));
    m_output.AppendMessage(Formatted(IDS_CAPTURE_COMMAND, commandLine));
    m_host.StartPoll([this] { PollChildProcess(); });
}

void OutputCommands::CaptureLine(const char* line)
{
    m_output.AppendMessage(line);
}

void OutputCommands::CaptureEnded(DWORD exitCode)
{
    const CString runAfterBuild = m_runAfterBuild;
    m_runAfterBuild.Empty();
    m_host.StopPoll();
    CString text;
    text.Format(IDS_CAPTURE_EXIT, (int)exitCode);
    m_output.AppendMessage(text);
    m_output.ShowInput(FALSE);
    m_output.ShowPendingLines();
    if (m_lastToolSlot == kConversionToolSlot)
        m_output.OpenCongratsFiles();
    m_host.CheckChangedDocuments();
    // A failed build that left an older target behind runs nothing; one that left none says so.
    if (!runAfterBuild.IsEmpty() && (exitCode == 0 || !FileExists(runAfterBuild)))
        OpenTarget(runAfterBuild);
}
