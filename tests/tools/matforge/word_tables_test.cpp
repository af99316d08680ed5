#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "matforge_test_support.h"
#include "tools/matforge/WordTables.h"

namespace {

enum Table { kFirst, kSecond, kThird };

const ResourceWord* Find(Table table, const char* word, BlockState state, LineFlags flags)
{
    int length = (int)std::strlen(word);
    switch (table) {
    case kFirst:
        return FindFirstWord(word, length, &state, &flags);
    case kSecond:
        return FindSecondWord(word, length, &state, &flags);
    default:
        return FindThirdWord(word, length, &state, &flags);
    }
}

const LineFlags kPlain = {0, 0, 0};
const LineFlags kMenuItem = {1, 0, 0};
const LineFlags kBlockLine = {0, 1, 0};
const LineFlags kValueLine = {0, 0, 1};

}  // namespace

TEST(WordTables, EachWordCountsOnlyWhereItsConditionHolds)
{
    const struct {
        Table table;
        const char* word;
        BlockState state;
        LineFlags flags;
        const char* written;  // null: not converted
    } kCases[] = {
        {kFirst, "#定义", {kNoBlock, 0}, kPlain, "#define"},
        {kFirst, "#如果已定义", {kMenuBlock, 2}, kPlain, "#ifdef"},
        {kFirst, "#如果未定义", {kNoBlock, 0}, kPlain, "#ifndef"},
        {kFirst, "#或者", {kNoBlock, 0}, kPlain, "#elif"},
        {kFirst, "#否则", {kNoBlock, 0}, kPlain, "#else"},
        {kFirst, "#如果结束", {kNoBlock, 0}, kPlain, "#endif"},
        {kFirst, "#包含", {kNoBlock, 0}, kPlain, "#include"},
        {kFirst, "字符串表", {kMenuBlock, 1}, kPlain, "1 STRINGTABLE"},
        {kFirst, "【版本信息】", {kNoBlock, 0}, kPlain, "1 VERSIONINFO"},
        {kFirst, "开始", {kNoBlock, 0}, kPlain, nullptr},
        {kFirst, "开始", {kStringTableBlock, 0}, kPlain, "BEGIN"},
        {kFirst, "结束", {kNoBlock, 0}, kPlain, nullptr},
        {kFirst, "弹出", {kMenuBlock, 1}, kPlain, "POPUP"},
        {kFirst, "菜单项", {kNoBlock, 0}, kPlain, nullptr},
        {kFirst, "块", {kVersionInfoBlock, 1}, kPlain, "BLOCK"},
        {kFirst, "值", {kVersionInfoBlock, 2}, kPlain, "VALUE"},
        {kFirst, "文件版本", {kVersionInfoBlock, 0}, kPlain, "FILEVERSION"},
        {kFirst, "文件版本", {kVersionInfoBlock, 1}, kPlain, nullptr},
        {kFirst, "文件版本", {kMenuBlock, 0}, kPlain, nullptr},
        {kFirst, "产品版本", {kVersionInfoBlock, 0}, kPlain, "PRODUCTVERSION"},
        {kFirst, "文件标志", {kVersionInfoBlock, 0}, kPlain, "FILEFLAGS"},
        {kFirst, "文件标志掩码", {kVersionInfoBlock, 0}, kPlain, "FILEFLAGSMASK"},
        {kFirst, "操作系统", {kVersionInfoBlock, 0}, kPlain, "FILEOS"},
        {kFirst, "文件类型", {kVersionInfoBlock, 0}, kPlain, "FILETYPE"},
        {kFirst, "文件子类型", {kVersionInfoBlock, 0}, kPlain, "FILESUBTYPE"},
        {kFirst, "#如果 ", {kNoBlock, 0}, kPlain, nullptr},
        {kFirst, "#如", {kNoBlock, 0}, kPlain, nullptr},
        {kSecond, "图标", {kNoBlock, 0}, kPlain, "ICON"},
        {kSecond, "图标", {kStringTableBlock, 1}, kPlain, nullptr},
        {kSecond, "位图", {kNoBlock, 0}, kPlain, "BITMAP"},
        {kSecond, "菜单", {kNoBlock, 0}, kPlain, "MENU"},
        {kSecond, "菜单", {kMenuBlock, 1}, kPlain, nullptr},
        {kSecond, "已定义", {kMenuBlock, 1}, kPlain, "defined"},
        {kSecond, "分隔符", {kMenuBlock, 1}, kMenuItem, "SEPARATOR"},
        {kSecond, "分隔符", {kMenuBlock, 1}, kPlain, nullptr},
        {kSecond, "分隔符", {kStringTableBlock, 1}, kMenuItem, nullptr},
        {kSecond, "文件信息短语", {kVersionInfoBlock, 1}, kBlockLine, "\"StringFileInfo\""},
        {kSecond, "文件信息变量", {kVersionInfoBlock, 1}, kBlockLine, "\"VarFileInfo\""},
        {kSecond, "文件信息短语", {kVersionInfoBlock, 1}, kValueLine, nullptr},
        {kSecond, "注释", {kVersionInfoBlock, 2}, kValueLine, "\"Comments\""},
        {kSecond, "文件说明", {kVersionInfoBlock, 2}, kValueLine, "\"FileDescription\""},
        {kSecond, "文件描述", {kVersionInfoBlock, 2}, kValueLine, "\"FileDescription\""},
        {kSecond, "公司名", {kVersionInfoBlock, 2}, kValueLine, "\"CompanyName\""},
        {kSecond, "文件版本", {kVersionInfoBlock, 2}, kValueLine, "\"FileVersion\""},
        {kSecond, "内部名", {kVersionInfoBlock, 2}, kValueLine, "\"InternalName\""},
        {kSecond, "版权", {kVersionInfoBlock, 2}, kValueLine, "\"LegalCopyright\""},
        {kSecond, "商标", {kVersionInfoBlock, 2}, kValueLine, "\"LegalTrademarks\""},
        {kSecond, "文件名", {kVersionInfoBlock, 2}, kValueLine, "\"OriginalFilename\""},
        {kSecond, "原始文件名", {kVersionInfoBlock, 2}, kValueLine, "\"OriginalFilename\""},
        {kSecond, "内部版本", {kVersionInfoBlock, 2}, kValueLine, "\"PrivateBuild\""},
        {kSecond, "产品名", {kVersionInfoBlock, 2}, kValueLine, "\"ProductName\""},
        {kSecond, "产品名称", {kVersionInfoBlock, 2}, kValueLine, "\"ProductName\""},
        {kSecond, "产品版本", {kVersionInfoBlock, 2}, kValueLine, "\"ProductVersion\""},
        {kSecond, "专用版本", {kVersionInfoBlock, 2}, kValueLine, "\"SpecialBuild\""},
        {kSecond, "翻译", {kVersionInfoBlock, 2}, kValueLine, "\"Translation\""},
        {kSecond, "翻译", {kMenuBlock, 2}, kValueLine, nullptr},
        {kSecond, "翻译", {kVersionInfoBlock, 2}, kPlain, nullptr},
        {kSecond, "预加载", {kStringTableBlock, 0}, kPlain, "PRELOAD"},
        {kSecond, "预加载", {kStringTableBlock, 1}, kPlain, nullptr},
        {kSecond, "预加载", {kNoBlock, 0}, kPlain, nullptr},
        {kSecond, "可丢弃的", {kStringTableBlock, 0}, kPlain, "DISCARDABLE"},
        {kSecond, "可丢弃", {kStringTableBlock, 0}, kPlain, "DISCARDABLE"},
        {kSecond, "可丢弃的", {kNoBlock, 0}, kPlain, nullptr},
        {kThird, "可丢弃的", {kNoBlock, 0}, kPlain, "DISCARDABLE"},
        {kThird, "可丢弃的", {kMenuBlock, 0}, kPlain, "DISCARDABLE"},
        {kThird, "可丢弃的", {kMenuBlock, 1}, kPlain, nullptr},
        {kThird, "可丢弃", {kNoBlock, 0}, kPlain, nullptr},
        {kThird, "预加载", {kMenuBlock, 0}, kPlain, "PRELOAD"},
        {kThird, "预加载", {kNoBlock, 0}, kPlain, nullptr},
    };
    for (const auto& c : kCases) {
        const ResourceWord* entry = Find(c.table, c.word, c.state, c.flags);
        std::string where = GbkToUtf8(c.word) + " in table " + std::to_string(c.table) + ", block "
            + std::to_string(c.state.kind) + " depth " + std::to_string(c.state.depth);
        if (c.written == nullptr) {
            EXPECT_EQ(nullptr, entry) << where;
        } else if (entry == nullptr) {
            ADD_FAILURE() << where << " not found";
        } else {
            EXPECT_STREQ(c.written, entry->written) << where;
        }
    }
}

TEST(WordTables, WordsMatchByExactBytesNotByPrefix)
{
    BlockState state = {kNoBlock, 0};
    LineFlags flags = {0, 0, 0};
    // The first four bytes of 字符串表 are 字符, and 字符串表 is a prefix of 字符串表格.
    EXPECT_EQ(nullptr, FindFirstWord("字符串表", 4, &state, &flags));
    EXPECT_EQ(nullptr, FindFirstWord("字符串表格", 10, &state, &flags));
    EXPECT_EQ(nullptr, FindFirstWord("", 0, &state, &flags));
}

TEST(WordTables, MenuItemFlags)
{
    EXPECT_STREQ("CHECKED", FindMenuItemFlag("选择的", 6));
    EXPECT_STREQ("GRAYED", FindMenuItemFlag("无效的", 6));
    EXPECT_EQ(nullptr, FindMenuItemFlag("选择", 4));
    EXPECT_EQ(nullptr, FindMenuItemFlag("选择的,", 7));
}

TEST(WordTables, BlockStateFollowsOpeningAndNesting)
{
    BlockState state = {kNoBlock, 0};
    LineFlags flags = {0, 0, 0};
    ApplyWordEffect(kOpenMenu, &state, &flags);
    EXPECT_EQ(kMenuBlock, state.kind);
    ApplyWordEffect(kEnterLevel, &state, &flags);
    ApplyWordEffect(kEnterLevel, &state, &flags);
    EXPECT_EQ(2, state.depth);
    ApplyWordEffect(kLeaveLevel, &state, &flags);
    EXPECT_EQ(kMenuBlock, state.kind);
    EXPECT_EQ(1, state.depth);
    ApplyWordEffect(kLeaveLevel, &state, &flags);
    EXPECT_EQ(kNoBlock, state.kind);
    EXPECT_EQ(0, state.depth);

    ApplyWordEffect(kOpenVersionInfo, &state, &flags);
    EXPECT_EQ(kVersionInfoBlock, state.kind);
    ApplyWordEffect(kOpenStringTable, &state, &flags);
    EXPECT_EQ(kStringTableBlock, state.kind);
    EXPECT_EQ(0, state.depth);

    ApplyWordEffect(kMarkMenuItemLine, &state, &flags);
    ApplyWordEffect(kMarkBlockLine, &state, &flags);
    ApplyWordEffect(kMarkValueLine, &state, &flags);
    EXPECT_TRUE(flags.menuItem && flags.block && flags.value);
}
