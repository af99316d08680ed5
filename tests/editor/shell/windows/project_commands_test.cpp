#include "ShellWindowsTestFrame.h"

#include "editor/res/resource.h"
#include "editor/shell/ProjectCommands.h"
#include "editor/util/ShellHelpers.h"
#include "framework/MessageBox.h"
#include "temp_dir.h"

#include <string>

namespace {

// An application with scripted prompts and a list of open documents.
class FakeProjectHost : public ProjectHost {
public:
    std::vector<WorkspaceDocument> documents;
    std::vector<WorkspaceDocument> opened;
    std::vector<CString> posted;
    CString programFolder;
    CString chosenProject;
    std::vector<CString> filesToAdd;
    CString category;
    int closeAlls = 0;

    std::vector<WorkspaceDocument> OpenDocuments() override { return documents; }
    bool ActiveDocument(WorkspaceDocument& document) override
    {
        if (documents.empty())
            return false;
        document = documents.back();
        return true;
    }
    int CountDocuments() const override { return static_cast<int>(documents.size()); }
    void OpenListedDocument(const WorkspaceDocument& document) override { opened.push_back(document); }
    void PostOpenFile(const char* path, int) override { posted.push_back(path); }
    void PostRemoteOpen(int account, const char* path, int, int) override
    {
        CString text;
        text.Format("%d:%s", account, path);
        posted.push_back(text);
    }
    bool SaveModifiedDocuments() override { return true; }
    void CloseDocuments() override
    {
        ++closeAlls;
        documents.clear();
    }
    bool ChooseProjectFile(bool, CString& path) override
    {
        path = chosenProject;
        return !path.IsEmpty();
    }
    bool ChooseFilesToAdd(std::vector<CString>& paths) override
    {
        paths = filesToAdd;
        return !paths.empty();
    }
    bool AskCategoryName(CString& name) override
    {
        name = category;
        return !name.IsEmpty();
    }
    CString ProgramFolder() override { return programFolder; }
    CString VersionTag() override { return "3.0"; }
};

WorkspaceDocument Local(const std::string& path, int line)
{
    WorkspaceDocument document;
    document.path = path.c_str();
    document.line = line;
    return document;
}

class ProjectCommandsTest : public ShellWindowsTest {
protected:
    void SetUp() override
    {
        ShellWindowsTest::SetUp();
        m_host.programFolder = m_dir.Path().c_str();
        m_commands = std::make_unique<ProjectCommands>(m_frame->m_wndWorkspace, m_host);
    }
    CWorkspaceBar& Bar() { return m_frame->m_wndWorkspace; }
    std::string Tree() { return Outline(Bar().ProjectTreeCtrl(), Bar().ProjectTreeCtrl().GetRootItem()); }
    void SelectText(const char* text)
    {
        CTreeCtrl& tree = Bar().ProjectTreeCtrl();
        std::vector<HTREEITEM> pending{tree.GetRootItem()};
        while (!pending.empty()) {
            HTREEITEM item = pending.back();
            pending.pop_back();
            for (; item != nullptr; item = tree.GetNextSiblingItem(item)) {
                if (tree.GetItemText(item) == text) {
                    tree.SelectItem(item);
                    return;
                }
                pending.push_back(tree.GetChildItem(item));
            }
        }
        ADD_FAILURE() << text;
    }

    TempDir m_dir;
    FakeProjectHost m_host;
    std::unique_ptr<ProjectCommands> m_commands;
    ProjectCommands& Commands() { return *m_commands; }
};

// A project built through the commands is saved after each change and reads back whole,
// with the documents that were open.
TEST_F(ProjectCommandsTest, ProjectBuiltByCommandsReadsBack)
{
    std::string project = m_dir / "演示.项目";
    m_host.documents = {Local(m_dir / "甲.墨", 12)};
    WorkspaceDocument remote;
    remote.account = 3;
    remote.path = "/srv/乙.c";
    remote.length = 40;

    EXPECT_FALSE(Commands().CanEditProject());
    m_host.chosenProject = project.c_str();
    Commands().OnNewProject();
    ASSERT_TRUE(Commands().IsProjectOpen());
    EXPECT_STREQ(Commands().ProjectPath(), project.c_str());
    EXPECT_TRUE(Commands().CanEditProject());
    m_host.category = "源码";
    Commands().OnNewCategory();
    SelectText("源码");
    m_host.filesToAdd = {(m_dir / "丙.墨").c_str(), (m_dir / "子\\丁.墨").c_str()};
    Commands().OnAddFiles();
    SelectText("源码");
    m_host.documents.push_back(remote);
    Commands().OnAddCurrentFile();
    const std::string built = "演示.项目+(源码+(丙.墨 丁.墨 乙.c))";
    EXPECT_EQ(Tree(), built);
    // Every change was saved: reading the file gives the same tree.
    std::string saved = TempDir::ReadFile(project);
    EXPECT_NE(saved.find("乙.c"), std::string::npos);

    ScopedMessageBoxHook boxes{IDNO};
    Commands().OnCloseProject();
    EXPECT_EQ(boxes.Count(), 1);
    EXPECT_FALSE(Commands().IsProjectOpen());
    EXPECT_EQ(m_host.closeAlls, 0);
    EXPECT_EQ(Tree(), "- 没有可用项目 -");

    Commands().OnOpenProject();
    ASSERT_TRUE(Commands().IsProjectOpen());
    EXPECT_EQ(Tree(), built);
    ASSERT_EQ(m_host.opened.size(), 2u);
    EXPECT_STREQ(m_host.opened[0].path, (m_dir / "甲.墨").c_str());
    EXPECT_EQ(m_host.opened[0].line, 12);
    EXPECT_EQ(m_host.opened[1].account, 3);

    // Opening the open project again does nothing; opening an item posts it.
    Commands().OnOpenProject();
    EXPECT_EQ(m_host.opened.size(), 2u);
    EXPECT_EQ(boxes.Count(), 1);
    SelectText("乙.c");
    Commands().OnOpenItem();
    EXPECT_EQ(m_host.posted, std::vector<CString>{"3:/srv/乙.c"});
}

// The questions of the project commands and what each answer does.
TEST_F(ProjectCommandsTest, AnswersDecideCloseAndRemove)
{
    std::string project = m_dir / "问.项目";
    ASSERT_TRUE(Commands().NewProject(project.c_str()));
    m_host.category = "类";
    Commands().OnNewCategory();
    m_host.documents = {Local(m_dir / "甲.墨", 1)};
    struct Case {
        const char* what;
        const char* select;
        void (ProjectCommands::*command)();
        int answer;
        const char* tree;
        bool open;
        int closeAlls;
    };
    const Case kCases[] = {
        {"remove, No", "类", &ProjectCommands::OnRemoveItem, IDNO, "问.项目+(类)", true, 0},
        {"remove, Yes", "类", &ProjectCommands::OnRemoveItem, IDYES, "问.项目", true, 0},
        {"close, Cancel", "问.项目", &ProjectCommands::OnCloseProject, IDCANCEL, "问.项目", true, 0},
        {"close, Yes", "问.项目", &ProjectCommands::OnCloseProject, IDYES, "- 没有可用项目 -", false, 1},
    };
    for (const Case& c : kCases) {
        SelectText(c.select);
        ScopedMessageBoxHook boxes{c.answer};
        (Commands().*c.command)();
        EXPECT_EQ(boxes.Count(), 1) << c.what;
        EXPECT_EQ(Tree(), c.tree) << c.what;
        EXPECT_EQ(Commands().IsProjectOpen(), c.open) << c.what;
        EXPECT_EQ(m_host.closeAlls, c.closeAlls) << c.what;
    }
    EXPECT_EQ(TempDir::ReadFile(project).find("类"), std::string::npos);
    // The root is never removed.
    ASSERT_TRUE(Commands().NewProject(project.c_str()));
    ScopedMessageBoxHook boxes{IDYES};
    Commands().OnRemoveItem();
    EXPECT_EQ(boxes.Count(), 0);
}

// Start-up reopens the default workspace when none is named, or the named project, and
// says nothing when there is none yet; exit remembers the open project, else the default
// workspace.
TEST_F(ProjectCommandsTest, ReopensTheLastWorkspace)
{
    // A first start has no workspace yet: nothing is said.
    ScopedMessageBoxHook boxes;
    EXPECT_FALSE(Commands().ReopenWorkspace());
    EXPECT_EQ(boxes.Count(), 0);
    m_host.documents = {Local(m_dir / "甲.墨", 5), Local(m_dir / "乙.墨", 7)};
    ASSERT_TRUE(Commands().SaveDefaultWorkspace());
    EXPECT_STREQ(Commands().WorkspaceToRemember(), (m_dir / "vuze.工作区").c_str());
    ASSERT_TRUE(Commands().ReopenWorkspace());
    ASSERT_EQ(m_host.opened.size(), 2u);
    EXPECT_EQ(m_host.opened[1].line, 7);
    EXPECT_FALSE(Commands().IsProjectOpen());

    std::string project = m_dir / "上次.项目";
    ASSERT_TRUE(Commands().NewProject(project.c_str()));
    EXPECT_STREQ(Commands().WorkspaceToRemember(), project.c_str());
    ASSERT_TRUE(Commands().CloseProject(false));
    Commands().m_lastWorkspacePath = project.c_str();
    EXPECT_TRUE(Commands().ReopenWorkspace());
    EXPECT_TRUE(Commands().IsProjectOpen());
    EXPECT_EQ(Bar().GetPage(), CWorkspaceBar::kProjectPage);
    Commands().m_lastWorkspacePath = (m_dir / "别的.txt").c_str();
    EXPECT_FALSE(Commands().ReopenWorkspace());
}

} // namespace

namespace {

// The commands of a submenu of the bar's menu resource, separators left out.
std::vector<UINT> MenuCommands(const char* name)
{
    std::vector<UINT> commands;
    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(139));
    HMENU popup = menu != nullptr ? FindSubMenuByText(menu, name) : nullptr;
    for (int i = 0; popup != nullptr && i < ::GetMenuItemCount(popup); ++i)
        if (::GetMenuItemID(popup, i) != 0)
            commands.push_back(::GetMenuItemID(popup, i));
    if (menu != nullptr)
        ::DestroyMenu(menu);
    return commands;
}

} // namespace

// Each item of the project tree gets the submenu of its kind, with the commands it offers.
TEST_F(ProjectCommandsTest, ContextMenusFollowTheItem)
{
    CTreeCtrl& tree = Bar().ProjectTreeCtrl();
    EXPECT_STREQ(Bar().ProjectMenuName(nullptr), "PRJ_NULL");
    EXPECT_STREQ(Bar().ProjectMenuName(tree.GetRootItem()), "PRJ_ROOT0");
    ASSERT_TRUE(Commands().NewProject((m_dir / "菜单.项目").c_str()));
    m_host.category = "类";
    Commands().OnNewCategory();
    SelectText("类");
    Bar().AddLocalFile("C:\\甲.墨");
    SelectText("类");
    Bar().AddRemoteFile(1, "/乙.c", 5);
    struct Case {
        const char* item;
        const char* menu;
        std::vector<UINT> commands;
    };
    const Case kCases[] = {
        {"菜单.项目", "PRJ_ROOT1",
            {ID_PROJECT_NEW, ID_PROJECT_OPEN, ID_PROJECT_CLOSE, ID_PROJECT_NEW_CATEGORY, ID_PROJECT_ADD_FILES, ID_PROJECT_ADD_CURRENT, ID_PROJECT_ADD_ALL_OPEN, ID_WORKSPACE_HIDE}},
        {"类", "PRJ_CATEGORY",
            {ID_PROJECT_NEW_CATEGORY, ID_PROJECT_ADD_FILES, ID_PROJECT_ADD_CURRENT, ID_PROJECT_ADD_ALL_OPEN, ID_PROJECT_REMOVE_ITEM, ID_PROJECT_RENAME_ITEM, ID_WORKSPACE_HIDE}},
        {"甲.墨", "PRJ_LOCAL",
            {ID_PROJECT_OPEN_ITEM, ID_PROJECT_EXECUTE_ITEM, ID_PROJECT_REMOVE_ITEM, ID_WORKSPACE_HIDE}},
        {"乙.c", "PRJ_REMOTE", {ID_PROJECT_OPEN_ITEM, ID_PROJECT_REMOVE_ITEM, ID_WORKSPACE_HIDE}},
    };
    for (const Case& c : kCases) {
        SelectText(c.item);
        EXPECT_STREQ(Bar().ProjectMenuName(tree.GetSelectedItem()), c.menu) << c.item;
        EXPECT_EQ(MenuCommands(c.menu), c.commands) << c.item;
    }
    EXPECT_EQ(MenuCommands("PRJ_ROOT0"), (std::vector<UINT>{ID_PROJECT_NEW, ID_PROJECT_OPEN, ID_WORKSPACE_HIDE}));
}
