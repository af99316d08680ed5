#include "ShellWindowsTestFrame.h"

#include "editor/res/resource.h"
#include "editor/shell/DirectoryBrowser.h"
#include "editor/shell/FolderChooser.h"
#include "framework/DialogDriver.h"
#include "temp_dir.h"

#include <string>

namespace {

class OpenRecordingHost : public WorkspaceBarHost {
public:
    std::vector<CString> opened;
    void ShowVocabularyLines(const CStringArray&) override {}
    void SetStatusText(const CString&) override {}
    void PostOpenFile(const CString& file, int) override { opened.push_back(file); }
    bool InsertIntoActiveView(const CString&) override { return false; }
    CString InstallFolder() override { return ""; }
};

// A direct child of the dialog whose text is exactly `text`.
HWND FindChildWithText(HWND dialog, const char* text)
{
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char shown[128] = {};
        ::GetWindowTextA(child, shown, sizeof shown);
        if (std::string(shown) == text)
            return child;
    }
    return nullptr;
}

// The labels of an item's children, each followed by "*" when it holds only the
// placeholder that gives it an expand button.
std::string Children(CTreeCtrl& tree, HTREEITEM item)
{
    std::string text;
    for (HTREEITEM child = tree.GetChildItem(item); child != nullptr; child = tree.GetNextSiblingItem(child)) {
        if (!text.empty())
            text += " ";
        text += static_cast<LPCTSTR>(tree.GetItemText(child));
        HTREEITEM grandchild = tree.GetChildItem(child);
        if (grandchild != nullptr && tree.GetItemText(grandchild) == "NULL")
            text += "*";
    }
    return text;
}

bool Exists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

BOOL CALLBACK AnswerIfDialog(HWND window, LPARAM)
{
    char name[16] = {};
    ::GetClassNameA(window, name, sizeof name);
    if (std::string(name) != "#32770" || !::IsWindowVisible(window))
        return TRUE;
    ::PostMessageA(window, WM_COMMAND, ::GetDlgItem(window, IDYES) != nullptr ? IDYES : IDOK, 0);
    return FALSE;
}

// Answers the shell's confirmation (a dialog of this thread) with Yes, from a timer that
// runs inside the shell's modal loop.
void CALLBACK AnswerConfirmation(HWND, UINT, UINT_PTR, DWORD)
{
    ::EnumThreadWindows(::GetCurrentThreadId(), AnswerIfDialog, 0);
}

// A folder of the shapes the tree tells apart: a folder with a visible file, an empty one,
// one with only a hidden file, one with only a file the source filter rejects, and files.
class DirectoryPageTest : public ShellWindowsTest {
protected:
    void SetUp() override
    {
        ShellWindowsTest::SetUp();
        for (const char* folder : {"A空", "b目录", "C隐藏", "D文本"})
            ::CreateDirectoryA((m_dir / folder).c_str(), nullptr);
        m_dir.WriteFile("b目录\\内.墨", "x");
        std::string hidden = m_dir.WriteFile("C隐藏\\h.墨", "x");
        ::SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
        m_dir.WriteFile("D文本\\说明.txt", "x");
        m_dir.WriteFile("z.墨", "zz");
        m_dir.WriteFile("Y.墨", "y");
        m_dir.WriteFile("x.txt", "x");
        std::string hiddenFile = m_dir.WriteFile("h.墨", "x");
        ::SetFileAttributesA(hiddenFile.c_str(), FILE_ATTRIBUTE_HIDDEN);
        Bar().SetHost(&m_host);
        Bar().SetFileFilters("墨语言源文件 (*.墨)|*.墨|所有文件 (*.*)|*.*|", 0,
                             [this](int index) { m_filterChanges.push_back(index); });
        Bar().FillDriveList();
        Bar().SyncToPath(m_dir.Path().c_str());
    }
    void TearDown() override
    {
        ::SetCurrentDirectoryA("C:\\");
        ShellWindowsTest::TearDown();
    }
    CWorkspaceBar& Bar() { return m_frame->m_wndWorkspace; }
    CTreeCtrl& Tree() { return Bar().DirectoryTreeCtrl(); }
    HTREEITEM Child(HTREEITEM parent, const char* text)
    {
        for (HTREEITEM child = Tree().GetChildItem(parent); child != nullptr; child = Tree().GetNextSiblingItem(child))
            if (Tree().GetItemText(child) == text)
                return child;
        return nullptr;
    }
    void Notify(UINT code, HTREEITEM item, UINT action = 0)
    {
        NMTREEVIEWA notice = {};
        notice.hdr = {Tree().m_hWnd, CWorkspaceBar::kDirectoryTreeId, code};
        notice.action = action;
        notice.itemNew.hItem = item;
        Bar().SendMessage(WM_NOTIFY, CWorkspaceBar::kDirectoryTreeId, reinterpret_cast<LPARAM>(&notice));
    }

    TempDir m_dir;
    OpenRecordingHost m_host;
    std::vector<int> m_filterChanges;
};

TEST_F(DirectoryPageTest, SyncFillsFoldersFirstAndFilters)
{
    HTREEITEM folder = Tree().GetSelectedItem();
    ASSERT_NE(folder, nullptr);
    EXPECT_STREQ(Bar().GetItemPath(folder), m_dir.Path().c_str());
    EXPECT_STREQ(Bar().GetSelectedDrive(), CString(m_dir.Path().c_str()).Left(2));
    // Folders before files, each sorted ignoring case; only b目录 holds a matching
    // visible entry; hidden files and rejected ones are not listed.
    EXPECT_EQ(Children(Tree(), folder), "A空 b目录* C隐藏 D文本 Y.墨 z.墨");
    EXPECT_STREQ(Tree().GetItemText(Tree().GetRootItem()), CString(m_dir.Path().c_str()).Left(2));

    // Choosing all files keeps the selection and refills its path with the new filter.
    auto* filters = static_cast<CComboBox*>(Bar().GetDlgItem(CWorkspaceBar::kFilterListId));
    filters->SetCurSel(1);
    Bar().SendMessage(WM_COMMAND, MAKEWPARAM(CWorkspaceBar::kFilterListId, CBN_SELCHANGE),
                      reinterpret_cast<LPARAM>(filters->m_hWnd));
    EXPECT_EQ(m_filterChanges, std::vector<int>{1});
    EXPECT_STREQ(Bar().GetFilterPattern(), "*.*");
    folder = Tree().GetSelectedItem();
    EXPECT_STREQ(Bar().GetItemPath(folder), m_dir.Path().c_str());
    EXPECT_EQ(Children(Tree(), folder), "A空 b目录* C隐藏 D文本* x.txt Y.墨 z.墨");
}

TEST_F(DirectoryPageTest, ExpandingFillsAndCollapsingLeavesThePlaceholder)
{
    HTREEITEM folder = Child(Tree().GetSelectedItem(), "b目录");
    ASSERT_NE(folder, nullptr);
    Tree().Expand(folder, TVE_EXPAND);
    Notify(TVN_ITEMEXPANDEDA, folder, TVE_EXPAND);
    EXPECT_EQ(Children(Tree(), folder), "内.墨");
    Tree().Expand(folder, TVE_COLLAPSE);
    Notify(TVN_ITEMEXPANDEDA, folder, TVE_COLLAPSE);
    EXPECT_EQ(Children(Tree(), folder), "NULL");

    // Selecting an item makes its folder the working folder; opening a file posts it.
    HTREEITEM file = Child(Tree().GetSelectedItem(), "z.墨");
    Tree().SelectItem(file);
    char current[MAX_PATH] = {};
    ::GetCurrentDirectoryA(sizeof current, current);
    EXPECT_STREQ(current, m_dir.Path().c_str());
    EXPECT_STREQ(Bar().GetSelectedFolder(), m_dir.Path().c_str());
    EXPECT_TRUE(Bar().OpenSelected());
    ASSERT_EQ(m_host.opened.size(), 1u);
    EXPECT_STREQ(m_host.opened[0], (m_dir / "z.墨").c_str());
    Tree().SelectItem(folder);
    EXPECT_FALSE(Bar().OpenSelected());
    CString workFolder;
    EXPECT_TRUE(Bar().SetSelectedAsWorkDir(workFolder));
    EXPECT_STREQ(workFolder, (m_dir / "b目录").c_str());
}

TEST_F(DirectoryPageTest, FileOperationsFollowTheShell)
{
    HTREEITEM folder = Tree().GetSelectedItem();
    // Rename: the item takes the new name; the root cannot be renamed.
    HTREEITEM file = Child(folder, "z.墨");
    EXPECT_TRUE(Bar().RenameItem(file, "新名.墨"));
    EXPECT_STREQ(Tree().GetItemText(file), "新名.墨");
    EXPECT_TRUE(Exists(m_dir / "新名.墨"));
    EXPECT_FALSE(Exists(m_dir / "z.墨"));
    Tree().SelectItem(Tree().GetRootItem());
    EXPECT_FALSE(Bar().RenameSelected());
    EXPECT_TRUE(Bar().IsRootSelected());

    // Copy leaves the tree alone; move removes the item and selects its parent.
    EXPECT_TRUE(Bar().CopyItem(file, (m_dir / "A空").c_str()));
    EXPECT_TRUE(Exists(m_dir / "A空\\新名.墨"));
    EXPECT_EQ(Child(folder, "新名.墨"), file);
    HTREEITEM moved = Child(folder, "Y.墨");
    EXPECT_TRUE(Bar().MoveItem(moved, (m_dir / "A空").c_str()));
    EXPECT_EQ(Child(folder, "Y.墨"), nullptr);
    EXPECT_EQ(Tree().GetSelectedItem(), folder);
    EXPECT_TRUE(Exists(m_dir / "A空\\Y.墨"));

    // A move that leaves the source in place (into its own folder): false, the item stays.
    EXPECT_FALSE(Bar().MoveItem(file, m_dir.Path().c_str()));
    EXPECT_EQ(Child(folder, "新名.墨"), file);

    // Refreshing a file, even one gone behind the tree's back, refills its folder.
    ::DeleteFileA((m_dir / "新名.墨").c_str());
    Bar().RefreshItem(file);
    EXPECT_EQ(Children(Tree(), folder), "A空* b目录* C隐藏 D文本");
    EXPECT_EQ(Tree().GetSelectedItem(), folder);

    // Delete goes through the shell's confirmations. Selecting the folder made it the
    // working folder, which the system would not delete.
    HTREEITEM doomed = Child(folder, "b目录");
    Tree().SelectItem(doomed);
    UINT_PTR timer = ::SetTimer(nullptr, 0, 100, AnswerConfirmation);
    EXPECT_TRUE(Bar().DeleteSelected());
    ::KillTimer(nullptr, timer);
    EXPECT_FALSE(Exists(m_dir / "b目录"));
    EXPECT_EQ(Child(folder, "b目录"), nullptr);
}

TEST_F(DirectoryPageTest, ContextMenusFollowTheItem)
{
    HTREEITEM folder = Tree().GetSelectedItem();
    EXPECT_STREQ(Bar().DirMenuName(nullptr), "DIR_NULL");
    EXPECT_STREQ(Bar().DirMenuName(Tree().GetRootItem()), "DIR_ROOT");
    EXPECT_STREQ(Bar().DirMenuName(folder), "DIR_FOLDER");
    EXPECT_STREQ(Bar().DirMenuName(Child(folder, "z.墨")), "DIR_FILE");
}

TEST_F(DirectoryPageTest, KeysPostThePageCommands)
{
    Tree().SetFocus();
    const std::pair<int,
        UINT> kKeys[] = {{VK_RETURN, ID_DIR_OPEN}, {VK_DELETE, ID_DIR_DELETE}, {VK_F2, ID_DIR_RENAME}, {VK_F5, ID_DIR_REFRESH}};
    for (const auto& [key, command] : kKeys) {
        m_frame->m_commands.clear();
        Tree().PostMessage(WM_KEYDOWN, key, 0);
        PumpPending();
        EXPECT_EQ(m_frame->m_commands, std::vector<UINT>{command}) << key;
    }
    Bar().SelectPage(CWorkspaceBar::kProjectPage);
    Bar().ProjectTreeCtrl().SetFocus();
    m_frame->m_commands.clear();
    Bar().ProjectTreeCtrl().PostMessage(WM_KEYDOWN, VK_F2, 0);
    Bar().ProjectTreeCtrl().PostMessage(WM_KEYDOWN, VK_F5, 0);
    PumpPending();
    EXPECT_EQ(m_frame->m_commands, std::vector<UINT>{ID_PROJECT_RENAME_ITEM});
}

// The chooser starts at its folder, shows it as status text cut at a character boundary,
// and gives it back on OK; Cancel leaves the folder as it was.
TEST_F(DirectoryPageTest, FolderChooserStartsAtItsFolder)
{
    std::string deep = m_dir / "很长的中文目录名字很长的中文目录名字";
    ::CreateDirectoryA(deep.c_str(), nullptr);
    CString status;
    bool untitled = false;
    DialogDriver driver{[&](DialogDriver& d) {
                            for (HWND child = ::GetWindow(d.Dialog(), GW_CHILD); child != nullptr;
                                 child = ::GetWindow(child, GW_HWNDNEXT)) {
                                char text[128] = {};
                                ::GetWindowTextA(child, text, sizeof text);
                                if (CString(text).Right(3) == "...")
                                    status = text;
                            }
                            d.PressOK();
                        },
                        [](DialogDriver& d) { d.PressCancel(); },
                        [&](DialogDriver& d) {
                            untitled = FindChildWithText(d.Dialog(), "当前选择:") != nullptr;
                            d.PressCancel();
                        }};
    CFolderChooser chooser("选择目标目录:", deep.c_str(), 0, m_frame);
    EXPECT_EQ(chooser.DoModal(), IDOK);
    EXPECT_STREQ(chooser.GetPath(), deep.c_str());
    EXPECT_STREQ(status, FolderChooserStatusText(deep.c_str()));
    CString folder = deep.c_str();
    EXPECT_FALSE(ChooseFolder("选择目录:", folder));
    EXPECT_STREQ(folder, deep.c_str());
    // Without a title of its own the chooser says what it shows in Chinese.
    CFolderChooser plain(nullptr, deep.c_str(), 0, m_frame);
    EXPECT_EQ(plain.DoModal(), IDCANCEL);
    EXPECT_TRUE(untitled);
    EXPECT_EQ(driver.ScriptsRun(), 3);
}

// A start folder the dialog's tree never selects (it holds no hidden folders): OK gives the
// folder the chooser shows, not the tree's root.
TEST_F(DirectoryPageTest, FolderChooserGivesTheStartFolderItCouldNotSelect)
{
    const std::string hidden = m_dir / "隐藏";
    const std::string start = hidden + "\\目标";
    ASSERT_TRUE(::CreateDirectoryA(hidden.c_str(), nullptr));
    ASSERT_TRUE(::CreateDirectoryA(start.c_str(), nullptr));
    ASSERT_TRUE(::SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN));
    DialogDriver driver{[](DialogDriver& d) { d.PressOK(); }};
    CString folder = start.c_str();
    EXPECT_TRUE(ChooseFolder("选择目录:", folder));
    EXPECT_STREQ(folder, start.c_str());
    EXPECT_EQ(driver.ScriptsRun(), 1);
}

} // namespace
