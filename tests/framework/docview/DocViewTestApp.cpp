#include "DocViewTestApp.h"

#include "framework/Archive.h"
#include "framework/CommandIds.h"

#include <gtest/gtest.h>

std::vector<std::string>& HandledBy()
{
    static std::vector<std::string> log;
    return log;
}

// --- Document ------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CTestDoc, CDocument)

BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
    ON_COMMAND(ID_TEST_DOC_COMMAND, OnDocCommand)
    ON_COMMAND(ID_TEST_EVERYONE_COMMAND, OnEveryoneCommand)
END_MESSAGE_MAP()

void CTestDoc::Serialize(CArchive& archive)
{
    if (archive.IsStoring())
        archive.WriteString(m_text);
    else
        archive.ReadString(m_text);
}

void CTestDoc::DeleteContents()
{
    m_text.Empty();
    ++m_deleteContentsCalls;
}

void CTestDoc::OnDocCommand() { HandledBy().push_back("document"); }
void CTestDoc::OnEveryoneCommand() { HandledBy().push_back("document"); }

// --- View ----------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CTestView, CView)

BEGIN_MESSAGE_MAP(CTestView, CView)
    ON_COMMAND(ID_TEST_VIEW_COMMAND, OnViewCommand)
    ON_COMMAND(ID_TEST_EVERYONE_COMMAND, OnEveryoneCommand)
END_MESSAGE_MAP()

void CTestView::OnDraw(CDC*) { ++m_draws; }

void CTestView::OnInitialUpdate()
{
    ++m_initialUpdates;
    CView::OnInitialUpdate();
}

void CTestView::OnUpdate(CView* sender, LPARAM hint, void* hintObject)
{
    m_hints.push_back(hint);
    CView::OnUpdate(sender, hint, hintObject);
}

void CTestView::OnViewCommand() { HandledBy().push_back("view"); }
void CTestView::OnEveryoneCommand() { HandledBy().push_back("view"); }

// --- Frames --------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CTestChildFrame, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CTestChildFrame, CMDIChildWnd)
    ON_COMMAND(ID_TEST_CHILD_COMMAND, OnChildCommand)
    ON_COMMAND(ID_TEST_EVERYONE_COMMAND, OnEveryoneCommand)
END_MESSAGE_MAP()

void CTestChildFrame::OnChildCommand() { HandledBy().push_back("child frame"); }
void CTestChildFrame::OnEveryoneCommand() { HandledBy().push_back("child frame"); }

BEGIN_MESSAGE_MAP(CTestMainFrame, CMDIFrameWnd)
    ON_COMMAND(ID_TEST_MAIN_COMMAND, OnMainCommand)
    ON_COMMAND(ID_TEST_EVERYONE_COMMAND, OnEveryoneCommand)
END_MESSAGE_MAP()

void CTestMainFrame::OnMainCommand() { HandledBy().push_back("main frame"); }
void CTestMainFrame::OnEveryoneCommand() { HandledBy().push_back("main frame"); }

// --- Document manager and application ------------------------------------------------------

BOOL CTestDocManager::DoPromptFileName(CString& path, LPCTSTR, DWORD, BOOL, CDocTemplate*)
{
    ++m_prompts;
    m_lastProposal = path;
    if (m_promptAnswers.empty())
        return FALSE;
    path = m_promptAnswers.front();
    m_promptAnswers.erase(m_promptAnswers.begin());
    return TRUE;
}

BEGIN_MESSAGE_MAP(CTestApp, CCmdTarget)
    ON_COMMAND(ID_TEST_APP_COMMAND, OnAppCommand)
    ON_COMMAND(ID_TEST_EVERYONE_COMMAND, OnEveryoneCommand)
END_MESSAGE_MAP()

CTestApp::CTestApp()
{
    HandledBy().clear();
    SetDocViewHost(this);
    m_template = new CMultiDocTemplate(IDR_TESTTYPE, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestChildFrame),
                                       RUNTIME_CLASS(CTestView));
    m_docManager.AddDocTemplate(m_template);
    m_docManager.EnableRecentFileList(10);
    m_mainFrame = new CTestMainFrame;
    if (!m_mainFrame->LoadFrame(IDR_MAINFRAME)) {
        m_mainFrame = nullptr;
        ADD_FAILURE() << "main frame not created";
        return;
    }
    // Left hidden: under the test display a shown top-level window takes seconds to destroy.
}

CTestApp::~CTestApp()
{
    // Whatever a test left open goes without questions.
    for (auto position = m_docManager.GetFirstDocumentPosition(); !position.IsEnd();)
        m_docManager.GetNextDocument(position)->SetModifiedFlag(FALSE);
    m_docManager.CloseAllDocuments(TRUE);
    if (m_mainFrame != nullptr)
        m_mainFrame->DestroyWindow();
    SetDocViewHost(nullptr);
}

CDocument* CTestApp::OpenDocumentFile(LPCTSTR path)
{
    ++m_opens;
    return m_docManager.OpenDocumentFile(path);
}

void CTestApp::OnAppCommand() { HandledBy().push_back("application"); }
void CTestApp::OnEveryoneCommand() { HandledBy().push_back("application"); }

CTestDoc* DocViewTest::NewDoc()
{
    int before = DocumentCount();
    Command(ID_FILE_NEW);
    EXPECT_EQ(DocumentCount(), before + 1);
    return static_cast<CTestDoc*>(Main().GetActiveDocument());
}

CTestView* DocViewTest::FirstView(CDocument* document)
{
    POSITION position = document->GetFirstViewPosition();
    return static_cast<CTestView*>(document->GetNextView(position));
}

CMDIChildWnd* DocViewTest::FrameOf(CDocument* document)
{
    return static_cast<CMDIChildWnd*>(FirstView(document)->GetParentFrame());
}
