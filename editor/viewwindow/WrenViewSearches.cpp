// The view's commands that reach past its own document: the selection searches through find
// in files, replacing in every open document with the results in the output window, and
// adding the selection to the user's vocabulary or quick-input phrases.
#include "editor/viewwindow/ViewShell.h"
#include "editor/viewwindow/WrenView.h"

#include "editor/document/WrenDoc.h"
#include "editor/inputaids/CustomVocabulary.h"
#include "editor/inputaids/QuickInputPhrases.h"
#include "editor/res/resource.h"
#include "editor/settings/EditorSettings.h"
#include "editor/shell/FindInFiles.h"
#include "editor/view/MacroRecorder.h"
#include "editor/util/PathUtil.h"
#include "framework/AppEnvironment.h"
#include "framework/CmdUI.h"
#include "framework/MessageBox.h"

namespace {

IViewShell*& ShellSlot()
{
    static IViewShell* shell = nullptr;
    return shell;
}

// Whole word and match case: a selection search looks for the name as it stands.
const int kNameMode = kFindWholeWord | kFindMatchCase;

} // namespace

IViewShell* TheViewShell() { return ShellSlot(); }
void SetViewShell(IViewShell* shell) { ShellSlot() = shell; }

std::vector<SelectionSearch> SelectionSearchesFor(unsigned id, const CString& path, const CString& programFolder,
                                                  const CString& installationFolder)
{
    const CString documentFolder = path.IsEmpty() ? CString() : GetDirectoryPart(path);
    switch (id) {
    case ID_SEARCH_DOCUMENT_FOLDER:
        if (path.IsEmpty())
            return {};
        return {{FolderSearchTypes(GetExtensionPart(GetFileNamePart(path))), documentFolder, kFindSubFolders, kNameMode}};
    case ID_SEARCH_INTERFACES: {
        const CString types = "*.接口;*.定义;*.h;*.hpp;";
        const CString interfaces = installationFolder + "\\接口";
        std::vector<SelectionSearch> searches = {{types, interfaces, kFindSubFolders, kNameMode}};
        if (!documentFolder.IsEmpty() && documentFolder.CompareNoCase(interfaces) != 0)
            searches.push_back({types, documentFolder, kFindSubFolders | kFindAppend, kNameMode});
        return searches;
    }
    case ID_SEARCH_VOCABULARY:
        return {{"*.表", programFolder + "\\配置", kFindSubFolders, kNameMode}};
    case ID_SEARCH_SAMPLES: {
        const CString types = "*.墨;*.接口;*.定义";
        return {{types, installationFolder + "\\示例", kFindSubFolders, kNameMode},
                {types, installationFolder + "\\我的项目", kFindAppend, kNameMode},
                {types, installationFolder + "\\资源", kFindAppend, kNameMode}};
    }
    default: return {};
    }
}

CString CWrenView::GetSelectionSearchText() const
{
    const CString selected = GetSelectedTextOnLine();
    if (!selected.IsEmpty())
        return selected;
    const CString word = GetWordAtCaret();
    if (word.GetLength() == 1) {
        const CString vocabularyWord = GetVocabularyWordAtCaret();
        if (vocabularyWord.GetLength() > 1)
            return vocabularyWord;
    }
    return word;
}

void CWrenView::OnSelectionSearch(UINT id)
{
    IViewShell* shell = TheViewShell();
    if (!shell || !m_engine)
        return;
    const CString text = GetSelectionSearchText();
    if (text.IsEmpty())
        return;
    for (const SelectionSearch& search :
         SelectionSearchesFor(id, GetDocument()->GetPathName(), GetProgramFolder(), GetInstallationFolder()))
        shell->FindInFiles(text, search.types, search.folder, search.scope, search.mode);
}

void CWrenView::OnAddToVocabulary()
{
    if (!m_engine)
        return;
    const CString text = GetSelectionSearchText();
    if (!text.IsEmpty())
        PushCustomVocabularyWord(text);
}

void CWrenView::OnAddToPhrases()
{
    if (!m_engine || !m_engine->IsSelectionActive())
        return;
    const CString text = GetSelectedTextOnLine();
    if (!text.IsEmpty())
        AppendQuickInputPhrase(text);
}

void CWrenView::OnUpdateAddToPhrases(CCmdUI* cmdUI)
{
    cmdUI->Enable(m_engine && m_engine->IsSelectionActive());
}

// Replace all in this document, the result written to the output window as one line.
void CWrenView::OnReplaceAllReporting()
{
    if (!m_search || !m_groups)
        return;
    int count = 0;
    RunEdit([&] { count = m_search->DoReplaceAllInFile(); });
    TheMacroRecorder().RecordCommand(ID_SEARCH_REPLACE_ALL_IN_FILE);
    IViewShell* shell = TheViewShell();
    if (!shell)
        return;
    const CString path = GetDocument()->GetPathName();
    CString line;
    if (count > 0)
        line.Format(IDS_REPLACED_IN_FILE, (LPCTSTR)path, count);
    else
        line.Format(IDS_NOT_FOUND_IN_FILE, (LPCTSTR)path, (LPCTSTR)m_search->GetParameters().text);
    shell->AppendOutputLine(line);
}

void CWrenView::OnReplaceAllInOpenFiles()
{
    KeyboardMacroRecorder& recorder = TheMacroRecorder();
    if (recorder.IsRecording()) {
        CString message;
        message.Format(IDS_REFUSED_WHILE_RECORDING, "Replace All In Open Files");
        AfxMessageBox(message, MB_ICONERROR);
        recorder.Cancel();
        return;
    }
    IViewShell* shell = TheViewShell();
    if (!shell)
        return;
    if (shell->IsOutputBusy()) {
        AfxMessageBox(IDS_OUTPUT_BUSY, MB_ICONSTOP);
        return;
    }
    CViewOutputReport report(*shell);
    shell->AppendOutputLine(LoadResourceText(IDS_REPLACE_IN_OPEN_FILES));
    for (CWrenView* view : shell->OpenDocumentViews())
        view->SendMessage(WM_COMMAND, ID_SEARCH_REPLACE_ALL_REPORTING, 0);
}
