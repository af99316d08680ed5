#include "editor/shell/FileNaming.h"

#include <gtest/gtest.h>

#include <string>

#include "temp_dir.h"

namespace {

std::string S(const CString& text) { return std::string((LPCTSTR)text, (size_t)text.GetLength()); }

SYSTEMTIME At(int year, int month, int day, int hour, int minute, int second)
{
    SYSTEMTIME time = {};
    time.wYear = (WORD)year;
    time.wMonth = (WORD)month;
    time.wDay = (WORD)day;
    time.wHour = (WORD)hour;
    time.wMinute = (WORD)minute;
    time.wSecond = (WORD)second;
    return time;
}

} // namespace

TEST(FileNaming, FilterListSkipsUnusableFilters)
{
    CEditorSettings settings;
    for (auto& filter : settings.fileFilters)
        filter.Clear();
    EXPECT_EQ(S(BuildFileFilter(settings)), "All Files (*.*)|*.*||");

    // Filter 0 unusable (no patterns), then 1, 3 and 4 usable.
    settings.fileFilters[0].Set("无", "", "x");
    settings.fileFilters[1].Set("墨", "*.墨", "墨");
    settings.fileFilters[3].Set("C", "*.c;*.h", "c");
    settings.fileFilters[4].Set("全部", "*.*", "");
    EXPECT_EQ(S(BuildFileFilter(settings)), "墨 (*.墨)|*.墨|C (*.c;*.h)|*.c;*.h|全部 (*.*)|*.*||");
    struct Case {
        int type, position;
    };
    for (const Case& c : {Case{1, 0}, Case{3, 1}, Case{4, 2}}) {
        EXPECT_EQ(FilterIndexToType(settings, c.type), c.position);
        EXPECT_EQ(TypeFromFilterIndex(settings, c.position), c.type);
    }
    settings.lastFileFilter = 3;
    EXPECT_EQ(S(DefaultExtensionOfLastFilter(settings)), "c");
}

TEST(FileNaming, GeneratedNamesAndFolders)
{
    SYSTEMTIME time = At(2024, 3, 5, 10, 20, 30);
    EXPECT_EQ(S(GeneratedNewFileName("", true, time)), "墨09026_37230");
    EXPECT_EQ(S(GeneratedNewFileName("草稿", true, time)), "草稿09026_37230");
    EXPECT_EQ(S(GeneratedNewFileName("", false, time)), "墨24年3月5日10时20分30");

    EXPECT_EQ(S(ProposedSaveFolder("新文件1", "D:\\新", "C:\\安装", "C:\\cur")), "D:\\新");
    EXPECT_EQ(S(ProposedSaveFolder("新文件2", "", "C:\\安装", "C:\\cur")), "C:\\安装\\我的项目");
    EXPECT_EQ(S(ProposedSaveFolder("C:\\a.墨", "D:\\新", "C:\\安装", "C:\\cur")), "C:\\cur");
}

TEST(FileNaming, NewFilesNeverOverwriteExistingOnes)
{
    TempDir dir;
    const std::string folder = dir.Path();
    EXPECT_EQ(S(UniqueNewFilePath(folder.c_str(), "墨09026_37230")), folder + "\\墨09026_37230.墨");
    dir.WriteFile("墨09026_37230.墨", "kept");
    dir.WriteFile("墨09026_37230_2.墨", "kept too");
    EXPECT_EQ(S(UniqueNewFilePath(folder.c_str(), "墨09026_37230")), folder + "\\墨09026_37230_3.墨");
    // A name with its own extension keeps it.
    dir.WriteFile("a.txt", "");
    EXPECT_EQ(S(UniqueNewFilePath(folder.c_str(), "a.txt")), folder + "\\a_2.txt");
}
