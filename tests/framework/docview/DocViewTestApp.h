#pragma once
#include "framework/CmdTarget.h"
#include "framework/DocManager.h"
#include "framework/DocTemplate.h"
#include "framework/DocViewHost.h"
#include "framework/Document.h"
#include "framework/MdiFrameWnd.h"
#include "framework/View.h"

#include "DocViewTestResources.h"

#include <string>
#include <vector>

// Which objects handled the test commands, in order.
std::vector<std::string>& HandledBy();

// A document holding one line of text, stored as that line.
class CTestDoc : public CDocument {
    DECLARE_DYNCREATE(CTestDoc)

public:
    CString m_text;
    int m_deleteContentsCalls = 0;

    void Serialize(CArchive& archive) override;
    void DeleteContents() override;

protected:
    void OnDocCommand();
    void OnEveryoneCommand();
    DECLARE_MESSAGE_MAP()
};

class CTestView : public CView {
    DECLARE_DYNCREATE(CTestView)

public:
    CTestDoc* GetDocument() const { return static_cast<CTestDoc*>(m_pDocument); }
    int m_initialUpdates = 0;
    int m_draws = 0;
    std::vector<LPARAM> m_hints;

    void OnDraw(CDC* dc) override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, LPARAM hint, void* hintObject) override;

protected:
    void OnViewCommand();
    void OnEveryoneCommand();
    DECLARE_MESSAGE_MAP()
};

class CTestChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CTestChildFrame)

protected:
    void OnChildCommand();
    void OnEveryoneCommand();
    DECLARE_MESSAGE_MAP()
};

class CTestMainFrame : public CMDIFrameWnd {
protected:
    void OnMainCommand();
    void OnEveryoneCommand();
    DECLARE_MESSAGE_MAP()
};

// The document manager with the file dialog replaced by scripted names.
class CTestDocManager : public CDocManager {
public:
    std::vector<CString> m_promptAnswers;  // empty: the dialog is "cancelled"
    int m_prompts = 0;
    CString m_lastProposal;

    BOOL DoPromptFileName(CString& path, LPCTSTR title, DWORD flags, BOOL open, CDocTemplate* docTemplate) override;
};

// The application: one multi-document template, an MDI main frame, and the end of the route.
class CTestApp : public CCmdTarget, public DocViewHost {
public:
    CTestApp();
    ~CTestApp() override;

    CCmdTarget* GetCommandTarget() override { return this; }
    CWnd* GetMainWindow() override { return m_mainFrame; }
    CDocManager* GetDocManager() override { return &m_docManager; }
    CDocument* OpenDocumentFile(LPCTSTR path) override;

    CTestDocManager m_docManager;
    CMultiDocTemplate* m_template = nullptr;
    CTestMainFrame* m_mainFrame = nullptr;
    int m_opens = 0;

protected:
    void OnAppCommand();
    void OnEveryoneCommand();
    DECLARE_MESSAGE_MAP()
};

#include "temp_dir.h"

#include <gtest/gtest.h>
#include <memory>

// A running test application with a temporary folder for its files.
class DocViewTest : public ::testing::Test {
protected:
    void SetUp() override { m_app = std::make_unique<CTestApp>(); ASSERT_NE(m_app->m_mainFrame, nullptr); }
    void TearDown() override { m_app.reset(); }

    // A .tdoc file holding text; returns its full path.
    CString WriteDoc(const char* name, const char* text) { return CString(m_dir.WriteFile(name, text).c_str()); }
    CTestDoc* Open(const CString& path) { return static_cast<CTestDoc*>(m_app->OpenDocumentFile(path)); }
    CTestDoc* NewDoc();
    CTestMainFrame& Main() { return *m_app->m_mainFrame; }
    CDocManager& Manager() { return m_app->m_docManager; }
    // Sends a menu command to the main frame, as a menu click does.
    void Command(UINT id) { Main().SendMessage(WM_COMMAND, id, 0); }
    static CTestView* FirstView(CDocument* document);
    static CMDIChildWnd* FrameOf(CDocument* document);
    int DocumentCount() const { return m_app->m_docManager.GetOpenDocumentCount(); }

    TempDir m_dir;
    std::unique_ptr<CTestApp> m_app;
};
