#include "framework/Document.h"

#include "framework/Archive.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/Debug.h"
#include "framework/DocManager.h"
#include "framework/DocTemplate.h"
#include "framework/DocViewHost.h"
#include "framework/Exceptions.h"
#include "framework/File.h"
#include "framework/FileName.h"
#include "framework/FrameWnd.h"
#include "framework/MessageBox.h"
#include "framework/View.h"
#include "framework/WaitCursor.h"

#include <memory>

IMPLEMENT_DYNAMIC_ROOT(CDocument)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::CDocument() = default;

CDocument::~CDocument()
{
    // Views outliving their document must not reach back into it.
    for (POSITION position = m_viewList.GetHeadPosition(); position != nullptr;)
        m_viewList.GetNext(position)->m_pDocument = nullptr;
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCTSTR title)
{
    m_strTitle = title ? title : "";
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCTSTR path, BOOL addToMRU)
{
    m_strPathName = FullPathOf(path);
    SetTitle(FilePathParts::NameOf(m_strPathName));
    if (addToMRU) {
        if (CDocManager* manager = GetHostDocManager())
            manager->AddToRecentFileList(m_strPathName);
    }
}

BOOL CDocument::IsModified()
{
    return m_bModified;
}

void CDocument::SetModifiedFlag(BOOL modified)
{
    m_bModified = modified;
}

void CDocument::AddView(CView* view)
{
    ASSERT(view != nullptr && view->m_pDocument == nullptr);
    if (view == nullptr || view->m_pDocument != nullptr)
        return;
    m_viewList.AddTail(view);
    view->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* view)
{
    if (view == nullptr || view->m_pDocument != this)
        return;
    POSITION position = m_viewList.Find(view);
    if (position != nullptr)
        m_viewList.RemoveAt(position);
    view->m_pDocument = nullptr;
    OnChangedViewList();
}

POSITION CDocument::GetFirstViewPosition() const
{
    return m_viewList.GetHeadPosition();
}

CView* CDocument::GetNextView(POSITION& position) const
{
    if (position == nullptr)
        return nullptr;
    return m_viewList.GetNext(position);
}

void CDocument::UpdateAllViews(CView* sender, LPARAM hint, void* hintObject)
{
    for (POSITION position = m_viewList.GetHeadPosition(); position != nullptr;) {
        CView* view = m_viewList.GetNext(position);
        if (view != sender)
            view->OnUpdate(sender, hint, hintObject);
    }
}

void CDocument::UpdateFrameCounts()
{
    // Number the frames only when the document shows in more than one.
    CList<CFrameWnd*, CFrameWnd*> frames;
    for (POSITION position = m_viewList.GetHeadPosition(); position != nullptr;) {
        CFrameWnd* frame = m_viewList.GetNext(position)->GetParentFrame();
        if (frame != nullptr && frames.Find(frame) == nullptr)
            frames.AddTail(frame);
    }
    int number = frames.GetCount() > 1 ? 1 : 0;
    for (POSITION position = frames.GetHeadPosition(); position != nullptr;) {
        CFrameWnd* frame = frames.GetNext(position);
        frame->m_nWindow = number > 0 ? number++ : 0;
        frame->OnUpdateFrameTitle(TRUE);
    }
}

void CDocument::OnChangedViewList()
{
    if (m_viewList.IsEmpty() && m_bAutoDelete) {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCTSTR path)
{
    CFileException error;
    CFile* file = GetFile(path, CFile::modeRead | CFile::shareDenyWrite, &error);
    if (file == nullptr) {
        ReportSaveLoadException(path, &error, FALSE, kFailedToOpenDocText);
        return FALSE;
    }
    DeleteContents();
    // Modified while half loaded: a failure leaves nothing that looks saved.
    SetModifiedFlag(TRUE);
    try {
        CWaitCursor wait;
        CArchive archive(file, CArchive::load);
        Serialize(archive);
        archive.Close();
        ReleaseFile(file, FALSE);
    } catch (CException* e) {
        ReleaseFile(file, TRUE);
        DeleteContents();
        ReportSaveLoadException(path, e, FALSE, kFailedToOpenDocText);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR path)
{
    CFileException error;
    CFile* file = GetFile(path, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &error);
    if (file == nullptr) {
        ReportSaveLoadException(path, &error, TRUE, kFailedToSaveDocText);
        return FALSE;
    }
    try {
        CWaitCursor wait;
        CArchive archive(file, CArchive::store);
        Serialize(archive);
        archive.Close();
        ReleaseFile(file, FALSE);
    } catch (CException* e) {
        ReleaseFile(file, TRUE);
        ReportSaveLoadException(path, e, TRUE, kFailedToSaveDocText);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    // Destroying the frames removes the views; the document must outlive that.
    BOOL autoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty()) {
        CView* view = m_viewList.GetHead();
        CFrameWnd* frame = view->GetParentFrame();
        if (frame == nullptr) {
            // A view deletes itself with its window, leaving the list as it goes.
            view->DestroyWindow();
            if (m_viewList.Find(view) != nullptr)
                RemoveView(view);
            continue;
        }
        PreCloseFrame(frame);
        frame->DestroyWindow();
        // A frame that did not take the view with it must not loop forever.
        if (!m_viewList.IsEmpty() && m_viewList.GetHead() == view)
            RemoveView(view);
    }
    m_bAutoDelete = autoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

void CDocument::DeleteContents() {}

void CDocument::PreCloseFrame(CFrameWnd*) {}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString name = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
    if (name.IsEmpty())
        name = kUntitledText;
    CString prompt = kAskToSaveText;
    prompt.Replace("%1", name);
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL)) {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::CanCloseFrame(CFrameWnd* frame)
{
    // Another frame still showing the document keeps it open: no question then.
    for (POSITION position = m_viewList.GetHeadPosition(); position != nullptr;) {
        CFrameWnd* other = m_viewList.GetNext(position)->GetParentFrame();
        if (other != nullptr && other != frame)
            return TRUE;
    }
    return SaveModified();
}

BOOL CDocument::DoSave(LPCTSTR path, BOOL replace)
{
    CString newName = path ? path : "";
    if (newName.IsEmpty()) {
        newName = m_strPathName;
        if (replace && newName.IsEmpty()) {
            // Propose the title, cut before characters a file name should not hold, with
            // the template's extension.
            newName = m_strTitle;
            int bad = newName.FindOneOf(" #%;/\\");
            if (bad >= 0)
                newName = newName.Left(bad);
            CString extension;
            if (m_pDocTemplate != nullptr && m_pDocTemplate->GetDocString(extension, CDocTemplate::filterExt))
                newName += extension;
        }
        CDocManager* manager = GetHostDocManager();
        if (manager == nullptr ||
            !manager->DoPromptFileName(newName, nullptr, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE, m_pDocTemplate))
            return FALSE;
    }
    if (!OnSaveDocument(newName))
        return FALSE;
    if (replace)
        SetPathName(newName);
    return TRUE;
}

BOOL CDocument::DoFileSave()
{
    // A read-only or vanished file is saved under a new name.
    DWORD attributes = ::GetFileAttributesA(m_strPathName);
    if (m_strPathName.IsEmpty() || attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return DoSave(nullptr);
    return DoSave(m_strPathName);
}

void CDocument::Serialize(CArchive&) {}

CFile* CDocument::GetFile(LPCTSTR path, UINT openFlags, CFileException* error)
{
    auto file = std::make_unique<CFile>();
    if (!file->Open(path, openFlags, error))
        return nullptr;
    return file.release();
}

void CDocument::ReleaseFile(CFile* file, BOOL abort)
{
    if (file == nullptr)
        return;
    if (abort)
        file->Abort();
    else
        file->Close();
    delete file;
}

void CDocument::ReportSaveLoadException(LPCTSTR, CException* e, BOOL saving, LPCTSTR defaultText)
{
    if (dynamic_cast<CUserException*>(e) != nullptr)
        return;
    if (dynamic_cast<CMemoryException*>(e) != nullptr) {
        e->ReportError(MB_ICONEXCLAMATION);
        return;
    }
    if (defaultText == nullptr)
        defaultText = saving ? kFailedToSaveDocText : kFailedToOpenDocText;
    AfxMessageBox(defaultText, MB_ICONEXCLAMATION);
}

BOOL CDocument::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo)
{
    if (CCmdTarget::OnCmdMsg(id, code, extra, handlerInfo))
        return TRUE;
    return m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(id, code, extra, handlerInfo);
}

void CDocument::OnFileClose()
{
    if (!SaveModified())
        return;
    OnCloseDocument();
}

void CDocument::OnFileSave()
{
    DoFileSave();
}

void CDocument::OnFileSaveAs()
{
    DoSave(nullptr);
}
