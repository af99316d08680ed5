#include "editor/settings/TextSettings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temp_dir.h"

namespace {

std::string S(const CString& text) { return std::string((LPCTSTR)text, (size_t)text.GetLength()); }

} // namespace

TEST(UserSettings, LinesSetTheirValues)
{
    struct Case {
        const char* line;
        int CUserSettings::*number;
        int expected;
    };
    const Case numbers[] = {
        {"输出窗口最大行数=0", &CUserSettings::outputMaxLines, 1000},
        {"输出窗口最大行数=-5", &CUserSettings::outputMaxLines, 1000},
        {"输出窗口最大行数=abc", &CUserSettings::outputMaxLines, 1000},
        {"输出窗口最大行数=2500\r\n", &CUserSettings::outputMaxLines, 2500},
        {"双击打开中文源码=3", &CUserSettings::doubleClickOpensChinese, 3},
        {"词汇提示弹出延时=12", &CUserSettings::promptOpenTicks, 12},
        {"词汇提示空格选择=7", &CUserSettings::promptSpaceTicks, 7},
        {"词汇提示超时关闭=99", &CUserSettings::promptCloseTicks, 99},
        {"禁止自动侦测环境=1", &CUserSettings::noCompilerDetection, 1},
        {"文件外部修改自动更新=1", &CUserSettings::reloadChangedFiles, 1},
        {"新建文件自动保存=1", &CUserSettings::autoSaveNewFiles, 1},
        {" 新建文件自动保存=1", &CUserSettings::autoSaveNewFiles, 0},  // keys match from the first byte
    };
    for (const Case& c : numbers) {
        CUserSettings settings;
        ApplyUserSettingsLine(c.line, settings);
        EXPECT_EQ(settings.*c.number, c.expected) << c.line;
    }

    struct TextCase {
        std::string line;
        std::string prefix, companion;
    };
    const std::string sixty(60, 'n');
    const TextCase texts[] = {
        {"墨伴名称= \"a b\"", "", "a b"},
        {"墨伴名称=a b", "", "a"},
        {"墨伴名称=墨语言系列中文编程工具 之 墨伴3\r\n", "", "墨语言系列中文编程工具"},
        {"墨伴名称=\"墨语言系列中文编程工具 之 墨伴3\"\r", "", "墨语言系列中文编程工具 之 墨伴3"},
        {"墨伴名称=\"不闭合\r\n", "", "不闭合"},
        {"新建文件缺省保存名=" + sixty, sixty.substr(0, 39), ""},
        {"新建文件缺省保存名=  前缀 其余\r\n", "前缀", ""},
        {"新建文件缺省保存名=ab\tcd", "ab", ""},
        // 38 bytes, then a double-byte character that would end past byte 39: cut before it.
        {"新建文件缺省保存名=" + std::string(38, 'x') + "墨", std::string(38, 'x'), ""},
    };
    for (const TextCase& c : texts) {
        CUserSettings settings;
        ApplyUserSettingsLine(c.line.c_str(), settings);
        EXPECT_EQ(S(settings.newFilePrefix), c.prefix) << c.line;
        EXPECT_EQ(S(settings.companionTitle), c.companion) << c.line;
    }
}

TEST(UserSettings, FileLinesLoseTheirLineEnds)
{
    TempDir dir;
    std::string path = dir.WriteFile("用户.设置", "墨伴名称=\"伴 侣\"\r\n未知=1\r\n新建文件缺省保存名=草稿\r\n词汇提示弹出延时=3");
    CUserSettings settings;
    ReadUserSettings(path.c_str(), settings);
    EXPECT_EQ(S(settings.companionTitle), "伴 侣");
    EXPECT_EQ(S(settings.newFilePrefix), "草稿");
    EXPECT_EQ(settings.promptOpenTicks, 3);

    CUserSettings untouched;
    ReadUserSettings((dir / "missing").c_str(), untouched);
    EXPECT_EQ(untouched.outputMaxLines, 1000);

    // Whole lines of any length.
    std::string longLine(10000, 'x');
    path = dir.WriteFile("lines", longLine + "\r\n\r\n末\r");
    CStringArray lines;
    ASSERT_TRUE(ReadTextLines(path.c_str(), lines));
    ASSERT_EQ(lines.GetSize(), 3);
    EXPECT_EQ(S(lines[0]), longLine);
    EXPECT_EQ(S(lines[1]), "");
    EXPECT_EQ(S(lines[2]), "末");
}

// The settings files and the input aids' files read their lines by the same rule.
TEST(TextLines, EveryFileEndsItsLinesTheSameWay)
{
    struct Case {
        const char* name;
        std::string bytes;
        int longest;
        std::vector<std::string> lines;
    };
    const std::string words(2000, 'w');
    const Case cases[] = {
        {"empty file", "", 0, {}},
        {"LF, CR LF and no end", "a\nb\r\nc", 0, {"a", "b", "c"}},
        {"returns before the end", "a\r\r\n\r\n", 0, {"a", ""}},
        {"a return inside stays", "a\rb\n", 0, {"a\rb"}},
        {"zero byte ends the text", std::string("ab\0cd\nef\n", 9), 0, {"ab", "ef"}},
        {"zero byte cuts a lead byte", std::string("ab\xB0\0x\n", 6), 0, {"ab"}},
        {"long lines whole", words + words + "\n", 0, {words + words}},
        {"long lines in pieces", words + words + "\n", 2047, {words + words.substr(0, 47), words.substr(0, 1953)}},
        {"pieces keep characters whole", std::string(2048, '\xB0') + "\n", 2047,
         {std::string(2046, '\xB0'), std::string(2, '\xB0')}},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.WriteFile("lines", c.bytes);
        CStringArray lines;
        ASSERT_TRUE(ReadTextLines(path.c_str(), lines, c.longest));
        std::vector<std::string> read;
        for (int i = 0; i < lines.GetSize(); ++i)
            read.push_back(S(lines[i]));
        EXPECT_EQ(read, c.lines);
    }
    CStringArray lines;
    lines.Add("kept");
    EXPECT_FALSE(ReadTextLines((dir / "missing").c_str(), lines));
    EXPECT_EQ(lines.GetSize(), 0);
}

TEST(DefaultFolderFile, RoundTripAndRejections)
{
    TempDir dir;
    std::string path = dir / "项目目录.文本";
    ASSERT_TRUE(WriteDefaultFolderFile(path.c_str(), dir.Path().c_str()));
    EXPECT_EQ(TempDir::ReadFile(path), "缺省路径=" + dir.Path());  // no line end
    CString folder;
    ASSERT_TRUE(ReadDefaultFolderFile(path.c_str(), folder));
    EXPECT_EQ(S(folder), dir.Path());

    const std::string rejected[] = {
        "缺省路径=" + dir.Path() + "\\missing",
        "缺省路径=" + path,  // a file, not a folder
        "其他=" + dir.Path(),
        "",
    };
    for (const std::string& text : rejected) {
        dir.WriteFile("项目目录.文本", text);
        CString kept = "kept";
        EXPECT_FALSE(ReadDefaultFolderFile(path.c_str(), kept)) << text;
        EXPECT_EQ(S(kept), "kept");
    }
    // A line end written by hand does not spoil the folder.
    dir.WriteFile("项目目录.文本", "缺省路径=" + dir.Path() + "\r\n");
    ASSERT_TRUE(ReadDefaultFolderFile(path.c_str(), folder));
    EXPECT_EQ(S(folder), dir.Path());
}
