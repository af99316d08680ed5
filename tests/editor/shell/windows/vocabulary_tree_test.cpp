#include "ShellWindowsTestFrame.h"

#include "framework/MessageBox.h"
#include "temp_dir.h"

namespace {

// Records what the workspace bar asks of the application; a document is open when
// hasView is set.
class RecordingWorkspaceHost : public WorkspaceBarHost {
public:
    bool hasView = false;
    CString installFolder;
    std::vector<CString> shown;
    std::vector<CString> inserted;
    std::vector<CString> opened;
    CString status;

    void ShowVocabularyLines(const CStringArray& lines) override
    {
        shown.clear();
        for (int i = 0; i < lines.GetSize(); ++i)
            shown.push_back(lines[i]);
    }
    void SetStatusText(const CString& text) override { status = text; }
    void PostOpenFile(const CString& file, int) override { opened.push_back(file); }
    bool InsertIntoActiveView(const CString& text) override
    {
        if (!hasView)
            return false;
        inserted.push_back(text);
        return true;
    }
    CString InstallFolder() override { return installFolder; }
};

int CountEntries(CTreeCtrl& tree, HTREEITEM item)
{
    int count = 0;
    for (; item != nullptr; item = tree.GetNextSiblingItem(item)) {
        int image = 0;
        int selected = 0;
        tree.GetItemImage(item, image, selected);
        count += image == 3 ? 1 : 0;
        count += CountEntries(tree, tree.GetChildItem(item));
    }
    return count;
}

HTREEITEM FindItem(CTreeCtrl& tree, HTREEITEM item, const char* text)
{
    for (; item != nullptr; item = tree.GetNextSiblingItem(item)) {
        if (tree.GetItemText(item) == text)
            return item;
        if (HTREEITEM found = FindItem(tree, tree.GetChildItem(item), text))
            return found;
    }
    return nullptr;
}

} // namespace

TEST_F(ShellWindowsTest, VocabularyTreeShowsEveryShippedTable)
{
    const char* const tables[] = {"墨语言词汇函数", "墨语言图形函数", "墨语言视窗函数", "墨语言扩展函数"};
    CWorkspaceBar& bar = m_frame->m_wndWorkspace;
    CTreeCtrl& tree = bar.VocabularyTreeCtrl();
    for (const char* table : tables) {
        SCOPED_TRACE(table);
        std::string base = std::string(MOYU_STAGED_INSTALL_DIR) + "\\bin\\配置\\" + table;
        int fed = 0;
        ASSERT_TRUE(bar.OpenVocabularyTable(base.c_str(), [&](const CString&) { ++fed; }));
        HTREEITEM root = tree.GetRootItem();
        ASSERT_NE(root, nullptr);
        EXPECT_EQ(tree.GetSelectedItem(), root);
        EXPECT_TRUE(tree.GetItemState(root, TVIS_EXPANDED) & TVIS_EXPANDED);
        EXPECT_GE(fed, 100);
        EXPECT_EQ(CountEntries(tree, root), fed);
    }
}

TEST_F(ShellWindowsTest, VocabularyEntriesAreShownAndUsed)
{
    TempDir dir;
    dir.WriteFile("帮助.txt", "");
    dir.WriteFile("表.表",
                  "<词汇函数表 版本=\"1\">\r\n"
                  "<类目 名字=\"输出\">\r\n"
                  "\t<项 名称=\"显示\" 全称=\"显示(文字)\\n\\b换行\" 注释=\"在屏幕上显示\" />\r\n"
                  "\t<项 名称=\"帮助\" 全称=\"!!!帮助.txt\" />\r\n"
                  "\t<项 名称=\"缺失\" 全称=\"!!!没有.txt\" />\r\n"
                  "</类目>\r\n"
                  "</词汇函数表>\r\n");
    RecordingWorkspaceHost host;
    host.installFolder = dir.Path().c_str();
    CWorkspaceBar& bar = m_frame->m_wndWorkspace;
    bar.SetHost(&host);
    ASSERT_TRUE(bar.OpenVocabularyTable((dir / "表").c_str()));
    CTreeCtrl& tree = bar.VocabularyTreeCtrl();
    HTREEITEM category = FindItem(tree, tree.GetRootItem(), "输出");
    EXPECT_FALSE(tree.GetItemState(category, TVIS_EXPANDED) & TVIS_EXPANDED);
    HTREEITEM show = FindItem(tree, tree.GetRootItem(), "显示");
    ASSERT_NE(show, nullptr);

    bar.ShowVocabularyEntry(show);
    std::vector<CString> expected = {"显示(文字)", "换行", "", "说明：", "在屏幕上显示"};
    EXPECT_EQ(host.shown, expected);
    tree.SelectItem(show);
    EXPECT_EQ(host.status, CString("显示(文字)\\n\\b换行"));

    // No document open: the double click does nothing; with one the text goes in.
    bar.UseVocabularyEntry(show);
    EXPECT_TRUE(host.inserted.empty());
    host.hasView = true;
    bar.UseVocabularyEntry(show);
    ASSERT_EQ(host.inserted.size(), 1u);
    bar.UseVocabularyEntry(category);
    bar.UseVocabularyEntry(tree.GetRootItem());
    EXPECT_EQ(host.inserted.size(), 1u);

    bar.UseVocabularyEntry(FindItem(tree, tree.GetRootItem(), "帮助"));
    ASSERT_EQ(host.opened.size(), 1u);
    EXPECT_EQ(host.opened[0], CString((dir / "帮助.txt").c_str()));
    ScopedMessageBoxHook boxes;
    bar.UseVocabularyEntry(FindItem(tree, tree.GetRootItem(), "缺失"));
    EXPECT_EQ(boxes.Count(), 1);
    EXPECT_EQ(host.opened.size(), 1u);
    bar.SetHost(nullptr);
}
