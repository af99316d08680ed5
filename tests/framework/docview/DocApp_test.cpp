#include "DocViewTestApp.h"

#include "framework/AppState.h"
#include "framework/CmdUI.h"
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

// An application that runs the framework's recent-file update itself, but not for a
// submenu that merely starts with the recent-file command.
class CRecentUpdatingApp : public CTestDocApp {
public:
    int m_updates = 0;

protected:
    void OnUpdateRecentFiles(CCmdUI* cmdUI)
    {
        ++m_updates;
        if (cmdUI->m_subMenu == nullptr)
            OnUpdateRecentFileMenu(cmdUI);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecentUpdatingApp, CTestDocApp)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFiles)
END_MESSAGE_MAP()

CString MenuText(HMENU menu, int position)
{
    char text[512] = {};
    ::GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

TEST_F(DocAppTest, ApplicationsOwnRecentFileUpdateCanRunTheFrameworks)
{
    CRecentUpdatingApp app;
    app.LoadStdProfileSettings(10);
    app.AddToRecentFileList("C:\\a.tdoc");
    auto* frame = new CTestMainFrame;
    ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME));
    app.m_pMainWnd = frame;

    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    HMENU file = ::GetSubMenu(menu, 0);
    UpdateMenuCommandUI(file, frame, TRUE);
    EXPECT_EQ(app.m_updates, 1);
    EXPECT_STREQ(MenuText(file, 3), "&1 C:\\a.tdoc");
    EXPECT_EQ(::GetMenuItemID(file, 3), ID_FILE_MRU_FILE1);

    HMENU outer = ::CreatePopupMenu();
    HMENU recent = ::CreatePopupMenu();
    ::AppendMenuA(recent, MF_STRING, ID_FILE_MRU_FILE1, "最近文件");
    ::AppendMenuA(outer, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), "最近");
    UpdateMenuCommandUI(outer, frame, TRUE);
    EXPECT_EQ(app.m_updates, 2);
    EXPECT_EQ(::GetMenuItemCount(outer), 1);
    EXPECT_EQ(::GetMenuItemCount(recent), 1);
    EXPECT_STREQ(MenuText(recent, 0), "最近文件");

    ::DestroyMenu(outer);
    ::DestroyMenu(menu);
    frame->DestroyWindow();
    MSG quit;
    ::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

} // namespace
