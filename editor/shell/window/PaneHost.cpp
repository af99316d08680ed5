#include "editor/shell/window/PaneHost.h"

#include "editor/shell/PositionHistory.h"
#include "editor/shell/window/EditorApp.h"
#include "editor/shell/window/MainFrame.h"
#include "editor/view/window/WrenView.h"
#include "framework/AppEnvironment.h"
#include "framework/Document.h"

CString CFramePaneHost::ActiveDocumentPath()
{
    CDocument* document = m_frame.GetActiveEditorDoc();
    return document != nullptr ? document->GetPathName() : CString();
}

void CFramePaneHost::PushActivePosition()
{
    auto* view = dynamic_cast<CWrenView*>(m_frame.GetActiveEditorView());
    CDocument* document = view != nullptr ? static_cast<CView*>(view)->GetDocument() : nullptr;
    if (document == nullptr || view->GetEngine() == nullptr)
        return;
    DocPosition caret = view->GetEngine()->GetCaretDocPosition();
    ThePositionHistory().RecordJump(document->GetPathName(), caret.column, caret.line + 1);
}

void CFramePaneHost::PostOpenFile(const CString& file, int line)
{
    if (CEditorApp* app = TheEditorApp())
        app->PostOpenFile(file, line);
}

void CFramePaneHost::OpenConversionOutput(const CString& file)
{
    if (m_capture != nullptr)
        m_capture->OpenConversionOutput(file);
}

void CFramePaneHost::QueueChildInput(const CString& line)
{
    if (m_capture != nullptr)
        m_capture->QueueChildInput(line);
}

void CFramePaneHost::KillChildProcess()
{
    if (m_capture != nullptr)
        m_capture->KillChildProcess();
}

void CFramePaneHost::ShowVocabularyLines(const CStringArray& lines)
{
    COutputBar& output = m_frame.GetOutputBar();
    output.ClearPage(TRUE);
    for (int i = 0; i < lines.GetSize(); ++i)
        output.AppendUnpagedLine(lines[i]);
}

void CFramePaneHost::SetStatusText(const CString& text)
{
    m_frame.SetMessageText(text);
}

bool CFramePaneHost::InsertIntoActiveView(const CString& text)
{
    auto* view = dynamic_cast<CWrenView*>(m_frame.GetActiveEditorView());
    if (view == nullptr)
        return false;
    view->PostPendingInsert(text);
    return true;
}

CString CFramePaneHost::InstallFolder()
{
    return GetInstallationFolder();
}
