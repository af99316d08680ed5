#include "editor/shell/DirectoryBrowser.h"

#include <gtest/gtest.h>

#include <string>

#include "temp_dir.h"

namespace {

std::string S(const CString& text) { return std::string((LPCTSTR)text, (size_t)text.GetLength()); }

std::string Joined(const CStringArray& names)
{
    std::string joined;
    for (int i = 0; i < names.GetSize(); ++i)
        joined += S(names[i]) + "|";
    return joined;
}

} // namespace

TEST(DirectoryBrowser, PathListsAreSizedFromThePaths)
{
    // A GBK path of 600 bytes, well past the 260 bytes a fixed buffer would hold.
    std::string longPath = "C:";
    while (longPath.size() < 600)
        longPath += "\\很长的目录名";
    CStringArray paths;
    paths.Add(longPath.c_str());
    paths.Add("D:\\b");
    std::vector<char> list = BuildShellPathList(paths);
    std::string expected = longPath + '\0' + "D:\\b" + '\0' + '\0';
    EXPECT_EQ(std::string(list.begin(), list.end()), expected);

    std::vector<char> one = BuildShellPathList(CString("C:\\a"));
    EXPECT_EQ(std::string(one.begin(), one.end()), std::string("C:\\a\0\0", 6));
    EXPECT_EQ(BuildShellPathList(CStringArray()).size(), 1u);
}

TEST(DirectoryBrowser, StatusTextIsCutAtACharacterBoundary)
{
    struct Case {
        std::string path, expected;
    };
    const std::string ascii35(35, 'a');
    const Case cases[] = {
        {ascii35, ascii35},
        {ascii35 + "b", ascii35 + "..."},
        // 34 bytes, then a double-byte character that would end at byte 36: cut before it.
        {std::string(34, 'a') + "墨语言", std::string(34, 'a') + "..."},
        {"C:\\" + std::string("墨语言编辑器墨语言编辑器墨语言编辑器"), "C:\\墨语言编辑器墨语言编辑器墨语言编..."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(S(FolderChooserStatusText(c.path.c_str())), c.expected) << c.path;
}

TEST(DirectoryBrowser, FoldersComeFirstAndHiddenOrFilteredFilesAreLeftOut)
{
    TempDir dir;
    for (const char* folder : {"乙目录", "a目录", "B目录", "只有隐藏", "只有文本", "空"})
        ::CreateDirectoryA((dir / folder).c_str(), nullptr);
    for (const char* file : {"z.墨", "A.墨", "说明.txt", "b.墨"})
        dir.WriteFile(file, "");
    std::string hidden = dir.WriteFile("只有隐藏\\藏.墨", "");
    ::SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    ::SetFileAttributesA(dir.WriteFile("隐藏.墨", "").c_str(), FILE_ATTRIBUTE_HIDDEN);
    dir.WriteFile("只有文本\\读我.txt", "");

    CStringArray folders, files;
    ListFolderEntries((dir.Path() + "\\").c_str(), "*.墨", folders, files);
    EXPECT_EQ(Joined(folders), "a目录|B目录|空|乙目录|只有文本|只有隐藏|");  // GBK byte order
    EXPECT_EQ(Joined(files), "A.墨|b.墨|z.墨|");
    ListFolderEntries(dir.Path().c_str(), "*.*", folders, files);
    EXPECT_EQ(Joined(files), "A.墨|b.墨|z.墨|说明.txt|");

    struct Case {
        const char* folder;
        const char* patterns;
        bool expected;
    };
    const Case cases[] = {
        {"只有隐藏", "*.*", false},  // only a hidden file: no expand button
        {"只有文本", "*.墨", false},  // only files the filter rejects
        {"只有文本", "*.墨;*.txt", true},
        {"空", "*.*", false},
        {"", "*.墨", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FolderHasEntries((dir / c.folder).c_str(), c.patterns), c.expected) << c.folder << " " << c.patterns;
}

TEST(DirectoryBrowser, DriveEntriesNameTheVolumeOrTheDriveType)
{
    struct Case {
        char letter;
        bool volumeRead;
        const char* label;
        UINT type;
        const char* expected;
    };
    const Case cases[] = {
        {'c', true, "系统", DRIVE_FIXED, "[C:] 系统"},
        {'E', true, "", DRIVE_FIXED, "[E:] "},
        {'d', false, "", DRIVE_CDROM, "[D:] CD-ROM"},  // an empty CD drive
        {'a', false, "", DRIVE_REMOVABLE, "[A:] Removable"},
        {'f', false, "", DRIVE_FIXED, "[F:] Local Drive"},
        {'n', false, "", DRIVE_REMOTE, "[N:] Network Drive"},
        {'r', false, "", DRIVE_RAMDISK, "[R:] RAM Disk"},
        {'x', false, "", DRIVE_UNKNOWN, "[X:] Unknown Type"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(S(DriveEntryText(c.letter, c.volumeRead, c.label, c.type)), c.expected);
    EXPECT_TRUE(IsDriveEntry("[D:] CD-ROM", "d:"));
    EXPECT_FALSE(IsDriveEntry("[D:] CD-ROM", "C:"));
    EXPECT_FALSE(IsDriveEntry("[D", "D:"));
}
