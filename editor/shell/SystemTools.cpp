#include "editor/shell/SystemTools.h"

#include "editor/util/PathUtil.h"
#include "editor/util/ShellHelpers.h"

namespace {

UINT StartCommandLine(const char* commandLine)
{
    CommandLineStarter start = TheSystemToolSeams().start;
    return start ? start(commandLine, SW_SHOWNORMAL) : ::WinExec(commandLine, SW_SHOWNORMAL);
}

} // namespace

SystemToolSeams& TheSystemToolSeams()
{
    static SystemToolSeams seams;
    return seams;
}

SystemToolResult RunCommandInterpreter(const CString& localDocumentPath)
{
    const CString interpreter = GetCommandInterpreter();
    if (interpreter.IsEmpty())
        return SystemToolResult::kNoInterpreter;
    const CString folder = GetDirectoryPart(localDocumentPath);
    if (!folder.IsEmpty())
        ::SetCurrentDirectoryA(folder);
    return StartCommandLine(interpreter) > 31 ? SystemToolResult::kStarted : SystemToolResult::kStartFailed;
}

SystemToolResult ViewInBrowser(const CString& documentPath)
{
    if (documentPath.IsEmpty())
        return SystemToolResult::kNoDocumentPath;
    BrowserLookup lookup = TheSystemToolSeams().browser;
    const CString browser = lookup ? lookup() : GetHtmlOpenCommand();
    CString commandLine;
    // The path is quoted so that a folder with blanks reaches the browser whole.
    if (browser.IsEmpty() || !BuildHtmlFallbackCommand(browser, documentPath, commandLine))
        return SystemToolResult::kNoBrowser;
    return StartCommandLine(commandLine) > 31 ? SystemToolResult::kStarted : SystemToolResult::kStartFailed;
}

SystemToolResult ExploreDocumentFolder(const CString& localDocumentPath, const CString& installFolder)
{
    CString folder = GetDirectoryPart(localDocumentPath);
    if (folder.IsEmpty())
        folder = installFolder;
    FolderOpener open = TheSystemToolSeams().open;
    const INT_PTR result = open ? open(folder, SW_SHOWNORMAL) : ShellOpenDocument(folder, SW_SHOWNORMAL);
    return result > 32 ? SystemToolResult::kStarted : SystemToolResult::kStartFailed;
}

CString SystemToolMessage(SystemToolResult result)
{
    switch (result) {
    case SystemToolResult::kNoInterpreter: return "没有找到命令解释器 (环境变量 COMSPEC).";
    case SystemToolResult::kNoBrowser: return "没有找到打开网页文件的浏览器.";
    case SystemToolResult::kNoDocumentPath: return "当前文件保存失败！";
    case SystemToolResult::kStartFailed: return "启动程序失败.";
    default: return CString();
    }
}
