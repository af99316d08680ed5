#include "editor/shell/DirectoryBrowser.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string S(const CString& text) { return std::string((LPCTSTR)text, (size_t)text.GetLength()); }

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
