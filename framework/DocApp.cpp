#include "framework/DocApp.h"

#include "framework/RecentFileList.h"

namespace {

constexpr char kRecentFileSection[] = "Recent File List";
constexpr char kRecentFileEntry[] = "File%d";

} // namespace

CDocApp::CDocApp(LPCTSTR appName) : CWinApp(appName)
{
    SetDocViewHost(this);
}

CDocApp::~CDocApp()
{
    // Documents and their frames go before the host does.
    m_docManager.CloseAllDocuments(TRUE);
    if (GetDocViewHost() == this)
        SetDocViewHost(nullptr);
}

void CDocApp::AddDocTemplate(CDocTemplate* docTemplate)
{
    m_docManager.AddDocTemplate(docTemplate);
}

POSITION CDocApp::GetFirstDocTemplatePosition() const
{
    return m_docManager.GetFirstDocTemplatePosition();
}

CDocTemplate* CDocApp::GetNextDocTemplate(POSITION& position) const
{
    return m_docManager.GetNextDocTemplate(position);
}

CDocument* CDocApp::OpenDocumentFile(LPCTSTR path)
{
    return m_docManager.OpenDocumentFile(path);
}

BOOL CDocApp::SaveAllModified()
{
    return m_docManager.SaveAllModified();
}

void CDocApp::CloseAllDocuments(BOOL endSession)
{
    m_docManager.CloseAllDocuments(endSession);
}

void CDocApp::AddToRecentFileList(LPCTSTR path)
{
    m_docManager.AddToRecentFileList(path);
}

void CDocApp::LoadStdProfileSettings(UINT maxRecentFiles)
{
    if (maxRecentFiles == 0)
        return;
    m_docManager.EnableRecentFileList(static_cast<int>(maxRecentFiles));
    CRecentFileList* list = m_docManager.GetRecentFileList();
    // Oldest first, so the newest ends at the head.
    for (int index = list->GetSize(); index >= 1; --index) {
        CString entry;
        entry.Format(kRecentFileEntry, index);
        CString path = GetProfileString(kRecentFileSection, entry, "");
        if (!path.IsEmpty())
            list->Add(path);
    }
}

void CDocApp::SaveStdProfileSettings()
{
    CRecentFileList* list = m_docManager.GetRecentFileList();
    if (list == nullptr)
        return;
    for (int index = 0; index < list->GetSize(); ++index) {
        CString entry;
        entry.Format(kRecentFileEntry, index + 1);
        CString path = (*list)[index];
        WriteProfileString(kRecentFileSection, entry, path.IsEmpty() ? nullptr : static_cast<LPCTSTR>(path));
    }
}

void CDocApp::OnUpdateRecentFileMenu(CCmdUI* cmdUI)
{
    m_docManager.OnUpdateRecentFileMenu(cmdUI);
}

int CDocApp::ExitInstance()
{
    SaveStdProfileSettings();
    return CWinApp::ExitInstance();
}
