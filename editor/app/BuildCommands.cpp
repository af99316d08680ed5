// The application's build, run, user-tool and find-in-files commands.
#include "editor/app/BuildCommands.h"

#include "editor/app/AppOutputHost.h"
#include "editor/app/EditorApp.h"
#include "editor/app/MainFrame.h"
#include "editor/dialogs/FindInFilesDlg.h"
#include "editor/document/WrenDoc.h"
#include "editor/res/resource.h"
#include "editor/settings/ShellFolders.h"
#include "editor/settings/UserTools.h"
#include "editor/shell/FileNaming.h"
#include "editor/shell/FindInFiles.h"
#include "editor/shell/FolderChooser.h"
#include "editor/shell/OutputCommands.h"
#include "editor/util/PathUtil.h"
#include "editor/viewwindow/WrenView.h"
#include "framework/AppEnvironment.h"
#include "framework/CmdUI.h"
#include "framework/MessageBox.h"

BEGIN_MESSAGE_MAP(CBuildCommands, CCmdTarget)
    ON_COMMAND(ID_PROJECT_BUILD, OnBuild)
    ON_COMMAND(ID_PROJECT_RUN, OnRun)
    ON_COMMAND_RANGE(ID_TOOL_SLOT_10, ID_TOOL_SLOT_9, OnToolSlot)
    ON_COMMAND_RANGE(ID_TOOL_SLOT_EXTRA_FIRST, ID_TOOL_SLOT_EXTRA_LAST, OnToolSlot)
    ON_UPDATE_COMMAND_UI_RANGE(ID_TOOL_SLOT_10, ID_TOOL_SLOT_9, OnUpdateToolSlot)
    ON_UPDATE_COMMAND_UI_RANGE(ID_TOOL_SLOT_EXTRA_FIRST, ID_TOOL_SLOT_EXTRA_LAST, OnUpdateToolSlot)
    ON_COMMAND(ID_SEND_CHILD_INPUT, OnSendChildInput)
    ON_COMMAND(ID_KILL_CHILD, OnKillChild)
    ON_UPDATE_COMMAND_UI(ID_SEND_CHILD_INPUT, OnUpdateChildCommand)
    ON_UPDATE_COMMAND_UI(ID_KILL_CHILD, OnUpdateChildCommand)
    ON_COMMAND(ID_FIND_IN_FILES, OnFindInFiles)
END_MESSAGE_MAP()

CBuildCommands::CBuildCommands(CEditorApp& app) : m_app(app) {}

CBuildCommands::~CBuildCommands() = default;

void CBuildCommands::Connect(CMainFrame& frame, int lineLimit)
{
    m_outputHost = std::make_unique<AppOutputHost>(m_app);
    m_outputCommands = std::make_unique<OutputCommands>(*m_outputHost, frame.GetOutputBar(), TheUserTools(),
                                                        GetInstallationFolder(), GetProgramFolder());
    m_outputCommands->SetLineLimit(lineLimit);
    m_outputHost->SetCommands(m_outputCommands.get());
    frame.GetOutputBar().SetHost(m_outputHost.get());
}

void CBuildCommands::OnBuild()
{
    if (m_outputCommands)
        m_outputCommands->Build();
}

void CBuildCommands::OnRun()
{
    if (m_outputCommands)
        m_outputCommands->Run();
}

void CBuildCommands::OnToolSlot(UINT id)
{
    if (m_outputCommands)
        m_outputCommands->RunUserTool(ToolSlotOfCommand((int)id));
}

void CBuildCommands::OnUpdateToolSlot(CCmdUI* cmdUI)
{
    const int slot = ToolSlotOfCommand((int)cmdUI->m_nID);
    if (slot < kFirstToolSlot)
        return;
    const CUserCommand& tool = TheUserTools()[slot];
    if (cmdUI->m_menu != nullptr)
        cmdUI->SetText(ToolMenuText(tool, slot));
    cmdUI->Enable(!tool.command.IsEmpty());
}

void CBuildCommands::OnSendChildInput()
{
    if (!m_outputCommands || !m_outputCommands->IsCaptureActive())
        return;
    CString text;
    if (m_outputHost->AskUserInput(IDS_ASK_USER_SEND_TEXT, text))
        m_outputCommands->QueueChildInput(text);
}

void CBuildCommands::OnKillChild()
{
    if (m_outputCommands && m_outputCommands->IsCaptureActive())
        m_outputCommands->KillChildProcess();
}

void CBuildCommands::OnUpdateChildCommand(CCmdUI* cmdUI)
{
    cmdUI->Enable(m_outputCommands && m_outputCommands->IsCaptureActive());
}

void CBuildCommands::OnFindInFiles()
{
    if (!m_outputCommands)
        return;
    if (m_outputCommands->IsOutputBusy()) {
        AfxMessageBox(IDS_OUTPUT_BUSY, MB_ICONSTOP);
        return;
    }
    if (!m_findInFilesDlg) {
        m_findInFilesDlg = std::make_unique<CFindInFilesDlg>();
        m_findInFilesDlg->m_chooseFolder = ChooseFolder;
    }
    CFindInFilesDlg& dialog = *m_findInFilesDlg;
    dialog.m_pParentWnd = m_app.GetMainFrame();
    dialog.m_projectAvailable = !m_app.GetOpenProjectPath().IsEmpty();
    PrepareFindInFiles(dialog);
    if (dialog.DoModal() != IDOK)
        return;
    const int scope = (dialog.m_subfolders ? kFindSubFolders : 0) | (dialog.m_inProject ? kFindInProject : 0) |
                      (dialog.m_addToOutput ? kFindAppend : 0);
    const int mode = (dialog.m_wholeWord ? kFindWholeWord : 0) | (dialog.m_matchCase ? kFindMatchCase : 0) |
                     (dialog.m_regularExpression ? kFindRegex : 0);
    if (!FindInFiles(dialog.m_findText, dialog.m_fileTypes, dialog.m_folder, scope, mode)) {
        CString message;
        message.Format(IDS_BAD_PATTERN, (LPCTSTR)dialog.m_findText);
        AfxMessageBox(message, MB_ICONSTOP);
    }
}

bool CBuildCommands::FindInFiles(const char* text, const char* types, const CString& folder, int scope, int mode)
{
    return m_outputCommands && m_outputCommands->FindInFiles(text, types, folder, scope, mode, nullptr);
}

bool CBuildCommands::IsOutputBusy() { return m_outputCommands && m_outputCommands->IsOutputBusy(); }

void CBuildCommands::BeginOutputReport()
{
    if (m_outputCommands)
        m_outputCommands->BeginReport();
}

void CBuildCommands::EndOutputReport()
{
    if (m_outputCommands)
        m_outputCommands->EndReport();
}

void CBuildCommands::AppendOutputLine(const char* line)
{
    if (m_outputCommands)
        m_outputCommands->AppendLine(line);
}

std::vector<CWrenView*> CBuildCommands::OpenDocumentViews()
{
    std::vector<CWrenView*> views;
    for (POSITION at = m_app.GetFirstDocument(); at != nullptr;) {
        CDocument* document = m_app.GetNextDocument(at);
        for (POSITION view = document->GetFirstViewPosition(); view != nullptr;)
            if (auto* wren = dynamic_cast<CWrenView*>(document->GetNextView(view))) {
                views.push_back(wren);
                break;
            }
    }
    return views;
}

void CBuildCommands::PrepareFindInFiles(CFindInFilesDlg& dialog)
{
    CMainFrame* frame = m_app.GetMainFrame();
    auto* view = frame != nullptr ? dynamic_cast<CWrenView*>(frame->GetActiveEditorView()) : nullptr;
    auto* document = view != nullptr ? dynamic_cast<CWrenDoc*>(view->GetDocument()) : nullptr;
    if (view == nullptr || document == nullptr || view->GetEngine() == nullptr) {
        if (dialog.m_folder.IsEmpty())
            dialog.m_folder = CurrentFolder();
        if (dialog.m_fileTypes.IsEmpty())
            dialog.m_fileTypes = DefaultFindTypes(CString());
        return;
    }
    const CString path = document->GetPathName();
    const CString extension = GetExtensionPart(GetFileNamePart(path));
    const CString selected = view->GetSelectedTextOnLine();
    if (!selected.IsEmpty()) {
        dialog.m_findText = selected;
        dialog.m_folder = GetDirectoryPart(path);
        dialog.m_fileTypes = DefaultFindTypes(extension);
        dialog.m_wholeWord = dialog.m_matchCase = 1;
    } else if (dialog.m_findText.IsEmpty()) {
        CString word = view->GetWordAtCaret();
        const CString vocabularyWord = view->GetVocabularyWordAtCaret();
        if (word.GetLength() == 1 && vocabularyWord.GetLength() > 1)
            word = vocabularyWord;
        dialog.m_findText = word;
        dialog.m_fileTypes = extension.IsEmpty() ? DefaultFindTypes(extension) : "*" + extension;
        dialog.m_wholeWord = dialog.m_matchCase = 1;
    }
    if (dialog.m_folder.IsEmpty())
        dialog.m_folder = GetDirectoryPart(path);
}
