#include "DocViewTestApp.h"

#include "framework/CmdUI.h"
#include "framework/CommandIds.h"

namespace {

using Log = std::vector<std::string>;

TEST_F(DocViewTest, CommandsRouteViewDocumentChildFrameMainFrameApplication)
{
    ASSERT_NE(Open(WriteDoc("a.tdoc", "a")), nullptr);
    HandledBy().clear();
    Command(ID_TEST_EVERYONE_COMMAND);
    EXPECT_EQ(HandledBy(), Log{"view"});

    HandledBy().clear();
    for (UINT id : {ID_TEST_VIEW_COMMAND, ID_TEST_DOC_COMMAND, ID_TEST_CHILD_COMMAND, ID_TEST_MAIN_COMMAND,
                    ID_TEST_APP_COMMAND})
        Command(id);
    EXPECT_EQ(HandledBy(), (Log{"view", "document", "child frame", "main frame", "application"}));
}

// A hot key the view posts to itself: what the view and its document do not handle goes on
// to the frames and the application, as the same command from the menu does.
TEST_F(DocViewTest, CommandsSentToTheViewItselfGoOnToTheFramesAndTheApplication)
{
    CTestDoc* document = Open(WriteDoc("a.tdoc", "a"));
    ASSERT_NE(document, nullptr);
    HandledBy().clear();
    for (UINT id : {ID_TEST_EVERYONE_COMMAND, ID_TEST_DOC_COMMAND, ID_TEST_CHILD_COMMAND, ID_TEST_MAIN_COMMAND,
                    ID_TEST_APP_COMMAND, ID_TEST_NOBODY_COMMAND})
        FirstView(document)->SendMessage(WM_COMMAND, id, 0);
    EXPECT_EQ(HandledBy(), (Log{"view", "document", "child frame", "main frame", "application"}));
}

TEST_F(DocViewTest, WithoutADocumentCommandsGoToTheMainFrameThenTheApplication)
{
    Command(ID_TEST_EVERYONE_COMMAND);
    Command(ID_TEST_VIEW_COMMAND);
    Command(ID_TEST_APP_COMMAND);
    EXPECT_EQ(HandledBy(), (Log{"main frame", "application"}));
}

TEST_F(DocViewTest, CommandsGoToTheActiveChildOnly)
{
    CTestDoc* a = Open(WriteDoc("a.tdoc", "a"));
    CTestDoc* b = Open(WriteDoc("b.tdoc", "b"));
    FirstView(a)->m_hints.clear();
    FirstView(b)->m_hints.clear();
    Main().MDIActivate(FrameOf(a));
    // The active view's document handles Close: a goes, b stays.
    Command(ID_FILE_CLOSE);
    EXPECT_EQ(DocumentCount(), 1);
    EXPECT_EQ(Manager().FindOpenDocument(b->GetPathName()), b);
}

TEST_F(DocViewTest, MenuUpdateDisablesCommandsNobodyOnTheRouteHandles)
{
    ASSERT_NE(Open(WriteDoc("a.tdoc", "a")), nullptr);
    HMENU test = ::GetSubMenu(::GetMenu(Main().m_hWnd), 1);
    ASSERT_NE(test, nullptr);
    UpdateMenuCommandUI(test, &Main(), TRUE);
    EXPECT_EQ(::GetMenuState(test, ID_TEST_VIEW_COMMAND, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_EQ(::GetMenuState(test, ID_TEST_DOC_COMMAND, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_NE(::GetMenuState(test, ID_TEST_NOBODY_COMMAND, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

TEST_F(DocViewTest, WindowCommandsNeedAChild)
{
    HMENU window = ::GetSubMenu(Main().GetDefaultMenu(), 1);
    UpdateMenuCommandUI(window, &Main(), TRUE);
    EXPECT_NE(::GetMenuState(window, ID_WINDOW_CASCADE, MF_BYCOMMAND) & MF_GRAYED, 0u);
    ASSERT_NE(Open(WriteDoc("a.tdoc", "a")), nullptr);
    HMENU shownWindow = ::GetSubMenu(::GetMenu(Main().m_hWnd), 2);
    UpdateMenuCommandUI(shownWindow, &Main(), TRUE);
    EXPECT_EQ(::GetMenuState(shownWindow, ID_WINDOW_CASCADE, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

} // namespace
