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

// The output window's buttons stand in one column and send their commands to the frame.
TEST_F(ShellWindowsTest, OutputToolBarButtonsStandInAColumn)
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

    // The buttons' commands are the frame's.
    for (UINT command : {50098u, 50099u, 50100u}) {
        m_frame->m_commands.clear();
        CRect rect;
        buttons.GetItemRect(buttons.CommandToIndex(command), &rect);
        buttons.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
        buttons.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
        PumpPending();
        EXPECT_EQ(m_frame->m_commands, std::vector<UINT>{command});
    }
}
