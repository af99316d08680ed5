#include "editor/util/PathUtil.h"

#include "temp_dir.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::string S(const CString& text) { return static_cast<const char*>(text); }

bool IsDirectory(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFile(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Makes a folder current for the test's lifetime.
class CurrentDirectoryGuard {
public:
    explicit CurrentDirectoryGuard(const std::string& folder)
    {
        GetCurrentDirectoryA(sizeof m_saved, m_saved);
        SetCurrentDirectoryA(folder.c_str());
    }
    ~CurrentDirectoryGuard() { SetCurrentDirectoryA(m_saved); }
    CurrentDirectoryGuard(const CurrentDirectoryGuard&) = delete;
    CurrentDirectoryGuard& operator=(const CurrentDirectoryGuard&) = delete;

private:
    char m_saved[MAX_PATH * 2] = {};
};

TEST(PathFiles, EnsurePathCreatesFoldersAndEmptyFile)
{
    TempDir temp;
    ASSERT_TRUE(EnsurePathExists((temp / "t\\a\\b.txt").c_str()));
    EXPECT_TRUE(IsDirectory(temp / "t"));
    EXPECT_TRUE(IsDirectory(temp / "t\\a"));
    EXPECT_TRUE(IsFile(temp / "t\\a\\b.txt"));
    EXPECT_EQ(TempDir::ReadFile(temp / "t\\a\\b.txt"), "");
}

TEST(PathFiles, EnsurePathWithTrailingBackslashCreatesOnlyFolders)
{
    TempDir temp;
    ASSERT_TRUE(EnsurePathExists((temp / "t\\a\\b\\").c_str()));
    EXPECT_TRUE(IsDirectory(temp / "t"));
    EXPECT_TRUE(IsDirectory(temp / "t\\a"));
    EXPECT_TRUE(IsDirectory(temp / "t\\a\\b"));
}

TEST(PathFiles, EnsurePathKeepsExistingFileAndHandlesChineseNames)
{
    TempDir temp;
    temp.WriteFile("keep.txt", "data");
    EXPECT_TRUE(EnsurePathExists((temp / "keep.txt").c_str()));
    EXPECT_EQ(TempDir::ReadFile(temp / "keep.txt"), "data");

    ASSERT_TRUE(EnsurePathExists((temp / "墨语言\\源码\\主程序.墨").c_str()));
    EXPECT_TRUE(IsDirectory(temp / "墨语言\\源码"));
    EXPECT_TRUE(IsFile(temp / "墨语言\\源码\\主程序.墨"));
}

TEST(PathFiles, EnsurePathFailsWhenAFileBlocksAFolder)
{
    TempDir temp;
    temp.WriteFile("blocker", "");
    EXPECT_FALSE(EnsurePathExists((temp / "blocker\\x.txt").c_str()));
    EXPECT_FALSE(EnsurePathExists(""));
    EXPECT_FALSE(EnsurePathExists(nullptr));
}

// A wildcard pattern that matches a file once counted as an existing file.
TEST(PathFiles, ExistsAsksForOneEntryAndAPatternIsNone)
{
    TempDir temp;
    temp.WriteFile("a.txt", "x");
    CreateDirectoryA((temp / "sub.dir").c_str(), nullptr);
    const struct {
        std::string path;
        bool file, folder;
    } cases[] = {
        {temp / "a.txt", true, false},
        {temp / "sub.dir", false, true},
        {temp / "*.txt", false, false},
        {temp / "a.tx?", false, false},
        {temp / "*.dir", false, false},
        {temp / "*", false, false},
        {temp / "missing", false, false},
        {"", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileExists(c.path.c_str()), c.file) << c.path;
        EXPECT_EQ(FolderExists(c.path.c_str()), c.folder) << c.path;
        EXPECT_EQ(FileOrFolderExists(c.path.c_str()), c.file || c.folder) << c.path;
    }
    EXPECT_FALSE(FileExists(nullptr));
}

TEST(PathFiles, CollectFilesSkipsFoldersAndHiddenFiles)
{
    TempDir temp;
    temp.WriteFile("a.txt", "");
    temp.WriteFile("中文.txt", "");
    temp.WriteFile("hidden.txt", "");
    SetFileAttributesA((temp / "hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    temp.WriteFile("other.c", "");
    CreateDirectoryA((temp / "folder.txt").c_str(), nullptr);

    CStringArray files;
    files.Add("kept");
    ASSERT_TRUE(CollectFiles(files, (temp / "*.txt").c_str()));
    std::vector<std::string> found;
    for (int i = 1; i < files.GetSize(); ++i) found.push_back(S(files[i]));
    std::sort(found.begin(), found.end());
    EXPECT_EQ(S(files[0]), "kept");
    EXPECT_EQ(found, (std::vector<std::string>{temp / "a.txt", temp / "中文.txt"}));
}

TEST(PathFiles, CollectFilesGivesFullPathsForRelativePatterns)
{
    TempDir temp;
    temp.WriteFile("only.墨", "");
    CurrentDirectoryGuard current(temp.Path());
    CStringArray files;
    ASSERT_TRUE(CollectFiles(files, "*.墨"));
    ASSERT_EQ(files.GetSize(), 1);
    EXPECT_EQ(S(GetFileNamePart(files[0])), "only.墨");
    EXPECT_EQ(S(files[0]).find(':'), 1u);
}

TEST(PathFiles, CollectFilesReportsNothingFound)
{
    TempDir temp;
    CreateDirectoryA((temp / "d").c_str(), nullptr);
    CStringArray files;
    EXPECT_FALSE(CollectFiles(files, (temp / "*").c_str()));
    EXPECT_FALSE(CollectFiles(files, (temp / "missing\\*").c_str()));
    EXPECT_EQ(files.GetSize(), 0);
}

TEST(PathFiles, GetLongPathRestoresStoredNames)
{
    TempDir temp;
    CreateDirectoryA((temp / "Long Folder Name").c_str(), nullptr);
    temp.WriteFile("Long Folder Name\\文件名称.Text", "");
    const std::string base = S(GetLongPath(temp.Path().c_str()));
    ASSERT_FALSE(base.empty());

    const struct {
        std::string in, out;
    } cases[] = {
        {"long folder name\\文件名称.text", "Long Folder Name\\文件名称.Text"},
        {"LONG FOLDER NAME\\.\\文件名称.TEXT", "Long Folder Name\\文件名称.Text"},
        {"long folder name\\..\\long folder name\\", "Long Folder Name\\"},
        {"long folder name\\missing\\x.txt", "Long Folder Name\\missing\\x.txt"},
        {"long folder name\\*.text", "Long Folder Name\\*.text"},
    };
    for (const auto& c : cases) EXPECT_EQ(S(GetLongPath((base + "\\" + c.in).c_str())), base + "\\" + c.out) << c.in;
}

TEST(PathFiles, GetLongPathKeepsPrefixes)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"", ""},
        {"c:", "c:"},
        {"c:\\", "c:\\"},
        {"c:\\..\\", "c:\\"},
        {"z:\\no such folder\\.\\x\\..\\y", "z:\\no such folder\\y"},
        {"\\\\server\\share", "\\\\server\\share"},
        {"\\\\server\\share\\a\\..\\b", "\\\\server\\share\\b"},
        {"no such relative\\..\\..\\x", "..\\x"},
    };
    for (const auto& c : cases) EXPECT_EQ(S(GetLongPath(c.in)), c.out) << c.in;
}

TEST(PathFiles, ShortPathLeadsBackToLongPath)
{
    TempDir temp;
    const std::string path = temp.WriteFile("a rather long file name.text", "");
    CString shortPath = GetShortPath(path.c_str());
    ASSERT_FALSE(shortPath.IsEmpty());
    EXPECT_EQ(S(GetLongPath(shortPath)), S(GetLongPath(path.c_str())));
    EXPECT_EQ(S(GetShortPath((temp / "missing.txt").c_str())), "");
}

}  // namespace
