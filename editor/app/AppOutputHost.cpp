#include "editor/app/AppOutputHost.h"

#include "editor/app/EditorApp.h"
#include "editor/shell/FileNaming.h"
#include "editor/dialogs/SmallDialogs.h"
#include "editor/document/WrenDoc.h"
#include "editor/res/resource.h"
#include "editor/dialogs/ProjectSettingsDlg.h"
#include "editor/settings/EditorSettings.h"
#include "editor/shell/FolderChooser.h"
#include "editor/settings/ShellFolders.h"
#include "editor/shell/FindInFiles.h"
#include "editor/shell/OutputCommands.h"
#include "editor/settings/PositionHistory.h"
#include "editor/app/MainFrame.h"
#include "editor/util/PathUtil.h"
#include "editor/viewwindow/WrenView.h"
#include "framework/AppEnvironment.h"
#include "framework/CmdUI.h"
#include "framework/CommonDialogs.h"
#include "framework/MessageBox.h"

#include <htmlhelp.h>
#include <shlobj.h>

namespace {

// HTML Help, loaded on first use: the viewer is a library of the system, not of ours.
HWND CallHtmlHelp(HWND owner, const char* file, UINT command, DWORD_PTR data)
{
    using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    static HtmlHelpFunction function = [] {
        HMODULE library = ::LoadLibraryA("hhctrl.ocx");
        return library ? reinterpret_cast<HtmlHelpFunction>(::GetProcAddress(library, "HtmlHelpA")) : nullptr;
    }();
    return function ? function(owner, file, command, data) : nullptr;
}

} // namespace

void AppOutputHost::EditProjectSettings(const CString& path)
{
    ::EditProjectSettings(path, AfxGetMainWnd());
}

CString AppOutputHost::OpenProjectPath()
{
    return m_app.GetOpenProjectPath();
}

bool AppOutputHost::ActiveDocumentPath(CString& path)
{
    CWrenDoc* document = ActiveDocument();
    path = document != nullptr ? CString(document->GetPathName()) : CString();
    return document != nullptr;
}

bool AppOutputHost::IsActiveDocumentModified()
{
    CWrenDoc* document = ActiveDocument();
    return document != nullptr && document->IsModified();
}

void AppOutputHost::ShowMessage(const CString& text, UINT type)
{
    AfxMessageBox(text, type);
}

void AppOutputHost::ShowOutputWindow()
{
    if (CMainFrame* frame = m_app.GetMainFrame())
        if (!frame->GetOutputBar().IsVisible())
            frame->ShowControlBar(&frame->GetOutputBar(), TRUE, FALSE);
}

void AppOutputHost::StartPoll(std::function<void()> poll)
{
    if (CMainFrame* frame = m_app.GetMainFrame())
        frame->StartChildPoll(std::move(poll));
}

void AppOutputHost::StopPoll()
{
    if (CMainFrame* frame = m_app.GetMainFrame())
        frame->StopChildPoll();
}

void AppOutputHost::CheckChangedDocuments()
{
    m_app.CheckChangedDocuments(m_app.GetUserSettings().reloadChangedFiles != 0);
}

bool AppOutputHost::OpenWithShell(const CString& target, const CString& folder)
{
    HWND owner = Owner();
    return (INT_PTR)::ShellExecuteA(owner, "open", target, nullptr, folder, SW_SHOWNORMAL) > 32;
}

void AppOutputHost::CaretValues(CString& lineNum, CString& currWord)
{
    CWrenView* view = ActiveView();
    if (view == nullptr || view->GetEngine() == nullptr)
        return;
    lineNum.Format("%d", view->GetCaretLineNumber());
    currWord = view->GetSelectedTextOnLine();
    if (currWord.IsEmpty())
        currWord = view->GetWordAtCaret();
}

bool AppOutputHost::AskUserInput(UINT promptId, CString& text)
{
    CUserInputDlg dialog(promptId, m_app.GetMainFrame());
    dialog.m_answer = text;
    if (dialog.DoModal() != IDOK)
        return false;
    text = dialog.m_answer;
    return true;
}

bool AppOutputHost::AskFile(const CString& folder, CString& path)
{
    CEditorSettings& settings = TheEditorSettings();
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, BuildFileFilter(settings),
                       m_app.GetMainFrame());
    dialog.m_ofn.lpstrTitle = "选择文件";
    dialog.m_ofn.lpstrInitialDir = folder;
    dialog.m_ofn.nFilterIndex = FilterIndexToType(settings, settings.lastFileFilter) + 1;
    if (dialog.DoModal() != IDOK)
        return false;
    settings.lastFileFilter = TypeFromFilterIndex(settings, static_cast<int>(dialog.m_ofn.nFilterIndex) - 1);
    path = dialog.GetPathName();
    return true;
}

bool AppOutputHost::AskFolder(const CString& folder, CString& path)
{
    CFolderChooser chooser("选择目录:", folder, BIF_RETURNONLYFSDIRS, m_app.GetMainFrame());
    if (chooser.DoModal() != IDOK)
        return false;
    path = chooser.GetPath();
    return true;
}

void AppOutputHost::ShowHelp(ToolKind kind, const CString& file, const CString& keyword)
{
    HWND owner = Owner();
    if (kind == kToolWinHelp) {
        ::WinHelpA(owner, file, HELP_PARTIALKEY, reinterpret_cast<ULONG_PTR>((LPCTSTR)keyword));
        return;
    }
    HH_AKLINK link = {};
    link.cbStruct = sizeof link;
    link.pszKeywords = keyword;
    link.fIndexOnFail = TRUE;
    CallHtmlHelp(owner, file, HH_KEYWORD_LOOKUP, reinterpret_cast<DWORD_PTR>(&link));
}

CString AppOutputHost::ActiveDocumentPath()
{
    CString path;
    ActiveDocumentPath(path);
    return path;
}

void AppOutputHost::PushActivePosition()
{
    CWrenView* view = ActiveView();
    CWrenDoc* document = ActiveDocument();
    if (view == nullptr || view->GetEngine() == nullptr || document == nullptr ||
        document->GetPathName().IsEmpty())
        return;
    const DocPosition caret = view->GetEngine()->GetCaretDocPosition();
    ThePositionHistory().Record(document->GetPathName(), caret.column, caret.line + 1);
}

void AppOutputHost::PostOpenFile(const CString& file, int line)
{
    m_app.PostOpenFile(file, line);
}

void AppOutputHost::OpenConversionOutput(const CString& file)
{
    if (m_commands != nullptr && m_commands->LastToolSlot() == kConversionToolSlot)
        m_app.PostOpenFile(file, 0);
}

void AppOutputHost::QueueChildInput(const CString& line)
{
    if (m_commands != nullptr)
        m_commands->QueueChildInput(line);
}

void AppOutputHost::KillChildProcess()
{
    if (m_commands != nullptr)
        m_commands->KillChildProcess();
}

CWrenDoc* AppOutputHost::ActiveDocument()
{
    CMainFrame* frame = m_app.GetMainFrame();
    return frame != nullptr ? dynamic_cast<CWrenDoc*>(frame->GetActiveEditorDoc()) : nullptr;
}

CWrenView* AppOutputHost::ActiveView()
{
    CMainFrame* frame = m_app.GetMainFrame();
    return frame != nullptr ? dynamic_cast<CWrenView*>(frame->GetActiveEditorView()) : nullptr;
}

void AppOutputHost::SaveActiveDocument() { m_app.SaveActiveDocumentForTool(); }

void AppOutputHost::SendToFrame(UINT command)
{
    if (CMainFrame* frame = m_app.GetMainFrame())
        frame->SendMessage(WM_COMMAND, command);
}

HWND AppOutputHost::Owner()
{
    CMainFrame* frame = m_app.GetMainFrame();
    return frame != nullptr ? frame->m_hWnd : nullptr;
}

