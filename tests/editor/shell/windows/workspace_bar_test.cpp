#include "ShellWindowsTestFrame.h"

#include "framework/MessageBox.h"
#include "temp_dir.h"

namespace {

// A project file as the IDE writes it: 源码 (expanded) holding 界面 (collapsed, with 窗口.墨)
// and 主程序.墨, then a remote file.
std::string WriteProject(const TempDir& dir)
{
    std::string path = dir / "演示.项目";
    ProjectTree tree;
    tree.Create(path.c_str());
    ProjectItem* sources = nullptr;
    ProjectItem* view = nullptr;
    EXPECT_EQ(tree.AddCategory(&tree.Root(), "源码", &sources), ProjectEdit::done);
    EXPECT_EQ(tree.AddCategory(sources, "界面", &view), ProjectEdit::done);
    EXPECT_EQ(tree.AddLocalFile(view, (dir / "窗口.墨").c_str()), ProjectEdit::done);
    EXPECT_EQ(tree.AddLocalFile(sources, (dir / "主程序.墨").c_str()), ProjectEdit::done);
    EXPECT_EQ(tree.AddRemoteFile(&tree.Root(), 2, "/srv/乙.c", 99), ProjectEdit::done);
    sources->expanded = true;
    view->expanded = false;
    EXPECT_EQ(WriteProjectFile(path.c_str(), tree, {}, "3.0"), ProjectFileStatus::ok);
    return path;
}

} // namespace

TEST_F(ShellWindowsTest, WorkspaceTabsShowOnePageEach)
{
    CWorkspaceBar& bar = m_frame->m_wndWorkspace;
    const UINT trees[] = {CWorkspaceBar::kDirectoryTreeId, CWorkspaceBar::kProjectTreeId,
                          CWorkspaceBar::kVocabularyTreeId};
    for (int page = 2; page >= 0; --page) {
        auto* tabs = static_cast<CTabCtrl*>(bar.GetDlgItem(CWorkspaceBar::kTabId));
        tabs->SetCurSel(page);
        NMHDR header = {tabs->m_hWnd, CWorkspaceBar::kTabId, static_cast<UINT>(TCN_SELCHANGE)};
        bar.SendMessage(WM_NOTIFY, CWorkspaceBar::kTabId, reinterpret_cast<LPARAM>(&header));
        EXPECT_EQ(bar.GetPage(), page);
        for (int other = 0; other < 3; ++other)
            EXPECT_EQ((bar.GetDlgItem(trees[other])->GetStyle() & WS_VISIBLE) != 0, other == page) << page;
    }
}

TEST_F(ShellWindowsTest, ProjectTreeIsLoadedFromItsFileAndSavedBack)
{
    TempDir dir;
    std::string path = WriteProject(dir);
    CWorkspaceBar& bar = m_frame->m_wndWorkspace;
    CTreeCtrl& tree = bar.ProjectTreeCtrl();
    ASSERT_TRUE(bar.OpenProject(path.c_str()));
    EXPECT_EQ(bar.GetPage(), CWorkspaceBar::kProjectPage);
    EXPECT_EQ(Outline(tree, tree.GetRootItem()), "演示.项目+(源码+(界面(窗口.墨) 主程序.墨) 乙.c)");

    // What the user expands and collapses is what the file keeps.
    HTREEITEM view = tree.GetChildItem(tree.GetChildItem(tree.GetRootItem()));
    tree.SelectItem(view);
    ASSERT_TRUE(bar.AddLocalFile((dir / "按钮.墨").c_str()));
    EXPECT_EQ(tree.GetItemText(tree.GetSelectedItem()), CString("按钮.墨"));
    tree.Expand(tree.GetChildItem(tree.GetRootItem()), TVE_COLLAPSE);
    ASSERT_TRUE(bar.SaveProject(path.c_str(), {}, "3.0"));

    ASSERT_TRUE(bar.OpenProject(path.c_str()));
    EXPECT_EQ(Outline(tree, tree.GetRootItem()), "演示.项目+(源码(界面+(按钮.墨 窗口.墨) 主程序.墨) 乙.c)");
    CStringArray files;
    bar.CollectProjectFiles(files);
    ASSERT_EQ(files.GetSize(), 3);
    EXPECT_EQ(files[0].CompareNoCase((dir / "按钮.墨").c_str()), 0);

    tree.SelectItem(tree.GetChildItem(tree.GetRootItem()));
    ASSERT_TRUE(bar.RemoveSelectedProjectItem());
    EXPECT_EQ(Outline(tree, tree.GetRootItem()), "演示.项目+(乙.c)");
}

TEST_F(ShellWindowsTest, MalformedProjectFilesAreRefusedWithAMessage)
{
    TempDir dir;
    const std::string files[] = {
        "<项目 版本=\"3.0\">\n\t<远程文件 账号=\"16\" 文件名=\"/a.c\" 文件长度=\"1\" />\n</项目>\n",
        "<项目 版本=\"3.0\">\n\t<类目 名字 展开=\"是\">\n\t</类目>\n</项目>\n",
    };
    CWorkspaceBar& bar = m_frame->m_wndWorkspace;
    for (const std::string& bytes : files) {
        SCOPED_TRACE(bytes);
        std::string path = dir.WriteFile("坏.项目", bytes);
        ScopedMessageBoxHook boxes;
        EXPECT_FALSE(bar.OpenProject(path.c_str()));
        EXPECT_EQ(boxes.Count(), 1);
        EXPECT_FALSE(bar.Project().HasProject());
        CTreeCtrl& tree = bar.ProjectTreeCtrl();
        EXPECT_EQ(Outline(tree, tree.GetRootItem()), kNoProjectText);
    }
}
