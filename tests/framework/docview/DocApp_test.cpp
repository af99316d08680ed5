#include "DocViewTestApp.h"

#include "framework/AppState.h"
#include "framework/DocApp.h"
#include "framework/RecentFileList.h"

namespace {

constexpr char kRegistryKey[] = "MoyuDocViewTest";

class CTestDocApp : public CDocApp {
public:
    CTestDocApp() { SetRegistryKey(kRegistryKey); }

protected:
    void OnAppCommand() { HandledBy().push_back("application"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDocApp, CDocApp)
    ON_COMMAND(ID_TEST_APP_COMMAND, OnAppCommand)
END_MESSAGE_MAP()

class DocAppTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        // The profile's keys, deepest first.
        CString application = CString("Software\\") + kRegistryKey + "\\" + AfxGetAppName();
        ::RegDeleteKeyA(HKEY_CURRENT_USER, application + "\\Recent File List");
        ::RegDeleteKeyA(HKEY_CURRENT_USER, application);
        ::RegDeleteKeyA(HKEY_CURRENT_USER, CString("Software\\") + kRegistryKey);
    }
};

TEST_F(DocAppTest, RecentFileListIsKeptInTheProfile)
{
    {
        CTestDocApp app;
        app.LoadStdProfileSettings(10);
        app.AddToRecentFileList("C:\\甲.tdoc");
        app.AddToRecentFileList("C:\\b.tdoc");
        app.ExitInstance();
    }
    CTestDocApp app;
    app.LoadStdProfileSettings(10);
    CRecentFileList* list = app.GetDocManager()->GetRecentFileList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetSize(), 10);
    ASSERT_EQ(list->GetCount(), 2);
    EXPECT_STREQ((*list)[0], "C:\\b.tdoc");
    EXPECT_STREQ((*list)[1], "C:\\甲.tdoc");
}

TEST_F(DocAppTest, CommandsEndAtTheApplicationThenItsDocumentManagerAndTheMainWindowEndsTheLoop)
{
    CTestDocApp app;
    EXPECT_EQ(GetDocViewHost(), static_cast<DocViewHost*>(&app));
    app.AddDocTemplate(new CMultiDocTemplate(IDR_TESTTYPE, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestChildFrame),
                                             RUNTIME_CLASS(CTestView)));
    auto* frame = new CTestMainFrame;
    ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME));
    app.m_pMainWnd = frame;
    HandledBy().clear();
    frame->SendMessage(WM_COMMAND, ID_TEST_APP_COMMAND);
    frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    EXPECT_EQ(HandledBy(), std::vector<std::string>{"application"});
    EXPECT_EQ(app.GetDocManager()->GetOpenDocumentCount(), 1);
    EXPECT_STREQ(frame->GetActiveDocument()->GetTitle(), "新文件1");

    app.CloseAllDocuments(FALSE);
    frame->DestroyWindow();
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    MSG quit;
    EXPECT_TRUE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

} // namespace
