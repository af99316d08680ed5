#include "DocViewTestApp.h"

#include "framework/CommandIds.h"
#include "framework/MessageBox.h"
#include "framework/RecentFileList.h"

namespace {

TEST_F(DocViewTest, OpenReadsTheFileAndTitlesTheDocumentWithItsName)
{
    CString path = WriteDoc("甲.tdoc", "第一行");
    CTestDoc* document = Open(path);
    ASSERT_NE(document, nullptr);
    EXPECT_STREQ(document->m_text, "第一行");
    EXPECT_STREQ(document->GetPathName(), path);
    EXPECT_STREQ(document->GetTitle(), "甲.tdoc");
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(document->GetViewCount(), 1);
    CTestView* view = FirstView(document);
    EXPECT_EQ(view->GetDocument(), document);
    EXPECT_EQ(view->m_initialUpdates, 1);
    EXPECT_EQ(view->GetParentFrame(), Main().MDIGetActive());
}

TEST_F(DocViewTest, SaveWritesTheFileAndClearsTheModifiedFlag)
{
    CString path = WriteDoc("a.tdoc", "old");
    CTestDoc* document = Open(path);
    ASSERT_NE(document, nullptr);
    document->m_text = "新内容";
    document->SetModifiedFlag();
    Command(ID_FILE_SAVE);
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(TempDir::ReadFile(std::string(path)), "新内容");
}

TEST_F(DocViewTest, CloseCommandClosesTheDocumentAndItsFrame)
{
    CTestDoc* document = Open(WriteDoc("a.tdoc", "x"));
    ASSERT_NE(document, nullptr);
    Command(ID_FILE_CLOSE);
    EXPECT_EQ(DocumentCount(), 0);
    EXPECT_EQ(Main().MDIGetActive(), nullptr);
}

TEST_F(DocViewTest, ModifiedDocumentAsksBeforeClosingAndCancelKeepsIt)
{
    CString path = WriteDoc("a.tdoc", "old");
    CTestDoc* document = Open(path);
    ASSERT_NE(document, nullptr);
    document->m_text = "changed";
    document->SetModifiedFlag();
    ScopedMessageBoxHook boxes{IDCANCEL};
    Command(ID_FILE_CLOSE);
    ASSERT_EQ(boxes.Count(), 1);
    EXPECT_STREQ(boxes.Last().text, CString("是否保存对 ") + path + " 的修改？");
    EXPECT_EQ(boxes.Last().type & MB_TYPEMASK, static_cast<UINT>(MB_YESNOCANCEL));
    EXPECT_EQ(DocumentCount(), 1);
    EXPECT_TRUE(document->IsModified());
}

TEST_F(DocViewTest, ModifiedDocumentClosedWithNoKeepsTheFile)
{
    CString path = WriteDoc("a.tdoc", "old");
    CTestDoc* document = Open(path);
    ASSERT_NE(document, nullptr);
    document->m_text = "changed";
    document->SetModifiedFlag();
    ScopedMessageBoxHook boxes{IDNO};
    Command(ID_FILE_CLOSE);
    EXPECT_EQ(boxes.Count(), 1);
    EXPECT_EQ(DocumentCount(), 0);
    EXPECT_EQ(TempDir::ReadFile(std::string(path)), "old");
}

TEST_F(DocViewTest, ModifiedDocumentClosedWithYesIsSavedFirst)
{
    CString path = WriteDoc("a.tdoc", "old");
    CTestDoc* document = Open(path);
    ASSERT_NE(document, nullptr);
    document->m_text = "changed";
    document->SetModifiedFlag();
    ScopedMessageBoxHook boxes{IDYES};
    Command(ID_FILE_CLOSE);
    EXPECT_EQ(DocumentCount(), 0);
    EXPECT_EQ(TempDir::ReadFile(std::string(path)), "changed");
}

TEST_F(DocViewTest, FailedOpenReportsAndLeavesNoDocumentOrFrame)
{
    ScopedMessageBoxHook boxes;
    CDocument* document = Open(CString(m_dir.Path().c_str()) + "\\missing.tdoc");
    EXPECT_EQ(document, nullptr);
    ASSERT_EQ(boxes.Count(), 1);
    EXPECT_STREQ(boxes.Last().text, "无法打开文档。");
    EXPECT_EQ(DocumentCount(), 0);
    EXPECT_EQ(Main().MDIGetActive(), nullptr);
}

TEST_F(DocViewTest, SavingAnUntitledDocumentAsksForANameProposedFromItsTitle)
{
    CTestDoc* document = NewDoc();
    ASSERT_NE(document, nullptr);
    document->m_text = "abc";
    document->SetModifiedFlag();
    CString target = CString(m_dir.Path().c_str()) + "\\saved.tdoc";
    m_app->m_docManager.m_promptAnswers.push_back(target);
    Command(ID_FILE_SAVE);
    EXPECT_EQ(m_app->m_docManager.m_prompts, 1);
    EXPECT_STREQ(m_app->m_docManager.m_lastProposal, "新文件1.tdoc");
    EXPECT_STREQ(document->GetPathName(), target);
    EXPECT_STREQ(document->GetTitle(), "saved.tdoc");
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(TempDir::ReadFile(std::string(target)), "abc");
    EXPECT_STREQ((*Manager().GetRecentFileList())[0], target);
}

TEST_F(DocViewTest, CancelledSaveAsLeavesTheDocumentModified)
{
    CTestDoc* document = NewDoc();
    ASSERT_NE(document, nullptr);
    document->SetModifiedFlag();
    Command(ID_FILE_SAVE_AS);
    EXPECT_EQ(m_app->m_docManager.m_prompts, 1);
    EXPECT_TRUE(document->IsModified());
    EXPECT_TRUE(document->GetPathName().IsEmpty());
}

TEST_F(DocViewTest, SaveOfAReadOnlyFileAsksForANewName)
{
    CString path = WriteDoc("locked.tdoc", "old");
    CTestDoc* document = Open(path);
    ASSERT_NE(document, nullptr);
    ::SetFileAttributesA(path, FILE_ATTRIBUTE_READONLY);
    document->m_text = "new";
    document->SetModifiedFlag();
    CString target = CString(m_dir.Path().c_str()) + "\\copy.tdoc";
    m_app->m_docManager.m_promptAnswers.push_back(target);
    Command(ID_FILE_SAVE);
    ::SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(m_app->m_docManager.m_prompts, 1);
    EXPECT_STREQ(m_app->m_docManager.m_lastProposal, path);
    EXPECT_STREQ(document->GetPathName(), target);
    EXPECT_EQ(TempDir::ReadFile(std::string(path)), "old");
    EXPECT_EQ(TempDir::ReadFile(std::string(target)), "new");
}

TEST_F(DocViewTest, SaveToAnUnwritableFolderReportsTheFailure)
{
    CTestDoc* document = NewDoc();
    ASSERT_NE(document, nullptr);
    document->SetModifiedFlag();
    m_app->m_docManager.m_promptAnswers.push_back(CString(m_dir.Path().c_str()) + "\\no such folder\\x.tdoc");
    ScopedMessageBoxHook boxes;
    Command(ID_FILE_SAVE);
    ASSERT_EQ(boxes.Count(), 1);
    EXPECT_STREQ(boxes.Last().text, "无法保存文档。");
    EXPECT_TRUE(document->IsModified());
    EXPECT_TRUE(document->GetPathName().IsEmpty());
}

TEST_F(DocViewTest, UpdateAllViewsTellsEveryViewButTheSender)
{
    CTestDoc* document = Open(WriteDoc("a.tdoc", "x"));
    ASSERT_NE(document, nullptr);
    CFrameWnd* second = m_app->m_template->CreateNewFrame(document, nullptr);
    ASSERT_NE(second, nullptr);
    m_app->m_template->InitialUpdateFrame(second, document);
    ASSERT_EQ(document->GetViewCount(), 2);
    POSITION position = document->GetFirstViewPosition();
    auto* first = static_cast<CTestView*>(document->GetNextView(position));
    auto* other = static_cast<CTestView*>(document->GetNextView(position));
    first->m_hints.clear();
    other->m_hints.clear();
    document->UpdateAllViews(first, 7);
    EXPECT_TRUE(first->m_hints.empty());
    ASSERT_EQ(other->m_hints.size(), 1u);
    EXPECT_EQ(other->m_hints[0], 7);
}

TEST_F(DocViewTest, DocumentInTwoFramesNumbersTheirTitlesAndClosesWithTheLast)
{
    CTestDoc* document = Open(WriteDoc("a.tdoc", "x"));
    ASSERT_NE(document, nullptr);
    CFrameWnd* first = FrameOf(document);
    CFrameWnd* second = m_app->m_template->CreateNewFrame(document, nullptr);
    ASSERT_NE(second, nullptr);
    m_app->m_template->InitialUpdateFrame(second, document);
    CString firstTitle;
    CString secondTitle;
    first->GetWindowText(firstTitle);
    second->GetWindowText(secondTitle);
    EXPECT_STREQ(firstTitle, "a.tdoc:1");
    EXPECT_STREQ(secondTitle, "a.tdoc:2");

    // A modified document keeps quiet while another frame still shows it.
    document->SetModifiedFlag();
    EXPECT_TRUE(document->CanCloseFrame(second));
    second->SendMessage(WM_CLOSE);
    EXPECT_EQ(document->GetViewCount(), 1);
    first->GetWindowText(firstTitle);
    EXPECT_STREQ(firstTitle, "a.tdoc");

    ScopedMessageBoxHook boxes{IDNO};
    first->SendMessage(WM_CLOSE);
    EXPECT_EQ(boxes.Count(), 1);
    EXPECT_EQ(DocumentCount(), 0);
}

TEST(DocTemplateTest, DocStringPartsAreSplitAtLineFeeds)
{
    CMultiDocTemplate docTemplate(IDR_TESTTYPE, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestChildFrame),
                                  RUNTIME_CLASS(CTestView));
    docTemplate.LoadTemplate();
    CString part;
    EXPECT_FALSE(docTemplate.GetDocString(part, CDocTemplate::windowTitle));
    EXPECT_TRUE(docTemplate.GetDocString(part, CDocTemplate::docName));
    EXPECT_STREQ(part, "测试文档");
    EXPECT_TRUE(docTemplate.GetDocString(part, CDocTemplate::fileNewName));
    EXPECT_STREQ(part, "新文件");
    EXPECT_TRUE(docTemplate.GetDocString(part, CDocTemplate::filterExt));
    EXPECT_STREQ(part, ".tdoc");
    EXPECT_TRUE(docTemplate.GetDocString(part, CDocTemplate::regFileTypeName));
    EXPECT_STREQ(part, "测试文档");
    EXPECT_NE(docTemplate.m_hMenuShared, nullptr);
    EXPECT_NE(docTemplate.m_hAccelTable, nullptr);
}

TEST(RuntimeClassTest, CreatesByClassAndKnowsItsBases)
{
    const CRuntimeClass* viewClass = RUNTIME_CLASS(CTestView);
    EXPECT_STREQ(viewClass->m_lpszClassName, "CTestView");
    EXPECT_TRUE(viewClass->IsDerivedFrom(RUNTIME_CLASS(CView)));
    EXPECT_FALSE(viewClass->IsDerivedFrom(RUNTIME_CLASS(CDocument)));
    EXPECT_TRUE(RUNTIME_CLASS(CTestChildFrame)->IsDerivedFrom(RUNTIME_CLASS(CFrameWnd)));
    std::unique_ptr<CCmdTarget> document(RUNTIME_CLASS(CTestDoc)->CreateObject());
    ASSERT_NE(dynamic_cast<CTestDoc*>(document.get()), nullptr);
    EXPECT_EQ(static_cast<CTestDoc*>(document.get())->GetRuntimeClass(), RUNTIME_CLASS(CTestDoc));
}

} // namespace
