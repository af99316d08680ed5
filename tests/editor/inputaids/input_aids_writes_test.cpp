// The files the input aids write as the user adds to them, on a full disk: a failed write
// leaves the old file whole and no scratch file beside it.
#include "editor/inputaids/CustomVocabulary.h"
#include "editor/inputaids/QuickInputPhrases.h"
#include "framework/FileSpaceLimit.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// The names in the folder, "." and ".." aside.
std::vector<std::string> Names(const TempDir& dir)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE find = ::FindFirstFileA((dir / "*").c_str(), &found);
    for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = ::FindNextFileA(find, &found))
        if (std::string(found.cFileName) != "." && std::string(found.cFileName) != "..")
            names.push_back(found.cFileName);
    if (find != INVALID_HANDLE_VALUE)
        ::FindClose(find);
    return names;
}

} // namespace

TEST(InputAidsWrites, AFullDiskLeavesTheOldFileWhole)
{
    // Each writer, given a flag that makes its second content differ from its first.
    using Writer = std::function<bool(const char* path, bool second)>;
    const struct {
        const char* name;
        Writer write;
    } writers[] = {
        {"自定词汇.文本", [](const char* path, bool second) {
             CCustomVocabulary words;
             if (second)
                 words.Push("第二个词");
             return words.Save(path);
         }},
        {"快捷输入.文本", [](const char* path, bool second) {
             return AppendQuickInputPhrase(path, second ? "请输入第二个数：" : "请输入一个整数：");
         }},
    };
    for (const auto& writer : writers) {
        SCOPED_TRACE(writer.name);
        TempDir dir;
        const std::string path = dir / writer.name;
        ASSERT_TRUE(writer.write(path.c_str(), false));
        const std::string first = TempDir::ReadFile(path);
        ASSERT_FALSE(first.empty());
        {
            CFileSpaceLimit full(first.size() / 2);
            EXPECT_FALSE(writer.write(path.c_str(), true));
        }
        EXPECT_EQ(first, TempDir::ReadFile(path));
        EXPECT_EQ(std::vector<std::string>{writer.name}, Names(dir));
        ASSERT_TRUE(writer.write(path.c_str(), true));
        EXPECT_NE(first, TempDir::ReadFile(path));
    }
}

// A phrase file whose last line has no line end gets one before the new phrase, so the two
// stay apart.
TEST(InputAidsWrites, AnAppendedPhraseStartsALineOfItsOwn)
{
    TempDir dir;
    dir.WriteFile("快捷输入.文本", "结果=");
    ASSERT_TRUE(AppendQuickInputPhrase((dir / "快捷输入.文本").c_str(), "小数值="));
    EXPECT_EQ("结果=\r\n小数值=\r\n", TempDir::ReadFile(dir / "快捷输入.文本"));
}
