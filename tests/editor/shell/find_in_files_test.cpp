#include "editor/shell/FindInFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace {

std::string S(const CString& text) { return std::string((LPCTSTR)text, (size_t)text.GetLength()); }

// Output lines with the tree's folder taken out, sorted (listing order is the system's).
struct OutputLines : FindInFilesSink {
    std::string root;
    std::vector<std::string> lines;

    std::string Relative(const std::string& path) const
    {
        return path.compare(0, root.size() + 1, root + "\\") == 0 ? path.substr(root.size() + 1) : path;
    }
    // Long hit lines are kept to their first 60 bytes.
    void HitLine(const char* line) override { lines.push_back(Relative(line).substr(0, 60)); }
    void CannotOpen(const char* path) override { lines.push_back("cannot open " + Relative(path)); }
    void LineTooLong(const char* path, int lineNumber) override
    {
        lines.push_back("too long " + Relative(path) + " " + std::to_string(lineNumber));
    }
    std::vector<std::string> Sorted() const
    {
        std::vector<std::string> sorted = lines;
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    }
};

// A small tree of GBK files: sources, a text file, a sub-folder, hidden entries and a binary
// file.
struct Tree {
    TempDir dir;
    std::string root;

    Tree()
    {
        root = dir / "树";
        ::CreateDirectoryA(root.c_str(), nullptr);
        Write("甲.墨", "整数 计数 = 0\n计数器 加 1\r\nCOUNT count\n");
        Write("乙.c", "int count;\nx = Count + 1;\nC:\\dir\\d9 x9\n");
        Write("说明.txt", "count\n");
        ::CreateDirectoryA((root + "\\子目录").c_str(), nullptr);
        Write("子目录\\丙.墨", "count 计数\n");
        Write("藏.c", "count\n");
        ::SetFileAttributesA((root + "\\藏.c").c_str(), FILE_ATTRIBUTE_HIDDEN);
        ::CreateDirectoryA((root + "\\藏目录").c_str(), nullptr);
        Write("藏目录\\丁.c", "count\n");
        ::SetFileAttributesA((root + "\\藏目录").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
        Write("二进制.c", "count\ncount 2\nbin\x07 count\ncount 4\n");
    }
    void Write(const std::string& name, const std::string& bytes) { dir.WriteFile("树\\" + name, bytes); }
};

std::vector<std::string> Search(const Tree& tree, const char* text, const char* types, int scope, int mode,
                                const CStringArray* project = nullptr, int* hits = nullptr)
{
    OutputLines out;
    out.root = tree.root;
    int count = -1;
    EXPECT_TRUE(FindInFiles(text, types, tree.root.c_str(), scope, mode, project, out, count)) << text;
    if (hits)
        *hits = count;
    return out.Sorted();
}

} // namespace

TEST(FindInFiles, PlainWholeWordCaseAndRegularExpressions)
{
    Tree tree;
    const char* const kSources = "*.墨;*.C";
    using Lines = std::vector<std::string>;
    const struct {
        const char* text;
        int scope;
        int mode;
        Lines expected;
    } kCases[] = {
        {"count", kFindSubFolders, 0,
         {"乙.c(1,5): int count;", "乙.c(2,5): x = Count + 1;", "二进制.c(1,1): count", "二进制.c(2,1): count 2",
          "子目录\\丙.墨(1,1): count 计数", "甲.墨(3,1): COUNT count"}},
        {"count", kFindSubFolders, kFindMatchCase,
         {"乙.c(1,5): int count;", "二进制.c(1,1): count", "二进制.c(2,1): count 2", "子目录\\丙.墨(1,1): count 计数",
          "甲.墨(3,7): COUNT count"}},
        // A text that begins with a blank and holds letters.
        {" COUNT", kFindSubFolders, 0, {"乙.c(1,4): int count;", "乙.c(2,4): x = Count + 1;", "甲.墨(3,6): COUNT count"}},
        // "计数器" holds the word but is another word.
        {"计数", kFindSubFolders, kFindWholeWord | kFindMatchCase,
         {"子目录\\丙.墨(1,7): count 计数", "甲.墨(1,6): 整数 计数 = 0"}},
        {"计数", 0, 0, {"甲.墨(1,6): 整数 计数 = 0", "甲.墨(2,1): 计数器 加 1"}},
        {"c.unt", 0, kFindRegex | kFindWholeWord,
         {"乙.c(1,5): int count;", "乙.c(2,5): x = Count + 1;", "二进制.c(1,1): count", "二进制.c(2,1): count 2",
          "甲.墨(3,1): COUNT count"}},
        // "\d" is a digit, "\\d" a backslash and a d.
        {"x\\d", 0, kFindRegex, {"乙.c(3,11): C:\\dir\\d9 x9"}},
        {"\\\\d", 0, kFindRegex, {"乙.c(3,3): C:\\dir\\d9 x9"}},
        {"^C\\w+ \\w", 0, kFindRegex | kFindMatchCase, {"甲.墨(3,1): COUNT count"}},
        {"没有", kFindSubFolders, 0, {}},
    };
    for (const auto& c : kCases) {
        Lines expected = c.expected;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(expected, Search(tree, c.text, kSources, c.scope, c.mode)) << c.text << " " << c.mode;
    }

    // Only the listed types, and "*.*" for every file; hidden entries never.
    EXPECT_EQ(Lines({"说明.txt(1,1): count"}), Search(tree, "count", "*.txt", kFindSubFolders, 0));
    int hits = 0;
    Search(tree, "count", "*.*", kFindSubFolders, 0, nullptr, &hits);
    EXPECT_EQ(7, hits);

    OutputLines out;
    int count = 0;
    EXPECT_FALSE(FindInFiles("a(", "*.*", tree.root.c_str(), 0, kFindRegex, nullptr, out, count));
}

// The lines that can hold a hit are found with a byte search over the whole buffer, which
// also stops inside double-byte characters; only hits that begin on a character count.
TEST(FindInFiles, TrailBytesAreNeverTheStartOfAHit)
{
    TempDir dir;
    dir.WriteFile("陷阱.c", "\xB0\x41" "bc\n"              // the trail byte 0x41 is no 'A'
                            "\xB0\x41" "bc Abc\n"
                            "\x81\xBC\xC6\x31\n"          // 计 (BC C6) across two characters
                            "x计1\n"
                            "\xB0\x41" "BC_abc abc\n"
                            "xbc\n");
    using Lines = std::vector<std::string>;
    const struct {
        const char* text;
        int mode;
        Lines expected;
    } kCases[] = {
        {"abc", kFindRegex, {"陷阱.c(2,6): \xB0\x41" "bc Abc", "陷阱.c(5,6): \xB0\x41" "BC_abc abc"}},
        {"abc", 0, {"陷阱.c(2,6): \xB0\x41" "bc Abc", "陷阱.c(5,6): \xB0\x41" "BC_abc abc"}},
        {"abc", kFindRegex | kFindWholeWord, {"陷阱.c(2,6): \xB0\x41" "bc Abc", "陷阱.c(5,10): \xB0\x41" "BC_abc abc"}},
        {"abc", kFindWholeWord, {"陷阱.c(2,6): \xB0\x41" "bc Abc", "陷阱.c(5,10): \xB0\x41" "BC_abc abc"}},
        {"Abc", kFindMatchCase, {"陷阱.c(2,6): \xB0\x41" "bc Abc"}},
        {"Abc", kFindRegex | kFindMatchCase, {"陷阱.c(2,6): \xB0\x41" "bc Abc"}},
        {"计[0-9]", kFindRegex, {"陷阱.c(4,2): x计1"}},
        {"计", kFindMatchCase, {"陷阱.c(4,2): x计1"}},
        // The 'a' is optional: "bc" alone is required, and it stands on a character.
        {"a?bc", kFindRegex,
         {"陷阱.c(1,3): \xB0\x41" "bc", "陷阱.c(2,3): \xB0\x41" "bc Abc", "陷阱.c(5,3): \xB0\x41" "BC_abc abc",
          "陷阱.c(6,2): xbc"}},
    };
    for (const auto& c : kCases) {
        OutputLines out;
        out.root = dir.Path();
        int hits = 0;
        ASSERT_TRUE(FindInFiles(c.text, "*.c", dir.Path().c_str(), 0, c.mode, nullptr, out, hits)) << c.text;
        EXPECT_EQ(c.expected, out.lines) << c.text << " " << c.mode;
        EXPECT_EQ((int)c.expected.size(), hits) << c.text << " " << c.mode;
    }
}

TEST(FindInFiles, LinesTooLongToSearch)
{
    TempDir dir;
    // 32,767 bytes are too many; 32,766 and a CR are searched; the last line has no end.
    dir.WriteFile("长.c", std::string(32767, 'x') + "\n" + std::string(32760, 'y') + " count\r\n" + "count" +
                             std::string(40000, 'z') + "\ncount\n" + std::string(70000, 'w'));
    OutputLines out;
    out.root = dir.Path();
    int hits = 0;
    ASSERT_TRUE(FindInFiles("count", "*.c", dir.Path().c_str(), 0, 0, nullptr, out, hits));
    const std::vector<std::string> expected = {
        "too long 长.c 1", "长.c(2,32762): " + std::string(45, 'y'), "too long 长.c 3", "长.c(4,1): count",
        "too long 长.c 5",
    };
    EXPECT_EQ(expected, out.lines);
    EXPECT_EQ(2, hits);
}

TEST(FindInFiles, ProjectFilesAndUnreadableFiles)
{
    Tree tree;
    CStringArray project;
    project.Add((tree.root + "\\甲.墨").c_str());
    project.Add((tree.root + "\\说明.txt").c_str());
    project.Add((tree.root + "\\没有.墨").c_str());
    const std::vector<std::string> expected = {"cannot open 没有.墨", "甲.墨(3,1): COUNT count"};
    EXPECT_EQ(expected, Search(tree, "count", "*.墨", kFindInProject, 0, &project));
    // Without an open project the folder is searched.
    EXPECT_EQ(std::vector<std::string>{"甲.墨(3,1): COUNT count"}, Search(tree, "count", "*.墨", kFindInProject, 0));
}

TEST(FindInFiles, DeepTreesAreBounded)
{
    TempDir dir;
    std::string folder = dir.Path();
    std::string relative;
    for (int depth = 1; depth <= kMaxFolderDepth + 2; ++depth) {
        folder += "\\d";
        relative += relative.empty() ? "d" : "\\d";
        ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr));
        dir.WriteFile(relative + "\\f.c", "hit\n");
    }
    OutputLines out;
    int hits = 0;
    ASSERT_TRUE(FindInFiles("hit", "*.c", dir.Path().c_str(), kFindSubFolders, 0, nullptr, out, hits));
    EXPECT_EQ(kMaxFolderDepth, hits);

}

TEST(FindInFiles, DefaultTypesAndPatternRewriting)
{
    const struct {
        const char* extension;
        const char* types;
    } kTypes[] = {
        {"", "*.墨;*.接口;*.定义;*.墨双;*.c;*.h"},
        {".墨", "*.墨;*.c;*.接口;*.定义;*.h"},
        {".H", "*.墨;*.c;*.接口;*.定义;*.h"},
        {".汇51", "*.墨;*.c;*.墨51;*.c51;*.接口;*.定义;*.asm;*.s;*.a51;*.中汇;*.汇编;*.汇51"},
        {".java", "*.橙语;*.java"},
        {".txt", "*.txt"},
    };
    for (const auto& c : kTypes)
        EXPECT_EQ(c.types, S(DefaultFindTypes(c.extension))) << c.extension;

    const struct {
        const char* pattern;
        bool matchCase;
        const char* rewritten;
    } kPatterns[] = {
        {"\\s\\S", true, "[ \t\r\n][^ \t\r\n]"},
        {"\\w\\W\\a\\A", true, "[A-Za-z0-9][^A-Za-z0-9][A-Za-z][^A-Za-z]"},
        {"\\d\\D\\h\\H\\t", true, "[0-9][^0-9][A-Fa-f0-9][^A-Fa-f0-9]\t"},
        {"\\\\d", true, "\\\\d"},
        {"\\\\\\d", true, "\\\\[0-9]"},
        {"A\\w", false, "a[a-za-z0-9]"},
        // A double-byte character whose trail byte is 0x5C holds no backslash.
        {"\x95\x5C" "d", true, "\x95\x5C" "d"},
    };
    for (const auto& c : kPatterns)
        EXPECT_EQ(c.rewritten, S(RewriteFindPattern(c.pattern, c.matchCase))) << c.pattern;
}
