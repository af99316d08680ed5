#include "framework/DocTemplate.h"

#include "framework/AppState.h"
#include "framework/Debug.h"
#include "framework/DocManager.h"
#include "framework/Document.h"
#include "framework/FileName.h"
#include "framework/FrameWnd.h"
#include "framework/MessageBox.h"
#include "framework/View.h"
#include "framework/WaitCursor.h"

CDocTemplate::CDocTemplate(UINT resourceId, const CRuntimeClass* documentClass, const CRuntimeClass* frameClass,
                           const CRuntimeClass* viewClass)
    : m_nIDResource(resourceId), m_pDocClass(documentClass), m_pFrameClass(frameClass), m_pViewClass(viewClass)
{
}

CDocTemplate::~CDocTemplate() = default;

void CDocTemplate::LoadTemplate()
{
    if (m_strDocStrings.IsEmpty())
        m_strDocStrings.LoadString(m_nIDResource);
}

BOOL CDocTemplate::GetDocString(CString& text, DocStringIndex index) const
{
    text.Empty();
    int start = 0;
    for (int part = 0; part < index; ++part) {
        int end = m_strDocStrings.Find('\n', start);
        if (end < 0)
            return FALSE;
        start = end + 1;
    }
    int end = m_strDocStrings.Find('\n', start);
    text = end < 0 ? m_strDocStrings.Mid(start) : m_strDocStrings.Mid(start, end - start);
    return !text.IsEmpty();
}

void CDocTemplate::AddDocument(CDocument* document)
{
    ASSERT(document != nullptr && document->m_pDocTemplate == nullptr);
    document->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* document)
{
    ASSERT(document != nullptr && document->m_pDocTemplate == this);
    document->m_pDocTemplate = nullptr;
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCTSTR path, CDocument*& match)
{
    match = nullptr;
    CString full = FullPathOf(path);
    for (POSITION position = GetFirstDocPosition(); position != nullptr;) {
        CDocument* document = GetNextDoc(position);
        if (!document->GetPathName().IsEmpty() && document->GetPathName().CompareNoCase(full) == 0) {
            match = document;
            return yesAlreadyOpen;
        }
    }
    CString extension;
    if (GetDocString(extension, filterExt)) {
        CString name = FilePathParts::NameOf(full);
        if (name.GetLength() >= extension.GetLength() &&
            name.Right(extension.GetLength()).CompareNoCase(extension) == 0)
            return yesAttemptNative;
    }
    return yesAttemptForeign;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    if (m_pDocClass == nullptr)
        return nullptr;
    auto* document = dynamic_cast<CDocument*>(m_pDocClass->CreateObject());
    if (document == nullptr)
        return nullptr;
    AddDocument(document);
    return document;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* document, CFrameWnd* other)
{
    if (m_pFrameClass == nullptr)
        return nullptr;
    CCreateContext context;
    context.m_pCurrentFrame = other;
    context.m_pCurrentDoc = document;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    CCmdTarget* object = m_pFrameClass->CreateObject();
    auto* frame = dynamic_cast<CFrameWnd*>(object);
    if (frame == nullptr) {
        delete object;
        return nullptr;
    }
    // A frame that fails to load has already deleted itself.
    if (!frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* frame, CDocument* document, BOOL makeVisible)
{
    frame->InitialUpdateFrame(document, makeVisible);
}

BOOL CDocTemplate::SaveAllModified()
{
    for (POSITION position = GetFirstDocPosition(); position != nullptr;) {
        if (!GetNextDoc(position)->SaveModified())
            return FALSE;
    }
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL)
{
    // Closing a document removes it from the list: always take the first.
    while (POSITION position = GetFirstDocPosition()) {
        CDocument* document = GetNextDoc(position);
        document->OnCloseDocument();
        POSITION after = GetFirstDocPosition();
        if (after != nullptr && GetNextDoc(after) == document)
            RemoveDocument(document);  // not auto-deleting: only let go of it
    }
}

CMultiDocTemplate::CMultiDocTemplate(UINT resourceId, const CRuntimeClass* documentClass,
                                     const CRuntimeClass* frameClass, const CRuntimeClass* viewClass)
    : CDocTemplate(resourceId, documentClass, frameClass, viewClass)
{
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    CloseAllDocuments(TRUE);
    if (m_hMenuShared != nullptr)
        ::DestroyMenu(m_hMenuShared);
    if (m_hAccelTable != nullptr)
        ::DestroyAcceleratorTable(m_hAccelTable);
}

void CMultiDocTemplate::LoadTemplate()
{
    CDocTemplate::LoadTemplate();
    HINSTANCE resources = AfxGetResourceHandle();
    if (m_hMenuShared == nullptr)
        m_hMenuShared = ::LoadMenuA(resources, MAKEINTRESOURCEA(m_nIDResource));
    if (m_hAccelTable == nullptr)
        m_hAccelTable = ::LoadAcceleratorsA(resources, MAKEINTRESOURCEA(m_nIDResource));
}

POSITION CMultiDocTemplate::GetFirstDocPosition() const
{
    return m_docList.GetHeadPosition();
}

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& position) const
{
    if (position == nullptr)
        return nullptr;
    return m_docList.GetNext(position);
}

void CMultiDocTemplate::AddDocument(CDocument* document)
{
    CDocTemplate::AddDocument(document);
    m_docList.AddTail(document);
}

void CMultiDocTemplate::RemoveDocument(CDocument* document)
{
    CDocTemplate::RemoveDocument(document);
    POSITION position = m_docList.Find(document);
    if (position != nullptr)
        m_docList.RemoveAt(position);
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* document)
{
    CString title;
    if (GetDocString(title, fileNewName)) {
        CString number;
        number.Format("%u", m_nUntitledCount + 1);
        title += number;
    } else {
        title = kUntitledText;
    }
    document->SetTitle(title);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCTSTR path, BOOL makeVisible, const DocumentLoader& load)
{
    CDocument* document = CreateNewDocument();
    if (document == nullptr) {
        AfxMessageBox(kFailedToCreateDocText, MB_ICONEXCLAMATION);
        return nullptr;
    }
    // The frame's creation must not close the document it is being made for.
    BOOL autoDelete = document->m_bAutoDelete;
    document->m_bAutoDelete = FALSE;
    CFrameWnd* frame = CreateNewFrame(document, nullptr);
    document->m_bAutoDelete = autoDelete;
    if (frame == nullptr) {
        AfxMessageBox(kFailedToCreateDocText, MB_ICONEXCLAMATION);
        delete document;
        return nullptr;
    }
    if (path == nullptr) {
        SetDefaultTitle(document);
        if (!(load ? load(*document, nullptr) : document->OnNewDocument())) {
            // Destroying the frame takes its views and, with them, the document.
            frame->DestroyWindow();
            return nullptr;
        }
        ++m_nUntitledCount;
    } else {
        CWaitCursor wait;
        if (!(load ? load(*document, path) : document->OnOpenDocument(path))) {
            frame->DestroyWindow();
            return nullptr;
        }
        document->SetPathName(path);
    }
    InitialUpdateFrame(frame, document, makeVisible);
    return document;
}
