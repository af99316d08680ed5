#include "ShellWindowsTestFrame.h"
#include "editor/res/resource.h"

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
    const UINT kProjectButtons[] = {ID_PROJECT_NEW_CATEGORY, ID_PROJECT_ADD_FILES, ID_PROJECT_ADD_CURRENT,
        ID_PROJECT_ADD_ALL_OPEN, ID_PROJECT_REMOVE_ITEM};
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
    for (UINT command = ID_VOCABULARY_TABLE_FIRST; command <= ID_VOCABULARY_TABLE_LAST; ++command)
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

namespace {

// The tip a tool bar's tool-tip control would be given for a button: asked of the bar the
// tool bar sits in, as the control asks.
std::string ToolTipOf(CToolBarCtrl& bar, UINT command)
{
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = reinterpret_cast<HWND>(bar.SendMessage(TB_GETTOOLTIPS));
    info.hdr.idFrom = command;
    info.hdr.code = TTN_NEEDTEXTA;
    ::SendMessageA(::GetParent(bar.m_hWnd), WM_NOTIFY, command, reinterpret_cast<LPARAM>(&info));
    return info.lpszText != nullptr ? info.lpszText : info.szText;
}

} // namespace

// The pane tool bars' buttons show the short name from their string; the vocabulary table
// buttons have none.
TEST_F(ShellWindowsTest, PaneToolBarButtonsShowTheirToolTips)
{
    CWorkspaceBar& workspace = m_frame->m_wndWorkspace;
    CToolBarCtrl& directory = workspace.ToolBar(CWorkspaceBar::kDirectoryBarId);
    CToolBarCtrl& project = workspace.ToolBar(CWorkspaceBar::kProjectBarId);
    CToolBarCtrl& tables = workspace.ToolBar(CWorkspaceBar::kVocabularyBarId);
    CToolBarCtrl& pane = workspace.ToolBar(CWorkspaceBar::kPaneBarId);
    CToolBarCtrl& output = m_frame->m_wndOutput.ToolBar();
    struct Case {
        CToolBarCtrl& bar;
        UINT command;
        const char* tip;
    };
    const Case cases[] = {
        {directory, ID_DIR_REFRESH, "刷新"},       {directory, ID_DIR_COPY, "复制"},         {directory, ID_DIR_MOVE, "移动"},
        {directory, ID_DIR_DELETE, "删除"},       {project, ID_PROJECT_NEW_CATEGORY, "新类别"},         {project, ID_PROJECT_ADD_FILES, "添加到项目"},
        {project, ID_PROJECT_ADD_CURRENT, "添加当前文件"}, {project, ID_PROJECT_ADD_ALL_OPEN, "添加所有打开的文件"}, {project, ID_PROJECT_REMOVE_ITEM, "从项目移除"},
        {pane, ID_WORKSPACE_SYNC, "同步"},            {pane, ID_WORKSPACE_HIDE, "隐藏"},              {output, ID_OUTPUT_HIDE, "隐藏"},
        {output, ID_OUTPUT_PREVIOUS, "前"},            {output, ID_OUTPUT_NEXT, "后"},              {tables, ID_VOCABULARY_TABLE_FIRST, ""},
        {tables, 43724, ""},              {tables, 43725, ""},                {tables, ID_VOCABULARY_TABLE_LAST, ""},
    };
    for (const Case& c : cases) {
        ASSERT_GE(c.bar.CommandToIndex(c.command), 0) << c.command;
        EXPECT_EQ(ToolTipOf(c.bar, c.command), c.tip) << c.command;
    }
}
