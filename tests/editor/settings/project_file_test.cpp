#include "editor/settings/ProjectFile.h"

#include <gtest/gtest.h>

#include <string>

#include "editor/settings/MarkupLine.h"
#include "temp_dir.h"

namespace {

std::string S(const CString& text) { return std::string((LPCTSTR)text, (size_t)text.GetLength()); }

ProjectItem* Child(ProjectItem& parent, int index) { return parent.children.at((size_t)index).get(); }

} // namespace

TEST(MarkupLine, ScansAttributesAndRefusesMalformedOnes)
{
    MarkupLine line;
    ASSERT_TRUE(ScanMarkupLine("\t\t<本地文件 文件名 = \"a>b.墨\"  行号=\"3\"/>", line));
    EXPECT_TRUE(line.Is("<本地文件"));
    EXPECT_EQ(S(*line.Find("文件名")), "a>b.墨");
    EXPECT_EQ(S(*line.Find("行号")), "3");
    EXPECT_EQ(line.Find("位置"), nullptr);

    const char* const malformed[] = {
        "<类目 名字>",            // no "="
        "<类目 名字=甲>",         // no quotes
        "<类目 名字=\"甲>",       // no closing quote
        "<类目 =\"甲\">",         // no name
    };
    for (const char* text : malformed)
        EXPECT_FALSE(ScanMarkupLine(text, line)) << text;

    EXPECT_TRUE(IsSafeMarkupValue("C:\\Program Files (x86)\\甲.墨"));
    EXPECT_FALSE(IsSafeMarkupValue("a\"b"));
    EXPECT_FALSE(IsSafeMarkupValue("a\nb"));
}

TEST(ProjectTree, InsertsSortedAndRefusesDuplicatesAndUnsafeNames)
{
    ProjectTree tree;
    EXPECT_FALSE(tree.HasProject());
    EXPECT_EQ(S(tree.Root().text), "- 没有可用项目 -");
    tree.Create("C:\\工程\\演示.项目");
    ProjectItem& root = tree.Root();
    EXPECT_EQ(S(root.text), "演示.项目");

    EXPECT_EQ(tree.AddRemoteFile(&root, 2, "/pub/z.c", 10), ProjectEdit::done);
    EXPECT_EQ(tree.AddLocalFile(&root, "C:\\工程\\乙.墨"), ProjectEdit::done);
    EXPECT_EQ(tree.AddCategory(&root, "源码"), ProjectEdit::done);
    ProjectItem* file = nullptr;
    EXPECT_EQ(tree.AddLocalFile(&root, "D:\\别处\\A.墨", &file), ProjectEdit::done);
    EXPECT_EQ(tree.AddCategory(&root, "接口"), ProjectEdit::done);
    const char* const order[] = {"源码", "接口", "A.墨", "乙.墨", "z.c"};
    ASSERT_EQ(root.children.size(), 5u);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(S(Child(root, i)->text), order[i]);

    struct Refusal {
        ProjectEdit result;
        ProjectEdit expected;
    };
    const Refusal refusals[] = {
        {tree.AddCategory(&root, "源码"), ProjectEdit::duplicateCategory},
        {tree.AddCategory(file, "SOURCES"), ProjectEdit::done},  // a file selected: added beside it
        {tree.AddCategory(&root, "sources"), ProjectEdit::duplicateCategory},
        {tree.AddLocalFile(&root, "E:\\又一处\\a.墨"), ProjectEdit::alreadyListed},
        {tree.AddCategory(nullptr, "新"), ProjectEdit::noSelection},
        {tree.AddCategory(&root, "引\"号"), ProjectEdit::unsafeName},
        {tree.AddRemoteFile(&root, 1, "/pub/\"x\".c", 1), ProjectEdit::unsafeName},
        {tree.AddRemoteFile(&root, 16, "/pub/y.c", 1), ProjectEdit::badAccount},
        {tree.AddRemoteFile(&root, -1, "/pub/y.c", 1), ProjectEdit::badAccount},
        {tree.Rename(*Child(root, 0), "改\"名"), ProjectEdit::unsafeName},
        {tree.Rename(root, "根"), ProjectEdit::unsafeName},
    };
    for (const Refusal& refusal : refusals)
        EXPECT_EQ(refusal.result, refusal.expected);
    EXPECT_EQ(root.children.size(), 6u);
    EXPECT_EQ(S(ProjectEditMessage(ProjectEdit::duplicateCategory, "源码")), "复制项目条目.");

    EXPECT_FALSE(tree.Remove(root));
    EXPECT_TRUE(tree.Remove(*Child(root, 0)));
    CStringArray files;
    tree.CollectLocalFiles(files);
    ASSERT_EQ(files.GetSize(), 2);
    EXPECT_EQ(S(files[0]), "D:\\别处\\A.墨");
}

TEST(ProjectFile, WritesAndReadsBackTreeAndDocuments)
{
    TempDir dir;
    std::string projectPath = dir / "演示 (1).项目";
    ProjectTree tree;
    tree.Create(projectPath.c_str());
    ProjectItem& root = tree.Root();
    ProjectItem* outer = nullptr;
    ProjectItem* inner = nullptr;
    ASSERT_EQ(tree.AddCategory(&root, "源码", &outer), ProjectEdit::done);
    ASSERT_EQ(tree.AddCategory(outer, "子目录", &inner), ProjectEdit::done);
    ASSERT_EQ(tree.AddLocalFile(inner, (dir / "子\\表.墨").c_str()), ProjectEdit::done);
    inner->expanded = false;
    ASSERT_EQ(tree.AddLocalFile(outer, "D:\\其他\\a>b.墨"), ProjectEdit::done);
    ASSERT_EQ(tree.AddRemoteFile(&root, 15, "/home/甲/远程.墨", 1234), ProjectEdit::done);

    std::vector<WorkspaceDocument> documents(3);
    documents[0].path = (dir / "主程序.墨").c_str();
    documents[0].line = 41;
    documents[0].placement = {0, 1, -1, -1, -8, -30, 10, 20, 610, 420};
    documents[1].account = 3;
    documents[1].path = "/srv/乙.c";
    documents[1].length = 99;
    documents[1].line = 7;
    documents[2].account = 3;
    documents[2].path = "/srv/\"引号\".c";  // cannot be held by a value: left out, not corrupting
    ASSERT_EQ(WriteProjectFile(projectPath.c_str(), tree, documents, "3.0"), ProjectFileStatus::ok);

    std::string bytes = TempDir::ReadFile(projectPath);
    EXPECT_NE(bytes.find("<项目 版本=\"3.0\">\n\t<类目 名字=\"源码\" 展开=\"是\">\n\t\t<类目 名字=\"子目录\" 展开=\"否\">\n"
                         "\t\t\t<本地文件 文件名=\"子\\表.墨\" />\n\t\t</类目>\n"),
              std::string::npos)
        << bytes;
    EXPECT_NE(bytes.find("\t<远程文件 账号=\"15\" 文件名=\"/home/甲/远程.墨\" 文件长度=\"1234\" />\n</项目>\n\n<工作区"),
              std::string::npos);
    EXPECT_NE(bytes.find("\t<本地文件 文件名=\"主程序.墨\" 行号=\"41\" 位置=\"0:1:-1:-1:-8:-30:10:20:610:420\" />\n"),
              std::string::npos);
    EXPECT_EQ(bytes.find("引号"), std::string::npos);

    ProjectTree read;
    std::vector<WorkspaceDocument> reopened;
    ASSERT_EQ(ReadProjectFile(projectPath.c_str(), read, reopened), ProjectFileStatus::ok);
    ProjectItem& readRoot = read.Root();
    EXPECT_EQ(S(read.ProjectPath()), projectPath);
    ASSERT_EQ(readRoot.children.size(), 2u);
    ProjectItem* readOuter = Child(readRoot, 0);
    EXPECT_TRUE(readOuter->expanded);
    ASSERT_EQ(readOuter->children.size(), 2u);
    EXPECT_FALSE(Child(*readOuter, 0)->expanded);
    EXPECT_EQ(S(Child(*Child(*readOuter, 0), 0)->path), dir / "子\\表.墨");
    EXPECT_EQ(S(Child(*readOuter, 1)->path), "D:\\其他\\a>b.墨");
    ProjectItem* remote = Child(readRoot, 1);
    EXPECT_EQ(remote->kind, ProjectItemKind::remoteFile);
    EXPECT_EQ(remote->account, 15);
    EXPECT_EQ(remote->length, 1234);
    EXPECT_EQ(S(remote->text), "远程.墨");

    ASSERT_EQ(reopened.size(), 2u);
    EXPECT_EQ(S(reopened[0].path), dir / "主程序.墨");
    EXPECT_EQ(reopened[0].line, 41);
    EXPECT_TRUE(reopened[0].hasPlacement);
    EXPECT_EQ(reopened[0].placement, documents[0].placement);
    EXPECT_EQ(reopened[1].account, 3);
    EXPECT_EQ(S(reopened[1].path), "/srv/乙.c");
    EXPECT_EQ(reopened[1].length, 99);

    std::string workspacePath = dir / "vuze.工作区";
    ASSERT_EQ(WriteWorkspaceFile(workspacePath.c_str(), documents, "3.0"), ProjectFileStatus::ok);
    std::vector<WorkspaceDocument> fromWorkspace;
    ASSERT_EQ(ReadWorkspaceFile(workspacePath.c_str(), fromWorkspace), ProjectFileStatus::ok);
    ASSERT_EQ(fromWorkspace.size(), 2u);
    EXPECT_EQ(S(fromWorkspace[0].path), dir / "主程序.墨");
}

TEST(ProjectFile, CategoriesNestedBeyondTheBoundAreABadFile)
{
    // Nested as deep as the tree holds the file reads; 10,000 levels, one a line, are refused
    // without a recursion per level.
    TempDir dir;
    const std::string workspace = "<工作区 版本=\"1\">\n</工作区>\n";
    for (int depth : {kMaxCategoryDepth, kMaxCategoryDepth + 1, 10000}) {
        std::string text = "<项目 版本=\"1\">\n";
        for (int i = 0; i < depth; ++i)
            text += "<类目 名字=\"甲\" 展开=\"是\">\n";
        for (int i = 0; i < depth; ++i)
            text += "</类目>\n";
        text += "</项目>\n" + workspace;
        const std::string path = dir.WriteFile("深.项目", text);
        ProjectTree tree;
        std::vector<WorkspaceDocument> documents;
        const bool fits = depth <= kMaxCategoryDepth;
        EXPECT_EQ(fits ? ProjectFileStatus::ok : ProjectFileStatus::badFile,
                  ReadProjectFile(path.c_str(), tree, documents)) << depth;
        EXPECT_EQ(fits, tree.HasProject()) << depth;
    }

    // Nor can the tree be built deeper by hand, so what is written reads back.
    ProjectTree tree;
    tree.Create("C:\\深.项目");
    ProjectItem* item = &tree.Root();
    for (int i = 0; i < kMaxCategoryDepth; ++i)
        ASSERT_EQ(ProjectEdit::done, tree.AddCategory(item, "甲", &item));
    EXPECT_EQ(ProjectEdit::tooDeep, tree.AddCategory(item, "乙"));
    EXPECT_EQ(ProjectEdit::done, tree.AddLocalFile(item, "C:\\a.墨"));
    EXPECT_EQ(S(ProjectEditMessage(ProjectEdit::tooDeep, "乙")), "类目层次太深.");
}

TEST(ProjectFile, MalformedFilesAreRefusedWithTheirMessages)
{
    TempDir dir;
    const std::string workspace = "<工作区 版本=\"1\">\n</工作区>\n";
    struct Case {
        const char* what;
        std::string text;
        ProjectFileStatus expected;
    };
    const Case cases[] = {
        {"no project section", "<工作区 版本=\"1\">\n</工作区>\n", ProjectFileStatus::badFile},
        {"no version", "<项目>\n</项目>\n" + workspace, ProjectFileStatus::badFile},
        {"no workspace section", "<项目 版本=\"1\">\n</项目>\n", ProjectFileStatus::badFile},
        {"project never closed", "<项目 版本=\"1\">\n\t<类目 名字=\"甲\" 展开=\"是\">\n", ProjectFileStatus::badFile},
        {"remote without length", "<项目 版本=\"1\">\n\t<远程文件 账号=\"1\" 文件名=\"/a\" />\n</项目>\n" + workspace,
         ProjectFileStatus::badFile},
        {"account 16", "<项目 版本=\"1\">\n\t<远程文件 账号=\"16\" 文件名=\"/a\" 文件长度=\"1\" />\n</项目>\n" + workspace,
         ProjectFileStatus::badFile},
        {"account -1", "<项目 版本=\"1\">\n\t<远程文件 账号=\"-1\" 文件名=\"/a\" 文件长度=\"1\" />\n</项目>\n" + workspace,
         ProjectFileStatus::badFile},
        {"account not a number",
         "<项目 版本=\"1\">\n\t<远程文件 账号=\"x\" 文件名=\"/a\" 文件长度=\"1\" />\n</项目>\n" + workspace,
         ProjectFileStatus::badFile},
        {"document without line", "<项目 版本=\"1\">\n</项目>\n<工作区 版本=\"1\">\n\t<本地文件 文件名=\"a.墨\" />\n",
         ProjectFileStatus::badFile},
        {"unclosed quote", "<项目 版本=\"1\">\n\t<类目 名字=\"甲 展开=\"是\">\n", ProjectFileStatus::scanError},
        {"missing equals", "<项目 版本=\"1\">\n\t<本地文件 文件名 \"a.墨\" />\n</项目>\n" + workspace,
         ProjectFileStatus::scanError},
        {"unknown lines skipped", "\n<项目 版本=\"x\">\n\t<注释 随便 写>\n</项目>\n\n" + workspace, ProjectFileStatus::ok},
    };
    for (const Case& c : cases) {
        std::string path = dir.WriteFile("坏.项目", c.text);
        ProjectTree tree;
        std::vector<WorkspaceDocument> documents;
        EXPECT_EQ(ReadProjectFile(path.c_str(), tree, documents), c.expected) << c.what;
        EXPECT_EQ(tree.HasProject(), c.expected == ProjectFileStatus::ok) << c.what;
    }
    EXPECT_EQ(S(ProjectFileMessage(ProjectFileStatus::badFile, "x")), "错误的项目文件.");
    EXPECT_EQ(S(ProjectFileMessage(ProjectFileStatus::scanError, "C:\\a.项目")), "分析项目属性时发生错误.\n(C:\\a.项目)");

    // Documents read before a fault stay listed so the caller can still open them.
    std::string path = dir.WriteFile("半.工作区", "<工作区 版本=\"1\">\n\t<本地文件 文件名=\"C:\\a.墨\" 行号=\"2\" />\n"
                                                  "\t<远程文件 账号=\"99\" 文件名=\"/b\" 文件长度=\"1\" 行号=\"1\" />\n");
    std::vector<WorkspaceDocument> documents;
    EXPECT_EQ(ReadWorkspaceFile(path.c_str(), documents), ProjectFileStatus::badFile);
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(S(documents[0].path), "C:\\a.墨");
    EXPECT_FALSE(documents[0].hasPlacement);
}
