// The prompt syntax files shipped under the program folder's 配置 must load without a
// single skipped line.
#include "editor/inputaids/PromptTables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kPromptFolder = std::string(MOYU_STAGED_PROGRAM_DIR) + "\\配置\\";

std::vector<std::string> Displays(const CPromptTables& tables, const char* prefix, int table)
{
    std::vector<const PromptEntry*> matches;
    tables.FindPromptMatches(prefix, table, matches);
    std::vector<std::string> displays;
    for (const PromptEntry* entry : matches)
        displays.push_back(entry->display);
    return displays;
}

} // namespace

TEST(ShippedPromptFiles, EveryLineLoads)
{
    const char* names[] = {
        "一级语法提示.墨", "二级语法提示.墨", "三级语法提示.墨",
        "一级语法提示.墨双", "一级语法提示.构建", "一级语法提示.汇编",
    };
    for (const char* name : names) {
        CPromptTables tables;
        PromptFileReport report = tables.LoadFile(0, kPromptFolder + name, 0);
        ASSERT_TRUE(report.opened) << name;
        EXPECT_GT(report.entryLineCount, 10) << name;
        EXPECT_EQ(report.entryLineCount, report.lineCount) << name;
        for (int skipped : report.skippedLines)
            ADD_FAILURE() << name << ": line " << skipped << " skipped";
        EXPECT_FALSE(report.outOfMemory);
        EXPECT_TRUE(tables.Check());
    }
}

TEST(ShippedPromptFiles, TablesOfferTheLanguageWords)
{
    CPromptTables tables;
    tables.LoadAll(MOYU_STAGED_PROGRAM_DIR);
    ASSERT_TRUE(tables.Check());

    EXPECT_EQ(Displays(tables, "rg", 0), (std::vector<std::string>{"如果", "如果(...){...}", "#如果"}));
    std::vector<const PromptEntry*> matches;
    ASSERT_EQ(tables.FindPromptMatches("zslx", 0, matches), 1);
    EXPECT_STREQ(matches[0]->insert, "整数类型 ");
    EXPECT_EQ(matches[0]->Kind(), 1);
    // The .墨双 table reads the Moyu files after its own, with higher levels.
    ASSERT_EQ(tables.FindPromptMatches("zslx", 1, matches), 1);
    EXPECT_EQ(matches[0]->Level(), 11);
    EXPECT_EQ(Displays(tables, "class", 1).front(), "class");
    EXPECT_EQ(Displays(tables, "ywj", 2), (std::vector<std::string>{"源文件="}));
    EXPECT_EQ(Displays(tables, "mov", 3), (std::vector<std::string>{"mov", "movzx", "movsx", "movsb"}));

    // A template puts the caret inside its parentheses.
    ASSERT_GE(tables.FindPromptMatches("bjxh", 0, matches), 2);
    const PromptEntry* loop = matches[1];
    EXPECT_EQ(std::string(loop->insert).substr(0, loop->CaretOffset()), "步进循环(");
}
