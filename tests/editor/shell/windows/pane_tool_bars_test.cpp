#include "ShellWindowsTestFrame.h"

namespace {

int ImageCount(CToolBarCtrl& bar)
{
    return ImageList_GetImageCount(bar.GetImageList());
}

} // namespace

// Each page shows its own tool bar; 同步 works only on the directory page; the project
// buttons follow whether a project is open; the table shown disables its own button.
TEST_F(ShellWindowsTest, WorkspaceToolBarsFollowThePageAndTheProject)
{
    CWorkspaceBar& bar = m_frame->m_wndWorkspace;
    const UINT kBars[] = {CWorkspaceBar::kDirectoryBarId, CWorkspaceBar::kProjectBarId,
                          CWorkspaceBar::kVocabularyBarId};
    const int kImages[] = {4, 5, 4};
    for (int page = 0; page < 3; ++page) {
        bar.SelectPage(page);
        for (int other = 0; other < 3; ++other)
            EXPECT_EQ(bar.ToolBar(kBars[other]).IsWindowVisible() != FALSE, other == page) << page << other;
        EXPECT_EQ(ImageCount(bar.ToolBar(kBars[page])), kImages[page]) << page;
        EXPECT_EQ(bar.ToolBar(CWorkspaceBar::kPaneBarId).IsButtonEnabled(CWorkspaceBar::kSyncCommand) != FALSE,
                  page == CWorkspaceBar::kDirectoryPage);
    }
    CToolBarCtrl& project = bar.ToolBar(CWorkspaceBar::kProjectBarId);
    const UINT kProjectButtons[] = {43715, 43716, 43717, 43718, 43720};
    auto enabled = [&] {
        int count = 0;
        for (UINT command : kProjectButtons)
            count += project.IsButtonEnabled(command) ? 1 : 0;
        return count;
    };
    EXPECT_EQ(enabled(), 0);
    bar.CreateProject("C:\\演示.项目");
    EXPECT_EQ(enabled(), 5);
    bar.ResetProjectTree();
    EXPECT_EQ(enabled(), 0);

    CToolBarCtrl& tables = bar.ToolBar(CWorkspaceBar::kVocabularyBarId);
    bar.SetVocabularyTypeButtons(2);
    for (UINT command = 43723; command <= 43726; ++command)
        EXPECT_EQ(tables.IsButtonEnabled(command) != FALSE, command != 43724) << command;
}

// The output window's buttons stand in one column and step through its pages.
TEST_F(ShellWindowsTest, OutputToolBarStepsThroughPages)
{
    COutputBar& output = m_frame->m_wndOutput;
    CToolBarCtrl& buttons = output.ToolBar();
    ASSERT_EQ(buttons.GetButtonCount(), 3);
    EXPECT_EQ(ImageCount(buttons), 4);
    CRect first, second;
    buttons.GetItemRect(0, &first);
    buttons.GetItemRect(1, &second);
    EXPECT_EQ(first.left, second.left);
    EXPECT_GT(second.top, first.top);

    output.AppendMessage("第一次编译");
    output.ClearPage(TRUE);
    output.AppendMessage("第二次编译");
    auto click = [&](UINT command) {
        output.SendMessage(WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), reinterpret_cast<LPARAM>(buttons.m_hWnd));
    };
    CString line;
    click(50099);
    output.List().GetText(0, line);
    EXPECT_STREQ(line, "第一次编译");
    click(50100);
    output.List().GetText(0, line);
    EXPECT_STREQ(line, "第二次编译");
}
