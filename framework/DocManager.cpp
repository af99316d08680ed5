#include "framework/DocManager.h"

#include "framework/CmdUI.h"
#include "framework/CommonDialogs.h"
#include "framework/CommandIds.h"
#include "framework/Debug.h"
#include "framework/DocTemplate.h"
#include "framework/DocViewHost.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/MdiFrameWnd.h"
#include "framework/RecentFileList.h"
#include "framework/View.h"
#include "framework/Wnd.h"


namespace {

constexpr char kOpenTitle[] = "Open";
constexpr char kSaveAsTitle[] = "Save As";
constexpr char kAllFilter[] = "All Files (*.*)";

// Brings the document's first frame to the front (in an MDI frame: activates the child).
void ActivateDocument(CDocument* document)
{
    POSITION position = document->GetFirstViewPosition();
    CView* view = document->GetNextView(position);
    if (view == nullptr)
        return;
    CFrameWnd* frame = view->GetParentFrame();
    if (frame == nullptr)
        return;
    frame->ActivateFrame();
    frame->SetActiveView(view);
}

} // namespace

CString FullPathOf(LPCTSTR path)
{
    if (path == nullptr || *path == '\0')
        return CString();
    char full[MAX_PATH];
    DWORD length = ::GetFullPathNameA(path, sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full)
        return CString(path);
    return CString(full);
}

BEGIN_MESSAGE_MAP(CDocManager, CCmdTarget)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    ON_COMMAND_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST, OnOpenRecentFileCommand)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
END_MESSAGE_MAP()

CDocManager::CDocManager() = default;

CDocManager::~CDocManager()
{
    while (!m_templateList.IsEmpty())
        delete m_templateList.RemoveHead();
}

void CDocManager::AddDocTemplate(CDocTemplate* docTemplate)
{
    ASSERT(docTemplate != nullptr && m_templateList.Find(docTemplate) == nullptr);
    if (docTemplate == nullptr || m_templateList.Find(docTemplate) != nullptr)
        return;
    docTemplate->LoadTemplate();
    m_templateList.AddTail(docTemplate);
}

POSITION CDocManager::GetFirstDocTemplatePosition() const
{
    return m_templateList.GetHeadPosition();
}

CDocTemplate* CDocManager::GetNextDocTemplate(POSITION& position) const
{
    if (position == nullptr)
        return nullptr;
    return m_templateList.GetNext(position);
}

int CDocManager::GetOpenDocumentCount() const
{
    int count = 0;
    for (DocumentPosition position = GetFirstDocumentPosition(); !position.IsEnd(); GetNextDocument(position))
        ++count;
    return count;
}

CDocManager::DocumentPosition CDocManager::FirstDocumentFrom(POSITION templatePosition) const
{
    DocumentPosition position;
    while (templatePosition != nullptr) {
        position.templatePosition = templatePosition;
        position.documentPosition = m_templateList.GetNext(templatePosition)->GetFirstDocPosition();
        if (position.documentPosition != nullptr)
            return position;
    }
    return DocumentPosition();
}

CDocManager::DocumentPosition CDocManager::GetFirstDocumentPosition() const
{
    return FirstDocumentFrom(m_templateList.GetHeadPosition());
}

CDocument* CDocManager::GetNextDocument(DocumentPosition& position) const
{
    if (position.IsEnd())
        return nullptr;
    POSITION nextTemplate = position.templatePosition;
    CDocTemplate* docTemplate = m_templateList.GetNext(nextTemplate);
    CDocument* document = docTemplate->GetNextDoc(position.documentPosition);
    if (position.documentPosition == nullptr)
        position = FirstDocumentFrom(nextTemplate);
    return document;
}

CDocument* CDocManager::FindOpenDocument(LPCTSTR path) const
{
    CString full = FullPathOf(path);
    if (full.IsEmpty())
        return nullptr;
    for (DocumentPosition position = GetFirstDocumentPosition(); !position.IsEnd();) {
        CDocument* document = GetNextDocument(position);
        if (!document->GetPathName().IsEmpty() && document->GetPathName().CompareNoCase(full) == 0)
            return document;
    }
    return nullptr;
}

CDocument* CDocManager::OpenDocumentFile(LPCTSTR path)
{
    return OpenDocumentFile(path, DocumentLoader());
}

CDocument* CDocManager::OpenDocumentFile(LPCTSTR path, const DocumentLoader& load)
{
    if (path == nullptr || *path == '\0')
        return nullptr;
    CString full = FullPathOf(path);
    CDocTemplate* best = nullptr;
    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    CDocument* open = nullptr;
    for (POSITION position = m_templateList.GetHeadPosition(); position != nullptr;) {
        CDocTemplate* docTemplate = m_templateList.GetNext(position);
        CDocument* match = nullptr;
        CDocTemplate::Confidence confidence = docTemplate->MatchDocType(full, match);
        if (confidence > bestMatch) {
            bestMatch = confidence;
            best = docTemplate;
            open = match;
        }
        if (confidence == CDocTemplate::yesAlreadyOpen)
            break;
    }
    if (open != nullptr) {
        ActivateDocument(open);
        return open;
    }
    if (best == nullptr)
        return nullptr;
    return best->OpenDocumentFile(full, TRUE, load);
}

BOOL CDocManager::SaveAllModified()
{
    for (POSITION position = m_templateList.GetHeadPosition(); position != nullptr;) {
        if (!m_templateList.GetNext(position)->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

BOOL CDocManager::SaveAllDocuments()
{
    BOOL allSaved = TRUE;
    for (DocumentPosition position = GetFirstDocumentPosition(); !position.IsEnd();) {
        CDocument* document = GetNextDocument(position);
        if (document->IsModified() && !document->DoFileSave())
            allSaved = FALSE;
    }
    return allSaved;
}

void CDocManager::CloseAllDocuments(BOOL endSession)
{
    for (POSITION position = m_templateList.GetHeadPosition(); position != nullptr;)
        m_templateList.GetNext(position)->CloseAllDocuments(endSession);
}

BOOL CDocManager::DoPromptFileName(CString& path, LPCTSTR title, DWORD flags, BOOL open, CDocTemplate* docTemplate)
{
    // The given template's type (or every template's), then all files.
    CString filter;
    CString extension;
    auto addTemplate = [&](CDocTemplate* each) {
        CString name;
        CString pattern;
        if (each->GetDocString(name, CDocTemplate::filterName) && each->GetDocString(pattern, CDocTemplate::filterExt)) {
            filter += name + "|*" + pattern + "|";
            if (extension.IsEmpty())
                extension = pattern;
        }
    };
    if (docTemplate != nullptr) {
        addTemplate(docTemplate);
    } else {
        for (POSITION position = m_templateList.GetHeadPosition(); position != nullptr;)
            addTemplate(m_templateList.GetNext(position));
    }
    filter += CString(kAllFilter) + "|*.*||";

    CFileDialog dialog(open, extension.IsEmpty() ? nullptr : static_cast<LPCTSTR>(extension), path,
                       flags | (open ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT), filter, GetHostMainWnd());
    dialog.m_ofn.lpstrTitle = title != nullptr ? title : (open ? kOpenTitle : kSaveAsTitle);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    path = dialog.GetPathName();
    return TRUE;
}

void CDocManager::EnableRecentFileList(int size)
{
    m_recentFiles = std::make_unique<CRecentFileList>(ID_FILE_MRU_FILE1, size);
}

void CDocManager::AddToRecentFileList(LPCTSTR path)
{
    if (m_recentFiles != nullptr)
        m_recentFiles->Add(path);
}

void CDocManager::OnFileNew()
{
    if (m_templateList.IsEmpty())
        return;
    m_templateList.GetHead()->OpenDocumentFile(nullptr);
}

void CDocManager::OnFileOpen()
{
    CString path;
    if (!DoPromptFileName(path, nullptr, OFN_HIDEREADONLY, TRUE, nullptr))
        return;
    DocViewHost* host = GetDocViewHost();
    if (host != nullptr)
        host->OpenDocumentFile(path);
    else
        OpenDocumentFile(path);
}

void CDocManager::OnOpenRecentFileCommand(UINT id)
{
    if (m_recentFiles == nullptr)
        return;
    int index = static_cast<int>(id - ID_FILE_MRU_FILE1);
    CString path = (*m_recentFiles)[index];
    if (path.IsEmpty())
        return;
    DocViewHost* host = GetDocViewHost();
    CDocument* document = host != nullptr ? host->OpenDocumentFile(path) : OpenDocumentFile(path);
    // A file that no longer opens leaves the list.
    if (document == nullptr)
        m_recentFiles->Remove(index);
}

void CDocManager::OnUpdateRecentFileMenu(CCmdUI* cmdUI)
{
    if (m_recentFiles == nullptr) {
        cmdUI->Enable(FALSE);
        return;
    }
    m_recentFiles->UpdateMenu(cmdUI);
}
